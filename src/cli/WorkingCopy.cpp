#include "WorkingCopy.h"

#include "db/ChannelDB.h"
#include "db/ReceiverConnection.h"
#include "userfile/AtomicFileCopy.h"

#include <QFile>

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

namespace cli {

namespace {

using Result = CUserFile::Result;

// The reason a failed open or check of `path` gives, as the commands word it.
std::string Reason(const std::string& path, const CUserFile::Outcome& outcome) {
    switch (outcome.result) {
    case Result::NotFound:
        return path + ": no such file";
    case Result::NotRegularFile:
        return path + ": not a regular file";
    case Result::Unreadable:
        return path + ": cannot be read";
    case Result::HeldElsewhere:
        // An editor window's next save would replace what this command writes.
        return path + ": an editor window has it open; close it there first";
    case Result::PlantedLink:
        return path + ": " + outcome.detail + " is a link or a file of another user; remove it first";
    case Result::ChangedOnDisk:
        return path + ": not saved: it was changed by another program while this command ran";
    case Result::SidecarsUnsettled:
        return path + ": cannot be read the way SQLite reads it: " + outcome.detail;
    case Result::CopyFailed:
        return path + ": the working copy could not be made: " + outcome.detail;
    case Result::WrongRevision:
        return path + ": not a receiver database of revision " + kSchemaRevision;
    case Result::WrongLayout:
        return path + ": " + outcome.detail;
    case Result::OpenFailed:
    default:
        return path + ": cannot be opened";
    }
}

} // namespace

bool CheckRegularFile(const std::string& path, std::string& error) {
    if (const CUserFile::Outcome check = CUserFile::CheckRegularFile(path); !check.Ok()) {
        error = Reason(path, check);
        return false;
    }
    return true;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes, std::string& error) {
    const QTemporaryDir dir;
    const std::string staged = QFile::encodeName(dir.filePath(QStringLiteral("staged"))).toStdString();
    std::ofstream file(staged, std::ios::binary);
    error = "no private folder to write it in";
    return dir.isValid() && file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) && file.flush() &&
           filecopy::ReplaceWithCopy(staged, path, &error);
}

std::string CheckReceiverFile(sqlite3* db) {
    const CUserFile::Outcome check = CUserFile::CheckReceiverFile(db);
    if (check.result == Result::WrongRevision) {
        return std::string("not a receiver database of revision ") + kSchemaRevision;
    }
    return check.detail;
}

bool CReadConnection::Open(const std::string& path, std::string& error) {
    if (!CheckRegularFile(path, error)) {
        return false;
    }
    if (!m_db.OpenOrSay(path, error)) {
        return false;
    }
    m_use.emplace(m_db.Handle());
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
    // The new file is made beside the old one; a folder that cannot be written is said
    // before any work, rather than as a failed save after it.
    const std::string file = filecopy::FollowLinks(path);
    const auto slash = file.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : file.substr(0, slash);
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        error =
            path + ": cannot be changed: its folder " + folder + " cannot be written (" + std::strerror(errno) + ")";
        return false;
    }
    const std::string copy = QFile::encodeName(m_dir.filePath(QStringLiteral("work.dat"))).toStdString();
    if (const CUserFile::Outcome opened = m_file.Open(path, copy, &m_db); !opened.Ok()) {
        error = Reason(path, opened);
        return false;
    }
    m_target = path;
    m_use.emplace(m_db);
    return true;
}

bool CWorkingCopy::Save(std::string& error) {
    Close();
    if (const CUserFile::Outcome saved = m_file.Save(m_target, nullptr, false); !saved.Ok()) {
        error =
            saved.result == Result::ChangedOnDisk ? Reason(m_target, saved) : m_target + ": not saved: " + saved.detail;
        return false;
    }
    return true;
}

} // namespace cli
