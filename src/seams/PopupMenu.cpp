#include "seams/PopupMenu.h"

#include <QAction>
#include <QMenu>

#include <deque>
#include <utility>

namespace {

struct ScriptedState {
    bool scripted = false;
    std::deque<QString> choices;
    QList<QList<PopupMenu::Item>> shown;
};

ScriptedState& State() {
    static ScriptedState state;
    return state;
}

QList<PopupMenu::Item> ItemsOf(const QMenu& menu) {
    QList<PopupMenu::Item> items;
    for (QAction* action : menu.actions()) {
        if (!action->isSeparator()) {
            items.append({action->text(), action->objectName(), action->isEnabled()});
        }
    }
    return items;
}

// The enabled item named `name` in `menu` or its submenus, as a user reaches it.
QAction* FindEnabled(const QMenu& menu, const QString& name) {
    for (QAction* action : menu.actions()) {
        if (!action->isEnabled()) {
            continue;
        }
        if (action->objectName() == name) {
            return action;
        }
        if (action->menu() != nullptr) {
            if (QAction* inner = FindEnabled(*action->menu(), name)) {
                return inner;
            }
        }
    }
    return nullptr;
}

} // namespace

namespace PopupMenu {

QAction* Exec(QMenu& menu, const QPoint& globalPos) {
    ScriptedState& state = State();
    if (!state.scripted) {
        return menu.exec(globalPos);
    }
    state.shown.append(ItemsOf(menu));
    if (state.choices.empty()) {
        return nullptr;
    }
    const QString choice = std::move(state.choices.front());
    state.choices.pop_front();
    return choice.isEmpty() ? nullptr : FindEnabled(menu, choice);
}

void SetScripted(bool scripted) {
    State() = ScriptedState{};
    State().scripted = scripted;
}

void QueueChoice(const QString& actionName) {
    State().choices.push_back(actionName);
}

QList<QList<Item>> TakeShown() {
    return std::exchange(State().shown, {});
}

} // namespace PopupMenu
