// The channel list view driven through its widgets: filling, sorting with header
// marks, Add/Edit/Delete, block moves by dragging, Renumber surviving a reopen, and
// channel drops on a tree of group ids and on a one-column favourite list.
#include "channels/OrvaneView.h"
#include "ChannelFixture.h"
#include "DialogDriver.h"
#include "FixtureBuilder.h"
#include "TableDump.h"
#include "TestSupport.h"
#include "channels/ChannelDropTargets.h"
#include "db/ChannelDB.h"
#include "document/OrvaneDoc.h"
#include "listctrl/ListColumns.h"
#include "listctrl/RecordListCtrl.h"
#include "seams/BusyProgress.h"
#include "seams/ModalDialog.h"
#include "seams/PopupMenu.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QProgressDialog>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using channeltest::Exec;
using channeltest::QueryInt;
using channeltest::QueryText;
using namespace channeltest::driver;

namespace {

// A tree of group ids standing in for the favourite group tree.
class CGroupTreeStub : public QTreeWidget, public CGroupDropTree {
public:
    CGroupTreeStub() {
        setObjectName(QStringLiteral("groupTree"));
        m_root = new QTreeWidgetItem(this, {QStringLiteral("Favorites")});
        m_root->setData(0, Qt::UserRole, 0);
        for (const int id : {1, 2}) {
            auto* item = new QTreeWidgetItem(m_root, {QStringLiteral("Group %1").arg(id)});
            item->setData(0, Qt::UserRole, id);
        }
        expandAll();
    }
    void HighlightDropItemAt(const QPoint& globalPoint) override {
        m_highlighted = itemAt(viewport()->mapFromGlobal(globalPoint));
    }
    void ClearDropHighlight() override { m_highlighted = nullptr; }
    int DropGroupId() const override {
        return m_highlighted == nullptr || m_highlighted == m_root ? -1 : m_highlighted->data(0, Qt::UserRole).toInt();
    }
    QPoint ItemCentre(int index) const {
        QTreeWidgetItem* item = index < 0 ? m_root : m_root->child(index);
        return visualItemRect(item).center();
    }

private:
    QTreeWidgetItem* m_root;
    QTreeWidgetItem* m_highlighted = nullptr;
};

// A one-column list of entries standing in for the favourite list.
class CFavListStub : public CRecordListCtrl, public CFavDropList {
public:
    CFavListStub() {
        setObjectName(QStringLiteral("favList"));
        InsertColumn(0, QStringLiteral("Service"), 120, Qt::AlignRight);
    }
    CRecordListCtrl* DropList() override { return this; }
    void ReloadDropList() override {
        ++reloads;
        DeleteAllRows();
        FillFavList(group);
    }
    int group = -1;
    int reloads = 0;
};

} // namespace

class OrvaneViewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::ResetEnvironment(); }
    void init();
    void cleanup();

    void fillsInChannelOrderWithIdsAsRowIds();
    void headerSortsAndMarks();
    void flagColumnWithEmptyFirstCellSortsNumerically();
    void addRefusedAtTheLastNumber();
    void addAndEditWithoutSelectionOpenNewChannel();
    void editRewritesTheRowAndTellsTheOtherViews();
    void deleteRemovesSelectedInOneTransaction();
    void deleteWithNoSelectionDeletesNothing();
    void failedDeleteRollsBackAndKeepsRows();
    void keysAndContextMenu();
    void blockMoveThenRenumberSurvivesReopen();
    void downwardDropAndReleaseBelowLastRow();
    void sortByServiceThenRenumber();
    void renumberStoresWhatStoringEveryRowAgainStores_data();
    void renumberStoresWhatStoringEveryRowAgainStores();
    void dragNearTheEdgesScrollsTheList();
    void renumberRefusesListNotMatchingTheDb();
    void renumberFailureLeavesTableAsItWas();
    void dropOnGroupTree();
    void failedGroupDropStoresNothing();
    void dropOnFavList();
    void rolledBackFavListDropReloadsTheList();

