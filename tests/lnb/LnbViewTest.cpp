// The LNB page and its Edit LNB dialog driven through their widgets: loading the
// connection mode, switch type counts, "=>", clearing, editing, and "SAVE" checked
// against the stored table.
#include "lnb/LNBView.h"
#include "FixtureBuilder.h"
#include "TestSupport.h"
#include "db/ChannelDB.h"
#include "document/OrvaneDoc.h"
#include "listctrl/RecordListCtrl.h"
#include "lnb/EditLnbDlg.h"
#include "seams/ModalDialog.h"
#include "seams/PendingEdits.h"
#include "seams/PopupMenu.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// Satellites 1 "Astra" (TPs 5: 11778000/H, 6: 12000000/V) and 2 "Hotbird" (TP 9);
// tuner 0 holds two rows (Astra Ku 9750, Hotbird universal 9750/10600), tuner 1 one.
void WriteLnbFixture(const QString& path, int connection) {
    fixtures::FixtureDb db(path.toStdString());
    db.AddSat(1, "Astra", 192, 1);
    db.AddSat(2, "Hotbird", 130, 2);
    db.AddNit(5, 1, 11778000, 27500, 3, 1);
    db.AddNit(6, 1, 12000000, 27500, 3, 0);
    db.AddNit(9, 2, 10971000, 29700, 2, 1);
    db.AddLnb(0, 1, 5, 9750, 9750, 1, 1, 0);
    db.AddLnb(0, 2, 9, 9750, 10600, 2, 2, 2);
    db.AddLnb(1, 2, 9, 10750, 10750, 1, 0, 1);
    db.Exec("UPDATE LNBInfo SET connection = " + std::to_string(connection));
}

bool Exec(const char* sql) {
    return testsupport::Exec(QString::fromLatin1(sql));
}

// Stored rows as "tuner:sat:freq1:freq2:type:nit" in table order.
QStringList StoredRows() {
    QStringList rows;
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(g_db, "SELECT * FROM LNBInfo ORDER BY rowid", -1, &stmt, nullptr);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        rows << QStringLiteral("%1:%2:%3:%4:%5:%6")
                    .arg(sqlite3_column_int(stmt, 0))
                    .arg(sqlite3_column_int(stmt, 2))
                    .arg(sqlite3_column_int(stmt, 3))
                    .arg(sqlite3_column_int(stmt, 4))
                    .arg(sqlite3_column_int(stmt, 5))
                    .arg(sqlite3_column_int(stmt, 10));
    }
    sqlite3_finalize(stmt);
    return rows;
}

template <typename T> T* Child(QWidget& root, const char* name) {
    T* child = root.findChild<T*>(QLatin1String(name));
    if (child == nullptr) {
        qFatal("missing %s", name);
    }
    return child;
}

void Choose(QDialog& dlg, const char* combo, int index) {
    Child<QComboBox>(dlg, combo)->setCurrentIndex(index);
}

} // namespace

class LnbViewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::ResetEnvironment(); }
    void init();
    void cleanup();

    void opensWithStoredConnectionMode();
    void switchTypeRaisesLowersAndSaves();
    void switchTypeInputIsCheckedAndClamped();
    void copyToTunerTwoThenSave();
    void deleteClearsTheSlotOnly();
    void editChangesCurrentTunersSlotOnly();
    void failedSaveKeepsStoredRows();
    void saveRefusesAStoredValueItsSlotWouldCut();
    void slotsFilledAfterChoosingLoopThruSaveLoopThru();
    void rowsBeyondTwentyAreKept();
    void contextMenuAndNoDatabase();
    void dialogProposesFrequencies();
    void dialogSatelliteAndOkRules();
    void newSlotOnTunerTwoSavesTunerIdOne();
    void saveWithNothingChangedWritesNothing();
    void loopThruTakenFromTunerTwoWhenTunerOneIsEmpty();
    void copyOverALongerTunerTwo();
    void multiRowDeleteAsksOnce();
    void proposalBoundaries_data();
    void proposalBoundaries();
    void okReadsTypedFrequencies_data();
    void okReadsTypedFrequencies();
    void loweringSwitchTypeDropsRowsBeyondTwenty();
    void rowsOfOtherTunersSurviveSave();
    void fileCloseAsksAboutSlotEdits();
    void aValueSetBackIsNotUnsaved();

private:
    void Open(int connection = 0);
    void TypeSwitchType(const QString& text);
    void Click(const char* button) { QTest::mouseClick(Child<QPushButton>(*m_view, button), Qt::LeftButton); }
    void SelectRow(int row);
    QStringList Row(int row) const { return m_view->List()->RowTexts(row); }
    // Runs the Edit LNB dialog on `record` with `script` playing the user.
    int RunDialog(LnbRecord& record, const std::function<void(QDialog&)>& script);
    // Edits the selected row: satellite `sat`, Ku band, DiSEqC 1.0 "B", the first TP.
    void FillSelectedSlot(int sat);

    std::unique_ptr<testsupport::FixtureFolder> m_folder;
    std::unique_ptr<COrvaneDoc> m_doc;
    std::unique_ptr<CLNBView> m_view;
    QString m_path;
};

