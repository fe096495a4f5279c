#pragma once
// Every context menu of the program is run through PopupMenu::Exec. In a test the
// menu is scripted instead of shown: its items are recorded (text, enabled state)
// and the queued choice is taken, so no test waits on a real popup loop.
#include <QList>
#include <QString>

class QAction;
class QMenu;
class QPoint;

namespace PopupMenu {

// QMenu::exec at `globalPos`; the chosen action, null when none. While scripted the
// next queued choice is looked up by object name; a disabled item is never chosen,
// as a user cannot click it either.
QAction* Exec(QMenu& menu, const QPoint& globalPos);

struct Item {
    QString text;
    QString name;
    bool enabled = false;
};

void SetScripted(bool scripted);
// The object name of the item the next scripted menu chooses; empty: none.
void QueueChoice(const QString& actionName);
// The items (separators left out) of each menu shown since the last call.
QList<QList<Item>> TakeShown();

} // namespace PopupMenu