private:
    void Open(const QString& path);
    void Reopen();
    QList<int32_t> RowIds() const;
    void Select(const QList<int>& rows);
    void StartDrag(int row);
    void DragTo(QWidget* widget, const QPoint& point);
    void DropOnChannelRow(int fromRow, int overRow, int yInRow);

    std::unique_ptr<testsupport::FixtureFolder> m_folder;
    std::unique_ptr<COrvaneDoc> m_doc;
    std::unique_ptr<QWidget> m_window;
    COrvaneView* m_view = nullptr;
    CGroupTreeStub* m_tree = nullptr;
    CFavListStub* m_favList = nullptr;
    QString m_path;
};

void OrvaneViewTest::init() {
    testsupport::ResetEnvironment();
    m_folder = std::make_unique<testsupport::FixtureFolder>();
    m_path = m_folder->Path(QStringLiteral("channels.dat"));
    channeltest::WriteChannelFixture(m_path);
    // Rows 0..6 in ch_order: ids 1, 2, 3, 7, then 10, 11, 12 added here.
    QVERIFY(testsupport::OpenDbDirect(m_path));
    QVERIFY(Exec(QString::fromStdString(fixtures::CopyChannelSql(7, 10, "Eins", 5))));
    QVERIFY(Exec(QString::fromStdString(fixtures::CopyChannelSql(7, 11, "bravo", 6))));
    QVERIFY(Exec(QString::fromStdString(fixtures::CopyChannelSql(7, 12, "Alpha", 7))));

    m_doc = std::make_unique<COrvaneDoc>();
    m_window = std::make_unique<QWidget>();
    // Within the offscreen screen (800 x 600), where the window under the pointer is
    // looked up.
    m_window->resize(780, 500);
    auto* layout = new QHBoxLayout(m_window.get());
    m_view = new COrvaneView(m_doc.get());
    m_favList = new CFavListStub;
    m_tree = new CGroupTreeStub;
    layout->addWidget(m_view, 1);
    layout->addWidget(m_favList);
    layout->addWidget(m_tree);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_view->OnInitialUpdate();
}

void OrvaneViewTest::cleanup() {
    m_window.reset();
    m_doc.reset();
    testsupport::CloseDbDirect();
}

void OrvaneViewTest::Open(const QString& path) {
    QVERIFY(testsupport::OpenDbDirect(path));
    m_view->OnInitialUpdate();
}

void OrvaneViewTest::Reopen() {
    testsupport::CloseDbDirect();
    Open(m_path);
}

QList<int32_t> OrvaneViewTest::RowIds() const {
    QList<int32_t> ids;
    for (int row = 0; row < m_view->List()->RowCount(); ++row) {
        ids << m_view->List()->RowId(row);
    }
    return ids;
}

void OrvaneViewTest::Select(const QList<int>& rows) {
    m_view->List()->clearSelection();
    for (const int row : rows) {
        m_view->List()->SetRowSelected(row, true);
    }
}

void OrvaneViewTest::StartDrag(int row) {
    testsupport::StartRowDrag(m_view->List(), row);
    QVERIFY(m_view->Dragging());
}

void OrvaneViewTest::DragTo(QWidget* widget, const QPoint& point) {
    testsupport::MoveAndRelease(widget, point);
    QVERIFY(!m_view->Dragging());
}

// Drags the selected rows from `fromRow` and releases over `overRow` at `yInRow`
// pixels below its top (-1: below the last row).
void OrvaneViewTest::DropOnChannelRow(int fromRow, int overRow, int yInRow) {
    CRecordListCtrl* list = m_view->List();
    StartDrag(fromRow);
    const QRect last = list->RowBounds(list->RowCount() - 1);
    const QPoint point =
        overRow < 0 ? QPoint(40, last.bottom() + 20) : QPoint(40, list->RowBounds(overRow).top() + yInRow);
    DragTo(list->viewport(), point);
}

