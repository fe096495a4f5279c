// The favourite group tree driven through its widgets: loading with its pictures
// and hints, the root's open/close toggle, Add with in-place naming, the label
// limit, keys during an edit, refusals on the root, Delete, the context menu,
// exchanging groups by dragging, and channels dropped onto a group end to end.
#include "favourites/FavGrpView.h"
#include "FavPanes.h"
#include "TestSupport.h"
#include "channels/OrvaneView.h"
#include "db/ChannelDB.h"
#include "db/UndoHistory.h"
#include "favourites/FavGroupTree.h"
#include "favourites/FavImages.h"
#include "favourites/FavListView.h"
#include "listctrl/RecordListCtrl.h"
#include "seams/PopupMenu.h"

#include <QAction>
#include <QLineEdit>
#include <QtTest>

#include <memory>

using namespace favtest;

class FavGrpViewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::ResetEnvironment(); }
    void init();
    void cleanup() { m_panes.reset(); }

    void loadsGroupsSelectsFirstAndTellsTheOtherViews();
    void withoutGroupsShowsTheRootAlone();
    void selectedRootOpensAndCloses();
    void addStoresNewAtOnceAndTheTypedNameAtTheEnd();
    void labelHoldsAtMostFifteenCharacters();
    void anEditThatChangesNothingRecordsNothing();
    void keysDuringAnEditGoToTheEditor();
    void renameAndDeleteRefusedOnTheRoot();
    void deleteRemovesTheGroupAndItsEntries();
    void contextMenuItems();
    void draggingTheThirdGroupOntoTheFirstExchangesThem();
    void dropOnRootOrEmptySpaceChangesNothing();
    void failedExchangeLeavesOrderAndTree();
    void channelsDroppedOnAGroup();

private:
    QLineEdit* Editor() const { return qobject_cast<QLineEdit*>(m_panes->Groups()->Tree()->LabelEditor()); }
    QWidget* Viewport() const { return m_panes->Groups()->Tree()->viewport(); }
    void DragGroup(int from, const QPoint& to);

    std::unique_ptr<CFavPanes> m_panes;
};

void FavGrpViewTest::init() {
    testsupport::ResetEnvironment();
    m_panes = std::make_unique<CFavPanes>();
    QVERIFY(m_panes->OpenFavFixture());
}

void FavGrpViewTest::DragGroup(int from, const QPoint& to) {
    PressAndStartDrag(Viewport(), m_panes->ItemCentre(from));
    QVERIFY(m_panes->Groups()->Dragging());
    MoveAndRelease(Viewport(), to);
    QVERIFY(!m_panes->Groups()->Dragging());
}

void FavGrpViewTest::loadsGroupsSelectsFirstAndTellsTheOtherViews() {
    QCOMPARE(m_panes->Item(-1)->text(0), QStringLiteral("Favorites"));
    QCOMPARE(CFavGrpView::GroupIdOf(m_panes->Item(-1)), 0);
    QCOMPARE(m_panes->GroupLabels(), (QStringList{"Sport", "News", "Kids", "Many"}));
    QCOMPARE(CFavGrpView::ImageOf(m_panes->Item(-1)), int(favimages::kRootOpen));
    QCOMPARE(CFavGrpView::ImageOf(m_panes->Item(2)), int(favimages::kGroup));
    QVERIFY(m_panes->Item(-1)->isExpanded());
    QVERIFY(m_panes->Item(0)->isSelected());
    QCOMPARE(m_panes->List()->CurrentGroup(), 1);
    QCOMPARE(m_panes->Channels()->CurrentFavGroup(), 1);
    QCOMPARE(m_panes->EntryNames(), (QStringList{"Das Erste", "ZDF", "Arte", "3sat"}));

    // Clicking another group switches both; the root sends 0, which keeps the group.
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, m_panes->ItemCentre(2));
    QCOMPARE(m_panes->EntryNames(), QStringList{"Kika"});
    QCOMPARE(m_panes->Channels()->CurrentFavGroup(), 3);
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, m_panes->ItemCentre(-1));
    QCOMPARE(m_panes->List()->CurrentGroup(), 3);
    QCOMPARE(m_panes->EntryNames(), QStringList{"Kika"});

    // Without a database the tree is empty, not even the root.
    m_panes->Close();
    QCOMPARE(m_panes->Groups()->Tree()->topLevelItemCount(), 0);
}

void FavGrpViewTest::withoutGroupsShowsTheRootAlone() {
    QVERIFY(m_panes->Open(m_panes->Folder().Write(QStringLiteral("empty"), QStringLiteral("empty.dat"))));
    QCOMPARE(m_panes->Groups()->Tree()->topLevelItemCount(), 1);
    QCOMPARE(m_panes->Item(-1)->childCount(), 0);
    QCOMPARE(m_panes->List()->CurrentGroup(), -1);
    QCOMPARE(m_panes->List()->List()->RowCount(), 0);
    QCOMPARE(m_panes->Channels()->CurrentFavGroup(), -1);
}

