// The Edit Channel dialog driven through its widgets: what it shows, what it stores,
// the required fields and limits, provider find-or-create, renames reaching the
// favourites, and failed stores that keep the dialog open with nothing changed.
#include "channels/EditChannelDlg.h"
#include "ChannelFixture.h"
#include "DialogDriver.h"
#include "TestSupport.h"
#include "channels/SelectNitDlg.h"
#include "db/ChannelDB.h"
#include "seams/ModalDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QtTest>

#include <tuple>

#include <functional>
#include <memory>

using channeltest::Exec;
using channeltest::QueryInt;
using channeltest::QueryText;
using namespace channeltest::driver;

namespace {

const QString kEnterAll = QStringLiteral("Enter the data in all fields!");
const QString kNoFreeId = QStringLiteral("No channel number below 20000 is free.\nThe channel is not added.");
const QString kProviderFailed =
    QStringLiteral("The provider could not be stored in the DB.\nNothing has been changed.");
const QString kChannelFailed = QStringLiteral("The channel could not be stored in the DB.\nNothing has been changed.");

ChannelRecord Stored(int chId) {
    ChannelRecord record{};
    CChannelDB().GetChannelInfo(static_cast<int16_t>(chId), record);
    return record;
}

int ProviderRows(const QString& name) {
    char* sql = sqlite3_mprintf("SELECT count(*) FROM SDTInfo WHERE provider_name = '%q'", name.toUtf8().constData());
    const int count = QueryInt(QString::fromUtf8(sql));
    sqlite3_free(sql);
    return count;
}

int ChannelRows() {
    return QueryInt(QStringLiteral("SELECT count(*) FROM ChannelInfo"));
}

} // namespace

class EditChannelDlgTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::ResetEnvironment(); }
    void init();
    void cleanup() { testsupport::CloseDbDirect(); }

    void requiredFields_data();
    void requiredFields();
    void newChannelStoredAsTyped();
    void providerFoundOrCreated();
    void existingChannelShownAndStored();
    void flagsAndNumbersStoredByTheirRules();
    void renameReachesEveryFavouriteGroup();
    void inputLimits();
    void cancelledNitInfoKeepsTheChannelsTp();
    void mnemonicsReachTheFields();
    void noFreeChannelIdKeepsDialogOpen();
    void failedChannelInsertKeepsDialogOpen();
    void failedProviderInsertKeepsDialogOpen();
    void failedUpdateChangesNothing_data();
    void failedUpdateChangesNothing();
    void missingChannelIsNotReportedStored();
    void longNonAsciiNamesCutOnCharacterBoundary();

private:
    std::unique_ptr<CEditChannelDlg> Open(int chId);

    std::unique_ptr<testsupport::FixtureFolder> m_folder;
};

void EditChannelDlgTest::init() {
    testsupport::ResetEnvironment();
    m_folder = std::make_unique<testsupport::FixtureFolder>();
    const QString path = m_folder->Path(QStringLiteral("channels.dat"));
    channeltest::WriteChannelFixture(path);
    QVERIFY(testsupport::OpenDbDirect(path));
}

std::unique_ptr<CEditChannelDlg> EditChannelDlgTest::Open(int chId) {
    auto dlg = std::make_unique<CEditChannelDlg>(chId);
    dlg->show();
    if (!QTest::qWaitForWindowExposed(dlg.get())) {
        qWarning("dialog not exposed");
    }
    return dlg;
}

void EditChannelDlgTest::requiredFields_data() {
    QTest::addColumn<int>("chId");
    QTest::addColumn<QString>("emptied");
    for (const char* field :
         {"chNameEdit", "serviceIdEdit", "providerEdit", "videoPidEdit", "audioPidEdit", "pcrPidEdit", "pmtPidEdit"}) {
        QTest::newRow(field) << 1 << QString::fromLatin1(field);
    }
    // The satellite name is only ever filled by a chosen TP.
    QTest::newRow("new channel before NIT Info") << -1 << QString();
}

