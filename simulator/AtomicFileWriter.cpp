#include "AtomicFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

bool CAtomicFileWriter::Open(const std::string& target) {
    Discard();
    std::vector<char> name(target.begin(), target.end());
    const std::string suffix = ".incoming-XXXXXX";
    name.insert(name.end(), suffix.begin(), suffix.end());
    name.push_back('\0');
    m_file.Reset(::mkostemp(name.data(), O_CLOEXEC));
    if (!m_file) {
        return false;
    }
    m_target = target;
    m_tempPath = name.data();
    return true;
}

bool CAtomicFileWriter::Write(std::span<const uint8_t> data) {
    while (!data.empty()) {
        const ssize_t n = ::write(m_file.Get(), data.data(), data.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        data = data.subspan(static_cast<std::size_t>(n));
    }
    return true;
}

bool CAtomicFileWriter::Commit() {
    if (!m_file || ::fsync(m_file.Get()) != 0) {
        return false;
    }
    // Keep the file's mode usual for a database rather than mkstemp's 0600.
    ::fchmod(m_file.Get(), 0644);
    m_file.Reset();
    if (::rename(m_tempPath.c_str(), m_target.c_str()) != 0) {
        ::unlink(m_tempPath.c_str());
        m_tempPath.clear();
        return false;
    }
    m_tempPath.clear();
    // The rename itself must reach the disk before the install counts as done.
    platform::CUniqueFd folder(::open(FolderOf(m_target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder) {
        ::fsync(folder.Get());
    }
    return true;
}

void CAtomicFileWriter::Discard() {
    m_file.Reset();
    if (!m_tempPath.empty()) {
        ::unlink(m_tempPath.c_str());
        m_tempPath.clear();
    }
}
