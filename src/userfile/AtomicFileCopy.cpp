#include "userfile/AtomicFileCopy.h"

#include "usblib/platform/UniqueFd.h"
#include "userfile/SqliteSidecars.h"

#include <algorithm>
#include <array>
#include <cerrno>
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

int SystemOpen(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
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
        const ssize_t written = Calls().write(fd, data, size);
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

std::uint64_t HashBytes(const unsigned char* data, size_t size, std::uint64_t hash) {
    for (size_t i = 0; i < size; ++i) {
        hash = (hash ^ data[i]) * 1099511628211ULL;
    }
    return hash;
}

// Copies `from` into `to` from where each stands, hashing on the way; with
// `databasePages`, only the pages the database's header counts.
bool CopyContents(int from, int to, bool databasePages, CopyInfo& info) {
    std::vector<unsigned char> block(1 << 16);
    info.hash = kHashStart;
    off_t limit = -1;
    for (;;) {
        size_t wanted = block.size();
        if (limit >= 0) {
            if (info.bytes >= limit) {
                return true;
            }
            wanted = std::min(wanted, static_cast<size_t>(limit - info.bytes));
        }
        ssize_t got = Calls().read(from, block.data(), wanted);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (got == 0) {
            return true;
        }
        if (databasePages && info.bytes == 0) {
            limit = DatabaseBytes(block.data(), static_cast<size_t>(got));
            got = limit >= 0 ? std::min(got, static_cast<ssize_t>(limit)) : got;
        }
        info.hash = HashBytes(block.data(), static_cast<size_t>(got), info.hash);
        if (!WriteAll(to, reinterpret_cast<const char*>(block.data()), static_cast<size_t>(got))) {
            return false;
        }
        info.bytes += got;
    }
}

bool Flush(int fd) {
    return !Injected(Step::Flush) && Calls().fsync(fd) == 0;
}

// Makes the rename itself durable: until the folder is flushed, a power cut may bring
// back the old name.
bool SyncFolder(const std::string& folder) {
    if (Injected(Step::DirSync)) {
        return false;
    }
    CUniqueFd dir(Calls().open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0));
    return dir.Get() >= 0 && Calls().fsync(dir.Get()) == 0;
}

} // namespace

const SystemCalls& SystemDefaults() {
    static const SystemCalls calls{&SystemOpen, &::mkostemp, &::read, &::write, &::fsync, &::rename};
    return calls;
}

SystemCalls& Calls() {
    static SystemCalls calls = SystemDefaults();
    return calls;
}

std::uint64_t HashFile(int fd, off_t limit, std::uint64_t hash) {
    std::vector<unsigned char> block(1 << 16);
    for (off_t at = 0; at < limit;) {
        const ssize_t got =
            ::pread(fd, block.data(), static_cast<size_t>(std::min<off_t>(limit - at, off_t(block.size()))), at);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        hash = HashBytes(block.data(), static_cast<size_t>(got), hash);
        at += got;
    }
    return hash;
}

off_t DatabaseBytes(const unsigned char* header, size_t size) {
    const auto number = [header](size_t at, size_t bytes) {
        off_t value = 0;
        for (size_t i = 0; i < bytes; ++i) {
            value = value * 256 + header[at + i];
        }
        return value;
    };
    if (size < 100 || std::memcmp(header, "SQLite format 3", 16) != 0) {
        return -1;
    }
    const off_t pageSize = number(16, 2) == 1 ? 65536 : number(16, 2);
    const off_t pages = number(28, 4);
    // The count is only kept by versions that also copy the change counter at 24 to 92.
    if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0 || pages == 0 || number(24, 4) != number(92, 4)) {
        return -1;
    }
    return pageSize * pages;
}

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
        // As long as the link's text, which the system limits but this need not know.
        std::string link(256, '\0');
        ssize_t length = 0;
        while ((length = ::readlink(current.c_str(), link.data(), link.size())) == static_cast<ssize_t>(link.size())) {
            link.resize(link.size() * 2);
        }
        if (length < 0) {
            return current;
        }
        link.resize(static_cast<size_t>(length));
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

bool ReplaceWithCopy(const std::string& source, const std::string& linkOrTarget, std::string* error, int ownFiles,
                     CopyInfo* info) {
    CopyInfo copied;
    const bool ownTarget = (ownFiles & kOwnTarget) != 0;
    const std::string target = ownTarget ? linkOrTarget : FollowLinks(linkOrTarget);
    CUniqueFd in(
        Calls().open(source.c_str(), O_RDONLY | O_CLOEXEC | ((ownFiles & kOwnSource) != 0 ? O_NOFOLLOW : 0), 0));
    if (in.Get() < 0) {
        return Fail(error, "cannot read " + source);
    }
    if (::fstat(in.Get(), &copied.source) != 0) {
        return Fail(error, "cannot read " + source);
    }
    mode_t mode = copied.source.st_mode & 0777;
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
    CUniqueFd out(Injected(Step::Open) ? -1 : Calls().mkostemp(temp.data(), O_CLOEXEC));
    if (out.Get() < 0) {
        return Fail(error, "cannot write into " + folder);
    }
    const bool written = CopyContents(in.Get(), out.Get(), (ownFiles & kDatabasePages) != 0, copied) &&
                         ::fchmod(out.Get(), mode) == 0 && Flush(out.Get()) &&
                         ::fstat(out.Get(), &copied.written) == 0 && out.Close();
    // A journal or WAL beside the old file is settled while the old file is still in
    // place: rolled back into it by SQLite, then removed. Renamed first, it would be
    // applied to the new contents.
    std::string sidecarError;
    const bool settled = written && ResolveSqliteSidecars(target, &sidecarError);
    if (!settled || Injected(Step::Rename) || Calls().rename(temp.c_str(), target.c_str()) != 0) {
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
    if (info != nullptr) {
        *info = copied;
    }
    return true;
}

} // namespace filecopy
