// orvane-cli: every exit code, the edits saved only when asked, and the transfers.
#include "MatchTestSupport.h"
#include "SimulatorHarness.h"
#include "cli/OrvaneCli.h"
#include "userfile/AtomicFileCopy.h"
#include "userfile/EditorLock.h"

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

struct CliResult {
    int code;
    std::string out;
    std::string err;
};

CliResult RunCli(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    cli::Streams io{out, err};
    QStringList arguments{QStringLiteral("orvane-cli")};
    std::vector<std::string> raw{"orvane-cli"};
    for (const std::string& arg : args) {
        arguments << QString::fromLocal8Bit(arg);
        raw.push_back(arg);
    }
    const int code = cli::Run(arguments, io, raw);
    return {code, out.str(), err.str()};
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

} // namespace

class CliTest : public MatchTest {
protected:
    void SetUp() override {
        MatchTest::SetUp();
        WriteOldFile(TempPath("old.dat"));
        WriteRescannedFile(TempPath("new.dat"));
        // No receiver in this folder.
        ::setenv("KIVRA_DEVICE_DIR", TempPath("devices").c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("KIVRA_DEVICE_DIR");
        MatchTest::TearDown();
    }
};

TEST_F(CliTest, ExitCodes) {
    WriteText(TempPath("text.dat"), "not a database");
    fixtures::SchemaOptions otherRevision;
    otherRevision.revision = "$Revision: 1.8 $";
    { fixtures::FixtureDb old(TempPath("r18.dat"), otherRevision); }
    RunCli({"export", TempPath("old.dat"), TempPath("old.csv")});
    WriteText(TempPath("bad.csv"), "number,name\r\n1,x\r\n");
    const std::string old = TempPath("old.dat");
    // A lock name planted as a link to another file of the user's.
    const std::string linked = TempPath("linked.dat");
    std::filesystem::copy_file(old, linked);
    WriteText(TempPath("mine.txt"), "mine");
    std::filesystem::create_symlink(TempPath("mine.txt"), linked + ".bak.lock");
    std::filesystem::create_symlink(old, TempPath("same\xe9.pdf"));
    // A path as the system takes it: longer than SQLite's own limit, with bytes that are no UTF-8.
    std::string deep = m_dir;
    while (deep.size() < 3800) {
        std::filesystem::create_directory(deep += "/" + std::string(200, 'd'));
    }
    std::filesystem::copy_file(old, deep += "/alt\xe9.dat");
    std::string renamed = Bytes(TempPath("old.csv"));
    WriteText(TempPath("renamed.csv"), renamed.replace(renamed.find("Old Shop"), 8, "New Shop"));
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string errStarts; // the start of stderr; "" for anything
    };
    const Case cases[] = {
        {{"--help"}, 0, ""},
        {{"--version"}, 0, ""},
        {{}, 2, "orvane-cli: no command given"},
        {{"frobnicate"}, 2, "orvane-cli: unknown command 'frobnicate'"},
        {{"--bogus", "list", old}, 2, "orvane-cli: Unknown option '--bogus'."},
        {{"list"}, 2, "orvane-cli: list takes 1 argument, not 0"},
        {{"list", old, old}, 2, "orvane-cli: list takes 1 argument, not 2"},
        {{"list", old, "--format", "xml"}, 2, "orvane-cli: unknown format 'xml'"},
        {{"check", old, "--remove"}, 2, "orvane-cli: check does not take --remove"},
        {{"check", old}, 0, ""},
        {{"check", TempPath("missing.dat")}, 1, "orvane-cli: "},
        {{"check", TempPath("text.dat")}, 1, ""},
        {{"check", TempPath("r18.dat")}, 1, ""},
        {{"check", m_dir}, 1, "orvane-cli: "},
        {{"list", old, "--format", "json"}, 0, ""},
        {{"list", TempPath("r18.dat")}, 1, "orvane-cli: "},
        {{"diff", old, TempPath("new.dat")}, 0, ""},
        {{"import", old, TempPath("old.csv"), "--dry-run"}, 0, "0 changes"},
        {{"import", old, TempPath("bad.csv")}, 1, TempPath("bad.csv") + ": refused"},
        {{"apply-order", TempPath("old.csv"), TempPath("new.dat"), "--dry-run"}, 0, "dry run: nothing written\n"},
        {{"apply-order", TempPath("bad.csv"), TempPath("new.dat")}, 1, ""},
        {{"duplicates", old}, 0, "0 sets"},
        {{"export", deep, deep + ".csv"}, 0, ""},
        {{"import", deep, deep + ".csv"}, 0, "0 changes"},
        {{"import", deep, TempPath("renamed.csv")}, 0, "1 change"},
        {{"duplicates", linked, "--remove"}, 1, "orvane-cli: " + linked + ": " + linked + ".bak.lock is a link"},
        {{"upload", m_dir}, 1, "orvane-cli: USB is not connected. Try again!"},
        {{"download", old}, 1, "orvane-cli: USB is not connected. Try again!"},
        {{"download", TempPath("r18.dat")}, 1, "orvane-cli: " + TempPath("r18.dat")},
        {{"download", old, "--backup", m_dir, "--no-backup"}, 2, "orvane-cli: download: an option and its --no-"},
        {{"download", old, "--verify", "--no-verify"}, 2, "orvane-cli: download: an option and its --no-"},
        {{"download", old, "--no-verify"}, 1, "orvane-cli: USB is not connected. Try again!"},
        {{"upload", m_dir, "--verify"}, 2, "orvane-cli: upload does not take --verify"},
        {{"receiver-backups", "--backup", m_dir}, 0, ""},
        {{"print", old}, 2, "orvane-cli: print needs --pdf OUT.pdf"},
        {{"list", old, "--card"}, 2, "orvane-cli: list does not take --card"},
        // Run here without the graphical start-up that main() gives print: refused, not a crash.
        {{"print", old, "--pdf", TempPath("out.pdf")}, 1, "orvane-cli: print: painting the pages needs"},
        {{"print", old, "--pdf", old}, 1, "orvane-cli: " + old + ": is the receiver file itself"},
        {{"print", old, "--pdf", TempPath("same\xe9.pdf")}, 1, "orvane-cli: " + TempPath("same")},
        {{"print", old, "--pdf", TempPath("out.pdf"), "--group", "Nope"},
         1,
         "orvane-cli: " + old + ": no favourite group named 'Nope'"},
    };
    const std::string before = Bytes(old);
    for (const Case& c : cases) {
        const CliResult result = RunCli(c.args);
        const std::string joined = c.args.empty() ? "" : c.args.front() + (c.args.size() > 1 ? " " + c.args[1] : "");
        EXPECT_EQ(result.code, c.code) << joined << "\n" << result.err;
        EXPECT_EQ(result.err.substr(0, c.errStarts.size()), c.errStarts) << joined;
    }
    EXPECT_EQ(Bytes(old), before);
    EXPECT_EQ(Bytes(TempPath("mine.txt")), "mine");
    EXPECT_NE(Bytes(deep).find("New Shop"), std::string::npos);
}

