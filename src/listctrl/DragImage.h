#pragma once
// CDragImage: the picture of the dragged rows that follows the pointer over the
// whole screen while a view drags rows by hand (press, capture, moves, release).
// It is a window of its own that takes no input; CListDragController shows, moves
// and hides it.
#include <QPixmap>
#include <QPoint>
#include <QWidget>

class CDragImage : public QWidget {
public:
    CDragImage();

    // Starts showing `image` with `hotSpot` (in image coordinates) at `globalPos`.
    void Begin(const QPixmap& image, const QPoint& hotSpot, const QPoint& globalPos);
    void MoveTo(const QPoint& globalPos);
    void End();
    bool Active() const { return m_active; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_image;
    QPoint m_hotSpot;
    bool m_active = false;
};
