// Every page of the main window and every dialog, on the demo database, on a 1280x800
// screen (or, run with QT_SCALE_FACTOR=2, a 1920x1080 one): no caption is cut, and the
// keyboard reaches every control of the dialogs and the find bar. The checks take any
// widget tree, so the same rows serve each language the interface is shown in.
#include "WindowChecks.h"
#include "TestSupport.h"
#include "channels/ChangeListDlg.h"
#include "channels/EditChannelDlg.h"
#include "channels/OrvaneView.h"
#include "channels/ReplaceNamesDlg.h"
#include "channels/SelectNitDlg.h"
#include "db/ChannelDB.h"
#include "lnb/EditLnbDlg.h"
#include "satellites/EditNitDlg.h"
#include "satellites/EditSatDlg.h"
#include "seams/MessageBox.h"
#include "settings/SettingDlg.h"
#include "shell/AboutDlg.h"
#include "shell/MainFrame.h"
#include "shell/OrvaneApp.h"
#include "shell/SplitterView.h"
#include "shell/Translations.h"
#include "transfer/RestoreBackupDlg.h"
#include "transfer/UsbDownloadDlg.h"
#include "transfer/UsbUploadDlg.h"

#include <QDir>
#include <QTabWidget>
#include <QtTest>

#include <array>
#include <functional>
#include <memory>

using OpenWindow = std::function<QWidget*(CMainFrame&)>;
Q_DECLARE_METATYPE(OpenWindow)

namespace {

// A page of the main window: the frame itself after `show` ran on it.
OpenWindow Page(std::function<void(CMainFrame&)> show) {
    return [show](CMainFrame& frame) {
        show(frame);
        return &frame;
    };
}

void AddDialogRows() {
    static int32_t satId = 0;
    static int32_t nitId = 0;
    static LnbRecord lnb{0, 0, 1, 9750, 10600, 2, 0, 1, 0, 1, 5, 1};
    static std::array<char, kUploadPathSize> uploadPath{};
    const auto sat = [] { return testsupport::QueryInt(QStringLiteral("SELECT min(sat_id) FROM SATInfo")); };
    const auto nit = [] { return testsupport::QueryInt(QStringLiteral("SELECT min(nit_id) FROM NITInfo")); };
    const std::pair<const char*, OpenWindow> dialogs[] = {
        {"about", [](CMainFrame& f) { return new CAboutDlg(&f); }},
        {"setting", [](CMainFrame& f) { return new CSettingDlg(&f); }},
        {"edit channel", [](CMainFrame& f) { return new CEditChannelDlg(1, &f); }},
        {"new channel", [](CMainFrame& f) { return new CEditChannelDlg(-1, &f); }},
        {"select transponder", [](CMainFrame& f) { return new CSelectNitDlg(satId, nitId, &f); }},
        {"edit satellite", [sat](CMainFrame& f) { return new CEditSatDlg(&f, sat()); }},
        {"edit transponder", [sat, nit](CMainFrame& f) { return new CEditNitDlg(&f, nit(), sat()); }},
        {"edit lnb", [](CMainFrame& f) { return new CEditLnbDlg(&lnb, &f); }},
        {"replace in names",
         [](CMainFrame& f) {
             return new CReplaceNamesDlg({{1, QStringLiteral("Das Erste HD")}}, &f);
         }},
        {"change list",
         [](CMainFrame& f) {
             return new CChangeListDlg(&f, QStringLiteral("Import Channels from CSV"), QStringLiteral("2 changes"),
                                       {QStringLiteral("1 renamed")}, QStringLiteral("&Import"),
                                       QStringLiteral("&Keep a backup"));
         }},
        {"restore backup", [](CMainFrame& f) { return new CRestoreBackupDlg(&f, QDir::tempPath()); }},
        {"usb upload", [](CMainFrame& f) { return new CUsbUploadDlg(&f, uploadPath); }},
        {"usb download", [](CMainFrame& f) { return new CUsbDownloadDlg(&f, QStringLiteral("/tmp/db.dat")); }},
    };
    for (const auto& [name, open] : dialogs) {
        QTest::newRow(name) << open;
    }
}

// The screen the rows are laid out for, in the window's own (scaled) pixels.
QSize ScreenSize() {
    const bool scaled = qApp->devicePixelRatio() > 1.0;
    const QSize physical = scaled ? QSize(1920, 1080) : QSize(1280, 800);
    return physical / qApp->devicePixelRatio();
}

} // namespace

class WindowChecksTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void noTextIsCut_data();
    void noTextIsCut();
    void everyControlIsReachedByTab_data();
    void everyControlIsReachedByTab();

private:
    // Shows what `open` gives, sized for the screen, and returns it (null on failure).
    QWidget* Show(const OpenWindow& open);

    std::unique_ptr<testsupport::FixtureFolder> m_folder;
    std::unique_ptr<COrvaneApp> m_app;
    std::unique_ptr<QWidget> m_dialog;
};

void WindowChecksTest::initTestCase() {
    COrvaneApp::SelectSettingsStore();
    // The same rows in another language: German has the longest words, Arabic runs
    // right to left.
    if (const QString language = qEnvironmentVariable("ORVANE_TEST_LANGUAGE"); !language.isEmpty()) {
        QVERIFY(translations::Install(language));
    }
}

void WindowChecksTest::init() {
    testsupport::ResetEnvironment();
    m_folder = std::make_unique<testsupport::FixtureFolder>();
    m_app = std::make_unique<COrvaneApp>();
    QVERIFY(m_app->InitInstance({m_folder->Write(QStringLiteral("demo"), QStringLiteral("db.dat"))}, false));
    CMainFrame* frame = m_app->MainFrame();
    frame->resize(ScreenSize());
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    MessageBox::TakeShown();
}

void WindowChecksTest::cleanup() {
    m_dialog.reset();
    m_app.reset();
    testsupport::CloseDbDirect();
    m_folder.reset();
}

QWidget* WindowChecksTest::Show(const OpenWindow& open) {
    CMainFrame* frame = m_app->MainFrame();
    QWidget* window = open(*frame);
    if (window != frame) {
        m_dialog.reset(window);
        window->show();
        // As a window manager would: no larger than the screen.
        window->resize(window->size().boundedTo(ScreenSize()));
    }
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window)) {
        return nullptr;
    }
    // A page switched to lays itself out on a posted request.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return window;
}

void WindowChecksTest::noTextIsCut_data() {
    QTest::addColumn<OpenWindow>("open");
    QTest::newRow("channel edit") << Page([](CMainFrame&) {});
    QTest::newRow("find bar") << Page(
        [](CMainFrame& f) { qobject_cast<CSplitterView*>(f.EditingView())->ChannelView()->ShowFindBar(); });
    QTest::newRow("nit edit") << Page([](CMainFrame& f) { f.SwitchView(CMainFrame::kSatelliteView); });
    QTest::newRow("lnb edit") << Page([](CMainFrame& f) { f.SwitchView(CMainFrame::kLnbView); });
    QTest::newRow("empty window") << Page(
        [](CMainFrame& f) { testsupport::TriggerAction(&f, QStringLiteral("actionFileClose")); });
    AddDialogRows();
}

void WindowChecksTest::noTextIsCut() {
    QFETCH(OpenWindow, open);
    QWidget* window = Show(open);
    QVERIFY(window != nullptr);
    QStringList cut = windowchecks::CutTexts(window);
    // Every page of a tabbed dialog, not only the first.
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        for (int page = 1; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            cut << windowchecks::CutTexts(tabs->currentWidget());
        }
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList());
}

void WindowChecksTest::everyControlIsReachedByTab_data() {
    QTest::addColumn<OpenWindow>("open");
    AddDialogRows();
}

void WindowChecksTest::everyControlIsReachedByTab() {
    QFETCH(OpenWindow, open);
    QWidget* window = Show(open);
    QVERIFY(window != nullptr);
    QStringList unreached = windowchecks::UnreachableByTab(window);
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        for (int page = 1; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            unreached << windowchecks::UnreachableByTab(window);
        }
    }
    unreached.removeDuplicates();
    QVERIFY2(unreached.isEmpty(), qPrintable(unreached.join(QLatin1Char('\n'))));
}

QTEST_MAIN(WindowChecksTest)
#include "WindowChecksTest.moc"
