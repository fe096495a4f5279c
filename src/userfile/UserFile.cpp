#include "userfile/UserFile.h"

#include "db/ChannelDB.h"
#include "db/ReceiverConnection.h"
#include "db/SchemaGate.h"
#include "usblib/platform/UniqueFd.h"
#include "userfile/AtomicFileCopy.h"
#include "userfile/SqliteSidecars.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Result = CUserFile::Result;
using Outcome = CUserFile::Outcome;

// Opens the working copy for the editor. Only the window's thread uses its connection
// (transfers copy the file, never the connection), so SQLite's locking around each
// call is left out: reading 5,000 rows' values took a lock and an unlock per value.
// Nor does a commit wait for the disk: the working copy is made afresh from the
// user's file at every open and reaches that file only through Save's own synced
// copy, so a write lost to a system crash was never saved anyway; each commit waited
// for two disk flushes (about 4 ms of a Lock of 5,000 channels).
int OpenWorkingCopy(const std::string& path, sqlite3** db) {
    const int rc = dbconn::Open(path.c_str(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, db);
    if (rc == SQLITE_OK && *db != nullptr) {
        sqlite3_exec(*db, "PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);
    }
    return rc;
}

// What `info` describes when it is something other than a regular file. Asked of the
// file system before anything opens the path: opening a named pipe would wait for a
// writer, and a device may never end its contents.
const char* KindOf(const struct stat& info) {
    if (S_ISDIR(info.st_mode)) {
        return "a folder";
    }
    if (S_ISFIFO(info.st_mode)) {
        return "a named pipe";
    }
    if (S_ISSOCK(info.st_mode)) {
        return "a socket";
    }
    return "a device";
}

void CloseConnection(sqlite3** db) {
    if (*db != nullptr) {
        sqlite3_close(*db);
        *db = nullptr;
    }
}

// Copies the database pages of the user's file to a fresh working copy that this
// editor can write.
bool MakeWorkingCopy(const std::string& path, const std::string& workPath, std::string* error,
                     filecopy::CopyInfo* copied) {
    // A stale journal beside the old working copy would roll the fresh copy back, an
    // old copy left by a failed copy would show the wrong contents, and an old copy
    // that is read-only or a link must not be written into: it is removed first.
    if (!filecopy::RemoveSqliteSidecars(workPath, error)) {
        return false;
    }
    ::unlink(workPath.c_str());
    if (!filecopy::ReplaceWithCopy(path, workPath, error, filecopy::kOwnTarget | filecopy::kDatabasePages, copied)) {
        return false;
    }
    // A read-only user's file must still give a working copy its editor can write.
    const platform::CUniqueFd copy(::open(workPath.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info {};
    if (copy && ::fstat(copy.Get(), &info) == 0) {
        ::fchmod(copy.Get(), (info.st_mode & 07777) | S_IRUSR | S_IWUSR);
    }
    return true;
}

// What a copy learnt of `info`, a file it read or wrote.
CUserFile::FileState StateFrom(const struct stat& info, const filecopy::CopyInfo& copied) {
    CUserFile::FileState state;
    state.exists = true;
    state.device = info.st_dev;
    state.inode = info.st_ino;
    state.size = info.st_size;
    state.modified = info.st_mtim;
    state.hash = copied.hash;
    state.hashed = copied.bytes;
    return state;
}

// The file `path` names with every link and "." or ".." resolved; empty when it does
// not exist.
std::string CanonicalPath(const std::string& path) {
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr), &std::free);
    return resolved != nullptr ? std::string(resolved.get()) : std::string();
}

} // namespace

Outcome CUserFile::CheckRegularFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return {Result::NotFound, {}};
    }
    if (!S_ISREG(info.st_mode)) {
        return {Result::NotRegularFile, KindOf(info)};
    }
    if (!platform::CUniqueFd(::open(path.c_str(), O_RDONLY | O_CLOEXEC))) {
        return {Result::Unreadable, {}};
    }
    return {};
}

