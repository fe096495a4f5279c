// Edit > Undo and Redo in the running editor: one command of each kind that stores,
// undone and redone through the menu actions, each time returning the working copy to
// exactly its earlier contents and the views to what they showed; the history
// cleared when a file is opened; a failed undo reported with the file unchanged.
// And the live counts of the status bar following changes, group choice and close.
#include "DialogDriver.h"
#include "TableDump.h"
#include "TestSupport.h"
#include "channels/ChannelFindBar.h"
#include "channels/OrvaneView.h"
#include "db/ChannelDB.h"
#include "db/UndoHistory.h"
#include "document/OrvaneDoc.h"
#include "favourites/FavGroupTree.h"
#include "favourites/FavGrpView.h"
#include "favourites/FavListView.h"
#include "listctrl/ListColumns.h"
#include "listctrl/RecordListCtrl.h"
#include "lnb/LNBView.h"
#include "satellites/NITView.h"
#include "seams/ModalDialog.h"
#include "seams/PendingEdits.h"
#include "shell/MainFrame.h"
#include "shell/MenuBar.h"
#include "shell/OrvaneApp.h"
#include "shell/SplitterView.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include <functional>
#include <memory>

using namespace channeltest::driver;
using testsupport::QueryInt;
using testsupport::QueryText;

namespace {

// Every text of an item model, depth first.
void DumpModel(const QAbstractItemModel* model, const QModelIndex& parent, QStringList& out) {
    for (int row = 0; row < model->rowCount(parent); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(parent); ++column) {
            cells << model->index(row, column, parent).data().toString();
        }
        out << cells.join(QLatin1Char('|'));
        DumpModel(model, model->index(row, 0, parent), out);
    }
}

// What the editing area shows: its lists and trees, and its edit fields.
QStringList Shown(QWidget* editingView) {
    QStringList out;
    for (const QAbstractItemView* view : editingView->findChildren<QAbstractItemView*>()) {
        if (view->model() != nullptr && !view->objectName().isEmpty()) {
            out << view->objectName();
            DumpModel(view->model(), view->rootIndex(), out);
        }
    }
    for (const QLineEdit* edit : editingView->findChildren<QLineEdit*>()) {
        if (!edit->objectName().isEmpty()) { // not an item's label editor
            out << edit->objectName() + QLatin1Char('=') + edit->text();
        }
    }
    return out;
}

} // namespace

class HistoryAndCountsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { COrvaneApp::SelectSettingsStore(); }
    void init();
    void cleanup();

    void eachCommandUndoesAndRedoes_data();
    void eachCommandUndoesAndRedoes();
    void openingAFileClearsTheHistory();
    void aFailedUndoSaysSoAndKeepsTheFile();
    void undoAsksAboutUnsavedLnbSlotEdits();
    void countsFollowChangesGroupsAndClose();

private:
    using Command = std::function<void(HistoryAndCountsTest&)>;

    void Start();
    CMainFrame* Frame() const { return m_app->MainFrame(); }
    CSplitterView* Container() const { return qobject_cast<CSplitterView*>(Frame()->EditingView()); }
    QAction* Action(const char* name) const { return Frame()->findChild<QAction*>(QLatin1String(name)); }
    void SwitchTo(int viewType) { Frame()->SwitchView(viewType); }
    void SelectRows(CRecordListCtrl* list, const QList<int>& rows);
    void DeleteWithKey(CRecordListCtrl* list, const QList<int>& rows);

    static QList<QPair<const char*, Command>> Commands();

    std::unique_ptr<testsupport::FixtureFolder> m_folder;
    std::unique_ptr<COrvaneApp> m_app;
    QString m_path;
};

void HistoryAndCountsTest::init() {
    testsupport::ResetEnvironment();
    m_folder = std::make_unique<testsupport::FixtureFolder>();
    Start();
}

void HistoryAndCountsTest::cleanup() {
    m_app.reset();
    testsupport::CloseDbDirect();
    m_folder.reset();
}

void HistoryAndCountsTest::Start() {
    m_path = m_folder->Write(QStringLiteral("demo"), QStringLiteral("db.dat"));
    m_app = std::make_unique<COrvaneApp>();
    QVERIFY(m_app->InitInstance({m_path}, false));
    Frame()->resize(1200, 800);
    Frame()->show();
    QVERIFY(QTest::qWaitForWindowExposed(Frame()));
}

void HistoryAndCountsTest::SelectRows(CRecordListCtrl* list, const QList<int>& rows) {
    list->clearSelection();
    for (const int row : rows) {
        list->SetRowSelected(row, true);
    }
}

