// The main window: its menu, toolbar and status bar, the navigation bar, switching
// the editing area, the channel container and its Close command.
#include "shell/MainFrame.h"
#include "TestSupport.h"
#include "channels/OrvaneView.h"
#include "db/ChannelDB.h"
#include "document/OrvaneDoc.h"
#include "favourites/FavGrpView.h"
#include "favourites/FavListView.h"
#include "listctrl/RecordListCtrl.h"
#include "lnb/LNBView.h"
#include "satellites/NITView.h"
#include "seams/ModalDialog.h"
#include "seams/PendingEdits.h"
#include "seams/PopupMenu.h"
#include "shell/MenuBar.h"
#include "shell/OrvaneApp.h"
#include "shell/SplitterView.h"
#include "shell/Translations.h"

#include <QAbstractItemView>
#include <QAction>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

const QString kNoDb = QStringLiteral("It has no DB. First open your DB!");

// "text|shortcut" per item, "-" for a separator, "(off)" after a disabled item and
// "{...}" around a submenu.
QStringList Describe(const QMenu* menu) {
    QStringList items;
    for (const QAction* action : menu->actions()) {
        if (!action->isVisible()) {
            continue;
        }
        if (action->isSeparator()) {
            items << QStringLiteral("-");
            continue;
        }
        QString item = action->text();
        if (!action->shortcut().isEmpty()) {
            item += QLatin1Char('|') + action->shortcut().toString();
        }
        if (!action->isEnabled()) {
            item += QStringLiteral("(off)");
        }
        if (action->menu() != nullptr) {
            item += QStringLiteral("{") + Describe(action->menu()).join(QLatin1Char(',')) + QStringLiteral("}");
        }
        items << item;
    }
    return items;
}

// Rows a pane shows, over every list or tree in it (top-level rows of trees); the
// list of a drop-down is a popup window of its own, not part of the pane.
int RowsIn(const QWidget* pane) {
    int rows = 0;
    for (const QAbstractItemView* view : pane->findChildren<QAbstractItemView*>()) {
        if (view->model() != nullptr && view->window() == pane->window()) {
            rows += view->model()->rowCount(view->rootIndex());
        }
    }
    return rows;
}

void Hover(QWidget* widget, bool enter) {
    if (enter) {
        QEnterEvent event(QPointF(2, 2), QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(widget, &event);
    } else {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(widget, &event);
    }
}

} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { COrvaneApp::SelectSettingsStore(); }
    void init();
    void cleanup();

    void menuTree();
    void languageMenuRemembersTheChoice();
    void toolBarOrderTipsAndStates();
    void statusPromptsAndReady();
    void keyLockIndicatorsFollowTheLockKeys();
    void editCommandsAndRenumberFollowTheActiveView();
    void usbCommandsRunTheTransferDialogs();
    void navigationBarLook();
    void navigationWithoutAFile();
    void navigationWithAFile();
    void keyboardReachesEveryViewAndPane_data();
    void keyboardReachesEveryViewAndPane();
    void emptyWindowSaysWhatToDo();
    void changedLayoutIsTheSameAfterARestart();
    void switchingRebuildsAndReloads();
    void errorInLoadViewWithoutAView();
    void channelContainerPanes();
    void closeEmptiesThePanes();
    void closeAsksAboutUnsavedChanges();
    void uploadShowsTheChannelContainer();
    void lnbEditsNotSavedAreAskedAbout_data();
    void lnbEditsNotSavedAreAskedAbout();
    void navigationBarKeepsItsWidth();
    void screenshotWithTheDemoDatabase_data();
    void screenshotWithTheDemoDatabase();

private:
    void Start(const QString& fixture = QString());
    CMainFrame* Frame() const { return m_app->MainFrame(); }
    CSplitterView* Container() const { return qobject_cast<CSplitterView*>(Frame()->EditingView()); }
    QPushButton* NavButton(const char* name) const { return Frame()->findChild<QPushButton*>(QLatin1String(name)); }
    QAction* Action(const char* name) const { return Frame()->findChild<QAction*>(QLatin1String(name)); }
    void ClickInto(QWidget* widget);

    std::unique_ptr<testsupport::FixtureFolder> m_folder;
    std::unique_ptr<COrvaneApp> m_app;
};

void MainFrameTest::init() {
    testsupport::ResetEnvironment();
    m_folder = std::make_unique<testsupport::FixtureFolder>();
}

void MainFrameTest::cleanup() {
    m_app.reset();
    testsupport::CloseDbDirect();
    m_folder.reset();
}

// Starts the editor, on a fresh copy of a fixture set when one is named, with the
// window shown and active so that focus changes take place.
void MainFrameTest::Start(const QString& fixture) {
    QStringList arguments;
    if (!fixture.isEmpty()) {
        arguments << m_folder->Write(fixture, QStringLiteral("db.dat"));
    }
    m_app = std::make_unique<COrvaneApp>();
    QVERIFY(m_app->InitInstance(arguments, false));
    Frame()->resize(1200, 800);
    Frame()->show();
    QApplication::setActiveWindow(Frame());
    QVERIFY(QTest::qWaitForWindowActive(Frame()));
    MessageBox::TakeShown();
}

