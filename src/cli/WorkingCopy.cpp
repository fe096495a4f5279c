#include "WorkingCopy.h"

#include "db/ReceiverConnection.h"
#include "db/SchemaGate.h"
#include "userfile/AtomicFileCopy.h"
#include "userfile/SqliteSidecars.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace cli {

bool CheckRegularFile(const std::string& path, std::string& error) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        error = path + ": no such file";
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        error = path + ": not a regular file";
        return false;
    }
    if (::access(path.c_str(), R_OK) != 0) {
        error = path + ": cannot be read";
        return false;
    }
    return true;
}

std::string CheckReceiverFile(sqlite3* db) {
    match::CScopedConnection use(db);
    CChannelDB channels;
    if (channels.CheckSchemaRevision() != 0) {
        return std::string("not a receiver database of revision ") + kSchemaRevision;
    }
    return dbschema::CheckTableLayout(db);
}

bool CReadConnection::Open(const std::string& path, std::string& error) {
    if (!CheckRegularFile(path, error)) {
        return false;
    }
    sqlite3* raw = nullptr;
    const int rc = dbconn::Open(path.c_str(), SQLITE_OPEN_READONLY, &raw);
    m_db.reset(raw);
    if (rc != SQLITE_OK) {
        error = path + ": cannot be opened";
        return false;
    }
    m_use.emplace(raw);
    return true;
}

CWorkingCopy::~CWorkingCopy() {
    Close();
}

void CWorkingCopy::Close() {
    m_use.reset();
    if (m_db != nullptr) {
        sqlite3_close(m_db);
        m_db = nullptr;
    }
}

bool CWorkingCopy::Open(const std::string& path, std::string& error) {
    if (!CheckRegularFile(path, error)) {
        return false;
    }
    if (!m_dir.isValid()) {
        error = "no temporary folder for the working copy";
        return false;
    }
    // An editor window's next save would replace what this command writes.
    if (!CEditorLock::TakeAll(CEditorLock::PathsFor(path), m_locks)) {
        error = path + ": an editor window has it open; close it there first";
        return false;
    }
    // The copy must hold what SQLite reads: a hot journal or a WAL beside the file is
    // settled first.
    if (std::string reason; !filecopy::ResolveSqliteSidecars(filecopy::FollowLinks(path), &reason)) {
        error = path + ": cannot be read the way SQLite reads it: " + reason;
        return false;
    }
    m_target = path;
    m_copy = QFile::encodeName(m_dir.filePath(QStringLiteral("work.dat"))).toStdString();
    if (std::string reason; !filecopy::ReplaceWithCopy(path, m_copy, &reason)) {
        error = path + ": the working copy could not be made: " + reason;
        return false;
    }
    if (dbconn::Open(m_copy.c_str(), SQLITE_OPEN_READWRITE, &m_db) != SQLITE_OK) {
        error = path + ": cannot be opened";
        return false;
    }
    if (const std::string problem = CheckReceiverFile(m_db); !problem.empty()) {
        error = path + ": " + problem;
        return false;
    }
    m_use.emplace(m_db);
    return true;
}

bool CWorkingCopy::Save(std::string& error) {
    Close();
    if (std::string reason; !filecopy::ReplaceWithCopy(m_copy, m_target, &reason)) {
        error = m_target + ": not saved: " + reason;
        return false;
    }
    return true;
}

} // namespace cli
