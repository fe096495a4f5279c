#pragma once
// COrvaneApp: start-up of the editor. It selects the settings store, loads the
// recent-file list, makes the one document and the main window, and opens the file
// named on the command line.
#include "shell/RecentFileList.h"

#include <QStringList>
#include <memory>
#include <string>
#include <vector>

class CMainFrame;
class COrvaneDoc;

class COrvaneApp {
public:
    COrvaneApp();
    ~COrvaneApp();

    // Names the settings store; call before any settings are read.
    static void SelectSettingsStore();

    // Builds the document and the window; `arguments` are the command line without
    // the program name (at most one: the file to open), `raw` the same as the system
    // gave their bytes, when known. False when that file could not be opened, and
    // start-up ends.
    bool InitInstance(const QStringList& arguments, bool showWindow = true, const std::vector<std::string>& raw = {});

    COrvaneDoc* Document() const { return m_doc.get(); }
    CMainFrame* MainFrame() const { return m_frame.get(); }
    CRecentFileList& RecentFiles() { return m_recentFiles; }

private:
    CRecentFileList m_recentFiles;
    std::unique_ptr<COrvaneDoc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;
};
