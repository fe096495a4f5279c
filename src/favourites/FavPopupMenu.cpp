#include "FavPopupMenu.h"

#include "app/PopupMenu.h"

#include <QAction>
#include <QMenu>

namespace favmenu {

namespace {

QAction* AddItem(QMenu& menu, const char* text, const char* name, bool enabled) {
    QAction* action = menu.addAction(QString::fromLatin1(text));
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    return action;
}

} // namespace

Command Run(QWidget* parent, const QPoint& globalPos, const Enabled& enabled) {
    QMenu menu(parent);
    menu.setObjectName(QStringLiteral("favPopupMenu"));
    QAction* add = AddItem(menu, "Add", "actionEditAdd", enabled.add);
    QAction* edit = AddItem(menu, "Edit\tSpace", "actionEditEdit", enabled.edit);
    QAction* remove = AddItem(menu, "Delete\tDel", "actionEditDelete", enabled.remove);
    menu.addSeparator();
    AddItem(menu, "Renumber", "actionRenumber", false);
    QAction* chosen = PopupMenu::Exec(menu, globalPos);
    if (chosen == nullptr) {
        return Command::None;
    }
    if (chosen == add) {
        return Command::Add;
    }
    if (chosen == edit) {
        return Command::Edit;
    }
    return chosen == remove ? Command::Delete : Command::None;
}

} // namespace favmenu
