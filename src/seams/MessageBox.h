#pragma once
// Every message box of the program goes through MessageBox::Show. In a test the box
// is scripted instead of shown: answers are taken from a queue and every box that
// would have appeared is recorded, so no test ever waits on a real modal window.
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace MessageBox {

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Icon { Exclamation, Question, Information, Error };
enum class Answer { Ok, Yes, No, Cancel };

// Modal box with the application title as caption unless another is given.
Answer Show(QWidget* parent, const QString& text, Buttons buttons = Buttons::Ok, Icon icon = Icon::Exclamation,
            const QString& caption = QString());

// Convenience for the common OK box with the exclamation icon.
inline void Tell(QWidget* parent, const QString& text) {
    Show(parent, text);
}
// Yes/No question; true for Yes.
bool AskYesNo(QWidget* parent, const QString& text, Icon icon = Icon::Exclamation);

// What a scripted box recorded.
struct Shown {
    QString text;
    QString caption;
    Buttons buttons;
    Icon icon;
    bool defaultNo = false; // No, not Yes, is the default button of a question
};

// Test scripting. While scripted, Show never opens a window: it records the box and
// returns the next queued answer, or Ok/No when the queue is empty (No also for a
// box with Cancel, which is what an unscripted test meant before it had one).
void SetScripted(bool scripted);
bool IsScripted();
void QueueAnswer(Answer answer);
QList<Shown> TakeShown();
// The texts alone of the boxes TakeShown would give.
QStringList TakeShownTexts();

} // namespace MessageBox
