// Find and filter in the channel list, in the running editor: finding by name,
// provider, service id and frequency with wrap-around, Unicode case folding and
// "n of m"; each quick filter on the demo database against the stored flags; and what
// a filter turns off (Renumber, reordering drags) while Edit and Delete act on the
// shown rows and leave the order of the whole list as it was.
#include "DialogDriver.h"
#include "FixtureBuilder.h"
#include "TestSupport.h"
#include "channels/ChannelFindBar.h"
#include "channels/OrvaneView.h"
#include "db/ChannelDB.h"
#include "document/OrvaneDoc.h"
#include "listctrl/ListColumns.h"
#include "listctrl/RecordListCtrl.h"
#include "seams/ModalDialog.h"
#include "seams/PopupMenu.h"
#include "shell/MainFrame.h"
#include "shell/OrvaneApp.h"
#include "shell/SplitterView.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <memory>
#include <set>

using namespace channeltest::driver;

namespace {

// Six channels whose texts the find cases below are about.
void WriteFindFixture(const QString& path) {
    fixtures::FixtureDb db(path.toStdString());
    db.AddSat(1, "Astra 19.2E", 192, 1);
    db.AddSat(2, "Hotbird 13.0E", 130, 2);
    db.AddNit(1, 1, 11778000, 27500, 3, 0);
    db.AddNit(2, 1, 12188000, 27500, 3, 1);
    db.AddNit(3, 2, 10992000, 27500, 2, 0);
    db.AddProvider(1, "ORF");
    db.AddProvider(2, "ARD");
    db.AddProvider(3, "\xce\x95\xce\xa1\xce\xa4"); // Greek capitals ERT
    const auto add = [&](int id, const char* name, int nit, int sat, int sdt, int radio, int sid) {
        fixtures::FixtureDb::Channel c;
        c.chId = id;
        c.name = name;
        c.nitId = nit;
        c.satId = sat;
        c.sdtId = sdt;
        c.order = id;
        c.mediaMode = radio;
        c.serviceId = sid;
        db.AddChannel(c);
    };
    add(1, "ORF 1", 1, 1, 1, 0, 13001);
    add(2, "\xc3\x96sterreich 1", 1, 1, 1, 1, 13111); // Oe with diaeresis
    add(3, "Das Erste", 2, 1, 2, 0, 28106);
    add(4, "ERT World", 3, 2, 3, 0, 7201);
    add(5, "ZDF", 2, 1, 2, 0, 28006);
    add(6, "Bayern 3", 2, 1, 2, 1, 28400);
    db.AddFavGroup(1, "News", 1);
    db.AddFavEntry(1, 1, "Das Erste", 1, 3);
}

std::set<int32_t> SqlIds(const QString& where) {
    std::set<int32_t> ids;
    sqlite3_stmt* statement = nullptr;
    const QByteArray sql = ("SELECT ch_id FROM ChannelInfo WHERE ch_id < 20000 AND " + where).toUtf8();
    if (sqlite3_prepare_v2(g_db, sql.constData(), -1, &statement, nullptr) == SQLITE_OK) {
        while (sqlite3_step(statement) == SQLITE_ROW) {
            ids.insert(sqlite3_column_int(statement, 0));
        }
    }
    sqlite3_finalize(statement);
    return ids;
}

} // namespace

class FindFilterTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { COrvaneApp::SelectSettingsStore(); }
    void init();
    void cleanup();

    void findsByNameProviderSidAndFrequency_data();
    void findsByNameProviderSidAndFrequency();
    void nextAndPreviousWrapWithANote();
    void escClosesTheBarKeepingTheSelection();
    void quickFiltersOnTheDemoDatabase_data();
    void quickFiltersOnTheDemoDatabase();
    void aFilterTurnsOffRenumberAndReorderingDrags();
    void editAndDeleteUnderAFilterKeepTheOrder();
    void aSatelliteIdBeyondSixteenBitsIsNoOtherSatellite();
    void countFollowsTheFilterAndStartsOverWithAnotherFile_data();
    void countFollowsTheFilterAndStartsOverWithAnotherFile();

