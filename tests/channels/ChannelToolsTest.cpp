// The Tools menu's channel commands on the demo database: their questions and
// results, through the scripted message boxes, file choosers and dialogs.
#include "channels/ChannelTools.h"
#include "ChannelFixture.h"
#include "TestSupport.h"
#include "channels/ChangeListDlg.h"
#include "db/ChannelDB.h"
#include "db/UndoHistory.h"
#include "document/OrvaneDoc.h"
#include "match/ChannelCsv.h"
#include "seams/ModalDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using channeltest::Exec;
using channeltest::QueryInt;
using channeltest::QueryText;

namespace {

const QString kNoDb = QStringLiteral("It has no DB. First open your DB!");

// Plays the change list: records its text, ticks the check box if asked, then
// clicks the accept or the cancel button.
struct ChangeListScript {
    QString intro;
    QStringList lines;
    void Queue(bool accept, bool check = false) {
        ModalDialog::QueueScript([this, accept, check](QDialog& dlg) {
            intro = dlg.findChild<QLabel*>(QStringLiteral("introLabel"))->text();
            lines = dlg.findChild<QPlainTextEdit*>(QStringLiteral("changesEdit"))->toPlainText().split('\n');
            if (check) {
                dlg.findChild<QCheckBox*>(QStringLiteral("optionCheckBox"))->setChecked(true);
            }
            dlg.findChild<QPushButton*>(accept ? QStringLiteral("acceptButton") : QStringLiteral("cancelButton"))
                ->click();
        });
    }
};

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ChannelToolsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void everyCommandRefusesWithoutADatabase();
    void exportWritesTheCsvAndSaysHowManyChannels();
    void importShowsTheChangesAndAppliesThemOnlyWhenAccepted();
    void importRefusesABadCsvWithNothingChanged();
    void applyOrderShowsTheCountsAndRestoresTheReferenceOrder();
    void duplicatesAreListedAndRemovedOnlyAfterTheQuestion();

private:
    void Open();
    std::unique_ptr<testsupport::FixtureFolder> m_folder;
    std::unique_ptr<COrvaneDoc> m_doc;
    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<CChannelTools> m_tools;
    QString m_path;
};

void ChannelToolsTest::init() {
    testsupport::ResetEnvironment();
    ModalDialog::SetScripted(true);
    m_folder = std::make_unique<testsupport::FixtureFolder>();
    m_doc = std::make_unique<COrvaneDoc>();
    m_window = std::make_unique<QWidget>();
    m_tools = std::make_unique<CChannelTools>(m_doc.get(), m_window.get());
    m_path = m_folder->Write(QStringLiteral("demo"), QStringLiteral("db.dat"));
    g_dbModified = 0;
    UndoHistory().Clear();
}

void ChannelToolsTest::cleanup() {
    m_tools.reset();
    m_doc.reset();
    testsupport::CloseDbDirect();
    m_window.reset();
    m_folder.reset();
}

void ChannelToolsTest::Open() {
    QVERIFY(m_doc->OnOpenDocument(m_path));
    m_doc->SetPathName(m_path, false);
}

void ChannelToolsTest::everyCommandRefusesWithoutADatabase() {
    m_tools->OnExportCsv();
    m_tools->OnImportCsv();
    m_tools->OnApplyOrder();
    m_tools->OnFindDuplicates();
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList(4, kNoDb));
    QVERIFY(FileChooser::TakeAsked().isEmpty());
}

void ChannelToolsTest::exportWritesTheCsvAndSaysHowManyChannels() {
    Open();
    const QString csv = m_folder->Path(QStringLiteral("out.csv"));
    FileChooser::QueueFileName(csv);
    m_tools->OnExportCsv();
    const QList<FileChooser::Asked> asked = FileChooser::TakeAsked();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].caption, QStringLiteral("Export Channels to CSV"));
    const int channels = QueryInt(QStringLiteral("SELECT count(*) FROM ChannelInfo WHERE ch_id < 20000"));
    QCOMPARE(MessageBox::TakeShownTexts(),
             QStringList{QStringLiteral("%1 channels were written to %2.").arg(channels).arg(csv)});
    QVERIFY(FileBytes(csv).startsWith("number,name,type,satellite,position,frequency,"));
    QCOMPARE(FileBytes(csv).count("\r\n"), channels + 1);
    QCOMPARE(g_dbModified, int16_t(0));
}

