// The satellite and transponder view with its Edit Sattelite and Edit NIT dialogs,
// driven through the widgets and checked against the stored tables.
#include "satellites/NITView.h"
#include "FixtureBuilder.h"
#include "TestSupport.h"
#include "db/ChannelDB.h"
#include "document/OrvaneDoc.h"
#include "listctrl/RecordListCtrl.h"
#include "seams/ModalDialog.h"
#include "seams/PopupMenu.h"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using testsupport::Exec;
using testsupport::QueryInt;
using testsupport::QueryText;

namespace {

// Satellites in user order: 1 "Astra" (TPs 5, 6), 2 "Hotbird" (TP 9), 3 "Thor"
// (TP 11), 4 "Amos" at -50 (TP 12). Each has one channel (1..4) with a favourite
// entry, satellites 1 to 3 an LNB row each.
void WriteSatFixture(const QString& path) {
    fixtures::FixtureDb db(path.toStdString());
    db.AddSat(1, "Astra", 192, 1);
    db.AddSat(2, "Hotbird", 130, 2);
    db.AddSat(3, "Thor", -8, 3);
    db.AddSat(4, "Amos", -50, 4);
    db.AddNit(5, 1, 11778000, 27500, 3, 1);
    db.AddNit(6, 1, 12000000, 27500, 2, 0);
    db.AddNit(9, 2, 10971000, 29700, 2, 1);
    db.AddNit(11, 3, 10872000, 25000, 3, 0);
    db.AddNit(12, 4, 11139000, 27500, 1, 1);
    db.AddFavGroup(1, "Fav", 1);
    for (int id = 1; id <= 4; ++id) {
        const int nit = std::array{5, 9, 11, 12}[static_cast<size_t>(id - 1)];
        db.AddChannel({.chId = id, .name = "Ch" + std::to_string(id), .nitId = nit, .satId = id, .order = id});
        db.AddFavEntry(1, id, "Ch" + std::to_string(id), id, id);
        if (id <= 3) {
            db.AddLnb(0, id, nit, 9750, 10600, 2, id, 2);
        }
    }
}

template <typename T> T* Child(QWidget& root, const char* name) {
    T* child = root.findChild<T*>(QLatin1String(name));
    if (child == nullptr) {
        qFatal("missing %s", name);
    }
    return child;
}

void Type(QDialog& dlg, const char* edit, const QString& text) {
    Child<QLineEdit>(dlg, edit)->setText(text);
}

void Choose(QDialog& dlg, const char* combo, int index) {
    Child<QComboBox>(dlg, combo)->setCurrentIndex(index);
}

void PressOk(QDialog& dlg) {
    QTest::mouseClick(Child<QPushButton>(dlg, "okButton"), Qt::LeftButton);
}

// Counts the "database changed" notices the other views receive.
class CUpdateCounter : public CDocView {
public:
    using CDocView::CDocView;
    void OnUpdate(CDocView*, int hint) override { count += hint == 0 ? 1 : 0; }
    int count = 0;
};

} // namespace

class NitViewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::ResetEnvironment(); }
    void init();
    void cleanup();

    void positionRules_data();
    void positionRules();
    void editOpensStoredPositionAndKeepsOtherFields();
    void newSatelliteGetsNextSeqAndAdded();
    void transponderUnitsAndLists();
    void clickLoadsTranspondersKeyboardDoesNot();
    void dragReordersSatellites_data();
    void dragReordersSatellites();
    void releaseOverHeaderOfScrolledListChangesNothing();
    void failedMoveKeepsTheStoredOrder();
    void deleteThreeSatellitesWithEveryDependent();
    void keypadDelDeletes();
    void failedReadBackStillMarksModified();
    void contextMenuTargetsClickedList();
    void rightClickLoadsTranspondersAsAClickDoes();