private:
    void Start(const QString& path);
    CMainFrame* Frame() const { return m_app->MainFrame(); }
    COrvaneView* View() const { return qobject_cast<CSplitterView*>(Frame()->EditingView())->ChannelView(); }
    CRecordListCtrl* List() const { return View()->List(); }
    CChannelFindBar* Bar() const { return View()->FindBar(); }
    QLineEdit* FindEdit() const { return Bar()->findChild<QLineEdit*>(QStringLiteral("findEdit")); }
    QString Label(const char* name) const { return Bar()->findChild<QLabel*>(QLatin1String(name))->text(); }
    void Check(const char* name, bool on = true) { Bar()->findChild<QCheckBox*>(QLatin1String(name))->setChecked(on); }
    int CurrentId() const { return List()->RowId(List()->currentIndex().row()); }
    QList<int32_t> AllIds() const;
    std::set<int32_t> ShownIds() const;

    std::unique_ptr<testsupport::FixtureFolder> m_folder;
    std::unique_ptr<COrvaneApp> m_app;
};

void FindFilterTest::init() {
    testsupport::ResetEnvironment();
    m_folder = std::make_unique<testsupport::FixtureFolder>();
    const QString path = m_folder->Path(QStringLiteral("find.dat"));
    WriteFindFixture(path);
    Start(path);
}

void FindFilterTest::cleanup() {
    m_app.reset();
    testsupport::CloseDbDirect();
    m_folder.reset();
}

void FindFilterTest::Start(const QString& path) {
    m_app.reset();
    m_app = std::make_unique<COrvaneApp>();
    QVERIFY(m_app->InitInstance({path}, false));
    Frame()->resize(1200, 800);
    Frame()->show();
    QVERIFY(QTest::qWaitForWindowExposed(Frame()));
    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionEditFind")));
    QVERIFY(Bar()->isVisible());
}

QList<int32_t> FindFilterTest::AllIds() const {
    QList<int32_t> ids;
    for (int row = 0; row < List()->RowCount(); ++row) {
        ids << List()->RowId(row);
    }
    return ids;
}

std::set<int32_t> FindFilterTest::ShownIds() const {
    std::set<int32_t> ids;
    for (int row = 0; row < List()->RowCount(); ++row) {
        if (!List()->isRowHidden(row, QModelIndex())) {
            ids.insert(List()->RowId(row));
        }
    }
    return ids;
}

void FindFilterTest::countFollowsTheFilterAndStartsOverWithAnotherFile_data() {
    QTest::addColumn<bool>("close");
    QTest::newRow("another file opened") << false;
    QTest::newRow("file closed") << true;
}

void FindFilterTest::countFollowsTheFilterAndStartsOverWithAnotherFile() {
    QFETCH(bool, close);
    FindEdit()->setText(QStringLiteral("er"));
    Check("onlyMatchesCheckBox");
    const QString all = Label("findCountLabel");
    Check("radioFilterCheckBox");
    // Only matches are shown, so "n of m" counts exactly the rows shown.
    const int shown = static_cast<int>(ShownIds().size());
    QVERIFY(shown > 0 && shown < List()->RowCount());
    QVERIFY(Label("findCountLabel").endsWith(QStringLiteral(" of %1").arg(shown)));
    QVERIFY(Label("findCountLabel") != all);

    if (close) {
        QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionFileClose")));
    } else {
        const QString other = m_folder->Path(QStringLiteral("other.dat"));
        WriteFindFixture(other);
        QVERIFY(Frame()->Document()->OpenDocumentFile(other));
    }
    QCOMPARE(FindEdit()->text(), QString());
    QCOMPARE(Label("findCountLabel"), QString());
    for (QCheckBox* box : Bar()->findChildren<QCheckBox*>()) {
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
    }
    QVERIFY(!View()->Filtered());
    QCOMPARE(static_cast<int>(ShownIds().size()), List()->RowCount());
}

