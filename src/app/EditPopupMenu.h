#pragma once
// The editing views' shared popup: "Add", "Edit\tSpace", "Delete\tDel", a separator,
// "Renumber". Each view decides which items are enabled and acts on the command
// chosen; the menu runs through the PopupMenu seam, so tests choose by item name
// (actionEditAdd, actionEditEdit, actionEditDelete, actionRenumber).
#include <QPoint>

class QWidget;

namespace editmenu {

enum class Command { None, Add, Edit, Delete, Renumber };

struct Enabled {
    bool add = false;
    bool edit = false;
    bool remove = false;
    bool renumber = false;
};

// Shows the popup at `globalPos` and returns the chosen command.
Command Run(QWidget* parent, const QPoint& globalPos, const Enabled& enabled);

} // namespace editmenu
