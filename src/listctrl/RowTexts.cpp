#include "RowTexts.h"

namespace {
constexpr QChar kSeparator = QChar(u'\0');
}

CRowTexts CRowTexts::FromList(const QStringList& cells) {
    CRowTexts row;
    for (const QString& cell : cells) {
        row.Append(cell);
    }
    return row;
}

void CRowTexts::StartCell() {
    if (m_count > 0) {
        m_joined.append(kSeparator);
    }
    ++m_count;
}

void CRowTexts::Append(QStringView cell) {
    StartCell();
    // A text holding the separator itself would shift every later cell.
    for (QChar c : cell) {
        m_joined.append(c == kSeparator ? QChar(u' ') : c);
    }
}

void CRowTexts::AppendNumber(qint64 value) {
    StartCell();
    m_joined.append(QString::number(value));
}

void CRowTexts::AppendUtf8(const char* text, qsizetype length) {
    StartCell();
    m_joined.append(QString::fromUtf8(text, length));
}

QStringView CRowTexts::Cell(int column) const {
    if (column < 0 || column >= m_count) {
        return {};
    }
    const QStringView all(m_joined);
    qsizetype start = 0;
    for (int i = 0; i < column; ++i) {
        start = all.indexOf(kSeparator, start) + 1;
    }
    const qsizetype end = all.indexOf(kSeparator, start);
    return all.mid(start, end < 0 ? all.size() - start : end - start);
}

void CRowTexts::SetCell(int column, QStringView text) {
    if (column < 0) {
        return;
    }
    QStringList cells = ToList();
    while (cells.size() <= column) {
        cells.append(QString());
    }
    cells[column] = text.toString();
    *this = FromList(cells);
}

QStringList CRowTexts::ToList() const {
    QStringList cells;
    cells.reserve(m_count);
    for (int i = 0; i < m_count; ++i) {
        cells.append(Cell(i).toString());
    }
    return cells;
}
