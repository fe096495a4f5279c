#include "document/OrvaneDoc.h"

#include "db/SchemaGate.h"
#include "db/UndoHistory.h"
#include "seams/AppMessages.h"
#include "seams/AppTitle.h"
#include "seams/DocView.h"
#include "seams/FileChooser.h"
#include "seams/MessageBox.h"
#include "seams/ModalDialog.h"
#include "seams/PendingEdits.h"
#include "userfile/AtomicFileCopy.h"
#include "userfile/EditorLock.h"
#include "userfile/SqliteSidecars.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <iterator>

#include <sys/stat.h>
#include <unistd.h>

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

// Copies the user's file to a fresh working copy that this editor can write.
bool MakeWorkingCopy(const std::string& path, const std::string& workPath, std::string* error) {
    // A stale journal beside the old working copy would roll the fresh copy back, an
    // old copy left by a failed copy would show the wrong contents, and an old copy
    // that is read-only or a link must not be written into: it is removed first.
    if (!filecopy::RemoveSqliteSidecars(workPath, error)) {
        return false;
    }
    ::unlink(workPath.c_str());
    if (!filecopy::ReplaceWithCopy(path, workPath, error)) {
        return false;
    }
    // A read-only user's file must still give a working copy its editor can write.
    struct stat info {};
    if (::stat(workPath.c_str(), &info) == 0) {
        ::chmod(workPath.c_str(), (info.st_mode & 07777) | S_IRUSR | S_IWUSR);
    }
    return true;
}

std::vector<std::string> LockPathsOf(const QString& path) {
    return CEditorLock::PathsFor(Native(path));
}

// What `path` is when it is something other than a regular file (a folder, a named
// pipe, a device, a socket), empty for a regular or missing file. Asked of the file
// system before anything opens the path: opening a named pipe would wait for a
// writer, and a device may never end its contents.
QString NotARegularFile(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || S_ISREG(info.st_mode)) {
        return {};
    }
    if (S_ISDIR(info.st_mode)) {
        return QStringLiteral("a folder");
    }
    if (S_ISFIFO(info.st_mode)) {
        return QStringLiteral("a named pipe");
    }
    if (S_ISSOCK(info.st_mode)) {
        return QStringLiteral("a socket");
    }
    return QStringLiteral("a device");
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
    if (const QString kind = NotARegularFile(path); !kind.isEmpty()) {
        MessageBox::Tell(m_dialogParent,
                         QStringLiteral("%1 is %2, not a DB file, so it is not opened.").arg(path, kind));
        return false;
    }
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

    const QString workPath = path + QStringLiteral(".bak");
    const std::vector<std::string> lockPaths = LockPathsOf(path);
    std::vector<std::unique_ptr<CEditorLock>> locks;
    if (!LockFile(lockPaths, locks)) {
        MessageBox::Tell(
            m_dialogParent,
            QStringLiteral("Another window has %1 open. Close it there before opening it here.").arg(path));
        return false;
    }
    // The working copy must hold what SQLite reads of the file, so a journal or WAL
    // left beside it by a writer is settled first; a byte copy alone would miss it.
    std::string error;
    if (!filecopy::ResolveSqliteSidecars(filecopy::FollowLinks(Native(path)), &error)) {
        MessageBox::Tell(m_dialogParent, QStringLiteral("%1 cannot be read the way SQLite reads it, so it is not "
                                                        "opened.\n%2")
                                             .arg(path, QString::fromLocal8Bit(error.c_str())));
        return false;
    }
    KeepLocks(lockPaths, std::move(locks));

    m_strWorkPath = workPath;
    m_strOrigPath = path;
    g_dbModified = 0;
    // The steps of the old file cannot be undone in another one.
    UndoHistory().Clear();
    // The old connection is closed before its file can be replaced beneath it.
    CloseDatabase();

    if (!MakeWorkingCopy(Native(path), Native(m_strWorkPath), &error)) {
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
    // A file another window edits would be replaced under it, and its next save
    // would silently replace this one in turn.
    std::vector<std::unique_ptr<CEditorLock>> targetLocks;
    if (!LockFile(LockPathsOf(target), targetLocks)) {
        MessageBox::Tell(
            m_dialogParent,
            QStringLiteral("Another window has %1 open. Close it there before saving over it.").arg(target));
        return false;
    }
    if (!CopyWorkingCopyTo(target)) {
        return false;
    }
    // Save writes there again from now on, so no other window may take it up.
    for (auto& lock : targetLocks) {
        m_locks.push_back(std::move(lock));
    }
    g_dbModified = 0;
    UndoHistory().MarkSaved();
    return true;
}