// Each command's --help is its own; a file that is no database is one error, not one per check.
TEST_F(CliTest, CommandHelpAndOneErrorForAFileThatIsNoDatabase) {
    RunCli({"export", TempPath("old.dat"), TempPath("old.csv")});
    std::filesystem::create_directory(TempPath("backups"));
    WriteText(TempPath("backups/receiver-20261201-010000.dat"), std::string(512, 'x'));
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string outStarts;
    };
    const Case cases[] = {
        {{"list", "--help"}, 0, "Usage: orvane-cli list FILE [--format table|csv|json]\n\n  the channels in"},
        {{"--help", "apply-order"}, 0, "Usage: orvane-cli apply-order REFERENCE FILE [--dry-run] [--favourites]\n"},
        {{"download", "-h"}, 0, "Usage: orvane-cli download FILE [--backup DIR | --no-backup]"},
        {{"frobnicate", "--help"}, 0, "Usage: orvane-cli [--help] [--version] COMMAND ARGUMENTS\n"},
        {{"--help"}, 0, "Usage: orvane-cli [--help] [--version] COMMAND ARGUMENTS\n"},
        {{"receiver-backups", "--backup", TempPath("backups")}, 0, "2026-12-01 01:00:00  512 bytes  ? channels  "},
    };
    for (const Case& c : cases) {
        const CliResult result = RunCli(c.args);
        EXPECT_EQ(result.code, c.code) << c.args.front();
        EXPECT_EQ(result.out.substr(0, c.outStarts.size()), c.outStarts) << c.args.front();
    }
    // The global help lists every command, the long synopses on a line of their own.
    EXPECT_NE(RunCli({"--help"})
                  .out.find("  apply-order REFERENCE FILE [--dry-run] [--favourites]\n" + std::string(37, ' ') +
                            "gives FILE the order"),
              std::string::npos);
    const CliResult csv = RunCli({"check", TempPath("old.csv")});
    EXPECT_EQ(csv.code, 1);
    EXPECT_EQ(csv.err, TempPath("old.csv") + ": not a receiver database (sqlite3 error 26: file is not a database)\n");
}

