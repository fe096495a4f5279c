// Linked into every GUI test: the modal-window guard is on from the moment the
// application object exists, before the first test function runs.
#include "ModalGuard.h"

#include <QCoreApplication>

namespace {

void InstallGuardAtStart() {
    testsupport::InstallModalGuard();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallGuardAtStart)
