#include "UsbUploadDlg.h"

#include "TransferSteps.h"
#include "UsbDevice.h"
#include "app/MessageBox.h"
#include "usblib/Kivra.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

namespace {

// The receiver is asked for its database under this name, whatever the PC calls the file.
constexpr const char* kHeaderName = "db.dat";

// A pipe read that succeeds with no bytes is retried this often before it counts as a
// failed read, so a receiver that sends nothing cannot hold the worker for ever.
constexpr int kMaxEmptyReads = 3;

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
};

// Reads `size` bytes from "PIPE02" into the file, one chunk request ahead of each chunk.
Received ReceiveFile(CTransferDlg& dlg, int file, uint32_t size, const QString& path, const CDeviceHandle& device,
                     const CDeviceHandle& pipe) {
    std::array<uint8_t, kMaxChunkLength> buffer;
    Received received;
    while (received.bytes < size) {
        const auto chunk = static_cast<uint16_t>(std::min<uint64_t>(size - received.bytes, buffer.size()));
        if (!SendChunkRequest(device, kRequestChunkFromReceiver, chunk)) {
            received.messages << QStringLiteral("Requesting data transfer on PIPE02 failed!");
            return received;
        }
        uint32_t read = 0;
        if (!ReadChunk(pipe, {buffer.data(), chunk}, read)) {
            RecoverPipe(pipe);
            received.messages << QStringLiteral("Reading PIPE02 failed!");
            return received;
        }
        // A file that does not take the bytes is no copy of the receiver's database.
        if (!WriteAll(file, buffer.data(), read)) {
            received.messages << QStringLiteral("Writing %1 failed!").arg(path);
            return received;
        }
        received.bytes += read;
        dlg.PostProgress(received.bytes, size);
    }
    return received;
}

QString TooLong(const QString& path) {
    return QStringLiteral("The path %1 is too long; it must be shorter than %2 bytes.").arg(path).arg(kUploadPathSize);
}

} // namespace

CUsbUploadDlg::CUsbUploadDlg(QWidget* parent, std::span<char, kUploadPathSize> result)
    : CTransferDlg(parent, QStringLiteral("USB Upload")), m_result(result) {
    auto* layout = new QVBoxLayout(this);
    auto* folderGroup = new QGroupBox(QStringLiteral("Local directory"), this);
    folderGroup->setObjectName(QStringLiteral("localDirectoryGroupBox"));
    auto* folderRow = new QHBoxLayout(folderGroup);
    m_folderEdit = new QLineEdit(folderGroup);
    m_folderEdit->setObjectName(QStringLiteral("folderEdit"));
    m_browseButton = new QPushButton(QStringLiteral("Browse(&B)"), folderGroup);
    m_browseButton->setObjectName(QStringLiteral("browseButton"));
    folderRow->addWidget(m_folderEdit);
    folderRow->addWidget(m_browseButton);
    layout->addWidget(folderGroup);

    m_openUploadCheck = new QCheckBox(QStringLiteral("Open Upload DB file(&O)"), this);
    m_openUploadCheck->setObjectName(QStringLiteral("openUploadCheckBox"));
    m_openUploadCheck->setChecked(m_bOpenAfterUpload);
    layout->addWidget(m_openUploadCheck);

    AddProgressAndButtons(layout, QStringLiteral("Upload Progress"));

    connect(m_browseButton, &QPushButton::clicked, this, &CUsbUploadDlg::OnBrowse);
    connect(m_openUploadCheck, &QCheckBox::clicked, this, &CUsbUploadDlg::OnOpenUpload);
}

CUsbUploadDlg::~CUsbUploadDlg() {
    JoinWorker();
}

void CUsbUploadDlg::OnBrowse() {
    m_folderPicker.SetTitle("Selecte the folder to save file.");
    std::array<char, kFolderPathSize> path{};
    switch (m_folderPicker.Choose(this, path)) {
    case CFolderPicker::PathWritten:
        m_strFolder = QFile::decodeName(path.data());
        m_folderEdit->setText(m_strFolder);
        break;
    case CFolderPicker::NoPath:
        MessageBox::Show(this, QStringLiteral("Can not return a path for the selected item!"), MessageBox::Buttons::Ok,
                         MessageBox::Icon::Error, QStringLiteral("Error Message"));
        break;
    case CFolderPicker::Cancelled:
        break;
    }
}

void CUsbUploadDlg::OnOpenUpload() {
    // A click on the check box reads every field of the dialog, the folder too.
    m_bOpenAfterUpload = m_openUploadCheck->isChecked();
    m_strFolder = m_folderEdit->text();
}

