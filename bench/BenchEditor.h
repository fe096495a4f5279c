#pragma once
// The editor as a benchmark drives it: opened on a file in a shown 1200x800 window, with
// its channel list laid out and painted before anything is timed; and what every
// benchmark's main() sets up before it.
#include "channels/OrvaneView.h"
#include "listctrl/RecordListCtrl.h"
#include "seams/MessageBox.h"
#include "seams/ModalDialog.h"
#include "shell/MainFrame.h"
#include "shell/OrvaneApp.h"
#include "shell/SplitterView.h"

#include <QApplication>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>

namespace bench {

// Lays the list out and paints it, so a timing includes what the user waits for.
inline void Settle(CRecordListCtrl& list) {
    list.doItemsLayout();
    list.viewport()->repaint();
    QApplication::processEvents();
}

// The application with its settings kept apart from the user's, message boxes and
// dialogs answered by script, and a folder for the benchmark's files.
class CBenchApp {
public:
    CBenchApp(int& argc, char** argv) : m_app(argc, argv) {
        COrvaneApp::SelectSettingsStore();
        MessageBox::SetScripted(true);
        ModalDialog::SetScripted(true);
    }
    QString FilePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QApplication m_app;
    QTemporaryDir m_dir;
};

class CBenchEditor {
public:
    // False, with a message, when the editor refuses `path`.
    bool Open(const QString& path) {
        if (!m_app.InitInstance({path}, false)) {
            std::fprintf(stderr, "cannot open %s\n", qPrintable(path));
            return false;
        }
        Frame()->resize(1200, 800);
        Frame()->show();
        QApplication::processEvents();
        Settle(*List());
        return true;
    }
    CMainFrame* Frame() const { return m_app.MainFrame(); }
    // Asked anew each time: an undo rebuilds the channel view.
    COrvaneView* View() const { return qobject_cast<CSplitterView*>(Frame()->EditingView())->ChannelView(); }
    CRecordListCtrl* List() const { return View()->List(); }

private:
    COrvaneApp m_app;
};

} // namespace bench