void LnbViewTest::init() {
    testsupport::ResetEnvironment();
    m_folder = std::make_unique<testsupport::FixtureFolder>();
    m_path = m_folder->Path(QStringLiteral("lnb.dat"));
    m_doc = std::make_unique<COrvaneDoc>();
    m_view = std::make_unique<CLNBView>(m_doc.get());
    m_view->resize(700, 500);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
}

void LnbViewTest::cleanup() {
    m_view.reset();
    m_doc.reset();
    testsupport::CloseDbDirect();
}

void LnbViewTest::Open(int connection) {
    testsupport::CloseDbDirect();
    WriteLnbFixture(m_path, connection);
    QVERIFY(testsupport::OpenDbDirect(m_path));
    m_view->OnInitialUpdate();
    g_dbModified = 0;
}

void LnbViewTest::TypeSwitchType(const QString& text) {
    auto* edit = Child<QLineEdit>(*m_view, "switchTypeEdit");
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void LnbViewTest::SelectRow(int row) {
    m_view->List()->clearSelection();
    m_view->List()->SetRowSelected(row, true);
}

int LnbViewTest::RunDialog(LnbRecord& record, const std::function<void(QDialog&)>& script) {
    ModalDialog::QueueScript(script);
    CEditLnbDlg dlg(&record);
    return ModalDialog::Exec(dlg);
}

void LnbViewTest::FillSelectedSlot(int sat) {
    ModalDialog::QueueScript([sat](QDialog& dlg) {
        Choose(dlg, "satelliteComboBox", sat);
        Choose(dlg, "lnbTypeComboBox", 1);
        Choose(dlg, "diseqc10ComboBox", 2);
        Choose(dlg, "diseqc11ComboBox", 0);
        Choose(dlg, "tone22kComboBox", 0);
        Choose(dlg, "tpFreqComboBox", 0);
        QTest::mouseClick(Child<QPushButton>(dlg, "okButton"), Qt::LeftButton);
    });
    m_view->OnEditEdit();
}

void LnbViewTest::opensWithStoredConnectionMode() {
    Open(1);
    QVERIFY(Child<QRadioButton>(*m_view, "loopThruRadioButton")->isChecked());
    QVERIFY(!Child<QRadioButton>(*m_view, "separatedRadioButton")->isChecked());
    QVERIFY(!Child<QPushButton>(*m_view, "tuner2Button")->isEnabled());
    QCOMPARE(m_view->List()->RowCount(), 2);
    QCOMPARE(Row(0), (QStringList{"1", "Ku_LNB", "9750", "A / -", "Astra", "OFF"}));
    QCOMPARE(Child<QLineEdit>(*m_view, "switchTypeEdit")->text(), QStringLiteral("2"));

    // "Seperated" enables Tuner2, which shows its own row.
    Child<QRadioButton>(*m_view, "separatedRadioButton")->click();
    QVERIFY(!Child<QRadioButton>(*m_view, "loopThruRadioButton")->isChecked());
    Click("tuner2Button");
    QCOMPARE(m_view->CurrentTuner(), 1);
    QCOMPARE(m_view->List()->RowCount(), 1);
    QCOMPARE(Child<QLabel>(*m_view, "shownTunerLabel")->text(), QStringLiteral("Showing Tuner2"));

    // No LNB rows: neither mode is checked.
    QVERIFY(Exec("DELETE FROM LNBInfo"));
    m_view->OnInitialUpdate();
    QVERIFY(!Child<QRadioButton>(*m_view, "loopThruRadioButton")->isChecked());
    QVERIFY(!Child<QRadioButton>(*m_view, "separatedRadioButton")->isChecked());
    QVERIFY(!Child<QPushButton>(*m_view, "tuner2Button")->isEnabled());
}

void LnbViewTest::switchTypeRaisesLowersAndSaves() {
    Open();
    TypeSwitchType(QStringLiteral("3"));
    QCOMPARE(m_view->List()->RowCount(), 3);
    QCOMPARE(Row(1)[4], QStringLiteral("Hotbird"));
    QCOMPARE(Row(2), (QStringList{"3", "No data", "No data", "-", "No data", "-"}));
    Click("saveButton");
    // The empty slot is not written.
    QCOMPARE(StoredRows(), (QStringList{"0:1:9750:9750:1:5", "0:2:9750:10600:2:9", "1:2:10750:10750:1:9"}));
    QCOMPARE(g_dbModified, int16_t(1));

    // Lowering hides the rows, raising again before saving brings them back.
    TypeSwitchType(QStringLiteral("0"));
    QCOMPARE(m_view->List()->RowCount(), 0);
    QTest::mouseClick(Child<QWidget>(*m_view, "switchTypeUpButton"), Qt::LeftButton);
    QTest::mouseClick(Child<QWidget>(*m_view, "switchTypeUpButton"), Qt::LeftButton);
    QCOMPARE(Child<QLineEdit>(*m_view, "switchTypeEdit")->text(), QStringLiteral("2"));
    QCOMPARE(Row(1)[4], QStringLiteral("Hotbird"));
    TypeSwitchType(QStringLiteral("1"));
    Click("saveButton");
    QCOMPARE(StoredRows(), (QStringList{"0:1:9750:9750:1:5", "1:2:10750:10750:1:9"}));
    // A second "SAVE" writes the same rows again.
    Click("saveButton");
    QCOMPARE(StoredRows(), (QStringList{"0:1:9750:9750:1:5", "1:2:10750:10750:1:9"}));
    QVERIFY(MessageBox::TakeShownTexts().isEmpty());
}

void LnbViewTest::switchTypeInputIsCheckedAndClamped() {
    Open();
    TypeSwitchType(QStringLiteral("20")); // the largest is taken without a word
    QVERIFY(MessageBox::TakeShownTexts().isEmpty());
    QCOMPARE(m_view->List()->RowCount(), 20);
    TypeSwitchType(QStringLiteral("25"));
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{"Please enter an integer between 0 and 20."});
    QCOMPARE(Child<QLineEdit>(*m_view, "switchTypeEdit")->text(), QStringLiteral("20"));
    QCOMPARE(m_view->List()->RowCount(), 20);
    // The spin control stops at 20.
    QTest::mouseClick(Child<QWidget>(*m_view, "switchTypeUpButton"), Qt::LeftButton);
    QCOMPARE(m_view->List()->RowCount(), 20);

    // An emptied text keeps the number.
    auto* edit = Child<QLineEdit>(*m_view, "switchTypeEdit");
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{"Please enter an integer."});
    QCOMPARE(edit->text(), QStringLiteral("20"));
    // Letters never reach the edit.
    QTest::keyClicks(edit, QStringLiteral("x"));
    QCOMPARE(edit->text(), QStringLiteral("20"));
}

