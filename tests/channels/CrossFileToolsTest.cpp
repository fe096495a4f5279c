// Compare with File and Add Channels from Another File on an old file and its rescan:
// the window counts as `orvane-cli diff` does, every new channel merged leaves none
// missing, Undo gives back the exact tables, and a file failing the checks is refused.
#include "channels/CrossFileTools.h"
#include "ChannelFixture.h"
#include "MatchTestSupport.h"
#include "TableDump.h"
#include "TestSupport.h"
#include "channels/ChannelTools.h"
#include "cli/OrvaneCli.h"
#include "db/UndoHistory.h"
#include "document/OrvaneDoc.h"
#include "match/ChannelCompare.h"
#include "seams/ModalDialog.h"
#include "transfer/SendCheck.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include <memory>
#include <sstream>

using channeltest::QueryText;

class CrossFileToolsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void compareCountsAsDiffAndFiltersByKind_data();
    void compareCountsAsDiffAndFiltersByKind();
    void addingEveryNewChannelLeavesNoneMissingAndUndoRestoresTheTables();
    void aFileFailingTheChecksIsRefusedWithItsProblem();
    void clashesAreListedBeforeAnythingIsWritten();
    void theFilterNarrowsThePicksAndAGivenNumberMakesRoom();

private:
    void Open(const QString& path);
    // The rescan with a second new channel, "Extra", and "New One" renamed `newOneName`.
    void AddExtraToRescan(const QString& newOneName);
    std::unique_ptr<testsupport::FixtureFolder> m_folder;
    std::unique_ptr<COrvaneDoc> m_doc;
    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<CChannelTools> m_channelTools;
    std::unique_ptr<CCrossFileTools> m_tools;
    QString m_old;
    QString m_new;
};

void CrossFileToolsTest::init() {
    testsupport::ResetEnvironment();
    m_folder = std::make_unique<testsupport::FixtureFolder>();
    m_old = m_folder->Path(QStringLiteral("old.dat"));
    m_new = m_folder->Path(QStringLiteral("new.dat"));
    WriteOldFile(m_old.toStdString());
    WriteRescannedFile(m_new.toStdString());
    m_doc = std::make_unique<COrvaneDoc>();
    m_window = std::make_unique<QWidget>();
    m_channelTools = std::make_unique<CChannelTools>(m_doc.get(), m_window.get());
    m_tools = std::make_unique<CCrossFileTools>(m_doc.get(), m_channelTools.get(), &transfer::ReceiverDbProblems,
                                                m_window.get());
    UndoHistory().Clear();
}

void CrossFileToolsTest::cleanup() {
    m_tools.reset();
    m_channelTools.reset();
    m_doc.reset();
    testsupport::CloseDbDirect();
    m_window.reset();
    m_folder.reset();
}

void CrossFileToolsTest::Open(const QString& path) {
    QVERIFY(m_doc->OnOpenDocument(path));
    m_doc->SetPathName(path, false);
}

void CrossFileToolsTest::compareCountsAsDiffAndFiltersByKind_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("close") << QStringLiteral("closeButton");
    // The open file's new channels go into the group picked, as one step Undo takes back.
    QTest::newRow("add new channels to a group") << QStringLiteral("addToGroupButton");
}

