#include "userfile/AtomicFileCopy.h"

#include "usblib/platform/UniqueFd.h"
#include "userfile/SqliteSidecars.h"

#include <array>
#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace filecopy {

namespace {

using platform::CUniqueFd;

// ---- the seam -------------------------------------------------------------------

struct StepSeam {
    std::array<int, kStepCount> calls{};
    std::array<int, kStepCount> failAt{};
    std::array<int, kStepCount> failErrno{};
    StepHook hook = nullptr;
};

StepSeam& Seam() {
    static StepSeam seam;
    return seam;
}

// Counts a call of `step`; true (with errno set) when the test wants it to fail.
bool Injected(Step step) {
    StepSeam& seam = Seam();
    const auto index = static_cast<std::size_t>(step);
    const int call = ++seam.calls[index];
    if (seam.hook != nullptr) {
        seam.hook(step, call);
    }
    if (seam.failAt[index] == call) {
        errno = seam.failErrno[index];
        return true;
    }
    return false;
}

// ---- plumbing -------------------------------------------------------------------

bool Fail(std::string* error, const std::string& what) {
    if (error != nullptr) {
        *error = what + ": " + std::strerror(errno);
    }
    return false;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        if (Injected(Step::Write)) {
            return false;
        }
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

bool CopyContents(int from, int to) {
    std::vector<char> block(1 << 16);
    for (;;) {
        const ssize_t got = ::read(from, block.data(), block.size());
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (got == 0) {
            return true;
        }
        if (!WriteAll(to, block.data(), static_cast<size_t>(got))) {
            return false;
        }
    }
}

bool Flush(int fd) {
    return !Injected(Step::Flush) && ::fsync(fd) == 0;
}

// Makes the rename itself durable: until the folder is flushed, a power cut may bring
// back the old name.
bool SyncFolder(const std::string& folder) {
    if (Injected(Step::DirSync)) {
        return false;
    }
    CUniqueFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return dir.Get() >= 0 && ::fsync(dir.Get()) == 0;
}

} // namespace

void FailStep(Step step, int nthCall, int errorNumber) {
    Seam().failAt[static_cast<std::size_t>(step)] = nthCall;
    Seam().failErrno[static_cast<std::size_t>(step)] = errorNumber;
}

int StepCalls(Step step) {
    return Seam().calls[static_cast<std::size_t>(step)];
}

void ResetSteps() {
    const StepHook hook = Seam().hook;
    Seam() = StepSeam{};
    Seam().hook = hook;
}

void SetStepHook(StepHook hook) {
    Seam().hook = hook;
}

std::string FollowLinks(const std::string& path) {
    std::string current = path;
    // As many hops as the kernel allows before it reports a loop.
    for (int hop = 0; hop < 40; ++hop) {
        std::array<char, PATH_MAX> buffer{};
        const ssize_t length = ::readlink(current.c_str(), buffer.data(), buffer.size() - 1);
        if (length < 0) {
            return current;
        }
        const std::string link(buffer.data(), static_cast<size_t>(length));
        current = link.front() == '/' ? link : FolderOf(current) + "/" + link;
    }
    return current;
}

bool IsReadOnlyFile(const std::string& path) {
    const std::string file = FollowLinks(path);
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) {
        return false;
    }
    return ::access(file.c_str(), W_OK) != 0 || (info.st_mode & 0222) == 0;
}

bool ReplaceWithCopy(const std::string& source, const std::string& linkOrTarget, std::string* error, int ownFiles) {
    const bool ownTarget = (ownFiles & kOwnTarget) != 0;
    const std::string target = ownTarget ? linkOrTarget : FollowLinks(linkOrTarget);
    CUniqueFd in(::open(source.c_str(), O_RDONLY | O_CLOEXEC | ((ownFiles & kOwnSource) != 0 ? O_NOFOLLOW : 0)));
    if (in.Get() < 0) {
        return Fail(error, "cannot read " + source);
    }
    struct stat sourceInfo {};
    if (::fstat(in.Get(), &sourceInfo) != 0) {
        return Fail(error, "cannot read " + source);
    }
    mode_t mode = sourceInfo.st_mode & 0777;
    struct stat targetInfo {};
    if ((ownTarget ? ::lstat(target.c_str(), &targetInfo) : ::stat(target.c_str(), &targetInfo)) == 0) {
        if (ownTarget && S_ISLNK(targetInfo.st_mode)) {
            errno = ELOOP;
            return Fail(error, target + " is a link");
        }
        if (IsReadOnlyFile(target)) {
            errno = EACCES;
            return Fail(error, target + " is read-only");
        }
        mode = targetInfo.st_mode & 07777;
    }

    const std::string folder = FolderOf(target);
    std::string temp = folder + "/.orvane-save-XXXXXX";
    CUniqueFd out(Injected(Step::Open) ? -1 : ::mkostemp(temp.data(), O_CLOEXEC));
    if (out.Get() < 0) {
        return Fail(error, "cannot write into " + folder);
    }
    const bool written =
        CopyContents(in.Get(), out.Get()) && ::fchmod(out.Get(), mode) == 0 && Flush(out.Get()) && out.Close();
    // A journal or WAL beside the old file is settled while the old file is still in
    // place: rolled back into it by SQLite, then removed. Renamed first, it would be
    // applied to the new contents.
    std::string sidecarError;
    const bool settled = written && ResolveSqliteSidecars(target, &sidecarError);
    if (!settled || Injected(Step::Rename) || ::rename(temp.c_str(), target.c_str()) != 0) {
        const int saved = errno;
        ::unlink(temp.c_str());
        errno = saved;
        if (written && !settled) {
            if (error != nullptr) {
                *error = sidecarError;
            }
            return false;
        }
        return Fail(error, "cannot write " + target);
    }
    if (!SyncFolder(folder)) {
        return Fail(error, "the new " + target + " may not survive a power cut, its folder could not be flushed");
    }
    return true;
}

} // namespace filecopy