private:
    void Open();
    QStringList SatNames() const;
    QStringList StoredSatNames() const;
    QList<int32_t> TpIds() const;
    void ClickSat(int row);
    void Menu(CRecordListCtrl* list, const char* choice);

    std::unique_ptr<testsupport::FixtureFolder> m_folder;
    std::unique_ptr<COrvaneDoc> m_doc;
    std::unique_ptr<QWidget> m_window;
    CNITView* m_view = nullptr;
    QString m_path;
};

void NitViewTest::init() {
    testsupport::ResetEnvironment();
    m_folder = std::make_unique<testsupport::FixtureFolder>();
    m_path = m_folder->Path(QStringLiteral("sats.dat"));
    m_doc = std::make_unique<COrvaneDoc>();
    m_window = std::make_unique<QWidget>();
    // Within the offscreen screen, where the window under the pointer is looked up.
    m_window->resize(700, 400);
    auto* layout = new QHBoxLayout(m_window.get());
    m_view = new CNITView(m_doc.get());
    layout->addWidget(m_view);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    Open();
}

void NitViewTest::cleanup() {
    m_window.reset();
    m_doc.reset();
    testsupport::CloseDbDirect();
}

void NitViewTest::Open() {
    testsupport::CloseDbDirect();
    WriteSatFixture(m_path);
    QVERIFY(testsupport::OpenDbDirect(m_path));
    m_view->OnInitialUpdate();
}

QStringList NitViewTest::SatNames() const {
    QStringList names;
    for (int row = 0; row < m_view->SatList()->RowCount(); ++row) {
        names << m_view->SatList()->CellText(row, 1);
    }
    return names;
}

QStringList NitViewTest::StoredSatNames() const {
    return QueryText(QStringLiteral("SELECT group_concat(Name) FROM (SELECT Name FROM SATInfo ORDER BY SAT_seq)"))
        .split(QLatin1Char(','));
}

QList<int32_t> NitViewTest::TpIds() const {
    QList<int32_t> ids;
    for (int row = 0; row < m_view->TpList()->RowCount(); ++row) {
        ids << m_view->TpList()->RowId(row);
    }
    return ids;
}

void NitViewTest::ClickSat(int row) {
    const QPoint point(40, m_view->SatList()->RowBounds(row).center().y());
    QTest::mouseClick(m_view->SatList()->viewport(), Qt::LeftButton, {}, point);
}

void NitViewTest::Menu(CRecordListCtrl* list, const char* choice) {
    PopupMenu::QueueChoice(QLatin1String(choice));
    emit list->customContextMenuRequested(QPoint(5, 5));
}

void NitViewTest::positionRules_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("direction"); // -1 none, 0 EAST, 1 WEST
    QTest::addColumn<int>("stored");    // -9999: refused as out of range, -9998 as no number
    QTest::newRow("180.0 east") << "180.0" << 0 << 1800;
    // Guards the exact limit: a range check that is off by one tenth either way.
    QTest::newRow("180.1 east refused") << "180.1" << 0 << -9999;
    QTest::newRow("180.0 west") << "180.0" << 1 << -1800;
    QTest::newRow("13 east") << "13" << 0 << 130;
    QTest::newRow("13 west") << "13" << 1 << -130;
    QTest::newRow("13 no direction") << "13" << -1 << -130;
    QTest::newRow("-5 east") << "-5" << 0 << -50;
    QTest::newRow("-5 west") << "-5" << 1 << 50;
    QTest::newRow("leading blank, cut toward zero") << " 19.27" << 0 << 192;
    QTest::newRow("no digits refused") << "abc" << 0 << -9998;
    QTest::newRow("fraction without digits refused") << "1.2.3" << 0 << -9998;
}