void MainFrameTest::ClickInto(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QApplication::processEvents();
}

void MainFrameTest::menuTree() {
    Start();
    const QList<QPair<QString, QStringList>> expected = {
        {QStringLiteral("&File"),
         {QStringLiteral("&New|Ctrl+N"), QStringLiteral("&Open|Ctrl+O"), QStringLiteral("&Close|Ctrl+W"),
          QStringLiteral("-"), QStringLiteral("&Save|Ctrl+S"), QStringLiteral("Save &As...|Ctrl+Shift+S"),
          QStringLiteral("-"), QStringLiteral("USB &Upload"), QStringLiteral("USB &Download"),
          QStringLiteral("Restore Receiver &Backup..."), QStringLiteral("-"), QStringLiteral("&Print…|Ctrl+P(off)"),
          QStringLiteral("Print Pre&view…(off)"), QStringLiteral("&Export as PDF…(off)"), QStringLiteral("-"),
          QStringLiteral("Recent File(off)"), QStringLiteral("-"), QStringLiteral("E&xit|Ctrl+Q")}},
        // The channel list has the focus from the start, so the commands it handles are
        // offered as after a click into it; with no DB open they do nothing.
        // Space and Del are named, not taken: the lists handle those keys their own way.
        {QStringLiteral("&Edit"),
         {QStringLiteral("&Add"),
          QStringLiteral("&Edit\tSpace"),
          QStringLiteral("&Delete\tDel"),
          QStringLiteral("-"),
          QStringLiteral("&Undo|Ctrl+Z(off)"),
          QStringLiteral("&Redo|Ctrl+Y(off)"),
          QStringLiteral("-"),
          QStringLiteral("&Find...|Ctrl+F"),
          QStringLiteral("Find &Next|F3"),
          QStringLiteral("Find &Previous|Shift+F3"),
          QStringLiteral("-"),
          QStringLiteral("Loc&k(off)"),
          QStringLiteral("U&nlock(off)"),
          QStringLiteral("&Hide(off)"),
          QStringLiteral("Un&hide(off)"),
          QStringLiteral("-"),
          QStringLiteral("Move to &Top(off)"),
          QStringLiteral("Move to &Bottom(off)"),
          QStringLiteral("Move to N&umber…(off)"),
          QStringLiteral("Replace in &Names…(off)"),
          QStringLiteral("&Renumber Selection From…(off)"),
          QStringLiteral("Add to &Favourite Group(off){}")}},
        {QStringLiteral("&View"),
         {QStringLiteral("&Channel Edit|Ctrl+1"), QStringLiteral("&NIT Edit|Ctrl+2"),
          QStringLiteral("&LNB Edit|Ctrl+3"), QStringLiteral("-"), QStringLiteral("Next &Pane|F6"),
          QStringLiteral("P&revious Pane|Shift+F6")}},
        {QStringLiteral("&Tools"),
         {QStringLiteral("&Setting"), QStringLiteral("-"), QStringLiteral("&Export Channels to CSV…"),
          QStringLiteral("&Import Channels from CSV…"), QStringLiteral("Apply &Order from Reference File…"),
          QStringLiteral("Find &Duplicate Channels…"), QStringLiteral("&Compare with File…"),
          QStringLiteral("&Add Channels from Another File…")}},
        {QStringLiteral("F&ormat"),
         {QStringLiteral("&Import(off){From SatcoDX(off)}"), QStringLiteral("&Export(off)")}},
        {QStringLiteral("&Language"),
         {QStringLiteral("&English"), QStringLiteral("Русский"), QStringLiteral("Français"), QStringLiteral("Italiano"),
          QStringLiteral("Nederlands"), QStringLiteral("Deutsch"), QStringLiteral("Dansk"), QStringLiteral("العربية"),
          QStringLiteral("Ελληνικά"), QStringLiteral("Türkçe"), QStringLiteral("Español"), QStringLiteral("Svenska"),
          QStringLiteral("Norsk")}},
        {QStringLiteral("&Help"), {QStringLiteral("&About Orvane")}},
    };
    const QList<QAction*> menus = Frame()->menuBar()->actions();
    QCOMPARE(menus.size(), expected.size());
    for (int i = 0; i < menus.size(); ++i) {
        QCOMPARE(menus[i]->text(), expected[i].first);
        QCOMPARE(Describe(menus[i]->menu()), expected[i].second);
    }
}