// Names come from the file: on a terminal they must not move the cursor or split a row.
TEST_F(CliTest, NamesReachTheTerminalEscapedAndTriggersAndViewsAreListed) {
    const std::string old = TempPath("old.dat");
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(old.c_str(), &db), SQLITE_OK);
        ASSERT_EQ(
            sqlite3_exec(
                db,
                "UPDATE ChannelInfo SET name = 'A' || char(27) || '[2J' || char(7, 10) || 'B' || char(155, 159) WHERE "
                "ch_id "
                "= 1; UPDATE ChannelInfo SET name = CAST(X'5A444620E282' AS TEXT) WHERE ch_id = 2; CREATE TRIGGER t "
                "AFTER UPDATE ON ChannelInfo BEGIN DELETE FROM SATInfo; END; CREATE VIEW v AS SELECT 1",
                nullptr, nullptr, nullptr),
            SQLITE_OK);
        sqlite3_close(db);
    }
    struct Case {
        std::vector<std::string> args;
        std::string shown;
    };
    const Case cases[] = {
        {{"list", old}, "A\\x1b[2J\\x07\\nB\\u009b\\u009f"},
        {{"list", old}, "ZDF \xEF\xBF\xBD\xEF\xBF\xBD "},
        {{"list", old, "--format", "json"}, "\"A\\u001b[2J\\u0007\\u000aB\xC2\x9B\xC2\x9F\""},
        {{"list", old, "--format", "json"}, "\"ZDF \xEF\xBF\xBD\xEF\xBF\xBD\""},
        {{"list", old, "--format", "csv"}, "\"A\x1B[2J\x07\nB\xC2\x9B\xC2\x9F\""},
        {{"check", old}, "holds triggers or views that the receiver does not make (trigger t, view v)"},
    };
    for (const Case& c : cases) {
        const CliResult result = RunCli(c.args);
        EXPECT_EQ(result.code, 0) << result.err;
        EXPECT_NE(result.out.find(c.shown), std::string::npos) << c.args[0] << "\n" << result.out;
        if (c.args.size() == 2) {
            EXPECT_EQ(result.out.find_first_of("\x1B\x07"), std::string::npos) << result.out;
        }
    }
}

