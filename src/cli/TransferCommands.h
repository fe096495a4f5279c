#pragma once
// upload and download: the receiver transfers of the USB Upload and USB Download
// dialogs, with the same steps and messages, a progress bar on a terminal instead of
// the dialog's.
#include "OrvaneCli.h"

#include <string>

namespace cli {

// Fetches the receiver's database into `folder` under the first free name of the series.
int Upload(Streams& io, const std::string& folder);
// Sends `file`, a receiver database, into the receiver.
int Download(Streams& io, const std::string& file);

} // namespace cli
