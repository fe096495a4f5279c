#pragma once
// The two receiver transfers as steps without a window, shared by the USB Download and
// USB Upload dialogs and the command-line tool: the checks and the announcement made
// before a transfer starts, and the transfer loop itself with its failure messages.
// The loop runs on whichever thread the caller chooses and reports progress through
// a callback; it never touches the database.
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <string>

namespace transfer {

using Progress = std::function<void(uint64_t done, uint64_t total)>;

// How a transfer loop ended.
struct RunEnd {
    QStringList messages; // to show, in order; none when every byte went
    bool ran = false;     // the loop started (file, pipe and device opened)
    bool complete = false;
};

// Download (PC to receiver), after the user agreed to replace the receiver's database:
// the probe, the file's size and the announcement. Empty on success, else the message.
QString AnnounceDownload(const std::string& nativePath, uint32_t& length);
// Sends `length` bytes of the file to "PIPE03".
RunEnd SendToReceiver(const std::string& nativePath, uint32_t length, const Progress& progress);

// Upload (receiver to PC): the file of the series "db.dat", db1.dat, ... in `folder`
// that is absent or empty, created empty. Empty on success, else the message.
QString ChooseUploadFile(const QString& folder, QString& fullPath, std::string& nativePath);
// The size query and the announcement, after the probe. Empty on success.
QString AnnounceUpload(uint32_t& size);
// Reads `size` bytes from "PIPE02" into the chosen file. A file that does not open
// ends the loop without a message, as the receiver editor does.
RunEnd ReceiveFromReceiver(const std::string& nativePath, uint32_t size, const Progress& progress);

// The longest path an upload may name, NUL included.
inline constexpr std::size_t kUploadPathLimit = 256;

} // namespace transfer
