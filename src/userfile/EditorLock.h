#pragma once
// CEditorLock: the one-editor-per-file lock, a file beside the working copy that an
// editor holds while it edits (an exclusive flock on it). The kernel drops the lock
// when its process ends, however it ends, so the lock of an editor that died is free
// to take at once; a live holder is never mistaken for a dead one.
#include "usblib/platform/UniqueFd.h"

#include <memory>
#include <string>
#include <vector>

class CEditorLock {
public:
    enum class Result { Taken, HeldElsewhere, Failed, NotOwnFile };

    // Takes the lock at `path`, creating the file; *result says why it returned null.
    static std::unique_ptr<CEditorLock> Take(const std::string& path, Result* result);
    // The locks an editor of the database `path` holds: beside its working copy and,
    // when `path` is a link, beside the file the link names. Two links to one file from
    // different folders have different working copies; the second lock makes them one.
    static std::vector<std::string> PathsFor(const std::string& path);
    // Takes the locks at `paths` into `taken`. HeldElsewhere as soon as another editor
    // holds one, NotOwnFile (its path in *refused) when one is a link or anything but a
    // regular file of this user; a lock that cannot even be made (a read-only folder) is
    // passed over, leaving the refusal to the write that would follow.
    static Result TakeAll(const std::vector<std::string>& paths, std::vector<std::unique_ptr<CEditorLock>>& taken,
                          std::string* refused = nullptr);
    ~CEditorLock();
    CEditorLock(const CEditorLock&) = delete;
    CEditorLock& operator=(const CEditorLock&) = delete;

    const std::string& Path() const { return m_path; }
    // Whether `path` names this lock's file, however it is spelled ("dir/./a.dat.bak.lock").
    bool IsAt(const std::string& path) const;

private:
    CEditorLock(std::string path, platform::CUniqueFd fd) : m_path(std::move(path)), m_fd(std::move(fd)) {}
    std::string m_path;
    platform::CUniqueFd m_fd; // closed after the file is removed
};