void HistoryAndCountsTest::DeleteWithKey(CRecordListCtrl* list, const QList<int>& rows) {
    SelectRows(list, rows);
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    QTest::keyClick(list, Qt::Key_Delete);
}

QList<QPair<const char*, HistoryAndCountsTest::Command>> HistoryAndCountsTest::Commands() {
    const auto channels = [](HistoryAndCountsTest& t) { return t.Container()->ChannelView(); };
    return {
        {"Add channel",
         [=](HistoryAndCountsTest& t) {
             const int satId = QueryInt("SELECT sat_id FROM NITInfo ORDER BY nit_id LIMIT 1");
             const int nitId = QueryInt("SELECT nit_id FROM NITInfo ORDER BY nit_id LIMIT 1");
             ModalDialog::QueueScript([=](QDialog& dlg) {
                 FillNewChannel(&dlg, QStringLiteral("Added"), QStringLiteral("Prov"));
                 ChooseTp(&dlg, satId, nitId);
                 Click(&dlg, "okButton");
             });
             channels(t)->OnEditAdd();
         }},
        {"Edit channel",
         [=](HistoryAndCountsTest& t) {
             t.SelectRows(channels(t)->List(), {3});
             ModalDialog::QueueScript([](QDialog& dlg) {
                 Edit(&dlg, "chNameEdit")->setText(QStringLiteral("Renamed"));
                 Click(&dlg, "okButton");
             });
             channels(t)->OnEditEdit();
         }},
        {"Delete 3 channels",
         [=](HistoryAndCountsTest& t) {
             t.DeleteWithKey(channels(t)->List(), {0, 4, 9});
         }},
        {"Renumber",
         [=](HistoryAndCountsTest& t) {
             channels(t)->List()->MoveRowsAsBlock({5, 6}, 0);
             channels(t)->OnRenumber();
         }},
        {"Add favourite group", [](HistoryAndCountsTest& t) { t.Container()->FavGrpView()->OnEditAdd(); }},
        {"Delete favourite group",
         [](HistoryAndCountsTest& t) {
             MessageBox::QueueAnswer(MessageBox::Answer::Yes);
             t.Container()->FavGrpView()->OnEditDelete(); // the group selected at start
         }},
        {"Remove favourite entries",
         [](HistoryAndCountsTest& t) {
             CFavListView* favList = t.Container()->FavListView();
             t.SelectRows(favList->findChild<CRecordListCtrl*>(), {0, 1});
             MessageBox::QueueAnswer(MessageBox::Answer::Yes);
             favList->OnEditDelete();
         }},
        {"Delete satellites",
         [](HistoryAndCountsTest& t) {
             t.SwitchTo(CMainFrame::kSatelliteView);
             auto* view = qobject_cast<CNITView*>(t.Frame()->EditingView());
             t.DeleteWithKey(view->SatList(), {1});
         }},
        {"Delete transponders",
         [](HistoryAndCountsTest& t) {
             t.SwitchTo(CMainFrame::kSatelliteView);
             auto* view = qobject_cast<CNITView*>(t.Frame()->EditingView());
             QTest::mouseClick(view->SatList()->viewport(), Qt::LeftButton, {}, view->SatList()->RowBounds(0).center());
             QVERIFY(view->TpList()->RowCount() > 1);
             t.DeleteWithKey(view->TpList(), {1});
         }},
        {"Save LNB settings",
         [](HistoryAndCountsTest& t) {
             t.SwitchTo(CMainFrame::kLnbView);
             auto* view = qobject_cast<CLNBView*>(t.Frame()->EditingView());
             t.DeleteWithKey(view->List(), {0});
             Click(view, "saveButton");
         }},
    };
}

void HistoryAndCountsTest::eachCommandUndoesAndRedoes_data() {
    QTest::addColumn<int>("command");
    const auto commands = Commands();
    for (int i = 0; i < commands.size(); ++i) {
        QTest::newRow(commands[i].first) << i;
    }
}

