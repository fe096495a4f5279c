#include "ChangeListDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CChangeListDlg::CChangeListDlg(QWidget* parent, const QString& title, const QString& intro, const QStringList& lines,
                               const QString& acceptText, const QString& checkText)
    : QDialog(parent) {
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(intro, this);
    label->setObjectName(QStringLiteral("introLabel"));
    label->setWordWrap(true);
    layout->addWidget(label);

    m_lines = new QPlainTextEdit(lines.join(QLatin1Char('\n')), this);
    m_lines->setObjectName(QStringLiteral("changesEdit"));
    m_lines->setReadOnly(true);
    m_lines->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(m_lines);

    if (!checkText.isEmpty()) {
        m_check = new QCheckBox(checkText, this);
        m_check->setObjectName(QStringLiteral("optionCheckBox"));
        layout->addWidget(m_check);
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* accept = buttons->addButton(acceptText, QDialogButtonBox::AcceptRole);
    accept->setObjectName(QStringLiteral("acceptButton"));
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    // Going ahead changes the file, so Enter alone does not.
    cancel->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, 420);
}

bool CChangeListDlg::Checked() const {
    return m_check != nullptr && m_check->isChecked();
}
