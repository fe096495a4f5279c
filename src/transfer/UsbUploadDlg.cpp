#include "UsbUploadDlg.h"

#include "TransferRuns.h"
#include "TransferSteps.h"
#include "seams/MessageBox.h"
#include "usblib/Kivra.h"
#include "usblib/UsbRecords.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <unistd.h>

#include <cstring>

CUsbUploadDlg::CUsbUploadDlg(QWidget* parent, std::span<char, kUploadPathSize> result)
    : CTransferDlg(parent, QCoreApplication::translate("UsbUploadDlg", "USB Upload")), m_result(result) {
    auto* layout = new QVBoxLayout(this);
    auto* folderGroup = new QGroupBox(QCoreApplication::translate("UsbUploadDlg", "Local directory"), this);
    folderGroup->setObjectName(QStringLiteral("localDirectoryGroupBox"));
    auto* folderRow = new QHBoxLayout(folderGroup);
    m_folderEdit = new QLineEdit(folderGroup);
    m_folderEdit->setObjectName(QStringLiteral("folderEdit"));
    m_browseButton = new QPushButton(QCoreApplication::translate("UsbUploadDlg", "Browse(&B)"), folderGroup);
    m_browseButton->setObjectName(QStringLiteral("browseButton"));
    folderRow->addWidget(m_folderEdit);
    folderRow->addWidget(m_browseButton);
    layout->addWidget(folderGroup);

    m_openUploadCheck = new QCheckBox(QCoreApplication::translate("UsbUploadDlg", "Open Upload DB file(&O)"), this);
    m_openUploadCheck->setObjectName(QStringLiteral("openUploadCheckBox"));
    m_openUploadCheck->setChecked(m_bOpenAfterUpload);
    layout->addWidget(m_openUploadCheck);

    AddProgressAndButtons(layout, QCoreApplication::translate("UsbUploadDlg", "Upload Progress"));

    connect(m_browseButton, &QPushButton::clicked, this, &CUsbUploadDlg::OnBrowse);
    connect(m_openUploadCheck, &QCheckBox::clicked, this, &CUsbUploadDlg::OnOpenUpload);
}

CUsbUploadDlg::~CUsbUploadDlg() {
    JoinWorker();
}

void CUsbUploadDlg::OnBrowse() {
    m_folderPicker.SetTitle(QT_TRANSLATE_NOOP("FolderPicker", "Selecte the folder to save file."));
    std::array<char, kFolderPathSize> path{};
    switch (m_folderPicker.Choose(this, path)) {
    case CFolderPicker::PathWritten:
        m_strFolder = QFile::decodeName(path.data());
        m_folderEdit->setText(m_strFolder);
        break;
    case CFolderPicker::NoPath:
        MessageBox::Show(this,
                         QCoreApplication::translate("UsbUploadDlg", "Can not return a path for the selected item!"),
                         MessageBox::Buttons::Ok, MessageBox::Icon::Error,
                         QCoreApplication::translate("UsbUploadDlg", "Error Message"));
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
    // The folder shown is the folder used, typed or browsed to.
    m_strFolder = m_folderEdit->text();
    if (m_strFolder.isEmpty()) {
        MessageBox::Tell(this, QCoreApplication::translate("UsbUploadDlg", "Please select the folder first."));
        return;
    }
    if (GetFirmVer() == 0) {
        MessageBox::Tell(this, transfer::NotConnectedMessage());
        return;
    }
    QStringList steps;
    transfer::CStepLog log(steps, StartedAt());
    log.Add(tr("probe: the receiver answered"));
    if (!FolderReady() || !ChooseFile()) {
        return;
    }
    // A stop from here on leaves the chosen file on disk, empty.
    uint32_t size = 0;
    if (const QString failure = transfer::AnnounceUpload(size); !failure.isEmpty()) {
        MessageBox::Tell(this, failure);
        return;
    }
    log.Add(tr("size and announcement: %1 bytes, into %2").arg(transfer::GroupedNumber(size), m_strFullPath));
    AddSteps(steps);
    m_param.size = size;
    m_param.owner = this;
    m_param.started = StartedAt();
    StartWorker([this] { UploadThreadProc(&m_param); });
}

bool CUsbUploadDlg::FolderReady() {
    const QFileInfo folder(m_strFolder);
    if (folder.isDir()) {
        return true;
    }
    if (folder.exists()) {
        MessageBox::Tell(this,
                         QCoreApplication::translate("UsbUploadDlg", "%1 is not a folder. Please select a folder.")
                             .arg(m_strFolder));
        return false;
    }
    if (!MessageBox::AskYesNo(
            this,
            QCoreApplication::translate("UsbUploadDlg", "The folder %1 does not exist. Do you want to create it?")
                .arg(m_strFolder),
            MessageBox::Icon::Question)) {
        return false;
    }
    if (!QDir().mkpath(m_strFolder)) {
        MessageBox::Tell(
            this, QCoreApplication::translate("UsbUploadDlg", "The folder %1 could not be created.").arg(m_strFolder));
        return false;
    }
    return true;
}

bool CUsbUploadDlg::ChooseFile() {
    if (const QString failure = transfer::ChooseUploadFile(m_strFolder, m_strFullPath, m_param.path);
        !failure.isEmpty()) {
        MessageBox::Tell(this, failure);
        return false;
    }
    m_strFileName = QFileInfo(m_strFullPath).fileName();
    return true;
}

unsigned CUsbUploadDlg::UploadThreadProc(UploadThreadParam* param) {
    CUsbUploadDlg& dlg = *param->owner;
    WorkerEnd end;
    transfer::CStepLog log(end.steps, param->started);
    const double receiveStart = log.Seconds();
    // The device, the pipe and the file are closed before the dialog hears of the end.
    transfer::RunEnd run = transfer::ReceiveFromReceiver(
        param->path, param->size, [&dlg](uint64_t done, uint64_t total) { dlg.PostProgress(done, total); },
        [&dlg] { return dlg.StopAsked(); });
    const double receiveSeconds = log.Seconds() - receiveStart;
    const QString path = QFile::decodeName(QByteArray::fromStdString(param->path));
    if (run.ran) {
        log.Add(tr("received: %1 of %2 bytes in %3 chunks")
                    .arg(transfer::GroupedNumber(run.bytes), transfer::GroupedNumber(param->size))
                    .arg((run.bytes + kMaxChunkLength - 1) / kMaxChunkLength));
    }
    if (run.stopped) {
        // A stopped upload leaves no part of the receiver's database behind.
        ::unlink(param->path.c_str());
        log.Add(tr("removed the part received, %1").arg(path));
    }
    if (run.complete) {
        end.resultLine = tr("Received %1 bytes in %2 s into %3")
                             .arg(transfer::GroupedNumber(run.bytes))
                             .arg(receiveSeconds, 0, 'f', 1)
                             .arg(path);
    }
    end.messages = std::move(run.messages);
    if (run.ran) {
        end.result = QDialog::Rejected;
        if (run.complete && dlg.m_bOpenAfterUpload) {
            std::memcpy(dlg.m_result.data(), param->path.c_str(), param->path.size() + 1);
            end.result = QDialog::Accepted;
        }
    }
    dlg.PostEnd(std::move(end));
    return run.ran ? 1 : 0;
}

void CUsbUploadDlg::EnableInputs(bool enable) {
    m_folderEdit->setEnabled(enable);
    m_browseButton->setEnabled(enable);
    m_openUploadCheck->setEnabled(enable);
}
