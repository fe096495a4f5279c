#include "shell/UsbCommands.h"

#include "document/OrvaneDoc.h"
#include "seams/ModalDialog.h"
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
    if (doc.OpenDocumentFile(QFile::decodeName(received.data()))) {
        emit doc.channelContainerWanted();
    }
}

} // namespace UsbCommands
