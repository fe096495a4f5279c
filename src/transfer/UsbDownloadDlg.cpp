#include "UsbDownloadDlg.h"

#include "ReceiverBackups.h"
#include "SendCheck.h"
#include "TransferRuns.h"
#include "TransferSteps.h"
#include "db/ChannelDB.h"
#include "seams/AskDefaultNo.h"
#include "seams/FileChooser.h"
#include "seams/MessageBox.h"
#include "usblib/Kivra.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CUsbDownloadDlg::CUsbDownloadDlg(QWidget* parent, const QString& currentDbPath)
    : CTransferDlg(parent, QCoreApplication::translate("UsbDownloadDlg", "USB Download")), m_bFromFile(g_db == nullptr),
      m_strCurrentDbPath(currentDbPath) {
    auto* layout = new QVBoxLayout(this);
    m_fromFileCheck = new QCheckBox(QCoreApplication::translate("UsbDownloadDlg", "Download from file(&D)"), this);
    m_fromFileCheck->setObjectName(QStringLiteral("downloadFromFileCheckBox"));
    m_fromFileCheck->setChecked(m_bFromFile);
    layout->addWidget(m_fromFileCheck);

    m_localFileGroup = new QGroupBox(QCoreApplication::translate("UsbDownloadDlg", "Local file"), this);
    m_localFileGroup->setObjectName(QStringLiteral("localFileGroupBox"));
    auto* fileRow = new QHBoxLayout(m_localFileGroup);
    m_filePathEdit = new QLineEdit(m_localFileGroup);
    m_filePathEdit->setObjectName(QStringLiteral("filePathEdit"));
    // Start sends the file chosen with File(&F), so the field only shows it.
    m_filePathEdit->setReadOnly(true);
    m_fileButton = new QPushButton(QCoreApplication::translate("UsbDownloadDlg", "File(&F)"), m_localFileGroup);
    m_fileButton->setObjectName(QStringLiteral("fileButton"));
    fileRow->addWidget(m_filePathEdit);
    fileRow->addWidget(m_fileButton);
    layout->addWidget(m_localFileGroup);

    m_backupCheck =
        new QCheckBox(QCoreApplication::translate("UsbDownloadDlg", "Back up the receiver's list first"), this);
    m_backupCheck->setObjectName(QStringLiteral("backupCheckBox"));
    m_backupCheck->setChecked(true);
    layout->addWidget(m_backupCheck);
    m_readBackCheck =
        new QCheckBox(QCoreApplication::translate("UsbDownloadDlg", "Read the list back and compare"), this);
    m_readBackCheck->setObjectName(QStringLiteral("readBackCheckBox"));
    m_readBackCheck->setChecked(true);
    layout->addWidget(m_readBackCheck);

    AddProgressAndButtons(layout, QCoreApplication::translate("UsbDownloadDlg", "Download Progress"));
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
        FileChooser::GetOpenFileName(this, QCoreApplication::translate("UsbDownloadDlg", "Open"),
                                     QCoreApplication::translate("UsbDownloadDlg", "DB File(*.dat);;All Files(*.*)"));
    if (path.isEmpty()) {
        return;
    }
    m_strFilePath = path;
    m_filePathEdit->setText(m_strFilePath);
}

void CUsbDownloadDlg::SetBackupToRestore(const QString& path) {
    m_bFromFile = true;
    m_fromFileCheck->setChecked(true);
    m_strFilePath = path;
    m_filePathEdit->setText(path);
    // A backup of what may be a broken list would only push a good one out of the ten kept.
    m_backupCheck->setChecked(false);
    ApplyFromFileState();
}

QString CUsbDownloadDlg::FileToSend() const {
    return m_bFromFile ? m_strFilePath : m_strCurrentDbPath;
}

