#include "shell/LayoutMemory.h"

#include "seams/PopupMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenu>
#include <QSettings>
#include <QSplitter>
#include <QTreeView>

#include <algorithm>

namespace {

QString Group(const QString& name) {
    return QStringLiteral("Layout/") + name;
}

// The lists and splitters of `view` by object name; nameless ones are left out, as
// their state could not find its way back.
template <typename T> QList<T*> Named(QWidget* view) {
    QList<T*> found;
    for (T* child : view->findChildren<T*>()) {
        if (!child->objectName().isEmpty() && child->window() == view->window()) {
            found.append(child);
        }
    }
    return found;
}

// Room around a cell's text: the item margins and, in the header, the sort mark.
constexpr int kCellMargin = 12;
constexpr int kHeaderMargin = 24;

} // namespace

namespace layoutmemory {

void Save(QWidget* view, const QString& name) {
    if (view == nullptr) {
        return;
    }
    QSettings settings;
    settings.remove(Group(name));
    settings.beginGroup(Group(name));
    settings.setValue(QStringLiteral("version"), kVersion);
    for (QSplitter* splitter : Named<QSplitter>(view)) {
        settings.setValue(QStringLiteral("splitter/") + splitter->objectName(), splitter->saveState());
    }
    for (QTreeView* list : Named<QTreeView>(view)) {
        settings.setValue(QStringLiteral("header/") + list->objectName(), list->header()->saveState());
        settings.setValue(QStringLiteral("columns/") + list->objectName(), list->header()->count());
    }
}

bool Restore(QWidget* view, const QString& name) {
    QSettings settings;
    settings.beginGroup(Group(name));
    if (view == nullptr || settings.value(QStringLiteral("version")).toInt() != kVersion) {
        return false;
    }
    for (QSplitter* splitter : Named<QSplitter>(view)) {
        const QByteArray state = settings.value(QStringLiteral("splitter/") + splitter->objectName()).toByteArray();
        if (!state.isEmpty() && splitter->restoreState(state)) {
            splitter->setProperty("layoutRestored", true);
        }
    }
    for (QTreeView* list : Named<QTreeView>(view)) {
        const QString key = list->objectName();
        // A state of another column set would put widths and order on the wrong columns.
        if (settings.value(QStringLiteral("columns/") + key, -1).toInt() == list->header()->count()) {
            list->header()->restoreState(settings.value(QStringLiteral("header/") + key).toByteArray());
        }
    }
    return true;
}

bool Has(const QString& name) {
    return QSettings().value(Group(name) + QStringLiteral("/version")).toInt() == kVersion;
}

void Forget(const QString& name) {
    QSettings().remove(Group(name));
}

void SaveSort(const QString& name, SortOrder order) {
    QSettings settings;
    settings.beginGroup(Group(name));
    settings.setValue(QStringLiteral("sort/column"), order.column);
    settings.setValue(QStringLiteral("sort/ascending"), order.ascending);
}

SortOrder StoredSort(const QString& name) {
    QSettings settings;
    settings.beginGroup(Group(name));
    SortOrder order;
    if (settings.value(QStringLiteral("version")).toInt() == kVersion) {
        bool number = false;
        const int column = settings.value(QStringLiteral("sort/column"), -1).toInt(&number);
        order.column = number ? column : -1;
        order.ascending = settings.value(QStringLiteral("sort/ascending"), true).toBool();
    }
    return order;
}

void SaveWindow(const QMainWindow* window) {
    QSettings settings;
    settings.beginGroup(Group(QStringLiteral("Window")));
    settings.setValue(QStringLiteral("version"), kVersion);
    settings.setValue(QStringLiteral("geometry"), window->saveGeometry());
    settings.setValue(QStringLiteral("state"), window->saveState(kVersion));
}

bool RestoreWindow(QMainWindow* window) {
    QSettings settings;
    settings.beginGroup(Group(QStringLiteral("Window")));
    if (settings.value(QStringLiteral("version")).toInt() != kVersion) {
        return false;
    }
    return window->restoreGeometry(settings.value(QStringLiteral("geometry")).toByteArray()) &&
           window->restoreState(settings.value(QStringLiteral("state")).toByteArray(), kVersion);
}

void FitColumns(QTreeView* list, int rows) {
    QHeaderView* header = list->header();
    const QAbstractItemModel* model = list->model();
    if (model == nullptr) {
        return;
    }
    const int shownRows = std::min(rows, model->rowCount());
    const QFontMetrics cells = list->fontMetrics();
    const QFontMetrics captions = header->fontMetrics();
    for (int column = 0; column < header->count(); ++column) {
        int width = captions.horizontalAdvance(model->headerData(column, Qt::Horizontal).toString()) + kHeaderMargin;
        for (int row = 0; row < shownRows; ++row) {
            width = std::max(width, cells.horizontalAdvance(model->index(row, column).data().toString()) + kCellMargin);
        }
        if (header->sectionSize(column) < width) {
            header->resizeSection(column, width);
        }
    }
}

void InstallHeaderMenus(QWidget* view, const QString& name, void (*reset)(QWidget* owner), QWidget* owner) {
    for (QTreeView* list : Named<QTreeView>(view)) {
        QHeaderView* header = list->header();
        header->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(header, &QWidget::customContextMenuRequested, header, [=](const QPoint& point) {
            QMenu menu(header);
            const QAbstractItemModel* model = list->model();
            for (int column = 0; column < header->count(); ++column) {
                QAction* action = menu.addAction(model->headerData(column, Qt::Horizontal).toString());
                action->setObjectName(QStringLiteral("actionColumn%1").arg(column));
                action->setCheckable(true);
                action->setChecked(!header->isSectionHidden(column));
                // The last column shown stays: a list without columns could not get them back.
                action->setEnabled(header->isSectionHidden(column) ||
                                   header->hiddenSectionCount() < header->count() - 1);
                action->setData(column);
            }
            menu.addSeparator();
            QAction* resetAction = menu.addAction(QCoreApplication::translate("LayoutMemory", "Reset Layout"));
            resetAction->setObjectName(QStringLiteral("actionResetLayout"));
            QAction* chosen = PopupMenu::Exec(menu, header->mapToGlobal(point));
            if (chosen == resetAction) {
                Forget(name);
                reset(owner);
            } else if (chosen != nullptr) {
                const int column = chosen->data().toInt();
                header->setSectionHidden(column, !header->isSectionHidden(column));
            }
        });
    }
}

} // namespace layoutmemory
