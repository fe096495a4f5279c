// The channel list's commands on many selected rows, chosen from its popup on the
// demo database: what each stores (every table dumped), that Undo gives the file
// back exactly, that the list shows what is stored, and the refusal of a row the
// receiver's record cannot hold.
#include "channels/BulkCommands.h"
#include "TableDump.h"
#include "TestSupport.h"
#include "channels/OrvaneView.h"
#include "channels/ReplaceNamesDlg.h"
#include "db/ChannelDB.h"
#include "db/UndoHistory.h"
#include "document/OrvaneDoc.h"
#include "listctrl/ListColumns.h"
#include "listctrl/RecordListCtrl.h"
#include "seams/ModalDialog.h"
#include "seams/PopupMenu.h"

#include <QCheckBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <memory>

class BulkCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void commandStoresOneUndoableStep_data();
    void commandStoresOneUndoableStep();
    void previewMarksANameOverTheRecordAndKeepsOkOff();

private:
    QStringList FlagCells() const;
    std::unique_ptr<testsupport::FixtureFolder> m_folder;
    std::unique_ptr<COrvaneDoc> m_doc;
    std::unique_ptr<COrvaneView> m_view;
};

void BulkCommandsTest::init() {
    testsupport::ResetEnvironment();
    m_folder = std::make_unique<testsupport::FixtureFolder>();
    QVERIFY(testsupport::OpenDbDirect(m_folder->Write(QStringLiteral("demo"), QStringLiteral("db.dat"))));
    m_doc = std::make_unique<COrvaneDoc>();
    m_view = std::make_unique<COrvaneView>(m_doc.get());
    g_dbModified = 0;
}

void BulkCommandsTest::cleanup() {
    m_view.reset();
    m_doc.reset();
    testsupport::CloseDbDirect();
    UndoHistory().Clear();
}

QStringList BulkCommandsTest::FlagCells() const {
    QStringList cells;
    for (int row = 0; row < m_view->List()->RowCount(); ++row) {
        cells << m_view->List()->CellText(row, kChannelFlagColumn);
    }
    return cells;
}

