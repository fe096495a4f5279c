// The settings dialog played through the modal-dialog seam: what each page shows from
// the working row, what every list item and check box stores, OK, Default and Cancel,
// the fields it does not show, files without one of the rows, failing and refused
// writes, the keyboard, and a picture of each page.
#include "settings/SettingDlg.h"
#include "FixtureBuilder.h"
#include "TestSupport.h"
#include "db/UndoHistory.h"
#include "seams/ModalDialog.h"
#include "settings/SettingPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include <functional>
#include <memory>

using testsupport::Exec;
using testsupport::QueryInt;

namespace {

const QString kNoDefaults = QStringLiteral("This file has no default settings.\nNothing has been changed.");

const QStringList kLanguages{QStringLiteral("English"),  QStringLiteral("Russian"), QStringLiteral("French"),
                             QStringLiteral("Italian"),  QStringLiteral("Dutch"),   QStringLiteral("German"),
                             QStringLiteral("Danish"),   QStringLiteral("Arabic"),  QStringLiteral("Greek"),
                             QStringLiteral("Turkish"),  QStringLiteral("Spanish"), QStringLiteral("Swedish"),
                             QStringLiteral("Norwegian")};

enum Page { kUserPage = 0, kLockPage = 1, kLangPage = 2 };

// Row 0 holds defaults that differ from row 1 in every shown list; row 1 also holds
// values of fields the dialog does not show.
void WriteOptionFixture(const QString& path) {
    fixtures::FixtureDb db(path.toStdString());
    db.AddOptionRow(0);
    db.AddOptionRow(1);
    db.Exec("UPDATE OptionInfo SET banner_timeout = 8, maturity_age = 18, menu_language = 3, audio_language = 4, "
            "subtitle_language = 6, banner_type = 1 WHERE option_id = 0");
    db.Exec("UPDATE OptionInfo SET aspect_ratio = 2, banner_timeout = 5, maturity_age = 13, menu_language = 5, "
            "audio_language = 1, subtitle_language = 2, subtitle = 1, system_lock = 1, opt3 = 777, "
            "opt8_text = 'a''b', opt14 = -3, opt18 = -70000, opt19 = 123456, opt22 = 9 WHERE option_id = 1");
}

// Every stored value of a row as SQLite gives it, so a test sees any change at all.
QString Row(int optionId) {
    dbutil::ResultTable table;
    const QString sql = QStringLiteral("SELECT * FROM OptionInfo WHERE option_id = %1").arg(optionId);
    if (table.Run(g_db, sql.toUtf8().constData()) != SQLITE_OK || table.Rows() == 0) {
        return QStringLiteral("(none)");
    }
    QStringList values;
    for (int col = 0; col < table.Cols(); ++col) {
        const char* value = table.Value(0, col);
        values << (value != nullptr ? QString::fromUtf8(value) : QStringLiteral("NULL"));
    }
    return values.join(QLatin1Char('|'));
}

int Stored(const char* column) {
    return QueryInt(QStringLiteral("SELECT %1 FROM OptionInfo WHERE option_id = 1").arg(QLatin1String(column)));
}

template <typename T> T* Child(QDialog& dlg, const QString& name) {
    T* child = dlg.findChild<T*>(name);
    if (child == nullptr) {
        qWarning("no child %s", qPrintable(name));
    }
    return child;
}

QComboBox* List(QDialog& dlg, const QString& name) {
    return Child<QComboBox>(dlg, name);
}

void ShowPage(QDialog& dlg, int page) {
    Child<QTabWidget>(dlg, QStringLiteral("settingTabs"))->setCurrentIndex(page);
}

void Click(QDialog& dlg, const char* button) {
    QTest::mouseClick(Child<QAbstractButton>(dlg, QLatin1String(button)), Qt::LeftButton);
}

// Clicks the box itself: its caption ends long before the row does.
void Toggle(QDialog& dlg, const QString& box) {
    QCheckBox* check = Child<QCheckBox>(dlg, box);
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
}

// Chooses the item as the user does: the keyboard moves the list's selection.
void Choose(QDialog& dlg, const QString& list, const QString& item) {
    QComboBox* box = List(dlg, list);
    const int target = box->findText(item);
    QVERIFY2(target >= 0, qPrintable(item));
    box->setFocus();
    while (box->currentIndex() != target) {
        QTest::keyClick(box, box->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    }
}

} // namespace

class SettingDlgTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::ResetEnvironment(); }
    void init();
    void cleanup() { testsupport::CloseDbDirect(); }

    void opensWithTheWorkingRowAndStoresChoices();
    void listItemsAndTheirValues_data();
    void listItemsAndTheirValues();
    void checkBoxes_data();
    void checkBoxes();
    void maturityAgeWithoutItemStays();
    void defaultCopiesTheDefaultRowAtOnce();
    void cancelWritesNothing();
    void okWithoutChangesWritesNothing();
    void fieldsNotShownSurviveOk();
    void noWorkingRowOkWritesRowOne();
    void noDefaultRowChangesNothing();
    void failedWritesKeepTheDialogOpen_data();
    void failedWritesKeepTheDialogOpen();
    void unreadableRowDoesNotOpen();
    void unfitValuesAreNotWrittenBackCut_data();
    void unfitValuesAreNotWrittenBackCut();
    void keyboard();
    void screenshotsOfEachPage();

