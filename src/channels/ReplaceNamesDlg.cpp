#include "ReplaceNamesDlg.h"

#include "seams/DialogFields.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

CReplaceNamesDlg::CReplaceNamesDlg(QList<Name> names, QWidget* parent)
    : QDialog(parent), m_names(std::move(names)), m_find(dialogfields::NewEdit("findEdit", 0, this)),
      m_replace(dialogfields::NewEdit("replaceEdit", 0, this)),
      m_ignoreCase(new QCheckBox(QCoreApplication::translate("ReplaceNamesDlg", "&Ignore case"), this)),
      m_preview(new QTableWidget(0, 3, this)), m_summary(new QLabel(this)) {
    setObjectName(QStringLiteral("replaceNamesDlg"));
    setWindowTitle(QCoreApplication::translate("ReplaceNamesDlg", "Replace in Names"));
    m_ignoreCase->setObjectName(QStringLiteral("ignoreCaseCheckBox"));
    m_preview->setObjectName(QStringLiteral("previewTable"));
    m_preview->setHorizontalHeaderLabels({QCoreApplication::translate("ReplaceNamesDlg", "Old name"),
                                          QCoreApplication::translate("ReplaceNamesDlg", "New name"), QString()});
    m_preview->horizontalHeader()->setStretchLastSection(true);
    m_preview->verticalHeader()->hide();
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_summary->setObjectName(QStringLiteral("summaryLabel"));

    auto* grid = new QGridLayout;
    dialogfields::AddRow(grid, 0, 0, QCoreApplication::translate("ReplaceNamesDlg", "&Find:"), m_find);
    dialogfields::AddRow(grid, 1, 0, QCoreApplication::translate("ReplaceNamesDlg", "&Replace with:"), m_replace);
    grid->addWidget(m_ignoreCase, 2, 1);
    const dialogfields::Buttons buttons = dialogfields::NewButtons(this);
    m_ok = buttons.ok;
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(m_summary, 1);
    row->addWidget(m_ok);
    row->addWidget(buttons.cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_preview, 1);
    layout->addLayout(row);
    resize(480, 420);

    connect(m_find, &QLineEdit::textChanged, this, &CReplaceNamesDlg::UpdatePreview);
    connect(m_replace, &QLineEdit::textChanged, this, &CReplaceNamesDlg::UpdatePreview);
    connect(m_ignoreCase, &QCheckBox::toggled, this, &CReplaceNamesDlg::UpdatePreview);
    UpdatePreview();
}

QList<CReplaceNamesDlg::Change> CReplaceNamesDlg::Plan(const QList<Name>& names, const QString& find,
                                                       const QString& replacement, Qt::CaseSensitivity cs) {
    QList<Change> changes;
    if (find.isEmpty()) {
        return changes;
    }
    for (const Name& name : names) {
        if (!name.name.contains(find, cs)) {
            continue;
        }
        QString renamed = name.name;
        renamed.replace(find, replacement, cs);
        if (renamed != name.name) {
            changes.append({name.chId, name.name, renamed, renamed.toUtf8().size() > kNameBytes});
        }
    }
    return changes;
}

void CReplaceNamesDlg::UpdatePreview() {
    m_changes = Plan(m_names, m_find->text(), m_replace->text(),
                     m_ignoreCase->isChecked() ? Qt::CaseInsensitive : Qt::CaseSensitive);
    m_preview->setUpdatesEnabled(false);
    m_preview->setRowCount(static_cast<int>(m_changes.size()));
    int tooLong = 0;
    for (int row = 0; row < m_changes.size(); ++row) {
        const Change& change = m_changes[row];
        m_preview->setItem(row, 0, new QTableWidgetItem(change.oldName));
        m_preview->setItem(row, 1, new QTableWidgetItem(change.newName));
        m_preview->setItem(
            row, 2,
            new QTableWidgetItem(change.tooLong
                                     ? QCoreApplication::translate("ReplaceNamesDlg", "over %1 bytes").arg(kNameBytes)
                                     : QString()));
        if (change.tooLong) {
            ++tooLong;
            m_preview->item(row, 1)->setForeground(Qt::red);
        }
    }
    m_preview->setUpdatesEnabled(true);
    m_summary->setText(tooLong > 0
                           ? QCoreApplication::translate("ReplaceNamesDlg", "%1 new names are longer than %2 bytes.")
                                 .arg(tooLong)
                                 .arg(kNameBytes)
                           : QCoreApplication::translate("ReplaceNamesDlg", "%1 names change.").arg(m_changes.size()));
    m_ok->setEnabled(!m_changes.isEmpty() && tooLong == 0);
}
