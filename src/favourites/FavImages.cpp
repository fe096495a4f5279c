#include "FavImages.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace favimages {

namespace {

const QColor kButtonEdge(52, 86, 140);
const QColor kButtonLight(170, 198, 238);
const QColor kButtonDark(78, 118, 182);
const QColor kArrow(255, 255, 255);
const QColor kSquareEdge(96, 72, 40);
const QColor kBackSquare(236, 196, 110);
const QColor kFrontSquare(250, 228, 160);

QPixmap BlankImage() {
    QPixmap pixmap(kImageSize, kImageSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// One chevron pointing down (or up) with its tip at `tipY`.
void DrawChevron(QPainter& painter, qreal tipY, bool down) {
    const qreal rise = down ? -3.0 : 3.0;
    QPainterPath path;
    path.moveTo(5.5, tipY + rise);
    path.lineTo(9.0, tipY);
    path.lineTo(12.5, tipY + rise);
    painter.drawPath(path);
}

QPixmap RootButton(bool arrowsDown) {
    QPixmap pixmap = BlankImage();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient fill(QPointF(7, 6), 10);
    fill.setColorAt(0, kButtonLight);
    fill.setColorAt(1, kButtonDark);
    painter.setPen(QPen(kButtonEdge, 1));
    painter.setBrush(fill);
    painter.drawEllipse(QRectF(1.5, 1.5, 15, 15));
    painter.setPen(QPen(kArrow, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    if (arrowsDown) {
        DrawChevron(painter, 8.5, true);
        DrawChevron(painter, 12.5, true);
    } else {
        DrawChevron(painter, 5.5, false);
        DrawChevron(painter, 9.5, false);
    }
    return pixmap;
}

QPixmap GroupSymbol() {
    QPixmap pixmap = BlankImage();
    QPainter painter(&pixmap);
    painter.setPen(QPen(kSquareEdge, 1));
    painter.setBrush(kBackSquare);
    painter.drawRect(QRectF(2.5, 2.5, 9, 9));
    painter.setBrush(kFrontSquare);
    painter.drawRect(QRectF(6.5, 6.5, 9, 9));
    return pixmap;
}

} // namespace

CImageList::CImageList() : m_icons{QIcon(RootButton(true)), QIcon(RootButton(false)), QIcon(GroupSymbol())} {}

} // namespace favimages
