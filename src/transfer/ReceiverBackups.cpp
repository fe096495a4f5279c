#include "ReceiverBackups.h"

#include "db/DbStatement.h"
#include "db/ReceiverConnection.h"
#include "userfile/ReadOnlyDb.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace transfer {

namespace {

namespace fs = std::filesystem;

constexpr const char* kPrefix = "receiver-";
constexpr const char* kSuffix = ".dat";

// "receiver-YYYYMMDD-HHMMSS[-N].dat"
bool IsBackupName(const std::string& name) {
    return name.size() >= 28 && name.rfind(kPrefix, 0) == 0 && name.ends_with(kSuffix) &&
           std::all_of(name.begin() + 9, name.begin() + 17, ::isdigit) && name[17] == '-' &&
           std::all_of(name.begin() + 18, name.begin() + 24, ::isdigit);
}

int CountChannels(const std::string& path) {
    CReadOnlyDb db;
    dbutil::PreparedStatement statement;
    if (db.Open(path, nullptr) == SQLITE_OK &&
        dbutil::Prepare(db.Handle(), "SELECT count(*) FROM ChannelInfo", statement) == SQLITE_OK &&
        sqlite3_step(statement.get()) == SQLITE_ROW) {
        return sqlite3_column_int(statement.get(), 0);
    }
    return -1;
}

std::vector<std::string> BackupNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (IsBackupName(name) && entry.is_regular_file(ec)) {
            names.push_back(name);
        }
    }
    // By date, newest first; a later backup of the same second carries "-N".
    const auto key = [](const std::string& name) {
        const std::string rest = name.substr(24, name.size() - 28);
        return std::make_pair(name.substr(0, 24), rest.empty() ? 1L : std::strtol(rest.c_str() + 1, nullptr, 10));
    };
    std::sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) { return key(a) > key(b); });
    return names;
}

} // namespace

std::string DefaultBackupFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    std::string base = data != nullptr && *data == '/' ? data : "";
    if (base.empty()) {
        const char* home = std::getenv("HOME");
        base = std::string(home != nullptr ? home : "") + "/.local/share";
    }
    return base + "/orvane/receiver-backups";
}

std::string NewBackupPath(const std::string& folder, std::string& error) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec || !fs::is_directory(folder)) {
        error = "The backup folder " + folder + " cannot be made: " + (ec ? ec.message() : "not a folder");
        return {};
    }
    // The receiver's list is the user's own: others do not read it.
    ::chmod(folder.c_str(), 0700);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    std::string path = folder + "/" + kPrefix + stamp + kSuffix;
    for (int n = 2; fs::exists(path, ec); ++n) {
        path = folder + "/" + kPrefix + stamp + "-" + std::to_string(n) + kSuffix;
    }
    return path;
}

std::vector<ReceiverBackup> ListBackups(const std::string& folder) {
    std::vector<ReceiverBackup> backups;
    for (const std::string& name : BackupNames(folder)) {
        ReceiverBackup backup;
        backup.path = folder + "/" + name;
        backup.date = name.substr(9, 4) + "-" + name.substr(13, 2) + "-" + name.substr(15, 2) + " " +
                      name.substr(18, 2) + ":" + name.substr(20, 2) + ":" + name.substr(22, 2);
        std::error_code ec;
        backup.size = fs::file_size(backup.path, ec);
        backup.channels = CountChannels(backup.path);
        backups.push_back(std::move(backup));
    }
    return backups;
}

void PruneBackups(const std::string& folder, std::size_t keep) {
    const std::vector<std::string> names = BackupNames(folder);
    for (std::size_t i = keep; i < names.size(); ++i) {
        std::error_code ec;
        fs::remove(folder + "/" + names[i], ec);
    }
}

} // namespace transfer
