#include "shell/UsbCommands.h"

#include "document/OrvaneDoc.h"
#include "seams/ModalDialog.h"
#include "transfer/ReceiverBackups.h"
#include "transfer/RestoreBackupDlg.h"
#include "transfer/UsbDownloadDlg.h"
#include "transfer/UsbUploadDlg.h"

#include <QFile>

#include <array>

namespace UsbCommands {

void UsbDownload(COrvaneDoc& doc) {
    // The working copy is sent as it stands; the connection stays open on it.
    CUsbDownloadDlg dlg(nullptr, doc.WorkPath());
    ModalDialog::Exec(dlg);
}

void UsbUpload(COrvaneDoc& doc) {
    std::array<char, kUploadPathSize> received{};
    CUsbUploadDlg dlg(nullptr, received);
    if (ModalDialog::Exec(dlg) != QDialog::Accepted) {
        return;
    }
    // Through the save prompt: the received file replaces the open one, and its
    // unsaved changes would otherwise be left behind in a working copy nobody reopens.
    if (doc.OpenDocumentFile(QFile::decodeName(received.data()), received.data())) {
        emit doc.channelContainerWanted();
    }
}

void RestoreReceiverBackup(COrvaneDoc& /*doc*/) {
    CRestoreBackupDlg chooser(nullptr, QFile::decodeName(transfer::DefaultBackupFolder().c_str()));
    if (ModalDialog::Exec(chooser) != QDialog::Accepted || chooser.ChosenPath().isEmpty()) {
        return;
    }
    CUsbDownloadDlg dlg(nullptr, QString());
    dlg.SetBackupToRestore(chooser.ChosenPath());
    ModalDialog::Exec(dlg);
}

} // namespace UsbCommands