void MainFrameTest::languageMenuRemembersTheChoice() {
    Start();
    auto* english = Frame()->findChild<QAction*>(QStringLiteral("actionLanguageEnglish"));
    QVERIFY(english != nullptr && english->isChecked());
    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionLanguage_de")));
    QCOMPARE(translations::Remembered(), QStringLiteral("de"));
    QCOMPARE(MessageBox::TakeShownTexts(),
             QStringList{QStringLiteral("The interface changes to Deutsch when Orvane starts again.")});
    // Back to the language the window runs in: nothing to restart for.
    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionLanguageEnglish")));
    QCOMPARE(translations::Remembered(), QStringLiteral("en"));
    QVERIFY(MessageBox::TakeShownTexts().isEmpty());
}

void MainFrameTest::toolBarOrderTipsAndStates() {
    Start();
    auto* toolBar = Frame()->findChild<QToolBar*>(QStringLiteral("mainToolBar"));
    QVERIFY(toolBar != nullptr);
    QVERIFY(!toolBar->isMovable());
    QVERIFY(!toolBar->isFloatable());
    QStringList order;
    for (QAction* action : toolBar->actions()) {
        if (action->isSeparator()) {
            order << QStringLiteral("-");
            continue;
        }
        auto* button = qobject_cast<QToolButton*>(toolBar->widgetForAction(action));
        QVERIFY(button != nullptr);
        QVERIFY2(!button->icon().pixmap(16, 16).isNull(), qPrintable(action->objectName()));
        order << QStringLiteral("%1 [%2]%3")
                     .arg(action->objectName(), button->toolTip(), action->isEnabled() ? "" : "(off)");
    }
    QCOMPARE(order, QStringList({"actionFileNew [New]", "actionFileOpen [Open]", "actionFileSave [Save]", "-",
                                 "actionUsbUpload [Upload]", "actionUsbDownload [Download]", "actionRenumber []", "-",
                                 "actionAppAbout [About]"}));
}

void MainFrameTest::statusPromptsAndReady() {
    Start();
    auto* bar = Frame()->statusBar();
    auto* ready = bar->findChild<QLabel*>(QStringLiteral("readyLabel"));
    QCOMPARE(ready->text(), QStringLiteral("Ready"));
    QVERIFY(ready->isVisible());

    const QList<QPair<const char*, QString>> prompts = {
        {"fileNewToolButton", QStringLiteral("Create a new document")},
        {"fileOpenToolButton", QStringLiteral("Open an existing document")},
        {"fileSaveToolButton", QStringLiteral("Save the active document")},
        {"usbUploadToolButton", QStringLiteral("Transfer DB file from Settop")},
        {"usbDownloadToolButton", QStringLiteral("Transfer DB file to Settop")},
        {"renumberToolButton", QString()},
        {"appAboutToolButton", QStringLiteral("Display program information, version number and copyright")},
    };
    for (const auto& [name, prompt] : prompts) {
        auto* button = Frame()->findChild<QToolButton*>(QLatin1String(name));
        QVERIFY2(button != nullptr, name);
        Hover(button, true);
        QCOMPARE(bar->currentMessage(), prompt);
        QCOMPARE(ready->isVisible(), prompt.isEmpty());
        Hover(button, false);
        QCOMPARE(bar->currentMessage(), QString());
        QVERIFY(ready->isVisible());
    }

    // A menu item shows the same prompt while it is highlighted.
    auto* fileMenu = Frame()->findChild<QMenu*>(QStringLiteral("fileMenu"));
    Frame()->menuBar()->setActiveAction(fileMenu->menuAction());
    QTRY_VERIFY(fileMenu->isVisible());
    fileMenu->setActiveAction(Action("actionUsbDownload"));
    QCOMPARE(bar->currentMessage(), QStringLiteral("Transfer DB file to Settop"));
    fileMenu->close();
}

