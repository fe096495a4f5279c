#pragma once
// CMainFrame: the main window. It carries the menu, and the editing area in which
// the document's views are shown; the title follows the document's title.
#include <QList>
#include <QMainWindow>

class COrvaneDoc;
class CRecentFileList;
class QAction;
class QMenu;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(COrvaneDoc* doc, CRecentFileList* recentFiles, QWidget* parent = nullptr);

    COrvaneDoc* Document() const { return m_doc; }
    // Puts `view` into the editing area, deleting the one shown before.
    void SetEditingView(QWidget* view);
    QWidget* EditingView() const { return m_editingView; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    QAction* AddAction(QMenu* menu, const QString& text, const QString& name, const QKeySequence& shortcut = {});
    void UpdateTitle(const QString& documentTitle);
    void RebuildRecentFiles();
    void OpenRecentFile(const QString& path);
    void ShowAbout();

    COrvaneDoc* m_doc;
    CRecentFileList* m_recentFiles;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentSeparator = nullptr;
    QAction* m_exitSeparator = nullptr;
    QList<QAction*> m_recentActions;
    QWidget* m_editingView = nullptr;
};
