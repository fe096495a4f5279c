#include "TransferDlg.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
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

    // The result line and the steps, shown once a transfer has ended.
    m_resultLabel = new QLabel(this);
    m_resultLabel->setObjectName(QStringLiteral("resultLabel"));
    m_resultLabel->setWordWrap(true);
    // Paths and the receiver's texts are shown as they are, never as markup.
    m_resultLabel->setTextFormat(Qt::PlainText);
    m_resultLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_resultLabel->hide();
    m_detailsButton = new QToolButton(this);
    m_detailsButton->setObjectName(QStringLiteral("detailsButton"));
    m_detailsButton->setText(tr("Details"));
    m_detailsButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_detailsButton->setArrowType(Qt::RightArrow);
    m_detailsButton->setCheckable(true);
    m_detailsButton->setAutoRaise(true);
    m_detailsButton->hide();
    m_stepLog = new QPlainTextEdit(this);
    m_stepLog->setObjectName(QStringLiteral("stepLogEdit"));
    m_stepLog->setReadOnly(true);
    m_stepLog->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_stepLog->hide();
    layout->addWidget(m_resultLabel);
    layout->addWidget(m_detailsButton);
    layout->addWidget(m_stepLog);
    connect(m_detailsButton, &QToolButton::toggled, this, [this](bool open) {
        m_detailsButton->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
        m_stepLog->setVisible(open);
        adjustSize();
    });

    m_startButton = new QPushButton(QCoreApplication::translate("TransferDlg", "Start(&S)"), this);
    m_startButton->setObjectName(QStringLiteral("startButton"));
    m_startButton->setDefault(true);
    m_cancelButton = new QPushButton(QCoreApplication::translate("TransferDlg", "Cancel(&C)"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_closeButton = new QPushButton(tr("Close"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->hide();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_startButton);
    buttons->addWidget(m_cancelButton);
    buttons->addWidget(m_closeButton);
    layout->addLayout(buttons);

    connect(m_startButton, &QPushButton::clicked, this, [this] {
        // The details tell of this Start's transfers only.
        m_startedAt = std::chrono::steady_clock::now();
        m_stepLog->clear();
        m_resultLabel->hide();
        m_detailsButton->hide();
        OnStart();
    });
    connect(m_cancelButton, &QPushButton::clicked, this, &CTransferDlg::reject);
    connect(m_closeButton, &QPushButton::clicked, this, &CTransferDlg::reject);
}

void CTransferDlg::AddSteps(const QStringList& steps) {
    for (const QString& step : steps) {
        m_stepLog->appendPlainText(step);
    }
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
    ShowOutcome(end);
    EnableControls(true);
    if (end.then && end.then()) {
        return;
    }
    if (m_stopAsked) {
        ShowResultAndClose(QDialog::Rejected);
    } else if (end.result != kStayOpen) {
        ShowResultAndClose(end.result);
    }
}

void CTransferDlg::ShowOutcome(const WorkerEnd& end) {
    AddSteps(end.steps);
    // A failure's messages stay in the dialog after their boxes have gone.
    const QString text = end.resultLine.isEmpty() ? end.messages.join(QLatin1Char('\n')) : end.resultLine;
    if (!end.resultLine.isEmpty() && !end.messages.isEmpty()) {
        AddSteps(end.messages);
    }
    m_resultLabel->setText(text);
    m_resultLabel->setVisible(!text.isEmpty());
    m_detailsButton->setVisible(!m_stepLog->document()->isEmpty());
}

void CTransferDlg::ShowResultAndClose(int result) {
    m_endResult = result;
    m_startButton->hide();
    m_cancelButton->hide();
    m_closeButton->show();
    m_closeButton->setDefault(true);
    m_closeButton->setFocus();
    EnableInputs(false);
}

void CTransferDlg::EnableControls(bool enable) {
    m_startButton->setEnabled(enable);
    EnableInputs(enable);
}

void CTransferDlg::reject() {
    if (m_endResult != kStayOpen) {
        // Close, Esc and the close box only acknowledge a transfer that has ended.
        done(m_endResult);
        return;
    }
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
