#pragma once
// CSettingDlg: "Main Menu Setting", the receiver's user options on three pages over
// g_option. It loads the working row (option_id 1) when it opens; "&OK" stores the
// edited values as that row, "&Default" copies the default row (option_id 0) over it
// at once, "&Cancel" writes nothing. A failed store is reported and leaves the dialog
// open; a stored row marks the document changed so that the save prompt offers it.
//
//     CSettingDlg::Run(mainWindow);   // what the Setting commands do once a file is open
#include "db/ChannelDB.h"

#include <QDialog>

class CLangTab;
class CLockTab;
class CSettingPage;
class CUserTab;
class QTabWidget;

class CSettingDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSettingDlg(QWidget* parent = nullptr);

    // Runs the dialog modally; when the working row cannot be read it tells the user
    // instead, since OK would otherwise store values that were never loaded.
    static void Run(QWidget* parent);

    // 0 when the working row was read (or the file has none), else the read's code.
    int LoadResult() const { return m_loadResult; }

private:
    void OnOk();
    void OnDefault();
    // Tells the user when row `optionId` holds a value that would be written back cut.
    bool RefuseUnfitRow(int16_t optionId, const char* message);
    void TellDbFailure(const char* message, int code);
    void StepPage(int step);

    CChannelDB m_db;
    int m_loadResult = 0;
    QTabWidget* m_tabs = nullptr;
    CUserTab* m_userTab = nullptr;
    CLockTab* m_lockTab = nullptr;
    CLangTab* m_langTab = nullptr;
};
