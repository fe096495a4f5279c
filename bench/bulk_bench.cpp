// Commands on many selected channels, in the whole editor on the 19,999-channel
// fixture, each against the same change done by plain SQL in one transaction on a
// copy of the same file in the same run: delete of 2,000 rows chosen under a filter
// (with the list laid out and painted afterwards), Lock of 5,000 rows, Add to
// Favourite Group of 1,000 rows, Move to Number of 1,000 rows, Replace in Names over
// every name, Renumber Selection From of 1,000 rows and the whole list's Renumber after
// a sort (with the repaint after them). Each command is taken back with Undo between runs.
// Run with QT_QPA_PLATFORM=offscreen.
#include "BenchEditor.h"
#include "BenchTiming.h"
#include "FixtureBuilder.h"
#include "channels/BulkCommands.h"
#include "channels/ChannelFindBar.h"
#include "channels/OrvaneView.h"
#include "db/ChannelDB.h"
#include "listctrl/ListColumns.h"
#include "listctrl/ListSorter.h"
#include "listctrl/RecordListCtrl.h"
#include "seams/MessageBox.h"
#include "seams/ModalDialog.h"
#include "shell/MainFrame.h"
#include "shell/OrvaneApp.h"
#include "shell/SplitterView.h"
#include "shell/UndoCommands.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using bench::Median;
using bench::Ms;
using bench::Settle;

constexpr int kRuns = 5;

// A command that leaves the rows where they are: the repaint the user waits for.
void Paint(CRecordListCtrl& list) {
    list.viewport()->repaint();
    QApplication::processEvents();
}

// Selects every `step`-th shown row until `count` rows are selected; their ids.
std::vector<int32_t> SelectShown(CRecordListCtrl& list, int count, int step) {
    list.clearSelection();
    std::vector<int32_t> ids;
    int seen = 0;
    for (int row = 0; row < list.RowCount() && static_cast<int>(ids.size()) < count; ++row) {
        if (!list.isRowHidden(row, QModelIndex()) && seen++ % step == 0) {
            list.SetRowSelected(row, true);
            ids.push_back(list.RowId(row));
        }
    }
    return ids;
}

// The baseline of a change of numbers: ids[i] numbered `first` + i through a
// temporary table of the new numbers and one UPDATE.
std::string Numbers(const std::vector<int32_t>& ids, int first) {
    std::string values;
    for (size_t i = 0; i < ids.size(); ++i) {
        values.append(i == 0 ? "(" : ",(")
            .append(std::to_string(ids[i]) + "," + std::to_string(first + static_cast<int>(i)) + ")");
    }
    return "CREATE TEMP TABLE o(id INTEGER PRIMARY KEY, n INTEGER); INSERT INTO o VALUES " + values +
           "; UPDATE ChannelInfo SET ch_order = (SELECT n FROM o WHERE id = ch_id) WHERE ch_id IN (SELECT id FROM o);";
}

// Every listed channel numbered as its row reads now.
std::string NumbersAsListed(const CRecordListCtrl& list) {
    std::vector<int32_t> ids;
    for (int row = 0; row < list.RowCount(); ++row) {
        ids.push_back(list.RowId(row));
    }
    return Numbers(ids, 1);
}

// The baseline: `sql` in one transaction on a fresh copy of the fixture.
double Baseline(const QString& pristine, const QString& copy, const std::string& sql) {
    QFile::remove(copy);
    QFile::copy(pristine, copy);
    sqlite3* db = nullptr;
    sqlite3_open(copy.toUtf8().constData(), &db);
    const double ms = Ms([&] { sqlite3_exec(db, ("BEGIN;" + sql + "COMMIT;").c_str(), nullptr, nullptr, nullptr); });
    sqlite3_close(db);
    return ms;
}

void Report(const char* label, const std::vector<double>& command, const std::vector<double>& baseline) {
    const double ms = Median(command);
    const double base = Median(baseline);
    std::printf("%s: %.2f ms, baseline %.2f ms, ratio %.2f\n", label, ms, base, ms / base);
    std::fflush(stdout); // each figure as it comes, also when the output is a file
}

} // namespace

