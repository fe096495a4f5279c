#pragma once
// CBusyProgress: a command over many rows shows the busy cursor for its lifetime and,
// once it has run longer than the delay (1 s), a progress dialog with the count
// ("Renumbering channels: 5,120 of 19,999"). The dialog has no Cancel: the work is one
// transaction. It is shown and painted without any event loop, so no event of the
// window runs in the middle of the work and no scripted run ever waits on it.
#include "WaitCursor.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <memory>

class QProgressDialog;
class QWidget;

class CBusyProgress {
public:
    CBusyProgress(QWidget* parent, QString label, qsizetype total);
    ~CBusyProgress();
    CBusyProgress(const CBusyProgress&) = delete;
    CBusyProgress& operator=(const CBusyProgress&) = delete;

    // `done` of the total are done: shows the dialog when the delay has passed and
    // paints the count.
    void Step(qsizetype done);

    // Tests: the delay before the dialog shows (default 1000 ms), and the counts the
    // dialogs have shown since the last call.
    static void SetDelayMs(int ms);
    static QStringList TakeShownCounts();

private:
    CWaitCursor m_wait;
    QWidget* m_parent;
    QString m_label;
    qsizetype m_total;
    QElapsedTimer m_timer;
    std::unique_ptr<QProgressDialog> m_dialog;
};