void CUsbDownloadDlg::OnStart() {
    // Checked with no file chosen is refused too, rather than sending whatever was open.
    if (FileToSend().isEmpty()) {
        MessageBox::Tell(this,
                         QCoreApplication::translate("UsbDownloadDlg", "Please open or select your DB file first."));
        return;
    }
    // Probed first, so the question is asked only of a receiver that answers.
    if (GetFirmVer() == 0) {
        MessageBox::Tell(this, transfer::NotConnectedMessage());
        return;
    }
    QStringList steps;
    transfer::CStepLog log(steps, StartedAt());
    log.Add(tr("probe: the receiver answered"));
    if (!MessageBox::AskDefaultNo(
            this, QCoreApplication::translate("UsbDownloadDlg",
                                              "If you download this DB file, then the existing DB in the "
                                              "STB will be deleted. is deleted. Are you sure to continue?"))) {
        return;
    }
    if (!m_bFromFile) {
        m_strFilePath = m_strCurrentDbPath;
    }
    m_nativeFilePath = transfer::Native(m_strFilePath);
    const std::optional<uint32_t> length = transfer::FileSize(m_nativeFilePath);
    if (!length) {
        MessageBox::Tell(this, QCoreApplication::translate("UsbDownloadDlg", "File Opened failed!"));
        return;
    }
    // The receiver replaces its list with whatever it gets: a file that fails the checks is not sent.
    if (const std::vector<std::string> problems = transfer::ReceiverFileProblems(m_nativeFilePath); !problems.empty()) {
        MessageBox::Tell(
            this, QCoreApplication::translate("UsbDownloadDlg",
                                              "The file %1 is not sent: %2.\nRepair it (orvane-cli check names every "
                                              "problem) or choose another file.")
                      .arg(m_strFilePath, QString::fromStdString(problems.front())));
        return;
    }
    m_dwFileLength = *length;
    log.Add(tr("size: %1 bytes in %2, which passed the checks")
                .arg(transfer::GroupedNumber(m_dwFileLength), m_strFilePath));
    AddSteps(steps);
    m_plan = {m_nativeFilePath,
              m_dwFileLength,
              m_backupCheck->isChecked(),
              transfer::DefaultBackupFolder(),
              m_readBackCheck->isChecked(),
              StartedAt()};
    StartWorker([this] { DownloadThreadProc(this); });
}

unsigned CUsbDownloadDlg::DownloadThreadProc(CUsbDownloadDlg* dlg) {
    // The device, the pipe and the file are closed before the dialog hears of the end.
    dlg->m_report = transfer::RunDownload(
        dlg->m_plan, [dlg](uint64_t done, uint64_t total) { dlg->PostProgress(done, total); },
        [dlg] { return dlg->StopAsked(); });
    const transfer::DownloadReport& report = dlg->m_report;
    WorkerEnd end;
    end.messages = report.messages;
    end.steps = report.steps;
    end.resultLine = report.result;
    // A failure in the loop ends the dialog just as the end of the file does.
    if (report.sent || report.mayBeIncomplete) {
        end.result = QDialog::Accepted;
    }
    if (report.mayBeIncomplete && !report.backupPath.empty()) {
        end.then = [dlg] { return dlg->OfferBackup(); };
    }
    dlg->PostEnd(std::move(end));
    return report.sent || report.mayBeIncomplete ? 1 : 0;
}

bool CUsbDownloadDlg::OfferBackup() {
    const QString backup = QFile::decodeName(QByteArray::fromStdString(m_report.backupPath));
    if (MessageBox::Show(this,
                         QCoreApplication::translate(
                             "UsbDownloadDlg", "The receiver may hold an incomplete list. Send the backup of its list "
                                               "taken before this download (%1)?")
                             .arg(backup),
                         MessageBox::Buttons::YesNo) != MessageBox::Answer::Yes) {
        return false;
    }
    const std::optional<uint32_t> length = transfer::FileSize(m_report.backupPath);
    if (!length) {
        MessageBox::Tell(this, QCoreApplication::translate("UsbDownloadDlg", "File Opened failed!"));
        return false;
    }
    // The backup is the receiver's own list: no new backup of what may be a part.
    m_plan = {m_report.backupPath, *length, false, {}, true, StartedAt()};
    QStringList steps;
    transfer::CStepLog(steps, StartedAt()).Add(tr("restore: sending the backup %1").arg(backup));
    AddSteps(steps);
    StartWorker([this] { DownloadThreadProc(this); });
    return true;
}

void CUsbDownloadDlg::EnableInputs(bool enable) {
    m_fromFileCheck->setEnabled(enable);
    m_backupCheck->setEnabled(enable);
    m_readBackCheck->setEnabled(enable);
    ApplyFromFileState();
}

void CUsbDownloadDlg::ApplyFromFileState() {
    m_localFileGroup->setEnabled(m_bFromFile && !IsTransferring() && !ShowsResult());
}