void EditChannelDlgTest::requiredFields() {
    QFETCH(int, chId);
    QFETCH(QString, emptied);
    auto dlg = Open(chId);
    if (chId == -1) {
        FillNewChannel(dlg.get(), QStringLiteral("New One"), QStringLiteral("Canal+"));
    } else {
        Edit(dlg.get(), emptied.toLatin1().constData())->clear();
    }
    const int channels = ChannelRows();
    const QString name = QueryText(QStringLiteral("SELECT name FROM ChannelInfo WHERE ch_id = 1"));
    Click(dlg.get(), "okButton");

    const auto shown = MessageBox::TakeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, kEnterAll);
    QCOMPARE(shown[0].caption, QStringLiteral("Melvex400 Orvane 1.0"));
    QCOMPARE(shown[0].buttons, MessageBox::Buttons::Ok);
    QCOMPARE(shown[0].icon, MessageBox::Icon::Exclamation);
    QVERIFY(dlg->isVisible());
    QCOMPARE(dlg->result(), 0);
    QCOMPARE(ChannelRows(), channels);
    QCOMPARE(QueryText(QStringLiteral("SELECT name FROM ChannelInfo WHERE ch_id = 1")), name);
}

void EditChannelDlgTest::newChannelStoredAsTyped() {
    // Run as the channel list runs it: through the modal-dialog seam.
    CEditChannelDlg dlg(-1);
    bool typed = false;
    ModalDialog::QueueScript([&](QDialog&) {
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Edit Channel"));
        QVERIFY(Child<QRadioButton>(&dlg, "tvRadioButton")->isChecked());
        QVERIFY(Edit(&dlg, "chNoEdit")->text().isEmpty());
        FillNewChannel(&dlg, QStringLiteral("Klassik Radio"), QStringLiteral("Canal+"));
        ChooseTp(&dlg, 3, 17);
        QCOMPARE(Edit(&dlg, "satNameEdit")->text(), QStringLiteral("Hotbird 13E"));
        // Nothing typed before "NIT Info" is lost.
        QCOMPARE(Edit(&dlg, "chNameEdit")->text(), QStringLiteral("Klassik Radio"));
        Click(&dlg, "radioRadioButton");
        typed = true;
        Click(&dlg, "okButton");
    });
    QCOMPARE(ModalDialog::Exec(dlg), int(QDialog::Accepted));
    QVERIFY(typed);
    QVERIFY(MessageBox::TakeShown().isEmpty());

    // Channel 20003 belongs to the receiver and does not count.
    QCOMPARE(dlg.ChannelId(), 8);
    const ChannelRecord stored = Stored(8);
    QCOMPARE(stored.ch_id, 8);
    QCOMPARE(stored.ch_order, 8);
    QCOMPARE(QString::fromUtf8(stored.name), QStringLiteral("Klassik Radio"));
    QCOMPARE(stored.sat_id, 3);
    QCOMPARE(stored.nit_id, 17);
    QCOMPARE(stored.pg_id, 6940);
    QCOMPARE(stored.video_pid, 101);
    QCOMPARE(stored.audio_pid, 102);
    QCOMPARE(stored.pcr_pid, 101);
    QCOMPARE(stored.pmt_pid, 100);
    QCOMPARE(stored.media_mode, 1);
    QCOMPARE(stored.cas_type, 0);
    QCOMPARE(stored.lock, 0);
    QCOMPARE(stored.hide, 0);
    QCOMPARE(stored.sdt_id, 1);
    for (int hidden : {stored.ch_seq, stored.pch_id, int(stored.tuner_id), int(stored.audio_mode), stored.day}) {
        QCOMPARE(hidden, 0);
    }
    QCOMPARE(ProviderRows(QStringLiteral("Canal+")), 1);
    QCOMPARE(dlg.Channel().ch_id, 8);
    QCOMPARE(dlg.Channel().sdt_id, 1);
}