void OrvaneViewTest::fillsInChannelOrderWithIdsAsRowIds() {
    QCOMPARE(RowIds(), (QList<int32_t>{1, 2, 3, 7, 10, 11, 12}));
    QCOMPARE(m_view->List()->CellText(3, kChannelServiceColumn), QStringLiteral("Arte"));
    QCOMPARE(m_view->List()->CellText(3, kChannelNoColumn), QStringLiteral("4"));
    // A group of the previous file is no drop target after a reload.
    m_view->OnUpdate(nullptr, 2);
    QCOMPARE(m_view->CurrentFavGroup(), 2);
    m_view->OnInitialUpdate();
    QCOMPARE(m_view->CurrentFavGroup(), -1);
    // Without a database the refill leaves the list empty.
    testsupport::CloseDbDirect();
    m_view->OnInitialUpdate();
    QCOMPARE(m_view->List()->RowCount(), 0);
    QCOMPARE(m_view->List()->ColumnCount(), 14);
}

void OrvaneViewTest::headerSortsAndMarks() {
    CRecordListCtrl* list = m_view->List();
    QHeaderView* header = list->Header();
    auto clickHeader = [&](int column) {
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    };
    clickHeader(kChannelFrequencyColumn);
    QCOMPARE(m_view->SortColumn(), kChannelFrequencyColumn);
    QCOMPARE(list->SortMarkOf(kChannelFrequencyColumn), SortMark::Up);
    QStringList ascending;
    for (int row = 0; row < list->RowCount(); ++row) {
        ascending << list->CellText(row, kChannelFrequencyColumn);
    }
    QCOMPARE(ascending.first(), QStringLiteral("10992"));
    QCOMPARE(ascending.last(), QStringLiteral("12187"));
    clickHeader(kChannelFrequencyColumn);
    QCOMPARE(list->SortMarkOf(kChannelFrequencyColumn), SortMark::Down);
    QCOMPARE(list->CellText(0, kChannelFrequencyColumn), QStringLiteral("12187"));

    // Text columns compare without case; the mark moves to the new column.
    clickHeader(kChannelServiceColumn);
    QCOMPARE(list->SortMarkOf(kChannelFrequencyColumn), SortMark::None);
    QCOMPARE(list->SortMarkOf(kChannelServiceColumn), SortMark::Up);
    QCOMPARE(list->CellText(0, kChannelServiceColumn), QStringLiteral("Alpha"));
    QCOMPARE(list->CellText(1, kChannelServiceColumn), QStringLiteral("Arte"));
    QCOMPARE(list->CellText(2, kChannelServiceColumn), QStringLiteral("bravo"));

    // "No" sorts numerically with no mark; the numbers move with their rows.
    clickHeader(kChannelNoColumn);
    clickHeader(kChannelNoColumn);
    QCOMPARE(list->SortMarkOf(kChannelNoColumn), SortMark::None);
    QCOMPARE(list->CellText(0, kChannelNoColumn), QStringLiteral("7"));
    QCOMPARE(list->RowId(0), 12);

    // Marks and sort state survive a refill, which brings back ch_order.
    m_view->OnInitialUpdate();
    QCOMPARE(m_view->SortColumn(), kChannelNoColumn);
    QCOMPARE(RowIds().first(), 1);
}

void OrvaneViewTest::flagColumnWithEmptyFirstCellSortsNumerically() {
    constexpr int kFlagColumn = 12;
    QVERIFY(m_view->List()->CellText(0, kFlagColumn).isEmpty());
    const QList<int32_t> before = RowIds();
    QTest::mouseClick(m_view->List()->Header()->viewport(), Qt::LeftButton, {},
                      QPoint(m_view->List()->Header()->sectionViewportPosition(kFlagColumn) + 5, 5));
    // Every flag text reads as 0, so the stable sort keeps the order.
    QCOMPARE(RowIds(), before);
}

void OrvaneViewTest::addRefusedAtTheLastNumber() {
    QVERIFY(Exec("UPDATE ChannelInfo SET ch_order = 19999 WHERE ch_id = 12"));
    m_view->OnInitialUpdate();
    m_view->OnEditAdd();
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{QStringLiteral("exceed valid number!")});
    QCOMPARE(ModalDialog::TakeRunCount(), 0);
}

