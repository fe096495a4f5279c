#pragma once
// The modal-window guard of the GUI tests. A window that runs modally outside the
// scripted seams (ModalDialog::Exec, MessageBox, FileChooser) would wait for a user
// who never comes, and the test would hang until ctest kills it. The guard watches
// every dialog that shows: one that is a message box or a file chooser, or that
// shows modally (exec(), open()), fails the running test at once with its title and
// text, and is closed so the test ends in seconds.
//
// It is on in every GUI test (each links a start-up hook that installs it when the
// application object is made) and testsupport::ResetEnvironment() makes sure of it.

namespace testsupport {

// Installs the guard on the application; a second call does nothing.
void InstallModalGuard();

} // namespace testsupport
