#pragma once
// CUserFile: the user's receiver file as an editor holds it. Open checks that the path
// names a regular file that can be read, takes the editor locks, lets SQLite settle a
// journal or WAL beside the file, makes the working copy, opens it and checks its
// revision and table layout. Save gathers the last changes of the working copy and
// replaces a file with it atomically (see AtomicFileCopy.h). Each step that fails
// stops the sequence and says which one failed in a result code, with a detail text
// (the system's reason) where there is one; the caller turns them into its messages.
// The editor window and orvane-cli run the same steps through this class.
#include "userfile/EditorLock.h"
#include "userfile/PrivateFolder.h"

#include <sqlite3.h>

#include <sys/stat.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CUserFile {
public:
    enum class Result {
        Ok,
        // Open
        NotRegularFile,    // detail: what it is ("a folder", "a named pipe", "a socket", "a device")
        NotFound,          // no such file (or a link that leads nowhere)
        Unreadable,        // the file cannot be opened for reading
        HeldElsewhere,     // another editor holds one of its locks (Save: of the target)
        PlantedLink,       // detail: a lock or working copy name that is a link or no file of this user
        SidecarsUnsettled, // detail: why SQLite could not settle its journal or WAL
        CopyFailed,        // detail: why the working copy could not be made
        OpenFailed,        // SQLite cannot open the working copy
        WrongRevision,     // not a receiver database of this revision
        WrongLayout,       // detail: the first table that differs from the receiver's layout
        // Save
        NoWorkingCopy,        // nothing is open
        TargetIsWorkingCopy,  // the target is the working copy itself
        MidTransaction,       // a change of the working copy is not committed yet
        CheckpointIncomplete, // detail: SQLite's error text; the WAL could not be emptied
        WriteFailed,          // detail: why the target could not be replaced
        ChangedOnDisk,        // the opened file was changed, replaced or removed since it was opened
    };
    struct Outcome {
        Result result = Result::Ok;
        std::string detail;
        bool Ok() const { return result == Result::Ok; }
    };

    // Only the checks of Open's first step: a regular file that can be read.
    static Outcome CheckRegularFile(const std::string& path);
    // The revision and layout checks of Open's last step, on an open connection.
    static Outcome CheckReceiverFile(sqlite3* db);

    // Opens `path` for editing in the working copy `workPath`, opened as *db; when
    // `workPath` is empty or longer than SQLite takes, the working copy is made in a
    // private folder instead (WorkPath() names it), removed again by Close. Once
    // the file is checked, locked and settled, `release` runs (the caller lets go of
    // its previous file there; *db is closed after it) and the working copy is made
    // afresh. A failure before that point changes nothing the caller holds; one after
    // it leaves *db null and this object holding no file.
    Outcome Open(const std::string& path, const std::string& workPath, sqlite3** db,
                 const std::function<void()>& release = {});

    // Replaces `target` with the working copy, whose open connection `db` (or null)
    // first commits its last changes into the file. With `takeTargetLocks`, the
    // target's locks are taken first (refused when another editor holds one) and kept
    // after a successful save, since saves go there from now on. A save over the opened
    // file that another program changed, replaced or removed since is refused with
    // ChangedOnDisk unless `replaceChanged`; after a save the target's state is the one
    // remembered.
    Outcome Save(const std::string& target, sqlite3* db, bool takeTargetLocks, bool replaceChanged = false);

    // Forgets the working copy (removing a private one) and lets go of every lock.
    void Close();
    const std::string& WorkPath() const { return m_workPath; }

    // What a file was when it was opened or saved: a change by another program moves one
    // of these (the hash, of the database's pages the copy read or wrote, catches a
    // rewrite that kept size and time).
    struct FileState {
        bool exists = false;
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        timespec modified{};
        std::uint64_t hash = 0;
        off_t hashed = 0; // how many bytes from the start the hash covers
    };

private:
    // True when `path` is no longer the file m_fileState describes. Reads the hashed
    // bytes only when every other mark still agrees.
    bool ChangedOnDisk(const std::string& path) const;
    // True when the working copy still holds exactly the bytes read from the file.
    bool WorkingCopyUnedited() const;

    // The locks at `lockPaths` this object does not hold yet, taken into `taken`;
    // the refusal as an outcome.
    Outcome TakeMissingLocks(const std::vector<std::string>& lockPaths,
                             std::vector<std::unique_ptr<CEditorLock>>& taken) const;
    // True when `target` names the file that was opened (or last saved).
    bool IsOpenedFile(const std::string& target) const;

    std::string m_workPath;
    std::unique_ptr<CPrivateFolder> m_privateFolder; // holds the working copy when it is not beside the file
    std::string m_filePath;                          // the file opened or last saved, as its path was given
    std::string m_fileResolved;                      // that path with every link resolved
    FileState m_fileState;
    std::vector<std::unique_ptr<CEditorLock>> m_locks;
};