void CrossFileToolsTest::compareCountsAsDiffAndFiltersByKind() {
    QFETCH(QString, button);
    const bool adds = button == QStringLiteral("addToGroupButton");
    QVERIFY(testsupport::OpenDbDirect(m_new));
    QVERIFY(testsupport::Exec(QStringLiteral("INSERT INTO FAVGRPInfo VALUES (1, 'News', 1), (2, 'Sport', 2)")));
    testsupport::CloseDbDirect();
    std::ostringstream out;
    std::ostringstream err;
    cli::Streams io{out, err};
    QCOMPARE(cli::Run({QStringLiteral("orvane-cli"), QStringLiteral("diff"), m_old, m_new}, io), cli::kExitOk);
    const QString diff = QString::fromStdString(out.str()).trimmed();
    const QString diffCounts = diff.section(QLatin1Char('\n'), -1);

    Open(m_new);
    const std::string before = fixtures::DumpTables(g_db);
    QString counts;
    QList<int> shown; // rows per kind filter: all, added, removed, moved, renamed
    ModalDialog::QueueScript([&](QDialog& dlg) {
        counts = dlg.findChild<QLabel*>(QStringLiteral("countsLabel"))->text();
        auto* kind = dlg.findChild<QComboBox*>(QStringLiteral("kindFilterCombo"));
        auto* view = dlg.findChild<QTableView*>(QStringLiteral("changesView"));
        QAbstractItemModelTester tester(view->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        // Numbers sort by value, not as texts ("10" after "9"), blanks (added rows) first.
        view->sortByColumn(1, Qt::AscendingOrder);
        for (int row = 1; row < view->model()->rowCount(); ++row) {
            QVERIFY(view->model()->index(row - 1, 1).data().toString().toInt() <=
                    view->model()->index(row, 1).data().toString().toInt());
        }
        for (int i = 0; i < kind->count(); ++i) {
            kind->setCurrentIndex(i);
            shown << dlg.findChild<QTableView*>(QStringLiteral("changesView"))->model()->rowCount();
        }
        dlg.findChild<QPushButton*>(button)->click();
    });
    if (adds) {
        ModalDialog::QueueScript([](QDialog& dlg) {
            dlg.findChild<QComboBox*>(QStringLiteral("groupCombo"))->setCurrentIndex(1);
            dlg.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        });
    }
    m_tools->CompareWith(m_old);
    QCOMPARE(counts, diffCounts);
    const QStringList numbers = diffCounts.split(QLatin1Char(' '));
    QCOMPARE(shown.size(), 5);
    QCOMPARE(shown[0], diff.count(QLatin1Char('\n'))); // every line but the counts
    for (int kind = 0; kind < 4; ++kind) {
        QCOMPARE(QString::number(shown[kind + 1]), numbers[kind * 2]);
    }
    QCOMPARE(g_dbModified, int16_t(adds ? 1 : 0));
    QCOMPARE(QueryText(QStringLiteral("SELECT group_concat(favgrp_id || ':' || ch_id) FROM FAVListInfo")),
             adds ? QStringLiteral("2:101") : QString());
    QCOMPARE(adds ? UndoHistory().Undo() : 0, 0);
    QCOMPARE(fixtures::DumpTables(g_db), before);
}

void CrossFileToolsTest::addingEveryNewChannelLeavesNoneMissingAndUndoRestoresTheTables() {
    Open(m_old);
    const std::string before = fixtures::DumpTables(g_db);
    ModalDialog::QueueScript([](QDialog& dlg) {
        dlg.findChild<QPushButton*>(QStringLiteral("selectAllButton"))->click();
        dlg.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    });
    m_tools->AddChannelsFrom(m_new);
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList());
    QCOMPARE(g_dbModified, int16_t(1));
    QCOMPARE(UndoHistory().UndoCount(), size_t(1));
    match::ChannelSet merged;
    match::ChannelSet rescan;
    std::string error;
    CChannelDB db;
    QCOMPARE(match::ReadChannelSet(db, merged), 0);
    QVERIFY(match::ReadChannelSetFromFile(m_new.toStdString(), rescan, error));
    QCOMPARE(match::CompareSets(merged, rescan).counts[0], size_t(0));

    QCOMPARE(UndoHistory().Undo(), 0);
    QCOMPARE(fixtures::DumpTables(g_db), before);
}

void CrossFileToolsTest::aFileFailingTheChecksIsRefusedWithItsProblem() {
    const QString bad = m_folder->Path(QStringLiteral("bad.dat"));
    QVERIFY(QFile::copy(m_new, bad));
    QVERIFY(testsupport::OpenDbDirect(bad));
    QVERIFY(testsupport::Exec(QStringLiteral("UPDATE ChannelInfo SET name = 'A name far too long' WHERE ch_id = 101")));
    testsupport::CloseDbDirect();
    Open(m_old);
    QStringList problems;
    for (const std::string& problem : transfer::ReceiverFileProblems(bad.toStdString())) {
        problems << QString::fromStdString(problem);
    }
    QVERIFY(!problems.isEmpty());
    const QString told = QStringLiteral("%1 fails the receiver's checks and was not used; nothing was changed.\n%2")
                             .arg(bad, problems.join(QLatin1Char('\n')));
    m_tools->CompareWith(bad);
    m_tools->AddChannelsFrom(bad);
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList(2, told));
    QCOMPARE(ModalDialog::TakeRunCount(), 0);
    QCOMPARE(g_dbModified, int16_t(0));
}

