// The Select NIT dialog: its two lists, the in-out pair following every click, and
// OK refused without a TP.
#include "channels/SelectNitDlg.h"
#include "ChannelFixture.h"
#include "DialogDriver.h"
#include "TestSupport.h"
#include "db/ChannelDB.h"

#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <memory>

using channeltest::driver::ClickLine;

namespace {

QStringList LineTexts(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        texts << list->item(row)->text();
    }
    return texts;
}

int CurrentValue(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    return item != nullptr && item->isSelected() ? item->data(Qt::UserRole).toInt() : -1;
}

} // namespace

class SelectNitDlgTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::ResetEnvironment(); }
    void init();
    void cleanup() { testsupport::CloseDbDirect(); }

    void listsSatellitesAndTheirTransponders();
    void tpNotOnTheSatelliteBecomesNone_data();
    void tpNotOnTheSatelliteBecomesNone();
    void choosingAnotherSatelliteClearsTheTp();
    void cancelKeepsTheClicks();

private:
    // Shows the dialog on the pair (m_satId, m_nitId).
    void Open();
    QListWidget* List(const char* name) { return m_dlg->findChild<QListWidget*>(QLatin1String(name)); }
    void Click(const char* button) {
        QTest::mouseClick(m_dlg->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }

    std::unique_ptr<testsupport::FixtureFolder> m_folder;
    std::unique_ptr<CSelectNitDlg> m_dlg;
    int32_t m_satId = -1;
    int32_t m_nitId = -1;
};

void SelectNitDlgTest::init() {
    testsupport::ResetEnvironment();
    m_folder = std::make_unique<testsupport::FixtureFolder>();
    const QString path = m_folder->Path(QStringLiteral("nit.dat"));
    channeltest::WriteChannelFixture(path);
    QVERIFY(testsupport::OpenDbDirect(path));
}

void SelectNitDlgTest::Open() {
    m_dlg = std::make_unique<CSelectNitDlg>(m_satId, m_nitId);
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dlg.get()));
}

void SelectNitDlgTest::listsSatellitesAndTheirTransponders() {
    m_satId = 1;
    m_nitId = 5;
    Open();
    QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Select NIT"));
    QCOMPARE(LineTexts(List("satelliteList")),
             QStringList({QStringLiteral("Hotbird 13E"), QStringLiteral("Astra 19.2E"), QStringLiteral("Thor 1W"),
                          QStringLiteral("Empty Sat")}));
    QCOMPARE(CurrentValue(List("satelliteList")), 1);
    // MHz by integer division: 12187500 kHz shows 12187.
    QCOMPARE(LineTexts(List("tpList")),
             QStringList({QStringLiteral("11778 / 27500 / H"), QStringLiteral("12187 / 27500 / V")}));
    QCOMPARE(CurrentValue(List("tpList")), 5);
    QCOMPARE(m_nitId, 5);

    ClickLine(List("tpList"), 6);
    QCOMPARE(m_nitId, 6);
    Click("okButton");
    QCOMPARE(m_dlg->result(), int(QDialog::Accepted));
    QCOMPARE(m_satId, 1);
    QCOMPARE(m_nitId, 6);
    QVERIFY(MessageBox::TakeShown().isEmpty());
}

void SelectNitDlgTest::tpNotOnTheSatelliteBecomesNone_data() {
    QTest::addColumn<int>("satId");
    QTest::addColumn<int>("nitId");
    QTest::addColumn<int>("tpLines");
    QTest::newRow("TP of another satellite") << 1 << 17 << 2;
    QTest::newRow("new channel") << -1 << -1 << 0;
    QTest::newRow("satellite without TP") << 4 << 5 << 0;
}

void SelectNitDlgTest::tpNotOnTheSatelliteBecomesNone() {
    QFETCH(int, satId);
    QFETCH(int, nitId);
    QFETCH(int, tpLines);
    m_satId = satId;
    m_nitId = nitId;
    Open();
    QCOMPARE(m_nitId, -1);
    QCOMPARE(m_satId, satId);
    QCOMPARE(List("tpList")->count(), tpLines);
    QCOMPARE(CurrentValue(List("tpList")), -1);
    QCOMPARE(CurrentValue(List("satelliteList")), satId);
}

void SelectNitDlgTest::choosingAnotherSatelliteClearsTheTp() {
    m_satId = 1;
    m_nitId = 5;
    Open();
    ClickLine(List("satelliteList"), 3);
    QCOMPARE(m_satId, 3);
    QCOMPARE(m_nitId, -1);
    QCOMPARE(LineTexts(List("tpList")),
             QStringList({QStringLiteral("11766 / 27500 / H"), QStringLiteral("10992 / 29900 / V")}));

    Click("okButton");
    const auto shown = MessageBox::TakeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, QStringLiteral("Select TP Information in the list."));
    QCOMPARE(shown[0].caption, QStringLiteral("Melvex400 Orvane 1.0"));
    QCOMPARE(shown[0].buttons, MessageBox::Buttons::Ok);
    QCOMPARE(shown[0].icon, MessageBox::Icon::Exclamation);
    QVERIFY(m_dlg->isVisible());

    // Back on the first satellite its TP is not chosen again by itself.
    ClickLine(List("satelliteList"), 1);
    QCOMPARE(m_nitId, -1);
    // The keyboard moves through the lines as the mouse does.
    List("satelliteList")->setFocus();
    QTest::keyClick(List("satelliteList"), Qt::Key_Up);
    QCOMPARE(m_satId, 3);
    ClickLine(List("tpList"), 18);
    Click("okButton");
    QCOMPARE(m_dlg->result(), int(QDialog::Accepted));
    QCOMPARE(m_satId, 3);
    QCOMPARE(m_nitId, 18);
}

void SelectNitDlgTest::cancelKeepsTheClicks() {
    m_satId = 1;
    m_nitId = 5;
    Open();
    ClickLine(List("satelliteList"), 2);
    Click("cancelButton");
    QCOMPARE(m_dlg->result(), int(QDialog::Rejected));
    QVERIFY(!m_dlg->isVisible());
    QCOMPARE(m_satId, 2);
    QCOMPARE(m_nitId, -1);
    QVERIFY(MessageBox::TakeShown().isEmpty());
}

QTEST_MAIN(SelectNitDlgTest)
#include "SelectNitDlgTest.moc"
