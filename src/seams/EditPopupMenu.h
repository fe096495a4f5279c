#pragma once
// The editing views' shared popup: "Add", "Edit\tSpace", "Delete\tDel", a separator,
// "Renumber", from the command table. Each item is enabled by the view's CanRun just
// before the menu shows (disabled items stay visible, greyed), and the chosen one is
// run on the view. The menu runs through the PopupMenu seam, so tests choose by item
// name (actionEditAdd, actionEditEdit, actionEditDelete, actionRenumber).
#include <functional>

class CEditCommands;
class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace editmenu {

// A view may add items of its own after the shared ones (`addMore`, after a
// separator); a chosen item of those goes to `runMore`.
void Run(QWidget* parent, const QPoint& globalPos, CEditCommands& view, const std::function<void(QMenu&)>& addMore = {},
         const std::function<void(const QAction*)>& runMore = {});

} // namespace editmenu
