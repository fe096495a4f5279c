#include "RecordListModel.h"

#include <QColor>

#include <algorithm>

namespace {
// Background of every odd row, so long lists read as stripes.
const QColor kOddRowColour(247, 245, 243);
} // namespace

CRecordListModel::CRecordListModel(QObject* parent) : QAbstractTableModel(parent) {}

void CRecordListModel::InsertColumn(int index, const QString& caption, Qt::Alignment alignment) {
    index = std::clamp(index, 0, static_cast<int>(m_columns.size()));
    beginInsertColumns(QModelIndex(), index, index);
    m_columns.insert(m_columns.begin() + index, Column{caption, alignment, alignment});
    endInsertColumns();
}

Qt::Alignment CRecordListModel::ColumnAlignment(int column) const {
    if (column < 0 || column >= static_cast<int>(m_columns.size())) {
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
    return m_columns[static_cast<size_t>(column)].alignment;
}

void CRecordListModel::SetHeaderAlignment(int column, Qt::Alignment alignment) {
    if (column < 0 || column >= static_cast<int>(m_columns.size())) {
        return;
    }
    m_columns[static_cast<size_t>(column)].headerAlignment = alignment;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

int CRecordListModel::InsertRow(int index, Row row) {
    index = std::clamp(index, 0, static_cast<int>(m_rows.size()));
    beginInsertRows(QModelIndex(), index, index);
    m_rows.insert(m_rows.begin() + index, std::move(row));
    endInsertRows();
    return index;
}

void CRecordListModel::AppendRows(std::vector<Row> rows) {
    if (rows.empty()) {
        return;
    }
    const int first = static_cast<int>(m_rows.size());
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(rows.size()) - 1);
    if (m_rows.empty()) {
        m_rows = std::move(rows);
    } else {
        m_rows.insert(m_rows.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    }
    endInsertRows();
}

bool CRecordListModel::RemoveRow(int row) {
    if (!IsRow(row)) {
        return false;
    }
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
    return true;
}

namespace {
// Up to this many rows are removed one run of neighbours at a time.
constexpr qsizetype kRunsWorthOneMove = 16;
} // namespace

void CRecordListModel::RemoveRows(QList<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(), [this](int row) { return !IsRow(row); }), rows.end());
    if (!rows.isEmpty() && rows.size() - 1 != rows.last() - rows.first() && rows.size() > kRunsWorthOneMove) {
        // Rows scattered over the list (chosen under a filter): one removal each makes
        // the view walk all its rows every time, seconds for a few thousand. The rows
        // go to the end in one layout change instead (selection and hidden rows follow
        // their rows) and leave from there in one removal.
        std::vector<char> removed(m_rows.size(), 0);
        for (const int row : rows) {
            removed[static_cast<size_t>(row)] = 1;
        }
        std::vector<int> order;
        order.reserve(m_rows.size());
        for (const char which : {char(0), char(1)}) {
            for (size_t row = 0; row < m_rows.size(); ++row) {
                if (removed[row] == which) {
                    order.push_back(static_cast<int>(row));
                }
            }
        }
        Permute(order);
        const int first = static_cast<int>(m_rows.size() - static_cast<size_t>(rows.size()));
        beginRemoveRows(QModelIndex(), first, static_cast<int>(m_rows.size()) - 1);
        m_rows.erase(m_rows.begin() + first, m_rows.end());
        endRemoveRows();
        return;
    }
    // From the bottom up, one notification per run of neighbouring rows, so the
    // indexes still to remove stay valid and a large selection goes in few steps.
    for (qsizetype end = rows.size(); end > 0;) {
        qsizetype start = end - 1;
        while (start > 0 && rows[start - 1] == rows[start] - 1) {
            --start;
        }
        const int first = rows[start];
        const int last = rows[end - 1];
        end = start;
        if (!IsRow(first) || !IsRow(last)) {
            continue;
        }
        beginRemoveRows(QModelIndex(), first, last);
        m_rows.erase(m_rows.begin() + first, m_rows.begin() + last + 1);
        endRemoveRows();
    }
}

