#include "userfile/EditorLock.h"

#include "userfile/AtomicFileCopy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

std::unique_ptr<CEditorLock> CEditorLock::Take(const std::string& path, Result* result) {
    // The holder removes the file on release; an editor that locked the file just
    // before that holds a removed file, so it checks that it locked the file the name
    // still stands for and otherwise tries again.
    for (int attempt = 0; attempt < 8; ++attempt) {
        // Never through a link: one planted at the lock's name would have the pid
        // written into whatever file it names. A new lock is made only where no name is.
        platform::CUniqueFd fd(::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC));
        if (!fd && errno == ENOENT) {
            fd = platform::CUniqueFd(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
            if (!fd && errno == EEXIST) {
                continue;
            }
        }
        if (!fd) {
            *result = errno == ELOOP ? Result::NotOwnFile : Result::Failed;
            return nullptr;
        }
        struct stat opened {};
        if (::fstat(fd.Get(), &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_uid != ::geteuid()) {
            *result = Result::NotOwnFile;
            return nullptr;
        }
        if (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) {
            const bool busy = errno == EWOULDBLOCK;
            *result = busy ? Result::HeldElsewhere : Result::Failed;
            return nullptr;
        }
        struct stat locked {};
        struct stat named {};
        if (::fstat(fd.Get(), &locked) == 0 && ::lstat(path.c_str(), &named) == 0 && locked.st_ino == named.st_ino &&
            locked.st_dev == named.st_dev) {
            // The holder's process id, for a person who finds the file.
            const std::string pid = std::to_string(::getpid()) + "\n";
            if (::ftruncate(fd.Get(), 0) == 0 && ::write(fd.Get(), pid.data(), pid.size()) < 0) {
                // Only informative; the flock is the lock.
            }
            *result = Result::Taken;
            return std::unique_ptr<CEditorLock>(new CEditorLock(path, std::move(fd)));
        }
    }
    *result = Result::Failed;
    return nullptr;
}

std::vector<std::string> CEditorLock::PathsFor(const std::string& path) {
    std::vector<std::string> paths{path + ".bak.lock"};
    const std::string named = filecopy::FollowLinks(path) + ".bak.lock";
    if (named != paths.front()) {
        paths.push_back(named);
    }
    return paths;
}

CEditorLock::Result CEditorLock::TakeAll(const std::vector<std::string>& paths,
                                         std::vector<std::unique_ptr<CEditorLock>>& taken, std::string* refused) {
    for (const std::string& path : paths) {
        Result result = Result::Failed;
        if (auto lock = Take(path, &result)) {
            taken.push_back(std::move(lock));
        } else if (result == Result::HeldElsewhere || result == Result::NotOwnFile) {
            if (refused != nullptr) {
                *refused = path;
            }
            return result;
        }
    }
    return Result::Taken;
}

bool CEditorLock::IsAt(const std::string& path) const {
    if (path == m_path) {
        return true;
    }
    struct stat named {};
    struct stat held {};
    return ::lstat(path.c_str(), &named) == 0 && ::fstat(m_fd.Get(), &held) == 0 && named.st_dev == held.st_dev &&
           named.st_ino == held.st_ino;
}

CEditorLock::~CEditorLock() {
    ::unlink(m_path.c_str());
}