void NitViewTest::positionRules() {
    QFETCH(QString, typed);
    QFETCH(int, direction);
    QFETCH(int, stored);
    ModalDialog::QueueScript([&](QDialog& dlg) {
        Type(dlg, "nameEdit", QStringLiteral("New"));
        Choose(dlg, "directionCombo", direction);
        Type(dlg, "positionEdit", typed);
        PressOk(dlg);
        if (stored <= -9998) {
            QCOMPARE(MessageBox::TakeShownTexts(),
                     QStringList{stored == -9999 ? "It's invalid longitude range." : "Position must be a number."});
            QVERIFY(dlg.isVisible());
            dlg.reject();
        }
    });
    m_view->OnEditAdd();
    QCOMPARE(QueryInt(QStringLiteral("SELECT position FROM SATInfo WHERE Name = 'New'")),
             stored <= -9998 ? -999 : stored);
    QCOMPARE(m_view->SatList()->RowCount(), stored <= -9998 ? 4 : 5);
}

void NitViewTest::editOpensStoredPositionAndKeepsOtherFields() {
    QVERIFY(Exec(QStringLiteral("UPDATE SATInfo SET posi_index = 7, position_org = -45, added = 1 WHERE SAT_ID = 4")));
    m_view->SatList()->SetRowSelected(3, true);
    ModalDialog::QueueScript([](QDialog& dlg) {
        QCOMPARE(Child<QComboBox>(dlg, "directionCombo")->currentText(), QStringLiteral("WEST"));
        QCOMPARE(Child<QLineEdit>(dlg, "positionEdit")->text(), QStringLiteral("5.0"));
        Type(dlg, "nameEdit", QStringLiteral("Amos 4W"));
        PressOk(dlg);
    });
    QTest::keyClick(m_view->SatList(), Qt::Key_Space);
    QCOMPARE(m_view->SatList()->RowTexts(3), (QStringList{"4", "Amos 4W", "W   5.0"}));
    QCOMPARE(QueryText(QStringLiteral("SELECT posi_index||','||SAT_seq||','||position||','||position_org||','||added "
                                      "FROM SATInfo WHERE SAT_ID = 4")),
             QStringLiteral("7,4,-50,-45,1"));
    QCOMPARE(g_dbModified, int16_t(1));
}

void NitViewTest::newSatelliteGetsNextSeqAndAdded() {
    QVERIFY(Exec(QStringLiteral("UPDATE SATInfo SET SAT_seq = 9 WHERE SAT_ID = 4")));
    m_view->OnInitialUpdate();
    ModalDialog::QueueScript([](QDialog& dlg) {
        Type(dlg, "nameEdit", QStringLiteral("Eutelsat"));
        Choose(dlg, "directionCombo", 0);
        Type(dlg, "positionEdit", QStringLiteral("7"));
        PressOk(dlg);
    });
    m_view->OnEditAdd();
    QCOMPARE(m_view->SatList()->RowTexts(4), (QStringList{"10", "Eutelsat", "E   7.0"}));
    QCOMPARE(m_view->SatList()->RowId(4), 5);
    QCOMPARE(QueryText(QStringLiteral("SELECT SAT_seq||','||position||','||position_org||','||added||','||posi_index "
                                      "FROM SATInfo WHERE SAT_ID = 5")),
             QStringLiteral("10,70,70,1,0"));
}

void NitViewTest::transponderUnitsAndLists() {
    // No satellite shown: a new transponder would belong to none, so it is refused.
    Menu(m_view->TpList(), "actionEditAdd");
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{"Click the satellite of the new TP in the left list first."});
    QCOMPARE(ModalDialog::TakeRunCount(), 0);

    ClickSat(1);
    ModalDialog::QueueScript([](QDialog& dlg) {
        Type(dlg, "frequencyEdit", QStringLiteral("11778"));
        Type(dlg, "symbolRateEdit", QStringLiteral("27500"));
        Choose(dlg, "polarityCombo", 1); // "Horizontal"
        Choose(dlg, "fecCombo", 2);      // "3/4"
        PressOk(dlg);
    });
    Menu(m_view->TpList(), "actionEditAdd");
    QCOMPARE(QueryText(QStringLiteral("SELECT SAT_ID||','||Frequency||','||Symbol_Rate||','||POL||','||fec "
                                      "FROM NITInfo WHERE NIT_ID = 13")),
             QStringLiteral("2,11778000,27500,1,3"));
    QCOMPARE(m_view->TpList()->RowTexts(1), (QStringList{"11778", "27500", "Horizontal", "3/4"}));

    QVERIFY(Exec(QStringLiteral("UPDATE NITInfo SET Frequency = 11778500 WHERE NIT_ID = 13")));
    m_view->TpList()->SetRowSelected(1, true);
    ModalDialog::QueueScript([](QDialog& dlg) {
        QCOMPARE(Child<QLineEdit>(dlg, "frequencyEdit")->text(), QStringLiteral("11778"));
        QCOMPARE(Child<QComboBox>(dlg, "fecCombo")->currentText(), QStringLiteral("3/4"));
        dlg.reject();
    });
    QTest::keyClick(m_view->TpList(), Qt::Key_Space);
    QCOMPARE(ModalDialog::TakeRunCount(), 2);
}

