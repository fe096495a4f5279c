#include "FavGroupTree.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace {

// The label editor. Enter, Esc, Delete and every Ctrl combination belong to the
// edit: they end it, cancel it or change the text, and must never reach a shortcut
// of the window (Delete would remove the group being named).
class CLabelEdit : public QLineEdit {
public:
    explicit CLabelEdit(QWidget* parent) : QLineEdit(parent) {
        setObjectName(QStringLiteral("groupLabelEdit"));
        setMaxLength(CFavGroupTree::kMaxLabelLength);
    }

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride && BelongsToEdit(*static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        return QLineEdit::event(event);
    }

private:
    static bool BelongsToEdit(const QKeyEvent& key) {
        switch (key.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Delete:
            return true;
        default:
            return key.modifiers().testFlag(Qt::ControlModifier);
        }
    }
};

} // namespace

// Hands a finished edit to the tree's view instead of writing the label: the view
// stores the name first and shows it only when the database took it.
class CGroupLabelDelegate : public QStyledItemDelegate {
public:
    explicit CGroupLabelDelegate(CFavGroupTree* tree) : QStyledItemDelegate(tree), m_tree(tree) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        return new CLabelEdit(parent);
    }
    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override {
        m_tree->EmitLabelEdited(index, static_cast<QLineEdit*>(editor)->text());
    }

private:
    CFavGroupTree* m_tree;
};

CFavGroupTree::CFavGroupTree(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("favGroupTree"));
    setHeaderHidden(true);
    setColumnCount(1);
    // No expand buttons or lines: the root opens and closes through its own picture.
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setIndentation(16);
    setIconSize(QSize(18, 18));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new CGroupLabelDelegate(this));
    header()->setStretchLastSection(true);
}

QWidget* CFavGroupTree::LabelEditor() const {
    return IsEditing() ? findChild<QLineEdit*>(QStringLiteral("groupLabelEdit")) : nullptr;
}

QTreeWidgetItem* CFavGroupTree::ItemAtGlobal(const QPoint& globalPos) const {
    const QPoint point = viewport()->mapFromGlobal(globalPos);
    return viewport()->rect().contains(point) ? itemAt(point) : nullptr;
}

void CFavGroupTree::EmitLabelEdited(const QModelIndex& index, const QString& text) {
    if (QTreeWidgetItem* item = itemFromIndex(index)) {
        emit LabelEdited(item, text);
    }
}

void CFavGroupTree::mousePressEvent(QMouseEvent* event) {
    m_pressedIndex = QPersistentModelIndex();
    if (event->button() == Qt::LeftButton) {
        QTreeWidgetItem* item = itemAt(event->position().toPoint());
        if (item != nullptr && item == Root() && item->isSelected()) {
            emit SelectedRootPressed();
            event->accept();
            return;
        }
        if (item != nullptr) {
            m_pressedIndex = indexFromItem(item);
            m_pressPos = event->position().toPoint();
        }
    }
    QTreeWidget::mousePressEvent(event);
}

void CFavGroupTree::mouseMoveEvent(QMouseEvent* event) {
    // A move with the button held either starts a drag or does nothing: the
    // selection follows presses only.
    if (!event->buttons().testFlag(Qt::LeftButton)) {
        QTreeWidget::mouseMoveEvent(event);
        return;
    }
    if (m_pressedIndex.isValid() &&
        (event->position().toPoint() - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
        QTreeWidgetItem* item = itemFromIndex(m_pressedIndex);
        m_pressedIndex = QPersistentModelIndex();
        if (item != nullptr) {
            emit BeginDrag(item, event->globalPosition().toPoint());
        }
    }
    event->accept();
}

void CFavGroupTree::mouseReleaseEvent(QMouseEvent* event) {
    m_pressedIndex = QPersistentModelIndex();
    QTreeWidget::mouseReleaseEvent(event);
}

void CFavGroupTree::keyPressEvent(QKeyEvent* event) {
    if (!IsEditing() && event->modifiers() == Qt::NoModifier) {
        if (event->key() == Qt::Key_Delete) {
            emit DeleteKeyPressed();
            event->accept();
            return;
        }
        if (event->key() == Qt::Key_F2) {
            emit EditKeyPressed();
            event->accept();
            return;
        }
    }
    QTreeWidget::keyPressEvent(event);
}
