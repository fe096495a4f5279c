#include "ListSorter.h"

#include "RecordListCtrl.h"

#include <algorithm>
#include <limits>
#include <numeric>

int64_t NumericSortKey(QStringView text) {
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    int64_t value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') {
            break;
        }
        const int digit = c.unicode() - u'0';
        value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
    }
    return value;
}

QString TextSortKey(QStringView text) {
    QString key = text.toString();
    for (QChar& c : key) {
        if (c >= u'A' && c <= u'Z') {
            c = QChar(c.unicode() + (u'a' - u'A'));
        }
    }
    return key;
}

CListSorter::CListSorter(CRecordListCtrl& list, int column, bool numeric) : m_list(list), m_numeric(numeric) {
    const CRecordListModel& model = *list.Model();
    const int rows = model.rowCount();
    if (numeric) {
        m_numbers.reserve(static_cast<size_t>(rows));
    } else {
        m_texts.reserve(static_cast<size_t>(rows));
    }
    for (int row = 0; row < rows; ++row) {
        const QStringView text = model.CellView(row, column);
        if (numeric) {
            m_numbers.push_back(NumericSortKey(text));
        } else {
            m_texts.push_back(TextSortKey(text));
        }
    }
}

bool CListSorter::Less(int a, int b) const {
    if (m_numeric) {
        return m_numbers[static_cast<size_t>(a)] < m_numbers[static_cast<size_t>(b)];
    }
    return m_texts[static_cast<size_t>(a)] < m_texts[static_cast<size_t>(b)];
}

void CListSorter::Sort(bool ascending) {
    const size_t rows = m_numeric ? m_numbers.size() : m_texts.size();
    if (rows != static_cast<size_t>(m_list.RowCount())) {
        return; // the rows changed since the keys were read
    }
    std::vector<int> order(rows);
    std::iota(order.begin(), order.end(), 0);
    // Descending swaps the operands; the stable sort keeps equal keys in their order.
    std::stable_sort(order.begin(), order.end(),
                     [this, ascending](int a, int b) { return ascending ? Less(a, b) : Less(b, a); });
    m_list.Model()->Permute(order);
}
