#pragma once
// COrvaneDoc: the one document, standing for one receiver database file. It decides
// which file g_db edits (always a working copy, the opened path + ".bak", or one in a
// private folder when that name is too long for SQLite or no text), when the user's
// file is replaced by the edited contents, and when the user is asked about unsaved
// changes. Views join it and receive its updates.
#include "db/ChannelDB.h"
#include "userfile/UserFile.h"

#include <QList>
#include <QObject>
#include <QString>

#include <string>

class CDocView;
class QWidget;

class COrvaneDoc : public QObject {
    Q_OBJECT
public:
    explicit COrvaneDoc(QObject* parent = nullptr);
    ~COrvaneDoc() override;

    // The document steps.
    bool OnNewDocument();
    // `native`, when given, is the file's name as the system gave its bytes (a name
    // that is no text of the locale); `path` is then that name as shown.
    bool OnOpenDocument(const QString& path, const std::string& native = {});
    bool OnSaveDocument(const QString& target, const std::string& native = {});
    // False when the user cancelled (Cancel, Esc, the close box) or chose to save and
    // the save failed: the pending action (New, Open, Close, Exit, the open after an
    // upload) must then not go on, or the unsaved changes would be lost.
    bool SaveModified();
    // Asks about edits a view holds that are not stored yet (see PendingEdits.h);
    // false when the command must stop.
    bool SettlePendingEdits(bool cancellable = true);

    // The commands as the menu runs them: each includes the steps around it (the
    // save prompt before replacing the document, the chooser, title and recent list).
    void FileNew();
    void FileOpen();
    bool OpenDocumentFile(const QString& path, const std::string& native = {});
    void FileSave();
    void FileSaveAs();

    // Views.
    void AddView(CDocView* view);
    void RemoveView(CDocView* view);
    void UpdateAllViews(CDocView* sender, int hint);
    void InitialUpdateAllViews();

    QString GetPathName() const { return m_pathName; }
    void SetPathName(const QString& path, bool addToRecent = true, const std::string& native = {});
    QString GetTitle() const { return m_title; }
    void SetTitle(const QString& title);

    QString WorkPath() const { return m_strWorkPath; }
    QString OrigPath() const { return m_strOrigPath; }

    // Parent of the boxes and choosers the document opens.
    void SetDialogParent(QWidget* parent) { m_dialogParent = parent; }
    QWidget* DialogParent() const { return m_dialogParent; }

signals:
    void titleChanged(const QString& title);
    // A path the recent-file list takes: after an open, a Save As or an upload.
    void recentFileUsed(const QString& path);
    // After an upload the editing area shows the channel container.
    void channelContainerWanted();

private:
    // Replaces `target` with the working copy (taking the target's locks first when
    // asked); false, with the reason told, when it was not saved.
    bool CopyWorkingCopyTo(const QString& target, const std::string& native, bool takeTargetLocks);
    void ClearPaths();

    QString m_strWorkPath;
    QString m_strOrigPath;
    QString m_pathName;
    std::string m_nativeOrigPath; // the two paths as the system takes them
    std::string m_nativePathName;
    QString m_title;
    CUserFile m_file; // the working copy's steps and the editor locks this window holds
    QList<CDocView*> m_views;
    QWidget* m_dialogParent = nullptr;
};
