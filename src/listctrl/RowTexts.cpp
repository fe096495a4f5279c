#include "RowTexts.h"

#include "db/StoredText.h"

#include <algorithm>
#include <iterator>
#include <string_view>

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
    const qsizetype start = m_joined.size();
    m_joined.append(cell);
    // A text holding the separator itself would shift every later cell.
    if (cell.contains(kSeparator)) {
        for (qsizetype i = start; i < m_joined.size(); ++i) {
            if (m_joined[i] == kSeparator) {
                m_joined[i] = QChar(u' ');
            }
        }
    }
}

void CRowTexts::AppendNumber(qint64 value) {
    StartCell();
    // Digits written in place: a full channel row has ten numbers, and a temporary
    // string for each would be most of the cost of formatting a large list.
    char16_t digits[24];
    char16_t* end = digits + std::size(digits);
    char16_t* p = end;
    const bool negative = value < 0;
    quint64 magnitude = negative ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value);
    do {
        *--p = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative) {
        *--p = u'-';
    }
    m_joined.append(QStringView(p, end));
}

QString DecodeStoredText(const char* text, qsizetype length) {
    if (storedtext::IsStoredUtf8(std::string_view(text, static_cast<size_t>(length)))) {
        return QString::fromUtf8(text, length);
    }
    return QString::fromLatin1(text, length);
}

void CRowTexts::AppendUtf8(const char* text, qsizetype length) {
    StartCell();
    const QByteArrayView bytes(text, length);
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        m_joined.append(QLatin1StringView(text, length));
    } else {
        m_joined.append(DecodeStoredText(text, length));
    }
}

void CRowTexts::Reserve(qsizetype characters) {
    m_joined.reserve(characters);
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
    while (m_count <= column) {
        StartCell();
    }
    // Replaced in place: splitting the row into a list and joining it again cost a
    // bulk command on thousands of rows more than its SQL.
    const QString cell = text.toString(); // the text may be a view into this row
    const QStringView all(m_joined);
    qsizetype start = 0;
    for (int i = 0; i < column; ++i) {
        start = all.indexOf(kSeparator, start) + 1;
    }
    qsizetype end = all.indexOf(kSeparator, start);
    end = end < 0 ? m_joined.size() : end;
    m_joined.replace(start, end - start, cell);
    for (qsizetype i = start; i < start + cell.size(); ++i) {
        if (m_joined[i] == kSeparator) {
            m_joined[i] = QChar(u' ');
        }
    }
}

QStringList CRowTexts::ToList() const {
    QStringList cells;
    cells.reserve(m_count);
    for (int i = 0; i < m_count; ++i) {
        cells.append(Cell(i).toString());
    }
    return cells;
}
