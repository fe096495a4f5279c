#pragma once
// The user's layout, remembered per user in the settings store: the splitters and the
// list columns (widths, order, shown or hidden, sort mark) of each editing view, and
// the main window's geometry. Each view has a group of its own with a version key; a
// group of another version, or a list state of another column count, is ignored.
#include <QString>

class QMainWindow;
class QTreeView;
class QWidget;

namespace layoutmemory {

inline constexpr int kVersion = 1;

// Stores the splitters and list headers inside `view` under the view's `name`.
void Save(QWidget* view, const QString& name);
// Gives them back; false when nothing (usable) is stored for `name`.
bool Restore(QWidget* view, const QString& name);
// True when a layout of this version is stored for `name`.
bool Has(const QString& name);
// Forgets what is stored for `name`.
void Forget(const QString& name);

// The column a list is sorted by (-1: stored order) and its direction; kept beside the
// view's other layout, so Save first.
struct SortOrder {
    int column = -1;
    bool ascending = true;
};
void SaveSort(const QString& name, SortOrder order);
SortOrder StoredSort(const QString& name);

void SaveWindow(const QMainWindow* window);
bool RestoreWindow(QMainWindow* window);

// Widens every column of `list` to its caption and its widest text among the first
// `rows` rows; a column already wider stays as it is.
void FitColumns(QTreeView* list, int rows = 50);

// A right-click on a list header of `view` offers each column to show or hide and
// "Reset Layout", which runs `reset`.
void InstallHeaderMenus(QWidget* view, const QString& name, void (*reset)(QWidget* owner), QWidget* owner);

} // namespace layoutmemory