void OrvaneViewTest::addAndEditWithoutSelectionOpenNewChannel() {
    auto fillAndConfirm = [](const QString& name) {
        return [name](QDialog& dlg) {
            FillNewChannel(&dlg, name, QStringLiteral("Canal+"));
            ChooseTp(&dlg, 3, 17);
            Click(&dlg, "okButton");
        };
    };
    ModalDialog::QueueScript(fillAndConfirm(QStringLiteral("Klassik")));
    m_view->OnEditAdd();
    QCOMPARE(m_view->List()->RowCount(), 8);
    QCOMPARE(m_view->List()->RowId(7), 13);
    QCOMPARE(m_view->List()->CellText(7, kChannelServiceColumn), QStringLiteral("Klassik"));
    QCOMPARE(QueryInt("SELECT pg_id FROM ChannelInfo WHERE ch_id = 13"), 6940);
    QCOMPARE(QueryInt("SELECT video_pid + audio_pid + pcr_pid + pmt_pid FROM ChannelInfo WHERE ch_id = 13"), 404);
    QVERIFY(g_dbModified);
    QVERIFY(m_view->List()->SelectedRows().isEmpty());

    // Edit with nothing selected opens a new channel too; a cancel adds nothing.
    m_view->List()->clearSelection();
    ModalDialog::QueueScript([](QDialog& dlg) {
        QVERIFY(dlg.windowTitle().contains(QStringLiteral("Channel")));
        dlg.reject();
    });
    m_view->OnEditEdit();
    QCOMPARE(ModalDialog::TakeRunCount(), 3); // Edit Channel, its Select NIT, Edit Channel
    QCOMPARE(m_view->List()->RowCount(), 8);

    // An empty list has no last number to check.
    QVERIFY(Exec("DELETE FROM ChannelInfo"));
    m_view->OnInitialUpdate();
    m_view->OnEditAdd();
    QCOMPARE(ModalDialog::TakeRunCount(), 1);
}

void OrvaneViewTest::editRewritesTheRowAndTellsTheOtherViews() {
    Select({3});
    ModalDialog::QueueScript([](QDialog& dlg) {
        Type(&dlg, "chNameEdit", QStringLiteral("Arte HD"));
        Click(&dlg, "okButton");
    });
    g_dbModified = false;
    QTest::keyClick(m_view->List(), Qt::Key_Space);
    QCOMPARE(m_view->List()->CellText(3, kChannelServiceColumn), QStringLiteral("Arte HD"));
    QCOMPARE(m_view->List()->RowId(3), 7);
    QCOMPARE(QueryText("SELECT name FROM ChannelInfo WHERE ch_id = 7"), QStringLiteral("Arte HD"));
    QVERIFY(g_dbModified);
}

void OrvaneViewTest::deleteRemovesSelectedInOneTransaction() {
    int commits = 0;
    sqlite3_commit_hook(
        g_db, [](void* count) { return ++*static_cast<int*>(count), 0; }, &commits);
    Select({1, 3, 5});
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    QTest::keyClick(m_view->List(), Qt::Key_Delete);
    sqlite3_commit_hook(g_db, nullptr, nullptr);
    const auto shown = MessageBox::TakeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, QStringLiteral("Do you want to delete this channel from DB?"));
    QCOMPARE(shown[0].icon, MessageBox::Icon::Question);
    QCOMPARE(commits, 1);
    QCOMPARE(RowIds(), (QList<int32_t>{1, 3, 10, 12}));
    QCOMPARE(QueryInt("SELECT count(*) FROM ChannelInfo WHERE ch_id IN (2, 7, 11)"), 0);
    QCOMPARE(QueryInt("SELECT count(*) FROM FAVListInfo WHERE ch_id = 2"), 0);
    QCOMPARE(QueryInt("SELECT count(*) FROM ChannelInfo"), 5);

    // No keeps everything.
    Select({0});
    MessageBox::QueueAnswer(MessageBox::Answer::No);
    m_view->OnEditDelete();
    QCOMPARE(m_view->List()->RowCount(), 4);
}

void OrvaneViewTest::deleteWithNoSelectionDeletesNothing() {
    m_view->List()->clearSelection();
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    m_view->OnEditDelete();
    QCOMPARE(MessageBox::TakeShownTexts().size(), 1);
    QCOMPARE(m_view->List()->RowCount(), 7);
    QCOMPARE(QueryInt("SELECT count(*) FROM ChannelInfo"), 8);
}

