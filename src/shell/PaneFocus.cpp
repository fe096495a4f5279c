#include "shell/PaneFocus.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QList>

namespace {

// The lists a user works in, in the order of the focus chain (the order the view made
// them, left to right): not the list of a drop-down (a popup window of its own), nor
// one that is hidden.
QList<QAbstractItemView*> Panes(QWidget* view) {
    QList<QAbstractItemView*> panes;
    if (view == nullptr) {
        return panes;
    }
    constexpr int kChainLimit = 100000; // the chain is a ring; this only guards a broken one
    QWidget* widget = view->nextInFocusChain();
    for (int step = 0; widget != view && step < kChainLimit; ++step, widget = widget->nextInFocusChain()) {
        auto* list = qobject_cast<QAbstractItemView*>(widget);
        if (list != nullptr && view->isAncestorOf(list) && list->window() == view->window() &&
            list->isVisibleTo(view) && list->focusPolicy() != Qt::NoFocus && list->isEnabled()) {
            panes.append(list);
        }
    }
    return panes;
}

QAbstractItemView* GiveFocus(QAbstractItemView* list) {
    list->setFocus(Qt::ShortcutFocusReason);
    // Down must move from the first row when nothing is current yet.
    if (!list->currentIndex().isValid() && list->model() != nullptr && list->model()->rowCount() > 0) {
        list->selectionModel()->setCurrentIndex(list->model()->index(0, 0), QItemSelectionModel::NoUpdate);
    }
    return list;
}

} // namespace

namespace PaneFocus {

QAbstractItemView* FocusFirst(QWidget* view) {
    const QList<QAbstractItemView*> panes = Panes(view);
    return panes.isEmpty() ? nullptr : GiveFocus(panes.first());
}

QAbstractItemView* Move(QWidget* view, int step) {
    const QList<QAbstractItemView*> panes = Panes(view);
    if (panes.isEmpty()) {
        return nullptr;
    }
    const QWidget* focus = QApplication::focusWidget();
    int now = -1;
    for (int i = 0; i < panes.size() && now < 0; ++i) {
        if (panes[i] == focus || panes[i]->isAncestorOf(focus)) {
            now = i;
        }
    }
    const int next = now < 0 ? 0 : (now + step + panes.size()) % panes.size();
    return GiveFocus(panes[next]);
}

} // namespace PaneFocus