void EditChannelDlgTest::providerFoundOrCreated() {
    const QString sky = QStringLiteral("Sky's Best");
    int firstSdt = 0;
    for (const QString& name : {QStringLiteral("First"), QStringLiteral("Second")}) {
        auto dlg = Open(-1);
        FillNewChannel(dlg.get(), name, sky);
        ChooseTp(dlg.get(), 1, 6);
        Click(dlg.get(), "okButton");
        QCOMPARE(dlg->result(), int(QDialog::Accepted));
        const int sdtId = Stored(dlg->ChannelId()).sdt_id;
        if (firstSdt == 0) {
            firstSdt = sdtId;
        }
        QCOMPARE(sdtId, firstSdt);
    }
    QCOMPARE(firstSdt, 3);
    QCOMPARE(ProviderRows(sky), 1);
    QCOMPARE(QueryText(QStringLiteral("SELECT provider_name FROM SDTInfo WHERE SDT_ID = 3")), sky);

    // The match is exact: another case is another provider.
    auto dlg = Open(1);
    Type(dlg.get(), "providerEdit", QStringLiteral("bbc"));
    Click(dlg.get(), "okButton");
    QCOMPARE(Stored(1).sdt_id, 4);
    QCOMPARE(ProviderRows(QStringLiteral("BBC")), 1);
    QCOMPARE(ProviderRows(QStringLiteral("bbc")), 1);

    // A reopened channel shows its provider's name.
    auto again = Open(dlg->ChannelId());
    QCOMPARE(Edit(again.get(), "providerEdit")->text(), QStringLiteral("bbc"));
}

void EditChannelDlgTest::existingChannelShownAndStored() {
    auto dlg = Open(1);
    QCOMPARE(Edit(dlg.get(), "satNameEdit")->text(), QStringLiteral("Astra 19.2E"));
    QCOMPARE(Edit(dlg.get(), "chNameEdit")->text(), QStringLiteral("Das Erste"));
    QCOMPARE(Edit(dlg.get(), "chNoEdit")->text(), QStringLiteral("1"));
    QCOMPARE(Edit(dlg.get(), "serviceIdEdit")->text(), QStringLiteral("28106"));
    QCOMPARE(Edit(dlg.get(), "providerEdit")->text(), QStringLiteral("BBC"));
    QVERIFY(!Edit(dlg.get(), "satNameEdit")->isEnabled());
    QVERIFY(!Edit(dlg.get(), "chNoEdit")->isEnabled());
    QVERIFY(Child<QRadioButton>(dlg.get(), "tvRadioButton")->isChecked());
    QVERIFY(!Child<QCheckBox>(dlg.get(), "scrambledCheckBox")->isChecked());
    const ChannelRecord before = Stored(1);
    QCOMPARE(Edit(dlg.get(), "videoPidEdit")->text(), QString::number(before.video_pid));
    QCOMPARE(Edit(dlg.get(), "pmtPidEdit")->text(), QString::number(before.pmt_pid));

    Type(dlg.get(), "serviceIdEdit", QStringLiteral("28107"));
    Click(dlg.get(), "scrambledCheckBox");
    Click(dlg.get(), "lockedCheckBox");
    ChooseTp(dlg.get(), 3, 18);
    Click(dlg.get(), "okButton");
    QCOMPARE(dlg->result(), int(QDialog::Accepted));
    QCOMPARE(dlg->ChannelId(), 1);

    const ChannelRecord after = Stored(1);
    QCOMPARE(after.pg_id, 28107);
    QCOMPARE(after.cas_type, 65535);
    QCOMPARE(after.lock, 1);
    QCOMPARE(after.hide, 0);
    QCOMPARE(after.sat_id, 3);
    QCOMPARE(after.nit_id, 18);
    QCOMPARE(after.sdt_id, 2);
    QCOMPARE(after.ch_order, 1);
    QCOMPARE(after.ch_seq, 11);
    QCOMPARE(after.pch_id, 4);
    QCOMPARE(after.tuner_id, 1);
    QCOMPARE(after.audio_mode, 2);
    QCOMPARE(after.day, 9);
    QCOMPARE(dlg->Channel().pg_id, 28107);
    QCOMPARE(ChannelRows(), 5);
}