bool COrvaneDoc::SaveModified() {
    if (g_dbModified != 0 && g_db != nullptr) {
        // Esc and the box's close button answer Cancel: "not now" must never throw the
        // changes away, so the pending action stops and the file stays open as it is.
        const MessageBox::Answer answer =
            MessageBox::Show(m_dialogParent, QStringLiteral("Do you want to save the changed DB contents?"),
                             MessageBox::Buttons::YesNoCancel);
        if (answer == MessageBox::Answer::Cancel) {
            return false;
        }
        const bool yes = answer == MessageBox::Answer::Yes;
        // A failed copy keeps the flag and stops the pending action: the changes exist
        // only in the working copy, which the next open of the file would re-make.
        if (yes && !CopyWorkingCopyTo(m_strOrigPath)) {
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

bool COrvaneDoc::LockFile(const std::vector<std::string>& lockPaths,
                          std::vector<std::unique_ptr<CEditorLock>>& taken) const {
    std::vector<std::string> missing; // reopening this window's own file takes none again
    std::copy_if(lockPaths.begin(), lockPaths.end(), std::back_inserter(missing), [this](const std::string& path) {
        return std::none_of(m_locks.begin(), m_locks.end(), [&](const auto& lock) { return lock->Path() == path; });
    });
    return CEditorLock::TakeAll(missing, taken);
}

void COrvaneDoc::KeepLocks(const std::vector<std::string>& lockPaths, std::vector<std::unique_ptr<CEditorLock>> taken) {
    for (auto& lock : m_locks) {
        if (std::find(lockPaths.begin(), lockPaths.end(), lock->Path()) != lockPaths.end()) {
            taken.push_back(std::move(lock));
        }
    }
    m_locks = std::move(taken);
}

bool COrvaneDoc::CopyWorkingCopyTo(const QString& target) {
    if (m_strWorkPath.isEmpty()) {
        MessageBox::Tell(m_dialogParent, QString::fromLatin1(kNoDbMessage));
        return false;
    }
    // Replacing the working copy under the open connection would send every later
    // edit into a file that no longer has a name.
    const QString workFile = QFileInfo(m_strWorkPath).canonicalFilePath();
    if (!workFile.isEmpty() && QFileInfo(target).canonicalFilePath() == workFile) {
        MessageBox::Tell(m_dialogParent, QStringLiteral("The DB could not be saved to %1.\nIt is the working copy "
                                                        "itself; please choose another name.")
                                             .arg(target));
        return false;
    }
    if (g_db != nullptr) {
        // Every change must be in the file before its bytes are copied.
        if (sqlite3_get_autocommit(g_db) == 0) {
            MessageBox::Tell(m_dialogParent, QStringLiteral("The DB is in the middle of a change and was not saved. "
                                                            "Please try again."));
            return false;
        }
        // In WAL mode the last changes may still sit in the WAL; only a complete
        // checkpoint puts them into the file that is copied.
        int logFrames = 0;
        int copiedFrames = 0;
        if (sqlite3_wal_checkpoint_v2(g_db, nullptr, SQLITE_CHECKPOINT_TRUNCATE, &logFrames, &copiedFrames) !=
                SQLITE_OK ||
            logFrames != copiedFrames) {
            MessageBox::Tell(m_dialogParent,
                             QStringLiteral("The DB could not be saved to %1.\nThe last changes could not be gathered "
                                            "from %2-wal, another program may be reading it (%3).")
                                 .arg(target, m_strWorkPath, QString::fromUtf8(sqlite3_errmsg(g_db))));
            return false;
        }
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
    m_locks.clear();
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
    const QString path =
        FileChooser::GetOpenFileName(m_dialogParent, QStringLiteral("Open"), FileChooser::DbFileFilter());
    if (!path.isEmpty()) {
        OpenDocumentFile(path);
    }
}

bool COrvaneDoc::OpenDocumentFile(const QString& path) {
    if (!SettlePendingEdits() || !SaveModified() || !OnOpenDocument(path)) {
        return false;
    }
    SetPathName(path);
    InitialUpdateAllViews();
    return true;
}

void COrvaneDoc::FileSave() {
    if (m_pathName.isEmpty() || !QFileInfo::exists(m_pathName)) {
        FileSaveAs();
        return;
    }
    if (filecopy::IsReadOnlyFile(Native(m_pathName))) {
        // Said before the chooser, so the user knows why a name is asked for.
        MessageBox::Tell(m_dialogParent,
                         QStringLiteral("%1 is read-only, so the DB cannot be saved there. Please choose another name.")
                             .arg(m_pathName));
        FileSaveAs();
        return;
    }
    OnSaveDocument(m_pathName);
}

void COrvaneDoc::FileSaveAs() {
    // Said before the chooser: with no DB there is nothing a name could be given to.
    if (m_strWorkPath.isEmpty()) {
        MessageBox::Tell(m_dialogParent, QString::fromLatin1(kNoDbMessage));
        return;
    }
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