void FindFilterTest::findsByNameProviderSidAndFrequency_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("matches"); // channel ids in list order
    QTest::newRow("name and provider") << QStringLiteral("orf") << QList<int>{1, 2};
    QTest::newRow("non-ASCII name") << QStringLiteral("\u00d6STERREICH") << QList<int>{2};
    QTest::newRow("non-ASCII provider") << QStringLiteral("\u03b5\u03c1\u03c4") << QList<int>{4};
    QTest::newRow("service id") << QStringLiteral("2810") << QList<int>{3};
    QTest::newRow("frequency in MHz") << QStringLiteral("1177") << QList<int>{1, 2};
    QTest::newRow("provider") << QStringLiteral("ArD") << QList<int>{3, 5, 6};
    QTest::newRow("nothing") << QStringLiteral("zzz") << QList<int>{};
    QTest::newRow("across name and provider") << QStringLiteral("1orf") << QList<int>{}; // "ORF 1", "ORF"
}

void FindFilterTest::findsByNameProviderSidAndFrequency() {
    QFETCH(QString, text);
    QFETCH(QList<int>, matches);
    FindEdit()->setText(text);
    if (matches.isEmpty()) {
        QCOMPARE(Label("findCountLabel"), QStringLiteral("0 of 0"));
        QCOMPARE(Label("findNoteLabel"), QString::fromLatin1(CChannelFindBar::kNoMatch));
        return;
    }
    // Typing selects the first match and says how many there are.
    QCOMPARE(CurrentId(), matches.first());
    QCOMPARE(List()->SelectedRows().size(), 1);
    QCOMPARE(Label("findCountLabel"), QStringLiteral("1 of %1").arg(matches.size()));
    // "Only matches" shows exactly the matching rows.
    Check("onlyMatchesCheckBox");
    QCOMPARE(ShownIds(), std::set<int32_t>(matches.begin(), matches.end()));
}

void FindFilterTest::nextAndPreviousWrapWithANote() {
    QTest::keyClicks(FindEdit(), QStringLiteral("ard"));
    QCOMPARE(CurrentId(), 3);
    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionEditFindNext")));
    QCOMPARE(CurrentId(), 5);
    QCOMPARE(Label("findCountLabel"), QStringLiteral("2 of 3"));
    QTest::keyClick(FindEdit(), Qt::Key_Return); // Enter in the bar is Find Next
    QCOMPARE(CurrentId(), 6);
    QCOMPARE(Label("findNoteLabel"), QString());
    QTest::mouseClick(Bar()->findChild<QWidget*>(QStringLiteral("findNextButton")), Qt::LeftButton);
    QCOMPARE(CurrentId(), 3);
    QCOMPARE(Label("findCountLabel"), QStringLiteral("1 of 3"));
    QCOMPARE(Label("findNoteLabel"), QString::fromLatin1(CChannelFindBar::kWrappedToTop));
    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionEditFindPrevious")));
    QCOMPARE(CurrentId(), 6);
    QCOMPARE(Label("findCountLabel"), QStringLiteral("3 of 3"));
    QCOMPARE(Label("findNoteLabel"), QString::fromLatin1(CChannelFindBar::kWrappedToBottom));
    // A longer text keeps the current row while it still matches.
    QTest::keyClicks(FindEdit(), QStringLiteral(" "));
    QCOMPARE(Label("findCountLabel"), QStringLiteral("0 of 0"));
    QTest::keyClick(FindEdit(), Qt::Key_Backspace);
    QCOMPARE(CurrentId(), 6);
}

void FindFilterTest::escClosesTheBarKeepingTheSelection() {
    QTest::keyClicks(FindEdit(), QStringLiteral("zdf"));
    Check("radioFilterCheckBox");
    QVERIFY(View()->Filtered());
    QTest::keyClick(FindEdit(), Qt::Key_Escape);
    QVERIFY(!Bar()->isVisible());
    // The filter belongs to the bar: closed, the whole list shows again.
    QVERIFY(!View()->Filtered());
    QCOMPARE(ShownIds().size(), size_t{6});
    QCOMPARE(CurrentId(), 5);
    QCOMPARE(List()->SelectedRows(), QList<int>{4});
}

