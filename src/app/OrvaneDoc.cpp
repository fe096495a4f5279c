#include "OrvaneDoc.h"

#include "AppMessages.h"
#include "AppTitle.h"
#include "AtomicFileCopy.h"
#include "DocView.h"
#include "FileChooser.h"
#include "MessageBox.h"
#include "ModalDialog.h"
#include "PendingEdits.h"
#include "db/SchemaGate.h"
#include "db/UndoHistory.h"
#include "transfer/UsbDownloadDlg.h"
#include "transfer/UsbUploadDlg.h"

#include <QFile>
#include <QFileInfo>

#include <array>

namespace {

void CloseDatabase() {
    if (g_db != nullptr) {
        sqlite3_close(g_db);
        g_db = nullptr;
    }
}

std::string Native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

COrvaneDoc::COrvaneDoc(QObject* parent) : QObject(parent), m_title(QStringLiteral("Untitled")) {}

COrvaneDoc::~COrvaneDoc() {
    CloseDatabase();
}

// ---- document steps -------------------------------------------------------

bool COrvaneDoc::OnNewDocument() {
    UndoHistory().Clear();
    CloseDatabase();
    ClearPaths();
    m_pathName.clear();
    SetTitle(QStringLiteral("Untitled"));
    return true;
}

bool COrvaneDoc::OnOpenDocument(const QString& path) {
    QFile probe(path);
    if (!probe.exists()) {
        MessageBox::Tell(m_dialogParent, QStringLiteral("%1 was not found.").arg(path));
        return false;
    }
    if (!probe.open(QIODevice::ReadOnly)) {
        MessageBox::Tell(m_dialogParent, QStringLiteral("Failed to open document."));
        return false;
    }
    probe.close();

    m_strWorkPath = path + QStringLiteral(".bak");
    m_strOrigPath = path;
    g_dbModified = 0;
    // The steps of the old file cannot be undone in another one.
    UndoHistory().Clear();
    // The old connection is closed before its file can be replaced beneath it.
    CloseDatabase();

    // A stale journal beside the old working copy would roll the fresh copy back,
    // and opening an old copy after a failed copy would show the wrong contents.
    std::string error;
    if (!filecopy::RemoveSqliteSidecars(Native(m_strWorkPath), &error) ||
        !filecopy::ReplaceWithCopy(Native(path), Native(m_strWorkPath), &error)) {
        MessageBox::Tell(m_dialogParent, QStringLiteral("The working copy %1 could not be made, so the file is not "
                                                        "opened.\n%2")
                                             .arg(m_strWorkPath, QString::fromLocal8Bit(error.c_str())));
        ClearPaths();
        return false;
    }

    if (sqlite3_open(QFile::encodeName(m_strWorkPath).constData(), &g_db) != SQLITE_OK || g_db == nullptr) {
        CloseDatabase();
        MessageBox::Tell(m_dialogParent, QStringLiteral("File open failed reading DB"));
        ClearPaths();
        return false;
    }
    if (m_db.CheckSchemaRevision() != 0) {
        MessageBox::Tell(m_dialogParent,
                         QStringLiteral("Invalid DB Version file. It must use %1").arg(QLatin1String(kSchemaRevision)));
        CloseDatabase();
        // The refused file's working copy must never be saved over the file that
        // was open before, so the document forgets both paths.
        ClearPaths();
        return false;
    }
    // Reads and inserts go by column position: a table laid out otherwise would have
    // one column's value read, shown and written back as another's.
    if (const std::string problem = dbschema::CheckTableLayout(g_db); !problem.empty()) {
        MessageBox::Tell(m_dialogParent, QStringLiteral("The DB does not have the receiver's table layout, so it is "
                                                        "not opened.\n%1")
                                             .arg(QString::fromStdString(problem)));
        CloseDatabase();
        ClearPaths();
        return false;
    }
    return true;
}

bool COrvaneDoc::OnSaveDocument(const QString& target) {
    if (!CopyWorkingCopyTo(target)) {
        return false;
    }
    g_dbModified = 0;
    UndoHistory().MarkSaved();
    return true;
}

bool COrvaneDoc::SaveModified() {
    if (g_dbModified != 0 && g_db != nullptr) {
        const bool yes =
            MessageBox::AskYesNo(m_dialogParent, QStringLiteral("Do you want to save the changed DB contents?"));
        // A failed copy keeps the flag, so the changes are still known to be unsaved.
        if (!yes || CopyWorkingCopyTo(m_strOrigPath)) {
            g_dbModified = 0;
        }
        if (yes && g_dbModified == 0) {
            UndoHistory().MarkSaved();
        }
    }
    return true;
}

bool COrvaneDoc::SettlePendingEdits(bool cancellable) {
    const QList<CDocView*> views = m_views;
    for (CDocView* view : views) {
        auto* edits = dynamic_cast<CPendingEdits*>(view);
        if (edits != nullptr && m_views.contains(view) && !PendingEdits::Settle(m_dialogParent, *edits, cancellable)) {
            return false;
        }
    }
    return true;
}

bool COrvaneDoc::CopyWorkingCopyTo(const QString& target) {
    if (m_strWorkPath.isEmpty()) {
        MessageBox::Tell(m_dialogParent, QString::fromLatin1(kNoDbMessage));
        return false;
    }
    if (g_db != nullptr) {
        // Every change must be in the file before its bytes are copied.
        if (sqlite3_get_autocommit(g_db) == 0) {
            MessageBox::Tell(m_dialogParent, QStringLiteral("The DB is in the middle of a change and was not saved. "
                                                            "Please try again."));
            return false;
        }
        sqlite3_wal_checkpoint_v2(g_db, nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
    }
    std::string error;
    if (!filecopy::ReplaceWithCopy(Native(m_strWorkPath), Native(target), &error)) {
        MessageBox::Tell(
            m_dialogParent,
            QStringLiteral("The DB could not be saved to %1.\n%2").arg(target, QString::fromLocal8Bit(error.c_str())));
        return false;
    }
    return true;
}

void COrvaneDoc::ClearPaths() {
    m_strWorkPath.clear();
    m_strOrigPath.clear();
}

// ---- commands ---------------------------------------------------------------

void COrvaneDoc::FileNew() {
    if (!SettlePendingEdits()) {
        return;
    }
    SaveModified();
    OnNewDocument();
    InitialUpdateAllViews();
}

void COrvaneDoc::FileOpen() {
    const QString path =
        FileChooser::GetOpenFileName(m_dialogParent, QStringLiteral("Open"), FileChooser::DbFileFilter());
    if (!path.isEmpty()) {
        OpenDocumentFile(path);
    }
}

bool COrvaneDoc::OpenDocumentFile(const QString& path) {
    if (!SettlePendingEdits()) {
        return false;
    }
    SaveModified();
    if (!OnOpenDocument(path)) {
        return false;
    }
    SetPathName(path);
    InitialUpdateAllViews();
    return true;
}

void COrvaneDoc::FileSave() {
    const QFileInfo target(m_pathName);
    if (m_pathName.isEmpty() || !target.exists() || !target.isWritable()) {
        FileSaveAs();
        return;
    }
    OnSaveDocument(m_pathName);
}

void COrvaneDoc::FileSaveAs() {
    QString suggested = m_pathName;
    if (suggested.isEmpty() && !m_strOrigPath.isEmpty()) {
        suggested = m_strOrigPath;
    }
    QString target =
        FileChooser::GetSaveFileName(m_dialogParent, QStringLiteral("Save As"), suggested, FileChooser::DbFileFilter());
    if (target.isEmpty()) {
        return;
    }
    if (QFileInfo(target).suffix().isEmpty()) {
        target += QStringLiteral(".dat");
    }
    if (OnSaveDocument(target)) {
        SetPathName(target);
    }
}

void COrvaneDoc::OnUsbDownload() {
    // The working copy is sent as it stands; the connection stays open on it.
    CUsbDownloadDlg dlg(nullptr, m_strWorkPath);
    ModalDialog::Exec(dlg);
}

void COrvaneDoc::OnUsbUpload() {
    std::array<char, kUploadPathSize> received{};
    CUsbUploadDlg dlg(nullptr, received);
    if (ModalDialog::Exec(dlg) != QDialog::Accepted) {
        return;
    }
    // Through the save prompt: the received file replaces the open one, and its
    // unsaved changes would otherwise be left behind in a working copy nobody reopens.
    if (OpenDocumentFile(QFile::decodeName(received.data()))) {
        emit channelContainerWanted();
    }
}

// ---- views and names ----------------------------------------------------------

void COrvaneDoc::AddView(CDocView* view) {
    m_views.append(view);
}

void COrvaneDoc::RemoveView(CDocView* view) {
    m_views.removeAll(view);
}

void COrvaneDoc::UpdateAllViews(CDocView* sender, int hint) {
    // A view may leave the document while it handles the update.
    const QList<CDocView*> views = m_views;
    for (CDocView* view : views) {
        if (view != sender && m_views.contains(view)) {
            view->OnUpdate(sender, hint);
        }
    }
}

void COrvaneDoc::InitialUpdateAllViews() {
    const QList<CDocView*> views = m_views;
    for (CDocView* view : views) {
        if (m_views.contains(view)) {
            view->OnInitialUpdate();
        }
    }
}

void COrvaneDoc::SetPathName(const QString& path, bool addToRecent) {
    m_pathName = QFileInfo(path).absoluteFilePath();
    SetTitle(QFileInfo(path).fileName());
    if (addToRecent) {
        emit recentFileUsed(m_pathName);
    }
}

void COrvaneDoc::SetTitle(const QString& title) {
    m_title = title;
    emit titleChanged(m_title);
}