private:
    // Runs the dialog as the Setting commands do, with `play` as the user; false when
    // the dialog did not run.
    bool Play(const std::function<void(QDialog&)>& play);

    std::unique_ptr<testsupport::FixtureFolder> m_folder;
};

void SettingDlgTest::init() {
    testsupport::ResetEnvironment();
    m_folder = std::make_unique<testsupport::FixtureFolder>();
    const QString path = m_folder->Path(QStringLiteral("options.dat"));
    WriteOptionFixture(path);
    QVERIFY(testsupport::OpenDbDirect(path));
    UndoHistory().Clear();
    g_option = OptionRecord{};
}

bool SettingDlgTest::Play(const std::function<void(QDialog&)>& play) {
    ModalDialog::TakeRunCount();
    ModalDialog::QueueScript(play);
    CSettingDlg::Run(nullptr);
    return ModalDialog::TakeRunCount() == 1;
}

void SettingDlgTest::opensWithTheWorkingRowAndStoresChoices() {
    QVERIFY(Play([](QDialog& dlg) {
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Main Menu Setting"));
        QTabWidget* tabs = Child<QTabWidget>(dlg, QStringLiteral("settingTabs"));
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->tabText(0), QStringLiteral("User's Setting"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Lock Control"));
        QCOMPARE(tabs->tabText(2), QStringLiteral("Language "));
        QCOMPARE(Child<QPushButton>(dlg, QStringLiteral("okButton"))->text(), QStringLiteral("&OK"));
        QCOMPARE(Child<QPushButton>(dlg, QStringLiteral("defaultButton"))->text(), QStringLiteral("&Default"));
        QCOMPARE(Child<QPushButton>(dlg, QStringLiteral("cancelButton"))->text(), QStringLiteral("&Cancel"));

        QCOMPARE(List(dlg, QStringLiteral("bannerTimeoutList"))->currentText(), QStringLiteral("5 seconds"));
        Choose(dlg, QStringLiteral("bannerTimeoutList"), QStringLiteral("10 seconds"));
        QCOMPARE(g_option.banner_timeout, 10); // stored at once, before OK
        ShowPage(dlg, kLockPage);
        QCOMPARE(List(dlg, QStringLiteral("maturityList"))->currentText(), QStringLiteral("13 Years"));
        Choose(dlg, QStringLiteral("maturityList"), QStringLiteral("Off"));
        QCOMPARE(g_option.maturity_age, 0);
        Click(dlg, "okButton");
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
    }));
    QCOMPARE(Stored("banner_timeout"), 10);
    QCOMPARE(Stored("maturity_age"), 0);
    // Fault guarded: stored settings that the exit's save prompt did not offer to save.
    QCOMPARE(g_dbModified, 1);
    QVERIFY(MessageBox::TakeShown().isEmpty());
    // The opening is one step of Edit > Undo.
    QCOMPARE(UndoHistory().UndoName(), std::string("Receiver settings"));
    QCOMPARE(UndoHistory().Undo(), 0);
    QCOMPARE(Stored("banner_timeout"), 5);
    QCOMPARE(Stored("maturity_age"), 13);
}

// Each row: one item of one list, where it stands, and the value it stands for.
void SettingDlgTest::listItemsAndTheirValues_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("value");
    struct ListCase {
        int page;
        const char* list;
        const char* column;
        QStringList items;
        QList<int> values;
    };
    QList<int> languageIndexes;
    for (int i = 0; i < kLanguages.size(); ++i) {
        languageIndexes << i;
    }
    const ListCase lists[] = {
        {kUserPage, "aspectRatioList", "aspect_ratio", {"4 : 3 PS", "16 : 9", "4 : 3 LB"}, {0, 1, 2}},
        {kUserPage,
         "bannerTimeoutList",
         "banner_timeout",
         {"2 seconds", "3 seconds", "4 seconds", "5 seconds", "6 seconds", "7 seconds", "8 seconds", "9 seconds",
          "10 seconds"},
         {2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {kUserPage, "bannerTypeList", "banner_type", {"Normal", "Simple"}, {0, 1}},
        {kLockPage,
         "maturityList",
         "maturity_age",
         {"Off", "5 Years", "8 Years", "10 Years", "13 Years", "15 Years", "18 Years"},
         {0, 5, 8, 10, 13, 15, 18}},
        {kLangPage, "menuLanguageList", "menu_language", kLanguages, languageIndexes},
        {kLangPage, "audioLanguageList", "audio_language", kLanguages, languageIndexes},
        {kLangPage, "subtitleLanguageList", "subtitle_language", kLanguages, languageIndexes},
    };
    for (const ListCase& c : lists) {
        for (int i = 0; i < c.items.size(); ++i) {
            QTest::addRow("%s %s", c.list, qPrintable(c.items[i]))
                << c.page << QString::fromLatin1(c.list) << QString::fromLatin1(c.column) << c.items << i
                << c.values[i];
        }
    }
}

// The stored value selects the item at set-up, and choosing the item stores the value.
void SettingDlgTest::listItemsAndTheirValues() {
    QFETCH(int, page);
    QFETCH(QString, list);
    QFETCH(QString, column);
    QFETCH(QStringList, items);
    QFETCH(int, index);
    QFETCH(int, value);
    QVERIFY(Exec(QStringLiteral("UPDATE OptionInfo SET %1 = %2 WHERE option_id = 1").arg(column).arg(value)));
    QVERIFY(Play([&](QDialog& dlg) {
        ShowPage(dlg, page);
        QComboBox* box = List(dlg, list);
        QStringList shown;
        for (int i = 0; i < box->count(); ++i) {
            shown << box->itemText(i);
        }
        QCOMPARE(shown, items);
        QCOMPARE(box->currentIndex(), index);
        Choose(dlg, list, items[(index + 1) % items.size()]);
        Choose(dlg, list, items[index]);
        Click(dlg, "okButton");
    }));
    QCOMPARE(Stored(column.toLatin1().constData()), value);
}

void SettingDlgTest::checkBoxes_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("column");
    QTest::newRow("subtitle") << int(kUserPage) << "subtitleCheckBox"
                              << "Subtitle "
                              << "subtitle";
    QTest::newRow("timeshift") << int(kUserPage) << "timeshiftCheckBox"
                               << "Timeshift"
                               << "timeshift";
    QTest::newRow("system lock") << int(kLockPage) << "systemLockCheckBox"
                                 << "System Lock"
                                 << "system_lock";
    QTest::newRow("channel lock") << int(kLockPage) << "channelLockCheckBox"
                                  << "Channel Lock"
                                  << "channel_lock";
    QTest::newRow("hide channel") << int(kLockPage) << "hideChannelCheckBox"
                                  << "Hide Channel"
                                  << "hide_channel";
}

// Each box shows its field and a click stores the other value, both ways round.
void SettingDlgTest::checkBoxes() {
    QFETCH(int, page);
    QFETCH(QString, box);
    QFETCH(QString, caption);
    QFETCH(QString, column);
    for (const int before : {0, 1}) {
        QVERIFY(Exec(QStringLiteral("UPDATE OptionInfo SET %1 = %2 WHERE option_id = 1").arg(column).arg(before)));
        QVERIFY(Play([&](QDialog& dlg) {
            ShowPage(dlg, page);
            QCheckBox* check = Child<QCheckBox>(dlg, box);
            QCOMPARE(check->text(), caption);
            QCOMPARE(check->isChecked(), before == 1);
            Toggle(dlg, box);
            Click(dlg, "okButton");
        }));
        QCOMPARE(Stored(column.toLatin1().constData()), 1 - before);
    }
}

void SettingDlgTest::maturityAgeWithoutItemStays() {
    QVERIFY(Exec(QStringLiteral("UPDATE OptionInfo SET maturity_age = 7 WHERE option_id = 1")));
    QVERIFY(Play([](QDialog& dlg) {
        Choose(dlg, QStringLiteral("aspectRatioList"), QStringLiteral("16 : 9"));
        ShowPage(dlg, kLockPage);
        QCOMPARE(List(dlg, QStringLiteral("maturityList"))->currentIndex(), -1);
        Click(dlg, "okButton");
    }));
    QCOMPARE(Stored("aspect_ratio"), 1);
    QCOMPARE(Stored("maturity_age"), 7);
}

void SettingDlgTest::defaultCopiesTheDefaultRowAtOnce() {
    const QString defaults = Row(0);
    QVERIFY(Play([](QDialog& dlg) {
        Choose(dlg, QStringLiteral("aspectRatioList"), QStringLiteral("4 : 3 PS"));
        Click(dlg, "defaultButton");
        QCOMPARE(g_dbModified, 1); // the row is already written
        // The page already shown follows the defaults...
        QCOMPARE(List(dlg, QStringLiteral("bannerTimeoutList"))->currentText(), QStringLiteral("8 seconds"));
        QCOMPARE(List(dlg, QStringLiteral("bannerTypeList"))->currentText(), QStringLiteral("Simple"));
        QCOMPARE(List(dlg, QStringLiteral("aspectRatioList"))->currentText(), QStringLiteral("16 : 9"));
        QVERIFY(!Child<QCheckBox>(dlg, QStringLiteral("subtitleCheckBox"))->isChecked());
        // ...and a page first shown afterwards sets itself up from them.
        ShowPage(dlg, kLangPage);
        QCOMPARE(List(dlg, QStringLiteral("menuLanguageList"))->currentText(), QStringLiteral("Italian"));
        QCOMPARE(List(dlg, QStringLiteral("audioLanguageList"))->currentText(), QStringLiteral("Dutch"));
        QCOMPARE(List(dlg, QStringLiteral("subtitleLanguageList"))->currentText(), QStringLiteral("Danish"));
        Click(dlg, "cancelButton");
    }));
    // Cancel leaves the copied defaults in place.
    QCOMPARE(Row(1), QString(defaults).replace(0, 1, QLatin1Char('1')));
    QCOMPARE(Row(0), defaults);
}

void SettingDlgTest::cancelWritesNothing() {
    const QString before = Row(1);
    QVERIFY(Play([](QDialog& dlg) {
        Choose(dlg, QStringLiteral("bannerTypeList"), QStringLiteral("Simple"));
        Toggle(dlg, QStringLiteral("timeshiftCheckBox"));
        QCOMPARE(g_option.timeshift, 1);
        ShowPage(dlg, kLangPage);
        Choose(dlg, QStringLiteral("menuLanguageList"), QStringLiteral("Greek"));
        Click(dlg, "cancelButton");
    }));
    QCOMPARE(Row(1), before);
    QCOMPARE(g_dbModified, 0);
    // The next opening shows the stored values, not the abandoned ones.
    QVERIFY(Play([](QDialog& dlg) {
        QCOMPARE(List(dlg, QStringLiteral("bannerTypeList"))->currentText(), QStringLiteral("Normal"));
        QVERIFY(!Child<QCheckBox>(dlg, QStringLiteral("timeshiftCheckBox"))->isChecked());
        ShowPage(dlg, kLangPage);
        QCOMPARE(List(dlg, QStringLiteral("menuLanguageList"))->currentText(), QStringLiteral("German"));
    }));
}

void SettingDlgTest::okWithoutChangesWritesNothing() {
    const QString before = Row(1);
    QVERIFY(Play([](QDialog& dlg) {
        Choose(dlg, QStringLiteral("bannerTypeList"), QStringLiteral("Simple"));
        Choose(dlg, QStringLiteral("bannerTypeList"), QStringLiteral("Normal"));
        Click(dlg, "okButton");
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
    }));
    QCOMPARE(Row(1), before);
    QCOMPARE(g_dbModified, 0);
}

void SettingDlgTest::fieldsNotShownSurviveOk() {
    const auto hidden = [] {
        return testsupport::QueryText(QStringLiteral(
            "SELECT quote(opt3)||quote(opt8_text)||quote(opt9)||quote(opt10)||quote(opt14)||quote(opt15)||"
            "quote(opt16)||quote(opt18)||quote(opt19)||quote(opt20)||quote(opt22) FROM OptionInfo "
            "WHERE option_id = 1"));
    };
    QCOMPARE(hidden(), QStringLiteral("777'a''b'00-300-7000012345609"));
    QVERIFY(Play([](QDialog& dlg) {
        Choose(dlg, QStringLiteral("aspectRatioList"), QStringLiteral("16 : 9"));
        Click(dlg, "okButton");
    }));
    QCOMPARE(Stored("aspect_ratio"), 1);
    QCOMPARE(hidden(), QStringLiteral("777'a''b'00-300-7000012345609"));
}

void SettingDlgTest::noWorkingRowOkWritesRowOne() {
    const QString defaults = Row(0);
    QVERIFY(Exec(QStringLiteral("DELETE FROM OptionInfo WHERE option_id = 1")));
    QVERIFY(Play([](QDialog& dlg) {
        // An all-zero record: 0 has an item in this list, none in the time-out list.
        QCOMPARE(List(dlg, QStringLiteral("aspectRatioList"))->currentText(), QStringLiteral("4 : 3 PS"));
        QCOMPARE(List(dlg, QStringLiteral("bannerTimeoutList"))->currentIndex(), -1);
        Choose(dlg, QStringLiteral("bannerTimeoutList"), QStringLiteral("7 seconds"));
        Click(dlg, "okButton");
    }));
    // Fault guarded: the edited values stored over the receiver's defaults in row 0.
    QCOMPARE(Row(0), defaults);
    QCOMPARE(Stored("banner_timeout"), 7);
    QCOMPARE(QueryInt(QStringLiteral("SELECT count(*) FROM OptionInfo")), 2);
    QCOMPARE(g_dbModified, 1);
}

void SettingDlgTest::noDefaultRowChangesNothing() {
    QVERIFY(Exec(QStringLiteral("DELETE FROM OptionInfo WHERE option_id = 0")));
    const QString before = Row(1);
    QVERIFY(Play([](QDialog& dlg) {
        Choose(dlg, QStringLiteral("bannerTypeList"), QStringLiteral("Simple"));
        Click(dlg, "defaultButton");
        QCOMPARE(MessageBox::TakeShownTexts(), QStringList{kNoDefaults});
        QVERIFY(dlg.isVisible());
        QCOMPARE(List(dlg, QStringLiteral("bannerTypeList"))->currentText(), QStringLiteral("Simple"));
        QCOMPARE(g_option.banner_type, 1);
    }));
    QCOMPARE(Row(1), before);
    QCOMPARE(QueryInt(QStringLiteral("SELECT count(*) FROM OptionInfo")), 1);
    QCOMPARE(g_dbModified, 0);
}

void SettingDlgTest::failedWritesKeepTheDialogOpen_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("OK") << "okButton"
                        << "The settings could not be stored in the DB:\nrefused\nNothing has been changed.";
    QTest::newRow("Default") << "defaultButton"
                             << "The default settings could not be copied in the DB:\nrefused\n"
                                "Nothing has been changed.";
}

