// The user's file layer without a window: what each step of the open refuses, and the
// atomic save under injected faults at every disk step and under kills at any moment.
#include "FixtureBuilder.h"
#include "db/ChannelDB.h"
#include "db/DbStatement.h"
#include "db/ReceiverConnection.h"
#include "userfile/AtomicFileCopy.h"
#include "userfile/UserFile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <random>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using filecopy::Step;
using Result = CUserFile::Result;

std::string ReadAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    return static_cast<bool>(file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())));
}

// A receiver file with satellite 1 named `name`, padded to several copy blocks so that
// a save makes more than one write.
std::string WriteDb(const std::string& path, const char* name) {
    fixtures::FixtureDb db(path);
    db.AddSat(1, name, 192, 1);
    db.Exec("CREATE TABLE Padding(x); INSERT INTO Padding WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
            "FROM n WHERE i < 200) SELECT randomblob(1000) FROM n;");
    return path;
}

// What an SQLite reader of `path` sees of satellite 1; a file that fails the integrity
// check reads as "<corrupt>".
std::string SatNameAsSqliteReads(const std::string& path) {
    sqlite3* db = nullptr;
    std::string name = "<unreadable>";
    if (dbconn::Open(path.c_str(), SQLITE_OPEN_READWRITE, &db) == SQLITE_OK) {
        dbutil::ResultTable check;
        dbutil::ResultTable table;
        if (check.Run(db, "PRAGMA integrity_check") != SQLITE_OK || check.Rows() != 1 ||
            std::string(check.Value(0, 0)) != "ok") {
            name = "<corrupt>";
        } else if (table.Run(db, "SELECT Name FROM SATInfo WHERE SAT_ID = 1") == SQLITE_OK && table.Rows() == 1) {
            name = table.Value(0, 0);
        }
    }
    sqlite3_close(db);
    return name;
}

// The system calls of a save as the system received them ("fsync temp", "fsync folder",
// "rename temp to b.dat"); call `failAt` of `failName` fails with `failErrno`.
struct SyscallRecord {
    std::vector<std::string> calls;
    std::string failName;
    int failAt = 0;
    int failErrno = 0;
    int seen = 0; // calls of failName so far
} g_record;

std::string NameOf(const std::string& path) {
    return path.find("/.orvane-save-") != std::string::npos ? "temp"
           : std::filesystem::is_directory(path)            ? "folder"
                                                            : path.substr(path.find_last_of('/') + 1);
}

bool Fails(const char* name, const std::string& call) {
    g_record.calls.push_back(call);
    const bool fails = g_record.failName == name && ++g_record.seen == g_record.failAt;
    errno = fails ? g_record.failErrno : errno;
    return fails;
}

int RecordedFsync(int fd) {
    const std::string path = std::filesystem::read_symlink("/proc/self/fd/" + std::to_string(fd)).string();
    return Fails("fsync", "fsync " + NameOf(path)) ? -1 : filecopy::SystemDefaults().fsync(fd);
}

int RecordedRename(const char* from, const char* to) {
    const std::string call = "rename " + NameOf(from) + " to " + NameOf(to);
    return Fails("rename", call) ? -1 : filecopy::SystemDefaults().rename(from, to);
}

// Routes the copy's system calls through g_record for its lifetime.
struct RecordSyscalls {
    explicit RecordSyscalls(const char* failName = "", int failAt = 0, int failErrno = 0) {
        g_record = {{}, failName, failAt, failErrno, 0};
        filecopy::Calls().fsync = &RecordedFsync;
        filecopy::Calls().rename = &RecordedRename;
    }
    ~RecordSyscalls() { filecopy::Calls() = filecopy::SystemDefaults(); }
};

// A running save_child whose output is read through a pipe.
class CChild {
public:
    explicit CChild(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), SAVE_CHILD_PATH);
        std::vector<char*> argv;
        for (std::string& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        int pipeFds[2] = {-1, -1};
        if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
        if (::posix_spawn(&m_pid, SAVE_CHILD_PATH, &actions, nullptr, argv.data(), environ) != 0) {
            m_pid = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        ::close(pipeFds[1]);
        m_out = pipeFds[0];
    }
    ~CChild() {
        Kill();
        ::close(m_out);
    }
    bool Started() const { return m_pid > 0; }
    // Waits up to ten seconds for the child's first words (or its end).
    void WaitForOutput() {
        pollfd ready{m_out, POLLIN, 0};
        ::poll(&ready, 1, 10000);
    }
    void Kill() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
            m_pid = -1;
        }
    }

