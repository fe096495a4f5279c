#include "RecordListHeader.h"

#include <QPainter>
#include <QPolygon>

CRecordListHeader::CRecordListHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setObjectName(QStringLiteral("recordListHeader"));
    setSectionsClickable(true);
    setSectionsMovable(false);
    setStretchLastSection(false);
    setSortIndicatorShown(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Interactive);
}

void CRecordListHeader::SetSortMark(int column, SortMark mark) {
    if (mark == SortMark::None) {
        column = -1;
    }
    m_markColumn = column;
    m_mark = column < 0 ? SortMark::None : mark;
    viewport()->update();
}

void CRecordListHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    QHeaderView::paintSection(painter, rect, logicalIndex);
    if (logicalIndex == m_markColumn && m_mark != SortMark::None) {
        PaintMark(painter, rect, logicalIndex);
    }
}

void CRecordListHeader::PaintMark(QPainter* painter, const QRect& rect, int logicalIndex) const {
    const QString caption =
        model() != nullptr ? model()->headerData(logicalIndex, orientation()).toString() : QString();
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    const int left = rect.left() + margin + fontMetrics().horizontalAdvance(caption) + margin;
    const QRect box(left, rect.center().y() - kMarkSize / 2, kMarkSize, kMarkSize);
    if (box.left() >= rect.right()) {
        return;
    }
    // Outlined in the shadow colour with the right-hand side lit, like the raised
    // edges of the header items themselves.
    const int x0 = box.left() + 3;
    const int x1 = box.right() - 3;
    const int xm = (x0 + x1) / 2;
    const int top = box.top() + 4;
    const int bottom = box.bottom() - 4;
    const bool up = m_mark == SortMark::Up;
    const QPoint apex(xm, up ? top : bottom);
    const QPoint baseLeft(x0, up ? bottom : top);
    const QPoint baseRight(x1, up ? bottom : top);
    painter->save();
    painter->setClipRect(rect.adjusted(0, 0, -1, 0));
    painter->setPen(palette().color(QPalette::Dark));
    painter->drawLine(apex, baseLeft);
    painter->drawLine(up ? baseLeft : baseRight, up ? baseRight : baseLeft);
    painter->setPen(palette().color(QPalette::Light));
    painter->drawLine(apex, baseRight);
    painter->restore();
}
