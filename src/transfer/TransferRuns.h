#pragma once
// The two receiver transfers as steps without a window, shared by the USB Download and
// USB Upload dialogs and the command-line tool: the checks and the announcement made
// before a transfer starts, and the transfer loop itself with its failure messages.
// The loop runs on whichever thread the caller chooses and reports progress through
// a callback; it never touches the database.
#include "ReadBack.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace transfer {

using Progress = std::function<void(uint64_t done, uint64_t total)>;
// Asked between chunks; true stops the loop there. Empty: never stops.
using StopAsked = std::function<bool()>;

// How a transfer loop ended.
struct RunEnd {
    QStringList messages; // to show, in order; none when every byte went
    bool ran = false;     // the loop started (file, pipe and device opened)
    bool complete = false;
    bool stopped = false; // the user stopped it between chunks
    uint64_t bytes = 0;   // bytes moved
};

// Download (PC to receiver), after the user agreed to replace the receiver's database:
// the probe, the file's size and the announcement. Empty on success, else the message.
QString AnnounceDownload(const std::string& nativePath, uint32_t& length);
// Sends `length` bytes of the file to "PIPE03".
RunEnd SendToReceiver(const std::string& nativePath, uint32_t length, const Progress& progress,
                      const StopAsked& stop = {});

// Upload (receiver to PC): the file of the series "db.dat", db1.dat, ... in `folder`
// that is absent or empty, created empty. Empty on success, else the message.
QString ChooseUploadFile(const QString& folder, QString& fullPath, std::string& nativePath);
// The size query and the announcement, after the probe. Empty on success.
QString AnnounceUpload(uint32_t& size);
// Reads `size` bytes from "PIPE02" into the chosen file. A file that does not open
// ends the loop without a message, as the receiver editor does.
RunEnd ReceiveFromReceiver(const std::string& nativePath, uint32_t size, const Progress& progress,
                           const StopAsked& stop = {});

// The whole upload exchange (size query, announcement, loop) into `nativePath`, which
// is created or emptied; a fetch that does not complete removes the file.
RunEnd FetchReceiverDb(const std::string& nativePath, const Progress& progress, const StopAsked& stop = {});

// A download with what surrounds it: a backup of the receiver's database first, the
// announcement and the file, and the read-back. Runs on one thread, the dialog's
// worker or orvane-cli's main thread; the probe comes before, from the caller.
struct DownloadPlan {
    std::string file; // as the file system takes it
    uint32_t length = 0;
    bool backup = true;
    std::string backupFolder;
    bool verify = true;
    // What the steps' times count from: the caller's Start, or when the plan was made.
    std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();
};
struct DownloadReport {
    QStringList messages;         // failures, each followed by what to do next
    bool announced = false;       // the receiver was told to expect the file
    bool sent = false;            // every byte went
    bool stopped = false;         // the user stopped it
    bool mayBeIncomplete = false; // the receiver may now hold part of the file
    std::string backupPath;       // the backup taken, or empty
    std::optional<ReadBackOutcome> readBack;
    QStringList steps; // each step with the time it ended
    QString result;    // the result line of a sent file
};
DownloadReport RunDownload(const DownloadPlan& plan, const Progress& progress, const StopAsked& stop = {});

// "1,234,567"
QString GroupedNumber(uint64_t value);

// The longest path an upload may name, NUL included.
inline constexpr std::size_t kUploadPathLimit = 256;

} // namespace transfer
