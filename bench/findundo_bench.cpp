// Find, filter, snapshot and undo on the 19,999-channel fixture, each against a
// baseline in the same run:
// - a find keystroke (search, select, "n of m") against a plain scan of every row's
//   texts, as a find without the packed cell access would do it;
// - applying and clearing a quick filter against refilling the list from the file;
// - the snapshot a command takes before its first write against copying the file;
// - undoing a Renumber (restore and refill of every view) against the Renumber itself;
// and the memory the history holds after a run of small commands.
// Prints figures only. Run with QT_QPA_PLATFORM=offscreen.
#include "BenchEditor.h"
#include "BenchTiming.h"
#include "FixtureBuilder.h"
#include "channels/ChannelFindBar.h"
#include "channels/OrvaneView.h"
#include "db/ChannelDB.h"
#include "db/UndoHistory.h"
#include "listctrl/ListColumns.h"
#include "listctrl/ListSorter.h"
#include "listctrl/RecordListCtrl.h"
#include "seams/MessageBox.h"
#include "shell/MainFrame.h"
#include "shell/OrvaneApp.h"
#include "shell/SplitterView.h"
#include "shell/UndoCommands.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

namespace {

using bench::Median;
using bench::MedianOf;
using bench::Ms;
using bench::Settle;

// The baseline find: every cell text of every row read out as a string and searched.
int PlainScan(const CRecordListCtrl& list, const QString& text) {
    int matches = 0;
    for (int row = 0; row < list.RowCount(); ++row) {
        const QStringList cells = list.RowTexts(row);
        for (const int column :
             {kChannelServiceColumn, kChannelProviderColumn, kChannelSidColumn, kChannelFrequencyColumn}) {
            if (cells.value(column).contains(text, Qt::CaseInsensitive)) {
                ++matches;
                break;
            }
        }
    }
    return matches;
}

const char* Verdict(double ms, double budget) {
    return ms < budget ? "within" : "OVER";
}

} // namespace

