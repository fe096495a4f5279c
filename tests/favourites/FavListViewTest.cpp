// The favourite list driven through its widgets: its column, the hints that fill
// it, the two removal paths with their own questions and failure handling, the
// context menu, exchanging entries by dragging with auto-scroll, and the channel
// list's deletes and drops reaching it end to end.
#include "favourites/FavListView.h"
#include "FavPanes.h"
#include "TestSupport.h"
#include "channels/OrvaneView.h"
#include "db/ChannelDB.h"
#include "favourites/FavGroupTree.h"
#include "favourites/FavGrpView.h"
#include "listctrl/RecordListCtrl.h"
#include "seams/PopupMenu.h"

#include <QHeaderView>
#include <QtTest>

#include <memory>

using namespace favtest;

class FavListViewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::ResetEnvironment(); }
    void init();
    void cleanup() { m_panes.reset(); }

    void oneRightAlignedServiceColumn();
    void hintsChooseAndReloadTheGroup();
    void menuRemovalAsksOnceAndRemovesAllSelected();
    void failedMenuRemovalRollsBackAndReloads();
    void deleteKeyRemovesEachOnItsOwn();
    void contextMenuItems();
    void draggingTheFirstEntryOntoTheThirdExchangesOnlyThose();
    void failedExchangeKeepsOrderAndEndsTheTransaction();
    void autoScrollWhileDragging();
    void channelDeletedInTheChannelListLeavesAtTheNextReload();
    void channelsDroppedOnTheList();

private:
    CRecordListCtrl* List() const { return m_panes->List()->List(); }
    void Select(const QList<int>& rows);
    QPoint RowCentre(int row) const { return QPoint(20, List()->RowBounds(row).center().y()); }
    void DragEntry(int from, const QPoint& to);

    std::unique_ptr<CFavPanes> m_panes;
};

void FavListViewTest::init() {
    testsupport::ResetEnvironment();
    m_panes = std::make_unique<CFavPanes>();
    QVERIFY(m_panes->OpenFavFixture());
    QCOMPARE(m_panes->List()->CurrentGroup(), 1);
}

void FavListViewTest::Select(const QList<int>& rows) {
    List()->clearSelection();
    for (const int row : rows) {
        List()->SetRowSelected(row, true);
    }
}

void FavListViewTest::DragEntry(int from, const QPoint& to) {
    Select({from});
    PressAndStartDrag(List()->viewport(), RowCentre(from));
    QVERIFY(m_panes->List()->Dragging());
    MoveAndRelease(List()->viewport(), to);
    QVERIFY(!m_panes->List()->Dragging());
}

