#pragma once
// The editing views' popup ("Add", "Edit\tSpace", "Delete\tDel", a separator,
// "Renumber") as the two favourite panes show it. Neither pane renumbers, so
// "Renumber" is always greyed; each pane decides about the other three.
#include <QPoint>

class QWidget;

namespace favmenu {

enum class Command { None, Add, Edit, Delete };

struct Enabled {
    bool add = false;
    bool edit = false;
    bool remove = false;
};

// Shows the popup at `globalPos` and returns the chosen command.
Command Run(QWidget* parent, const QPoint& globalPos, const Enabled& enabled);

} // namespace favmenu