// Guards against a failed delete that still removed rows from the list (and left
// the earlier deletes of the same command stored).
void OrvaneViewTest::failedDeleteRollsBackAndKeepsRows() {
    QVERIFY(Exec("CREATE TRIGGER refuse BEFORE DELETE ON ScrambleInfo BEGIN SELECT RAISE(ABORT, 'no'); END"));
    QVERIFY(Exec("INSERT INTO ScrambleInfo VALUES (7, 0, 0)"));
    Select({1, 3});
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    m_view->OnEditDelete();
    QCOMPARE(MessageBox::TakeShownTexts().last(),
             QStringLiteral("The channels could not be deleted from the DB.\nNothing has been deleted."));
    QCOMPARE(m_view->List()->RowCount(), 7);
    QCOMPARE(QueryInt("SELECT count(*) FROM ChannelInfo WHERE ch_id IN (2, 7)"), 2);
    QVERIFY(sqlite3_get_autocommit(g_db) != 0);
}

void OrvaneViewTest::keysAndContextMenu() {
    // Double click edits the clicked row.
    ModalDialog::QueueScript([](QDialog& dlg) { dlg.reject(); });
    const QPoint rowPoint(40, m_view->List()->RowBounds(2).center().y());
    // As the window system sends it: a click, then the double click.
    QTest::mouseClick(m_view->List()->viewport(), Qt::LeftButton, {}, rowPoint);
    QTest::mouseDClick(m_view->List()->viewport(), Qt::LeftButton, {}, rowPoint);
    QCOMPARE(ModalDialog::TakeRunCount(), 1);

    // The menu's items, and Renumber reached through it.
    PopupMenu::QueueChoice(QStringLiteral("actionRenumber"));
    emit m_view->List()->customContextMenuRequested(rowPoint);
    auto menus = PopupMenu::TakeShown();
    QCOMPARE(menus.size(), 1);
    QStringList texts;
    for (const auto& item : menus[0]) {
        texts << item.text;
        QVERIFY(item.enabled);
    }
    QCOMPARE(texts, (QStringList{"Add", "Edit\tSpace", "Delete\tDel", "Renumber", "Loc&k", "U&nlock", "&Hide",
                                 "Un&hide", "Move to &Top", "Move to &Bottom", "Move to N&umber…", "Replace in &Names…",
                                 "&Renumber Selection From…", "Add to &Favourite Group"}));
    QCOMPARE(m_view->List()->CellText(6, kChannelNoColumn), QStringLiteral("7"));

    // Without a database every item is greyed.
    testsupport::CloseDbDirect();
    m_view->OnInitialUpdate();
    emit m_view->List()->customContextMenuRequested(QPoint(10, 10));
    menus = PopupMenu::TakeShown();
    for (const auto& item : menus[0]) {
        QVERIFY(!item.enabled);
    }
}

void OrvaneViewTest::blockMoveThenRenumberSurvivesReopen() {
    Select({2, 5});
    StartDrag(2);
    DragTo(m_view->List()->viewport(), QPoint(40, m_view->List()->RowBounds(0).top() + 3));
    QCOMPARE(RowIds(), (QList<int32_t>{3, 11, 1, 2, 7, 10, 12}));
    QStringList numbers;
    for (int row = 0; row < 7; ++row) {
        numbers << m_view->List()->CellText(row, kChannelNoColumn);
    }
    QCOMPARE(numbers, (QStringList{"3", "6", "1", "2", "4", "5", "7"}));
    QVERIFY(m_view->List()->SelectedRows().isEmpty());
    QVERIFY(!g_dbModified);

    m_view->OnRenumber();
    QCOMPARE(m_view->List()->CellText(1, kChannelNoColumn), QStringLiteral("2"));
    QVERIFY(g_dbModified);
    // The receiver's own channel and the other tables' rows stay as they were.
    QCOMPARE(QueryInt("SELECT ch_order FROM ChannelInfo WHERE ch_id = 20003"), 20003);
    QCOMPARE(QueryInt("SELECT count(*) FROM FAVListInfo"), 3);
    Reopen();
    QCOMPARE(RowIds(), (QList<int32_t>{3, 11, 1, 2, 7, 10, 12}));
    QCOMPARE(m_view->List()->CellText(0, kChannelNoColumn), QStringLiteral("1"));
}