TEST_F(CliTest, WritesReplaceTheFileOnlyWithoutDryRunAndLeaveNoWorkingCopyBeside) {
    const std::string path = TempPath("old.dat");
    ASSERT_EQ(RunCli({"export", path, TempPath("old.csv")}).code, 0);
    std::string text = Bytes(TempPath("old.csv"));
    text.replace(text.find("2,ZDF,"), 6, "9,ZDF,");
    WriteText(TempPath("edited.csv"), text);
    const std::string before = Bytes(path);

    const CliResult dry = RunCli({"import", path, TempPath("edited.csv"), "--dry-run"});
    EXPECT_EQ(dry.code, 0);
    EXPECT_EQ(dry.out, "moved 2 ZDF -> 9\n");
    EXPECT_EQ(dry.err, "1 change (dry run: nothing written)\n");
    EXPECT_EQ(Bytes(path), before);

    ASSERT_EQ(RunCli({"import", path, TempPath("edited.csv")}).code, 0);
    OpenDb(path);
    EXPECT_EQ(SqlInt("SELECT ch_order FROM ChannelInfo WHERE ch_id = 2"), 9);
    CloseDb();
    EXPECT_FALSE(std::filesystem::exists(path + ".bak"));
    EXPECT_EQ(RunCli({"diff", path, TempPath("new.dat")}).out,
              "removed 5 Old Shop\nadded 1 New One\nmoved 1 Das Erste -> 6 (ids)\nmoved 3 arte -> 4 (tuning)\n"
              "moved 4 Rai 1 -> 3 (name)\nmoved 6 Radio X -> 2 (name)\nmoved 9 ZDF -> 5 (ids)\n"
              "renamed 9 ZDF -> ZDF HD (ids)\n1 added, 1 removed, 5 moved, 1 renamed\n");

    const CliResult order = RunCli({"apply-order", path, TempPath("new.dat")});
    EXPECT_EQ(order.code, 0) << order.err;
    EXPECT_EQ(order.out, "matched by ids: 2\nmatched by tuning: 1\nmatched by name: 2\nunmatched: 1\n"
                         "unmatched 1 New One\n");
    OpenDb(TempPath("new.dat"));
    EXPECT_EQ(Numbers(), (std::map<int, int>{{106, 1}, {105, 9}, {104, 3}, {103, 4}, {102, 6}, {101, 10}}));
    CloseDb();
    // Already in order: --favourites still takes the groups.
    const CliResult groups = RunCli({"apply-order", path, TempPath("new.dat"), "--favourites"});
    EXPECT_EQ(groups.code, 0);
    EXPECT_EQ(groups.err, "");
}

// merge: lists, plans and writes only when asked, refuses clashes and files failing check.
TEST_F(CliTest, MergeWritesOnlyChosenNewChannelsAndRefusesClashesAndBadFiles) {
    const std::string old = TempPath("old.dat");
    const std::string fresh = TempPath("new.dat");
    std::filesystem::copy_file(fresh, TempPath("clash.dat"));
    std::filesystem::copy_file(fresh, TempPath("bad.dat"));
    OpenDb(TempPath("clash.dat"));
    Sql("UPDATE ChannelInfo SET name = 'ZDF' WHERE ch_id = 101");
    OpenDb(TempPath("bad.dat"));
    Sql("UPDATE ChannelInfo SET name = 'A name far too long' WHERE ch_id = 101");
    CloseDb();
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string out;       // the whole of stdout; "-" for anything
        std::string errStarts; // the start of stderr
    };
    const Case cases[] = {
        {{"merge", old, fresh}, 0, "new 1 New One (id 101)\n", "1 channels of " + fresh + " are not in the file"},
        {{"merge", old, fresh, "--all-new", "--dry-run"},
         0,
         "add 1 New One as channel 7, number 7\n",
         "1 channel to add (dry run: nothing written)"},
        {{"merge", old, fresh, "--ids", "104"}, 1, "", "orvane-cli: " + fresh + ": channel id 104 is no channel"},
        {{"merge", old, fresh, "--ids", "x"}, 2, "", "orvane-cli: merge: --ids takes channel ids"},
        {{"merge", old, fresh, "--ids", "101", "--all-new"}, 2, "", "orvane-cli: merge: --ids and --all-new exclude"},
        {{"merge", old, TempPath("clash.dat"), "--all-new"},
         1,
         "clash: 1 ZDF: the name is used on the satellite already\n",
         "orvane-cli: 1 clash; nothing written"},
        {{"merge", old, TempPath("bad.dat"), "--all-new"},
         1,
         "",
         "orvane-cli: refused, nothing changed: " + TempPath("bad.dat") + ": "},
    };
    const std::string before = Bytes(old);
    for (const Case& c : cases) {
        const CliResult result = RunCli(c.args);
        EXPECT_EQ(result.code, c.code) << c.args.back() << "\n" << result.err;
        EXPECT_EQ(result.out, c.out) << c.args.back();
        EXPECT_EQ(result.err.substr(0, c.errStarts.size()), c.errStarts) << c.args.back();
    }
    EXPECT_EQ(Bytes(old), before);

    const CliResult merged = RunCli({"merge", old, fresh, "--ids", "101"});
    EXPECT_EQ(merged.code, 0) << merged.err;
    EXPECT_EQ(merged.err, "1 channel added\n");
    const std::string diff = RunCli({"diff", old, fresh}).out;
    EXPECT_EQ(diff.find("added "), std::string::npos) << diff;
    EXPECT_NE(diff.find("\n0 added, 1 removed"), std::string::npos) << diff;
}

