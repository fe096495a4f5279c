#include "seams/PendingEdits.h"

#include "seams/MessageBox.h"

namespace PendingEdits {

const char* const kQuestion = "The changes on this page have not been saved with \"SAVE\" yet.\n"
                              "Do you want to save them now?";

bool Settle(QWidget* parent, CPendingEdits& edits, bool cancellable) {
    if (!edits.HasPendingEdits()) {
        return true;
    }
    const MessageBox::Answer answer =
        MessageBox::Show(parent, QString::fromLatin1(kQuestion),
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
