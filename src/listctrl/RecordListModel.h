#pragma once
// The rows of a record list: per row a 32-bit row id and its cell texts, packed so
// that a full channel list stays small; per column a caption and alignments. Owned
// by its CRecordListCtrl. Row order changes (sorting, block moves) go through
// Permute, which keeps selection and other persistent indexes on their rows.
#include "RowTexts.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class CRecordListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    struct Row {
        int32_t id = 0;
        CRowTexts texts;
    };

    // The role under which data() returns a row's id.
    static constexpr int kRowIdRole = Qt::UserRole;

    explicit CRecordListModel(QObject* parent = nullptr);

    // Columns.
    void InsertColumn(int index, const QString& caption, Qt::Alignment alignment);
    Qt::Alignment ColumnAlignment(int column) const;
    void SetHeaderAlignment(int column, Qt::Alignment alignment);

    // Rows. Indexes outside the list are ignored (reads give 0 or empty).
    int InsertRow(int index, Row row);
    void AppendRows(std::vector<Row> rows);
    bool RemoveRow(int row);
    void RemoveRows(QList<int> rows);
    void Clear();
    int32_t RowId(int row) const;
    void SetRowId(int row, int32_t id);
    QString CellText(int row, int column) const;
    QStringView CellView(int row, int column) const;
    // All cells of a row, separated by NUL (see CRowTexts::Joined).
    QStringView RowView(int row) const;
    QStringList RowTexts(int row) const;
    void SetCellText(int row, int column, const QString& text);
    // Sets `column` of each of `rows` to textOf(row), with one change notice over
    // the rows' span instead of one per row.
    void SetColumnTexts(int column, const QList<int>& rows, const std::function<QString(int row)>& textOf);
    void SetRowTexts(int row, CRowTexts texts);
    // New row i is old row order[i]; `order` must be a permutation of all rows.
    void Permute(const std::vector<int>& order);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Column {
        QString caption;
        Qt::Alignment alignment;
        Qt::Alignment headerAlignment;
    };

    bool IsRow(int row) const { return row >= 0 && row < static_cast<int>(m_rows.size()); }
    void RowChanged(int row);

    std::vector<Row> m_rows;
    std::vector<Column> m_columns;
};