void MainFrameTest::keyLockIndicatorsFollowTheLockKeys() {
    Start();
    const auto text = [this](const char* name) {
        return Frame()->statusBar()->findChild<QLabel*>(QLatin1String(name))->text();
    };
    // Order along the bar: the message pane, the counts, then CAP, NUM and SCRL.
    QList<QLabel*> labels = Frame()->statusBar()->findChildren<QLabel*>();
    std::sort(labels.begin(), labels.end(), [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
    QStringList names;
    for (QLabel* label : labels) {
        names << label->objectName();
    }
    QCOMPARE(names, QStringList({"readyLabel", "countsLabel", "capsLockLabel", "numLockLabel", "scrollLockLabel"}));

    QCOMPARE(text("capsLockLabel"), QString());
    QTest::keyClick(Frame()->windowHandle(), Qt::Key_CapsLock);
    QCOMPARE(text("capsLockLabel"), QStringLiteral("CAP"));
    QTest::keyClick(Frame()->windowHandle(), Qt::Key_NumLock);
    QTest::keyClick(Frame()->windowHandle(), Qt::Key_ScrollLock);
    QCOMPARE(text("numLockLabel"), QStringLiteral("NUM"));
    QCOMPARE(text("scrollLockLabel"), QStringLiteral("SCRL"));
    QTest::keyClick(Frame()->windowHandle(), Qt::Key_CapsLock);
    QCOMPARE(text("capsLockLabel"), QString());
    QCOMPARE(text("numLockLabel"), QStringLiteral("NUM"));
}

void MainFrameTest::editCommandsAndRenumberFollowTheActiveView() {
    Start(QStringLiteral("demo"));
    CSplitterView* container = Container();
    // The channel list has the focus from the start, so its commands run at once.
    QCOMPARE(Frame()->ActiveView(), static_cast<QWidget*>(container->ChannelView()));
    QVERIFY(Action("actionRenumber")->isEnabled());
    QVERIFY(Action("actionEditAdd")->isEnabled());

    // Clicking into the channel list makes it the active view.
    CRecordListCtrl* list = container->ChannelView()->List();
    QVERIFY(list->RowCount() > 0);
    ClickInto(list->viewport());
    QCOMPARE(Frame()->ActiveView(), static_cast<QWidget*>(container->ChannelView()));
    QVERIFY(Action("actionRenumber")->isEnabled());
    ModalDialog::TakeRunCount();
    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionEditAdd")));
    QCOMPARE(ModalDialog::TakeRunCount(), 1); // the channel list's Edit Channel dialog
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList());

    // The navigation bar and the toolbar take no part: the list stays active.
    ClickInto(NavButton("channelEditButton")->parentWidget());
    QCOMPARE(Frame()->ActiveView(), static_cast<QWidget*>(container->ChannelView()));

    // Another pane of the container: Edit goes there, Renumber greys.
    container->FavGrpView()->setFocus();
    QApplication::processEvents();
    QCOMPARE(Frame()->ActiveView(), static_cast<QWidget*>(container->FavGrpView()));
    QVERIFY(!Action("actionRenumber")->isEnabled());
    QVERIFY(Action("actionEditDelete")->isEnabled());
    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionEditAdd")));
    QCOMPARE(ModalDialog::TakeRunCount(), 0);

    container->FavListView()->setFocus();
    QApplication::processEvents();
    QCOMPARE(Frame()->ActiveView(), static_cast<QWidget*>(container->FavListView()));
    QVERIFY(!Action("actionRenumber")->isEnabled());

    // A switched-to view is active at once; the old panes are gone.
    QTest::mouseClick(NavButton("nitEditButton"), Qt::LeftButton);
    QVERIFY(qobject_cast<CNITView*>(Frame()->ActiveView()) != nullptr);
    QVERIFY(!Action("actionRenumber")->isEnabled());
    QVERIFY(Action("actionEditEdit")->isEnabled());

    // Back in a fresh container the channel list is active again.
    QTest::mouseClick(NavButton("channelEditButton"), Qt::LeftButton);
    QCOMPARE(Frame()->ActiveView(), static_cast<QWidget*>(Container()->ChannelView()));
    QVERIFY(Action("actionRenumber")->isEnabled());
}

void MainFrameTest::usbCommandsRunTheTransferDialogs() {
    Start();
    ModalDialog::TakeRunCount();
    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionUsbDownload")));
    QCOMPARE(ModalDialog::TakeRunCount(), 1);
    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionUsbUpload")));
    QCOMPARE(ModalDialog::TakeRunCount(), 1);
}

void MainFrameTest::navigationBarLook() {
    Start();
    CMenuBar* bar = Frame()->NavigationBar();
    const QColor colour(222, 215, 206);
    QCOMPARE(bar->width(), 98);
    QVERIFY(bar->autoFillBackground());
    QCOMPARE(bar->palette().color(QPalette::Window), colour);
    const QList<QPair<const char*, QString>> buttons = {
        {"channelEdit", QStringLiteral("Channel Edit")},
        {"nitEdit", QStringLiteral("NIT Edit")},
        {"lnbEdit", QStringLiteral("LNB Edit")},
        {"setting", QStringLiteral("Setting")},
    };
    int lastBottom = 0;
    for (const auto& [stem, caption] : buttons) {
        auto* button = bar->findChild<QPushButton*>(QLatin1String(stem) + QStringLiteral("Button"));
        auto* label = bar->findChild<QLabel*>(QLatin1String(stem) + QStringLiteral("Label"));
        QVERIFY2(button != nullptr && label != nullptr, stem);
        QCOMPARE(label->text(), caption);
        QVERIFY(!button->icon().pixmap(48, 48).isNull());
        QCOMPARE(button->palette().color(QPalette::Button), colour);
        QCOMPARE(label->palette().color(QPalette::Window), colour);
        // Top to bottom, each caption below its button, all inside the bar.
        QVERIFY(button->y() > lastBottom);
        QVERIFY(label->y() >= button->geometry().bottom());
        QVERIFY(label->geometry().right() < bar->width());
        lastBottom = label->geometry().bottom();
    }
    // A new document runs the initial updates again; the pictures stay.
    const qint64 key = NavButton("settingButton")->icon().cacheKey();
    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionFileNew")));
    QCOMPARE(NavButton("settingButton")->icon().cacheKey(), key);
}

void MainFrameTest::navigationWithoutAFile() {
    Start();
    ModalDialog::TakeRunCount();
    QPointer<QWidget> container = Frame()->EditingView();

    // "LNB Edit" and "Setting" refuse; the editing area stays as it was.
    QTest::mouseClick(NavButton("lnbEditButton"), Qt::LeftButton);
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList({kNoDb}));
    QTest::mouseClick(NavButton("settingButton"), Qt::LeftButton);
    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionToolsSetting")));
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList({kNoDb, kNoDb}));
    QCOMPARE(ModalDialog::TakeRunCount(), 0);
    QCOMPARE(Frame()->EditingView(), container.data());

    // "NIT Edit" and "Channel Edit" switch without a check.
    QTest::mouseClick(NavButton("nitEditButton"), Qt::LeftButton);
    QVERIFY(qobject_cast<CNITView*>(Frame()->EditingView()) != nullptr);
    QVERIFY(container.isNull());
    QTest::mouseClick(NavButton("channelEditButton"), Qt::LeftButton);
    QVERIFY(Container() != nullptr);
    QCOMPARE(Container()->ChannelView()->List()->RowCount(), 0);
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList());
}

