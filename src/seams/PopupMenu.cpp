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
    for (QAction* action : menu.actions()) {
        if (!choice.isEmpty() && action->objectName() == choice && action->isEnabled()) {
            return action;
        }
    }
    return nullptr;
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
