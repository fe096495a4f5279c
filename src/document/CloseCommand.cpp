#include "document/CloseCommand.h"

#include <QCoreApplication>

#include "db/ChannelDB.h"
#include "document/OrvaneDoc.h"

void CloseDatabaseInViews(COrvaneDoc& doc, const std::function<void()>& emptyViews) {
    if (!doc.SettlePendingEdits()) {
        return;
    }
    // The save prompt runs while the database is still open: closing it first would
    // silence the prompt and drop every unsaved edit without a word.
    // A failed Yes-save leaves the file open with its changes marked.
    if (!doc.SaveModified()) {
        return;
    }
    if (g_db != nullptr) {
        sqlite3_close(g_db);
        g_db = nullptr;
    }
    emptyViews();
    doc.OnNewDocument();
    // The new-document step names the document "Untitled"; a closed file reads "No Title".
    doc.SetTitle(QCoreApplication::translate("CloseCommand", "No Title"));
}
