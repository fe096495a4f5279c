#include "ListKeyFilter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

#include <utility>

CListKeyFilter::CListKeyFilter(QWidget* list, std::function<void()> onEdit, std::function<void()> onDelete)
    : QObject(list), m_onEdit(std::move(onEdit)), m_onDelete(std::move(onDelete)) {
    list->installEventFilter(this);
}

bool CListKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    // The keypad's Del is the same key; only Shift, Ctrl and Alt make it another one.
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    const std::function<void()>* handler = nullptr;
    if (key->key() == Qt::Key_Space) {
        handler = &m_onEdit;
    } else if (key->key() == Qt::Key_Delete) {
        handler = &m_onDelete;
    }
    if (handler == nullptr || !*handler) {
        return false;
    }
    (*handler)();
    return true;
}

void InstallEditKeys(QWidget* list, std::function<void()> onEdit, std::function<void()> onDelete) {
    new CListKeyFilter(list, std::move(onEdit), std::move(onDelete));
}
