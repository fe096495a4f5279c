#pragma once
// The column header of a record list: clickable captions, and the sort mark (an
// outlined triangle right of the caption) on at most one column.
#include <QHeaderView>

enum class SortMark { None, Up, Down };

class CRecordListHeader : public QHeaderView {
    Q_OBJECT

public:
    explicit CRecordListHeader(QWidget* parent = nullptr);

    // `column` -1 (or a mark of None) removes the mark.
    void SetSortMark(int column, SortMark mark);
    SortMark SortMarkOf(int column) const { return column == m_markColumn ? m_mark : SortMark::None; }

    static constexpr int kMarkSize = 14;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    void PaintMark(QPainter* painter, const QRect& rect, int logicalIndex) const;

    int m_markColumn = -1;
    SortMark m_mark = SortMark::None;
};
