#pragma once
// Every modal dialog of the program is run through ModalDialog::Exec. In a test the
// dialog is scripted instead of run modally: the next queued script receives the
// shown dialog and plays the user (fills fields, clicks OK or Cancel), so no test
// ever waits on a real modal loop.
//
//     ModalDialog::QueueScript([](QDialog& dlg) {
//         dlg.findChild<QLineEdit*>("nameEdit")->setText("Arte");
//         QTest::mouseClick(dlg.findChild<QPushButton*>("okButton"), Qt::LeftButton);
//     });
//     view.OnEditAdd();   // runs the dialog through the script above
#include <functional>

class QDialog;

namespace ModalDialog {

using Script = std::function<void(QDialog&)>;

// QDialog::exec(), or while scripted: show the dialog, run the next queued script on
// it, and return the dialog's result. A script that neither accepts nor rejects
// leaves the result Rejected; with no script queued the dialog is rejected at once.
int Exec(QDialog& dialog);

void SetScripted(bool scripted);
bool IsScripted();
void QueueScript(Script script);
// How many dialogs were run while scripted since the last call.
int TakeRunCount();

} // namespace ModalDialog
