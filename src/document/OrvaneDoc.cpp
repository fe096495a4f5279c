#include "document/OrvaneDoc.h"

#include "db/ReceiverConnection.h"
#include "db/UndoHistory.h"
#include "document/DocView.h"
#include "seams/AppMessages.h"
#include "seams/AppTitle.h"
#include "seams/FileChooser.h"
#include "seams/MessageBox.h"
#include "seams/ModalDialog.h"
#include "seams/NativeNames.h"
#include "seams/PendingEdits.h"
#include "userfile/AtomicFileCopy.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <climits>

#include <unistd.h>

namespace {

using Result = CUserFile::Result;

void CloseDatabase() {
    if (g_db != nullptr) {
        sqlite3_close(g_db);
        g_db = nullptr;
    }
}

std::string Native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// The editor's connection runs no trigger or view of the file; the user is told once,
// at open, which ones the file holds.
void TellTriggersAndViews(QWidget* parent, const QString& path) {
    if (const std::string told = dbconn::DescribeTriggersAndViews(dbconn::ListTriggersAndViews(g_db)); !told.empty()) {
        MessageBox::Tell(parent, QStringLiteral("%1 %2").arg(path, QString::fromUtf8(told.c_str())));
    }
}

} // namespace

COrvaneDoc::COrvaneDoc(QObject* parent)
    : QObject(parent), m_title(QCoreApplication::translate("OrvaneDoc", "Untitled")) {}

COrvaneDoc::~COrvaneDoc() {
    CloseDatabase();
}

// ---- document steps -------------------------------------------------------

bool COrvaneDoc::OnNewDocument() {
    UndoHistory().Clear();
    CloseDatabase();
    ClearPaths();
    m_pathName.clear();
    m_nativePathName.clear();
    SetTitle(QCoreApplication::translate("OrvaneDoc", "Untitled"));
    return true;
}

bool COrvaneDoc::OnOpenDocument(const QString& path, const std::string& native) {
    const std::string file = native.empty() ? Native(path) : native;
    // The views and transfers name the working copy as text, so one whose name is no
    // text is made in a private folder (as is one too long for SQLite).
    const std::string nativeWork = nativenames::RoundTrips(file) ? file + ".bak" : std::string();
    QString workPath = path + QStringLiteral(".bak");
    bool released = false;
    const CUserFile::Outcome opened = m_file.Open(file, nativeWork, &g_db, [&] {
        released = true;
        workPath = QFile::decodeName(QByteArray::fromStdString(m_file.WorkPath()));
        m_strWorkPath = workPath;
        m_strOrigPath = path;
        m_nativeOrigPath = file;
        g_dbModified = 0;
        // The steps of the old file cannot be undone in another one.
        UndoHistory().Clear();
    });
    if (opened.Ok()) {
        TellTriggersAndViews(m_dialogParent, path);
        return true;
    }
    const QString detail = QString::fromLocal8Bit(opened.detail.c_str());
    QString text;
    switch (opened.result) {
    case Result::NotRegularFile:
        text =
            QCoreApplication::translate("OrvaneDoc", "%1 is %2, not a DB file, so it is not opened.").arg(path, detail);
        break;
    case Result::NotFound:
        text = QCoreApplication::translate("OrvaneDoc", "%1 was not found.").arg(path);
        break;
    case Result::HeldElsewhere:
        text = QCoreApplication::translate("OrvaneDoc",
                                           "Another window has %1 open. Close it there before opening it here.")
                   .arg(path);
        break;
    case Result::PlantedLink:
        text = QCoreApplication::translate(
                   "OrvaneDoc", "%1 is not opened: %2 is a link or a file of another user where the editor keeps its "
                                "own file. Remove it and open the file again.")
                   .arg(path, detail);
        break;
    case Result::SidecarsUnsettled:
        text = QCoreApplication::translate("OrvaneDoc",
                                           "%1 cannot be read the way SQLite reads it, so it is not opened.\n%2")
                   .arg(path, detail);
        break;
    case Result::CopyFailed:
        text = QCoreApplication::translate("OrvaneDoc",
                                           "The working copy %1 could not be made, so the file is not opened.\n%2")
                   .arg(workPath, detail);
        break;
    case Result::OpenFailed:
        text = QCoreApplication::translate("OrvaneDoc", "File open failed reading DB");
        break;
    case Result::WrongRevision:
        text = QCoreApplication::translate("OrvaneDoc", "Invalid DB Version file. It must use %1")
                   .arg(QLatin1String(kSchemaRevision));
        break;
    case Result::WrongLayout:
        text = QCoreApplication::translate("OrvaneDoc",
                                           "The DB does not have the receiver's table layout, so it is not opened.\n%1")
                   .arg(detail);
        break;
    case Result::Unreadable:
    default:
        text = QCoreApplication::translate("OrvaneDoc", "Failed to open document.");
        break;
    }
    MessageBox::Tell(m_dialogParent, text);
    if (released) {
        // The refused file's working copy must never be saved over the file that was
        // open before, so the document forgets both paths.
        ClearPaths();
    }
    return false;
}

