#include "userfile/SqliteSidecars.h"

#include "db/ReceiverConnection.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace filecopy {

namespace {

struct SqliteCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};

bool Exists(const std::string& path, off_t* size = nullptr) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return false;
    }
    if (size != nullptr) {
        *size = info.st_size;
    }
    return true;
}

bool SqliteFailure(std::string* error, const std::string& path, sqlite3* db, const char* what) {
    if (error != nullptr) {
        *error = "SQLite cannot settle the journal beside " + path + " (" + what + ": " +
                 (db != nullptr ? sqlite3_errmsg(db) : "out of memory") + ")";
    }
    return false;
}

// Opens the file, reads its schema (which rolls back a hot journal and recovers a WAL)
// and checkpoints the WAL completely. The connection is closed before returning, which
// lets SQLite drop a WAL it no longer needs.
bool SettleWithSqlite(const std::string& path, std::string* error) {
    sqlite3* raw = nullptr;
    const int opened = dbconn::Open(path.c_str(), SQLITE_OPEN_READWRITE, &raw);
    std::unique_ptr<sqlite3, SqliteCloser> db(raw);
    if (opened != SQLITE_OK) {
        return SqliteFailure(error, path, raw, "open");
    }
    if (sqlite3_exec(raw, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK) {
        return SqliteFailure(error, path, raw, "read");
    }
    if (Exists(path + "-wal")) {
        int logFrames = 0;
        int copiedFrames = 0;
        if (sqlite3_wal_checkpoint_v2(raw, nullptr, SQLITE_CHECKPOINT_TRUNCATE, &logFrames, &copiedFrames) !=
                SQLITE_OK ||
            copiedFrames != logFrames) {
            return SqliteFailure(error, path, raw, "checkpoint");
        }
    }
    if (sqlite3_close(db.release()) != SQLITE_OK) {
        return SqliteFailure(error, path, nullptr, "close");
    }
    return true;
}

} // namespace

bool RemoveSqliteSidecars(const std::string& databasePath, std::string* error) {
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        const std::string sidecar = databasePath + suffix;
        if (::unlink(sidecar.c_str()) != 0 && errno != ENOENT) {
            if (error != nullptr) {
                *error = "cannot remove " + sidecar + ": " + std::strerror(errno);
            }
            return false;
        }
    }
    return true;
}

bool HasSqliteSidecars(const std::string& databasePath) {
    return Exists(databasePath + "-journal") || Exists(databasePath + "-wal");
}

bool ResolveSqliteSidecars(const std::string& databasePath, std::string* error) {
    if (!HasSqliteSidecars(databasePath)) {
        return true;
    }
    if (!Exists(databasePath)) {
        // A journal of a file that is gone belongs to no file, but it would be taken as
        // hot the moment a new file of that name appears beside it.
        return RemoveSqliteSidecars(databasePath, error);
    }
    if (!SettleWithSqlite(databasePath, error)) {
        return false;
    }
    // Settled: a journal left now is not hot and a WAL is empty; removing them is safe.
    off_t walSize = 0;
    if (Exists(databasePath + "-wal", &walSize) && walSize != 0) {
        if (error != nullptr) {
            *error = "another program still writes " + databasePath + " through its WAL";
        }
        return false;
    }
    return RemoveSqliteSidecars(databasePath, error);
}

} // namespace filecopy
