#include "DeviceSetup.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
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

std::string DeviceFolderProblem(const std::string& baseFolder, std::string_view interfaceGuid) {
    for (const std::string& folder : {baseFolder, baseFolder + "/" + std::string(interfaceGuid)}) {
        struct stat info {};
        if (::stat(folder.c_str(), &info) != 0) {
            return errno == ENOENT ? std::string()
                                   : "The receiver's device folder " + folder + " cannot be examined (" +
                                         std::strerror(errno) + "), so it is not used.";
        }
        if (!S_ISDIR(info.st_mode)) {
            return "The receiver's device folder " + folder + " is not a folder, so it is not used.";
        }
        if (info.st_uid != ::geteuid()) {
            return "The receiver's device folder " + folder + " belongs to another user, so it is not used.";
        }
        if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
            return "The receiver's device folder " + folder + " can be written by other users, so it is not used.";
        }
    }
    return {};
}

bool MakeDeviceClassFolder(const std::string& baseFolder, std::string_view interfaceGuid, std::string& error) {
    // The folders above the base are the system's or the user's and keep their rights.
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(baseFolder).parent_path(), ec);
    for (const std::string& folder : {baseFolder, baseFolder + "/" + std::string(interfaceGuid)}) {
        if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
            error = "cannot create " + folder + ": " + std::strerror(errno);
            return false;
        }
    }
    error = DeviceFolderProblem(baseFolder, interfaceGuid);
    return error.empty();
}

CDeviceInfoSet::CDeviceInfoSet(std::string_view interfaceGuid) : m_folder(DeviceClassFolder(interfaceGuid)) {
    if (const std::string problem = DeviceFolderProblem(DeviceBaseFolder(), interfaceGuid); !problem.empty()) {
        static std::atomic<bool> told{false};
        if (!told.exchange(true)) {
            std::fprintf(stderr, "%s\n", problem.c_str());
        }
        return;
    }
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
