#pragma once
// The editing views' shared popup: "Add", "Edit\tSpace", "Delete\tDel", a separator,
// "Renumber", from the command table. Each item is enabled by the view's CanRun just
// before the menu shows (disabled items stay visible, greyed), and the chosen one is
// run on the view. The menu runs through the PopupMenu seam, so tests choose by item
// name (actionEditAdd, actionEditEdit, actionEditDelete, actionRenumber).
class CEditCommands;
class QPoint;
class QWidget;

namespace editmenu {

void Run(QWidget* parent, const QPoint& globalPos, CEditCommands& view);

} // namespace editmenu