void EditChannelDlgTest::flagsAndNumbersStoredByTheirRules() {
    // Channel 2: cas_type 2 and media_mode 2, a value the dialog has no button for.
    auto dlg = Open(2);
    QVERIFY(Child<QCheckBox>(dlg.get(), "scrambledCheckBox")->isChecked());
    QVERIFY(!Child<QRadioButton>(dlg.get(), "tvRadioButton")->isChecked());
    QVERIFY(!Child<QRadioButton>(dlg.get(), "radioRadioButton")->isChecked());
    // A typed PID must be a number of 13 bits; the box names the field and the range.
    const QList<std::tuple<const char*, QString, QString>> refused = {
        {"videoPidEdit", "abc", "V-Pid must be a whole number from 0 to 8191."},
        {"videoPidEdit", "8192", "V-Pid must be a whole number from 0 to 8191."},
        {"serviceIdEdit", "65536", "Service ID must be a whole number from 0 to 65535."},
        {"pmtPidEdit", " -12x", "PMT-Pid must be a whole number from 0 to 8191."},
    };
    for (const auto& [field, typed, message] : refused) {
        const QString before = Child<QLineEdit>(dlg.get(), field)->text();
        Type(dlg.get(), field, typed);
        Click(dlg.get(), "okButton");
        QCOMPARE(MessageBox::TakeShownTexts(), QStringList{message});
        QCOMPARE(dlg->result(), int(QDialog::Rejected));
        Type(dlg.get(), field, before);
    }
    Type(dlg.get(), "videoPidEdit", QStringLiteral("8191"));
    Click(dlg.get(), "okButton");
    QCOMPARE(dlg->result(), int(QDialog::Accepted));
    const ChannelRecord stored = Stored(2);
    QCOMPARE(stored.cas_type, 65535);
    QCOMPARE(stored.media_mode, -1);
    QCOMPARE(stored.video_pid, 8191);

    // A stored PID no field could take opens, shows and goes back as it was.
    QVERIFY(Exec(QStringLiteral("UPDATE ChannelInfo SET audio_pid = 9000 WHERE ch_id = 3")));

    // Channel 3: radio, locked, hidden; clearing the boxes stores 0.
    auto radio = Open(3);
    QVERIFY(Child<QRadioButton>(radio.get(), "radioRadioButton")->isChecked());
    QVERIFY(Child<QCheckBox>(radio.get(), "lockedCheckBox")->isChecked());
    QVERIFY(Child<QCheckBox>(radio.get(), "hideCheckBox")->isChecked());
    Click(radio.get(), "lockedCheckBox");
    Click(radio.get(), "hideCheckBox");
    Click(radio.get(), "tvRadioButton");
    Click(radio.get(), "okButton");
    const ChannelRecord cleared = Stored(3);
    QCOMPARE(cleared.lock, 0);
    QCOMPARE(cleared.hide, 0);
    QCOMPARE(cleared.media_mode, 0);
    QCOMPARE(cleared.audio_pid, 9000);
}

void EditChannelDlgTest::renameReachesEveryFavouriteGroup() {
    auto dlg = Open(1);
    Type(dlg.get(), "chNameEdit", QStringLiteral("Erste HD"));
    Click(dlg.get(), "okButton");
    QCOMPARE(dlg->result(), int(QDialog::Accepted));
    QCOMPARE(QString::fromUtf8(Stored(1).name), QStringLiteral("Erste HD"));
    QCOMPARE(QueryInt(QStringLiteral("SELECT count(*) FROM FAVListInfo WHERE ch_id = 1 AND Name = 'Erste HD'")), 2);
    QCOMPARE(QueryText(QStringLiteral("SELECT Name FROM FAVListInfo WHERE ch_id = 2")), QStringLiteral("ZDF"));

    // Without a rename the entries are left alone.
    QVERIFY(Exec(QStringLiteral("UPDATE FAVListInfo SET Name = 'Own Label' WHERE favlist_id = 2")));
    auto again = Open(1);
    Type(again.get(), "serviceIdEdit", QStringLiteral("77"));
    Click(again.get(), "okButton");
    QCOMPARE(again->result(), int(QDialog::Accepted));
    QCOMPARE(QueryText(QStringLiteral("SELECT Name FROM FAVListInfo WHERE favlist_id = 2")),
             QStringLiteral("Own Label"));
}