void LnbViewTest::copyToTunerTwoThenSave() {
    Open();
    Click("copyTunerButton");
    Click("saveButton");
    QCOMPARE(StoredRows(),
             (QStringList{"0:1:9750:9750:1:5", "0:2:9750:10600:2:9", "1:1:9750:9750:1:5", "1:2:9750:10600:2:9"}));

    // Regression: "=>" while tuner 2 is shown left its stale rows on screen.
    Open();
    Click("tuner2Button");
    QCOMPARE(m_view->List()->RowCount(), 1);
    Click("copyTunerButton");
    QCOMPARE(m_view->List()->RowCount(), 2);
    QCOMPARE(Row(0)[4], QStringLiteral("Astra"));
    QCOMPARE(Child<QLineEdit>(*m_view, "switchTypeEdit")->text(), QStringLiteral("2"));
}

void LnbViewTest::deleteClearsTheSlotOnly() {
    Open();
    SelectRow(0);
    MessageBox::QueueAnswer(MessageBox::Answer::No);
    QTest::keyClick(m_view->List(), Qt::Key_Delete);
    QCOMPARE(Row(0)[1], QStringLiteral("Ku_LNB"));
    const auto asked = MessageBox::TakeShown();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].text, QStringLiteral("Do you want to remove this item from DB?"));
    QCOMPARE(asked[0].icon, MessageBox::Icon::Question);

    SelectRow(0);
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    QTest::keyClick(m_view->List(), Qt::Key_Delete);
    QCOMPARE(Row(0), (QStringList{"1", "No data", "No data", "-", "No data", "-"}));
    QVERIFY(m_view->List()->SelectedRows().isEmpty());
    QCOMPARE(StoredRows().size(), 3); // nothing removed before "SAVE"
    Click("saveButton");
    QCOMPARE(StoredRows(), (QStringList{"0:2:9750:10600:2:9", "1:2:10750:10750:1:9"}));
    QCOMPARE(m_view->List()->RowCount(), 2);

    // Without a selection nothing is asked.
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{QStringLiteral("Do you want to remove this item from DB?")});
    m_view->List()->clearSelection();
    m_view->OnEditDelete();
    QVERIFY(MessageBox::TakeShown().isEmpty());
}