void OrvaneViewTest::downwardDropAndReleaseBelowLastRow() {
    const int rowHeight = m_view->List()->RowHeight();
    // Row 1 released on the upper part of row 4 lands before it...
    Select({1});
    DropOnChannelRow(1, 4, 2);
    QCOMPARE(RowIds(), (QList<int32_t>{1, 3, 7, 2, 10, 11, 12}));
    // ...and within 10 pixels of its bottom after it.
    m_view->OnInitialUpdate();
    Select({1});
    DropOnChannelRow(1, 4, rowHeight - 3);
    QCOMPARE(RowIds(), (QList<int32_t>{1, 3, 7, 10, 2, 11, 12}));
    // Below the last row: the end.
    m_view->OnInitialUpdate();
    Select({1});
    DropOnChannelRow(1, -1, 0);
    QCOMPARE(RowIds(), (QList<int32_t>{1, 3, 7, 10, 11, 12, 2}));
    // Upwards: before the row under the pointer.
    m_view->OnInitialUpdate();
    Select({6});
    DropOnChannelRow(6, 4, rowHeight - 3);
    QCOMPARE(RowIds(), (QList<int32_t>{1, 2, 3, 7, 12, 10, 11}));
}

void OrvaneViewTest::sortByServiceThenRenumber() {
    QTest::mouseClick(m_view->List()->Header()->viewport(), Qt::LeftButton, {},
                      QPoint(m_view->List()->Header()->sectionViewportPosition(kChannelServiceColumn) + 5, 5));
    m_view->OnRenumber();
    Reopen();
    QStringList names;
    for (int row = 0; row < m_view->List()->RowCount(); ++row) {
        names << m_view->List()->CellText(row, kChannelServiceColumn);
    }
    QCOMPARE(names, (QStringList{"Alpha", "Arte", "bravo", "Das Erste", "Eins", "Radio 1", "ZDF"}));
}

void OrvaneViewTest::renumberStoresWhatStoringEveryRowAgainStores_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("clicks"); // on the column's header
    QTest::newRow("by service") << kChannelServiceColumn << 1;
    QTest::newRow("by service, descending") << kChannelServiceColumn << 2;
    QTest::newRow("by number, descending") << kChannelNoColumn << 2;
}

void OrvaneViewTest::renumberStoresWhatStoringEveryRowAgainStores() {
    QFETCH(int, column);
    QFETCH(int, clicks);
    CRecordListCtrl* list = m_view->List();
    for (int i = 0; i < clicks; ++i) {
        QTest::mouseClick(list->Header()->viewport(), Qt::LeftButton, {},
                          QPoint(list->Header()->sectionViewportPosition(column) + 5, 5));
    }
    // The receiver's own sequence: every listed row deleted and stored again from its
    // record, numbered as it is shown.
    CChannelDB db;
    std::vector<ChannelRecord> records(static_cast<size_t>(list->RowCount()));
    for (int row = 0; row < list->RowCount(); ++row) {
        QCOMPARE(db.GetChannelInfo(list->RowId(row), records[static_cast<size_t>(row)]), 1);
        records[static_cast<size_t>(row)].ch_order = row + 1;
    }
    const std::string before = fixtures::DumpTables(g_db);
    QVERIFY(Exec(QStringLiteral("SAVEPOINT own")));
    QCOMPARE(db.DeleteListedChannels(), 0);
    for (const ChannelRecord& record : records) {
        QCOMPARE(db.InsertChannelInfo(record), 0);
    }
    const std::string expected = fixtures::DumpTables(g_db);
    QVERIFY(Exec(QStringLiteral("ROLLBACK TO own; RELEASE own")));
    QVERIFY(expected != before);

    CBusyProgress::SetDelayMs(0);
    m_view->OnRenumber();
    CBusyProgress::SetDelayMs(1000);
    QCOMPARE(fixtures::DumpTables(g_db), expected);
    // Past its delay the progress dialog shows the count, and goes with the command.
    QCOMPARE(CBusyProgress::TakeShownCounts(), QStringList{QStringLiteral("Renumbering channels: 7 of 7")});
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        QVERIFY(qobject_cast<QProgressDialog*>(widget) == nullptr || !widget->isVisible());
    }
}

