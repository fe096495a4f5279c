#include "RestoreBackupDlg.h"

#include "ReceiverBackups.h"
#include "TransferRuns.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

CRestoreBackupDlg::CRestoreBackupDlg(QWidget* parent, const QString& folder) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("RestoreBackupDlg", "Restore Receiver Backup"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(
        QCoreApplication::translate("RestoreBackupDlg", "Backups of the receiver's list in %1:").arg(folder), this);
    label->setObjectName(QStringLiteral("folderLabel"));
    layout->addWidget(label);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("backupList"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({QCoreApplication::translate("RestoreBackupDlg", "Date"),
                             QCoreApplication::translate("RestoreBackupDlg", "Size"),
                             QCoreApplication::translate("RestoreBackupDlg", "Channels")});
    for (const transfer::ReceiverBackup& backup : transfer::ListBackups(QFile::encodeName(folder).toStdString())) {
        auto* item = new QTreeWidgetItem(
            m_list, {QString::fromStdString(backup.date),
                     transfer::GroupedNumber(backup.size) + QCoreApplication::translate("RestoreBackupDlg", " bytes"),
                     backup.channels >= 0 ? QString::number(backup.channels) : QStringLiteral("?")});
        item->setData(0, Qt::UserRole, QFile::decodeName(QByteArray::fromStdString(backup.path)));
    }
    if (m_list->topLevelItemCount() > 0) {
        m_list->setCurrentItem(m_list->topLevelItem(0));
    }
    layout->addWidget(m_list);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* send =
        buttons->addButton(QCoreApplication::translate("RestoreBackupDlg", "Send(&S)"), QDialogButtonBox::AcceptRole);
    send->setObjectName(QStringLiteral("sendButton"));
    send->setEnabled(m_list->topLevelItemCount() > 0);
    buttons->addButton(QCoreApplication::translate("RestoreBackupDlg", "Cancel(&C)"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancelButton"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
}

QString CRestoreBackupDlg::ChosenPath() const {
    const QTreeWidgetItem* item = m_list->currentItem();
    return item != nullptr ? item->data(0, Qt::UserRole).toString() : QString();
}
