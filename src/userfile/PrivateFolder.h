#pragma once
// A folder of this user's alone (mode 0700, made afresh under TMPDIR or /tmp) that holds
// one SQLite database file under a short path. SQLite's own file access takes no path
// longer than its limit (its buffers are sized by it), so a file deeper than that is
// read or edited as a copy kept here. The file, what SQLite keeps beside it and the
// folder itself are removed with this object.
#include <string>

class CPrivateFolder {
public:
    CPrivateFolder() = default;
    ~CPrivateFolder();
    CPrivateFolder(const CPrivateFolder&) = delete;
    CPrivateFolder& operator=(const CPrivateFolder&) = delete;

    // Makes a new folder named after `prefix`; false with the system's reason in *error.
    bool Make(const char* prefix, std::string* error);
    // The database file's path in the folder; empty before Make.
    std::string File() const;
    // Removes the file, its journal, WAL and shared-memory files, and the folder.
    void Remove();

    // True when SQLite would refuse `path` (made absolute, as SQLite makes it) or the
    // file a link there names, counting the longest name it gives a file beside it.
    static bool TooLongForSqlite(const std::string& path);

private:
    std::string m_folder;
};
