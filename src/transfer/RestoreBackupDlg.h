#pragma once
// CRestoreBackupDlg: "Restore Receiver Backup", lists the backups of the receiver's list
// taken before downloads (date, size, channels), newest first, and gives the chosen
// one's path; the caller sends it with the USB Download dialog and its checks.
#include <QDialog>
#include <QString>

class QTreeWidget;

class CRestoreBackupDlg : public QDialog {
    Q_OBJECT
public:
    // Lists the backups in `folder`.
    CRestoreBackupDlg(QWidget* parent, const QString& folder);

    // The chosen backup's path, empty when none is chosen.
    QString ChosenPath() const;

private:
    QTreeWidget* m_list = nullptr;
};