void EditChannelDlgTest::inputLimits() {
    auto dlg = Open(-1);
    Type(dlg.get(), "chNameEdit", QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
    Type(dlg.get(), "serviceIdEdit", QStringLiteral("123456789012"));
    Type(dlg.get(), "providerEdit", QStringLiteral("P").repeated(40));
    Type(dlg.get(), "videoPidEdit", QStringLiteral("1").repeated(40));
    QCOMPARE(Edit(dlg.get(), "chNameEdit")->text(), QStringLiteral("ABCDEFGHIJKLMNO"));
    QCOMPARE(Edit(dlg.get(), "serviceIdEdit")->text(), QStringLiteral("1234567890"));
    QCOMPARE(Edit(dlg.get(), "providerEdit")->text(), QStringLiteral("P").repeated(30));
    QCOMPARE(Edit(dlg.get(), "videoPidEdit")->text().size(), 40);
    QCOMPARE(Edit(dlg.get(), "satNameEdit")->maxLength(), 15);

    Type(dlg.get(), "videoPidEdit", QStringLiteral("101"));
    Type(dlg.get(), "audioPidEdit", QStringLiteral("102"));
    Type(dlg.get(), "pcrPidEdit", QStringLiteral("101"));
    Type(dlg.get(), "pmtPidEdit", QStringLiteral("100"));
    ChooseTp(dlg.get(), 2, 9);
    // Ten digits are more than a service id holds: refused, not cut.
    Click(dlg.get(), "okButton");
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{"Service ID must be a whole number from 0 to 65535."});
    Type(dlg.get(), "serviceIdEdit", QStringLiteral("65535"));
    Click(dlg.get(), "okButton");
    QCOMPARE(dlg->result(), int(QDialog::Accepted));
    const ChannelRecord stored = Stored(dlg->ChannelId());
    QCOMPARE(QString::fromUtf8(stored.name), QStringLiteral("ABCDEFGHIJKLMNO"));
    QCOMPARE(stored.pg_id, 65535);
    QCOMPARE(ProviderRows(QStringLiteral("P").repeated(30)), 1);
}

void EditChannelDlgTest::cancelledNitInfoKeepsTheChannelsTp() {
    auto dlg = Open(1);
    RunSelectNit(dlg.get(), [](CSelectNitDlg* nit) {
        ClickLine(Child<QListWidget>(nit, "satelliteList"), 3);
        Click(nit, "cancelButton");
    });
    QCOMPARE(Edit(dlg.get(), "satNameEdit")->text(), QStringLiteral("Astra 19.2E"));
    // The next opening starts from the satellite last clicked.
    RunSelectNit(dlg.get(), [](CSelectNitDlg* nit) {
        auto* sats = Child<QListWidget>(nit, "satelliteList");
        QCOMPARE(sats->currentItem()->data(Qt::UserRole).toInt(), 3);
        QCOMPARE(Child<QListWidget>(nit, "tpList")->currentItem(), nullptr);
        Click(nit, "cancelButton");
    });
    Click(dlg.get(), "okButton");
    QCOMPARE(dlg->result(), int(QDialog::Accepted));
    QCOMPARE(Stored(1).sat_id, 1);
    QCOMPARE(Stored(1).nit_id, 5);
}