void CUsbUploadDlg::OnStart() {
    if (m_strFolder.isEmpty()) {
        MessageBox::Tell(this, QStringLiteral("Please select the folder first."));
        return;
    }
    if (GetFirmVer() == 0) {
        MessageBox::Tell(this, transfer::NotConnectedMessage());
        return;
    }
    if (!ChooseFile()) {
        return;
    }
    // A stop from here on leaves the chosen file on disk, empty.
    std::array<uint8_t, 4> sizeBytes{};
    // Fewer than four bytes would leave part of the size unset.
    if (USBRead(kRequestDatabaseSize, sizeBytes.size(), sizeBytes.data()) < static_cast<int>(sizeBytes.size())) {
        MessageBox::Tell(this, QStringLiteral("Can not get file size from STB!"));
        return;
    }
    const uint32_t size = uint32_t(sizeBytes[0]) << 24 | uint32_t(sizeBytes[1]) << 16 | uint32_t(sizeBytes[2]) << 8 |
                          uint32_t(sizeBytes[3]);
    if (!transfer::Announce(kRequestAnnounceUpload, kHeaderName, size)) {
        MessageBox::Tell(this, transfer::NotConnectedMessage());
        return;
    }
    m_param.size = size;
    m_param.owner = this;
    StartWorker([this] { UploadThreadProc(&m_param); });
}

bool CUsbUploadDlg::ChooseFile() {
    const QDir folder(m_strFolder);
    for (int n = 0;; ++n) {
        const QString name = n == 0 ? QStringLiteral("db.dat") : QString::asprintf("db%d.dat", n);
        const QString fullPath = folder.filePath(name);
        std::string native = transfer::Native(fullPath);
        // Refused rather than cut: the caller's buffer takes the path whole or not at all.
        if (native.size() >= kUploadPathSize) {
            MessageBox::Tell(this, TooLong(fullPath));
            return false;
        }
        // Created when absent; an existing file keeps its content, so a full one is skipped.
        const platform::CUniqueFd file(::open(native.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
        struct stat info {};
        if (!file || ::fstat(file.Get(), &info) != 0) {
            MessageBox::Tell(this, QStringLiteral("Can't open file."));
            return false;
        }
        if (info.st_size == 0) {
            m_strFileName = name;
            m_strFullPath = fullPath;
            m_param.path = std::move(native);
            return true;
        }
    }
}

unsigned CUsbUploadDlg::UploadThreadProc(UploadThreadParam* param) {
    CUsbUploadDlg& dlg = *param->owner;
    WorkerEnd end;
    unsigned ran = 0;
    {
        // Neither created nor cut: Start made it, empty.
        const platform::CUniqueFd file(::open(param->path.c_str(), O_WRONLY | O_CLOEXEC));
        if (!file) {
            // The receiver editor stays silent here; the dialog returns to idle.
        } else if (const CDeviceHandle pipe = OpenDevicePipe(kPipeFromReceiver); !pipe) {
            end.messages << QStringLiteral("Open driver failed! Can't write to PIPE02.");
        } else if (const CDeviceHandle device = OpenUsbDevice(); !device) {
            end.messages << QStringLiteral("Open device handle failed! Can't write to PIPE02.");
        } else {
            const QString path = QFile::decodeName(QByteArray::fromStdString(param->path));
            const Received received = ReceiveFile(dlg, file.Get(), param->size, path, device, pipe);
            ran = 1;
            end.result = QDialog::Rejected;
            if (!received.messages.isEmpty()) {
                // A part of the database is not handed on as if it were the whole.
                end.messages = received.messages;
                end.messages << QStringLiteral("The DB file was not received completely: %1 of %2 bytes arrived. "
                                               "They are kept in %3, which is not opened.")
                                    .arg(received.bytes)
                                    .arg(param->size)
                                    .arg(path);
            } else if (dlg.m_bOpenAfterUpload) {
                std::memcpy(dlg.m_result.data(), param->path.c_str(), param->path.size() + 1);
                end.result = QDialog::Accepted;
            }
        }
    } // the device, the pipe and the file are closed before the dialog hears of the end
    dlg.PostEnd(std::move(end));
    return ran;
}

void CUsbUploadDlg::EnableInputs(bool enable) {
    m_folderEdit->setEnabled(enable);
    m_browseButton->setEnabled(enable);
    m_openUploadCheck->setEnabled(enable);
}
