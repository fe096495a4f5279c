#include "TransferCommands.h"

#include "WorkingCopy.h"
#include "transfer/ReceiverBackups.h"
#include "transfer/SendCheck.h"
#include "transfer/TransferRuns.h"
#include "transfer/TransferSteps.h"
#include "usblib/Kivra.h"

#include <QFile>

namespace cli {

namespace {

constexpr int kBarWidth = 40;

// Redraws one terminal line when the percentage changes; silent off a terminal.
class CTerminalProgress {
public:
    explicit CTerminalProgress(Streams& io) : m_io(io) {}
    ~CTerminalProgress() {
        if (m_drawn) {
            m_io.err << "\n";
        }
    }
    void operator()(uint64_t done, uint64_t total) {
        const int percent = total == 0 ? 100 : static_cast<int>(done * 100 / total);
        if (!m_io.errIsTerminal || percent == m_percent) {
            return;
        }
        m_percent = percent;
        m_drawn = true;
        const int filled = percent * kBarWidth / 100;
        m_io.err << "\r[" << std::string(static_cast<size_t>(filled), '#')
                 << std::string(static_cast<size_t>(kBarWidth - filled), ' ') << "] " << percent << "% " << done << "/"
                 << total << " bytes" << std::flush;
    }

private:
    Streams& m_io;
    int m_percent = -1;
    bool m_drawn = false;
};

int Report(Streams& io, const QStringList& messages) {
    for (const QString& message : messages) {
        io.err << "orvane-cli: " << message.toStdString() << "\n";
    }
    return messages.isEmpty() ? kExitOk : kExitFailed;
}

int Report(Streams& io, const QString& message) {
    return Report(io, QStringList{message});
}

} // namespace

int Upload(Streams& io, const std::string& folder) {
    if (GetFirmVer() == 0) {
        return Report(io, transfer::NotConnectedMessage());
    }
    QString fullPath;
    std::string nativePath;
    if (const QString failure = transfer::ChooseUploadFile(QFile::decodeName(folder.c_str()), fullPath, nativePath);
        !failure.isEmpty()) {
        return Report(io, failure);
    }
    // A stop from here on leaves the chosen file on disk, empty, as the dialog does.
    uint32_t size = 0;
    if (const QString failure = transfer::AnnounceUpload(size); !failure.isEmpty()) {
        return Report(io, failure);
    }
    transfer::RunEnd end;
    {
        CTerminalProgress progress(io);
        end = transfer::ReceiveFromReceiver(nativePath, size, std::ref(progress));
    }
    if (!end.ran && end.messages.isEmpty()) {
        // The dialog stays silent here; a script must still learn that nothing came.
        end.messages << QStringLiteral("%1 could not be opened for writing.").arg(fullPath);
    }
    if (Report(io, end.messages) != kExitOk) {
        return kExitFailed;
    }
    io.out << nativePath << "\n";
    return kExitOk;
}

int Download(Streams& io, const std::string& file, const DownloadOptions& options) {
    // The receiver replaces its own database with whatever it is sent, so only a file
    // that passes `check` is sent.
    {
        CReadConnection connection;
        std::string error;
        if (!connection.Open(file, error)) {
            return Report(io, QString::fromStdString(error));
        }
        if (const std::vector<std::string> problems = transfer::ReceiverDbProblems(connection.Handle());
            !problems.empty()) {
            return Report(io, QString::fromStdString(file + ": " + problems.front() + "; it is not sent"));
        }
    }
    if (GetFirmVer() == 0) {
        return Report(io, transfer::NotConnectedMessage());
    }
    const std::optional<uint32_t> length = transfer::FileSize(file);
    if (!length) {
        return Report(io, QStringLiteral("File Opened failed!"));
    }
    const transfer::DownloadPlan plan{
        file, *length, options.backup,
        options.backupFolder.empty() ? transfer::DefaultBackupFolder() : options.backupFolder, options.verify};
    transfer::DownloadReport report;
    {
        CTerminalProgress progress(io);
        report = transfer::RunDownload(plan, std::ref(progress));
    }
    for (const QString& step : report.steps) {
        io.err << step.toStdString() << "\n";
    }
    if (Report(io, report.messages) != kExitOk) {
        return kExitFailed;
    }
    io.err << file << ": " << report.result.toStdString() << "\n";
    return kExitOk;
}

int ListReceiverBackups(Streams& io, const std::string& folder) {
    const std::string from = folder.empty() ? transfer::DefaultBackupFolder() : folder;
    for (const transfer::ReceiverBackup& backup : transfer::ListBackups(from)) {
        io.out << backup.date << "  " << transfer::GroupedNumber(backup.size).toStdString() << " bytes  "
               << (backup.channels >= 0 ? std::to_string(backup.channels) : std::string("?")) << " channels  "
               << backup.path << "\n";
    }
    return kExitOk;
}

} // namespace cli