void MainFrameTest::navigationWithAFile() {
    Start(QStringLiteral("demo"));
    ModalDialog::TakeRunCount();
    QStringList dialogs;
    for (int i = 0; i < 2; ++i) {
        ModalDialog::QueueScript([&dialogs](QDialog& dlg) { dialogs << dlg.windowTitle(); });
    }

    QTest::mouseClick(NavButton("lnbEditButton"), Qt::LeftButton);
    QVERIFY(qobject_cast<CLNBView*>(Frame()->EditingView()) != nullptr);
    QTest::mouseClick(NavButton("nitEditButton"), Qt::LeftButton);
    QVERIFY(qobject_cast<CNITView*>(Frame()->EditingView()) != nullptr);
    QTest::mouseClick(NavButton("settingButton"), Qt::LeftButton);
    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionToolsSetting")));
    QCOMPARE(ModalDialog::TakeRunCount(), 2);
    QCOMPARE(dialogs, QStringList({QStringLiteral("Main Menu Setting"), QStringLiteral("Main Menu Setting")}));
    QVERIFY(qobject_cast<CNITView*>(Frame()->EditingView()) != nullptr);
    QTest::mouseClick(NavButton("channelEditButton"), Qt::LeftButton);
    QVERIFY(Container() != nullptr);
    QVERIFY(Container()->ChannelView()->List()->RowCount() > 0);
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList());
}

void MainFrameTest::keyboardReachesEveryViewAndPane_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("focus");
    QTest::newRow("start-up") << QStringList() << "splitterView"
                              << "channelList";
    QTest::newRow("NIT Edit") << QStringList{"Ctrl+2"} << "nitView"
                              << "satList";
    QTest::newRow("LNB Edit") << QStringList{"Ctrl+3"} << "lnbView"
                              << "lnbList";
    QTest::newRow("and back") << QStringList{"Ctrl+2", "Ctrl+1"} << "splitterView"
                              << "channelList";
    QTest::newRow("F6") << QStringList{"F6"} << "splitterView"
                        << "favList";
    QTest::newRow("F6 twice") << QStringList{"F6", "F6"} << "splitterView"
                              << "favGroupTree";
    QTest::newRow("F6 wraps") << QStringList{"F6", "F6", "F6"} << "splitterView"
                              << "channelList";
    QTest::newRow("Shift+F6") << QStringList{"Shift+F6"} << "splitterView"
                              << "favGroupTree";
    QTest::newRow("F6 in NIT Edit") << QStringList{"Ctrl+2", "F6"} << "nitView"
                                    << "tpList";
}

void MainFrameTest::keyboardReachesEveryViewAndPane() {
    QFETCH(QStringList, keys);
    QFETCH(QString, view);
    QFETCH(QString, focus);
    Start(QStringLiteral("demo"));
    for (const QString& key : keys) {
        QTest::keySequence(Frame(), QKeySequence(key));
    }
    QCOMPARE(Frame()->EditingView()->objectName(), view);
    QVERIFY(QApplication::focusWidget() != nullptr);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    // Down moves in the list at once: a current row is there without a click.
    auto* list = qobject_cast<QAbstractItemView*>(QApplication::focusWidget());
    QVERIFY(list != nullptr);
    QVERIFY(list->model()->rowCount() == 0 || list->currentIndex().isValid());
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList());
}

void MainFrameTest::emptyWindowSaysWhatToDo() {
    Start(QStringLiteral("demo"));
    const QString opened = Frame()->Document()->GetPathName();
    const auto hint = [this] { return Frame()->findChild<QLabel*>(QStringLiteral("emptyHintLabel")); };
    QVERIFY(hint() == nullptr || !hint()->isVisible());
    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionFileClose")));
    QVERIFY(hint() != nullptr && hint()->isVisible());
    QVERIFY(hint()->text().contains(QStringLiteral("File &gt; Open")));
    // With no DB, Save says so before any name is asked for.
    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionFileSave")));
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList({kNoDb}));
    QVERIFY(FileChooser::TakeAsked().isEmpty());
    // A recent file in the hint opens it.
    emit hint()->linkActivated(opened);
    QCOMPARE(Frame()->Document()->GetPathName(), opened);
    QVERIFY(!hint()->isVisible());
}

