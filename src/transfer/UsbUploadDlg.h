#pragma once
// CUsbUploadDlg: "USB Upload", fetches the receiver's database into a folder on the PC
// under the first free name of "db.dat", db1.dat, db2.dat, ... Start probes, asks the
// size and announces on the user-interface thread; UploadThreadProc then reads the file
// from "PIPE02". Created on the stack of the document's command, which gives it the
// buffer that receives the file's path when the dialog ends with OK.
#include "FolderPicker.h"
#include "TransferDlg.h"
#include "TransferRuns.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

class QCheckBox;
class QLineEdit;
class QPushButton;
class CUsbUploadDlg;

// Size of the caller's result buffer, NUL included.
inline constexpr std::size_t kUploadPathSize = transfer::kUploadPathLimit;

// What the worker of one upload reads; kept in the dialog so it lives as long as it.
struct UploadThreadParam {
    uint32_t size = 0; // bytes the receiver announced
    std::string path;  // the full path of the file, as the file system takes it
    CUsbUploadDlg* owner = nullptr;
    std::chrono::steady_clock::time_point started; // what the steps' times count from
};

class CUsbUploadDlg : public CTransferDlg {
    Q_OBJECT
public:
    CUsbUploadDlg(QWidget* parent, std::span<char, kUploadPathSize> result);
    ~CUsbUploadDlg() override;

    // The transfer loop, on the worker thread: 1 when it ran, 0 when it stopped before.
    static unsigned UploadThreadProc(UploadThreadParam* param);

    const QString& Folder() const { return m_strFolder; }
    const QString& FullPath() const { return m_strFullPath; }

private:
    void OnBrowse();
    void OnOpenUpload();
    void OnStart() override;
    void EnableInputs(bool enable) override;
    // Picks the file of the series and creates it empty when absent; false after telling
    // the user why none could be had.
    // The folder exists, or the user had it created; false (and said why) otherwise.
    bool FolderReady();
    bool ChooseFile();

    QString m_strFolder;
    bool m_bOpenAfterUpload = true;
    QString m_strFileName;
    QString m_strFullPath;
    std::span<char, kUploadPathSize> m_result;
    UploadThreadParam m_param;
    CFolderPicker m_folderPicker;

    QLineEdit* m_folderEdit = nullptr;
    QPushButton* m_browseButton = nullptr;
    QCheckBox* m_openUploadCheck = nullptr;
};