// Fault guarded: a failed write shown as success, or the defaults shown as taken when
// they were not stored.
void SettingDlgTest::failedWritesKeepTheDialogOpen() {
    QFETCH(QString, button);
    QFETCH(QString, message);
    QVERIFY(Exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON OptionInfo "
                                "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    const QString before = Row(1);
    QVERIFY(Play([&](QDialog& dlg) {
        Choose(dlg, QStringLiteral("bannerTypeList"), QStringLiteral("Simple"));
        Click(dlg, button.toLatin1().constData());
        QCOMPARE(MessageBox::TakeShownTexts(), QStringList{message});
        QVERIFY(dlg.isVisible());
        QCOMPARE(g_option.banner_type, 1);
        QCOMPARE(List(dlg, QStringLiteral("bannerTypeList"))->currentText(), QStringLiteral("Simple"));
        Click(dlg, "cancelButton");
    }));
    QCOMPARE(Row(1), before);
    QCOMPARE(g_dbModified, 0);
}

void SettingDlgTest::unreadableRowDoesNotOpen() {
    QVERIFY(Exec(QStringLiteral("ALTER TABLE OptionInfo RENAME TO Elsewhere")));
    QVERIFY(!Play([](QDialog&) {}));
    QCOMPARE(MessageBox::TakeShownTexts(),
             QStringList{QStringLiteral("The receiver's settings could not be read from the DB:\n"
                                        "no such table: OptionInfo")});
}

void SettingDlgTest::unfitValuesAreNotWrittenBackCut_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("assignment");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    const QString working = QStringLiteral(
        "The stored settings hold a value that the receiver's format does not allow (%1).\nThey are left unchanged.");
    QTest::newRow("shown field") << 1 << "banner_timeout = 70000"
                                 << "okButton" << working.arg(QLatin1String("banner_timeout = 70000"));
    QTest::newRow("hidden field") << 1 << "opt15 = -5"
                                  << "okButton" << working.arg(QLatin1String("opt15 = -5"));
    QTest::newRow("default row") << 0 << "opt8_text = 'abcdef'"
                                 << "defaultButton"
                                 << QStringLiteral("The default settings hold a value that the receiver's format "
                                                   "does not allow (opt8_text = abcdef).\n"
                                                   "The settings are left unchanged.");
}