void EditChannelDlgTest::mnemonicsReachTheFields() {
    auto dlg = Open(1);
    dlg->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
    QCOMPARE(QApplication::focusWidget(), Edit(dlg.get(), "chNameEdit"));
    QTest::keyClick(dlg.get(), Qt::Key_D, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), Edit(dlg.get(), "serviceIdEdit"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Edit(dlg.get(), "providerEdit"));
    // A button's mnemonic clicks it after a short animation.
    QTest::keyClick(dlg.get(), Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(Child<QCheckBox>(dlg.get(), "scrambledCheckBox")->isChecked());
    // Enter in a field is OK.
    QTest::keyClick(Edit(dlg.get(), "chNameEdit"), Qt::Key_Return);
    QCOMPARE(dlg->result(), int(QDialog::Accepted));
    QCOMPARE(Stored(1).cas_type, 65535);
}

void EditChannelDlgTest::noFreeChannelIdKeepsDialogOpen() {
    // Fault guarded: with 19999 in use the next id is 20000, a channel the list never shows.
    QVERIFY(Exec(QStringLiteral("UPDATE ChannelInfo SET ch_id = 19999 WHERE ch_id = 7")));
    auto dlg = Open(-1);
    FillNewChannel(dlg.get(), QStringLiteral("One Too Many"), QStringLiteral("Fresh Provider"));
    ChooseTp(dlg.get(), 3, 17);
    const int channels = ChannelRows();
    Click(dlg.get(), "okButton");
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{kNoFreeId});
    QVERIFY(dlg->isVisible());
    QCOMPARE(dlg->ChannelId(), -1);
    QCOMPARE(ChannelRows(), channels);
    QCOMPARE(QueryInt(QStringLiteral("SELECT count(*) FROM ChannelInfo WHERE ch_id = 20000")), 0);
    QCOMPARE(ProviderRows(QStringLiteral("Fresh Provider")), 0);
}

void EditChannelDlgTest::failedChannelInsertKeepsDialogOpen() {
    // Fault guarded: a refused insert used to end with OK and leave an orphan provider.
    QVERIFY(Exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON ChannelInfo "
                                "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    auto dlg = Open(-1);
    FillNewChannel(dlg.get(), QStringLiteral("Refused"), QStringLiteral("Fresh Provider"));
    ChooseTp(dlg.get(), 3, 17);
    const int channels = ChannelRows();
    Click(dlg.get(), "okButton");
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{kChannelFailed});
    QVERIFY(dlg->isVisible());
    QCOMPARE(dlg->ChannelId(), -1);
    QCOMPARE(ChannelRows(), channels);
    QCOMPARE(ProviderRows(QStringLiteral("Fresh Provider")), 0);

    // Once the file takes it again, the same OK stores the channel and its provider once.
    QVERIFY(Exec(QStringLiteral("DROP TRIGGER refuse")));
    Click(dlg.get(), "okButton");
    QCOMPARE(dlg->result(), int(QDialog::Accepted));
    QCOMPARE(dlg->ChannelId(), 8);
    QCOMPARE(QString::fromUtf8(Stored(8).name), QStringLiteral("Refused"));
    QCOMPARE(ProviderRows(QStringLiteral("Fresh Provider")), 1);
    QVERIFY(MessageBox::TakeShown().isEmpty());
}

void EditChannelDlgTest::failedProviderInsertKeepsDialogOpen() {
    // Fault guarded: a channel stored with the id of a provider that was never written.
    QVERIFY(Exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON SDTInfo "
                                "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    auto dlg = Open(-1);
    FillNewChannel(dlg.get(), QStringLiteral("No Provider"), QStringLiteral("Fresh Provider"));
    ChooseTp(dlg.get(), 3, 17);
    const int channels = ChannelRows();
    Click(dlg.get(), "okButton");
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{kProviderFailed});
    QVERIFY(dlg->isVisible());
    QCOMPARE(ChannelRows(), channels);

    // A provider that exists needs no insert.
    Type(dlg.get(), "providerEdit", QStringLiteral("BBC"));
    Click(dlg.get(), "okButton");
    QCOMPARE(dlg->result(), int(QDialog::Accepted));
    QCOMPARE(Stored(dlg->ChannelId()).sdt_id, 2);
}