int main(int argc, char** argv) {
    const bench::CBenchApp setup(argc, argv);
    const QString pristine = setup.FilePath(QStringLiteral("pristine.dat"));
    const QString path = setup.FilePath(QStringLiteral("large.dat"));
    const QString copy = setup.FilePath(QStringLiteral("baseline.dat"));
    fixtures::WriteLargeDb(pristine.toStdString());
    QFile::copy(pristine, path);

    bench::CBenchEditor editor;
    if (!editor.Open(path)) {
        return 1;
    }
    CMainFrame* frame = editor.Frame();
    COrvaneView* view = editor.View();
    CRecordListCtrl* list = editor.List();
    const auto undo = [&] {
        frame->UndoCommands()->Undo();
        view = editor.View();
        list = editor.List();
        Settle(*list);
    };

    // Delete under a filter: scrambled channels shown (4,000), 2,000 of them chosen.
    view->ShowFindBar();
    view->FindBar()->findChild<QCheckBox*>(QStringLiteral("scrambledFilterCheckBox"))->setChecked(true);
    Settle(*list);
    std::vector<double> times;
    std::vector<double> baselines;
    for (int run = 0; run < kRuns; ++run) {
        const std::vector<int32_t> ids = SelectShown(*list, 2000, 2);
        MessageBox::QueueAnswer(MessageBox::Answer::Yes);
        times.push_back(Ms([&] {
            view->OnEditDelete();
            Settle(*list);
        }));
        const std::string in = dbutil::IdList(ids);
        std::string sql;
        for (const char* table : {"ChannelInfo", "ScheduleInfo", "ScrambleInfo", "FAVListInfo"}) {
            sql += std::string("DELETE FROM ") + table + " WHERE ch_id IN " + in + ";";
        }
        baselines.push_back(Baseline(pristine, copy, sql));
        undo();
    }
    Report("delete 2,000 filtered rows of 19,999 (list settled)", times, baselines);
    view->FindBar()->findChild<QCheckBox*>(QStringLiteral("scrambledFilterCheckBox"))->setChecked(false);
    Settle(*list);

    // Lock of 5,000 rows, every fourth.
    times.clear();
    baselines.clear();
    for (int run = 0; run < kRuns; ++run) {
        const std::vector<int32_t> ids = SelectShown(*list, 5000, 4);
        times.push_back(Ms([&] {
            view->Bulk()->Run(CBulkCommands::Cmd::Lock);
            Paint(*list);
        }));
        baselines.push_back(
            Baseline(pristine, copy, "UPDATE ChannelInfo SET lock = 1 WHERE ch_id IN " + dbutil::IdList(ids) + ";"));
        undo();
    }
    Report("Lock 5,000 rows", times, baselines);

    // Add to Favourite Group of 1,000 rows, every tenth.
    times.clear();
    baselines.clear();
    for (int run = 0; run < kRuns; ++run) {
        const std::vector<int32_t> ids = SelectShown(*list, 1000, 10);
        times.push_back(Ms([&] {
            view->Bulk()->AddToGroup(1, QStringLiteral("All"));
            Paint(*list);
        }));
        MessageBox::TakeShownTexts();
        const std::string sql =
            "INSERT INTO FAVListInfo SELECT 1, b.i + row_number() OVER (), name, b.s + row_number() OVER (), ch_id, 0, "
            "1 FROM ChannelInfo, (SELECT max(favlist_id) AS i, max(favlist_seq) AS s FROM FAVListInfo) AS b WHERE "
            "ch_id "
            "IN " +
            dbutil::IdList(ids) + " AND ch_id NOT IN (SELECT ch_id FROM FAVListInfo WHERE favgrp_id = 1);";
        baselines.push_back(Baseline(pristine, copy, sql));
        undo();
    }
    Report("Add 1,000 rows to a favourite group", times, baselines);

    // Move to Number of 1,000 rows, every twentieth, to number 1: the whole list's
    // numbers are stored.
    times.clear();
    baselines.clear();
    for (int run = 0; run < kRuns; ++run) {
        SelectShown(*list, 1000, 20);
        times.push_back(Ms([&] {
            view->Bulk()->MoveToNumber(1);
            Paint(*list);
        }));
        baselines.push_back(Baseline(pristine, copy, NumbersAsListed(*list)));
        undo();
    }
    Report("Move 1,000 rows to number 1", times, baselines);

    // Replace in Names over every name (none selected), the preview built for the
    // find text and again for the replacement, as typing them does.
    times.clear();
    baselines.clear();
    for (int run = 0; run < kRuns; ++run) {
        list->clearSelection();
        ModalDialog::QueueScript([](QDialog& dlg) {
            dlg.findChild<QLineEdit*>(QStringLiteral("findEdit"))->setText(QStringLiteral("a"));
            dlg.findChild<QLineEdit*>(QStringLiteral("replaceEdit"))->setText(QStringLiteral("e"));
            dlg.accept();
        });
        times.push_back(Ms([&] {
            view->Bulk()->ReplaceInNames();
            Paint(*list);
        }));
        baselines.push_back(Baseline(
            pristine, copy,
            "UPDATE ChannelInfo SET name = replace(name, 'a', 'e') WHERE ch_id < 20000 AND instr(name, 'a') > 0;"
            "UPDATE FAVListInfo SET name = (SELECT name FROM ChannelInfo c WHERE c.ch_id = FAVListInfo.ch_id);"));
        undo();
    }
    Report("Replace in 19,999 names (preview built)", times, baselines);

    // After a sort by name: Renumber Selection From of the rows numbered 19,000 and
    // up, in their new shown order (no clash), and the whole list's Renumber.
    times.clear();
    baselines.clear();
    std::vector<double> wholeTimes;
    std::vector<double> wholeBaselines;
    for (int run = 0; run < kRuns; ++run) {
        {
            CListSorter sorter(*list, kChannelServiceColumn, false);
            sorter.Sort(true);
        }
        Settle(*list);
        list->clearSelection();
        std::vector<int32_t> ids;
        for (int row = 0; row < list->RowCount(); ++row) {
            if (list->CellText(row, kChannelNoColumn).toInt() >= 19000) {
                list->SetRowSelected(row, true);
                ids.push_back(list->RowId(row));
            }
        }
        times.push_back(Ms([&] {
            view->Bulk()->RenumberFrom(19000);
            Paint(*list);
        }));
        baselines.push_back(Baseline(pristine, copy, Numbers(ids, 19000)));
        if (ids.size() != 1000) {
            std::fprintf(stderr, "chose %zu rows, not 1,000\n", ids.size());
        }
        undo();
        {
            CListSorter sorter(*list, kChannelServiceColumn, false);
            sorter.Sort(true);
        }
        Settle(*list);
        wholeTimes.push_back(Ms([&] {
            view->OnRenumber();
            Paint(*list);
        }));
        wholeBaselines.push_back(Baseline(pristine, copy, NumbersAsListed(*list)));
        undo();
    }
    Report("Renumber 1,000 rows from 19,000 after a sort", times, baselines);
    Report("Renumber the whole list after a sort", wholeTimes, wholeBaselines);
    return 0;
}
