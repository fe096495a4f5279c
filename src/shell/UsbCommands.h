#pragma once
// USB Upload and USB Download as the File menu runs them: the transfer dialogs work on
// the document's working copy, and an upload's file is opened through the document.
class COrvaneDoc;

namespace UsbCommands {

void UsbDownload(COrvaneDoc& doc);
void UsbUpload(COrvaneDoc& doc);
// Lists the backups of the receiver's list and sends the chosen one.
void RestoreReceiverBackup(COrvaneDoc& doc);

} // namespace UsbCommands
