#include "seams/EditPopupMenu.h"

#include "seams/EditCommands.h"
#include "seams/PopupMenu.h"

#include <QAction>
#include <QMenu>

namespace editmenu {

void Run(QWidget* parent, const QPoint& globalPos, CEditCommands& view) {
    QMenu menu(parent);
    menu.setObjectName(QStringLiteral("editPopupMenu"));
    for (const EditCmdInfo& info : kEditCmds) {
        if (info.cmd == EditCmd::Renumber) {
            menu.addSeparator();
        }
        QAction* action = menu.addAction(QString::fromLatin1(info.popupText));
        action->setObjectName(QLatin1String(info.objectName));
        action->setData(static_cast<int>(info.cmd));
        action->setEnabled(view.CanRun(info.cmd));
    }
    if (const QAction* chosen = PopupMenu::Exec(menu, globalPos)) {
        view.Run(static_cast<EditCmd>(chosen->data().toInt()));
    }
}

} // namespace editmenu
