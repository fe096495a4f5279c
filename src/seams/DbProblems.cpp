#include "seams/DbProblems.h"

#include <QCoreApplication>

#include "db/ChannelDB.h"
#include "seams/MessageBox.h"

bool TellIfReadFailed(QWidget* parent, int result) {
    if (result >= 0) {
        return false;
    }
    if (TellIfDoesNotFit(parent, result)) {
        return true;
    }
    // -7 is the layer's own "no memory" result, not an SQLite code.
    const QString reason = result == -7 ? QCoreApplication::translate("DbProblems", "not enough memory")
                                        : QString::fromUtf8(LastDbErrorText());
    MessageBox::Tell(
        parent, QCoreApplication::translate("DbProblems", "The list could not be read from the DB: %1.").arg(reason));
    return true;
}

bool TellIfDoesNotFit(QWidget* parent, int result) {
    if (result != kValueDoesNotFit) {
        return false;
    }
    TellValueDoesNotFit(parent, QString::fromUtf8(LastDbErrorText()));
    return true;
}

void TellValueDoesNotFit(QWidget* parent, const QString& what) {
    MessageBox::Tell(parent, QCoreApplication::translate(
                                 "DbProblems", "This row holds a value that the receiver's format does not allow (%1). "
                                               "It is left unchanged.")
                                 .arg(what));
}