void NitViewTest::clickLoadsTranspondersKeyboardDoesNot() {
    QVERIFY(m_view->TpList()->RowCount() == 0);
    ClickSat(0);
    QCOMPARE(TpIds(), (QList<int32_t>{5, 6}));
    ClickSat(1);
    QCOMPARE(TpIds(), (QList<int32_t>{9}));
    QTest::keyClick(m_view->SatList(), Qt::Key_Down);
    QCOMPARE(m_view->SatList()->FirstSelectedRow(), 2);
    QCOMPARE(TpIds(), (QList<int32_t>{9}));
    // Clicking the same satellite again reads its transponders again.
    QVERIFY(Exec(QStringLiteral("UPDATE NITInfo SET SAT_ID = 2 WHERE NIT_ID = 6")));
    ClickSat(1);
    QCOMPARE(TpIds(), (QList<int32_t>{6, 9}));
}

void NitViewTest::dragReordersSatellites_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("over"); // "row:N:Y" (Y pixels below the row's top), "below", "header", "tps"
    QTest::addColumn<QStringList>("names");
    const QStringList unchanged{"Astra", "Hotbird", "Thor", "Amos"};
    QTest::newRow("third onto first") << 2 << "row:0:mid" << QStringList{"Thor", "Hotbird", "Astra", "Amos"};
    QTest::newRow("down, 10 px below in next row")
        << 0 << "row:2:end" << QStringList{"Thor", "Hotbird", "Astra", "Amos"};
    QTest::newRow("down, 10 px below in same row") << 0 << "row:2:1" << QStringList{"Hotbird", "Astra", "Thor", "Amos"};
    QTest::newRow("below the last row") << 0 << "below" << QStringList{"Amos", "Hotbird", "Thor", "Astra"};
    QTest::newRow("onto itself") << 1 << "row:1:mid" << unchanged;
    // Regression: a release over the header swapped the row with the last one.
    QTest::newRow("over the header") << 2 << "header" << unchanged;
    QTest::newRow("over the transponder list") << 2 << "tps" << unchanged;
}

void NitViewTest::dragReordersSatellites() {
    QFETCH(int, from);
    QFETCH(QString, over);
    QFETCH(QStringList, names);
    CRecordListCtrl* list = m_view->SatList();
    list->SetRowSelected(from, true);
    testsupport::StartRowDrag(list, from);
    QVERIFY(m_view->Dragging());
    const QStringList where = over.split(QLatin1Char(':'));
    if (where[0] == QLatin1String("row")) {
        const QRect row = list->RowBounds(where[1].toInt());
        const int y = where[2] == QLatin1String("mid")   ? row.center().y()
                      : where[2] == QLatin1String("end") ? row.bottom() - 3
                                                         : row.top() + where[2].toInt();
        testsupport::MoveAndRelease(list->viewport(), QPoint(40, y));
    } else if (where[0] == QLatin1String("below")) {
        testsupport::MoveAndRelease(list->viewport(), QPoint(40, list->RowBounds(3).bottom() + 20));
    } else if (where[0] == QLatin1String("header")) {
        testsupport::MoveAndRelease(list->header(), QPoint(40, list->header()->height() / 2));
    } else {
        testsupport::MoveAndRelease(m_view->TpList()->viewport(), QPoint(40, 10));
    }
    QVERIFY(!m_view->Dragging());
    QCOMPARE(SatNames(), names);
    QCOMPARE(StoredSatNames(), names);
    for (int row = 0; row < list->RowCount(); ++row) {
        QCOMPARE(list->CellText(row, 0), QString::number(row + 1));
    }
    QCOMPARE(g_dbModified, int16_t(names != QStringList{"Astra", "Hotbird", "Thor", "Amos"} ? 1 : 0));
}