void OrvaneViewTest::dragNearTheEdgesScrollsTheList() {
    for (int id = 100; id < 160; ++id) {
        QVERIFY(Exec(QString::fromStdString(fixtures::CopyChannelSql(7, id, "More", id))));
    }
    m_view->OnInitialUpdate();
    CRecordListCtrl* list = m_view->List();
    QCOMPARE(list->FirstVisibleRow(), 0);
    Select({0});
    StartDrag(0);
    CListDragController& drag = m_view->Dragger();
    const int lastFull = list->FirstVisibleRow() + list->RowsPerPage() - 1;
    QTest::mouseMove(list->viewport(), QPoint(40, list->RowBounds(lastFull).center().y()));
    QVERIFY(drag.ScrollDownRunning() && !drag.ScrollUpRunning());
    for (int tick = 0; tick < 3; ++tick) {
        drag.TickAutoScroll(false);
    }
    QCOMPARE(list->FirstVisibleRow(), 3);
    // Away from the edge the list stops, and over the first row it scrolls back.
    QTest::mouseMove(list->viewport(), QPoint(40, list->RowBounds(list->FirstVisibleRow() + 5).center().y()));
    const int stopped = list->FirstVisibleRow();
    QVERIFY(!drag.ScrollDownRunning() && !drag.ScrollUpRunning());
    QCOMPARE(list->FirstVisibleRow(), stopped);
    QTest::mouseMove(list->viewport(), QPoint(40, list->RowBounds(list->FirstVisibleRow()).center().y()));
    QVERIFY(drag.ScrollUpRunning() && !drag.ScrollDownRunning());
    for (int tick = 0; tick < stopped; ++tick) {
        drag.TickAutoScroll(true);
    }
    QCOMPARE(list->FirstVisibleRow(), 0);
    DragTo(m_tree->viewport(), QPoint(20, m_tree->viewport()->height() - 5));
}

// Guards against renumbering that matched rows by number and lost or doubled
// channels when the list no longer showed what is stored.
void OrvaneViewTest::renumberRefusesListNotMatchingTheDb() {
    QVERIFY(Exec(QString::fromStdString(fixtures::CopyChannelSql(7, 14, "Late", 4))));
    g_dbModified = false;
    m_view->OnRenumber();
    QCOMPARE(MessageBox::TakeShownTexts(),
             QStringList{QStringLiteral(
                 "The list does not show the channels stored in the DB.\nReopen the file and renumber again.")});
    QCOMPARE(QueryInt("SELECT count(*) FROM ChannelInfo"), 9);
    QCOMPARE(QueryInt("SELECT ch_order FROM ChannelInfo WHERE ch_id = 14"), 4);
    QVERIFY(!g_dbModified);

    QVERIFY(Exec("DELETE FROM ChannelInfo WHERE ch_id IN (2, 14)"));
    m_view->OnRenumber();
    QCOMPARE(MessageBox::TakeShownTexts().size(), 1);
    QCOMPARE(QueryInt("SELECT count(*) FROM ChannelInfo"), 7);
}

void OrvaneViewTest::renumberFailureLeavesTableAsItWas() {
    // Renumber writes the numbers alone: the fault comes at the update of channel 11.
    QVERIFY(Exec("CREATE TRIGGER refuse BEFORE UPDATE ON ChannelInfo WHEN new.ch_id = 11 "
                 "BEGIN SELECT RAISE(ABORT, 'no'); END"));
    Select({0});
    DropOnChannelRow(0, -1, 0);
    m_view->OnRenumber();
    QCOMPARE(MessageBox::TakeShownTexts(),
             QStringList{QStringLiteral("The new numbers could not be stored in the DB.\nNothing has been "
                                        "changed.")});
    QCOMPARE(QueryInt("SELECT count(*) FROM ChannelInfo"), 8);
    QCOMPARE(QueryInt("SELECT ch_order FROM ChannelInfo WHERE ch_id = 1"), 1);
    QCOMPARE(QueryInt("SELECT ch_order FROM ChannelInfo WHERE ch_id = 12"), 7);
    QCOMPARE(m_view->List()->CellText(6, kChannelNoColumn), QStringLiteral("1"));
    QVERIFY(sqlite3_get_autocommit(g_db) != 0);
}

