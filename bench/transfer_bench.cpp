// USB Download and Upload of a 16 MB database through the receiver simulator, driven
// through the dialogs as the user drives them (Start, the worker, its end on the
// user-interface thread), against a raw copy of the same bytes over a Unix-domain
// socket in 8192-byte writes, measured in the same run. Prints MB/s and ratios.
// Run with QT_QPA_PLATFORM=offscreen.
#include "FixtureBuilder.h"
#include "ReceiverSimulator.h"
#include "seams/FileChooser.h"
#include "seams/MessageBox.h"
#include "transfer/UsbDownloadDlg.h"
#include "transfer/UsbUploadDlg.h"
#include "usblib/UsbRecords.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <thread>

namespace {

constexpr qint64 kFileSize = 16 * 1024 * 1024;
constexpr int kRuns = 5;

double MbPerSecond(qint64 bytes, qint64 ns) {
    return ns > 0 ? static_cast<double>(bytes) / (1024.0 * 1024.0) / (static_cast<double>(ns) / 1e9) : 0.0;
}

// The best of kRuns, in nanoseconds; a run that fails ends the benchmark.
qint64 Best(const std::function<bool(qint64&)>& run) {
    qint64 best = 0;
    for (int i = 0; i < kRuns; ++i) {
        qint64 ns = 0;
        if (!run(ns)) {
            std::fprintf(stderr, "transfer_bench: a run failed\n");
            std::exit(1);
        }
        best = best == 0 ? ns : std::min(best, ns);
    }
    return best;
}

// The simulator serving in a thread until destroyed.
class CBenchReceiver {
public:
    explicit CBenchReceiver(const SimulatorOptions& options) : m_simulator(options) {
        int fds[2];
        std::string error;
        if (::pipe2(fds, O_CLOEXEC) != 0 || !m_simulator.Start(error)) {
            std::fprintf(stderr, "transfer_bench: simulator: %s\n", error.c_str());
            std::exit(1);
        }
        m_stopRead.Reset(fds[0]);
        m_stopWrite.Reset(fds[1]);
        m_thread = std::thread([this] { m_simulator.Run(m_stopRead.Get()); });
    }
    ~CBenchReceiver() {
        m_stopWrite.Reset();
        m_thread.join();
    }

private:
    CReceiverSimulator m_simulator;
    platform::CUniqueFd m_stopRead;
    platform::CUniqueFd m_stopWrite;
    std::thread m_thread;
};

bool RunDialog(CTransferDlg& dlg, qint64& ns) {
    QElapsedTimer timer;
    timer.start();
    dlg.findChild<QPushButton*>(QStringLiteral("startButton"))->click();
    while (dlg.IsTransferring()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    ns = timer.nsecsElapsed();
    return MessageBox::TakeShown().size() <= 1; // the confirmation only
}

bool SameBytes(const QString& a, const QString& b) {
    QFile fa(a);
    QFile fb(b);
    return fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly) && fa.readAll() == fb.readAll();
}

// `guarded`: with the backup of the receiver's list before and the read-back after.
bool Download(const QString& file, const QString& receiverDb, bool guarded, qint64& ns) {
    CUsbDownloadDlg dlg(nullptr, QString());
    FileChooser::QueueFileName(file);
    dlg.findChild<QPushButton*>(QStringLiteral("fileButton"))->click();
    dlg.findChild<QCheckBox*>(QStringLiteral("backupCheckBox"))->setChecked(guarded);
    dlg.findChild<QCheckBox*>(QStringLiteral("readBackCheckBox"))->setChecked(guarded);
    MessageBox::QueueAnswer(MessageBox::Answer::Yes);
    return RunDialog(dlg, ns) && dlg.result() == QDialog::Accepted && SameBytes(file, receiverDb) &&
           (!guarded || dlg.LastReport().result.endsWith(QStringLiteral("read back: identical")));
}

bool Upload(const QString& folder, const QString& receiverDb, qint64& ns) {
    QFile::remove(QDir(folder).filePath(QStringLiteral("db.dat")));
    std::array<char, kUploadPathSize> result{};
    CUsbUploadDlg dlg(nullptr, result);
    FileChooser::QueueFileName(folder);
    dlg.findChild<QPushButton*>(QStringLiteral("browseButton"))->click();
    return RunDialog(dlg, ns) && dlg.result() == QDialog::Accepted &&
           SameBytes(QDir(folder).filePath(QStringLiteral("db.dat")), receiverDb);
}

// File to file through a Unix-domain stream socket, 8192 bytes per write.
bool RawSocketCopy(const QString& from, const QString& to, qint64& ns) {
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0) {
        return false;
    }
    platform::CUniqueFd sender(fds[0]);
    platform::CUniqueFd receiver(fds[1]);
    const platform::CUniqueFd in(::open(QFile::encodeName(from).constData(), O_RDONLY | O_CLOEXEC));
    const platform::CUniqueFd out(
        ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (!in || !out) {
        return false;
    }
    QElapsedTimer timer;
    timer.start();
    std::thread writer([&] {
        std::array<char, kMaxChunkLength> buffer;
        ssize_t n;
        while ((n = ::read(in.Get(), buffer.data(), buffer.size())) > 0) {
            for (ssize_t done = 0; done < n;) {
                const ssize_t sent = ::send(sender.Get(), buffer.data() + done, static_cast<std::size_t>(n - done), 0);
                if (sent <= 0) {
                    return;
                }
                done += sent;
            }
        }
        sender.Reset();
    });
    std::array<char, kMaxChunkLength> buffer;
    bool ok = true;
    ssize_t n;
    while ((n = ::recv(receiver.Get(), buffer.data(), buffer.size(), 0)) > 0) {
        ok = ok && ::write(out.Get(), buffer.data(), static_cast<std::size_t>(n)) == n;
    }
    writer.join();
    ns = timer.nsecsElapsed();
    return ok && SameBytes(from, to);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    MessageBox::SetScripted(true);
    FileChooser::SetScripted(true);
    // Files live in memory where the system has it, so the disk's sync of the installed
    // database (the receiver's flash on real hardware) does not hide the program's cost.
    const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    QTemporaryDir dir(base + QStringLiteral("/transfer-bench-XXXXXX"));
    QDir(dir.path()).mkpath(QStringLiteral("receiver"));
    QDir(dir.path()).mkpath(QStringLiteral("pc"));
    const QString receiverDb = dir.filePath(QStringLiteral("receiver/db.dat"));
    const QString pcFolder = dir.filePath(QStringLiteral("pc"));
    const QString sendFile = dir.filePath(QStringLiteral("send.dat"));
    // The large fixture, grown to 16 MB with free pages, as a well-used receiver file would be.
    fixtures::WriteLargeDb(sendFile.toStdString());
    QFile::resize(sendFile, kFileSize);
    QFile::copy(sendFile, receiverDb);
    const QString devices = dir.filePath(QStringLiteral("devices"));
    ::setenv("KIVRA_DEVICE_DIR", QFile::encodeName(devices).constData(), 1);
    ::setenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))).constData(), 1);

    SimulatorOptions options;
    options.baseDir = devices.toStdString();
    options.dbPath = receiverDb.toStdString();
    options.logPath = dir.filePath(QStringLiteral("simulator.log")).toStdString();
    const CBenchReceiver simulator(options);

    const qint64 raw = Best([&](qint64& ns) { return RawSocketCopy(sendFile, dir.filePath("raw.dat"), ns); });
    const qint64 down = Best([&](qint64& ns) { return Download(sendFile, receiverDb, false, ns); });
    const qint64 guarded = Best([&](qint64& ns) { return Download(sendFile, receiverDb, true, ns); });
    const qint64 up = Best([&](qint64& ns) { return Upload(pcFolder, receiverDb, ns); });

    const double rawMb = MbPerSecond(kFileSize, raw);
    const double downMb = MbPerSecond(kFileSize, down);
    const double upMb = MbPerSecond(kFileSize, up);
    std::printf("16 MB, best of %d runs\n", kRuns);
    std::printf("raw socket copy           %8.1f MB/s\n", rawMb);
    std::printf("download (to receiver)    %8.1f MB/s   %.2f x raw\n", downMb, downMb / rawMb);
    std::printf("upload (from receiver)    %8.1f MB/s   %.2f x raw\n", upMb, upMb / rawMb);
    std::printf("download + backup + read-back  %8.0f ms   %.2f x the plain download (%.0f ms)\n",
                static_cast<double>(guarded) / 1e6, static_cast<double>(guarded) / static_cast<double>(down),
                static_cast<double>(down) / 1e6);
    return 0;
}
