#include "DragImage.h"

#include <QPainter>

CDragImage::CDragImage() : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("dragImage"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TranslucentBackground);
}

void CDragImage::Begin(const QPixmap& image, const QPoint& hotSpot, const QPoint& globalPos) {
    m_image = image;
    m_hotSpot = hotSpot;
    m_active = true;
    resize(image.deviceIndependentSize().toSize());
    MoveTo(globalPos);
    if (!image.isNull()) {
        show();
    }
}

void CDragImage::MoveTo(const QPoint& globalPos) {
    move(globalPos - m_hotSpot);
}

void CDragImage::End() {
    m_active = false;
    hide();
    m_image = QPixmap();
}

void CDragImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setOpacity(0.7);
    painter.drawPixmap(0, 0, m_image);
}