void BulkCommandsTest::commandStoresOneUndoableStep_data() {
    QTest::addColumn<QString>("prepare");  // SQL before the list loads
    QTest::addColumn<QList<int>>("rows");  // the selected rows
    QTest::addColumn<QString>("choice");   // the popup item
    QTest::addColumn<QString>("expected"); // SQL giving the same file from the one before; %1, %2 ... the rows' ids
    QTest::addColumn<QString>("step");     // the undo step; empty: nothing stored
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("input"); // a number for the number dialogs, "find|replacement" for names
    QTest::addColumn<bool>("yes");      // the answer to a question

    const QString first =
        QStringLiteral("(SELECT ch_id FROM ChannelInfo WHERE ch_id < 20000 ORDER BY ch_order LIMIT 1)");
    const QString add =
        QStringLiteral("INSERT INTO FAVListInfo SELECT 4, (SELECT max(favlist_id) FROM FAVListInfo) + 1, name, (SELECT "
                       "max(favlist_seq) FROM FAVListInfo) + 1, ch_id, 0, 1 FROM ChannelInfo WHERE ch_id = %1;");
    QTest::newRow("lock") << QString() << QList<int>{0, 3, 4} << "actionBulkLock"
                          << "UPDATE ChannelInfo SET lock = 1 WHERE ch_id IN (%1, %2, %3)"
                          << "Lock 3 channels" << QStringList() << QString() << true;
    QTest::newRow("unlock") << "UPDATE ChannelInfo SET lock = 1" << QList<int>{2} << "actionBulkUnlock"
                            << "UPDATE ChannelInfo SET lock = 0 WHERE ch_id = %1"
                            << "Unlock 1 channel" << QStringList() << QString() << true;
    QTest::newRow("hide") << QString() << QList<int>{1, 2} << "actionBulkHide"
                          << "UPDATE ChannelInfo SET hide = 1 WHERE ch_id IN (%1, %2)"
                          << "Hide 2 channels" << QStringList() << QString() << true;
    QTest::newRow("unhide") << "UPDATE ChannelInfo SET hide = 1" << QList<int>{5, 6} << "actionBulkUnhide"
                            << "UPDATE ChannelInfo SET hide = 0 WHERE ch_id IN (%1, %2)"
                            << "Unhide 2 channels" << QStringList() << QString() << true;
    QTest::newRow("group skips what it holds")
        << "INSERT INTO FAVListInfo VALUES (4, 900, 'x', 900, " + first + ", 0, 1)" << QList<int>{0, 7, 8}
        << "actionBulkGroup4" << add.arg(QStringLiteral("%2")) + add.arg(QStringLiteral("%3"))
        << "Add 2 channels to Radio"
        << QStringList{"You already insert same channel!\n1 of the 3 channels were in \"Radio\" already and were "
                       "skipped."}
        << QString() << true;
    const QString moved = QStringLiteral(
        "UPDATE ChannelInfo SET ch_order = CASE WHEN ch_id = %1 THEN 1 WHEN ch_id = %2 THEN 2 WHEN ch_order < 4 THEN "
        "ch_order + 2 WHEN ch_order = 5 THEN 6 ELSE ch_order END WHERE ch_id < 20000");
    QTest::newRow("move to top") << QString() << QList<int>{3, 5} << "actionBulkMoveTop" << moved
                                 << "Move 2 channels to the top" << QStringList() << QString() << true;
    QTest::newRow("move to number") << QString() << QList<int>{3, 5} << "actionBulkMoveNumber" << moved
                                    << "Move 2 channels to the top" << QStringList() << "1" << true;
    const QString question = QStringLiteral("2 other channels are already numbered from 3 to 4.\nMove the channels "
                                            "numbered 3 and up by 2 to make room? No cancels.");
    QTest::newRow("renumber from, making room")
        << QString() << QList<int>{0, 1} << "actionBulkRenumberFrom"
        << "UPDATE ChannelInfo SET ch_order = CASE WHEN ch_id = %1 THEN 3 WHEN ch_id = %2 THEN 4 WHEN ch_order >= 3 "
           "THEN ch_order + 2 ELSE ch_order END WHERE ch_id < 20000"
        << "Renumber 2 channels from 3" << QStringList{question} << "3" << true;
    QTest::newRow("renumber from, cancelled at the clash")
        << QString() << QList<int>{0, 1} << "actionBulkRenumberFrom" << QString() << QString() << QStringList{question}
        << "3" << false;
    QTest::newRow("renumber from, ending at the last number") // the list's last two rows stay its last
        << QString() << QList<int>{290, 291} << "actionBulkRenumberFrom"
        << "UPDATE ChannelInfo SET ch_order = CASE WHEN ch_id = %1 THEN 19998 WHEN ch_id = %2 THEN 19999 ELSE "
           "ch_order END WHERE ch_id < 20000"
        << "Renumber 2 channels from 19998" << QStringList() << "19998" << true;
    QTest::newRow("renumber from, one past the last number")
        << QString() << QList<int>{290, 291} << "actionBulkRenumberFrom" << QString() << QString()
        << QStringList{"exceed valid number!"} << "19999" << true;
    QTest::newRow("replace giving a name of exactly 15 bytes")
        << QString() << QList<int>() << "actionBulkReplaceNames"
        << "UPDATE ChannelInfo SET name = 'SWR BW 15 bytes' WHERE ch_id = 8; UPDATE FAVListInfo SET name = 'SWR BW "
           "15 bytes' WHERE ch_id = 8"
        << "Replace in 1 name" << QStringList() << "SWR BW|SWR BW 15 bytes" << true;
    QTest::newRow("replace in all names")
        << QString() << QList<int>() << "actionBulkReplaceNames"
        << "UPDATE ChannelInfo SET name = replace(name, 'Sky', 'SKY') WHERE ch_id < 20000; UPDATE FAVListInfo SET "
           "name = replace(name, 'Sky', 'SKY') WHERE ch_id < 20000"
        << "Replace in 26 names" << QStringList() << "Sky|SKY" << true;
    QTest::newRow("a row the record cannot hold")
        << "UPDATE ChannelInfo SET name = 'A name too long to fit' WHERE ch_id = " + first << QList<int>{1, 0}
        << "actionBulkLock" << QString() << QString()
        << QStringList{"This row holds a value that the receiver's format does not allow (name A name too long to "
                       "fit). It is left unchanged."}
        << QString() << true;
    // The fit check reads in SQL only the rows that may not fit: NULL fits, a real
    // number does not.
    QTest::newRow("a NULL fits and stays")
        << "UPDATE ChannelInfo SET pg_id = NULL WHERE ch_id = " + first << QList<int>{0, 1} << "actionBulkLock"
        << "UPDATE ChannelInfo SET lock = 1 WHERE ch_id IN (%1, %2)"
        << "Lock 2 channels" << QStringList() << QString() << true;
    QTest::newRow("a real number the record cannot hold")
        << "UPDATE ChannelInfo SET video_pid = 512.5 WHERE ch_id = " + first << QList<int>{1, 0} << "actionBulkHide"
        << QString() << QString()
        << QStringList{"This row holds a value that the receiver's format does not allow (video_pid 512.5). It is "
                       "left unchanged."}
        << QString() << true;
}