// Fault guarded: a value the record cannot hold written back as its low 16 bits.
void SettingDlgTest::unfitValuesAreNotWrittenBackCut() {
    QFETCH(int, row);
    QFETCH(QString, assignment);
    QFETCH(QString, button);
    QFETCH(QString, message);
    QVERIFY(Exec(QStringLiteral("UPDATE OptionInfo SET %1 WHERE option_id = %2").arg(assignment).arg(row)));
    const QString rows = Row(0) + Row(1);
    QVERIFY(Play([&](QDialog& dlg) {
        Choose(dlg, QStringLiteral("aspectRatioList"), QStringLiteral("16 : 9"));
        Click(dlg, button.toLatin1().constData());
        QCOMPARE(MessageBox::TakeShownTexts(), QStringList{message});
        QVERIFY(dlg.isVisible());
        Click(dlg, "cancelButton");
    }));
    QCOMPARE(Row(0) + Row(1), rows);
    QCOMPARE(g_dbModified, 0);
}

void SettingDlgTest::keyboard() {
    const QString before = Row(1);
    QVERIFY(Play([](QDialog& dlg) {
        dlg.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QTabWidget* tabs = Child<QTabWidget>(dlg, QStringLiteral("settingTabs"));
        tabs->tabBar()->setFocus();
        // Tab walks the page area, then the buttons, in order.
        QStringList order;
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, QStringList({"aspectRatioList", "bannerTimeoutList", "bannerTypeList", "subtitleCheckBox",
                                     "timeshiftCheckBox", "okButton", "defaultButton", "cancelButton"}));
        // Ctrl+Tab steps the pages from the buttons and from within a page, both ways.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), int(kLockPage));
        List(dlg, QStringLiteral("maturityList"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), int(kLangPage));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), int(kUserPage));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(tabs->currentIndex(), int(kLangPage));
        // Keys in a list store the choice; Esc then cancels it.
        QComboBox* menu = List(dlg, QStringLiteral("menuLanguageList"));
        menu->setFocus();
        QTest::keyClick(menu, Qt::Key_Down);
        QCOMPARE(g_option.menu_language, 6);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QVERIFY(!dlg.isVisible());
    }));
    QCOMPARE(Row(1), before);
}