void NitViewTest::releaseOverHeaderOfScrolledListChangesNothing() {
    for (int id = 20; id < 60; ++id) {
        QVERIFY(Exec(QStringLiteral("INSERT INTO SATInfo VALUES (%1, 'Sat %1', 0, 0, %1, 10, 10, 0)").arg(id)));
    }
    m_view->OnInitialUpdate();
    CRecordListCtrl* list = m_view->SatList();
    list->EnsureRowVisible(list->RowCount() - 1);
    const int top = list->FirstVisibleRow();
    QVERIFY(top > 1);
    const QStringList before = StoredSatNames();
    list->SetRowSelected(top + 1, true);
    testsupport::StartRowDrag(list, top + 1);
    // Regression: over the header the row above the page, or the last, was taken.
    testsupport::MoveAndRelease(list->header(), QPoint(40, list->header()->height() / 2));
    QCOMPARE(StoredSatNames(), before);
    QCOMPARE(SatNames(), before);
}

// A failing step of an exchange was committed: a satellite stayed parked at SAT_seq 2000.
void NitViewTest::failedMoveKeepsTheStoredOrder() {
    const QStringList before = StoredSatNames();
    QVERIFY(Exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON SATInfo WHEN new.SAT_seq <> 2000 "
                                "BEGIN SELECT RAISE(ABORT, 'no'); END")));
    CRecordListCtrl* list = m_view->SatList();
    list->SetRowSelected(2, true);
    testsupport::StartRowDrag(list, 2);
    testsupport::MoveAndRelease(list->viewport(), list->RowBounds(0).center());
    QCOMPARE(StoredSatNames(), before);
    QCOMPARE(SatNames(), before);
    QCOMPARE(g_dbModified, int16_t(0));
    QVERIFY(sqlite3_get_autocommit(g_db) != 0); // no transaction left open
}

void NitViewTest::deleteThreeSatellitesWithEveryDependent() {
    CUpdateCounter other(m_doc.get());
    ClickSat(1);
    for (const int row : {0, 2}) {
        m_view->SatList()->SetRowSelected(row, true);
    }
    // Guards the multi-row delete: one question for all rows, every selected row (not
    // a row shifted into its place) deleted, and nothing of a deleted satellite left.
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    QTest::keyClick(m_view->SatList(), Qt::Key_Delete);
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{"Do you want to delete this item from DB?"});
    QCOMPARE(SatNames(), QStringList{"Amos"});
    QCOMPARE(m_view->TpList()->RowCount(), 0);
    QCOMPARE(other.count, 3);
    QCOMPARE(QueryText(QStringLiteral("SELECT (SELECT group_concat(SAT_ID) FROM SATInfo) ||'|'|| "
                                      "(SELECT group_concat(NIT_ID) FROM NITInfo) ||'|'|| "
                                      "(SELECT count(*) FROM LNBInfo) ||'|'|| "
                                      "(SELECT group_concat(ch_id) FROM ChannelInfo) ||'|'|| "
                                      "(SELECT group_concat(ch_id) FROM FAVListInfo)")),
             QStringLiteral("4|12|0|4|4"));
    QCOMPARE(g_dbModified, int16_t(1));
}

void NitViewTest::keypadDelDeletes() {
    ClickSat(0);
    m_view->TpList()->SetRowSelected(1, true);
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    // Regression: the keypad's Del did nothing.
    QTest::keyClick(m_view->TpList(), Qt::Key_Delete, Qt::KeypadModifier);
    QCOMPARE(TpIds(), (QList<int32_t>{5}));
    QCOMPARE(QueryInt(QStringLiteral("SELECT count(*) FROM NITInfo WHERE NIT_ID = 6")), 0);
}

