#include "TransferDlg.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "seams/AskDefaultNo.h"

CTransferDlg::CTransferDlg(QWidget* parent, const QString& title) : QDialog(parent) {
    setWindowTitle(title);
}

CTransferDlg::~CTransferDlg() {
    JoinWorker();
}

void CTransferDlg::AddProgressAndButtons(QBoxLayout* layout, const QString& progressCaption) {
    auto* label = new QLabel(progressCaption, this);
    label->setObjectName(QStringLiteral("progressLabel"));
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("progressBar"));
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    layout->addWidget(label);
    layout->addWidget(m_progressBar);

    m_startButton = new QPushButton(QCoreApplication::translate("TransferDlg", "Start(&S)"), this);
    m_startButton->setObjectName(QStringLiteral("startButton"));
    m_startButton->setDefault(true);
    m_cancelButton = new QPushButton(QCoreApplication::translate("TransferDlg", "Cancel(&C)"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_startButton);
    buttons->addWidget(m_cancelButton);
    layout->addLayout(buttons);

    connect(m_startButton, &QPushButton::clicked, this, [this] { OnStart(); });
    connect(m_cancelButton, &QPushButton::clicked, this, &CTransferDlg::reject);
}

void CTransferDlg::StartWorker(std::function<void()> work) {
    JoinWorker();
    m_progressBar->setValue(0);
    m_lastPosted = 0;
    m_stopAsked = false;
    m_transferring = true;
    EnableControls(false);
    m_worker = std::thread(std::move(work));
}

void CTransferDlg::JoinWorker() {
    if (m_worker.joinable()) {
        m_worker.join();
    }
}

void CTransferDlg::PostProgress(uint64_t done, uint64_t total) {
    // 64-bit, since a byte count times 100 overflows 32 bits from 43 MB on.
    const int percent = total == 0 ? 100 : static_cast<int>(done * 100 / total);
    if (percent == m_lastPosted) {
        return;
    }
    m_lastPosted = percent;
    QMetaObject::invokeMethod(
        this, [this, percent] { m_progressBar->setValue(percent); }, Qt::QueuedConnection);
}

void CTransferDlg::PostEnd(WorkerEnd end) {
    QMetaObject::invokeMethod(
        this, [this, end = std::move(end)] { FinishWorker(end); }, Qt::QueuedConnection);
}

void CTransferDlg::FinishWorker(const WorkerEnd& end) {
    // The worker posts its end as its last step, so this join returns at once.
    JoinWorker();
    for (const QString& message : end.messages) {
        MessageBox::Tell(this, message);
    }
    m_transferring = false;
    EnableControls(true);
    if (end.then && end.then()) {
        return;
    }
    if (m_stopAsked) {
        done(QDialog::Rejected);
    } else if (end.result != kStayOpen) {
        done(end.result);
    }
}

void CTransferDlg::EnableControls(bool enable) {
    m_startButton->setEnabled(enable);
    EnableInputs(enable);
}

void CTransferDlg::reject() {
    if (!m_transferring) {
        QDialog::reject();
        return;
    }
    if (!m_stopAsked &&
        MessageBox::AskDefaultNo(
            this, QCoreApplication::translate("TransferDlg", "Stop the transfer after the current chunk?"))) {
        m_stopAsked = true;
    }
}

void CTransferDlg::closeEvent(QCloseEvent* event) {
    if (m_transferring) {
        event->ignore();
        reject();
        return;
    }
    QDialog::closeEvent(event);
}