class CliTransferTest : public UsbTest {};

TEST_F(CliTransferTest, UploadAndDownloadMoveTheDatabaseByteForByte) {
    StartSimulator();
    const std::string folder = TempPath("pc");
    std::filesystem::create_directories(folder);
    WriteBytes(folder + "/db.dat", {1}); // taken: the upload goes on to db1.dat
    const CliResult up = RunCli({"upload", folder});
    ASSERT_EQ(up.code, 0) << up.err;
    EXPECT_EQ(up.out, folder + "/db1.dat\n");
    EXPECT_EQ(ReadBytes(folder + "/db1.dat"), ReadBytes(m_dbPath));

    const std::string sent = TempPath("pc/large.dat");
    fixtures::WriteLargeDb(sent, 300);
    const std::vector<uint8_t> before = ReadBytes(m_dbPath);
    const std::string backups = TempPath("backups\xe9"); // a folder name that is no UTF-8
    const CliResult down = RunCli({"download", sent, "--backup", backups});
    ASSERT_EQ(down.code, 0) << down.err;
    EXPECT_EQ(ReadBytes(m_dbPath), ReadBytes(sent));
    EXPECT_NE(down.err.find("read back: identical"), std::string::npos) << down.err;
    // The backup taken first is listed and, sent back, restores the receiver's list.
    const CliResult listed = RunCli({"receiver-backups", "--backup", backups});
    ASSERT_EQ(listed.code, 0);
    const std::string backup = listed.out.substr(listed.out.find(backups));
    EXPECT_EQ(ReadBytes(backup.substr(0, backup.find('\n'))), before);
    // The receiver's list is the user's own: no one else reads the backups.
    using std::filesystem::perms;
    const perms others = perms::group_all | perms::others_all;
    EXPECT_EQ(std::filesystem::status(backups).permissions() & others, perms::none);
    EXPECT_EQ(std::filesystem::status(backup.substr(0, backup.find('\n'))).permissions() & others, perms::none);
    const CliResult restored = RunCli({"restore-backup", backup.substr(0, backup.find('\n'))});
    ASSERT_EQ(restored.code, 0) << restored.err;
    EXPECT_NE(restored.err.find("read back: identical"), std::string::npos) << restored.err;
    EXPECT_EQ(ReadBytes(m_dbPath), before);
}

TEST_F(CliTransferTest, ATransferThatBreaksOffReportsTheDialogsMessages) {
    SimulatorOptions options = Options();
    options.failPipeAfter = 8192;
    StartSimulator(options);
    std::filesystem::create_directories(TempPath("pc"));
    const CliResult up = RunCli({"upload", TempPath("pc")});
    EXPECT_EQ(up.code, 1);
    EXPECT_EQ(up.err.substr(0, up.err.find('\n')), "orvane-cli: Reading PIPE02 failed!");
    EXPECT_NE(up.err.find("The DB file was not received completely"), std::string::npos);
}

