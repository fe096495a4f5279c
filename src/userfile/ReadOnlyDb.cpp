#include "userfile/ReadOnlyDb.h"

#include "db/ReceiverConnection.h"
#include "userfile/AtomicFileCopy.h"
#include "userfile/SqliteSidecars.h"

#include <cstring>

#include <unistd.h>

namespace {

const char* const kSidecars[] = {"-wal", "-journal"};

} // namespace

CReadOnlyDb::~CReadOnlyDb() {
    Close();
}

std::string CReadOnlyDb::ImmutableUri(const std::string& path) {
    // Every byte SQLite's URI parser could read as syntax, and every byte that is not
    // plain ASCII, is written as %HH, so the path reaches the system as it was given.
    static const char digits[] = "0123456789ABCDEF";
    std::string uri = !path.empty() && path.front() == '/' ? "file://" : "file:";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
            std::strchr("/._-~", c) != nullptr) {
            uri += c;
        } else {
            uri += '%';
            uri += digits[byte >> 4];
            uri += digits[byte & 15];
        }
    }
    return uri + "?immutable=1";
}

bool CReadOnlyDb::OpenOrSay(const std::string& path, std::string& error) {
    std::string reason;
    if (Open(path, &reason) != SQLITE_OK) {
        error = path + ": cannot be opened: " + reason;
        return false;
    }
    return true;
}

int CReadOnlyDb::Open(const std::string& path, std::string* error) {
    Close();
    const auto fail = [&](int rc, const std::string& reason) {
        if (error != nullptr) {
            *error = reason;
        }
        Close();
        return rc;
    };
    if (path.empty()) {
        return fail(SQLITE_CANTOPEN, "no file named");
    }
    std::string opened = ImmutableUri(path);
    int flags = SQLITE_OPEN_READONLY | SQLITE_OPEN_URI;
    // SQLite keeps them beside the file a link names.
    const std::string file = filecopy::FollowLinks(path);
    // A file deeper than SQLite's own path limit is read from a private copy too.
    if (filecopy::HasSqliteSidecars(file) || CPrivateFolder::TooLongForSqlite(path) ||
        CPrivateFolder::TooLongForSqlite(file)) {
        std::string reason;
        if (!m_folder.Make("orvane-read", &reason)) {
            return fail(SQLITE_CANTOPEN, "no private folder to read it in: " + reason);
        }
        // The file first: a copy made over a name settles what stands beside that name.
        const std::string copy = m_folder.File();
        std::string copyError;
        bool copied = filecopy::ReplaceWithCopy(file, copy, &copyError, filecopy::kOwnTarget);
        for (const char* suffix : kSidecars) {
            if (copied && ::access((file + suffix).c_str(), F_OK) == 0) {
                copied = filecopy::ReplaceWithCopy(file + suffix, copy + suffix, &copyError, filecopy::kOwnTarget);
            }
        }
        if (!copied) {
            return fail(SQLITE_CANTOPEN, "cannot be read with its journal: " + copyError);
        }
        // The private copy may be written: SQLite rolls its journal back or reads its WAL.
        opened = copy;
        flags = SQLITE_OPEN_READWRITE;
    }
    if (const int rc = dbconn::Open(opened.c_str(), flags, &m_db); rc != SQLITE_OK) {
        return fail(rc, m_db != nullptr ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc));
    }
    return SQLITE_OK;
}

void CReadOnlyDb::Close() {
    if (m_db != nullptr) {
        sqlite3_close(m_db);
        m_db = nullptr;
    }
    m_folder.Remove();
}