void EditChannelDlgTest::failedUpdateChangesNothing_data() {
    QTest::addColumn<QString>("table");
    QTest::newRow("channel update") << QStringLiteral("ChannelInfo");
    QTest::newRow("favourite rename") << QStringLiteral("FAVListInfo");
}

void EditChannelDlgTest::failedUpdateChangesNothing() {
    // Fault guarded: a failed store reported as success, or a rename reaching the channel but not its favourites.
    QFETCH(QString, table);
    QVERIFY(Exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON %1 "
                                "BEGIN SELECT RAISE(ABORT, 'refused'); END")
                     .arg(table)));
    auto dlg = Open(1);
    Type(dlg.get(), "chNameEdit", QStringLiteral("Erste HD"));
    Type(dlg.get(), "providerEdit", QStringLiteral("New Provider"));
    Click(dlg.get(), "okButton");
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{kChannelFailed});
    QVERIFY(dlg->isVisible());
    QCOMPARE(QString::fromUtf8(Stored(1).name), QStringLiteral("Das Erste"));
    QCOMPARE(Stored(1).sdt_id, 2);
    QCOMPARE(QueryInt(QStringLiteral("SELECT count(*) FROM FAVListInfo WHERE Name = 'Das Erste'")), 2);
    QCOMPARE(ProviderRows(QStringLiteral("New Provider")), 0);

    QVERIFY(Exec(QStringLiteral("DROP TRIGGER refuse")));
    Click(dlg.get(), "okButton");
    QCOMPARE(dlg->result(), int(QDialog::Accepted));
    QCOMPARE(QueryInt(QStringLiteral("SELECT count(*) FROM FAVListInfo WHERE Name = 'Erste HD'")), 2);
}

void EditChannelDlgTest::missingChannelIsNotReportedStored() {
    // Fault guarded: an update of a channel that has no row stores nothing yet ended with OK.
    auto dlg = Open(42);
    Type(dlg.get(), "chNameEdit", QStringLiteral("Ghost"));
    Type(dlg.get(), "providerEdit", QStringLiteral("BBC"));
    ChooseTp(dlg.get(), 1, 5);
    Click(dlg.get(), "okButton");
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{kChannelFailed});
    QVERIFY(dlg->isVisible());
    QCOMPARE(QueryInt(QStringLiteral("SELECT count(*) FROM ChannelInfo WHERE ch_id = 42")), 0);
}

void EditChannelDlgTest::longNonAsciiNamesCutOnCharacterBoundary() {
    // Fault guarded: a name cut to its byte buffer in the middle of a character, and a
    // long provider name stored cut but looked up whole, creating it again each time.
    const QString name = QString(15, QChar(0x00C4));     // 30 bytes of UTF-8
    const QString provider = QString(30, QChar(0x20AC)); // 90 bytes of UTF-8
    for (int round = 0; round < 2; ++round) {
        auto dlg = Open(-1);
        FillNewChannel(dlg.get(), name, provider);
        ChooseTp(dlg.get(), 1, 5);
        Click(dlg.get(), "okButton");
        QCOMPARE(dlg->result(), int(QDialog::Accepted));
        const ChannelRecord stored = Stored(dlg->ChannelId());
        QCOMPARE(QByteArray(stored.name), QString(7, QChar(0x00C4)).toUtf8());
        QCOMPARE(stored.sdt_id, 3);
    }
    QCOMPARE(QueryText(QStringLiteral("SELECT provider_name FROM SDTInfo WHERE SDT_ID = 3")),
             QString(10, QChar(0x20AC)));
    QCOMPARE(QueryInt(QStringLiteral("SELECT count(*) FROM SDTInfo")), 3);
}

QTEST_MAIN(EditChannelDlgTest)
#include "EditChannelDlgTest.moc"
