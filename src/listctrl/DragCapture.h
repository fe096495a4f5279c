#pragma once
// CDragCapture: follows one drag that a view makes by hand (press, capture, moves,
// release) rather than through the platform's drag and drop, so that plain mouse
// events drive it. While active it captures the mouse on the grabbing widget and
// also watches the whole application, since events may be sent to other widgets
// directly; every mouse move and the left-button release reach the view with their
// global positions, and the release ends the capture before it is reported.
#include <QObject>
#include <QPoint>
#include <QPointer>

#include <functional>

class QWidget;

class CDragCapture : public QObject {
public:
    using Handler = std::function<void(const QPoint& globalPos)>;

    CDragCapture(Handler onMove, Handler onRelease);
    ~CDragCapture() override;

    void Begin(QWidget* grabber);
    void End();
    bool Active() const { return m_active; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler m_onMove;
    Handler m_onRelease;
    QPointer<QWidget> m_grabber;
    bool m_active = false;
};
