#pragma once
// A receiver for the transfer dialog tests: a temporary device folder named by
// KIVRA_DEVICE_DIR, the receiver's database made by the fixture builder, and the
// simulator serving in a thread of the test until the receiver is destroyed.
#include "SimulatorHarness.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class CTransferDlg;

class CTestReceiver {
public:
    CTestReceiver();
    ~CTestReceiver();

    // Options for a simulator that holds DbPath() and logs to this receiver's log.
    SimulatorOptions Options() const;
    // Starts the simulator (a running one is stopped first); false when it did not start.
    bool Plug(const SimulatorOptions& options);
    bool Plug() { return Plug(Options()); }

    QString DbPath() const;
    // A scratch path beside the receiver, for the PC's files.
    QString PcPath(const QString& name) const;
    // Log lines of the simulator that start with `prefix` ("ready" lines left out).
    QStringList Requests(const QString& prefix = QString()) const;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CSimulatorThread> m_simulator;
};

QByteArray ReadFileBytes(const QString& path);
void WriteFileBytes(const QString& path, const QByteArray& bytes);
// A fixture database padded to `size` bytes: the transfer moves bytes, not rows, and
// sizes such as 20000 are no whole number of database pages.
void WriteDbOfSize(const QString& path, qint64 size);
// Clicks Start and waits until a worker it started has ended.
void StartAndWait(CTransferDlg& dlg);
// The result line a dialog shows once its transfer has ended, empty when none shows.
QString ResultLine(const CTransferDlg& dlg);
// The names of the steps under Details, in order ("probe", "announcement", ...).
QStringList StepNames(const CTransferDlg& dlg);
// Checks that the ended transfer offers only Close, and clicks it.
void CloseAtEnd(CTransferDlg& dlg);
