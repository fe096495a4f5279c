#pragma once
// A view that edits in memory and stores only on its own command (the LNB page's
// "SAVE") holds edits the database does not have yet. Before anything drops such a
// view or reloads it (switching views, Close, New, Open, an upload that opens a file,
// Exit) the user is asked whether to store them first, so nothing is lost without a
// question.
class QString;
class QWidget;

class CPendingEdits {
public:
    virtual ~CPendingEdits() = default;
    virtual bool HasPendingEdits() const = 0;
    // Stores the edits as the view's own command does; false when that failed (the
    // view has told the user, and the edits are kept).
    virtual bool SavePendingEdits() = 0;
    // Forgets the edits: the view shows what is stored again.
    virtual void DiscardPendingEdits() = 0;
};

namespace PendingEdits {

// Asks about the pending edits of `edits` (nothing when there are none): Yes stores
// them, No discards them, and Cancel, offered when `cancellable`, keeps everything.
// True when the command may go on; false after Cancel or a failed store.
bool Settle(QWidget* parent, CPendingEdits& edits, bool cancellable);

// The question asked.
extern const char* const kQuestion;

} // namespace PendingEdits
