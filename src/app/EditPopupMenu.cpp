#include "EditPopupMenu.h"

#include "PopupMenu.h"

#include <QAction>
#include <QMenu>

#include <array>
#include <utility>

namespace editmenu {

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
    menu.setObjectName(QStringLiteral("editPopupMenu"));
    QAction* add = AddItem(menu, "Add", "actionEditAdd", enabled.add);
    QAction* edit = AddItem(menu, "Edit\tSpace", "actionEditEdit", enabled.edit);
    QAction* remove = AddItem(menu, "Delete\tDel", "actionEditDelete", enabled.remove);
    menu.addSeparator();
    QAction* renumber = AddItem(menu, "Renumber", "actionRenumber", enabled.renumber);
    const std::array<std::pair<QAction*, Command>, 4> commands = {
        {{add, Command::Add}, {edit, Command::Edit}, {remove, Command::Delete}, {renumber, Command::Renumber}}};
    QAction* chosen = PopupMenu::Exec(menu, globalPos);
    for (const auto& [action, command] : commands) {
        if (chosen != nullptr && action == chosen) {
            return command;
        }
    }
    return Command::None;
}

} // namespace editmenu
