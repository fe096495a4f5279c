#pragma once
// CTextRowsModel: a read-only table of texts for the windows that list channels of two
// files (Compare with File, Add Channels from Another File). Each row carries a tag
// (the caller's index of what it shows); columns marked numeric sort by value. Rows
// can be hidden by a filter. Sorting and filtering work on a list of row numbers, so
// 20,000 rows sort in milliseconds.
#include <QAbstractTableModel>
#include <QStringList>

#include <functional>
#include <vector>

class CTextRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Row {
        QStringList cells;
        int tag = 0;
    };

    CTextRowsModel(const QStringList& headers, std::vector<bool> numeric, QObject* parent);

    void SetRows(std::vector<Row> rows);
    // Shows the rows `keep` accepts (all when it is empty), in the current sort.
    void SetFilter(std::function<bool(const Row&)> keep);
    // The tag of a shown row.
    int Tag(int shownRow) const;
    const Row& ShownRow(int shownRow) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    void Refill();

    QStringList m_headers;
    std::vector<bool> m_numeric;
    std::vector<Row> m_rows;
    std::vector<int> m_shown; // indices into m_rows
    std::function<bool(const Row&)> m_keep;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