void CrossFileToolsTest::AddExtraToRescan(const QString& newOneName) {
    QVERIFY(testsupport::OpenDbDirect(m_new));
    QVERIFY(
        testsupport::Exec(QStringLiteral("INSERT INTO ChannelInfo SELECT 107, ch_seq, 'Extra', nit_id, 778, sat_id, "
                                         "cas_type, media_mode, video_pid, audio_pid, pcr_pid, pmt_pid, pch_id, "
                                         "tuner_id, audio_mode, lock, hide, day, 7, SDT_ID FROM ChannelInfo "
                                         "WHERE ch_id = 101")));
    QVERIFY(testsupport::Exec(QStringLiteral("UPDATE ChannelInfo SET name = '%1' WHERE ch_id = 101").arg(newOneName)));
    testsupport::CloseDbDirect();
}

void CrossFileToolsTest::clashesAreListedBeforeAnythingIsWritten() {
    AddExtraToRescan(QStringLiteral("ZDF"));
    Open(m_old);
    const std::string before = fixtures::DumpTables(g_db);
    for (const bool accept : {false, true}) {
        QStringList lines;
        ModalDialog::QueueScript([](QDialog& dlg) {
            dlg.findChild<QPushButton*>(QStringLiteral("selectAllButton"))->click();
            dlg.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        });
        ModalDialog::QueueScript([&lines, accept](QDialog& dlg) {
            lines = dlg.findChild<QPlainTextEdit*>(QStringLiteral("changesEdit"))->toPlainText().split('\n');
            dlg.findChild<QPushButton*>(accept ? QStringLiteral("acceptButton") : QStringLiteral("cancelButton"))
                ->click();
        });
        m_tools->AddChannelsFrom(m_new);
        QCOMPARE(lines, (QStringList{QStringLiteral("add 7 Extra as channel 7, number 7"),
                                     QStringLiteral("clash: 1 ZDF: the name is used on the satellite already")}));
        QCOMPARE(fixtures::DumpTables(g_db) == before, !accept);
    }
    QCOMPARE(QueryText(QStringLiteral("SELECT group_concat(name) FROM ChannelInfo WHERE ch_id > 6")),
             QStringLiteral("Extra"));
}

void CrossFileToolsTest::theFilterNarrowsThePicksAndAGivenNumberMakesRoom() {
    AddExtraToRescan(QStringLiteral("New One"));
    Open(m_old);
    int shown = 0;
    ModalDialog::QueueScript([&shown](QDialog& dlg) {
        dlg.findChild<QLineEdit*>(QStringLiteral("filterEdit"))->setText(QStringLiteral("xtr"));
        shown = dlg.findChild<QTableView*>(QStringLiteral("channelsView"))->model()->rowCount();
        dlg.findChild<QPushButton*>(QStringLiteral("selectAllButton"))->click();
        dlg.findChild<QLineEdit*>(QStringLiteral("numberEdit"))->setText(QStringLiteral("2"));
        dlg.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    });
    m_tools->AddChannelsFrom(m_new);
    QCOMPARE(shown, 1);
    QCOMPARE(QueryText(QStringLiteral("SELECT group_concat(name || '=' || ch_order) FROM (SELECT * FROM ChannelInfo "
                                      "ORDER BY ch_order)")),
             QStringLiteral("Das Erste=1,Extra=2,ZDF=3,arte=4,Rai 1=5,Old Shop=6,Radio X=7"));
}

QTEST_MAIN(CrossFileToolsTest)
#include "CrossFileToolsTest.moc"
