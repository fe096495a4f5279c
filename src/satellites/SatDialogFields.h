#pragma once
// Small pieces the Edit Satellite and Edit NIT dialogs share: building their labelled
// fields and buttons, and reading the numbers the user typed the way the receiver's
// own tools read them.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

class QDialog;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace satfields {

// A line edit named `objectName`; maxLength 0: no limit.
QLineEdit* NewEdit(const char* objectName, int maxLength, QWidget* parent);
// `caption` as a label for `field` at (row, column), the field right of it.
void AddRow(QGridLayout* grid, int row, int column, const QString& caption, QWidget* field);
// "OK" (default) and "Cancel" in a row; Cancel rejects, OK calls the dialog's handler.
struct Buttons {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};
Buttons NewButtons(QDialog* dialog);

// The leading decimal number of `text`: blanks skipped, optional sign, digits with an
// optional fraction; anything after it is ignored and text without a number gives 0.
double LeadingDecimal(const QString& text);

// A typed position in tenths of a degree, east positive: the number times ten, cut
// toward zero, negated unless `east`. Nothing when outside -1800..1800.
std::optional<int32_t> PositionTenths(const QString& text, bool east);

// UTF-8 of `text` cut to at most `maxBytes` bytes on a character boundary, so a name
// that fills its fixed buffer never ends in half a character.
QByteArray FitUtf8(const QString& text, qsizetype maxBytes);

} // namespace satfields
