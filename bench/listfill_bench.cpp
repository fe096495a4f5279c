// Channel list fill and sort on the 19,999-channel fixture: the straightforward fill
// (three single-row lookups per channel, one row inserted at a time) against
// CRecordListCtrl::FillList, both with a shown widget that has laid out and painted
// its rows; then sorting by "Service" and by "Frequency", and the resident memory
// the shown list costs. Prints figures only. Run with QT_QPA_PLATFORM=offscreen.
#include "BenchTiming.h"
#include "FixtureBuilder.h"
#include "channels/OrvaneView.h"
#include "db/RecordBlock.h"
#include "document/OrvaneDoc.h"
#include "listctrl/ListSorter.h"
#include "listctrl/RecordListCtrl.h"
#include "seams/MessageBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

using bench::Median;
using bench::Ms;

double ResidentMb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

std::unique_ptr<CRecordListCtrl> NewChannelList() {
    auto list = std::make_unique<CRecordListCtrl>();
    list->InsertColumns(kChannelList);
    list->resize(1100, 700);
    list->show();
    QApplication::processEvents();
    return list;
}

// Lets the list lay out its rows and paint a page, as it does before the user sees it.
void Settle(CRecordListCtrl& list) {
    list.doItemsLayout();
    list.viewport()->repaint();
    QApplication::processEvents();
}

void NaiveFill(CRecordListCtrl& list) {
    CChannelDB db;
    RecordBlock<ChannelRecord> channels;
    channels.Read(db, &CChannelDB::GetChannelList);
    for (const ChannelRecord& channel : channels) {
        list.AddChannelRow(channel);
    }
}

bool SameCells(const CRecordListCtrl& a, const CRecordListCtrl& b) {
    if (a.RowCount() != b.RowCount()) {
        return false;
    }
    for (int row = 0; row < a.RowCount(); ++row) {
        if (a.RowId(row) != b.RowId(row) || a.RowTexts(row) != b.RowTexts(row)) {
            return false;
        }
    }
    return true;
}

// The block move done row by row: each selected row is inserted at the insertion
// point with its texts and id and removed where it stood.
void RowByRowMove(CRecordListCtrl& list, const QList<int>& selected, int dropRow) {
    QList<int32_t> ids;
    for (const int row : selected) {
        ids << list.RowId(row);
    }
    int insertAt = dropRow;
    for (const int32_t id : ids) {
        int from = 0;
        while (list.RowId(from) != id) {
            ++from;
        }
        const QStringList texts = list.RowTexts(from);
        if (from < insertAt) {
            list.InsertRow(insertAt, id, texts);
            list.DeleteRow(from);
        } else {
            list.InsertRow(insertAt, id, texts);
            list.DeleteRow(from + 1);
            ++insertAt;
        }
    }
}

QList<int> EveryNthRow(int count, int step) {
    QList<int> rows;
    for (int row = 0; row < count; row += step) {
        rows << row;
    }
    return rows;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    MessageBox::SetScripted(true);
    // The editor's state with no file open: a shown, empty channel list.
    auto idle = NewChannelList();
    const double rssNoFile = ResidentMb();
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("large.dat")).toStdString();
    fixtures::WriteLargeDb(path);
    if (sqlite3_open(path.c_str(), &g_db) != SQLITE_OK) {
        std::fprintf(stderr, "cannot open %s\n", path.c_str());
        return 1;
    }
    // Warm the page cache and the widget machinery once, so neither run pays for it.
    {
        auto warm = NewChannelList();
        warm->FillList(kChannelList);
        Settle(*warm);
    }

    std::unique_ptr<CRecordListCtrl> naive = NewChannelList();
    const double naiveMs = Ms([&] {
        NaiveFill(*naive);
        Settle(*naive);
    });

    std::vector<double> fills;
    std::unique_ptr<CRecordListCtrl> fast;
    for (int run = 0; run < 5; ++run) {
        fast = NewChannelList();
        fills.push_back(Ms([&] {
            fast->FillList(kChannelList);
            Settle(*fast);
        }));
    }
    const double fillMs = Median(fills);
    const bool same = SameCells(*naive, *fast);
    naive.reset();
    QApplication::processEvents();

    auto sortMs = [&](int column, bool numeric, bool ascending) {
        return Ms([&] {
            CListSorter sorter(*fast, column, numeric);
            sorter.Sort(ascending);
            Settle(*fast);
        });
    };
    const double serviceUp = sortMs(kChannelServiceColumn, false, true);
    const double serviceDown = sortMs(kChannelServiceColumn, false, false);
    const double frequencyUp = sortMs(kChannelFrequencyColumn, true, true);
    const double frequencyDown = sortMs(kChannelFrequencyColumn, true, false);
    const double rssShown = ResidentMb();

    // Dragging a block of 1,000 selected rows (every 20th) to the top.
    const QList<int> block = EveryNthRow(fast->RowCount(), 20).mid(0, 1000);
    std::unique_ptr<CRecordListCtrl> moved = NewChannelList();
    moved->FillList(kChannelList);
    Settle(*moved);
    const double blockMs = Ms([&] {
        moved->MoveRowsAsBlock(block, 0);
        moved->clearSelection();
        Settle(*moved);
    });
    std::unique_ptr<CRecordListCtrl> slow = NewChannelList();
    slow->FillList(kChannelList);
    Settle(*slow);
    const double rowByRowMs = Ms([&] {
        RowByRowMove(*slow, block, 0);
        Settle(*slow);
    });
    const bool sameMove = SameCells(*moved, *slow);
    slow.reset();
    moved.reset();

    // Renumber through the channel list view itself, after a sort by Service.
    COrvaneDoc doc;
    COrvaneView view(&doc);
    view.resize(1100, 700);
    view.show();
    view.OnInitialUpdate();
    {
        CListSorter sorter(*view.List(), kChannelServiceColumn, false);
        sorter.Sort(true);
    }
    Settle(*view.List());
    const double renumberMs = Ms([&] { view.OnRenumber(); });
    const bool renumberQuiet = MessageBox::TakeShown().isEmpty();

    std::printf("channel rows: %d\n", fast->RowCount());
    std::printf("naive fill (3 single-row lookups per channel, row by row) + widget: %8.1f ms\n", naiveMs);
    std::printf("FillList (lookups once per id, rows in one batch) + widget:     %8.1f ms (median of 5)\n", fillMs);
    std::printf("speed-up naive / FillList:                                       %8.1fx\n", naiveMs / fillMs);
    std::printf("cells of both fills identical:                                   %s\n", same ? "yes" : "NO");
    std::printf("sort by Service ascending / descending:                        %8.1f / %.1f ms\n", serviceUp,
                serviceDown);
    std::printf("sort by Frequency ascending / descending:                      %8.1f / %.1f ms\n", frequencyUp,
                frequencyDown);
    std::printf("block move of 1,000 selected rows: %.1f ms (row by row: %.1f ms, %.1fx; same result: %s)\n", blockMs,
                rowByRowMs, rowByRowMs / blockMs, sameMove ? "yes" : "NO");
    std::printf("Renumber of all %d rows after a sort: %.1f ms (%s)\n", view.List()->RowCount(), renumberMs,
                renumberQuiet ? "stored" : "FAILED");
    std::printf("resident memory: %.1f MB with no file open, %.1f MB with the list shown: +%.1f MB\n", rssNoFile,
                rssShown, rssShown - rssNoFile);
    fast.reset();
    sqlite3_close(g_db);
    g_db = nullptr;
    return 0;
}
