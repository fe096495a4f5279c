#pragma once
// What the editing dialogs share: their named fields and OK/Cancel buttons, the text
// limits of the stored columns, and the one check OK runs before anything is stored:
// every required edit holds text and every required list has a choice, otherwise the
// dialog's own message is shown and the dialog stays open.
#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class QComboBox;
class QDialog;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace dialogfields {

// The message most dialogs show for an empty field.
inline constexpr const char* kEnterAllMessage = QT_TRANSLATE_NOOP("DialogFields", "Enter the data in all fields!");

// Text limits, in characters, of the edits over the stored columns. Names are
// 16-byte fields that keep their terminating NUL; provider names are 32 bytes.
inline constexpr int kNameLimit = 15;
inline constexpr int kProviderLimit = 30;
inline constexpr int kServiceIdLimit = 10;
inline constexpr int kPositionLimit = 5;
inline constexpr int kFrequencyLimit = 10;

// A line edit named `objectName`; maxLength 0: Qt's default limit.
QLineEdit* NewEdit(const char* objectName, int maxLength, QWidget* parent);
// A drop-down list named `objectName` with `items` and no choice made.
QComboBox* NewCombo(const char* objectName, const QStringList& items, QWidget* parent);
// `caption` as a label for `field` at (row, column), the field right of it.
void AddRow(QGridLayout* grid, int row, int column, const QString& caption, QWidget* field);
// "OK" (default) and "Cancel"; Cancel rejects, OK is the dialog's to connect.
struct Buttons {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};
Buttons NewButtons(QDialog* dialog);

// UTF-8 of `text` cut to at most `maxBytes` bytes on a character boundary, so a name
// that fills its fixed buffer never ends in half a character.
QByteArray FitUtf8(const QString& text, qsizetype maxBytes);

// The fields OK requires, registered once when the dialog is built.
class CRequiredFields {
public:
    void Add(QLineEdit* edit) { m_edits.append(edit); }
    void Add(QComboBox* combo) { m_combos.append(combo); }
    // True when every edit holds text and every list has a choice; otherwise shows
    // `message` (OK box) over `dialog` and gives false.
    bool Check(QWidget* dialog, const char* message = kEnterAllMessage) const;

private:
    QList<QLineEdit*> m_edits;
    QList<QComboBox*> m_combos;
};

// The number fields OK checks before anything is stored. A field still showing what
// the dialog showed when it opened passes as it is, so a stored value outside the
// range opens, shows and goes back unchanged; a typed one must be a number the field
// can hold.
class CNumberFields {
public:
    // A whole number from `min` to `max`; `caption` names the field in the message.
    // With `readChars` >= 0 only that many leading characters count, for a field the
    // receiver reads only so far.
    void AddWhole(QLineEdit* edit, const QString& caption, qint64 min, qint64 max, qsizetype readChars = -1);
    // A number with an optional fraction, whose range the dialog checks itself.
    void AddDecimal(QLineEdit* edit, const QString& caption);
    // `edit` is read only while it shows, so it is checked only then.
    void CheckOnlyWhileShown(QLineEdit* edit);
    // Takes the texts the fields show now as the ones the dialog opened with.
    void RememberShown();
    // True when every field passes; otherwise names the first one that does not and
    // its range in an OK box over `dialog`, puts the focus there and gives false.
    bool Check(QWidget* dialog) const;

private:
    struct Field {
        QLineEdit* edit;
        QString caption;
        bool whole;
        qint64 min;
        qint64 max;
        QString shown;
        qsizetype readChars;
        bool onlyWhileShown = false;
    };
    QList<Field> m_fields;
};

} // namespace dialogfields