void LnbViewTest::editChangesCurrentTunersSlotOnly() {
    Open();
    Click("tuner2Button");
    SelectRow(0);
    ModalDialog::QueueScript([](QDialog& dlg) {
        Choose(dlg, "satelliteComboBox", 0); // Astra
        Choose(dlg, "tpFreqComboBox", 1);    // 12000/V
        QTest::mouseClick(Child<QPushButton>(dlg, "okButton"), Qt::LeftButton);
    });
    QTest::keyClick(m_view->List(), Qt::Key_Space);
    QCOMPARE(Row(0), (QStringList{"1", "Ku_LNB", "10750", "- / -", "Astra", "ON"}));
    Click("saveButton");
    QCOMPARE(StoredRows(), (QStringList{"0:1:9750:9750:1:5", "0:2:9750:10600:2:9", "1:1:10750:10750:1:6"}));

    // Cancel changes nothing; a double click (after a click) opens the dialog too.
    ModalDialog::QueueScript([](QDialog& dlg) {
        Choose(dlg, "lnbTypeComboBox", 0);
        dlg.reject();
    });
    const QPoint point(40, m_view->List()->RowBounds(0).center().y());
    QTest::mouseClick(m_view->List()->viewport(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(m_view->List()->viewport(), Qt::LeftButton, {}, point);
    QCOMPARE(ModalDialog::TakeRunCount(), 2);
    QCOMPARE(Row(0)[1], QStringLiteral("Ku_LNB"));
}

void LnbViewTest::failedSaveKeepsStoredRows() {
    Open();
    QVERIFY(Exec("CREATE TRIGGER refuse BEFORE INSERT ON LNBInfo WHEN new.Tuner_ID = 1 "
                 "BEGIN SELECT RAISE(ABORT, 'no'); END"));
    TypeSwitchType(QStringLiteral("1"));
    // Regression: a failing insert after the delete lost the stored rows and
    // reported nothing.
    Click("saveButton");
    QCOMPARE(MessageBox::TakeShownTexts(),
             QStringList{"The LNB settings could not be saved; the stored ones are kept."});
    QCOMPARE(StoredRows(), (QStringList{"0:1:9750:9750:1:5", "0:2:9750:10600:2:9", "1:2:10750:10750:1:9"}));
    QCOMPARE(g_dbModified, int16_t(0));
    // No transaction is left open: the next save goes through.
    QVERIFY(Exec("DROP TRIGGER refuse"));
    Click("saveButton");
    QCOMPARE(StoredRows(), (QStringList{"0:1:9750:9750:1:5", "1:2:10750:10750:1:9"}));
}

// SAVE wrote local_freq1 70000 back as 4464, the low 16 bits its slot kept.
void LnbViewTest::saveRefusesAStoredValueItsSlotWouldCut() {
    Open();
    QVERIFY(Exec("UPDATE LNBInfo SET local_freq1 = 70000 WHERE Tuner_ID = 1"));
    m_view->OnInitialUpdate();
    const QStringList before = StoredRows();
    TypeSwitchType(QStringLiteral("1"));
    Click("saveButton");
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{"This row holds a value that the receiver's format does not "
                                                       "allow (local_freq1 70000). It is left unchanged."});
    QCOMPARE(StoredRows(), before);
    QCOMPARE(g_dbModified, int16_t(0));
}

void LnbViewTest::slotsFilledAfterChoosingLoopThruSaveLoopThru() {
    Open(1);
    TypeSwitchType(QStringLiteral("3"));
    SelectRow(2);
    ModalDialog::QueueScript([](QDialog& dlg) {
        Choose(dlg, "satelliteComboBox", 1);
        Choose(dlg, "lnbTypeComboBox", 1);
        Choose(dlg, "diseqc10ComboBox", 3);
        Choose(dlg, "diseqc11ComboBox", 0);
        Choose(dlg, "tone22kComboBox", 0);
        Choose(dlg, "tpFreqComboBox", 0);
        QTest::mouseClick(Child<QPushButton>(dlg, "okButton"), Qt::LeftButton);
    });
    m_view->OnEditEdit();
    QCOMPARE(Row(2)[3], QStringLiteral("C / -"));
    // Regression: the new slot kept the empty slot's connection 0 and flipped the mode.
    Click("saveButton");
    QCOMPARE(testsupport::QueryInt("SELECT count(*) FROM LNBInfo WHERE connection <> 1"), 0);
    m_view->OnInitialUpdate();
    QVERIFY(Child<QRadioButton>(*m_view, "loopThruRadioButton")->isChecked());
}

void LnbViewTest::rowsBeyondTwentyAreKept() {
    Open();
    for (int i = 0; i < 20; ++i) {
        QVERIFY(Exec("INSERT INTO LNBInfo VALUES (0, 0, 1, 5150, 5150, 0, 0, 0, 0, 0, 5)"));
    }
    m_view->OnInitialUpdate();
    QCOMPARE(m_view->List()->RowCount(), 20);
    SelectRow(0);
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    m_view->OnEditDelete();
    // Regression: saving dropped the stored rows the 20 slots could not hold.
    Click("saveButton");
    QCOMPARE(testsupport::QueryInt("SELECT count(*) FROM LNBInfo WHERE Tuner_ID = 0"), 21);
    QCOMPARE(testsupport::QueryInt("SELECT count(*) FROM LNBInfo WHERE Tuner_ID = 1"), 1);
}

void LnbViewTest::contextMenuAndNoDatabase() {
    Open();
    SelectRow(1);
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    PopupMenu::QueueChoice(QStringLiteral("actionEditDelete"));
    emit m_view->List()->customContextMenuRequested(QPoint(10, 10));
    auto menus = PopupMenu::TakeShown();
    QCOMPARE(menus.size(), 1);
    QStringList items;
    for (const auto& item : menus[0]) {
        items << QStringLiteral("%1=%2").arg(item.text).arg(item.enabled ? 1 : 0);
    }
    QCOMPARE(items, (QStringList{"Add=0", "Edit\tSpace=1", "Delete\tDel=1", "Renumber=0"}));
    QCOMPARE(Row(1)[1], QStringLiteral("No data"));

    testsupport::CloseDbDirect();
    m_view->OnInitialUpdate();
    QCOMPARE(m_view->List()->RowCount(), 0);
    emit m_view->List()->customContextMenuRequested(QPoint(10, 10));
    menus = PopupMenu::TakeShown();
    for (const auto& item : menus[0]) {
        QVERIFY(!item.enabled);
    }
    // The buttons do nothing without a database.
    Child<QRadioButton>(*m_view, "loopThruRadioButton")->click();
    QVERIFY(!Child<QRadioButton>(*m_view, "loopThruRadioButton")->isChecked());
    Click("tuner1Button");
    Click("saveButton");
    QCOMPARE(g_dbModified, int16_t(0));
}

void LnbViewTest::dialogProposesFrequencies() {
    Open();
    LnbRecord empty{};
    RunDialog(empty, [](QDialog& dlg) {
        for (const char* name : {"satelliteComboBox", "lnbTypeComboBox", "diseqc10ComboBox", "tone22kComboBox"}) {
            QCOMPARE(Child<QComboBox>(dlg, name)->currentIndex(), -1);
        }
        QCOMPARE(Child<QComboBox>(dlg, "tpFreqComboBox")->count(), 0);
        auto* freq = Child<QLineEdit>(dlg, "localFreqEdit");
        auto* freq2 = Child<QLineEdit>(dlg, "localFreq2Edit");
        QVERIFY(freq->text().isEmpty() && !freq2->isVisible());
        Choose(dlg, "lnbTypeComboBox", 1);
        QCOMPARE(freq->text(), QStringLiteral("9750"));
        Choose(dlg, "lnbTypeComboBox", 2);
        QCOMPARE(freq->text() + "/" + freq2->text(), QStringLiteral("9750/10600"));
        QVERIFY(freq2->isVisible());
        Choose(dlg, "lnbTypeComboBox", 0);
        QCOMPARE(freq->text(), QStringLiteral("0"));
        QVERIFY(!freq2->isVisible());
        dlg.reject();
    });

    LnbRecord universal{0, 0, 2, 9750, 10600, 2, 0, 2, 0, 2, 9, 1};
    RunDialog(universal, [](QDialog& dlg) {
        auto* freq = Child<QLineEdit>(dlg, "localFreqEdit");
        auto* freq2 = Child<QLineEdit>(dlg, "localFreq2Edit");
        QCOMPARE(freq->text() + "/" + freq2->text(), QStringLiteral("9750/10600"));
        QVERIFY(freq2->isVisible());
        QCOMPARE(Child<QComboBox>(dlg, "satelliteComboBox")->currentText(), QStringLiteral("Hotbird"));
        QCOMPARE(Child<QComboBox>(dlg, "tpFreqComboBox")->currentText(), QStringLiteral("10971/H"));
        Choose(dlg, "lnbTypeComboBox", 0);
        QCOMPARE(freq->text(), QStringLiteral("5150"));
        QVERIFY(!freq2->isVisible());
        Choose(dlg, "lnbTypeComboBox", 2);
        QCOMPARE(freq->text() + "/" + freq2->text(), QStringLiteral("9750/10600"));
        dlg.reject();
    });
    QCOMPARE(universal.lnb_type, uint8_t(2));

    LnbRecord ku{0, 0, 1, 10750, 10750, 1, 0, 0, 0, 0, 5, 1};
    RunDialog(ku, [](QDialog& dlg) {
        Choose(dlg, "lnbTypeComboBox", 0);
        Choose(dlg, "lnbTypeComboBox", 1);
        QCOMPARE(Child<QLineEdit>(dlg, "localFreqEdit")->text(), QStringLiteral("10750"));
        dlg.reject();
    });
}

void LnbViewTest::dialogSatelliteAndOkRules() {
    Open();
    LnbRecord record{0, 1, 2, 9750, 10600, 2, 0, 1, 0, 1, 9, 1};
    const int result = RunDialog(record, [](QDialog& dlg) {
        auto* tp = Child<QComboBox>(dlg, "tpFreqComboBox");
        Choose(dlg, "satelliteComboBox", 0); // Astra: only its transponders
        QCOMPARE(tp->count(), 2);
        QCOMPARE(tp->itemText(0), QStringLiteral("11778/H"));
        QCOMPARE(tp->itemText(1), QStringLiteral("12000/V"));
        QCOMPARE(tp->currentIndex(), -1);
        auto* ok = Child<QPushButton>(dlg, "okButton");
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(MessageBox::TakeShownTexts(), QStringList{"Enter the data in all fields!"});
        Choose(dlg, "tpFreqComboBox", 0);
        Choose(dlg, "lnbTypeComboBox", 1);
        // Regression: 70000 MHz was stored cut to 16 bits as 4464.
        Child<QLineEdit>(dlg, "localFreqEdit")->setText(QStringLiteral("70000"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(MessageBox::TakeShownTexts(), QStringList{"Please enter an integer between 0 and 65535."});
        Child<QLineEdit>(dlg, "localFreqEdit")->setText(QStringLiteral("10750MHz"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(MessageBox::TakeShownTexts(), QStringList{"Local Freq must be a whole number from 0 to 65535."});
        Child<QLineEdit>(dlg, "localFreqEdit")->setText(QStringLiteral("10750"));
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(record.sat_id, uint16_t(1));
    QCOMPARE(record.nit_id, uint16_t(5));
    QCOMPARE(record.lnb_type, uint8_t(1));
    QCOMPARE(record.local_freq1, uint16_t(10750));
    QCOMPARE(record.local_freq2, uint16_t(10750)); // Ku: the second equals the first
    QCOMPARE(record.connection, uint8_t(1));       // not shown, kept
    QCOMPARE(record.tone_22k, uint8_t(1));
}

void LnbViewTest::newSlotOnTunerTwoSavesTunerIdOne() {
    Open();
    Click("tuner2Button");
    TypeSwitchType(QStringLiteral("2"));
    SelectRow(1);
    FillSelectedSlot(0);
    Click("saveButton");
    QCOMPARE(StoredRows(),
             (QStringList{"0:1:9750:9750:1:5", "0:2:9750:10600:2:9", "1:2:10750:10750:1:9", "1:1:9750:9750:1:5"}));
}

void LnbViewTest::saveWithNothingChangedWritesNothing() {
    Open();
    QVERIFY(Exec("CREATE TRIGGER untouched BEFORE DELETE ON LNBInfo BEGIN SELECT RAISE(ABORT, 'no'); END"));
    Click("saveButton");
    QVERIFY(MessageBox::TakeShownTexts().isEmpty());
    QCOMPARE(g_dbModified, int16_t(1));
}

void LnbViewTest::loopThruTakenFromTunerTwoWhenTunerOneIsEmpty() {
    Open();
    QVERIFY(Exec("DELETE FROM LNBInfo WHERE Tuner_ID = 0"));
    QVERIFY(Exec("UPDATE LNBInfo SET connection = 1"));
    m_view->OnInitialUpdate();
    QVERIFY(Child<QRadioButton>(*m_view, "loopThruRadioButton")->isChecked());
    QVERIFY(!Child<QPushButton>(*m_view, "tuner2Button")->isEnabled());
    QCOMPARE(m_view->List()->RowCount(), 0);
}

void LnbViewTest::copyOverALongerTunerTwo() {
    Open();
    QVERIFY(Exec("INSERT INTO LNBInfo SELECT * FROM LNBInfo WHERE Tuner_ID = 1"));
    QVERIFY(Exec("INSERT INTO LNBInfo SELECT * FROM LNBInfo WHERE Tuner_ID = 1"));
    m_view->OnInitialUpdate();
    Click("copyTunerButton");
    Click("tuner2Button");
    QCOMPARE(m_view->List()->RowCount(), 2);
    Click("saveButton");
    QCOMPARE(StoredRows(),
             (QStringList{"0:1:9750:9750:1:5", "0:2:9750:10600:2:9", "1:1:9750:9750:1:5", "1:2:9750:10600:2:9"}));
}

void LnbViewTest::multiRowDeleteAsksOnce() {
    Open();
    SelectRow(0);
    m_view->List()->SetRowSelected(1, true);
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    QTest::keyClick(m_view->List(), Qt::Key_Delete, Qt::KeypadModifier);
    QCOMPARE(MessageBox::TakeShownTexts().size(), 1);
    QCOMPARE(Row(0)[1], QStringLiteral("No data"));
    QCOMPARE(Row(1)[1], QStringLiteral("No data"));
    Click("saveButton");
    QCOMPARE(StoredRows(), QStringList{"1:2:10750:10750:1:9"});
}

void LnbViewTest::proposalBoundaries_data() {
    QTest::addColumn<int>("freq1");
    QTest::addColumn<int>("freq2");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("proposed"); // Local Freq, "/second edit" for UNIV_LNB
    QTest::newRow("9749 as C") << 9749 << 9749 << 0 << "9749";
    QTest::newRow("9749 as Ku") << 9749 << 9749 << 1 << "9750";
    QTest::newRow("9750 as C") << 9750 << 9750 << 0 << "5150";
    QTest::newRow("9750 as Ku") << 9750 << 9750 << 1 << "9750";
    // Unsigned 16-bit: 32768 and above are high frequencies, not negative ones.
    QTest::newRow("32768 as C") << 32768 << 32768 << 0 << "5150";
    QTest::newRow("65535 as Ku") << 65535 << 65535 << 1 << "65535";
    QTest::newRow("univ 9000/10600") << 9000 << 10600 << 2 << "9000/10600";
    QTest::newRow("univ second 9749") << 9000 << 9749 << 2 << "9750/10600";
    QTest::newRow("univ second 32768") << 9000 << 32768 << 2 << "9000/32768";
}

void LnbViewTest::proposalBoundaries() {
    QFETCH(int, freq1);
    QFETCH(int, freq2);
    QFETCH(int, type);
    QFETCH(QString, proposed);
    Open();
    LnbRecord record{0, 0, 1, static_cast<uint16_t>(freq1), static_cast<uint16_t>(freq2), 1, 0, 0, 0, 0, 5, 1};
    RunDialog(record, [&](QDialog& dlg) {
        Choose(dlg, "lnbTypeComboBox", type == 1 ? 0 : 1);
        Choose(dlg, "lnbTypeComboBox", type);
        QString shown = Child<QLineEdit>(dlg, "localFreqEdit")->text();
        if (type == 2) {
            shown += "/" + Child<QLineEdit>(dlg, "localFreq2Edit")->text();
        }
        QCOMPARE(shown, proposed);
        dlg.reject();
    });
}

void LnbViewTest::okReadsTypedFrequencies_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("stored"); // "freq1/freq2", empty when refused, "!message" refused so
    // Regression: a leading blank or sign stored 0 without a word.
    QTest::newRow("leading blank") << 1 << " 10750"
                                   << ""
                                   << "10750/10750";
    QTest::newRow("plus sign") << 1 << "+9750"
                               << ""
                               << "9750/9750";
    QTest::newRow("minus refused") << 1 << "-9750"
                                   << ""
                                   << "";
    QTest::newRow("minus zero") << 0 << "-0"
                                << ""
                                << "0/0";
    QTest::newRow("65535") << 1 << "65535"
                           << ""
                           << "65535/65535";
    QTest::newRow("65536 refused") << 1 << "65536"
                                   << ""
                                   << "";
    QTest::newRow("univ second edit") << 2 << "9750"
                                      << "10700"
                                      << "9750/10700";
    QTest::newRow("univ second, first 9 chars") << 2 << "9750"
                                                << "0000106001"
                                                << "9750/10600";
    QTest::newRow("univ second empty") << 2 << "9750"
                                       << ""
                                       << "9750/0";
    // Regression: text that is no number was stored as 0 MHz.
    QTest::newRow("no number refused") << 1 << "abc"
                                       << ""
                                       << "!Local Freq must be a whole number from 0 to 65535.";
    // Regression: the high band edit stored text that is no number as 0 MHz.
    const QString highBand = "!Local Freq (high band) must be a whole number from 0 to 65535.";
    QTest::newRow("univ second no number refused") << 2 << "9750"
                                                   << "abc" << highBand;
    QTest::newRow("univ second trailing text refused") << 2 << "9750"
                                                       << "10600x" << highBand;
    QTest::newRow("hidden second not read") << 1 << "9750"
                                            << "abc"
                                            << "9750/9750";
}

void LnbViewTest::okReadsTypedFrequencies() {
    QFETCH(int, type);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, stored);
    Open();
    LnbRecord record{0, 0, 1, 9750, 10600, 2, 0, 1, 0, 1, 5, 1};
    const int result = RunDialog(record, [&](QDialog& dlg) {
        Choose(dlg, "lnbTypeComboBox", type);
        Child<QLineEdit>(dlg, "localFreqEdit")->setText(first);
        Child<QLineEdit>(dlg, "localFreq2Edit")->setText(second);
        QTest::mouseClick(Child<QPushButton>(dlg, "okButton"), Qt::LeftButton);
        if (stored.isEmpty() || stored.startsWith(u'!')) {
            QCOMPARE(MessageBox::TakeShownTexts(),
                     QStringList{stored.isEmpty() ? "Please enter an integer between 0 and 65535." : stored.mid(1)});
            dlg.reject();
        }
    });
    const bool refused = stored.isEmpty() || stored.startsWith(u'!');
    QCOMPARE(result, int(refused ? QDialog::Rejected : QDialog::Accepted));
    if (!refused) {
        QCOMPARE(QStringLiteral("%1/%2").arg(record.local_freq1).arg(record.local_freq2), stored);
    }
}

void LnbViewTest::aValueSetBackIsNotUnsaved() {
    Open();
    const QString stored = Child<QLineEdit>(*m_view, "switchTypeEdit")->text();
    TypeSwitchType(QStringLiteral("5"));
    QVERIFY(m_view->HasPendingEdits());
    TypeSwitchType(stored);
    QVERIFY(!m_view->HasPendingEdits());
    // The same after a save: the saved slots are the stored ones from then on.
    Child<QRadioButton>(*m_view, "loopThruRadioButton")->click();
    Click("saveButton");
    Child<QRadioButton>(*m_view, "separatedRadioButton")->click();
    QVERIFY(m_view->HasPendingEdits());
    Child<QRadioButton>(*m_view, "loopThruRadioButton")->click();
    QVERIFY(!m_view->HasPendingEdits());
}

void LnbViewTest::loweringSwitchTypeDropsRowsBeyondTwenty() {
    Open();
    for (int i = 0; i < 22; ++i) {
        QVERIFY(Exec("INSERT INTO LNBInfo VALUES (0, 0, 1, 5150, 5150, 0, 0, 0, 0, 0, 5)"));
    }
    m_view->OnInitialUpdate();
    // Regression: 4 rows beyond the 20 slots stayed whatever the switch type became.
    TypeSwitchType(QStringLiteral("0"));
    Click("saveButton");
    QCOMPARE(testsupport::QueryInt("SELECT count(*) FROM LNBInfo WHERE Tuner_ID = 0"), 0);
    m_view->OnInitialUpdate();
    QCOMPARE(Child<QLineEdit>(*m_view, "switchTypeEdit")->text(), QStringLiteral("0"));
}

void LnbViewTest::rowsOfOtherTunersSurviveSave() {
    Open();
    QVERIFY(Exec("INSERT INTO LNBInfo VALUES (2, 0, 1, 5150, 5150, 0, 0, 0, 0, 0, 5)"));
    QVERIFY(Exec("INSERT INTO LNBInfo VALUES (NULL, 0, 2, 5150, 'x', 0, 0, 0, 0, 0, 9)"));
    m_view->OnInitialUpdate();
    TypeSwitchType(QStringLiteral("1"));
    // Regression: SAVE dropped the rows of tuners the page does not show.
    Click("saveButton");
    QCOMPARE(testsupport::QueryInt("SELECT count(*) FROM LNBInfo WHERE Tuner_ID = 2"), 1);
    QCOMPARE(testsupport::QueryText("SELECT local_freq2 FROM LNBInfo WHERE Tuner_ID IS NULL"), QStringLiteral("x"));
    QCOMPARE(testsupport::QueryInt("SELECT count(*) FROM LNBInfo WHERE Tuner_ID IN (0, 1)"), 2);
}

void LnbViewTest::fileCloseAsksAboutSlotEdits() {
    Open();
    TypeSwitchType(QStringLiteral("1"));
    MessageBox::QueueAnswer(MessageBox::Answer::Yes); // store the slot edits
    MessageBox::QueueAnswer(MessageBox::Answer::No);  // the file's save prompt
    m_view->OnFileClose();
    QCOMPARE(MessageBox::TakeShownTexts(),
             (QStringList{QString::fromLatin1(PendingEdits::kQuestion),
                          QStringLiteral("Do you want to save the changed DB contents?")}));
    QVERIFY(g_db == nullptr);
    QCOMPARE(m_view->List()->RowCount(), 0);
    QCOMPARE(m_doc->GetTitle(), QStringLiteral("No Title"));
    QVERIFY(testsupport::OpenDbDirect(m_path));
    QCOMPARE(StoredRows(), (QStringList{"0:1:9750:9750:1:5", "1:2:10750:10750:1:9"}));
}

QTEST_MAIN(LnbViewTest)
#include "LnbViewTest.moc"
