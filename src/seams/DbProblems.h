#pragma once
// The boxes that tell the user about a file the editor did not write: a list that
// could not be read, and a row whose stored values the receiver's record cannot
// hold. One wording everywhere, shown through MessageBox.
#include <QString>

class QWidget;

// After a list read: a negative result (the read failed, for example on a damaged
// page) is shown once with SQLite's own error text, instead of an empty list that
// would look like an empty table. True when the read failed.
bool TellIfReadFailed(QWidget* parent, int result);

// A command that would act on, or write back, a row holding a value the receiver's
// fixed-width record cannot carry is refused with this box; `what` names the value,
// for example "satellite id 65537".
void TellValueDoesNotFit(QWidget* parent, const QString& what);
// After an operation or a fit check: kValueDoesNotFit is shown with the value the
// layer named. True when it was.
bool TellIfDoesNotFit(QWidget* parent, int result);