bool COrvaneDoc::OnSaveDocument(const QString& target, const std::string& native) {
    if (!CopyWorkingCopyTo(target, native, true)) {
        return false;
    }
    g_dbModified = 0;
    UndoHistory().MarkSaved();
    return true;
}

bool COrvaneDoc::SaveModified() {
    if (g_dbModified != 0 && g_db != nullptr) {
        // Esc and the box's close button answer Cancel: "not now" must never throw the
        // changes away, so the pending action stops and the file stays open as it is.
        const MessageBox::Answer answer = MessageBox::Show(
            m_dialogParent, QCoreApplication::translate("OrvaneDoc", "Do you want to save the changed DB contents?"),
            MessageBox::Buttons::YesNoCancel);
        if (answer == MessageBox::Answer::Cancel) {
            return false;
        }
        const bool yes = answer == MessageBox::Answer::Yes;
        // A failed copy keeps the flag and stops the pending action: the changes exist
        // only in the working copy, which the next open of the file would re-make.
        if (yes && !CopyWorkingCopyTo(m_strOrigPath, m_nativeOrigPath, false)) {
            return false;
        }
        g_dbModified = 0;
        if (yes) {
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

bool COrvaneDoc::CopyWorkingCopyTo(const QString& target, const std::string& native, bool takeTargetLocks) {
    const std::string file = native.empty() ? Native(target) : native;
    CUserFile::Outcome saved = m_file.Save(file, g_db, takeTargetLocks);
    if (saved.result == Result::ChangedOnDisk) {
        // No keeps the changes unsaved, for Save As.
        if (!MessageBox::AskYesNo(m_dialogParent,
                                  QCoreApplication::translate(
                                      "OrvaneDoc", "%1 was changed by another program since you opened it. Replace it "
                                                   "with your version?\nChoose No to keep it and use Save As instead.")
                                      .arg(target))) {
            return false;
        }
        saved = m_file.Save(file, g_db, takeTargetLocks, true);
    }
    const QString detail = QString::fromLocal8Bit(saved.detail.c_str());
    QString text;
    switch (saved.result) {
    case Result::Ok:
        return true;
    case Result::HeldElsewhere:
        // A file another window edits would be replaced under it.
        text = QCoreApplication::translate("OrvaneDoc",
                                           "Another window has %1 open. Close it there before saving over it.")
                   .arg(target);
        break;
    case Result::PlantedLink:
        text = QCoreApplication::translate(
                   "OrvaneDoc", "The DB could not be saved to %1.\n%2 is a link or a file of another user where the "
                                "editor keeps its own file; remove it first.")
                   .arg(target, detail);
        break;
    case Result::NoWorkingCopy:
        text = NoDbMessage();
        break;
    case Result::TargetIsWorkingCopy:
        text =
            QCoreApplication::translate(
                "OrvaneDoc", "The DB could not be saved to %1.\nIt is the working copy itself; please choose another "
                             "name.")
                .arg(target);
        break;
    case Result::MidTransaction:
        text = QCoreApplication::translate("OrvaneDoc",
                                           "The DB is in the middle of a change and was not saved. Please try again.");
        break;
    case Result::CheckpointIncomplete:
        text = QCoreApplication::translate(
                   "OrvaneDoc", "The DB could not be saved to %1.\nThe last changes could not be gathered from %2-wal, "
                                "another program may be reading it (%3).")
                   .arg(target, m_strWorkPath, QString::fromUtf8(saved.detail.c_str()));
        break;
    case Result::WriteFailed:
    default:
        text = QCoreApplication::translate("OrvaneDoc", "The DB could not be saved to %1.\n%2").arg(target, detail);
        break;
    }
    MessageBox::Tell(m_dialogParent, text);
    return false;
}

void COrvaneDoc::ClearPaths() {
    m_strWorkPath.clear();
    m_strOrigPath.clear();
    m_nativeOrigPath.clear();
    m_file.Close();
}

// ---- commands ---------------------------------------------------------------

void COrvaneDoc::FileNew() {
    if (!SettlePendingEdits() || !SaveModified()) {
        return;
    }
    OnNewDocument();
    InitialUpdateAllViews();
}

void COrvaneDoc::FileOpen() {
    const QString path = FileChooser::GetOpenFileName(m_dialogParent, QCoreApplication::translate("OrvaneDoc", "Open"),
                                                      FileChooser::DbFileFilter());
    if (!path.isEmpty()) {
        OpenDocumentFile(path);
    }
}

bool COrvaneDoc::OpenDocumentFile(const QString& path, const std::string& native) {
    if (!SettlePendingEdits() || !SaveModified() || !OnOpenDocument(path, native)) {
        return false;
    }
    // The recent list keeps names as text: one that is no text could not be opened from it.
    SetPathName(path, native.empty() || nativenames::RoundTrips(native), native);
    InitialUpdateAllViews();
    return true;
}

void COrvaneDoc::FileSave() {
    if (m_pathName.isEmpty() || ::access(m_nativePathName.c_str(), F_OK) != 0) {
        FileSaveAs();
        return;
    }
    if (filecopy::IsReadOnlyFile(m_nativePathName)) {
        // Said before the chooser, so the user knows why a name is asked for.
        MessageBox::Tell(
            m_dialogParent,
            QCoreApplication::translate("OrvaneDoc",
                                        "%1 is read-only, so the DB cannot be saved there. Please choose another name.")
                .arg(m_pathName));
        FileSaveAs();
        return;
    }
    OnSaveDocument(m_pathName, m_nativePathName);
}

void COrvaneDoc::FileSaveAs() {
    // Said before the chooser: with no DB there is nothing a name could be given to.
    if (m_strWorkPath.isEmpty()) {
        MessageBox::Tell(m_dialogParent, NoDbMessage());
        return;
    }
    QString suggested = m_pathName;
    if (suggested.isEmpty() && !m_strOrigPath.isEmpty()) {
        suggested = m_strOrigPath;
    }
    QString target = FileChooser::GetSaveFileName(m_dialogParent, QCoreApplication::translate("OrvaneDoc", "Save As"),
                                                  suggested, FileChooser::DbFileFilter());
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

void COrvaneDoc::SetPathName(const QString& path, bool addToRecent, const std::string& native) {
    m_pathName = QFileInfo(path).absoluteFilePath();
    m_nativePathName = Native(m_pathName);
    if (!native.empty()) {
        char folder[PATH_MAX];
        m_nativePathName = native.front() == '/' || ::getcwd(folder, sizeof folder) == nullptr
                               ? native
                               : std::string(folder) + "/" + native;
    }
    SetTitle(QFileInfo(path).fileName());
    if (addToRecent) {
        emit recentFileUsed(m_pathName);
    }
}

void COrvaneDoc::SetTitle(const QString& title) {
    m_title = title;
    emit titleChanged(m_title);
}