void CRecordListModel::Clear() {
    beginResetModel();
    m_rows.clear();
    m_rows.shrink_to_fit();
    endResetModel();
}

int32_t CRecordListModel::RowId(int row) const {
    return IsRow(row) ? m_rows[static_cast<size_t>(row)].id : 0;
}

void CRecordListModel::SetRowId(int row, int32_t id) {
    if (IsRow(row)) {
        m_rows[static_cast<size_t>(row)].id = id;
    }
}

QString CRecordListModel::CellText(int row, int column) const {
    return CellView(row, column).toString();
}

QStringView CRecordListModel::CellView(int row, int column) const {
    return IsRow(row) ? m_rows[static_cast<size_t>(row)].texts.Cell(column) : QStringView();
}

QStringView CRecordListModel::RowView(int row) const {
    return IsRow(row) ? m_rows[static_cast<size_t>(row)].texts.Joined() : QStringView();
}

QStringList CRecordListModel::RowTexts(int row) const {
    return IsRow(row) ? m_rows[static_cast<size_t>(row)].texts.ToList() : QStringList();
}

void CRecordListModel::SetCellText(int row, int column, const QString& text) {
    if (IsRow(row)) {
        m_rows[static_cast<size_t>(row)].texts.SetCell(column, text);
        RowChanged(row);
    }
}

void CRecordListModel::SetColumnTexts(int column, const QList<int>& rows,
                                      const std::function<QString(int row)>& textOf) {
    int first = -1;
    int last = -1;
    for (const int row : rows) {
        if (IsRow(row)) {
            m_rows[static_cast<size_t>(row)].texts.SetCell(column, textOf(row));
            first = first < 0 ? row : std::min(first, row);
            last = std::max(last, row);
        }
    }
    if (first >= 0 && column >= 0 && column < static_cast<int>(m_columns.size())) {
        emit dataChanged(index(first, column), index(last, column));
    }
}

void CRecordListModel::SetRowTexts(int row, CRowTexts texts) {
    if (IsRow(row)) {
        m_rows[static_cast<size_t>(row)].texts = std::move(texts);
        RowChanged(row);
    }
}

void CRecordListModel::RowChanged(int row) {
    if (!m_columns.empty()) {
        emit dataChanged(index(row, 0), index(row, static_cast<int>(m_columns.size()) - 1));
    }
}

void CRecordListModel::Permute(const std::vector<int>& order) {
    if (order.size() != m_rows.size()) {
        return;
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newIndexOf(order.size());
    std::vector<Row> rows;
    rows.reserve(m_rows.size());
    for (size_t i = 0; i < order.size(); ++i) {
        newIndexOf[static_cast<size_t>(order[i])] = static_cast<int>(i);
        rows.push_back(std::move(m_rows[static_cast<size_t>(order[i])]));
    }
    m_rows = std::move(rows);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& old : from) {
        to.append(index(newIndexOf[static_cast<size_t>(old.row())], old.column()));
    }
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int CRecordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CRecordListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant CRecordListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return CellText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return static_cast<int>(ColumnAlignment(index.column()));
    case Qt::BackgroundRole:
        return index.row() % 2 == 1 ? QVariant(kOddRowColour) : QVariant();
    case kRowIdRole:
        return RowId(index.row());
    default:
        return {};
    }
}

QVariant CRecordListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= static_cast<int>(m_columns.size())) {
        return {};
    }
    const Column& column = m_columns[static_cast<size_t>(section)];
    switch (role) {
    case Qt::DisplayRole:
        return column.caption;
    case Qt::TextAlignmentRole:
        return static_cast<int>(column.headerAlignment);
    default:
        return {};
    }
}

Qt::ItemFlags CRecordListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemNeverHasChildren;
}