void MainFrameTest::changedLayoutIsTheSameAfterARestart() {
    Start(QStringLiteral("demo"));
    const auto header = [this] { return Container()->ChannelView()->List()->header(); };
    // Fitted to the texts: no caption and no value among the first rows is cut.
    const QFontMetrics metrics = header()->fontMetrics();
    QVERIFY(header()->sectionSize(7) > metrics.horizontalAdvance(QStringLiteral("SID")));
    header()->resizeSection(1, 333);
    header()->moveSection(2, 5);
    PopupMenu::QueueChoice(QStringLiteral("actionColumn10")); // the header's menu hides "PCR"
    emit header()->customContextMenuRequested(QPoint(5, 5));
    QVERIFY(header()->isSectionHidden(10));
    Container()->Splitter()->setSizes({700, 150, 300});
    const QList<int> sizes = Container()->Splitter()->sizes();
    emit header()->sectionClicked(3);
    emit header()->sectionClicked(3); // the second click sorts downwards
    const auto rowIds = [this] {
        QList<int32_t> ids;
        for (int row = 0; row < Container()->ChannelView()->List()->RowCount(); ++row) {
            ids << Container()->ChannelView()->List()->RowId(row);
        }
        return ids;
    };
    const QList<int32_t> sorted = rowIds();

    m_app.reset();
    Start(QStringLiteral("demo"));
    // The sort is applied again once the opened file's list is in (on a later event-loop turn).
    QTRY_COMPARE(Container()->ChannelView()->List()->SortMarkOf(3), SortMark::Down);
    QTRY_COMPARE(rowIds(), sorted);
    QCOMPARE(header()->sectionSize(1), 333);
    QCOMPARE(header()->visualIndex(2), 5);
    QVERIFY(header()->isSectionHidden(10));
    QCOMPARE(Container()->Splitter()->sizes(), sizes);

    // Reset Layout brings the first layout back.
    PopupMenu::QueueChoice(QStringLiteral("actionResetLayout"));
    emit header()->customContextMenuRequested(QPoint(5, 5));
    QTRY_VERIFY(!header()->isSectionHidden(10));
    QCOMPARE(header()->visualIndex(2), 2);
}

void MainFrameTest::switchingRebuildsAndReloads() {
    Start(QStringLiteral("demo"));
    QPointer<CSplitterView> before = Container();
    const int rows = before->ChannelView()->List()->RowCount();
    const auto views = [this] { return Frame()->findChildren<CSplitterView*>().size(); };

    // A channel deleted behind the list's back shows up only in a rebuilt container.
    const int32_t chId = before->ChannelView()->List()->RowId(0);
    QCOMPARE(CChannelDB().DeleteChannel(static_cast<uint16_t>(chId)), 0);
    QCOMPARE(before->ChannelView()->List()->RowCount(), rows);

    QTest::mouseClick(NavButton("channelEditButton"), Qt::LeftButton);
    QVERIFY(before.isNull());
    QCOMPARE(views(), 1);
    QCOMPARE(Container()->ChannelView()->List()->RowCount(), rows - 1);
    // The favourite panes are filled again too: the tree selects its first group.
    QVERIFY(RowsIn(Container()->FavListView()) > 0);
    QVERIFY(RowsIn(Container()->FavGrpView()) > 0);
    QVERIFY(Container()->isVisible());
    QCOMPARE(Container()->geometry(), Frame()->EditingView()->parentWidget()->rect());
}

void MainFrameTest::errorInLoadViewWithoutAView() {
    Start(QStringLiteral("demo"));
    delete Frame()->EditingView();
    QTest::mouseClick(NavButton("nitEditButton"), Qt::LeftButton);
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList({QStringLiteral("Error in load view")}));
    QCOMPARE(Frame()->EditingView(), nullptr);
    QVERIFY(Frame()->findChild<CNITView*>() == nullptr);
}

