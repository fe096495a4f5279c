#pragma once
// CEditDispatcher: the main window's Edit menu commands (Add, Edit, Delete) and the
// toolbar's Renumber, pointed at whichever editing view is active. It owns the four
// actions, named and worded by the command table; each is enabled while the active
// view handles it, and triggering one runs it on that view.
#include "seams/EditCommands.h"

#include <QObject>
#include <QPointer>

#include <array>

class QAction;
class QWidget;

class CEditDispatcher : public QObject {
    Q_OBJECT
public:
    // The actions are children of `owner`, so that they are found by name under it.
    explicit CEditDispatcher(QWidget* owner);

    QAction* Action(EditCmd cmd) const { return m_actions[static_cast<size_t>(cmd)]; }
    // `view` must be a CEditCommands to receive anything; null for none.
    void SetView(QWidget* view);
    QWidget* View() const { return m_view; }
    // Enables each action by the active view's Handles().
    void UpdateStates();

private:
    CEditCommands* Commands() const;

    std::array<QAction*, kEditCmds.size()> m_actions{};
    QPointer<QWidget> m_view;
};
