#pragma once
// CUsbDownloadDlg: "USB Download", sends a database file into the receiver, where it
// replaces the receiver's own: the open database's working copy, or with "Download
// from file(&D)" checked a file chosen on disk. Start probes and asks on the
// user-interface thread; DownloadThreadProc then backs up the receiver's list, announces
// the file, writes it to "PIPE03" and reads the receiver's list back to compare. Created
// on the stack of the document's command, which gives it the working copy's path.
#include "TransferDlg.h"
#include "TransferRuns.h"

#include <cstdint>
#include <string>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

class CUsbDownloadDlg : public CTransferDlg {
    Q_OBJECT
public:
    // `currentDbPath`: the working copy of the open database, empty when none is open.
    CUsbDownloadDlg(QWidget* parent, const QString& currentDbPath);
    ~CUsbDownloadDlg() override;

    // The transfer loop, on the worker thread: 1 when it ran, 0 when it stopped before.
    static unsigned DownloadThreadProc(CUsbDownloadDlg* dlg);

    bool FromFile() const { return m_bFromFile; }
    const QString& FilePath() const { return m_strFilePath; }
    // Makes the dialog send `path` (from file, no new backup first): a backup being restored.
    void SetBackupToRestore(const QString& path);
    // How the last worker ended, for the caller and the tests.
    const transfer::DownloadReport& LastReport() const { return m_report; }

private:
    void OnDownloadFromFile();
    void OnFile();
    void OnStart() override;
    void EnableInputs(bool enable) override;
    void ApplyFromFileState();
    // The file Start sends, or empty when the user has not said which.
    QString FileToSend() const;
    // After a stopped or failed download: offers to send the backup just taken.
    bool OfferBackup();

    bool m_bFromFile;
    QString m_strFilePath;
    const QString m_strCurrentDbPath;
    // Read by the worker; set by Start before the worker starts and not changed while
    // it runs.
    std::string m_nativeFilePath;
    uint32_t m_dwFileLength = 0;
    transfer::DownloadPlan m_plan;
    transfer::DownloadReport m_report; // written by the worker, read after it ended

    QCheckBox* m_fromFileCheck = nullptr;
    QGroupBox* m_localFileGroup = nullptr;
    QLineEdit* m_filePathEdit = nullptr;
    QPushButton* m_fileButton = nullptr;
    QCheckBox* m_backupCheck = nullptr;
    QCheckBox* m_readBackCheck = nullptr;
};