void MainFrameTest::channelContainerPanes() {
    Start(QStringLiteral("demo"));
    CSplitterView* container = Container();
    QSplitter* splitter = container->Splitter();
    QCOMPARE(splitter->count(), 3);
    QCOMPARE(splitter->widget(0), static_cast<QWidget*>(container->ChannelView()));
    QCOMPARE(splitter->widget(1), static_cast<QWidget*>(container->FavListView()));
    QCOMPARE(splitter->widget(2), static_cast<QWidget*>(container->FavGrpView()));
    const auto widths = [&] {
        return QList<int>{container->ChannelView()->width(), container->FavListView()->width()};
    };
    QTRY_COMPARE(widths(), QList<int>({650, 120})); // once the window's layout has run
    // The splitter's border lies just outside the container.
    QCOMPARE(splitter->geometry(), container->rect().adjusted(-2, -2, 2, 2));

    // A wider window widens only the channel list; the favourite panes cannot be
    // dragged away.
    const int treeWidth = container->FavGrpView()->width();
    Frame()->resize(Frame()->width() + 200, Frame()->height());
    QTRY_COMPARE(container->ChannelView()->width(), 850);
    QCOMPARE(container->FavGrpView()->width(), treeWidth);
    QCOMPARE(container->FavListView()->width(), 120);
    splitter->setSizes({2000, 0, 0});
    QVERIFY(container->FavListView()->width() >= CSplitterView::kFavPaneMinimumWidth);
    QVERIFY(container->FavGrpView()->width() >= CSplitterView::kFavPaneMinimumWidth);
    QCOMPARE(splitter->geometry(), container->rect().adjusted(-2, -2, 2, 2));
}

void MainFrameTest::closeEmptiesThePanes() {
    Start(QStringLiteral("demo"));
    const QList<QWidget*> panes = {Container()->ChannelView(), Container()->FavListView(), Container()->FavGrpView()};
    for (QWidget* pane : panes) {
        QVERIFY2(RowsIn(pane) > 0, qPrintable(pane->objectName()));
    }
    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionFileClose")));
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList());
    QVERIFY(g_db == nullptr);
    for (QWidget* pane : panes) {
        QCOMPARE(RowsIn(pane), 0);
    }
    QVERIFY(Frame()->windowTitle().endsWith(QStringLiteral(" - No Title")));
    QVERIFY(m_app->Document()->GetPathName().isEmpty());
    QVERIFY(m_app->Document()->WorkPath().isEmpty());

    QTest::mouseClick(NavButton("lnbEditButton"), Qt::LeftButton);
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList({kNoDb}));
    QVERIFY(Container() != nullptr);

    // The satellite view closes the same way.
    QVERIFY(m_app->Document()->OpenDocumentFile(m_folder->Path(QStringLiteral("db.dat"))));
    QTest::mouseClick(NavButton("nitEditButton"), Qt::LeftButton);
    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionFileClose")));
    QVERIFY(g_db == nullptr);
    QVERIFY(Frame()->windowTitle().endsWith(QStringLiteral(" - No Title")));
}

void MainFrameTest::closeAsksAboutUnsavedChanges() {
    Start(QStringLiteral("demo"));
    const QString path = m_folder->Path(QStringLiteral("db.dat"));
    const int rows = Container()->ChannelView()->List()->RowCount();
    CRecordListCtrl* list = Container()->ChannelView()->List();
    QCOMPARE(CChannelDB().DeleteChannel(static_cast<uint16_t>(list->RowId(0))), 0);
    g_dbModified = 1;

    // Regression: Close closed the database before the save prompt, which then asked
    // nothing and dropped the unsaved edits.
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionFileClose")));
    QCOMPARE(MessageBox::TakeShownTexts(),
             QStringList({QStringLiteral("Do you want to save the changed DB contents?")}));
    QCOMPARE(g_dbModified, 0);
    QVERIFY(m_app->Document()->OpenDocumentFile(path));
    QCOMPARE(Container()->ChannelView()->List()->RowCount(), rows - 1);

    // No leaves the file as it was saved last.
    QCOMPARE(CChannelDB().DeleteChannel(static_cast<uint16_t>(Container()->ChannelView()->List()->RowId(0))), 0);
    g_dbModified = 1;
    MessageBox::QueueAnswer(MessageBox::Answer::No);
    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionFileClose")));
    QCOMPARE(MessageBox::TakeShownTexts().size(), 1);
    QVERIFY(m_app->Document()->OpenDocumentFile(path));
    QCOMPARE(Container()->ChannelView()->List()->RowCount(), rows - 1);
}

void MainFrameTest::uploadShowsTheChannelContainer() {
    Start();
    QTest::mouseClick(NavButton("nitEditButton"), Qt::LeftButton);
    QVERIFY(Container() == nullptr);
    emit m_app->Document()->channelContainerWanted();
    QVERIFY(Container() != nullptr);
}

void MainFrameTest::lnbEditsNotSavedAreAskedAbout_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");
    for (const char* command : {"switch", "close", "new", "open", "exit"}) {
        for (const auto answer : {MessageBox::Answer::Yes, MessageBox::Answer::No, MessageBox::Answer::Cancel}) {
            const QString name = QStringLiteral("%1 %2").arg(QLatin1String(command)).arg(int(answer));
            QTest::newRow(name.toLatin1().constData()) << QString::fromLatin1(command) << int(answer);
        }
    }
}

