#include "seams/PendingEdits.h"

#include "seams/MessageBox.h"

#include <QCoreApplication>

namespace PendingEdits {

const char* const kQuestion =
    QT_TRANSLATE_NOOP("PendingEdits", "The changes on this page have not been saved with \"SAVE\" yet.\n"
                                      "Do you want to save them now?");

bool Settle(QWidget* parent, CPendingEdits& edits, bool cancellable) {
    if (!edits.HasPendingEdits()) {
        return true;
    }
    const MessageBox::Answer answer =
        MessageBox::Show(parent, QCoreApplication::translate("PendingEdits", kQuestion),
                         cancellable ? MessageBox::Buttons::YesNoCancel : MessageBox::Buttons::YesNo);
    switch (answer) {
    case MessageBox::Answer::Yes:
        return edits.SavePendingEdits();
    case MessageBox::Answer::No:
        edits.DiscardPendingEdits();
        return true;
    case MessageBox::Answer::Ok:
    case MessageBox::Answer::Cancel:
        break;
    }
    return false;
}

} // namespace PendingEdits