// Leaves a picture of each page on the demo database in the build folder, for anyone
// to look at: <build>/screenshots/settings-*.png.
void SettingDlgTest::screenshotsOfEachPage() {
    QVERIFY(testsupport::OpenDbDirect(m_folder->Write(QStringLiteral("demo"), QStringLiteral("demo.dat"))));
    QVERIFY(QDir().mkpath(QStringLiteral(ORVANE_SCREENSHOT_DIR)));
    QVERIFY(Play([](QDialog& dlg) {
        const char* const names[] = {"settings-user.png", "settings-lock.png", "settings-language.png"};
        for (int page = kUserPage; page <= kLangPage; ++page) {
            ShowPage(dlg, page);
            QApplication::processEvents();
            const QString path = QStringLiteral(ORVANE_SCREENSHOT_DIR "/") + QLatin1String(names[page]);
            QVERIFY(dlg.grab().save(path));
            QCOMPARE(QImage(path).size(), dlg.size());
            // Every label and check box gets at least the room its text needs.
            for (const QWidget* widget : dlg.findChildren<QWidget*>()) {
                if (auto* label = qobject_cast<const QLabel*>(widget); label != nullptr && label->isVisible()) {
                    QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
                }
                if (auto* box = qobject_cast<const QAbstractButton*>(widget); box != nullptr && box->isVisible()) {
                    QVERIFY2(box->width() >= box->sizeHint().width(), qPrintable(box->objectName()));
                }
            }
        }
        Click(dlg, "cancelButton");
    }));
}

QTEST_MAIN(SettingDlgTest)
#include "SettingDlgTest.moc"