void FavGrpViewTest::selectedRootOpensAndCloses() {
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, m_panes->ItemCentre(-1));
    QVERIFY(m_panes->Item(-1)->isExpanded());
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, m_panes->ItemCentre(-1));
    QVERIFY(!m_panes->Item(-1)->isExpanded());
    QCOMPARE(CFavGrpView::ImageOf(m_panes->Item(-1)), int(favimages::kRootClosed));
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, m_panes->ItemCentre(-1));
    QVERIFY(m_panes->Item(-1)->isExpanded());
    QCOMPARE(CFavGrpView::ImageOf(m_panes->Item(-1)), int(favimages::kRootOpen));
}

void FavGrpViewTest::addStoresNewAtOnceAndTheTypedNameAtTheEnd() {
    m_panes->Groups()->OnEditAdd();
    QVERIFY(Editor() != nullptr);
    // Stored before the user has typed anything: next id, last place.
    QCOMPARE(StoredGroups().last(), QStringLiteral("New"));
    QCOMPARE(QueryInt("SELECT FAVGRP_ID FROM FAVGRPInfo WHERE FAVGRP_Seq = 5"), 5);
    QVERIFY(g_dbModified);
    QCOMPARE(m_panes->List()->CurrentGroup(), 5);
    QCOMPARE(m_panes->List()->List()->RowCount(), 0);
    Editor()->selectAll();
    QTest::keyClicks(Editor(), QStringLiteral("Film"));
    QTest::keyClick(Editor(), Qt::Key_Return);
    QTRY_VERIFY(Editor() == nullptr);
    QCOMPARE(m_panes->GroupLabels().last(), QStringLiteral("Film"));
    QCOMPARE(StoredGroups().last(), QStringLiteral("Film"));

    // Esc keeps "New" in the file and on screen.
    m_panes->Groups()->OnEditAdd();
    QTest::keyClicks(Editor(), QStringLiteral("Musik"));
    QTest::keyClick(Editor(), Qt::Key_Escape);
    QTRY_VERIFY(Editor() == nullptr);
    QCOMPARE(m_panes->GroupLabels().last(), QStringLiteral("New"));
    QCOMPARE(StoredGroups(), (QStringList{"Sport", "News", "Kids", "Many", "Film", "New"}));
}

