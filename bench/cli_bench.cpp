// orvane-cli as whole processes on the 19,999-channel fixture, each against a baseline
// run in the same session: `list --format csv` and `export` against `sqlite3 -csv` of
// the channel list query; `apply-order` of a shuffled copy against sqlite3 copying the
// numbers over by channel id; `duplicates` against sqlite3 grouping by the ids. Prints
// the best of several runs in ms, the ratios, and the targets (300 ms, 1 s, 200 ms).
#include "FixtureBuilder.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kRuns = 5;
const char* const kChannelQuery = "SELECT * FROM ChannelInfo WHERE ch_id < 20000 ORDER BY ch_order ASC";

// Runs `args` with stdout into `output` and stderr into /dev/null; the exit status, or -1.
int Spawn(const std::vector<std::string>& args, const std::string& output) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    // The commands' messages would mix with the table printed here; a failure shows in
    // the exit code.
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (rc != 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

// Best of kRuns in ms; `prepare` runs untimed before each run.
double Best(const std::vector<std::string>& args, const std::function<void()>& prepare = {}) {
    double best = 1e9;
    for (int i = 0; i < kRuns; ++i) {
        if (prepare) {
            prepare();
        }
        const auto start = std::chrono::steady_clock::now();
        if (Spawn(args, "/dev/null") != 0) {
            std::fprintf(stderr, "cli_bench: %s failed\n", args.front().c_str());
            std::exit(1);
        }
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

void Print(const char* what, double ms, double baselineMs, double targetMs) {
    std::printf("%-34s %8.1f ms  baseline %8.1f ms  ratio %5.2f  target %4.0f ms %s\n", what, ms, baselineMs,
                ms / baselineMs, targetMs, ms <= targetMs ? "met" : "MISSED");
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string cli = argc > 1 ? argv[1] : ORVANE_CLI_PATH;
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "orvane-cli-bench";
    std::filesystem::create_directories(dir);
    const std::string large = (dir / "large.dat").string();
    const std::string shuffled = (dir / "shuffled.dat").string();
    const std::string csv = (dir / "out.csv").string();
    fixtures::WriteLargeDb(large);

    const double sqliteCsv = Best({"sqlite3", "-csv", large, kChannelQuery});
    Print("list --format csv", Best({cli, "list", large, "--format", "csv"}), sqliteCsv, 300);
    Print("export", Best({cli, "export", large, csv}), sqliteCsv, 300);

    const auto shuffle = [&] {
        std::filesystem::copy_file(large, shuffled, std::filesystem::copy_options::overwrite_existing);
        Spawn({"sqlite3", shuffled, "UPDATE ChannelInfo SET ch_order = (ch_id * 7919) % 19999 + 1"}, "/dev/null");
    };
    const double copyOver = Best({"sqlite3", shuffled,
                                  "ATTACH '" + large +
                                      "' AS r; UPDATE ChannelInfo SET ch_order = (SELECT x.ch_order "
                                      "FROM r.ChannelInfo x WHERE x.ch_id = ChannelInfo.ch_id)"},
                                 shuffle);
    Print("apply-order of a shuffled copy", Best({cli, "apply-order", large, shuffled}, shuffle), copyOver, 1000);

    const double grouping = Best({"sqlite3", large,
                                  "SELECT n.network_id, n.ts_id, c.pg_id, count(*) FROM ChannelInfo c JOIN NITInfo n "
                                  "ON n.NIT_ID = c.nit_id WHERE c.ch_id < 20000 GROUP BY 1, 2, 3 HAVING count(*) > 1"});
    Print("duplicates", Best({cli, "duplicates", large}), grouping, 200);
    std::filesystem::remove_all(dir);
    return 0;
}
