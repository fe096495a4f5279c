#pragma once
// CTransferDlg: what the USB Download and USB Upload dialogs share: the progress bar,
// Start and Cancel, and the one worker thread of a transfer. The dialog owns the worker
// and joins it before it lets go of the state the worker reads: while a worker runs,
// Start and the dialog's inputs are disabled and the dialog does not end.
// Cancel, Esc and the close box stay live while a worker runs: after a question they
// ask the worker to stop between two chunks.
// When a transfer has run, the dialog stays open with its result line and the timed
// steps (under Details) until the user closes it, so a transfer never ends unseen; the
// dialog then ends with the result the transfer decided, however it is closed.
// The worker never touches a widget; it posts progress and its end to this dialog,
// which handles them on the user-interface thread.
#include <QDialog>
#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <thread>

class QBoxLayout;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

class CTransferDlg : public QDialog {
    Q_OBJECT
public:
    ~CTransferDlg() override;

    bool IsTransferring() const { return m_transferring; }
    // True once a transfer has ended and the dialog waits to be closed.
    bool ShowsResult() const { return m_endResult != kStayOpen; }

    // How a worker ends: the messages to show, in order, then the dialog either ends
    // with `result` or, with kStayOpen, returns to idle.
    static constexpr int kStayOpen = -1;
    struct WorkerEnd {
        QStringList messages;
        int result = kStayOpen;
        // Run on the user-interface thread after the messages; true when it started
        // another worker, so the dialog goes on.
        std::function<bool()> then;
        // The result line of a transfer that ran ("Sent ... bytes in ... s"); empty
        // when the messages say how it ended.
        QString resultLine;
        // Its steps, each with the time it ended.
        QStringList steps;
    };

    // Called by the worker. Progress reaches the user-interface thread only when the
    // percentage changes, so a fast transfer does not flood it.
    void PostProgress(uint64_t done, uint64_t total);
    void PostEnd(WorkerEnd end);
    // Called by the worker between chunks: true once the user asked it to stop.
    bool StopAsked() const { return m_stopAsked.load(); }

public slots:
    void reject() override;

protected:
    CTransferDlg(QWidget* parent, const QString& title);

    // Adds the progress label and bar, Start and Cancel under the dialog's own controls.
    void AddProgressAndButtons(QBoxLayout* layout, const QString& progressCaption);
    // Runs `work` on a new worker thread with the dialog's controls disabled.
    void StartWorker(std::function<void()> work);
    // Adds steps taken on the user-interface thread to the details shown at the end.
    void AddSteps(const QStringList& steps);
    // When the user pressed Start: the time the steps are counted from.
    std::chrono::steady_clock::time_point StartedAt() const { return m_startedAt; }
    // Joins a worker that is still running; derived dialogs call it from their
    // destructor, since the worker reads their members.
    void JoinWorker();

    virtual void OnStart() = 0;
    // Enables or disables the dialog's own inputs (not Start and Cancel).
    virtual void EnableInputs(bool enable) = 0;

    void closeEvent(QCloseEvent* event) override;

private:
    void EnableControls(bool enable);
    void FinishWorker(const WorkerEnd& end);
    void ShowOutcome(const WorkerEnd& end);
    void ShowResultAndClose(int result);

    QProgressBar* m_progressBar = nullptr;
    QPushButton* m_startButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    QLabel* m_resultLabel = nullptr;
    QToolButton* m_detailsButton = nullptr;
    QPlainTextEdit* m_stepLog = nullptr;
    std::chrono::steady_clock::time_point m_startedAt = std::chrono::steady_clock::now();
    int m_endResult = kStayOpen; // the result the dialog ends with once a transfer ended
    std::thread m_worker;
    bool m_transferring = false;
    int m_lastPosted = 0; // worker side only: the percentage posted last
    std::atomic<bool> m_stopAsked{false};
};