void FavGrpViewTest::labelHoldsAtMostFifteenCharacters() {
    QTest::keyClick(m_panes->Groups()->Tree(), Qt::Key_F2);
    QVERIFY(Editor() != nullptr);
    Editor()->selectAll();
    QTest::keyClicks(Editor(), QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
    QCOMPARE(Editor()->text(), QStringLiteral("ABCDEFGHIJKLMNO"));
    QTest::keyClick(Editor(), Qt::Key_Enter);
    QTRY_VERIFY(Editor() == nullptr);
    QCOMPARE(StoredGroups().first(), QStringLiteral("ABCDEFGHIJKLMNO"));
    // Multi-byte letters: the record keeps 15 bytes, and the tree shows what it kept.
    m_panes->Groups()->OnEditEdit();
    Editor()->setText(QString(15, QChar(0xE9)));
    QTest::keyClick(Editor(), Qt::Key_Enter);
    QTRY_VERIFY(Editor() == nullptr);
    QCOMPARE(StoredGroups().first(), QString(7, QChar(0xE9)));
    QCOMPARE(m_panes->GroupLabels().first(), QString(7, QChar(0xE9)));
}

void FavGrpViewTest::anEditThatChangesNothingRecordsNothing() {
    const std::string undoBefore = UndoHistory().UndoName();
    QTest::keyClick(m_panes->Groups()->Tree(), Qt::Key_F2);
    QVERIFY(Editor() != nullptr);
    QTest::keyClick(Editor(), Qt::Key_Return);
    QTRY_VERIFY(Editor() == nullptr);
    QCOMPARE(UndoHistory().UndoName(), undoBefore);
    QCOMPARE(g_dbModified, int16_t(0));
    QCOMPARE(StoredGroups().first(), QStringLiteral("Sport"));
}

void FavGrpViewTest::keysDuringAnEditGoToTheEditor() {
    // Window shortcuts that would act on the tree or the file.
    int fired = 0;
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Delete), QKeySequence(Qt::CTRL | Qt::Key_S)}) {
        auto* action = new QAction(m_panes->Window());
        action->setObjectName(QStringLiteral("actionShortcut"));
        action->setShortcut(keys);
        m_panes->Window()->addAction(action);
        connect(action, &QAction::triggered, this, [&fired] { ++fired; });
    }
    m_panes->Groups()->OnEditEdit();
    QTest::keyClick(Editor(), Qt::Key_Home);
    QTest::keyClick(Editor(), Qt::Key_Delete);
    QCOMPARE(Editor()->text(), QStringLiteral("port"));
    QTest::keyClick(Editor(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(Editor(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(Editor()->selectedText(), QStringLiteral("port"));
    QCOMPARE(fired, 0);
    QVERIFY(MessageBox::TakeShownTexts().isEmpty());
    QTest::keyClick(Editor(), Qt::Key_Return);
    QTRY_VERIFY(Editor() == nullptr);
    QCOMPARE(StoredGroups().first(), QStringLiteral("port"));

    // Outside an edit the Delete key asks about the selected group.
    qDeleteAll(m_panes->Window()->findChildren<QAction*>(QStringLiteral("actionShortcut")));
    QTest::keyClick(m_panes->Groups()->Tree(), Qt::Key_Delete);
    QCOMPARE(MessageBox::TakeShownTexts(),
             QStringList{QStringLiteral("Do you want to remove this favorite group from DB?")});
    QCOMPARE(StoredGroups().size(), 4);
}

// Guards against the root being renamed or removed with all groups on screen
// while the file keeps them.
void FavGrpViewTest::renameAndDeleteRefusedOnTheRoot() {
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, m_panes->ItemCentre(-1));
    QVERIFY(m_panes->Item(-1)->isSelected());
    m_panes->Groups()->OnEditEdit();
    QTest::keyClick(m_panes->Groups()->Tree(), Qt::Key_F2);
    QVERIFY(Editor() == nullptr);
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    m_panes->Groups()->OnEditDelete();
    QTest::keyClick(m_panes->Groups()->Tree(), Qt::Key_Delete);
    QVERIFY(MessageBox::TakeShownTexts().isEmpty());
    QCOMPARE(m_panes->Item(-1)->text(0), QStringLiteral("Favorites"));
    QCOMPARE(m_panes->GroupLabels().size(), 4);
    QCOMPARE(StoredGroups().size(), 4);
    MessageBox::TakeShown();
}

void FavGrpViewTest::deleteRemovesTheGroupAndItsEntries() {
    // No: nothing changes.
    m_panes->Groups()->OnEditDelete();
    QCOMPARE(StoredGroups().size(), 4);
    const QList<MessageBox::Shown> asked = MessageBox::TakeShown();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].text, QStringLiteral("Do you want to remove this favorite group from DB?"));
    QCOMPARE(asked[0].buttons, MessageBox::Buttons::YesNo);
    QCOMPARE(asked[0].icon, MessageBox::Icon::Question);

    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    m_panes->Groups()->OnEditDelete();
    QCOMPARE(m_panes->GroupLabels(), (QStringList{"News", "Kids", "Many"}));
    QCOMPARE(StoredGroups(), (QStringList{"News", "Kids", "Many"}));
    QCOMPARE(QueryInt("SELECT count(*) FROM FAVListInfo WHERE favgrp_id = 1"), 0);
    QCOMPARE(QueryInt("SELECT count(*) FROM FAVListInfo WHERE ch_id = 1"), 1);
    QCOMPARE(m_panes->List()->List()->RowCount(), 0);
    QVERIFY(g_dbModified);
    // Guards against channel drops stored into the deleted group, where nobody
    // would ever see them.
    QCOMPARE(m_panes->Channels()->CurrentFavGroup(), -1);
    QCOMPARE(m_panes->List()->CurrentGroup(), -1);
}

void FavGrpViewTest::contextMenuItems() {
    auto itemsAt = [this](int index) {
        QStringList items;
        emit m_panes->Groups()->Tree()->customContextMenuRequested(m_panes->ItemCentre(index));
        for (const auto& item : PopupMenu::TakeShown().value(0)) {
            items << item.text + (item.enabled ? "+" : "-");
        }
        return items;
    };
    QCOMPARE(itemsAt(1), (QStringList{"Add+", "Edit\tSpace+", "Delete\tDel+", "Renumber-"}));
    QCOMPARE(m_panes->List()->CurrentGroup(), 2);
    QCOMPARE(itemsAt(-1), (QStringList{"Add+", "Edit\tSpace-", "Delete\tDel-", "Renumber-"}));
    emit m_panes->Groups()->Tree()->customContextMenuRequested(QPoint(5, Viewport()->height() - 5));
    QVERIFY(PopupMenu::TakeShown().isEmpty());

    // A command reached through the menu.
    PopupMenu::QueueChoice(QStringLiteral("actionEditAdd"));
    emit m_panes->Groups()->Tree()->customContextMenuRequested(m_panes->ItemCentre(0));
    QCOMPARE(StoredGroups().last(), QStringLiteral("New"));
}

