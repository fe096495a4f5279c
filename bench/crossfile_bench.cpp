// Compare with File and Add Channels from Another File in the whole editor, each against
// the sqlite3 library doing the same join in the same run (the other file ATTACHed):
// the compare of two 19,999-channel files (the second a rescan: every number shuffled,
// every tenth channel renamed) until the window is shown, and the merge of the 5,000
// channels a 19,999-channel file holds beyond a 14,999-channel one, until the views
// are loaded again (the baseline: one INSERT ... SELECT of the channels without a
// match). Each merge is taken back with Undo between runs. Prints the medians, the
// ratios and the targets (300 ms each). Run with QT_QPA_PLATFORM=offscreen.
#include "BenchEditor.h"
#include "BenchTiming.h"
#include "FixtureBuilder.h"
#include "channels/CrossFileTools.h"
#include "seams/MessageBox.h"
#include "seams/ModalDialog.h"
#include "shell/UndoCommands.h"

#include <QAbstractItemView>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using bench::Median;
using bench::Ms;

constexpr int kRuns = 5;

// The channels of `other` that match one of the open file by network, stream and
// service id: the join the matching's first rule makes.
const char* const kMatchJoin =
    "FROM main.ChannelInfo c JOIN main.NITInfo n ON n.NIT_ID = c.nit_id JOIN o.NITInfo m ON m.network_id = "
    "n.network_id AND m.ts_id = n.ts_id JOIN o.ChannelInfo d ON d.nit_id = m.NIT_ID AND d.pg_id = c.pg_id "
    "WHERE c.ch_id < 20000 AND d.ch_id < 20000";

void Exec(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "crossfile_bench: %s\n", sqlite3_errmsg(db));
    }
    sqlite3_close(db);
}

// `sql` on a fresh copy of `pristine` with `other` attached as "o", in one transaction.
double Baseline(const QString& pristine, const QString& copy, const QString& other, const std::string& sql) {
    QFile::remove(copy);
    QFile::copy(pristine, copy);
    sqlite3* db = nullptr;
    sqlite3_open(copy.toUtf8().constData(), &db);
    const double ms = Ms([&] {
        const std::string all = "ATTACH '" + other.toStdString() + "' AS o; BEGIN;" + sql + "; COMMIT;";
        if (sqlite3_exec(db, all.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "crossfile_bench: %s\n", sqlite3_errmsg(db));
        }
    });
    sqlite3_close(db);
    return ms;
}

void Report(const char* label, const std::vector<double>& command, const std::vector<double>& baseline) {
    const double ms = Median(command);
    const double base = Median(baseline);
    std::printf("%-48s %8.1f ms  baseline %7.1f ms  ratio %6.2f  target 300 ms %s\n", label, ms, base, ms / base,
                ms <= 300 ? "met" : "MISSED");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    COrvaneApp::SelectSettingsStore();
    MessageBox::SetScripted(true);
    ModalDialog::SetScripted(true);
    QTemporaryDir dir;
    const QString large = dir.filePath(QStringLiteral("large.dat"));
    const QString rescan = dir.filePath(QStringLiteral("rescan.dat"));
    const QString smaller = dir.filePath(QStringLiteral("smaller.dat"));
    const QString open = dir.filePath(QStringLiteral("open.dat"));
    const QString copy = dir.filePath(QStringLiteral("baseline.dat"));
    fixtures::WriteLargeDb(large.toStdString());
    fixtures::WriteLargeDb(smaller.toStdString(), 14999);
    QFile::copy(large, rescan);
    Exec(rescan.toStdString(), "UPDATE ChannelInfo SET ch_order = (ch_id * 7919) % 19999 + 1; UPDATE ChannelInfo "
                               "SET name = 'R' || ch_id WHERE ch_id % 10 = 0");

    // Compare: the open file is the large one, the rescan is chosen.
    QFile::copy(large, open);
    std::vector<double> times;
    std::vector<double> baselines;
    {
        bench::CBenchEditor editor;
        if (!editor.Open(open)) {
            return 1;
        }
        auto* tools = editor.Frame()->findChild<CCrossFileTools*>();
        for (int run = 0; run < kRuns; ++run) {
            QElapsedTimer timer;
            double shown = 0;
            ModalDialog::QueueScript([&](QDialog& dlg) {
                dlg.findChild<QAbstractItemView*>()->viewport()->repaint();
                QApplication::processEvents();
                shown = static_cast<double>(timer.nsecsElapsed()) / 1e6;
                dlg.reject();
            });
            timer.start();
            tools->CompareWith(rescan);
            times.push_back(shown);
            baselines.push_back(Baseline(large, copy, rescan,
                                         std::string("SELECT count(*), sum(c.ch_order <> d.ch_order), "
                                                     "sum(c.name <> d.name) ") +
                                             kMatchJoin));
        }
    }
    Report("compare two 19,999-channel files (window shown)", times, baselines);

    // Merge: the open file holds 14,999 channels, the other file 5,000 more.
    QFile::remove(open);
    QFile::copy(smaller, open);
    times.clear();
    baselines.clear();
    {
        bench::CBenchEditor editor;
        if (!editor.Open(open)) {
            return 1;
        }
        auto* tools = editor.Frame()->findChild<CCrossFileTools*>();
        for (int run = 0; run < kRuns; ++run) {
            ModalDialog::QueueScript([](QDialog& dlg) {
                dlg.findChild<QPushButton*>(QStringLiteral("selectAllButton"))->click();
                dlg.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
            });
            times.push_back(Ms([&] {
                tools->AddChannelsFrom(large);
                bench::Settle(*editor.List());
            }));
            if (!MessageBox::TakeShownTexts().isEmpty()) {
                std::fprintf(stderr, "crossfile_bench: the merge was refused\n");
                return 1;
            }
            const std::string sql =
                "WITH k AS MATERIALIZED (SELECT n.network_id AS a, n.ts_id AS b, c.pg_id AS p FROM main.ChannelInfo c "
                "JOIN main.NITInfo n ON n.NIT_ID = c.nit_id) "
                "INSERT INTO main.ChannelInfo SELECT b.id + row_number() OVER (ORDER BY s.ch_order), s.ch_seq, s.name, "
                "s.nit_id, s.pg_id, s.sat_id, s.cas_type, s.media_mode, s.video_pid, s.audio_pid, s.pcr_pid, "
                "s.pmt_pid, s.pch_id, s.tuner_id, s.audio_mode, s.lock, s.hide, s.day, b.n + row_number() OVER "
                "(ORDER BY s.ch_order), s.SDT_ID FROM o.ChannelInfo s JOIN o.NITInfo sn ON sn.NIT_ID = s.nit_id, "
                "(SELECT max(ch_id) AS id, max(ch_order) AS n FROM main.ChannelInfo WHERE ch_id < 20000) AS b "
                "LEFT JOIN k ON k.a = sn.network_id AND k.b = sn.ts_id AND k.p = s.pg_id WHERE s.ch_id < 20000 AND "
                "k.a IS NULL";
            baselines.push_back(Baseline(smaller, copy, large, sql));
            editor.Frame()->UndoCommands()->Undo();
            bench::Settle(*editor.List());
        }
    }
    Report("merge 5,000 channels from another file", times, baselines);
    return 0;
}
