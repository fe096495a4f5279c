#pragma once
// The cell texts of one list row kept in a single string, cells separated by NUL.
// A 20,000-row channel list then costs one allocation per row instead of fourteen;
// NUL is safe as separator because every text comes from a NUL-terminated field.
#include <QString>
#include <QStringList>
#include <QStringView>

// A stored text as the user sees it: UTF-8 when its bytes are UTF-8 (an incomplete
// character at the very end, from a name cut to its field, still counts as UTF-8),
// otherwise Latin-1, as names written by other tools often are. A dialog that shows
// such a text stores its bytes back unchanged unless the user edits the field.
QString DecodeStoredText(const char* text, qsizetype length);

class CRowTexts {
public:
    CRowTexts() = default;
    static CRowTexts FromList(const QStringList& cells);

    // Appending builds the row left to right, one call per cell.
    void Append(QStringView cell);
    void AppendNumber(qint64 value);
    // Text of a NUL-terminated byte field (UTF-8, as the receiver stores names).
    template <qsizetype N> void AppendField(const char (&field)[N]) { AppendUtf8(field, qstrnlen(field, N)); }
    void AppendUtf8(const char* text, qsizetype length);

    void Reserve(qsizetype characters);

    int Count() const { return m_count; }
    // Empty for a cell the row does not have.
    QStringView Cell(int column) const;
    // Every cell at once, NUL between cells: a text found in no cell is not found here.
    QStringView Joined() const { return m_joined; }
    void SetCell(int column, QStringView text);
    QStringList ToList() const;

private:
    void StartCell();

    QString m_joined;
    int m_count = 0;
};