void BulkCommandsTest::commandStoresOneUndoableStep() {
    QFETCH(QString, prepare);
    QFETCH(QList<int>, rows);
    QFETCH(QString, choice);
    QFETCH(QString, expected);
    QFETCH(QString, step);
    QFETCH(QStringList, messages);
    QFETCH(QString, input);
    QFETCH(bool, yes);
    QVERIFY(prepare.isEmpty() || testsupport::Exec(prepare));
    UndoHistory().Clear();
    m_view->OnInitialUpdate();
    CRecordListCtrl* list = m_view->List();
    for (int i = 0; i < rows.size(); ++i) {
        list->SetRowSelected(rows[i], true);
        expected.replace(QStringLiteral("%%1").arg(i + 1), QString::number(list->RowId(rows[i])));
    }
    const std::string before = fixtures::DumpTables(g_db);

    if (!input.isEmpty()) {
        ModalDialog::QueueScript([input](QDialog& dlg) {
            if (auto* number = qobject_cast<QInputDialog*>(&dlg)) {
                number->setIntValue(input.toInt());
            } else {
                dlg.findChild<QLineEdit*>(QStringLiteral("findEdit"))->setText(input.section(u'|', 0, 0));
                dlg.findChild<QLineEdit*>(QStringLiteral("replaceEdit"))->setText(input.section(u'|', 1));
            }
            dlg.findChild<QPushButton*>(QStringLiteral("okButton")) != nullptr
                ? dlg.findChild<QPushButton*>(QStringLiteral("okButton"))->click()
                : dlg.accept();
        });
    }
    MessageBox::QueueAnswer(yes ? MessageBox::Answer::Yes : MessageBox::Answer::No);
    PopupMenu::QueueChoice(choice);
    emit list->customContextMenuRequested(list->RowBounds(rows.value(0)).center());
    QCOMPARE(MessageBox::TakeShownTexts(), messages);
    const std::string after = fixtures::DumpTables(g_db);
    if (step.isEmpty()) {
        QCOMPARE(after, before);
        QCOMPARE(UndoHistory().UndoCount(), size_t(0));
        QCOMPARE(g_dbModified, int16_t(0));
        return;
    }
    QCOMPARE(QString::fromStdString(UndoHistory().UndoName()), step);
    QCOMPARE(g_dbModified, int16_t(1));
    // The list shows what is stored, as a fresh fill does.
    const QStringList shown = FlagCells();
    m_view->OnInitialUpdate();
    QCOMPARE(FlagCells(), shown);

    QCOMPARE(UndoHistory().Undo(), 0);
    QCOMPARE(fixtures::DumpTables(g_db), before);
    QVERIFY(testsupport::Exec(expected));
    QCOMPARE(fixtures::DumpTables(g_db), after);
}

void BulkCommandsTest::previewMarksANameOverTheRecordAndKeepsOkOff() {
    CReplaceNamesDlg dlg({{1, QStringLiteral("Rai 1")}, {2, QStringLiteral("RAI Sport")}, {3, QStringLiteral("ZDF")}},
                         nullptr);
    auto* ok = dlg.findChild<QPushButton*>(QStringLiteral("okButton"));
    QVERIFY(!ok->isEnabled()); // nothing to replace yet
    dlg.findChild<QLineEdit*>(QStringLiteral("findEdit"))->setText(QStringLiteral("rai"));
    dlg.findChild<QLineEdit*>(QStringLiteral("replaceEdit"))->setText(QStringLiteral("Radiotelevisione"));
    QCOMPARE(dlg.Changes().size(), 0); // case matters
    dlg.findChild<QCheckBox*>(QStringLiteral("ignoreCaseCheckBox"))->setChecked(true);
    const auto* preview = dlg.findChild<QTableWidget*>(QStringLiteral("previewTable"));
    QCOMPARE(preview->rowCount(), 2);
    // "Radiotelevisione 1" is 18 bytes; so is the other; "Radiotelevisione" alone would be 16.
    QCOMPARE(preview->item(0, 1)->text(), QStringLiteral("Radiotelevisione 1"));
    QCOMPARE(preview->item(0, 2)->text(), QStringLiteral("over 15 bytes"));
    QVERIFY(!ok->isEnabled());
    dlg.findChild<QLineEdit*>(QStringLiteral("replaceEdit"))->setText(QStringLiteral("Rai Italia"));
    QCOMPARE(preview->item(1, 1)->text(), QStringLiteral("Rai Italia Sport")); // 16 bytes: one too many
    QCOMPARE(preview->item(1, 2)->text(), QStringLiteral("over 15 bytes"));
    QCOMPARE(preview->item(0, 2)->text(), QString());
    QVERIFY(!ok->isEnabled());
    dlg.findChild<QLineEdit*>(QStringLiteral("replaceEdit"))->setText(QStringLiteral("Rai It"));
    QVERIFY(ok->isEnabled());
}

QTEST_MAIN(BulkCommandsTest)
#include "BulkCommandsTest.moc"