void FavGrpViewTest::draggingTheThirdGroupOntoTheFirstExchangesThem() {
    DragGroup(2, m_panes->ItemCentre(0));
    QCOMPARE(m_panes->GroupLabels(), (QStringList{"Kids", "News", "Sport", "Many"}));
    QCOMPARE(CFavGrpView::GroupIdOf(m_panes->Item(0)), 3);
    QCOMPARE(CFavGrpView::GroupIdOf(m_panes->Item(2)), 1);
    QCOMPARE(m_panes->Groups()->DropTarget(), nullptr);
    QVERIFY(g_dbModified);
    // The dragged group stays selected and current.
    QVERIFY(m_panes->Item(0)->isSelected());
    QCOMPARE(m_panes->List()->CurrentGroup(), 3);
    QVERIFY(m_panes->Reopen());
    QCOMPARE(m_panes->GroupLabels(), (QStringList{"Kids", "News", "Sport", "Many"}));
}

void FavGrpViewTest::dropOnRootOrEmptySpaceChangesNothing() {
    DragGroup(2, m_panes->ItemCentre(-1));
    DragGroup(1, QPoint(5, Viewport()->height() - 5));
    // Released over another pane.
    PressAndStartDrag(Viewport(), m_panes->ItemCentre(3));
    MoveAndRelease(m_panes->List()->List()->viewport(), QPoint(10, 10));
    // The root does not start a drag.
    PressAndStartDrag(Viewport(), m_panes->ItemCentre(-1));
    QVERIFY(!m_panes->Groups()->Dragging());
    QTest::mouseRelease(Viewport(), Qt::LeftButton, {}, m_panes->ItemCentre(0));
    QCOMPARE(m_panes->GroupLabels(), (QStringList{"Sport", "News", "Kids", "Many"}));
    QCOMPARE(StoredGroups(), (QStringList{"Sport", "News", "Kids", "Many"}));
    QVERIFY(!g_dbModified);
}

// Guards against a group left parked outside the order when the second step of
// an exchange fails, while the tree shows the exchange as done.
void FavGrpViewTest::failedExchangeLeavesOrderAndTree() {
    QVERIFY(Exec("CREATE TRIGGER refuse BEFORE UPDATE ON FAVGRPInfo WHEN new.FAVGRP_Seq <> 1000 "
                 "BEGIN SELECT RAISE(ABORT, 'no'); END"));
    DragGroup(2, m_panes->ItemCentre(0));
    QCOMPARE(m_panes->GroupLabels(), (QStringList{"Sport", "News", "Kids", "Many"}));
    QCOMPARE(QueryInt("SELECT count(*) FROM FAVGRPInfo WHERE FAVGRP_Seq = 1000"), 0);
    QVERIFY(sqlite3_get_autocommit(g_db) != 0);
}

void FavGrpViewTest::channelsDroppedOnAGroup() {
    CRecordListCtrl* channels = m_panes->Channels()->List();
    // Channels 2, 3 and 5 onto "Sport", which holds 2 and 3 already.
    channels->clearSelection();
    for (const int row : {1, 2, 4}) {
        channels->SetRowSelected(row, true);
    }
    PressAndStartDrag(channels->viewport(), QPoint(20, channels->RowBounds(1).center().y()));
    QVERIFY(m_panes->Channels()->Dragging());
    QTest::mouseMove(Viewport(), m_panes->ItemCentre(0));
    QCOMPARE(m_panes->Groups()->DropTarget(), m_panes->Item(0));
    MoveAndRelease(Viewport(), m_panes->ItemCentre(0));
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{"You already insert same channel!"}); // once for the drop
    QCOMPARE(StoredEntries(1), (QStringList{"Das Erste", "ZDF", "Arte", "3sat", "Kika"}));
    QCOMPARE(m_panes->Groups()->DropTarget(), nullptr);
    // "Sport" is the current group: the list shows the new entry.
    QCOMPARE(m_panes->EntryNames().last(), QStringLiteral("Kika"));

    // On the root nothing is added.
    channels->clearSelection();
    channels->SetRowSelected(5, true);
    PressAndStartDrag(channels->viewport(), QPoint(20, channels->RowBounds(5).center().y()));
    MoveAndRelease(Viewport(), m_panes->ItemCentre(-1));
    QCOMPARE(QueryInt("SELECT count(*) FROM FAVListInfo WHERE ch_id = 101"), 1);
    QVERIFY(MessageBox::TakeShownTexts().isEmpty());
}

QTEST_MAIN(FavGrpViewTest)
#include "FavGrpViewTest.moc"
