#include "UsbDownloadDlg.h"

#include "TransferSteps.h"
#include "UsbDevice.h"
#include "app/FileChooser.h"
#include "app/MessageBox.h"
#include "db/ChannelDB.h"
#include "usblib/Kivra.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace {

// The receiver files every database it is sent under this name, whatever the PC calls it.
constexpr const char* kHeaderName = "edit_db.dat";

const char* const kFileOpenFailed = "File Opened failed!";

ssize_t ReadSome(int fd, uint8_t* buffer, std::size_t size) {
    ssize_t n;
    do {
        n = ::read(fd, buffer, size);
    } while (n < 0 && errno == EINTR);
    return n;
}

// Writes the file to "PIPE03", one chunk request ahead of each chunk. Returns the
// messages of a failure, none when every byte went.
QStringList SendFile(CTransferDlg& dlg, int file, uint32_t length, const CDeviceHandle& device,
                     const CDeviceHandle& pipe) {
    std::array<uint8_t, kMaxChunkLength> buffer;
    uint64_t position = 0;
    // Never more than announced: the receiver refuses bytes beyond the announced size.
    while (position < length) {
        const std::size_t wanted = std::min<uint64_t>(length - position, buffer.size());
        const ssize_t count = ReadSome(file, buffer.data(), wanted);
        if (count <= 0) {
            return {QStringLiteral("Reading the file failed! The DB file was not sent completely.")};
        }
        const auto chunk = static_cast<uint16_t>(count);
        if (!SendChunkRequest(device, kRequestChunkToReceiver, chunk)) {
            return {QStringLiteral("Requesting data transfer on PIPE03 failed!")};
        }
        uint32_t written = 0;
        if (!platform::WritePipe(pipe, {buffer.data(), chunk}, written) || written != chunk) {
            RecoverPipe(pipe);
            return {QStringLiteral("Writing PIPE03 failed!")};
        }
        position += chunk;
        dlg.PostProgress(position, length);
    }
    return {};
}

} // namespace

CUsbDownloadDlg::CUsbDownloadDlg(QWidget* parent, const QString& currentDbPath)
    : CTransferDlg(parent, QStringLiteral("USB Download")), m_bFromFile(g_db == nullptr),
      m_strCurrentDbPath(currentDbPath) {
    auto* layout = new QVBoxLayout(this);
    m_fromFileCheck = new QCheckBox(QStringLiteral("Download from file(&D)"), this);
    m_fromFileCheck->setObjectName(QStringLiteral("downloadFromFileCheckBox"));
    m_fromFileCheck->setChecked(m_bFromFile);
    layout->addWidget(m_fromFileCheck);

    m_localFileGroup = new QGroupBox(QStringLiteral("Local file"), this);
    m_localFileGroup->setObjectName(QStringLiteral("localFileGroupBox"));
    auto* fileRow = new QHBoxLayout(m_localFileGroup);
    m_filePathEdit = new QLineEdit(m_localFileGroup);
    m_filePathEdit->setObjectName(QStringLiteral("filePathEdit"));
    // Start sends the file chosen with File(&F), so the field only shows it.
    m_filePathEdit->setReadOnly(true);
    m_fileButton = new QPushButton(QStringLiteral("File(&F)"), m_localFileGroup);
    m_fileButton->setObjectName(QStringLiteral("fileButton"));
    fileRow->addWidget(m_filePathEdit);
    fileRow->addWidget(m_fileButton);
    layout->addWidget(m_localFileGroup);

    AddProgressAndButtons(layout, QStringLiteral("Download Progress"));
    ApplyFromFileState();

    connect(m_fromFileCheck, &QCheckBox::clicked, this, &CUsbDownloadDlg::OnDownloadFromFile);
    connect(m_fileButton, &QPushButton::clicked, this, &CUsbDownloadDlg::OnFile);
}

CUsbDownloadDlg::~CUsbDownloadDlg() {
    JoinWorker();
}

void CUsbDownloadDlg::OnDownloadFromFile() {
    m_bFromFile = m_fromFileCheck->isChecked();
    ApplyFromFileState();
}

void CUsbDownloadDlg::OnFile() {
    const QString path =
        FileChooser::GetOpenFileName(this, QStringLiteral("Open"), QStringLiteral("DB File(*.dat);;All Files(*.*)"));
    if (path.isEmpty()) {
        return;
    }
    m_strFilePath = path;
    m_filePathEdit->setText(m_strFilePath);
}

QString CUsbDownloadDlg::FileToSend() const {
    return m_bFromFile ? m_strFilePath : m_strCurrentDbPath;
}

void CUsbDownloadDlg::OnStart() {
    // Checked with no file chosen is refused too, rather than sending whatever was open.
    if (FileToSend().isEmpty()) {
        MessageBox::Tell(this, QStringLiteral("Please open or select your DB file first."));
        return;
    }
    if (!MessageBox::AskYesNo(this, QStringLiteral("If you download this DB file, then the existing DB in the STB will "
                                                   "be deleted. is deleted. Are you sure to continue?"))) {
        return;
    }
    if (GetFirmVer() == 0) {
        MessageBox::Tell(this, transfer::NotConnectedMessage());
        return;
    }
    if (!m_bFromFile) {
        m_strFilePath = m_strCurrentDbPath;
    }
    m_nativeFilePath = transfer::Native(m_strFilePath);
    const std::optional<uint32_t> length = transfer::FileSize(m_nativeFilePath);
    if (!length) {
        MessageBox::Tell(this, QString::fromLatin1(kFileOpenFailed));
        return;
    }
    m_dwFileLength = *length;
    if (!transfer::Announce(kRequestAnnounceDownload, kHeaderName, m_dwFileLength)) {
        MessageBox::Tell(this, transfer::NotConnectedMessage());
        return;
    }
    StartWorker([this] { DownloadThreadProc(this); });
}

unsigned CUsbDownloadDlg::DownloadThreadProc(CUsbDownloadDlg* dlg) {
    WorkerEnd end;
    unsigned ran = 0;
    {
        const platform::CUniqueFd file = transfer::OpenForReading(dlg->m_nativeFilePath);
        if (!file) {
            end.messages << QString::fromLatin1(kFileOpenFailed);
        } else if (const CDeviceHandle pipe = OpenDevicePipe(kPipeToReceiver); !pipe) {
            end.messages << QStringLiteral("Open driver failed! Can't write to PIPE03.");
        } else if (const CDeviceHandle device = OpenUsbDevice(); !device) {
            end.messages << QStringLiteral("Open device handle failed! Can't write to PIPE03.");
        } else {
            // A failure in the loop ends the dialog just as the end of the file does.
            end.messages = SendFile(*dlg, file.Get(), dlg->m_dwFileLength, device, pipe);
            end.result = QDialog::Accepted;
            ran = 1;
        }
    } // the device, the pipe and the file are closed before the dialog hears of the end
    dlg->PostEnd(std::move(end));
    return ran;
}

void CUsbDownloadDlg::EnableInputs(bool enable) {
    m_fromFileCheck->setEnabled(enable);
    ApplyFromFileState();
}

void CUsbDownloadDlg::ApplyFromFileState() {
    m_localFileGroup->setEnabled(m_bFromFile && !IsTransferring());
}