void HistoryAndCountsTest::eachCommandUndoesAndRedoes() {
    QFETCH(int, command);
    const auto [name, run] = Commands().at(command);
    // Views are compared as the command left them shown, so each starts from its page.
    const QString stepName = QString::fromLatin1(name);
    if (stepName.contains(QLatin1String("satellite")) || stepName.contains(QLatin1String("transponder"))) {
        SwitchTo(CMainFrame::kSatelliteView);
    } else if (stepName.contains(QLatin1String("LNB"))) {
        SwitchTo(CMainFrame::kLnbView);
    }
    const std::string before = fixtures::DumpTables(g_db);
    QStringList shownBefore = Shown(Frame()->EditingView());
    if (stepName.contains(QLatin1String("transponder"))) {
        shownBefore.clear(); // the transponders shown depend on a click, not on the file
    }
    run(*this);
    QApplication::processEvents();
    const std::string after = fixtures::DumpTables(g_db);
    QVERIFY(after != before);
    QVERIFY(!Action("actionEditRedo")->isEnabled());
    QVERIFY2(Action("actionEditUndo")->text().startsWith(QStringLiteral("&Undo ") + stepName),
             qPrintable(Action("actionEditUndo")->text()));
    QCOMPARE(g_dbModified, int16_t{1});

    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionEditUndo")));
    QCOMPARE(fixtures::DumpTables(g_db), before);
    QCOMPARE(g_dbModified, int16_t{0}); // back at the contents of the opened file
    if (!shownBefore.isEmpty()) {
        QCOMPARE(Shown(Frame()->EditingView()), shownBefore);
    }
    QVERIFY(Action("actionEditRedo")->text().startsWith(QStringLiteral("&Redo ") + stepName));

    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionEditRedo")));
    QCOMPARE(fixtures::DumpTables(g_db), after);
    QCOMPARE(g_dbModified, int16_t{1});
    QVERIFY(!Action("actionEditRedo")->isEnabled());
    QVERIFY(MessageBox::TakeShownTexts().filter(QStringLiteral("could not")).isEmpty());
}

void HistoryAndCountsTest::openingAFileClearsTheHistory() {
    DeleteWithKey(Container()->ChannelView()->List(), {0});
    QVERIFY(Action("actionEditUndo")->isEnabled());
    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionEditUndo")));
    DeleteWithKey(Container()->ChannelView()->List(), {1});
    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionEditUndo")));
    QVERIFY(Action("actionEditRedo")->isEnabled());

    MessageBox::QueueAnswer(MessageBox::Answer::No); // the save prompt
    QVERIFY(Frame()->Document()->OpenDocumentFile(m_folder->Write(QStringLiteral("demo"), QStringLiteral("b.dat"))));
    QVERIFY(!Action("actionEditUndo")->isEnabled());
    QVERIFY(!Action("actionEditRedo")->isEnabled());
    QCOMPARE(UndoHistory().MemoryBytes(), size_t{0});
}

void HistoryAndCountsTest::aFailedUndoSaysSoAndKeepsTheFile() {
    DeleteWithKey(Container()->ChannelView()->List(), {2});
    const std::string after = fixtures::DumpTables(g_db);
    const QStringList shown = Shown(Frame()->EditingView());
    // Another program holds a read lock on the working copy.
    sqlite3* reader = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(Frame()->Document()->WorkPath()).constData(), &reader), SQLITE_OK);
    QCOMPARE(sqlite3_exec(reader, "BEGIN; SELECT count(*) FROM ChannelInfo;", nullptr, nullptr, nullptr), SQLITE_OK);
    MessageBox::TakeShown();
    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionEditUndo")));
    sqlite3_exec(reader, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(reader);

    const QStringList texts = MessageBox::TakeShownTexts();
    QCOMPARE(texts.size(), 1);
    QVERIFY2(texts[0].startsWith(QStringLiteral("\"Undo Delete 1 channel\" could not be done")), qPrintable(texts[0]));
    QVERIFY(texts[0].endsWith(QStringLiteral("The DB is as it was.")));
    QCOMPARE(fixtures::DumpTables(g_db), after);
    QCOMPARE(Shown(Frame()->EditingView()), shown);
    QVERIFY(Action("actionEditUndo")->isEnabled()); // the step can be tried again
}

