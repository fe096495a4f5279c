#include "DragCapture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <utility>

CDragCapture::CDragCapture(Handler onMove, Handler onRelease)
    : m_onMove(std::move(onMove)), m_onRelease(std::move(onRelease)) {}

CDragCapture::~CDragCapture() {
    End();
}

void CDragCapture::Begin(QWidget* grabber) {
    End();
    m_grabber = grabber;
    m_active = true;
    grabber->grabMouse();
    qApp->installEventFilter(this);
}

void CDragCapture::End() {
    if (!m_active) {
        return;
    }
    m_active = false;
    qApp->removeEventFilter(this);
    if (m_grabber != nullptr) {
        m_grabber->releaseMouse();
    }
    m_grabber = nullptr;
}

bool CDragCapture::eventFilter(QObject* watched, QEvent* event) {
    // The window system's copy of an event reaches the window first; only the copy
    // delivered to a widget counts, so that nothing is seen twice.
    if (!m_active || !watched->isWidgetType()) {
        return false;
    }
    if (event->type() == QEvent::MouseMove) {
        m_onMove(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        const QPoint globalPos = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        End();
        m_onRelease(globalPos);
        return true;
    }
    return false;
}
