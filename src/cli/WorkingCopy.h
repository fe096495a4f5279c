#pragma once
// The receiver files a command works on, opened the way the editor opens them.
//
// CReadConnection opens a file read-only as g_db for the length of a command that only
// reads (check, list, export, diff, the dry runs), leaving nothing beside it. CWorkingCopy edits a private copy
// of the file, made in a temporary folder, and saves it over the file atomically at
// the end, like the editor's Save; a failure before the save leaves the file as it was.
// The copy is private rather than the editor's FILE.bak; a file an editor window has
// open is refused, since that window's next save would replace the command's work.
#include "match/ChannelSet.h"
#include "userfile/ReadOnlyDb.h"
#include "userfile/UserFile.h"

#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <string>

namespace cli {

// False with a reason when `path` is no regular file that can be read.
bool CheckRegularFile(const std::string& path, std::string& error);
// Writes `bytes` as the file `path` (the bytes the system takes, any length): whole
// into a private file first, then put in place by the save's atomic replace, so a
// failure leaves `path` as it was. False with a reason.
bool WriteWholeFile(const std::string& path, const std::string& bytes, std::string& error);
// The revision and table layout checks of the editor's open step; empty when both pass.
std::string CheckReceiverFile(sqlite3* db);

class CReadConnection {
public:
    // Opens `path` read-only without checking its layout; false with a reason.
    bool Open(const std::string& path, std::string& error);
    sqlite3* Handle() const { return m_db.Handle(); }

private:
    CReadOnlyDb m_db;
    std::optional<match::CScopedConnection> m_use; // released before m_db closes
};

class CWorkingCopy {
public:
    ~CWorkingCopy();
    // Copies `path`, opens the copy as g_db and checks it; false with a reason.
    bool Open(const std::string& path, std::string& error);
    // Closes g_db and replaces the file with the copy; false with a reason.
    bool Save(std::string& error);

private:
    void Close();

    QTemporaryDir m_dir;
    std::string m_target;
    sqlite3* m_db = nullptr;
    std::optional<match::CScopedConnection> m_use;
    CUserFile m_file; // holds the file's locks until the command ends
};

} // namespace cli
