#include "SatDialogFields.h"

#include <QLocale>

#include <cmath>

namespace satfields {

namespace {

// The receiver keeps positions between 180 degrees west and 180 degrees east.
constexpr double kLimitTenths = 1800.0;

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

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

} // namespace satfields
