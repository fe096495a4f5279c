#pragma once
// upload and download: the receiver transfers of the USB Upload and USB Download
// dialogs, with the same steps and messages, a progress bar on a terminal instead of
// the dialog's.
#include "OrvaneCli.h"

#include <string>

namespace cli {

// Fetches the receiver's database into `folder` under the first free name of the series.
int Upload(Streams& io, const std::string& folder);
struct DownloadOptions {
    bool backup = true;       // fetch the receiver's database into backupFolder first
    std::string backupFolder; // empty: the per-user folder the editor uses
    bool verify = true;       // read the receiver's database back and compare
};

// Sends `file`, a receiver database, into the receiver.
int Download(Streams& io, const std::string& file, const DownloadOptions& options);
// Lists the backups of the receiver's database in `folder` (empty: the default), newest first.
int ListReceiverBackups(Streams& io, const std::string& folder);

} // namespace cli
