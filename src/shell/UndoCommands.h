#pragma once
// CUndoCommands: Edit > Undo and Edit > Redo over the process-wide undo history (see
// db/UndoHistory.h for how a command records its step). The actions name the step
// they take back or do again; after either, every view of the document is loaded
// again from the database, as after opening the file. Owned by the main window.
#include <QObject>

class COrvaneDoc;
class QAction;
class QWidget;

class CUndoCommands : public QObject {
    Q_OBJECT
public:
    CUndoCommands(COrvaneDoc* doc, QWidget* dialogParent);
    ~CUndoCommands() override;

    QAction* UndoAction() const { return m_undo; }
    QAction* RedoAction() const { return m_redo; }

    void Undo();
    void Redo();
    // Follows the history: enabled states and the names in the texts.
    void UpdateActions();

signals:
    // The working copy was restored and the views reloaded.
    void restored();
    // A step was recorded, undone or redone, or the history was cleared: the file's
    // contents may differ from what the window last showed.
    void historyChanged();

private:
    void Travel(bool undo);

    COrvaneDoc* m_doc;
    QWidget* m_dialogParent;
    QAction* m_undo;
    QAction* m_redo;
};