Outcome CUserFile::CheckReceiverFile(sqlite3* db) {
    // The revision check reads through the process-wide connection.
    sqlite3* const saved = g_db;
    g_db = db;
    CChannelDB channels;
    const bool revisionMatches = channels.CheckSchemaRevision() == 0;
    g_db = saved;
    if (!revisionMatches) {
        return {Result::WrongRevision, {}};
    }
    // Reads and inserts go by column position: a table laid out otherwise would have
    // one column's value read, shown and written back as another's.
    if (std::string problem = dbschema::CheckTableLayout(db); !problem.empty()) {
        return {Result::WrongLayout, std::move(problem)};
    }
    return {};
}

Outcome CUserFile::Open(const std::string& path, const std::string& workPath, sqlite3** db,
                        const std::function<void()>& release) {
    if (Outcome check = CheckRegularFile(path); !check.Ok()) {
        return check;
    }
    const std::vector<std::string> lockPaths = CEditorLock::PathsFor(path);
    std::vector<std::unique_ptr<CEditorLock>> taken;
    if (Outcome locked = TakeMissingLocks(lockPaths, taken); !locked.Ok()) {
        return locked;
    }
    // The working copy must hold what SQLite reads of the file, so a journal or WAL
    // left beside it by a writer is settled first; a byte copy alone would miss it.
    std::string error;
    if (!filecopy::ResolveSqliteSidecars(filecopy::FollowLinks(path), &error)) {
        return {Result::SidecarsUnsettled, error};
    }
    // SQLite's own file access takes no path longer than its limit, so a working copy
    // that deep (or one the caller cannot name) is made in a private folder; the locks
    // stay beside the user's file, where every editor of it looks for them, and Save
    // writes the file with plain system calls, which take any path the system takes.
    std::unique_ptr<CPrivateFolder> privateFolder;
    std::string work = workPath;
    if (workPath.empty() || CPrivateFolder::TooLongForSqlite(workPath)) {
        privateFolder = std::make_unique<CPrivateFolder>();
        if (!privateFolder->Make("orvane-edit", &error)) {
            return {Result::CopyFailed, "no private folder for it: " + error};
        }
        work = privateFolder->File();
    }
    // From here on this object holds the new file's locks only: those it held of it
    // already and the ones just taken.
    for (auto& lock : m_locks) {
        if (std::any_of(lockPaths.begin(), lockPaths.end(), [&](const std::string& p) { return lock->IsAt(p); })) {
            taken.push_back(std::move(lock));
        }
    }
    m_locks = std::move(taken);
    m_workPath = work;
    if (release) {
        release();
    }
    // The old connection is closed before its file can be replaced beneath it.
    CloseConnection(db);
    m_privateFolder = std::move(privateFolder);

    m_filePath = path;
    m_fileResolved = CanonicalPath(path);
    Outcome failed;
    filecopy::CopyInfo copied;
    const bool copiedOk = MakeWorkingCopy(path, work, &error, &copied);
    // What the file was as it was copied, for Save to tell a change by another program.
    m_fileState = copiedOk ? StateFrom(copied.source, copied) : FileState{};
    if (!copiedOk) {
        failed = {Result::CopyFailed, error};
    } else if (OpenWorkingCopy(work, db) != SQLITE_OK || *db == nullptr) {
        failed = {Result::OpenFailed, {}};
    } else {
        failed = CheckReceiverFile(*db);
    }
    if (!failed.Ok()) {
        // A refused file's working copy must never be saved over another file.
        CloseConnection(db);
        Close();
    }
    return failed;
}

