#include "DeviceSetup.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace platform {
namespace {

const char* NonEmptyEnv(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

} // namespace

std::string DeviceBaseFolder() {
    if (const char* dir = NonEmptyEnv("KIVRA_DEVICE_DIR")) {
        return dir;
    }
    if (const char* runtime = NonEmptyEnv("XDG_RUNTIME_DIR")) {
        return std::string(runtime) + "/kivra";
    }
    return "/tmp/kivra-" + std::to_string(::getuid());
}

std::string DeviceClassFolder(std::string_view interfaceGuid) {
    return DeviceBaseFolder() + "/" + std::string(interfaceGuid);
}

CDeviceInfoSet::CDeviceInfoSet(std::string_view interfaceGuid) : m_folder(DeviceClassFolder(interfaceGuid)) {
    // A missing folder is a class with no device present.
    std::unique_ptr<DIR, DirCloser> dir(::opendir(m_folder.c_str()));
    if (!dir) {
        return;
    }
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") {
            m_names.push_back(name);
        }
    }
    std::sort(m_names.begin(), m_names.end());
}

EnumResult EnumDeviceInterface(const CDeviceInfoSet& set, std::size_t index, DeviceInterfaceData& data) {
    if (index >= set.EntryCount()) {
        return EnumResult::NoMoreItems;
    }
    struct stat info {};
    const std::string path = set.Folder() + "/" + set.EntryName(index);
    if (::lstat(path.c_str(), &info) != 0 || !S_ISSOCK(info.st_mode)) {
        return EnumResult::Failed;
    }
    data.index = index;
    return EnumResult::Ok;
}

std::string DeviceInterfacePath(const CDeviceInfoSet& set, const DeviceInterfaceData& data) {
    return set.Folder() + "/" + set.EntryName(data.index);
}

} // namespace platform
