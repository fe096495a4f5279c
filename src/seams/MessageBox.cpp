#include "seams/MessageBox.h"
#include "seams/AskDefaultNo.h"

#include "seams/AppTitle.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QQueue>

namespace MessageBox {

namespace {

struct Script {
    bool scripted = false;
    QQueue<Answer> answers;
    QList<Shown> shown;
};

Script& TheScript() {
    static Script script;
    return script;
}

QMessageBox::Icon ToQtIcon(Icon icon) {
    switch (icon) {
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Error:
        return QMessageBox::Critical;
    case Icon::Exclamation:
        break;
    }
    return QMessageBox::Warning;
}

Answer ScriptedAnswer(Buttons buttons) {
    Script& script = TheScript();
    if (!script.answers.isEmpty()) {
        return script.answers.dequeue();
    }
    return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
}

} // namespace

namespace {

Answer ShowBox(QWidget* parent, const QString& text, Buttons buttons, Icon icon, const QString& caption,
               bool defaultNo) {
    const QString title = caption.isEmpty() ? QString::fromUtf8(kAppTitle) : caption;
    if (TheScript().scripted) {
        TheScript().shown.append({text, title, buttons, icon, defaultNo && buttons != Buttons::Ok});
        return ScriptedAnswer(buttons);
    }
    QMessageBox box(ToQtIcon(icon), title, text, QMessageBox::NoButton, parent);
    if (buttons == Buttons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
    } else {
        box.setStandardButtons(buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                         : QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(defaultNo ? QMessageBox::No : QMessageBox::Yes);
    }
    const int result = box.exec();
    // The box leaves the screen before the caller starts what was asked for, so a long
    // command does not run under a painted-over question.
    box.hide();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (buttons == Buttons::Ok) {
        return Answer::Ok;
    }
    if (result == QMessageBox::Yes) {
        return Answer::Yes;
    }
    // Esc or the window's close button on a box with Cancel means Cancel.
    return result == QMessageBox::No ? Answer::No : (buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No);
}

} // namespace

Answer Show(QWidget* parent, const QString& text, Buttons buttons, Icon icon, const QString& caption) {
    return ShowBox(parent, text, buttons, icon, caption, false);
}

bool AskDefaultNo(QWidget* parent, const QString& text) {
    return ShowBox(parent, text, Buttons::YesNo, Icon::Exclamation, QString(), true) == Answer::Yes;
}

bool AskYesNo(QWidget* parent, const QString& text, Icon icon) {
    return Show(parent, text, Buttons::YesNo, icon) == Answer::Yes;
}

void SetScripted(bool scripted) {
    Script& script = TheScript();
    script.scripted = scripted;
    script.answers.clear();
    script.shown.clear();
}

bool IsScripted() {
    return TheScript().scripted;
}

void QueueAnswer(Answer answer) {
    TheScript().answers.enqueue(answer);
}

QList<Shown> TakeShown() {
    QList<Shown> shown;
    shown.swap(TheScript().shown);
    return shown;
}

QStringList TakeShownTexts() {
    QStringList texts;
    for (const Shown& shown : TakeShown()) {
        texts << shown.text;
    }
    return texts;
}

} // namespace MessageBox
