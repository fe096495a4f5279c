#pragma once
// Copies of the receiver's database taken before a download replaces it, kept in a
// per-user folder under dated names ("receiver-20261209-013501.dat"), newest last by
// name; only the newest kKeptBackups stay. Plain C++: the dialogs and orvane-cli share it.
#include <cstdint>
#include <string>
#include <vector>

namespace transfer {

inline constexpr std::size_t kKeptBackups = 10;

struct ReceiverBackup {
    std::string path;
    std::string date; // "2026-12-09 01:35:01", from the name
    uint64_t size = 0;
    int channels = -1; // rows of ChannelInfo; -1 when the file does not say
};

// $XDG_DATA_HOME/orvane/receiver-backups, with $HOME/.local/share when XDG_DATA_HOME is unset.
std::string DefaultBackupFolder();
// A path for a new backup in `folder` (created, private), named after the current time;
// empty with `error` set when the folder cannot be made.
std::string NewBackupPath(const std::string& folder, std::string& error);
// The backups in `folder`, newest first.
std::vector<ReceiverBackup> ListBackups(const std::string& folder);
// Removes all but the newest `keep` backups.
void PruneBackups(const std::string& folder, std::size_t keep = kKeptBackups);

} // namespace transfer