void FindFilterTest::quickFiltersOnTheDemoDatabase_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("where");
    QTest::newRow("TV") << "tvFilterCheckBox"
                        << "media_mode = 0";
    QTest::newRow("Radio") << "radioFilterCheckBox"
                           << "media_mode <> 0";
    QTest::newRow("Locked") << "lockedFilterCheckBox"
                            << "lock <> 0";
    QTest::newRow("Hidden") << "hiddenFilterCheckBox"
                            << "hide <> 0";
    QTest::newRow("Scrambled") << "scrambledFilterCheckBox"
                               << "cas_type <> 0";
    QTest::newRow("not in a group") << "noFavouriteFilterCheckBox"
                                    << "ch_id NOT IN (SELECT ch_id FROM FAVListInfo)";
    QTest::newRow("satellite") << ""
                               << "sat_id = (SELECT SAT_ID FROM SATInfo ORDER BY posi_index LIMIT 1 OFFSET 1)";
    // Boxes together: TV and Radio each widen the other, the rest narrow.
    QTest::newRow("TV, Radio and Locked") << "tvFilterCheckBox,radioFilterCheckBox,lockedFilterCheckBox"
                                          << "lock <> 0";
    QTest::newRow("satellite and not in a group")
        << ",noFavouriteFilterCheckBox"
        << "sat_id = (SELECT SAT_ID FROM SATInfo ORDER BY posi_index LIMIT 1 OFFSET 1) AND ch_id NOT IN (SELECT "
           "ch_id FROM FAVListInfo)";
}

void FindFilterTest::quickFiltersOnTheDemoDatabase() {
    QFETCH(QString, box);
    QFETCH(QString, where);
    Start(m_folder->Write(QStringLiteral("demo"), QStringLiteral("demo.dat")));
    const std::set<int32_t> expected = SqlIds(where);
    QVERIFY(!expected.empty());
    QVERIFY(expected.size() < static_cast<size_t>(List()->RowCount()));
    for (const QString& name : box.split(u',')) { // "": the second satellite
        if (name.isEmpty()) {
            auto* combo = Bar()->findChild<QComboBox*>(QStringLiteral("satelliteFilterCombo"));
            combo->setCurrentIndex(2); // "Any satellite", then the satellites in the user's order
        } else {
            Check(name.toLatin1().constData());
        }
    }
    QCOMPARE(ShownIds(), expected);
    QVERIFY(Frame()->findChild<QLabel*>(QStringLiteral("filterNoticeLabel"))->isVisible());
    QVERIFY(Frame()
                ->findChild<QLabel*>(QStringLiteral("filterNoticeLabel"))
                ->text()
                .startsWith(QStringLiteral("Filter on: %1 of ").arg(expected.size())));
}