Outcome CUserFile::Save(const std::string& target, sqlite3* db, bool takeTargetLocks, bool replaceChanged) {
    // A file another editor edits would be replaced under it, and its next save would
    // silently replace this one in turn.
    std::vector<std::unique_ptr<CEditorLock>> targetLocks;
    if (takeTargetLocks) {
        if (Outcome locked = TakeMissingLocks(CEditorLock::PathsFor(target), targetLocks); !locked.Ok()) {
            return locked;
        }
    }
    if (m_workPath.empty()) {
        return {Result::NoWorkingCopy, {}};
    }
    // Another program's changes to the opened file would be lost without a word.
    const bool openedFile = IsOpenedFile(target);
    const bool changed = openedFile && ChangedOnDisk(target);
    if (!replaceChanged && changed) {
        return {Result::ChangedOnDisk, {}};
    }
    // Replacing the working copy under the open connection would send every later
    // edit into a file that no longer has a name.
    const std::string workFile = CanonicalPath(m_workPath);
    if (!workFile.empty() && CanonicalPath(target) == workFile) {
        return {Result::TargetIsWorkingCopy, {}};
    }
    if (db != nullptr) {
        // Every change must be in the file before its bytes are copied.
        if (sqlite3_get_autocommit(db) == 0) {
            return {Result::MidTransaction, {}};
        }
        // In WAL mode the last changes may still sit in the WAL; only a complete
        // checkpoint puts them into the file that is copied.
        int logFrames = 0;
        int copiedFrames = 0;
        if (sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_TRUNCATE, &logFrames, &copiedFrames) !=
                SQLITE_OK ||
            logFrames != copiedFrames) {
            return {Result::CheckpointIncomplete, sqlite3_errmsg(db)};
        }
    }
    // Nothing edited: the file keeps its own bytes, those past its pages too.
    if (openedFile && !changed && WorkingCopyUnedited()) {
        std::move(targetLocks.begin(), targetLocks.end(), std::back_inserter(m_locks));
        return {};
    }
    filecopy::CopyInfo copied;
    if (std::string error; !filecopy::ReplaceWithCopy(m_workPath, target, &error, filecopy::kOwnSource, &copied)) {
        return {Result::WriteFailed, error};
    }
    m_fileState = StateFrom(copied.written, copied);
    m_filePath = target;
    m_fileResolved = CanonicalPath(target);
    // Saves write there again from now on, so no other editor may take it up.
    std::move(targetLocks.begin(), targetLocks.end(), std::back_inserter(m_locks));
    return {};
}

void CUserFile::Close() {
    m_workPath.clear();
    m_privateFolder.reset();
    m_filePath.clear();
    m_fileResolved.clear();
    m_fileState = {};
    m_locks.clear();
}

bool CUserFile::ChangedOnDisk(const std::string& path) const {
    struct stat info {};
    // The user's file may be a link: its state is the named file's.
    const platform::CUniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!m_fileState.exists || !fd || ::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return true;
    }
    const FileState& was = m_fileState;
    return info.st_dev != was.device || info.st_ino != was.inode || info.st_size != was.size ||
           info.st_mtim.tv_sec != was.modified.tv_sec || info.st_mtim.tv_nsec != was.modified.tv_nsec ||
           filecopy::HashFile(fd.Get(), was.hashed) != was.hash;
}

bool CUserFile::WorkingCopyUnedited() const {
    const platform::CUniqueFd fd(::open(m_workPath.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info {};
    return m_fileState.exists && fd && ::fstat(fd.Get(), &info) == 0 && info.st_size == m_fileState.hashed &&
           filecopy::HashFile(fd.Get(), info.st_size) == m_fileState.hash;
}

bool CUserFile::IsOpenedFile(const std::string& target) const {
    if (m_filePath.empty()) {
        return false;
    }
    // A removed file resolves to nothing; its path as given still names it.
    const std::string resolved = CanonicalPath(target);
    return target == m_filePath || (!resolved.empty() && resolved == m_fileResolved);
}

Outcome CUserFile::TakeMissingLocks(const std::vector<std::string>& lockPaths,
                                    std::vector<std::unique_ptr<CEditorLock>>& taken) const {
    std::vector<std::string> missing; // reopening this editor's own file takes none again
    std::copy_if(lockPaths.begin(), lockPaths.end(), std::back_inserter(missing), [this](const std::string& path) {
        return std::none_of(m_locks.begin(), m_locks.end(), [&](const auto& lock) { return lock->IsAt(path); });
    });
    std::string refused;
    switch (CEditorLock::TakeAll(missing, taken, &refused)) {
    case CEditorLock::Result::HeldElsewhere:
        return {Result::HeldElsewhere, {}};
    case CEditorLock::Result::NotOwnFile:
        return {Result::PlantedLink, refused};
    default:
        return {};
    }
}
