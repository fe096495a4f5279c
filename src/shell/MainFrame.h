#pragma once
// CMainFrame: the main window. It carries the menu, the toolbar and the status bar;
// its client area holds the navigation bar on the left and the editing area, which
// shows one editing view at a time, on the right. The title follows the document's.
#include <QList>
#include <QMainWindow>
#include <QPointer>

class CEditDispatcher;
class CEmptyHint;
class CMenuBar;
class COrvaneView;
class CStatusCounts;
class CUndoCommands;
class COrvaneDoc;
class CRecentFileList;
class QAction;
class QLabel;
class QMenu;
class QSplitter;
class QToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(COrvaneDoc* doc, CRecentFileList* recentFiles, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // What SwitchView shows in the editing area.
    enum ViewType { kChannelContainer = 0, kSatelliteView = 1, kLnbView = 2 };
    // Replaces the editing view by a fresh one of the type and runs its initial update.
    void SwitchView(int viewType);

    COrvaneDoc* Document() const { return m_doc; }
    CMenuBar* NavigationBar() const { return m_menuBar; }
    QWidget* EditingView() const { return m_editingView; }
    // The editing pane whose Edit commands run: the one that last took the focus.
    QWidget* ActiveView() const;
    CUndoCommands* UndoCommands() const { return m_undoCommands; }

    static constexpr const char* kNoViewMessage = QT_TRANSLATE_NOOP("MainFrame", "Error in load view");

protected:
    void closeEvent(QCloseEvent* event) override;

public:
    // Stores the editing view's layout and the window's geometry for the next start.
    void RememberLayout();
    // Name of the layout group of the view shown.
    QString LayoutName() const;

private:
    void BuildMenus();
    // English and the catalogues; a choice is remembered and applies at the next start.
    void BuildLanguageMenu();
    void BuildFileMenu();
    void BuildEditMenu();
    void BuildViewMenu();
    void BuildFindCommands(QMenu* edit);
    void BuildToolBar();
    void BuildStatusBar();
    void BuildClientArea();
    QAction* AddAction(QMenu* menu, const QString& text, const QString& name, const QKeySequence& shortcut = {});

    QWidget* CreateEditingView(int viewType);
    QWidget* EditingPaneOf(QWidget* widget) const;
    void OnFocusChanged(QWidget* now);
    void SetActiveView(QWidget* view);
    // Focus to the editing view's first list, whose pane becomes the active view.
    void FocusFirstPane();
    // The channel list while the channel container is shown, else null.
    COrvaneView* ChannelView() const;
    void FollowChannelFilter();
    void UpdateCommandStates();

    void OnFileClose();
    void OnSetting();
    void UpdateTitle(const QString& documentTitle);
    // The hint over the empty channel list while no DB is open.
    void UpdateEmptyHint();
    // The stored layout of the view shown, or its columns fitted to their texts.
    void ApplyLayout();
    void FitColumns();
    static void ResetLayout(QWidget* frame);
    void RebuildRecentFiles();
    void OpenRecentFile(const QString& path);
    void ShowAbout();

    COrvaneDoc* m_doc;
    CRecentFileList* m_recentFiles;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentPlaceholder = nullptr;
    QAction* m_exitSeparator = nullptr;
    QList<QAction*> m_recentActions;
    QAction* m_closeAction = nullptr;
    CEditDispatcher* m_editCommands = nullptr; // Add, Edit, Delete, Renumber
    QList<QAction*> m_findActions;             // Find, Find Next, Find Previous
    CUndoCommands* m_undoCommands = nullptr;
    CStatusCounts* m_statusCounts = nullptr;
    QToolBar* m_toolBar = nullptr;
    QSplitter* m_splitter = nullptr;
    CMenuBar* m_menuBar = nullptr;
    QWidget* m_editingArea = nullptr;
    QPointer<QWidget> m_editingView;
    QPointer<CEmptyHint> m_emptyHint;
    int m_viewType = kChannelContainer;
    bool m_layoutReset = false; // Reset Layout: the view going is not remembered
};
