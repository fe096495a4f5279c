#include "userfile/PrivateFolder.h"

#include "userfile/AtomicFileCopy.h"
#include "userfile/SqliteSidecars.h"

#include <sqlite3.h>

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

CPrivateFolder::~CPrivateFolder() {
    Remove();
}

bool CPrivateFolder::Make(const char* prefix, std::string* error) {
    Remove();
    const char* tmp = std::getenv("TMPDIR");
    std::string folder = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/" + prefix + "-XXXXXX";
    if (::mkdtemp(folder.data()) == nullptr) {
        if (error != nullptr) {
            *error = std::strerror(errno);
        }
        return false;
    }
    m_folder = folder;
    return true;
}

std::string CPrivateFolder::File() const {
    return m_folder.empty() ? std::string() : m_folder + "/db";
}

void CPrivateFolder::Remove() {
    if (m_folder.empty()) {
        return;
    }
    const std::string file = File();
    std::string ignored;
    filecopy::RemoveSqliteSidecars(file, &ignored);
    ::unlink(file.c_str());
    ::rmdir(m_folder.c_str());
    m_folder.clear();
}

bool CPrivateFolder::TooLongForSqlite(const std::string& path) {
    const auto tooLong = [](const std::string& name) {
        return name.size() + sizeof("-journal") > static_cast<size_t>(sqlite3_vfs_find(nullptr)->mxPathname);
    };
    std::string absolute = path;
    if (path.empty() || path.front() != '/') {
        char cwd[PATH_MAX];
        absolute = (::getcwd(cwd, sizeof cwd) != nullptr ? std::string(cwd) : std::string(PATH_MAX, '?')) + "/" + path;
    }
    return tooLong(absolute) || tooLong(filecopy::FollowLinks(absolute));
}
