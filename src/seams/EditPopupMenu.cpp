#include "seams/EditPopupMenu.h"

#include "seams/EditCommands.h"
#include "seams/PopupMenu.h"

#include <QAction>
#include <QMenu>

namespace editmenu {

void Run(QWidget* parent, const QPoint& globalPos, CEditCommands& view, const std::function<void(QMenu&)>& addMore,
         const std::function<void(const QAction*)>& runMore) {
    QMenu menu(parent);
    QList<QAction*> own;
    menu.setObjectName(QStringLiteral("editPopupMenu"));
    for (const EditCmdInfo& info : kEditCmds) {
        if (info.cmd == EditCmd::Renumber) {
            menu.addSeparator();
        }
        QAction* action = menu.addAction(QCoreApplication::translate("EditCommands", info.popupText));
        action->setObjectName(QLatin1String(info.objectName));
        action->setData(static_cast<int>(info.cmd));
        action->setEnabled(view.CanRun(info.cmd));
        own.append(action);
    }
    if (addMore) {
        menu.addSeparator();
        addMore(menu);
    }
    QAction* chosen = PopupMenu::Exec(menu, globalPos);
    if (chosen == nullptr) {
        return;
    }
    if (own.contains(chosen)) {
        view.Run(static_cast<EditCmd>(chosen->data().toInt()));
    } else if (runMore) {
        runMore(chosen);
    }
}

} // namespace editmenu
