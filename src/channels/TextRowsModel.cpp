#include "TextRowsModel.h"

#include <algorithm>

CTextRowsModel::CTextRowsModel(const QStringList& headers, std::vector<bool> numeric, QObject* parent)
    : QAbstractTableModel(parent), m_headers(headers), m_numeric(std::move(numeric)) {
    m_numeric.resize(static_cast<size_t>(m_headers.size()), false);
}

void CTextRowsModel::SetRows(std::vector<Row> rows) {
    m_rows = std::move(rows);
    Refill();
}

void CTextRowsModel::SetFilter(std::function<bool(const Row&)> keep) {
    m_keep = std::move(keep);
    Refill();
}

void CTextRowsModel::Refill() {
    beginResetModel();
    m_shown.clear();
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (!m_keep || m_keep(m_rows[i])) {
            m_shown.push_back(static_cast<int>(i));
        }
    }
    endResetModel();
    if (m_sortColumn >= 0) {
        sort(m_sortColumn, m_sortOrder);
    }
}

int CTextRowsModel::Tag(int shownRow) const {
    return ShownRow(shownRow).tag;
}

const CTextRowsModel::Row& CTextRowsModel::ShownRow(int shownRow) const {
    return m_rows[static_cast<size_t>(m_shown[static_cast<size_t>(shownRow)])];
}

int CTextRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_shown.size());
}

int CTextRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
}

QVariant CTextRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        const QStringList& cells = ShownRow(index.row()).cells;
        return index.column() < cells.size() ? cells.at(index.column()) : QString();
    }
    if (role == Qt::TextAlignmentRole && m_numeric[static_cast<size_t>(index.column())]) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant CTextRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_headers.size()) {
        return m_headers.at(section);
    }
    return {};
}

void CTextRowsModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= columnCount()) {
        return;
    }
    m_sortColumn = column;
    m_sortOrder = order;
    const auto cell = [this, column](int row) -> const QString& {
        static const QString empty;
        const QStringList& cells = m_rows[static_cast<size_t>(row)].cells;
        return column < cells.size() ? cells.at(column) : empty;
    };
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> rowsBefore;
    for (const QModelIndex& index : before) {
        rowsBefore.push_back(m_shown[static_cast<size_t>(index.row())]);
    }
    if (m_numeric[static_cast<size_t>(column)]) {
        std::vector<std::pair<qlonglong, int>> keys;
        keys.reserve(m_shown.size());
        for (const int row : m_shown) {
            keys.emplace_back(cell(row).toLongLong(), row);
        }
        std::stable_sort(keys.begin(), keys.end(), [order](const auto& a, const auto& b) {
            return order == Qt::AscendingOrder ? a.first < b.first : b.first < a.first;
        });
        for (size_t i = 0; i < keys.size(); ++i) {
            m_shown[i] = keys[i].second;
        }
    } else {
        std::stable_sort(m_shown.begin(), m_shown.end(), [&cell, order](int a, int b) {
            const int c = QString::compare(cell(a), cell(b), Qt::CaseInsensitive);
            return order == Qt::AscendingOrder ? c < 0 : c > 0;
        });
    }
    std::vector<int> where(m_rows.size(), -1);
    for (size_t i = 0; i < m_shown.size(); ++i) {
        where[static_cast<size_t>(m_shown[i])] = static_cast<int>(i);
    }
    QModelIndexList after;
    for (size_t i = 0; i < rowsBefore.size(); ++i) {
        after << index(where[static_cast<size_t>(rowsBefore[i])], before[static_cast<int>(i)].column());
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
