#include "SatDialogFields.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <cmath>

namespace satfields {

namespace {

// The receiver keeps positions between 180 degrees west and 180 degrees east.
constexpr double kLimitTenths = 1800.0;

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

QLineEdit* NewEdit(const char* objectName, int maxLength, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(objectName));
    if (maxLength > 0) {
        edit->setMaxLength(maxLength);
    }
    return edit;
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
    buttons.ok = new QPushButton(QStringLiteral("OK"), dialog);
    buttons.ok->setObjectName(QStringLiteral("okButton"));
    buttons.ok->setDefault(true);
    buttons.cancel = new QPushButton(QStringLiteral("Cancel"), dialog);
    buttons.cancel->setObjectName(QStringLiteral("cancelButton"));
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return buttons;
}

double LeadingDecimal(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) {
        ++i;
    }
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        ++i;
    }
    bool digits = false;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        digits = true;
    }
    if (i < text.size() && text[i] == u'.') {
        qsizetype fraction = i + 1;
        while (fraction < text.size() && IsDigit(text[fraction])) {
            ++fraction;
            digits = true;
        }
        if (digits) {
            i = fraction;
        }
    }
    if (!digits) {
        return 0.0;
    }
    // The C locale, so a decimal point is read the same under every user locale.
    return QLocale::c().toDouble(QStringView(text).mid(start, i - start));
}

std::optional<int32_t> PositionTenths(const QString& text, bool east) {
    double tenths = std::trunc(LeadingDecimal(text) * 10.0);
    if (!east) {
        tenths = -tenths;
    }
    // Checked before the conversion: a long row of digits does not fit an int.
    if (!(tenths >= -kLimitTenths && tenths <= kLimitTenths)) {
        return std::nullopt;
    }
    return static_cast<int32_t>(tenths);
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

} // namespace satfields