void HistoryAndCountsTest::undoAsksAboutUnsavedLnbSlotEdits() {
    const std::string opened = fixtures::DumpTables(g_db);
    DeleteWithKey(Container()->ChannelView()->List(), {0});
    const std::string deleted = fixtures::DumpTables(g_db);
    SwitchTo(CMainFrame::kLnbView);
    auto* lnb = qobject_cast<CLNBView*>(Frame()->EditingView());
    const auto clearSlot = [&] {
        DeleteWithKey(lnb->List(), {0});
        QVERIFY(lnb->HasPendingEdits());
    };
    clearSlot();
    MessageBox::TakeShown();

    // Cancel: neither the edits nor the file change.
    MessageBox::QueueAnswer(MessageBox::Answer::Cancel);
    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionEditUndo")));
    QCOMPARE(MessageBox::TakeShownTexts(), QStringList{QString::fromLatin1(PendingEdits::kQuestion)});
    QCOMPARE(fixtures::DumpTables(g_db), deleted);
    QVERIFY(lnb->HasPendingEdits());

    // Yes: the edits are stored as the newest step, and the undo stops there.
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionEditUndo")));
    QVERIFY(fixtures::DumpTables(g_db) != deleted);
    QVERIFY(Action("actionEditUndo")->text().startsWith(QStringLiteral("&Undo Save LNB settings")));
    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionEditUndo")));
    QCOMPARE(fixtures::DumpTables(g_db), deleted);

    // No: the edits are dropped and the undo goes on.
    lnb = qobject_cast<CLNBView*>(Frame()->EditingView());
    clearSlot();
    MessageBox::QueueAnswer(MessageBox::Answer::No);
    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionEditUndo")));
    QCOMPARE(fixtures::DumpTables(g_db), opened);
    QVERIFY(!lnb->HasPendingEdits());
}

void HistoryAndCountsTest::countsFollowChangesGroupsAndClose() {
    auto* label = Frame()->findChild<QLabel*>(QStringLiteral("countsLabel"));
    QVERIFY(label != nullptr);
    const auto expected = [] {
        const int channels = QueryInt("SELECT count(*) FROM ChannelInfo WHERE ch_id < 20000");
        const int radio = QueryInt("SELECT count(*) FROM ChannelInfo WHERE ch_id < 20000 AND media_mode <> 0");
        return QStringLiteral("Channels: %1   TV: %2   Radio: %3").arg(channels).arg(channels - radio).arg(radio);
    };
    const auto group = [](int id) {
        return QStringLiteral("   Group \"%1\": %2")
            .arg(QueryText(QStringLiteral("SELECT name FROM FAVGRPInfo WHERE favgrp_id = %1").arg(id)))
            .arg(QueryInt(QStringLiteral("SELECT count(*) FROM FAVListInfo WHERE favgrp_id = %1").arg(id)));
    };
    CFavGrpView* groups = Container()->FavGrpView();
    QTreeWidgetItem* root = groups->Tree()->topLevelItem(0);
    const int first = CFavGrpView::GroupIdOf(root->child(0));
    QTRY_COMPARE(label->text(), expected() + group(first));
    QVERIFY(QueryInt("SELECT count(*) FROM ChannelInfo WHERE media_mode <> 0") > 0);

    DeleteWithKey(Container()->ChannelView()->List(), {0, 1, 2});
    QTRY_COMPARE(label->text(), expected() + group(first));
    QVERIFY(label->text() != QStringLiteral("Channels: 0"));
    Commands().at(0).second(*this); // Add channel
    QTRY_COMPARE(label->text(), expected() + group(first));

    root->child(1)->setSelected(true);
    groups->Tree()->setCurrentItem(root->child(1));
    const int second = CFavGrpView::GroupIdOf(root->child(1));
    QTRY_COMPARE(label->text(), expected() + group(second));
    Commands().at(6).second(*this); // Remove favourite entries of the shown group
    QTRY_COMPARE(label->text(), expected() + group(second));

    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionEditUndo")));
    QTRY_COMPARE(label->text(), expected() + group(first)); // the tree chose its first group again
    // Under a filter the channels shown are counted against all of them.
    Container()->ChannelView()->ShowFindBar();
    Container()->ChannelView()->FindBar()->findChild<QCheckBox*>(QStringLiteral("radioFilterCheckBox"))->click();
    const int radio = QueryInt("SELECT count(*) FROM ChannelInfo WHERE ch_id < 20000 AND media_mode <> 0");
    const int all = QueryInt("SELECT count(*) FROM ChannelInfo WHERE ch_id < 20000");
    QTRY_VERIFY2(label->text().startsWith(QStringLiteral("Channels: %1 of %2 shown   TV").arg(radio).arg(all)),
                 qPrintable(label->text()));
    SwitchTo(CMainFrame::kSatelliteView);
    QTRY_COMPARE(label->text(), expected()); // no group is current without the group tree

    QVERIFY(testsupport::TriggerAction(Frame(), QStringLiteral("actionFileClose")));
    QTRY_COMPARE(label->text(), QString());
}

QTEST_MAIN(HistoryAndCountsTest)
#include "HistoryAndCountsTest.moc"
