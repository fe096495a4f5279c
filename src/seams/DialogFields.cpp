#include "seams/DialogFields.h"

#include "seams/MessageBox.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>

namespace dialogfields {

QLineEdit* NewEdit(const char* objectName, int maxLength, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(objectName));
    if (maxLength > 0) {
        edit->setMaxLength(maxLength);
    }
    return edit;
}

QComboBox* NewCombo(const char* objectName, const QStringList& items, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(objectName));
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    return combo;
}

void AddRow(QGridLayout* grid, int row, int column, const QString& caption, QWidget* field) {
    auto* label = new QLabel(caption, field->parentWidget());
    QString name = field->objectName();
    name.replace(QLatin1String("Edit"), QLatin1String("Label")).replace(QLatin1String("Combo"), QLatin1String("Label"));
    label->setObjectName(name);
    label->setBuddy(field);
    grid->addWidget(label, row, column);
    grid->addWidget(field, row, column + 1);
}

Buttons NewButtons(QDialog* dialog) {
    Buttons buttons;
    buttons.ok = new QPushButton(QCoreApplication::translate("DialogFields", "OK"), dialog);
    buttons.ok->setObjectName(QStringLiteral("okButton"));
    buttons.ok->setDefault(true);
    buttons.cancel = new QPushButton(QCoreApplication::translate("DialogFields", "Cancel"), dialog);
    buttons.cancel->setObjectName(QStringLiteral("cancelButton"));
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return buttons;
}

QByteArray FitUtf8(const QString& text, qsizetype maxBytes) {
    QByteArray bytes = text.toUtf8();
    if (bytes.size() > maxBytes) {
        qsizetype end = maxBytes;
        while (end > 0 && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80) {
            --end;
        }
        bytes.truncate(end);
    }
    return bytes;
}

bool CRequiredFields::Check(QWidget* dialog, const char* message) const {
    const bool filled =
        std::none_of(m_edits.begin(), m_edits.end(), [](const QLineEdit* e) { return e->text().isEmpty(); }) &&
        std::none_of(m_combos.begin(), m_combos.end(), [](const QComboBox* c) { return c->currentIndex() < 0; });
    if (!filled) {
        MessageBox::Tell(dialog, QCoreApplication::translate("DialogFields", message));
    }
    return filled;
}

void CNumberFields::AddWhole(QLineEdit* edit, const QString& caption, qint64 min, qint64 max, qsizetype readChars) {
    m_fields.append({edit, caption, true, min, max, edit->text(), readChars});
}

void CNumberFields::AddDecimal(QLineEdit* edit, const QString& caption) {
    m_fields.append({edit, caption, false, 0, 0, edit->text(), -1});
}

void CNumberFields::CheckOnlyWhileShown(QLineEdit* edit) {
    for (Field& field : m_fields) {
        field.onlyWhileShown = field.onlyWhileShown || field.edit == edit;
    }
}

void CNumberFields::RememberShown() {
    for (Field& field : m_fields) {
        field.shown = field.edit->text();
    }
}

bool CNumberFields::Check(QWidget* dialog) const {
    for (const Field& field : m_fields) {
        const QString read = field.readChars >= 0 ? field.edit->text().left(field.readChars) : field.edit->text();
        const QString text = read.trimmed();
        if (field.edit->text() == field.shown || text.isEmpty() ||
            (field.onlyWhileShown && !field.edit->isVisibleTo(dialog))) {
            continue; // as opened, or empty: the required-field check speaks for that
        }
        bool number = false;
        QString message;
        if (field.whole) {
            const qint64 value = text.toLongLong(&number);
            if (!number || value < field.min || value > field.max) {
                message = QCoreApplication::translate("DialogFields", "%1 must be a whole number from %2 to %3.")
                              .arg(field.caption)
                              .arg(field.min)
                              .arg(field.max);
            }
        } else {
            // Digits with an optional fraction, as the receiver's tools read a position.
            static const QRegularExpression decimal(QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)$)"));
            if (!decimal.match(text).hasMatch()) {
                message = QCoreApplication::translate("DialogFields", "%1 must be a number.").arg(field.caption);
            }
        }
        if (!message.isEmpty()) {
            MessageBox::Tell(dialog, message);
            field.edit->setFocus();
            field.edit->selectAll();
            return false;
        }
    }
    return true;
}

} // namespace dialogfields