private:
    pid_t m_pid = -1;
    int m_out = -1;
};

class FileLayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        filecopy::ResetSteps();
        std::string folder = (std::filesystem::temp_directory_path() / "orvane-userfile-XXXXXX").string();
        ASSERT_NE(::mkdtemp(folder.data()), nullptr);
        m_folder = folder;
    }
    void TearDown() override {
        filecopy::ResetSteps();
        if (g_db != nullptr) {
            sqlite3_close(g_db);
            g_db = nullptr;
        }
        std::filesystem::permissions(m_folder, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    std::string Path(const std::string& name) const { return m_folder + "/" + name; }

    std::string m_folder;
};

// ---- the open's refusals ------------------------------------------------------------

struct OpenCase {
    const char* name;
    const char* file; // what stands at the path (see Arrange)
    Result result;
    const char* detail; // the detail text starts with it
};

void PrintTo(const OpenCase& row, std::ostream* out) {
    *out << row.name;
}

class OpenStepTest : public FileLayerTest, public ::testing::WithParamInterface<OpenCase> {
protected:
    // Puts `what` at `path`, which a row may move to a name of its own.
    void Arrange(const std::string& what, std::string& path) {
        if (what == "long name" || what == "deep name") { // near or past SQLite's own 512 bytes, no UTF-8
            std::string folder = m_folder;
            while (folder.size() < (what == "long name" ? 400u : 3800u)) {
                ASSERT_TRUE(std::filesystem::create_directory(folder += "/" + std::string(100, 'd')));
            }
            std::filesystem::rename(WriteDb(path, "Astra"), folder + "/db\xff\xfe.dat");
            path = folder + "/db\xff\xfe.dat";
            return;
        }
        if (what == "folder") {
            ASSERT_TRUE(std::filesystem::create_directory(path));
        } else if (what == "pipe") {
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        } else if (what == "text beside a journal") {
            ASSERT_TRUE(WriteBytes(path, std::string(4500, 't')) &&
                        WriteBytes(path + "-journal", std::string(4096, 'j')));
        } else if (what == "other revision") {
            fixtures::SchemaOptions schema;
            schema.revision = "$Revision: 1.8 $";
            fixtures::FixtureDb db(path, schema);
        } else if (what == "no SATInfo") {
            fixtures::FixtureDb db(path);
            db.Exec("DROP TABLE SATInfo");
        } else if (what != "nothing") {
            WriteDb(path, "Astra");
        }
        if (what == "sparse file") {
            ASSERT_EQ(::truncate(path.c_str(), off_t(3) << 30), 0); // 3 GiB, nearly all holes
        }
        if (what == "lock link") {
            ASSERT_TRUE(WriteBytes(path + ".mine", "the user's other file\n"));
            ASSERT_EQ(::symlink((path + ".mine").c_str(), (path + ".bak.lock").c_str()), 0);
        }
    }
};

TEST_P(OpenStepTest, EachStepRefusesWithItsResultAndLeavesNothingOpen) {
    const OpenCase& row = GetParam();
    std::string path = Path("db.dat");
    Arrange(row.file, path);
    CUserFile other; // another editor of the same file
    if (std::string(row.file) == "held") {
        sqlite3* otherDb = nullptr;
        ASSERT_TRUE(other.Open(path, Path("other.bak"), &otherDb).Ok());
        sqlite3_close(otherDb);
    }
    CUserFile file;
    sqlite3* db = nullptr;
    bool released = false;
    const CUserFile::Outcome opened = file.Open(path, path + ".bak", &db, [&] { released = true; });
    EXPECT_EQ(opened.result, row.result);
    EXPECT_EQ(opened.detail.rfind(row.detail, 0), 0u) << opened.detail;
    if (row.result == Result::Ok) {
        EXPECT_NE(db, nullptr);
        EXPECT_EQ(SatNameAsSqliteReads(file.WorkPath()), "Astra");
        // The copy holds the database's pages only; a save of no edit leaves the file alone.
        EXPECT_LT(std::filesystem::file_size(file.WorkPath()), 1u << 20);
        const auto before = std::filesystem::last_write_time(path);
        EXPECT_TRUE(file.Save(path, db, false).Ok());
        EXPECT_EQ(std::filesystem::last_write_time(path), before);
        // An edit reaches the file; another editor is kept out meanwhile.
        EXPECT_EQ(sqlite3_exec(db, "UPDATE SATInfo SET Name = 'Edited' WHERE SAT_ID = 1", nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3* otherDb = nullptr;
        EXPECT_EQ(other.Open(path, Path("other.bak"), &otherDb).result, Result::HeldElsewhere);
        EXPECT_TRUE(file.Save(path, db, false).Ok());
        std::filesystem::copy_file(path, Path("saved.dat"));
        EXPECT_EQ(SatNameAsSqliteReads(Path("saved.dat")), "Edited");
        // A change by another program since is not saved over.
        std::ofstream(path, std::ios::app) << "appended";
        EXPECT_EQ(file.Save(path, db, false).result, Result::ChangedOnDisk);
        // Only a working copy SQLite could not reach beside the file lives in a private folder.
        const std::string work = file.WorkPath();
        EXPECT_EQ(work == path + ".bak", std::string(row.file) != "deep name");
        sqlite3_close(db);
        file.Close();
        EXPECT_TRUE(work == path + ".bak" || !std::filesystem::exists(std::filesystem::path(work).parent_path()));
        return;
    }
    EXPECT_EQ(db, nullptr);
    EXPECT_TRUE(file.WorkPath().empty());
    if (row.result == Result::PlantedLink) {
        EXPECT_EQ(opened.detail, path + ".bak.lock");
        EXPECT_EQ(ReadAll(path + ".mine"), "the user's other file\n");
        ::unlink(opened.detail.c_str());
    }
    // Only a file that was found, locked and settled lets the caller's old one go.
    const bool late = row.result == Result::WrongRevision || row.result == Result::WrongLayout;
    EXPECT_EQ(released, late);
    // A refused file holds no lock: a later editor takes it.
    std::vector<std::unique_ptr<CEditorLock>> locks;
    EXPECT_TRUE(row.result == Result::HeldElsewhere ||
                CEditorLock::TakeAll(CEditorLock::PathsFor(path), locks) == CEditorLock::Result::Taken);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, OpenStepTest,
    ::testing::Values(OpenCase{"Missing", "nothing", Result::NotFound, ""},
                      OpenCase{"Folder", "folder", Result::NotRegularFile, "a folder"},
                      OpenCase{"NamedPipe", "pipe", Result::NotRegularFile, "a named pipe"},
                      OpenCase{"HeldByAnotherEditor", "held", Result::HeldElsewhere, ""},
                      OpenCase{"PlantedLockLink", "lock link", Result::PlantedLink, ""},
                      OpenCase{"JournalOfANonDatabase", "text beside a journal", Result::SidecarsUnsettled, ""},
                      OpenCase{"OtherRevision", "other revision", Result::WrongRevision, ""},
                      OpenCase{"TableMissing", "no SATInfo", Result::WrongLayout, "The table SATInfo"},
                      OpenCase{"ReceiverFile", "receiver file", Result::Ok, ""},
                      OpenCase{"SparseFile", "sparse file", Result::Ok, ""},
                      OpenCase{"LongPathThatIsNoUtf8", "long name", Result::Ok, ""},
                      OpenCase{"PathDeeperThanSqliteTakes", "deep name", Result::Ok, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- the save under faults ---------------------------------------------------------

struct FaultCase {
    const char* name;
    int step; // a Step, or -1 for a read-only folder, -2 for a full tmpfs, -3 for the opened
              // file rewritten by another program (same size and time) and saved over, -4 the
              // same after a Save As to the target, -5 as -3 with the file's path spelled
              // "dir/./a.dat", or the system call itself: 10 fsync, 11 rename
    int call;
    int error;
    bool leavesNew;
};

void PrintTo(const FaultCase& row, std::ostream* out) {
    *out << row.name;
}

class SaveFaultTest : public FileLayerTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(SaveFaultTest, FaultAtEachStepLeavesOldOrNew) {
    const FaultCase& row = GetParam();
    const std::string folder = Path("target");
    ASSERT_TRUE(std::filesystem::create_directory(folder));
    const std::string path = WriteDb(Path("a.dat"), "Astra");
    bool mounted = false;
    if (row.step == -2) {
        // A filesystem just large enough for the old file, so the new one cannot fit.
        if (::geteuid() != 0 || ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=300k") != 0) {
            GTEST_SKIP() << "no tmpfs can be mounted here; the injected ENOSPC row stands in for it";
        }
        mounted = true;
    }
    const bool changed = row.step <= -3;
    std::filesystem::copy_file(path, folder + "/b.dat");
    const std::string otherSpelling = Path("./a.dat");
    const std::string target = row.step == -3 ? path : row.step == -5 ? otherSpelling : folder + "/b.dat";
    CUserFile file;
    ASSERT_TRUE(file.Open(path, path + ".bak", &g_db).Ok());
    ASSERT_EQ(sqlite3_exec(g_db, "UPDATE SATInfo SET Name = 'New' WHERE SAT_ID = 1", nullptr, nullptr, nullptr),
              SQLITE_OK);
    ASSERT_TRUE(row.step != -4 || file.Save(target, g_db, false).Ok());
    if (changed) {
        struct stat before {};
        ASSERT_EQ(::stat(target.c_str(), &before), 0);
        std::string bytes = ReadAll(target);
        bytes.back() = static_cast<char>(bytes.back() ^ 1); // inside the padding's random bytes
        ASSERT_TRUE(WriteBytes(target, bytes));
        const timespec times[2] = {before.st_atim, before.st_mtim};
        ASSERT_EQ(::utimensat(AT_FDCWD, target.c_str(), times, 0), 0);
    }
    const std::string oldBytes = ReadAll(target);

    filecopy::ResetSteps();
    const bool systemCall = row.step >= 10;
    const RecordSyscalls recorded(systemCall ? (row.step == 10 ? "fsync" : "rename") : "", row.call, row.error);
    if (row.step >= 0 && !systemCall) {
        filecopy::FailStep(static_cast<Step>(row.step), row.call, row.error);
    } else if (row.step == -1) {
        if (::geteuid() == 0) {
            filecopy::FailStep(Step::Open, 1, EROFS); // root writes into any folder
        } else {
            std::filesystem::permissions(folder,
                                         std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        }
    }
    const CUserFile::Outcome saved = file.Save(target, g_db, true);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    const std::string after = ReadAll(target);
    const std::string name = SatNameAsSqliteReads(target);
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        left.push_back(entry.path().filename().string());
    }
    if (mounted) {
        ::umount2(folder.c_str(), MNT_DETACH);
    }

    EXPECT_EQ(saved.result, changed ? Result::ChangedOnDisk : Result::WriteFailed);
    EXPECT_NE(saved.detail.find(changed ? "" : std::strerror(row.error)), std::string::npos) << saved.detail;
    EXPECT_EQ(name, row.leavesNew ? "New" : "Astra");
    if (!row.leavesNew) {
        EXPECT_EQ(after, oldBytes);
    }
    EXPECT_EQ(left, std::vector<std::string>{"b.dat"}); // no temporary left behind
    if (systemCall) {
        EXPECT_EQ(g_record.seen, row.call); // the call was made, and made no more
    } else if (row.step >= 0) {
        EXPECT_EQ(filecopy::StepCalls(static_cast<Step>(row.step)), row.call);
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, SaveFaultTest,
                         ::testing::Values(FaultCase{"Open", int(Step::Open), 1, EACCES, false},
                                           FaultCase{"FirstWrite", int(Step::Write), 1, EIO, false},
                                           FaultCase{"ThirdWrite", int(Step::Write), 3, EIO, false},
                                           FaultCase{"FullDiskAtTheSecondWrite", int(Step::Write), 2, ENOSPC, false},
                                           FaultCase{"Flush", int(Step::Flush), 1, EIO, false},
                                           FaultCase{"Rename", int(Step::Rename), 1, EXDEV, false},
                                           FaultCase{"FolderSync", int(Step::DirSync), 1, EIO, true},
                                           FaultCase{"ReadOnlyFolder", -1, 0, EROFS, false},
                                           FaultCase{"FullTmpfs", -2, 0, ENOSPC, false},
                                           FaultCase{"ChangedBehindBack", -3, 0, 0, false},
                                           FaultCase{"SavedAsThenChangedBehindBack", -4, 0, 0, true},
                                           FaultCase{"ChangedBehindBackOtherSpelling", -5, 0, 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(SystemCalls, SaveFaultTest,
                         ::testing::Values(FaultCase{"FsyncOfTheCopy", 10, 1, EIO, false},
                                           FaultCase{"FsyncOfTheFolder", 10, 2, EIO, true},
                                           FaultCase{"Rename", 11, 1, EXDEV, false}),
                         [](const auto& info) { return std::string(info.param.name); });

std::vector<Step>& StepsSeen() {
    static std::vector<Step> steps;
    return steps;
}

void RecordStep(Step step, int) {
    StepsSeen().push_back(step);
}

// Guards against a copy renamed over the user's file before its bytes reach the disk.
TEST_F(FileLayerTest, CopyIsFlushedBeforeTheRename) {
    const std::string source = WriteDb(Path("new.dat"), "New");
    const std::string target = WriteDb(Path("old.dat"), "Old");
    ASSERT_EQ(::chmod(target.c_str(), 0604), 0); // not the mode the copy starts with
    StepsSeen().clear();
    filecopy::ResetSteps();
    filecopy::SetStepHook(&RecordStep);
    std::string error;
    const RecordSyscalls recorded;
    const bool copied = filecopy::ReplaceWithCopy(source, target, &error);
    filecopy::SetStepHook(nullptr);
    ASSERT_TRUE(copied) << error;
    // What the system itself was asked, in order.
    EXPECT_EQ(g_record.calls, (std::vector<std::string>{"fsync temp", "rename temp to old.dat", "fsync folder"}));

    std::vector<Step> disk = StepsSeen();
    std::erase(disk, Step::Write);
    const std::vector<Step> expected{Step::Open, Step::Flush, Step::Rename, Step::DirSync};
    EXPECT_EQ(disk, expected);
    struct stat saved {};
    ASSERT_EQ(::stat(target.c_str(), &saved), 0);
    EXPECT_EQ(saved.st_mode & 07777, 0604u);
}

TEST_F(FileLayerTest, KilledSavesLeaveOldOrNew) {
    const std::string source = WriteDb(Path("new.dat"), "New");
    const std::string target = Path("target/db.dat");
    ASSERT_TRUE(std::filesystem::create_directory(Path("target")));
    const std::string newBytes = ReadAll(source);
    const std::string oldBytes = ReadAll(WriteDb(Path("old.dat"), "Old"));
    ASSERT_NE(oldBytes, newBytes);

    // How many disk steps one save takes, so each trial can stop at any of them.
    ASSERT_TRUE(WriteBytes(target, oldBytes));
    filecopy::ResetSteps();
    std::string error;
    ASSERT_TRUE(filecopy::ReplaceWithCopy(source, target, &error));
    int steps = 0;
    for (int step = 0; step < filecopy::kStepCount; ++step) {
        steps += filecopy::StepCalls(static_cast<Step>(step));
    }
    ASSERT_GE(filecopy::StepCalls(Step::Write), 3);

    const int trials = 200;
    int oldCount = 0;
    int newCount = 0;
    int mixed = 0;
    std::mt19937 random(12);
    for (int trial = 0; trial < trials; ++trial) {
        ASSERT_TRUE(WriteBytes(target, oldBytes));
        // Half the trials stop the save just before a chosen step, half kill it after a
        // random moment, wherever it then is.
        const bool atStep = trial % 2 == 0;
        std::vector<std::string> arguments{"copy", source, target};
        if (atStep) {
            arguments.push_back(std::to_string(std::uniform_int_distribution<int>(1, steps + 1)(random)));
        }
        CChild child(arguments);
        ASSERT_TRUE(child.Started());
        if (atStep) {
            child.WaitForOutput();
        } else {
            std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(0, 2999)(random)));
        }
        child.Kill();
        const std::string after = ReadAll(target);
        if (after == oldBytes) {
            ++oldCount;
        } else if (after == newBytes) {
            ++newCount;
        } else {
            ++mixed;
        }
    }
    std::printf("killed saves: trials %d, old %d, new %d, mixed %d\n", trials, oldCount, newCount, mixed);
    EXPECT_EQ(mixed, 0);
    EXPECT_EQ(oldCount + newCount, trials);
    EXPECT_TRUE(oldCount > 0 && newCount > 0);
    EXPECT_EQ(SatNameAsSqliteReads(target), newCount > 0 && ReadAll(target) == newBytes ? "New" : "Old");
}

} // namespace
