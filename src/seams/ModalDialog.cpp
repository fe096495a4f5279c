#include "seams/ModalDialog.h"

#include <QDialog>

#include <deque>
#include <utility>

namespace {

struct ScriptedState {
    bool scripted = false;
    std::deque<ModalDialog::Script> scripts;
    int runCount = 0;
};

ScriptedState& State() {
    static ScriptedState state;
    return state;
}

} // namespace

namespace ModalDialog {

int Exec(QDialog& dialog) {
    ScriptedState& state = State();
    if (!state.scripted) {
        return dialog.exec();
    }
    ++state.runCount;
    dialog.setResult(QDialog::Rejected);
    if (state.scripts.empty()) {
        return QDialog::Rejected;
    }
    Script script = std::move(state.scripts.front());
    state.scripts.pop_front();
    dialog.show();
    script(dialog);
    const int result = dialog.result();
    dialog.hide();
    return result;
}

void SetScripted(bool scripted) {
    State().scripted = scripted;
    State().scripts.clear();
    State().runCount = 0;
}

bool IsScripted() {
    return State().scripted;
}

void QueueScript(Script script) {
    State().scripts.push_back(std::move(script));
}

int TakeRunCount() {
    return std::exchange(State().runCount, 0);
}

} // namespace ModalDialog
