#include "AtomicFileCopy.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace filecopy {

namespace {

CopyProgressHook g_progressHook = nullptr;

// A file descriptor closed on every path.
class Fd {
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() { Close(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return m_fd; }
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int m_fd;
};

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
    long long total = 0;
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
        total += got;
        if (g_progressHook != nullptr) {
            g_progressHook(total);
        }
    }
}

void SyncFolder(const std::string& folder) {
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY));
    if (dir.Get() >= 0) {
        ::fsync(dir.Get());
    }
}

} // namespace

void SetCopyProgressHook(CopyProgressHook hook) {
    g_progressHook = hook;
}

bool ReplaceWithCopy(const std::string& source, const std::string& target, std::string* error) {
    Fd in(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.Get() < 0) {
        return Fail(error, "cannot read " + source);
    }
    struct stat sourceInfo {};
    if (::fstat(in.Get(), &sourceInfo) != 0) {
        return Fail(error, "cannot read " + source);
    }
    mode_t mode = sourceInfo.st_mode & 0777;
    struct stat targetInfo {};
    if (::stat(target.c_str(), &targetInfo) == 0) {
        mode = targetInfo.st_mode & 07777;
    }

    const std::string folder = FolderOf(target);
    std::string temp = folder + "/.orvane-save-XXXXXX";
    Fd out(::mkostemp(temp.data(), O_CLOEXEC));
    if (out.Get() < 0) {
        return Fail(error, "cannot write into " + folder);
    }
    const bool written = CopyContents(in.Get(), out.Get()) && ::fchmod(out.Get(), mode) == 0 &&
                         ::fsync(out.Get()) == 0 && out.Close();
    if (!written || ::rename(temp.c_str(), target.c_str()) != 0) {
        const int saved = errno;
        ::unlink(temp.c_str());
        errno = saved;
        return Fail(error, "cannot write " + target);
    }
    SyncFolder(folder);
    return true;
}

bool RemoveSqliteSidecars(const std::string& databasePath, std::string* error) {
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        const std::string sidecar = databasePath + suffix;
        if (::unlink(sidecar.c_str()) != 0 && errno != ENOENT) {
            return Fail(error, "cannot remove " + sidecar);
        }
    }
    return true;
}

} // namespace filecopy