// A write replaced a file an editor window had open (its next save undid the command),
// and copied the file without the committed pages still in its WAL.
TEST_F(CliTest, WritesRefuseAFileAnEditorHoldsAndReadWhatSqliteReads) {
    const std::string path = TempPath("old.dat");
    ASSERT_EQ(RunCli({"export", path, TempPath("old.csv")}).code, 0);
    {
        CEditorLock::Result result = CEditorLock::Result::Failed;
        const auto editor = CEditorLock::Take(path + ".bak.lock", &result);
        ASSERT_TRUE(editor);
        const CliResult refused = RunCli({"import", path, TempPath("old.csv")});
        EXPECT_EQ(refused.code, 1);
        EXPECT_EQ(refused.err, "orvane-cli: " + path + ": an editor window has it open; close it there first\n");
    }

    // A writer that died with its last change still in the WAL.
    const std::string crashed = TempPath("crashed.dat");
    OpenDb(path);
    Sql("PRAGMA journal_mode = WAL");
    Sql("UPDATE ChannelInfo SET name = 'FromWal' WHERE ch_id = 1");
    std::filesystem::copy_file(path, crashed);
    std::filesystem::copy_file(path + "-wal", crashed + "-wal");
    CloseDb();
    // Reading commands read the WAL's change, leaving it as it was and nothing beside it.
    using Args = std::vector<std::string>;
    for (const Args& args :
         {Args{"list", crashed}, Args{"check", crashed}, Args{"export", crashed, TempPath("wal.csv")}}) {
        const CliResult read = RunCli(args);
        EXPECT_EQ(read.code, 0) << args[0] << read.err;
        EXPECT_TRUE(std::filesystem::exists(crashed + "-wal") && !std::filesystem::exists(crashed + "-shm")) << args[0];
    }
    EXPECT_NE(RunCli({"list", crashed}).out.find("FromWal"), std::string::npos);
    const CliResult import = RunCli({"import", crashed, TempPath("old.csv")});
    EXPECT_EQ(import.code, 0) << import.err;
    EXPECT_NE(import.out.find("renamed 1 FromWal -> Das Erste"), std::string::npos) << import.out;

    // Another program changes the file just after the command copied it: its change is kept.
    static std::string changedFile; // the file the step hook changes
    changedFile = crashed;
    filecopy::ResetSteps();
    filecopy::SetStepHook([](filecopy::Step step, int call) {
        if (step == filecopy::Step::Rename && call == 1) {
            std::ofstream(changedFile, std::ios::binary | std::ios::app) << '\0';
        }
    });
    const std::string changedBytes = Bytes(crashed) + '\0';
    const CliResult changed = RunCli({"import", crashed, TempPath("wal.csv")});
    filecopy::SetStepHook(nullptr);
    EXPECT_NE(changed.err.find(crashed + ": not saved: it was changed by another program"), std::string::npos);
    EXPECT_EQ(changed.code, 1);
    EXPECT_EQ(Bytes(crashed), changedBytes);

    // Run by a user who may read the file (in WAL mode) but not write its folder: reading
    // works, writing says why not.
    std::filesystem::permissions(m_dir, std::filesystem::perms(0755));
    for (const auto& entry : std::filesystem::directory_iterator(m_dir)) { // the WAL too, whatever the umask
        if (entry.is_regular_file()) {
            std::filesystem::permissions(entry.path(), std::filesystem::perms(0644));
        }
    }
    // The reading user's temporary files go where that user may write, whatever /tmp allows.
    const std::string otherTmp = m_dir + "/other-tmp";
    std::filesystem::create_directory(otherTmp);
    std::filesystem::permissions(otherTmp, std::filesystem::perms(0777));
    const pid_t child = ::geteuid() == 0 ? ::fork() : -1; // only root can become another user
    if (child == 0) {
        ::setenv("TMPDIR", otherTmp.c_str(), 1);
        const bool other = ::setgid(65534) == 0 && ::setuid(65534) == 0;
        if (!other || ::access(path.c_str(), R_OK) != 0) {
            ::_exit(77); // the test's folder lies where no other user may go: nothing to try
        }
        const CliResult list = RunCli({"list", path});
        const CliResult remove = RunCli({"duplicates", path, "--remove"});
        const std::string reason = path + ": cannot be changed: its folder " + m_dir + " cannot be written (";
        ::_exit(list.code == 0 && remove.code == 1 && remove.err.find(reason) != std::string::npos ? 0 : 1);
    }
    int status = 0;
    EXPECT_TRUE(child < 0 || (::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
                              (WEXITSTATUS(status) == 0 || WEXITSTATUS(status) == 77)));
    EXPECT_FALSE(std::filesystem::exists(path + "-shm") || std::filesystem::exists(path + ".bak.lock"));
}
