#pragma once
// A receiver file opened only to be read, leaving nothing beside it and needing no
// write access to its folder. SQLite reads the file itself as immutable: it takes no
// lock and makes no -shm or -wal file beside it, even for a file in WAL mode. When a
// rollback journal or WAL stands beside the file, it changes what SQLite reads, so the
// file and those are copied into a private temporary folder and SQLite settles them
// there instead, as is a file whose path is longer than SQLite takes. The connection is
// guarded as every connection on a receiver file is.
#include "userfile/PrivateFolder.h"

#include <sqlite3.h>

#include <string>

class CReadOnlyDb {
public:
    CReadOnlyDb() = default;
    ~CReadOnlyDb();
    CReadOnlyDb(const CReadOnlyDb&) = delete;
    CReadOnlyDb& operator=(const CReadOnlyDb&) = delete;

    // Opens `path` (any bytes, any length the system allows); SQLITE_OK, or SQLite's
    // code with the reason in *error.
    int Open(const std::string& path, std::string* error);
    // Open for the commands that tell the user: false with "PATH: cannot be opened: REASON".
    bool OpenOrSay(const std::string& path, std::string& error);
    sqlite3* Handle() const { return m_db; }
    // Closes the connection and removes the private copy, if one was made.
    void Close();

    // The URI that names `path` to SQLite as a file that nothing changes while it is read.
    static std::string ImmutableUri(const std::string& path);

private:
    sqlite3* m_db = nullptr;
    CPrivateFolder m_folder; // the private copy's, when the file is not read in place
};
