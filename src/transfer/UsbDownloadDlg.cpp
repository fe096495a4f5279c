#include "UsbDownloadDlg.h"

#include "TransferRuns.h"
#include "TransferSteps.h"
#include "seams/FileChooser.h"
#include "seams/MessageBox.h"
#include "db/ChannelDB.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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
    if (!m_bFromFile) {
        m_strFilePath = m_strCurrentDbPath;
    }
    m_nativeFilePath = transfer::Native(m_strFilePath);
    if (const QString failure = transfer::AnnounceDownload(m_nativeFilePath, m_dwFileLength); !failure.isEmpty()) {
        MessageBox::Tell(this, failure);
        return;
    }
    StartWorker([this] { DownloadThreadProc(this); });
}

unsigned CUsbDownloadDlg::DownloadThreadProc(CUsbDownloadDlg* dlg) {
    // The device, the pipe and the file are closed before the dialog hears of the end.
    transfer::RunEnd run =
        transfer::SendToReceiver(dlg->m_nativeFilePath, dlg->m_dwFileLength,
                                 [dlg](uint64_t done, uint64_t total) { dlg->PostProgress(done, total); });
    WorkerEnd end;
    end.messages = std::move(run.messages);
    // A failure in the loop ends the dialog just as the end of the file does.
    if (run.ran) {
        end.result = QDialog::Accepted;
    }
    dlg->PostEnd(std::move(end));
    return run.ran ? 1 : 0;
}

void CUsbDownloadDlg::EnableInputs(bool enable) {
    m_fromFileCheck->setEnabled(enable);
    ApplyFromFileState();
}

void CUsbDownloadDlg::ApplyFromFileState() {
    m_localFileGroup->setEnabled(m_bFromFile && !IsTransferring());
}