void FindFilterTest::aFilterTurnsOffRenumberAndReorderingDrags() {
    const QList<int32_t> order = AllIds();
    QAction* renumber = Frame()->findChild<QAction*>(QStringLiteral("actionRenumber"));
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, List()->RowBounds(0).center());
    QVERIFY(renumber->isEnabled());
    QVERIFY(renumber->toolTip().isEmpty());

    Check("tvFilterCheckBox");
    QCOMPARE(ShownIds(), (std::set<int32_t>{1, 3, 4, 5}));
    QVERIFY(!renumber->isEnabled());
    QVERIFY(renumber->toolTip().contains(QStringLiteral("filter")));
    PopupMenu::QueueChoice(QString());
    emit List()->customContextMenuRequested(List()->RowBounds(0).center());
    const QList<PopupMenu::Item> items = PopupMenu::TakeShown().value(0);
    QCOMPARE(items.size(), 14);
    QVERIFY(!items[3].enabled); // Renumber
    // Move to Top, Bottom and Number are off with it, as dragging is.
    QCOMPARE(items[8].name, QStringLiteral("actionBulkMoveTop"));
    QVERIFY(!items[8].enabled && !items[9].enabled && !items[10].enabled);

    // Dragging the shown rows 3 and 5 to the top moves nothing.
    List()->clearSelection();
    List()->SetRowSelected(2, true);
    List()->SetRowSelected(4, true);
    QWidget* viewport = List()->viewport();
    const QPoint start(40, List()->RowBounds(2).center().y());
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    QTest::mouseMove(viewport, start + QPoint(0, QApplication::startDragDistance() + 2));
    QTest::mouseMove(viewport, start + QPoint(0, QApplication::startDragDistance() + 4));
    QVERIFY(View()->Dragging());
    const QPoint top(40, List()->RowBounds(0).top() + 2);
    QTest::mouseMove(viewport, top);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, top);
    QCOMPARE(AllIds(), order);

    // Filter off: the whole list in its order, Renumber back.
    Check("tvFilterCheckBox", false);
    QCOMPARE(ShownIds().size(), size_t{6});
    QCOMPARE(AllIds(), order);
    QVERIFY(renumber->isEnabled());
    QVERIFY(!Frame()->findChild<QLabel*>(QStringLiteral("filterNoticeLabel"))->isVisible());
}

void FindFilterTest::editAndDeleteUnderAFilterKeepTheOrder() {
    Check("radioFilterCheckBox");
    QCOMPARE(ShownIds(), (std::set<int32_t>{2, 6}));
    // Select all: only the shown rows are selected for the commands.
    List()->setFocus();
    List()->selectAll();
    QCOMPARE(List()->SelectedRows(), (QList<int>{1, 5}));

    ModalDialog::QueueScript([](QDialog& dlg) {
        Edit(&dlg, "chNameEdit")->setText(QStringLiteral("Bayern Drei"));
        Click(&dlg, "okButton");
    });
    List()->clearSelection();
    List()->SetRowSelected(5, true);
    View()->OnEditEdit();
    QCOMPARE(List()->CellText(5, kChannelServiceColumn), QStringLiteral("Bayern Drei"));

    List()->clearSelection();
    List()->SetRowSelected(0, true); // hidden: a TV channel
    List()->SetRowSelected(1, true);
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    View()->OnEditDelete();
    QCOMPARE(SqlIds(QStringLiteral("1")), (std::set<int32_t>{1, 3, 4, 5, 6}));

    Check("radioFilterCheckBox", false);
    QCOMPARE(AllIds(), (QList<int32_t>{1, 3, 4, 5, 6}));
}

QTEST_MAIN(FindFilterTest)
#include "FindFilterTest.moc"

// The satellite filter and the list's satellite column cut sat_id 65537 to 1: the
// filter showed satellite 1's channels and the row showed satellite 1's name.
void FindFilterTest::aSatelliteIdBeyondSixteenBitsIsNoOtherSatellite() {
    const QString path = m_folder->Path(QStringLiteral("far.dat"));
    WriteFindFixture(path);
    QVERIFY(testsupport::OpenDbDirect(path));
    QVERIFY(testsupport::Exec(QStringLiteral("INSERT INTO SATInfo SELECT 65537, 'Far', posi_index, posi_index_org, 3, "
                                             "position, position_org, added FROM SATInfo WHERE SAT_ID = 1; "
                                             "UPDATE ChannelInfo SET sat_id = 65537 WHERE ch_id = 6")));
    testsupport::CloseDbDirect();
    Start(path);

    auto* combo = Bar()->findChild<QComboBox*>(QStringLiteral("satelliteFilterCombo"));
    const int far = combo->findData(65537);
    QVERIFY(far >= 0);
    combo->setCurrentIndex(far);
    QCOMPARE(ShownIds(), std::set<int32_t>{6});
    const int row = static_cast<int>(AllIds().indexOf(6));
    QVERIFY(!List()->RowTexts(row).contains(QStringLiteral("Astra 19.2E")));
}