void OrvaneViewTest::dropOnGroupTree() {
    // Channels 1 and 2 onto group 1, which holds both already, and 3.
    Select({0, 1, 2});
    StartDrag(0);
    DragTo(m_tree->viewport(), m_tree->ItemCentre(0));
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{"You already insert same channel!"}); // once for the drop
    QCOMPARE(QueryInt("SELECT count(*) FROM FAVListInfo WHERE favgrp_id = 1"), 3);
    QCOMPARE(QueryInt("SELECT count(*) FROM FAVListInfo WHERE favgrp_id = 1 AND ch_id = 3"), 1);
    QVERIFY(g_dbModified);

    // The root and empty space add nothing.
    for (const QPoint& point : {m_tree->ItemCentre(-1), QPoint(20, m_tree->viewport()->height() - 5)}) {
        Select({3});
        StartDrag(3);
        DragTo(m_tree->viewport(), point);
    }
    QCOMPARE(QueryInt("SELECT count(*) FROM FAVListInfo WHERE ch_id = 7"), 0);
    QVERIFY(MessageBox::TakeShownTexts().isEmpty());
}

void OrvaneViewTest::failedGroupDropStoresNothing() {
    QVERIFY(Exec("CREATE TRIGGER refuse BEFORE INSERT ON FAVListInfo WHEN new.ch_id = 7 "
                 "BEGIN SELECT RAISE(ABORT, 'no'); END"));
    Select({2, 3, 4});
    StartDrag(2);
    DragTo(m_tree->viewport(), m_tree->ItemCentre(1));
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{QStringLiteral("Error! Your job is canceled.")});
    QCOMPARE(QueryInt("SELECT count(*) FROM FAVListInfo WHERE favgrp_id = 2"), 1);
    QVERIFY(sqlite3_get_autocommit(g_db) != 0);
}

void OrvaneViewTest::dropOnFavList() {
    // No current group: nothing happens.
    Select({2});
    StartDrag(2);
    DragTo(m_favList->viewport(), QPoint(20, 20));
    QCOMPARE(QueryInt("SELECT count(*) FROM FAVListInfo"), 3);

    m_view->OnUpdate(nullptr, 1);
    m_favList->group = 1;
    m_favList->ReloadDropList();
    Select({1, 2, 3});
    StartDrag(1);
    DragTo(m_favList->viewport(), QPoint(20, 5));
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{QStringLiteral("You already insert \"ZDF\" channel!")});
    QCOMPARE(m_favList->RowCount(), 4);
    QCOMPARE(m_favList->CellText(2, 0), QStringLiteral("Radio 1"));
    QCOMPARE(m_favList->CellText(3, 0), QStringLiteral("Arte"));
    QCOMPARE(m_favList->RowId(3), QueryInt("SELECT favlist_id FROM FAVListInfo WHERE favgrp_id = 1 AND ch_id = 7"));
    QVERIFY(m_favList->SelectedRows().isEmpty());
}

// Guards against entries left on screen that the rollback removed from the file.
void OrvaneViewTest::rolledBackFavListDropReloadsTheList() {
    QVERIFY(Exec("CREATE TRIGGER refuse BEFORE INSERT ON FAVListInfo WHEN new.ch_id = 7 "
                 "BEGIN SELECT RAISE(ABORT, 'no'); END"));
    m_view->OnUpdate(nullptr, 2);
    m_favList->group = 2;
    m_favList->ReloadDropList();
    Select({2, 3});
    StartDrag(2);
    DragTo(m_favList->viewport(), QPoint(20, 5));
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{QStringLiteral("Error! Your job is canceled.")});
    QCOMPARE(m_favList->reloads, 2);
    QCOMPARE(m_favList->RowCount(), 1);
    QCOMPARE(QueryInt("SELECT count(*) FROM FAVListInfo WHERE favgrp_id = 2"), 1);
}

QTEST_MAIN(OrvaneViewTest)
#include "OrvaneViewTest.moc"