void FavListViewTest::oneRightAlignedServiceColumn() {
    QCOMPARE(List()->ColumnCount(), 1);
    QCOMPARE(List()->Model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Service"));
    QCOMPARE(List()->Header()->sectionSize(0), 120);
    QVERIFY(List()->Model()->ColumnAlignment(0).testFlag(Qt::AlignRight));
    // A second initial update adds no column.
    m_panes->Reopen();
    QCOMPARE(List()->ColumnCount(), 1);
}

void FavListViewTest::hintsChooseAndReloadTheGroup() {
    QCOMPARE(m_panes->EntryNames(), (QStringList{"Das Erste", "ZDF", "Arte", "3sat"}));
    QCOMPARE(List()->RowId(1), 2);
    m_panes->List()->OnUpdate(nullptr, 3);
    QCOMPARE(m_panes->EntryNames(), QStringList{"Kika"});
    m_panes->List()->OnUpdate(nullptr, -1);
    QCOMPARE(List()->RowCount(), 0);
    // Hint 0 reloads the current group from the file.
    m_panes->List()->OnUpdate(nullptr, 2);
    QVERIFY(Exec("INSERT INTO FAVListInfo VALUES (2, 90, 'Arte', 90, 3, 0, 1)"));
    m_panes->List()->OnUpdate(nullptr, 0);
    QCOMPARE(m_panes->EntryNames(), (QStringList{"Das Erste", "Arte"}));
    // Without a database updates do nothing and the list is empty.
    m_panes->Close();
    m_panes->List()->OnUpdate(nullptr, 1);
    QCOMPARE(List()->RowCount(), 0);
}

void FavListViewTest::menuRemovalAsksOnceAndRemovesAllSelected() {
    Select({0, 2});
    m_panes->List()->OnEditDelete();
    QCOMPARE(List()->RowCount(), 4);
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    m_panes->List()->OnEditDelete();
    const QList<MessageBox::Shown> asked = MessageBox::TakeShown();
    QCOMPARE(asked.size(), 2);
    QCOMPARE(asked[1].text, QStringLiteral("Do you want to remove from favorite list?"));
    QCOMPARE(asked[1].buttons, MessageBox::Buttons::YesNo);
    QCOMPARE(asked[1].icon, MessageBox::Icon::Question);
    QCOMPARE(m_panes->EntryNames(), (QStringList{"ZDF", "3sat"}));
    QCOMPARE(StoredEntries(1), (QStringList{"ZDF", "3sat"}));
    QCOMPARE(QueryInt("SELECT count(*) FROM FAVListInfo WHERE ch_id = 1"), 1);
    QVERIFY(g_dbModified);
}

// Guards against removals left half stored, with an open transaction and a list
// that no longer matches the file.
void FavListViewTest::failedMenuRemovalRollsBackAndReloads() {
    QVERIFY(Exec("CREATE TRIGGER refuse BEFORE DELETE ON FAVListInfo WHEN old.favlist_id = 3 "
                 "BEGIN SELECT RAISE(ABORT, 'no'); END"));
    Select({0, 2, 3});
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    PopupMenu::QueueChoice(QStringLiteral("actionEditDelete"));
    emit List()->customContextMenuRequested(RowCentre(0));
    QCOMPARE(MessageBox::TakeShownTexts().last(),
             QStringLiteral("The entries could not be removed from the DB.\nNothing has been removed."));
    QCOMPARE(StoredEntries(1), (QStringList{"Das Erste", "ZDF", "Arte", "3sat"}));
    QCOMPARE(m_panes->EntryNames(), (QStringList{"Das Erste", "ZDF", "Arte", "3sat"}));
    QVERIFY(sqlite3_get_autocommit(g_db) != 0);
}

void FavListViewTest::deleteKeyRemovesEachOnItsOwn() {
    QVERIFY(Exec("CREATE TRIGGER refuse BEFORE DELETE ON FAVListInfo WHEN old.favlist_id = 3 "
                 "BEGIN SELECT RAISE(ABORT, 'no'); END"));
    Select({0, 2, 3});
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    QTest::keyClick(List(), Qt::Key_Delete);
    QCOMPARE(MessageBox::TakeShownTexts(),
             (QStringList{"Do you want to remove this favorite list from DB?", "Unvalid data is selected"}));
    // The removal before the failure stays, the failing entry and the one after it too.
    QCOMPARE(StoredEntries(1), (QStringList{"ZDF", "Arte", "3sat"}));
    QCOMPARE(m_panes->EntryNames(), (QStringList{"ZDF", "Arte", "3sat"}));
    QVERIFY(sqlite3_get_autocommit(g_db) != 0);

    QVERIFY(Exec("DROP TRIGGER refuse"));
    Select({1, 2});
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    QTest::keyClick(List(), Qt::Key_Delete);
    QCOMPARE(StoredEntries(1), QStringList{"ZDF"});
    QVERIFY(g_dbModified);
}

void FavListViewTest::contextMenuItems() {
    auto items = [this] {
        QStringList texts;
        emit List()->customContextMenuRequested(QPoint(10, 10));
        for (const auto& item : PopupMenu::TakeShown().value(0)) {
            texts << item.text + (item.enabled ? "+" : "-");
        }
        return texts;
    };
    QCOMPARE(items(), (QStringList{"Add-", "Edit\tSpace-", "Delete\tDel+", "Renumber-"}));
    m_panes->Close();
    QCOMPARE(items(), (QStringList{"Add-", "Edit\tSpace-", "Delete\tDel-", "Renumber-"}));
}

void FavListViewTest::draggingTheFirstEntryOntoTheThirdExchangesOnlyThose() {
    DragEntry(0, RowCentre(2));
    QCOMPARE(m_panes->EntryNames(), (QStringList{"Arte", "ZDF", "Das Erste", "3sat"}));
    QCOMPARE(List()->RowId(0), 3);
    QCOMPARE(List()->RowId(2), 1);
    QCOMPARE(StoredEntries(1), (QStringList{"Arte", "ZDF", "Das Erste", "3sat"}));
    QVERIFY(g_dbModified);
    // Below the last row: exchanged with the last entry.
    DragEntry(1, QPoint(20, List()->RowBounds(3).bottom() + 30));
    QCOMPARE(StoredEntries(1), (QStringList{"Arte", "3sat", "Das Erste", "ZDF"}));
    // Over another pane nothing is exchanged.
    Select({0});
    PressAndStartDrag(List()->viewport(), RowCentre(0));
    MoveAndRelease(m_panes->Groups()->Tree()->viewport(), m_panes->ItemCentre(2));
    QCOMPARE(StoredEntries(1), (QStringList{"Arte", "3sat", "Das Erste", "ZDF"}));
    QCOMPARE(m_panes->EntryNames(), (QStringList{"Arte", "3sat", "Das Erste", "ZDF"}));
}

// Guards against a failed exchange of two entries left half stored with its
// transaction open, while the list shows the exchange as done.
void FavListViewTest::failedExchangeKeepsOrderAndEndsTheTransaction() {
    QVERIFY(Exec("CREATE TRIGGER refuse BEFORE UPDATE ON FAVListInfo WHEN old.favlist_id = 3 "
                 "BEGIN SELECT RAISE(ABORT, 'no'); END"));
    DragEntry(0, RowCentre(2));
    QVERIFY(sqlite3_get_autocommit(g_db) != 0);
    QCOMPARE(StoredEntries(1), (QStringList{"Das Erste", "ZDF", "Arte", "3sat"}));
    QCOMPARE(m_panes->EntryNames(), (QStringList{"Das Erste", "ZDF", "Arte", "3sat"}));
    QVERIFY(!g_dbModified);
}

void FavListViewTest::autoScrollWhileDragging() {
    m_panes->List()->OnUpdate(nullptr, 4);
    const int page = List()->RowsPerPage();
    QVERIFY(page > 3 && page < 40);
    Select({1});
    PressAndStartDrag(List()->viewport(), RowCentre(1));
    QVERIFY(m_panes->List()->Dragging());
    QTest::mouseMove(List()->viewport(), RowCentre(page - 1));
    QVERIFY(m_panes->List()->Dragger().ScrollDownRunning());
    QVERIFY(!m_panes->List()->Dragger().ScrollUpRunning());
    m_panes->List()->Dragger().TickAutoScroll(false);
    m_panes->List()->Dragger().TickAutoScroll(false);
    QCOMPARE(List()->FirstVisibleRow(), 2);
    // On the first row of a scrolled page the list scrolls back up.
    QTest::mouseMove(List()->viewport(), RowCentre(2));
    QVERIFY(m_panes->List()->Dragger().ScrollUpRunning());
    QVERIFY(!m_panes->List()->Dragger().ScrollDownRunning());
    m_panes->List()->Dragger().TickAutoScroll(true);
    QCOMPARE(List()->FirstVisibleRow(), 1);
    // Away from the list both stop; ticks after the drag do nothing.
    QTest::mouseMove(m_panes->Groups()->Tree()->viewport(), QPoint(10, 10));
    QVERIFY(!m_panes->List()->Dragger().ScrollUpRunning());
    QTest::mouseMove(List()->viewport(), RowCentre(1));
    QVERIFY(m_panes->List()->Dragger().ScrollUpRunning());
    MoveAndRelease(List()->viewport(), RowCentre(1));
    QVERIFY(!m_panes->List()->Dragger().ScrollUpRunning());
    m_panes->List()->Dragger().TickAutoScroll(true);
    QCOMPARE(List()->FirstVisibleRow(), 1);
    QCOMPARE(StoredEntries(4).value(1), QStringLiteral("Chan 102"));
}

void FavListViewTest::channelDeletedInTheChannelListLeavesAtTheNextReload() {
    CRecordListCtrl* channels = m_panes->Channels()->List();
    channels->clearSelection();
    channels->SetRowSelected(1, true);
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    m_panes->Channels()->OnEditDelete();
    QCOMPARE(m_panes->EntryNames(), (QStringList{"Das Erste", "Arte", "3sat"}));
}

void FavListViewTest::channelsDroppedOnTheList() {
    CRecordListCtrl* channels = m_panes->Channels()->List();
    channels->clearSelection();
    for (const int row : {0, 4, 5}) {
        channels->SetRowSelected(row, true);
    }
    PressAndStartDrag(channels->viewport(), QPoint(20, channels->RowBounds(4).center().y()));
    QVERIFY(m_panes->Channels()->Dragging());
    MoveAndRelease(List()->viewport(), QPoint(20, 5));
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{QStringLiteral("You already insert \"Das Erste\" channel!")});
    QCOMPARE(m_panes->EntryNames(), (QStringList{"Das Erste", "ZDF", "Arte", "3sat", "Kika", "Chan 101"}));
    QCOMPARE(StoredEntries(1), m_panes->EntryNames());
    QCOMPARE(List()->RowId(5), QueryInt("SELECT favlist_id FROM FAVListInfo WHERE favgrp_id = 1 AND ch_id = 101"));
    // The new entries are what a reload shows.
    m_panes->List()->ReloadDropList();
    QCOMPARE(StoredEntries(1), m_panes->EntryNames());
}

QTEST_MAIN(FavListViewTest)
#include "FavListViewTest.moc"
