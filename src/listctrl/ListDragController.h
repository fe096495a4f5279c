#pragma once
// CListDragController: the part of a drag that every view does the same way. Views
// drag rows (or tree items) by hand, as the receiver editor does: button down, the
// list's begin-drag notice, mouse capture, moves, release; so plain mouse events
// drive a drag end to end. The controller captures the mouse on the grabbing widget
// and also watches the whole application, since events may be sent to other widgets
// directly; it moves the picture of the dragged rows with the pointer, and scrolls
// its list while the pointer rests on the first or last full row of the page. The
// view that owns it keeps only its drop decisions: it hears of every move and of the
// left-button release with their global positions, and says which row of the list
// the pointer rests on.
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

class CDragImage;
class CRecordListCtrl;
class QPixmap;
class QWidget;

class CListDragController : public QObject {
public:
    using Handler = std::function<void(const QPoint& globalPos)>;

    // `scrolled`: the list that scrolls by itself during a drag; null for none.
    CListDragController(CRecordListCtrl* scrolled, Handler onMove, Handler onRelease);
    ~CListDragController() override;

    // Shows `image` under the pointer at `globalPos` and captures the mouse on `grabber`.
    void Begin(QWidget* grabber, const QPixmap& image, const QPoint& globalPos);
    // Ends a drag without a release: nothing is reported to the view.
    void End();
    bool Active() const { return m_active; }

    // The pointer rests on row `rowUnder` of the scrolled list (-1: on none of its
    // rows): on the first row of a scrolled page the list scrolls up, on the last
    // full row of a page with more below it scrolls down, anywhere else it stops.
    void UpdateAutoScroll(int rowUnder);
    void StopAutoScroll();

    // Tests tick the auto-scroll timers by hand instead of waiting for them.
    bool ScrollUpRunning() const { return m_scrollUpTimer.isActive(); }
    bool ScrollDownRunning() const { return m_scrollDownTimer.isActive(); }
    void TickAutoScroll(bool up);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Move(const QPoint& globalPos);
    void Release(const QPoint& globalPos);
    void ReleaseCapture();

    CRecordListCtrl* m_scrolled;
    Handler m_onMove;
    Handler m_onRelease;
    QPointer<QWidget> m_grabber;
    bool m_active = false;
    std::unique_ptr<CDragImage> m_image;
    QTimer m_scrollUpTimer;
    QTimer m_scrollDownTimer;
};
