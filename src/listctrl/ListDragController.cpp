#include "ListDragController.h"

#include "DragImage.h"
#include "RecordListCtrl.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QWidget>

#include <utility>

namespace {

constexpr int kAutoScrollMs = 33;
// Where the pointer sits on the picture of the dragged rows.
const QPoint kDragHotSpot(8, 8);

} // namespace

CListDragController::CListDragController(CRecordListCtrl* scrolled, Handler onMove, Handler onRelease)
    : m_scrolled(scrolled), m_onMove(std::move(onMove)), m_onRelease(std::move(onRelease)),
      m_image(std::make_unique<CDragImage>()) {
    m_scrollUpTimer.setInterval(kAutoScrollMs);
    m_scrollDownTimer.setInterval(kAutoScrollMs);
    connect(&m_scrollUpTimer, &QTimer::timeout, this, [this] { TickAutoScroll(true); });
    connect(&m_scrollDownTimer, &QTimer::timeout, this, [this] { TickAutoScroll(false); });
}

CListDragController::~CListDragController() {
    End();
}

void CListDragController::Begin(QWidget* grabber, const QPixmap& image, const QPoint& globalPos) {
    End();
    m_image->Begin(image, kDragHotSpot, globalPos);
    m_grabber = grabber;
    m_active = true;
    grabber->grabMouse();
    qApp->installEventFilter(this);
}

void CListDragController::End() {
    StopAutoScroll();
    if (!m_active) {
        return;
    }
    m_image->End();
    ReleaseCapture();
}

void CListDragController::ReleaseCapture() {
    m_active = false;
    qApp->removeEventFilter(this);
    if (m_grabber != nullptr) {
        m_grabber->releaseMouse();
    }
    m_grabber = nullptr;
}

bool CListDragController::eventFilter(QObject* watched, QEvent* event) {
    // The window system's copy of an event reaches the window first; only the copy
    // delivered to a widget counts, so that nothing is seen twice.
    if (!m_active || !watched->isWidgetType()) {
        return false;
    }
    if (event->type() == QEvent::MouseMove) {
        Move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Release(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    }
    return false;
}

void CListDragController::Move(const QPoint& globalPos) {
    // Hidden while the view looks up the window under the pointer and the list
    // repaints, so the picture is never what it finds there.
    m_image->hide();
    m_image->MoveTo(globalPos);
    m_onMove(globalPos);
    if (m_image->Active()) {
        m_image->show();
    }
}

// The capture ends before the view hears of the release; the list no longer
// scrolls while the view acts on the drop.
void CListDragController::Release(const QPoint& globalPos) {
    ReleaseCapture();
    m_image->End();
    StopAutoScroll();
    m_onRelease(globalPos);
    StopAutoScroll();
}

void CListDragController::UpdateAutoScroll(int rowUnder) {
    if (!m_active || m_scrolled == nullptr || rowUnder < 0) {
        StopAutoScroll();
        return;
    }
    const int top = m_scrolled->FirstVisibleRow();
    const int lastOnPage = top + m_scrolled->RowsPerPage() - 1;
    const bool up = rowUnder == top && top != 0;
    const bool down = rowUnder == lastOnPage && lastOnPage != m_scrolled->RowCount() - 1;
    up ? m_scrollUpTimer.start() : m_scrollUpTimer.stop();
    down ? m_scrollDownTimer.start() : m_scrollDownTimer.stop();
}

void CListDragController::StopAutoScroll() {
    m_scrollUpTimer.stop();
    m_scrollDownTimer.stop();
}

void CListDragController::TickAutoScroll(bool up) {
    if (!m_active || m_scrolled == nullptr) {
        return;
    }
    m_image->hide();
    const int top = m_scrolled->FirstVisibleRow();
    m_scrolled->EnsureRowVisible(up ? top - 1 : top + m_scrolled->RowsPerPage());
    m_scrolled->viewport()->update();
    if (m_image->Active()) {
        m_image->show();
    }
}
