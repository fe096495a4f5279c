#include "seams/EditDispatcher.h"

#include <QAction>
#include <QWidget>

CEditDispatcher::CEditDispatcher(QWidget* owner) : QObject(owner) {
    for (const EditCmdInfo& info : kEditCmds) {
        auto* action = new QAction(QCoreApplication::translate("EditCommands", info.menuText), owner);
        action->setObjectName(QLatin1String(info.objectName));
        action->setIconVisibleInMenu(false);
        connect(action, &QAction::triggered, this, [this, cmd = info.cmd] {
            CEditCommands* view = Commands();
            if (view != nullptr && view->Handles(cmd)) {
                view->Run(cmd);
            }
        });
        m_actions[static_cast<size_t>(info.cmd)] = action;
    }
    UpdateStates();
}

void CEditDispatcher::SetView(QWidget* view) {
    if (m_view != nullptr) {
        disconnect(m_view, &QObject::destroyed, this, nullptr);
    }
    m_view = view;
    if (view != nullptr) {
        connect(view, &QObject::destroyed, this, [this] {
            m_view = nullptr;
            UpdateStates();
        });
    }
    UpdateStates();
}

CEditCommands* CEditDispatcher::Commands() const {
    // While a view is being destroyed its own parts are gone and the cast finds none.
    return dynamic_cast<CEditCommands*>(m_view.data());
}

void CEditDispatcher::UpdateStates() {
    const CEditCommands* view = Commands();
    for (const EditCmdInfo& info : kEditCmds) {
        Action(info.cmd)->setEnabled(view != nullptr && view->Handles(info.cmd));
    }
    Action(EditCmd::Renumber)->setToolTip(view != nullptr ? view->RenumberOffReason() : QString());
}
