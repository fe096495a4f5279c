#pragma once
// What the receiver simulator is told on its command line: where to register, which
// database it holds, where it logs, and how it misbehaves for a test.
#include <cstdint>
#include <optional>
#include <set>
#include <string>

struct SimulatorOptions {
    bool help = false;                     // --help, -h: print kSimulatorHelp and stop
    std::string baseDir;                   // --dir: the device folder's base (as KIVRA_DEVICE_DIR)
    std::string deviceName = "receiver0";  // --name: the socket's name in the class folder
    std::string dbPath;                    // --db: the receiver's database file
    std::string logPath;                   // --log: one line per request; empty for stderr
    uint8_t firmware = 0x12;               // --firmware: the probe's answer
    std::set<uint32_t> refusedCodes;       // --refuse N (repeatable)
    std::optional<uint64_t> failPipeAfter; // --fail-pipe-after K: pipe bytes moved per transfer
    bool zeroReads = false;                // --zero-reads: pipe reads succeed with 0 bytes
    bool shortWrites = false;              // --short-writes: pipe writes take half the bytes offered
    uint32_t chunkDelayMs = 0;             // --chunk-delay-ms M
    bool unplugged = false;                // --unplugged: no device interface at all
    std::optional<uint32_t> unplugAfter;   // --unplug-after N: unregister once request N is answered
    bool busyWhilePipeOpen = false;        // --busy-while-pipe-open: refuse device opens then
    // What a receiver may do to a database it installs, and a link that breaks.
    bool rewriteOnInstall = false;         // --rewrite-on-install: VACUUM it (same rows, other bytes)
    std::string changeRowOnInstall;        // --change-row-on-install TABLE: alter its first row
    bool garbleOnInstall = false;          // --garble-on-install: overwrite its header (no database then)
    std::optional<uint64_t> dropLinkAfter; // --drop-link-after K: once, K bytes into a download,
                                           // close every connection
};

inline constexpr const char* kSimulatorUsage =
    "usage: kivra-simulator --db FILE [--dir DIR] [--name NAME] [--log FILE] [--firmware N]\n"
    "                       [--refuse CODE]... [--fail-pipe-after BYTES] [--zero-reads] [--short-writes]\n"
    "                       [--chunk-delay-ms MS] [--unplugged] [--unplug-after CODE]\n"
    "                       [--busy-while-pipe-open] [--rewrite-on-install] [--garble-on-install]\n"
    "                       [--change-row-on-install TABLE] [--drop-link-after BYTES]\n";

inline constexpr const char* kSimulatorHelp =
    "\nStands in for the receiver and its USB driver, so that USB Upload and Download\n"
    "run without hardware. It runs until SIGTERM, SIGINT or SIGHUP, or its parent ends.\n"
    "\n"
    "  --db FILE                 the receiver's database\n"
    "  --dir DIR                 base of the device folder (default $KIVRA_DEVICE_DIR)\n"
    "  --name NAME               the device socket's name (default receiver0)\n"
    "  --log FILE                one line per request (default standard error)\n"
    "  --firmware N              the probe's answer (default 18)\n"
    "  --refuse CODE             refuse control requests of this code (repeatable)\n"
    "  --fail-pipe-after BYTES   fail the pipe after this many bytes of a transfer\n"
    "  --zero-reads              pipe reads succeed with 0 bytes\n"
    "  --short-writes            pipe writes take half the bytes offered\n"
    "  --chunk-delay-ms MS       wait before each chunk\n"
    "  --unplugged               no device at all\n"
    "  --unplug-after CODE       unregister once request CODE is answered\n"
    "  --busy-while-pipe-open    refuse device opens while a pipe is open\n"
    "  --rewrite-on-install      store an installed database in other bytes (same rows)\n"
    "  --change-row-on-install TABLE\n"
    "                            alter the first row of TABLE on install\n"
    "  --garble-on-install       overwrite an installed database's header, so it no longer opens\n"
    "  --drop-link-after BYTES   once, close every connection this far into a download\n"
    "  --help, -h                this text\n"
    "\n"
    "Exit codes: 0 stopped, 1 could not start, 2 a usage error.\n";

// Parses the arguments after the program name into fresh options; false with a message in
// `error`. With --help the other arguments are not read.
bool ParseSimulatorArgs(int argc, const char* const* argv, SimulatorOptions& options, std::string& error);
