#pragma once
// The keyboard road through the panes of an editing view: F6 and Shift+F6 move the
// focus from list to list, and a view that comes up gives its first list the focus,
// so Up, Down and the Edit commands work without a click.
class QAbstractItemView;
class QWidget;

namespace PaneFocus {

// Gives the focus to the first list of `view` and returns it; null when it has none.
QAbstractItemView* FocusFirst(QWidget* view);
// Moves the focus to the next (`step` 1) or previous (-1) list of `view` after the one
// that holds it, wrapping around; to the first when none holds it. Returns the list.
QAbstractItemView* Move(QWidget* view, int step);

} // namespace PaneFocus
