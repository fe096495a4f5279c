#pragma once
// CReplaceNamesDlg: "Replace in Names": a find text, its replacement and whether case
// matters, over a given set of channel names, with a preview of every name that
// changes, old and new. A new name longer than the receiver's 15 bytes is marked and
// keeps OK off, so no name is ever stored cut.
#include <QDialog>
#include <QList>
#include <QString>

#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class CReplaceNamesDlg : public QDialog {
    Q_OBJECT
public:
    struct Name {
        int32_t chId = 0;
        QString name;
    };
    struct Change {
        int32_t chId = 0;
        QString oldName;
        QString newName;
        bool tooLong = false;
    };
    // The bytes a stored name holds before its closing NUL.
    static constexpr int kNameBytes = 15;

    CReplaceNamesDlg(QList<Name> names, QWidget* parent);

    // The names that change, in the given order.
    static QList<Change> Plan(const QList<Name>& names, const QString& find, const QString& replacement,
                              Qt::CaseSensitivity cs);
    // The changes the preview shows (after OK: the ones to store).
    const QList<Change>& Changes() const { return m_changes; }

private:
    void UpdatePreview();

    QList<Name> m_names;
    QList<Change> m_changes;
    QLineEdit* m_find;
    QLineEdit* m_replace;
    QCheckBox* m_ignoreCase;
    QTableWidget* m_preview;
    QLabel* m_summary;
    QPushButton* m_ok;
};