void ChannelToolsTest::importShowsTheChangesAndAppliesThemOnlyWhenAccepted() {
    Open();
    const QString csv = m_folder->Path(QStringLiteral("in.csv"));
    FileChooser::QueueFileName(csv);
    m_tools->OnExportCsv();
    MessageBox::TakeShownTexts();
    QByteArray text = FileBytes(csv);
    text.replace("\r\n1,Das Erste,", "\r\n1,Erstes,");
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
    file.close();

    ChangeListScript script;
    for (const bool accept : {false, true}) {
        FileChooser::QueueFileName(csv);
        script.Queue(accept);
        m_tools->OnImportCsv();
        QCOMPARE(script.lines, QStringList{QStringLiteral("renamed 1 Das Erste -> Erstes")});
        QCOMPARE(QueryText(QStringLiteral("SELECT name FROM ChannelInfo WHERE ch_order = 1")),
                 accept ? QStringLiteral("Erstes") : QStringLiteral("Das Erste"));
        QCOMPARE(g_dbModified, int16_t(accept ? 1 : 0));
    }
    QCOMPARE(script.intro, QStringLiteral("Importing %1 makes these 1 changes:").arg(csv));
    // The import is one step: undone whole, and only the accepted run left one.
    QCOMPARE(UndoHistory().UndoCount(), size_t(1));
    QCOMPARE(UndoHistory().UndoName(), std::string("Import channels from CSV"));
    QCOMPARE(UndoHistory().Undo(), 0);
    QCOMPARE(QueryText(QStringLiteral("SELECT name FROM ChannelInfo WHERE ch_order = 1")), QStringLiteral("Das Erste"));
    QCOMPARE(UndoHistory().Redo(), 0);
    // Once applied, the same file changes nothing more.
    FileChooser::QueueFileName(csv);
    m_tools->OnImportCsv();
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{QStringLiteral("%1 changes nothing.").arg(csv)});
}

void ChannelToolsTest::importRefusesABadCsvWithNothingChanged() {
    Open();
    const QString csv = m_folder->Path(QStringLiteral("bad.csv"));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("number,name\r\n1,x\r\n");
    file.close();
    FileChooser::QueueFileName(csv);
    m_tools->OnImportCsv();
    QCOMPARE(MessageBox::TakeShownTexts(),
             QStringList{QStringLiteral("%1 was not imported; nothing was changed.\nmissing columns: type, position, "
                                        "frequency, polarity, sid, network_id, ts_id")
                             .arg(csv)});
    QCOMPARE(ModalDialog::TakeRunCount(), 0);
    QCOMPARE(g_dbModified, int16_t(0));
}

void ChannelToolsTest::applyOrderShowsTheCountsAndRestoresTheReferenceOrder() {
    const QString reference = m_folder->Write(QStringLiteral("demo"), QStringLiteral("reference.dat"));
    Open();
    const QString order = QStringLiteral("SELECT group_concat(ch_id) FROM (SELECT ch_id FROM ChannelInfo WHERE ch_id < "
                                         "20000 ORDER BY ch_order)");
    const QString before = QueryText(order);
    QVERIFY(Exec(QStringLiteral("UPDATE ChannelInfo SET ch_order = 1000 - ch_order WHERE ch_id < 20000")));
    QVERIFY(Exec(QStringLiteral("DELETE FROM FAVGRPInfo; DELETE FROM FAVListInfo")));
    QVERIFY(QueryText(order) != before);

    ChangeListScript script;
    FileChooser::QueueFileName(reference);
    script.Queue(true, true);
    m_tools->OnApplyOrder();
    QCOMPARE(script.lines.first(),
             QStringLiteral("matched by ids: %1")
                 .arg(QueryInt(QStringLiteral("SELECT count(*) FROM ChannelInfo WHERE ch_id < 20000"))));
    QCOMPARE(script.lines.last(), QStringLiteral("unmatched: 0"));
    QCOMPARE(QueryText(order), before);
    QVERIFY(QueryInt(QStringLiteral("SELECT count(*) FROM FAVGRPInfo")) > 0);
    QCOMPARE(g_dbModified, int16_t(1));
}

void ChannelToolsTest::duplicatesAreListedAndRemovedOnlyAfterTheQuestion() {
    Open();
    m_tools->OnFindDuplicates();
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{QStringLiteral("No duplicate channels were found.")});

    QVERIFY(Exec(QStringLiteral(
        "INSERT INTO ChannelInfo SELECT 900, ch_seq, name, nit_id, pg_id, sat_id, cas_type, media_mode, video_pid, "
        "audio_pid, pcr_pid, pmt_pid, pch_id, tuner_id, audio_mode, lock, hide, day, 900, SDT_ID FROM ChannelInfo "
        "WHERE ch_order = 1")));
    const QString first = QueryText(QStringLiteral("SELECT name FROM ChannelInfo WHERE ch_order = 1"));
    ChangeListScript script;
    for (const MessageBox::Answer answer : {MessageBox::Answer::No, MessageBox::Answer::Yes}) {
        script.Queue(true);
        MessageBox::QueueAnswer(answer);
        m_tools->OnFindDuplicates();
        QCOMPARE(script.lines, QStringList{QStringLiteral("same ids: [1 %1], 900 %1").arg(first)});
        const QList<MessageBox::Shown> shown = MessageBox::TakeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("Remove 1 channels with their favourite, schedule and scramble rows?"));
        QCOMPARE(shown[0].icon, MessageBox::Icon::Question);
        QCOMPARE(QueryInt(QStringLiteral("SELECT count(*) FROM ChannelInfo WHERE ch_id = 900")),
                 answer == MessageBox::Answer::Yes ? 0 : 1);
    }
}

QTEST_MAIN(ChannelToolsTest)
#include "ChannelToolsTest.moc"
