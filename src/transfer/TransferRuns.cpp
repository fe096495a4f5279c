#include "TransferRuns.h"

#include "TransferSteps.h"
#include "UsbDevice.h"
#include "usblib/Kivra.h"

#include "ReceiverBackups.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <span>

namespace transfer {

namespace {

// The receiver files every database it is sent under this name, whatever the PC calls it.
constexpr const char* kDownloadHeaderName = "edit_db.dat";
// The receiver is asked for its database under this name, whatever the PC calls the file.
constexpr const char* kUploadHeaderName = "db.dat";

const char* const kFileOpenFailed = QT_TRANSLATE_NOOP("TransferRuns", "File Opened failed!");

// A pipe read that succeeds with no bytes is retried this often before it counts as a
// failed read, so a receiver that sends nothing cannot hold the worker for ever.
constexpr int kMaxEmptyReads = 3;

ssize_t ReadSome(int fd, uint8_t* buffer, std::size_t size) {
    ssize_t n;
    do {
        n = ::read(fd, buffer, size);
    } while (n < 0 && errno == EINTR);
    return n;
}

bool WriteAll(int fd, const uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Writes the file to "PIPE03", one chunk request ahead of each chunk. Returns the
// messages of a failure, none when every byte went.
QStringList SendFile(int file, uint32_t length, const CDeviceHandle& device, const CDeviceHandle& pipe,
                     const Progress& progress, const StopAsked& stop, uint64_t& position, bool& stopped) {
    std::array<uint8_t, kMaxChunkLength> buffer;
    // Never more than announced: the receiver refuses bytes beyond the announced size.
    while (position < length) {
        if (stop && stop()) {
            stopped = true;
            return {QCoreApplication::translate("TransferRuns", "The download was stopped after %1 of %2 bytes.")
                        .arg(GroupedNumber(position), GroupedNumber(length))};
        }
        const std::size_t wanted = std::min<uint64_t>(length - position, buffer.size());
        const ssize_t count = ReadSome(file, buffer.data(), wanted);
        if (count <= 0) {
            return {QCoreApplication::translate("TransferRuns",
                                                "Reading the file failed! The DB file was not sent completely.")};
        }
        const auto chunk = static_cast<uint16_t>(count);
        if (!SendChunkRequest(device, kRequestChunkToReceiver, chunk)) {
            return {QCoreApplication::translate("TransferRuns", "Requesting data transfer on PIPE03 failed!")};
        }
        uint32_t written = 0;
        if (!platform::WritePipe(pipe, {buffer.data(), chunk}, written) || written != chunk) {
            RecoverPipe(pipe);
            return {QCoreApplication::translate("TransferRuns", "Writing PIPE03 failed!")};
        }
        position += chunk;
        progress(position, length);
    }
    return {};
}

// One pipe read of up to `buffer.size()` bytes, retried while it brings none.
bool ReadChunk(const CDeviceHandle& pipe, std::span<uint8_t> buffer, uint32_t& read) {
    for (int attempt = 0; attempt < kMaxEmptyReads; ++attempt) {
        if (!platform::ReadPipe(pipe, buffer, read)) {
            return false;
        }
        if (read > 0) {
            return true;
        }
    }
    return false;
}

struct Received {
    QStringList messages; // of the failure that stopped the loop; none when complete
    uint64_t bytes = 0;
    bool stopped = false;
};

// Reads `size` bytes from "PIPE02" into the file, one chunk request ahead of each chunk.
Received ReceiveFile(int file, uint32_t size, const QString& path, const CDeviceHandle& device,
                     const CDeviceHandle& pipe, const Progress& progress, const StopAsked& stop) {
    std::array<uint8_t, kMaxChunkLength> buffer;
    Received received;
    while (received.bytes < size) {
        if (stop && stop()) {
            received.stopped = true;
            received.messages << QCoreApplication::translate("TransferRuns",
                                                             "The upload was stopped after %1 of %2 bytes.")
                                     .arg(GroupedNumber(received.bytes), GroupedNumber(size));
            return received;
        }
        const auto chunk = static_cast<uint16_t>(std::min<uint64_t>(size - received.bytes, buffer.size()));
        if (!SendChunkRequest(device, kRequestChunkFromReceiver, chunk)) {
            received.messages << QCoreApplication::translate("TransferRuns",
                                                             "Requesting data transfer on PIPE02 failed!");
            return received;
        }
        uint32_t read = 0;
        if (!ReadChunk(pipe, {buffer.data(), chunk}, read)) {
            RecoverPipe(pipe);
            received.messages << QCoreApplication::translate("TransferRuns", "Reading PIPE02 failed!");
            return received;
        }
        // A file that does not take the bytes is no copy of the receiver's database.
        if (!WriteAll(file, buffer.data(), read)) {
            received.messages << QCoreApplication::translate("TransferRuns", "Writing %1 failed!").arg(path);
            return received;
        }
        received.bytes += read;
        progress(received.bytes, size);
    }
    return received;
}

} // namespace

QString AnnounceDownload(const std::string& nativePath, uint32_t& length) {
    if (GetFirmVer() == 0) {
        return NotConnectedMessage();
    }
    const std::optional<uint32_t> size = FileSize(nativePath);
    if (!size) {
        return QCoreApplication::translate("TransferRuns", kFileOpenFailed);
    }
    length = *size;
    if (!Announce(kRequestAnnounceDownload, kDownloadHeaderName, length)) {
        return NotConnectedMessage();
    }
    return {};
}

RunEnd SendToReceiver(const std::string& nativePath, uint32_t length, const Progress& progress, const StopAsked& stop) {
    RunEnd end;
    const platform::CUniqueFd file = OpenForReading(nativePath);
    if (!file) {
        end.messages << QCoreApplication::translate("TransferRuns", kFileOpenFailed);
    } else if (const CDeviceHandle pipe = OpenDevicePipe(kPipeToReceiver); !pipe) {
        end.messages << QCoreApplication::translate("TransferRuns", "Open driver failed! Can't write to PIPE03.");
    } else if (const CDeviceHandle device = OpenUsbDevice(); !device) {
        end.messages << QCoreApplication::translate("TransferRuns",
                                                    "Open device handle failed! Can't write to PIPE03.");
    } else {
        end.messages = SendFile(file.Get(), length, device, pipe, progress, stop, end.bytes, end.stopped);
        end.ran = true;
        end.complete = end.messages.isEmpty();
    }
    return end;
}

QString ChooseUploadFile(const QString& folder, QString& fullPath, std::string& nativePath) {
    const QDir dir(folder);
    for (int n = 0;; ++n) {
        const QString name = n == 0 ? QStringLiteral("db.dat") : QString::asprintf("db%d.dat", n);
        const QString candidate = dir.filePath(name);
        std::string native = Native(candidate);
        // Refused rather than cut: the caller's buffer takes the path whole or not at all.
        if (native.size() >= kUploadPathLimit) {
            return QCoreApplication::translate("TransferRuns",
                                               "The path %1 is too long; it must be shorter than %2 bytes.")
                .arg(candidate)
                .arg(kUploadPathLimit);
        }
        // Created when absent; an existing file keeps its content, so a full one is skipped.
        const platform::CUniqueFd file(::open(native.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
        struct stat info {};
        if (!file || ::fstat(file.Get(), &info) != 0) {
            return QCoreApplication::translate("TransferRuns", "Can't open file.");
        }
        if (info.st_size == 0) {
            fullPath = candidate;
            nativePath = std::move(native);
            return {};
        }
    }
}

QString AnnounceUpload(uint32_t& size) {
    std::array<uint8_t, 4> sizeBytes{};
    // Fewer than four bytes would leave part of the size unset.
    if (USBRead(kRequestDatabaseSize, sizeBytes.size(), sizeBytes.data()) < static_cast<int>(sizeBytes.size())) {
        return QCoreApplication::translate("TransferRuns", "Can not get file size from STB!");
    }
    size = uint32_t(sizeBytes[0]) << 24 | uint32_t(sizeBytes[1]) << 16 | uint32_t(sizeBytes[2]) << 8 |
           uint32_t(sizeBytes[3]);
    if (!Announce(kRequestAnnounceUpload, kUploadHeaderName, size)) {
        return NotConnectedMessage();
    }
    return {};
}

RunEnd ReceiveFromReceiver(const std::string& nativePath, uint32_t size, const Progress& progress,
                           const StopAsked& stop) {
    RunEnd end;
    // Neither created nor cut: the choice of the file made it, empty.
    const platform::CUniqueFd file(::open(nativePath.c_str(), O_WRONLY | O_CLOEXEC));
    if (!file) {
        // The receiver editor stays silent here.
    } else if (const CDeviceHandle pipe = OpenDevicePipe(kPipeFromReceiver); !pipe) {
        end.messages << QCoreApplication::translate("TransferRuns", "Open driver failed! Can't write to PIPE02.");
    } else if (const CDeviceHandle device = OpenUsbDevice(); !device) {
        end.messages << QCoreApplication::translate("TransferRuns",
                                                    "Open device handle failed! Can't write to PIPE02.");
    } else {
        const QString path = QFile::decodeName(QByteArray::fromStdString(nativePath));
        const Received received = ReceiveFile(file.Get(), size, path, device, pipe, progress, stop);
        end.ran = true;
        end.bytes = received.bytes;
        end.complete = received.messages.isEmpty();
        end.stopped = received.stopped;
        if (received.stopped) {
            // The caller removes the part: a stopped upload leaves no file behind.
            end.messages = received.messages;
        } else if (!end.complete) {
            // A part of the database is not handed on as if it were the whole.
            end.messages = received.messages;
            end.messages << QCoreApplication::translate(
                                "TransferRuns", "The DB file was not received completely: %1 of %2 bytes arrived. "
                                                "They are kept in %3, which is not opened.")
                                .arg(received.bytes)
                                .arg(size)
                                .arg(path);
        }
    }
    return end;
}

RunEnd FetchReceiverDb(const std::string& nativePath, const Progress& progress, const StopAsked& stop) {
    RunEnd end;
    const QString path = QFile::decodeName(QByteArray::fromStdString(nativePath));
    if (!platform::CUniqueFd(::open(nativePath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600))) {
        end.messages << QCoreApplication::translate("TransferRuns", "%1 cannot be written.").arg(path);
        return end;
    }
    uint32_t size = 0;
    if (const QString failure = AnnounceUpload(size); !failure.isEmpty()) {
        end.messages << failure;
    } else {
        end = ReceiveFromReceiver(nativePath, size, progress, stop);
        if (!end.complete && !end.stopped && end.messages.size() > 1) {
            // The part is removed below rather than kept, so the line that names it goes.
            end.messages.removeLast();
        }
    }
    if (!end.complete) {
        ::unlink(nativePath.c_str());
    }
    return end;
}

QString GroupedNumber(uint64_t value) {
    QString digits = QString::number(value);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3) {
        digits.insert(i, QLatin1Char(','));
    }
    return digits;
}

namespace {

QString FromNative(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// A failure's own message stays as it is, followed by one line on what to do next.
void AddFailure(QStringList& messages, const QStringList& failure, const QString& next) {
    messages << failure;
    if (messages.isEmpty()) {
        messages << next;
    } else {
        messages.last() += QLatin1Char('\n') + next;
    }
}

const char* const kUnchangedNext = QT_TRANSLATE_NOOP(
    "TransferRuns",
    "Nothing was sent; the receiver keeps its list. Check that it is on and connected, then press Start again.");

} // namespace

DownloadReport RunDownload(const DownloadPlan& plan, const Progress& progress, const StopAsked& stop) {
    DownloadReport report;
    CStepLog log(report.steps, plan.started);
    if (plan.backup) {
        std::string error;
        const std::string path = NewBackupPath(plan.backupFolder, error);
        if (path.empty()) {
            AddFailure(report.messages, {QString::fromStdString(error)},
                       QCoreApplication::translate("TransferRuns",
                                                   "Nothing was sent. Make the folder writable, or clear \"Back up the "
                                                   "receiver's list first\" to send without a backup."));
            return report;
        }
        // Fetched under a temporary name, so a broken fetch never looks like a backup.
        const std::string part = path + ".part";
        const RunEnd backup = FetchReceiverDb(part, progress, stop);
        if (!backup.complete || std::rename(part.c_str(), path.c_str()) != 0) {
            ::unlink(part.c_str());
            report.stopped = backup.stopped;
            if (backup.stopped) {
                report.messages << backup.messages;
            } else {
                AddFailure(report.messages, backup.messages,
                           QCoreApplication::translate("TransferRuns", "The backup of the receiver's list failed. ") +
                               QCoreApplication::translate("TransferRuns", kUnchangedNext));
            }
            return report;
        }
        PruneBackups(plan.backupFolder);
        report.backupPath = path;
        log.Add(QStringLiteral("backup: %1 bytes into %2").arg(GroupedNumber(backup.bytes), FromNative(path)));
    }
    if (!Announce(kRequestAnnounceDownload, kDownloadHeaderName, plan.length)) {
        AddFailure(report.messages, {NotConnectedMessage()},
                   QCoreApplication::translate("TransferRuns", kUnchangedNext));
        return report;
    }
    report.announced = true;
    log.Add(QStringLiteral("announcement: %1, %2 bytes")
                .arg(QLatin1String(kDownloadHeaderName), GroupedNumber(plan.length)));
    const double sendStart = log.Seconds();
    RunEnd sent = SendToReceiver(plan.file, plan.length, progress, stop);
    const double sendSeconds = log.Seconds() - sendStart;
    log.Add(QStringLiteral("sent: %1 of %2 bytes in %3 chunks")
                .arg(GroupedNumber(sent.bytes), GroupedNumber(plan.length))
                .arg((sent.bytes + kMaxChunkLength - 1) / kMaxChunkLength));
    if (!sent.complete) {
        report.stopped = sent.stopped;
        report.mayBeIncomplete = sent.ran;
        AddFailure(report.messages, sent.messages,
                   sent.ran ? QCoreApplication::translate("TransferRuns",
                                                          "The receiver may hold an incomplete list. Send the backup "
                                                          "(File > Restore Receiver Backup...) or this file again.")
                            : QCoreApplication::translate("TransferRuns",
                                                          "Nothing was sent; the receiver keeps its list. Press Start "
                                                          "to try again."));
        return report;
    }
    report.sent = true;
    QString readBackText;
    // An empty file installs nothing, so there is nothing of it to read back.
    if (plan.verify && plan.length > 0) {
        QTemporaryDir dir;
        const std::string readPath = Native(dir.filePath(QStringLiteral("read-back.dat")));
        const RunEnd read = FetchReceiverDb(readPath, progress, stop);
        if (!read.complete) {
            report.stopped = read.stopped;
            AddFailure(report.messages, read.messages,
                       QCoreApplication::translate(
                           "TransferRuns", "The file was sent but not read back. Fetch the receiver's list with "
                                           "USB Upload to check it."));
            readBackText = QCoreApplication::translate("TransferRuns", "not read back");
        } else {
            report.readBack = CompareDatabases(plan.file, readPath);
            readBackText = QString::fromStdString(DescribeReadBack(*report.readBack));
            if (report.readBack->kind == ReadBackOutcome::Kind::Differs ||
                report.readBack->kind == ReadBackOutcome::Kind::Unreadable) {
                AddFailure(report.messages,
                           {QCoreApplication::translate("TransferRuns", "The receiver's list is not what was sent: %1.")
                                .arg(readBackText)},
                           QCoreApplication::translate("TransferRuns",
                                                       "Send the file again; if the difference stays, the receiver "
                                                       "changes the list itself."));
            }
        }
        log.Add(QStringLiteral("read-back: ") + readBackText);
    }
    report.result = QCoreApplication::translate("TransferRuns", "Sent %1 bytes in %2 s")
                        .arg(GroupedNumber(plan.length))
                        .arg(sendSeconds, 0, 'f', 1);
    if (!readBackText.isEmpty()) {
        report.result += QCoreApplication::translate("TransferRuns", "; read back: ") + readBackText;
    }
    return report;
}

} // namespace transfer