int main(int argc, char** argv) {
    const bench::CBenchApp setup(argc, argv);
    const QString path = setup.FilePath(QStringLiteral("large.dat"));
    fixtures::WriteLargeDb(path.toStdString());

    bench::CBenchEditor editor;
    if (!editor.Open(path)) {
        return 1;
    }
    CMainFrame* frame = editor.Frame();
    COrvaneView* view = editor.View();
    CRecordListCtrl* list = editor.List();
    view->ShowFindBar();
    CChannelFindBar* bar = view->FindBar();
    auto* edit = bar->findChild<QLineEdit*>(QStringLiteral("findEdit"));
    auto* tv = bar->findChild<QCheckBox*>(QStringLiteral("tvFilterCheckBox"));
    QApplication::processEvents();

    // Find: each keystroke of "ch 19" searches, selects and counts anew.
    const QString typed = QStringLiteral("jazz 19");
    std::vector<double> keystrokes;
    for (int run = 0; run < 5; ++run) {
        edit->clear();
        for (int i = 1; i <= typed.size(); ++i) {
            // Search, select, scroll to the row and count; the list's repaint that
            // follows is measured on its own below (it is the same for any scroll).
            keystrokes.push_back(Ms([&] { edit->setText(typed.left(i)); }));
            list->viewport()->repaint();
        }
    }
    const double findMs = Median(keystrokes);
    int scanned = 0;
    const double scanMs = MedianOf(5, [&] { scanned = PlainScan(*list, typed); });
    const double repaintMs = MedianOf(9, [&] { list->viewport()->repaint(); });
    const QString count = bar->findChild<QLabel*>(QStringLiteral("findCountLabel"))->text();
    edit->clear();

    // Filter: TV only, then off again.
    std::vector<double> applies;
    std::vector<double> clears;
    for (int run = 0; run < 5; ++run) {
        // Hiding or showing the rows and laying the list out again; the repaint after
        // it is the list's usual one.
        applies.push_back(Ms([&] {
            tv->setChecked(true);
            list->doItemsLayout();
        }));
        list->viewport()->repaint();
        clears.push_back(Ms([&] {
            tv->setChecked(false);
            list->doItemsLayout();
        }));
        list->viewport()->repaint();
    }
    const double applyMs = Median(applies);
    const double clearMs = Median(clears);
    const double refillMs = MedianOf(3, [&] {
        list->DeleteAllRows();
        list->FillList(kChannelList);
        Settle(*list);
    });

    // Snapshot before a command, against copying the file.
    CDbImage image;
    const double snapshotMs = MedianOf(9, [&] { image.Take(g_db, nullptr); });
    const std::filesystem::path copy = setup.FilePath(QStringLiteral("copy.dat")).toStdString();
    const double copyMs = MedianOf(9, [&] {
        std::filesystem::copy_file(path.toStdString() + ".bak", copy,
                                   std::filesystem::copy_options::overwrite_existing);
    });

    // Renumber after a sort, then its undo through Edit > Undo.
    {
        CListSorter sorter(*list, kChannelServiceColumn, false);
        sorter.Sort(true);
    }
    Settle(*list);
    const double renumberMs = Ms([&] { view->OnRenumber(); });
    const std::string undoName = UndoHistory().UndoName();
    const double undoMs = Ms([&] {
        frame->UndoCommands()->Undo();
        Settle(*qobject_cast<CSplitterView*>(frame->EditingView())->ChannelView()->List());
    });
    const bool undone = UndoHistory().CanRedo() && MessageBox::TakeShown().isEmpty();
    const double redoMs = Ms([&] { frame->UndoCommands()->Redo(); });

    // Memory after 30 small commands (one channel renamed each).
    UndoHistory().Clear();
    CChannelDB db;
    for (int i = 0; i < 30; ++i) {
        CUndoStep step("Rename");
        db.RenameFavEntries(static_cast<uint16_t>(i + 1), "Renamed");
        ChannelRecord channel{};
        db.GetChannelInfo(static_cast<int16_t>(i + 1), channel);
        std::snprintf(channel.name, sizeof channel.name, "Bench %d", i);
        db.UpdateChannelInfo(static_cast<int16_t>(i + 1), channel);
    }

    std::printf("channel rows: %d, file %.1f MB\n", list->RowCount(), static_cast<double>(image.Bytes()) / 1048576.0);
    std::printf("find keystroke (search, select, n of m): %6.2f ms (%s 16 ms); plain scan of the row texts: %.2f ms; "
                "ratio %.3f; count %s, scan found %d\n",
                findMs, Verdict(findMs, 16), scanMs, findMs / scanMs, qPrintable(count), scanned);
    std::printf("the list's own repaint after a keystroke or a filter (as after any scroll): %.2f ms\n", repaintMs);
    std::printf(
        "filter TV on / off: %6.2f / %.2f ms (%s / %s 50 ms); refill of the list: %.2f ms; ratios %.2f / %.2f\n",
        applyMs, clearMs, Verdict(applyMs, 50), Verdict(clearMs, 50), refillMs, applyMs / refillMs, clearMs / refillMs);
    std::printf("snapshot before a command: %6.2f ms (%s 20 ms); file copy: %.2f ms; ratio %.2f\n", snapshotMs,
                Verdict(snapshotMs, 20), copyMs, snapshotMs / copyMs);
    std::printf("undo of \"%s\" (restore and refill of every view): %6.1f ms (%s 200 ms, %s); the Renumber itself: "
                "%.1f ms, ratio %.2f; the channel list's refill alone: %.1f ms, ratio %.2f; redo %.1f ms\n",
                undoName.c_str(), undoMs, Verdict(undoMs, 200), undone ? "done" : "FAILED", renumberMs,
                undoMs / renumberMs, refillMs, undoMs / refillMs, redoMs);
    std::printf("history after 30 one-channel edits: %zu steps, %.2f MB held (%.2f MB per step; a whole snapshot "
                "is %.2f MB); limit %.0f MB\n",
                UndoHistory().UndoCount(), static_cast<double>(UndoHistory().MemoryBytes()) / 1048576.0,
                static_cast<double>(UndoHistory().MemoryBytes()) / 1048576.0 /
                    static_cast<double>(std::max<size_t>(UndoHistory().UndoCount(), 1)),
                static_cast<double>(image.Bytes()) / 1048576.0,
                static_cast<double>(UndoHistory().ByteLimit()) / 1048576.0);
    return 0;
}