void MainFrameTest::lnbEditsNotSavedAreAskedAbout() {
    QFETCH(QString, command);
    QFETCH(int, answer);
    Start(QStringLiteral("demo"));
    const QString path = m_folder->Path(QStringLiteral("db.dat"));
    QTest::mouseClick(NavButton("lnbEditButton"), Qt::LeftButton);
    auto* lnb = qobject_cast<CLNBView*>(Frame()->EditingView());
    QVERIFY(lnb != nullptr);
    // The page has no Add command, in the Edit menu as in its popup.
    QVERIFY(!Action("actionEditAdd")->isEnabled());
    QVERIFY(Action("actionEditEdit")->isEnabled());
    auto* switchType = lnb->findChild<QLineEdit*>(QStringLiteral("switchTypeEdit"));
    switchType->selectAll();
    QTest::keyClicks(switchType, QStringLiteral("1"));

    MessageBox::QueueAnswer(MessageBox::Answer(answer));
    MessageBox::QueueAnswer(MessageBox::Answer::Yes); // the file's own save prompt, after a Yes
    FileChooser::QueueFileName(path);
    if (command == QLatin1String("switch")) {
        QTest::mouseClick(NavButton("channelEditButton"), Qt::LeftButton);
    } else if (command == QLatin1String("exit")) {
        Frame()->close();
    } else {
        const QString name = command == QLatin1String("close") ? QStringLiteral("actionFileClose")
                             : command == QLatin1String("new") ? QStringLiteral("actionFileNew")
                                                               : QStringLiteral("actionFileOpen");
        QVERIFY(testsupport::TriggerAction(Frame(), name));
    }
    const QList<MessageBox::Shown> shown = MessageBox::TakeShown();
    QVERIFY(!shown.isEmpty());
    QCOMPARE(shown[0].text, QString::fromLatin1(PendingEdits::kQuestion));
    QCOMPARE(shown[0].buttons, MessageBox::Buttons::YesNoCancel);
    if (MessageBox::Answer(answer) == MessageBox::Answer::Cancel) {
        // Nothing happened: the page, its edits and the file are as they were.
        QCOMPARE(Frame()->EditingView(), static_cast<QWidget*>(lnb));
        QVERIFY(g_db != nullptr && Frame()->isVisible());
        QCOMPARE(lnb->List()->RowCount(), 1);
        QVERIFY(lnb->HasPendingEdits());
    }
    const bool saved = MessageBox::Answer(answer) == MessageBox::Answer::Yes;
    // The working copy holds what the page stored.
    sqlite3* copy = nullptr;
    QCOMPARE(sqlite3_open_v2(QFile::encodeName(path + QStringLiteral(".bak")).constData(), &copy, SQLITE_OPEN_READONLY,
                             nullptr),
             SQLITE_OK);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(copy, "SELECT count(*) FROM LNBInfo WHERE Tuner_ID = 0", -1, &stmt, nullptr);
    QCOMPARE(sqlite3_step(stmt), SQLITE_ROW);
    const int rows = sqlite3_column_int(stmt, 0);
    sqlite3_finalize(stmt);
    sqlite3_close(copy);
    QCOMPARE(rows, saved ? 1 : 5);
}

void MainFrameTest::navigationBarKeepsItsWidth() {
    Start(QStringLiteral("demo"));
    CMenuBar* bar = Frame()->NavigationBar();
    QWidget* area = Frame()->EditingView()->parentWidget();
    for (const int width : {1600, 900, 1300}) {
        Frame()->resize(width, 700);
        QTRY_COMPARE(Frame()->centralWidget()->width(), width);
        QCOMPARE(bar->width(), 98);
        QCOMPARE(bar->x(), 0);
        // The editing area takes the rest, less the fixed divider.
        QVERIFY(area->x() >= 98);
        QCOMPARE(area->geometry().right(), Frame()->centralWidget()->width() - 1);
    }
}

// Leaves pictures of the window on the demo database in the build folder, for anyone
// to look at and for the README's first steps: <build>/screenshots/<page>.png.
void MainFrameTest::screenshotWithTheDemoDatabase_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("channel-list") << QStringLiteral("channelEditButton");
    QTest::newRow("lnb-page") << QStringLiteral("lnbEditButton");
}

void MainFrameTest::screenshotWithTheDemoDatabase() {
    QFETCH(QString, button);
    Start(QStringLiteral("demo"));
    Frame()->resize(1280, 800);
    QTRY_COMPARE(Frame()->centralWidget()->width(), 1280);
    QTest::mouseClick(NavButton(button.toLatin1().constData()), Qt::LeftButton);
    QVERIFY(QDir().mkpath(QStringLiteral(ORVANE_SCREENSHOT_DIR)));
    const QString path = QStringLiteral(ORVANE_SCREENSHOT_DIR "/%1.png").arg(QLatin1String(QTest::currentDataTag()));
    QVERIFY(Frame()->grab().save(path));
    const QImage image(path);
    QCOMPARE(image.size(), Frame()->size());
    // The window was painted, not left blank: the navigation bar shows its colour.
    CMenuBar* bar = Frame()->NavigationBar();
    QCOMPARE(image.pixelColor(bar->mapTo(Frame(), QPoint(2, bar->height() - 4))), QColor(222, 215, 206));
}

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