void NitViewTest::failedReadBackStillMarksModified() {
    // The stored row vanishes right after each write, so the view's read-back fails.
    QVERIFY(Exec(QStringLiteral("CREATE TRIGGER gone AFTER UPDATE ON SATInfo BEGIN "
                                "DELETE FROM SATInfo WHERE SAT_ID = new.SAT_ID; END")));
    QVERIFY(Exec(QStringLiteral("CREATE TRIGGER tpgone AFTER INSERT ON NITInfo BEGIN "
                                "DELETE FROM NITInfo WHERE NIT_ID = new.NIT_ID; END")));
    ModalDialog::QueueScript([](QDialog& dlg) { PressOk(dlg); });
    m_view->SatList()->SetRowSelected(0, true);
    QTest::keyClick(m_view->SatList(), Qt::Key_Space);
    // Regression: the written row did not count as a change, so the save prompt was skipped.
    QCOMPARE(g_dbModified, int16_t(1));

    g_dbModified = 0;
    ClickSat(1);
    ModalDialog::QueueScript([](QDialog& dlg) {
        Type(dlg, "frequencyEdit", QStringLiteral("12000"));
        Type(dlg, "symbolRateEdit", QStringLiteral("27500"));
        Choose(dlg, "polarityCombo", 0);
        Choose(dlg, "fecCombo", 0);
        PressOk(dlg);
    });
    Menu(m_view->TpList(), "actionEditAdd");
    QCOMPARE(ModalDialog::TakeRunCount(), 2);
    QCOMPARE(g_dbModified, int16_t(1));
}

void NitViewTest::contextMenuTargetsClickedList() {
    Menu(m_view->SatList(), "");
    QCOMPARE(m_view->Target(), CNITView::MenuTarget::Satellites);
    Menu(m_view->TpList(), "");
    QCOMPARE(m_view->Target(), CNITView::MenuTarget::Transponders);
    QStringList items;
    // The shown menus are kept in a variable: a loop over the last of a temporary
    // list would read freed memory.
    const auto menus = PopupMenu::TakeShown();
    for (const auto& item : menus.constLast()) {
        items << QStringLiteral("%1=%2").arg(item.name).arg(item.enabled ? 1 : 0);
    }
    QCOMPARE(items, (QStringList{"actionEditAdd=1", "actionEditEdit=1", "actionEditDelete=1", "actionRenumber=0"}));

    testsupport::CloseDbDirect();
    m_view->OnInitialUpdate();
    QCOMPARE(m_view->SatList()->RowCount(), 0);
    Menu(m_view->SatList(), "");
    const auto closedMenus = PopupMenu::TakeShown();
    for (const auto& item : closedMenus.constLast()) {
        QVERIFY(!item.enabled);
    }
    // Without a database the target stays, and the commands do nothing.
    QCOMPARE(m_view->Target(), CNITView::MenuTarget::Transponders);
    m_view->OnEditAdd();
    m_view->OnEditDelete();
    QCOMPARE(ModalDialog::TakeRunCount(), 0);
    QVERIFY(MessageBox::TakeShown().isEmpty());
}

void NitViewTest::rightClickLoadsTranspondersAsAClickDoes() {
    ClickSat(1);
    QCOMPARE(TpIds(), (QList<int32_t>{9}));
    // Add from this menu goes to the satellite whose transponders are then shown.
    PopupMenu::QueueChoice(QString());
    emit m_view->SatList()->customContextMenuRequested(QPoint(40, m_view->SatList()->RowBounds(0).center().y()));
    QCOMPARE(m_view->SatList()->FirstSelectedRow(), 0);
    QCOMPARE(TpIds(), (QList<int32_t>{5, 6}));
}

QTEST_MAIN(NitViewTest)
#include "NitViewTest.moc"
