#pragma once
// CFavGroupTree: the tree control of the favourite group pane. It shows the root
// and the groups, edits a group's label in place (at most 15 characters) and
// reports what its view acts on: a finished edit, the Delete and F2 keys, a press
// on the selected root, and the start of a drag. The view owns it and does every
// database step.
//
// Drags follow the receiver editor's model (button down, begin-drag notice, mouse
// capture, moves, release) rather than QDrag, so plain mouse events drive them.
#include <QPersistentModelIndex>
#include <QPoint>
#include <QTreeWidget>

class CFavGroupTree : public QTreeWidget {
    Q_OBJECT
public:
    // Item data roles: the group id (0 for the root) and the number of the item's
    // picture (favimages::Image).
    static constexpr int kGroupIdRole = Qt::UserRole;
    static constexpr int kImageRole = Qt::UserRole + 1;
    // What the receiver keeps of a group name.
    static constexpr int kMaxLabelLength = 15;

    explicit CFavGroupTree(QWidget* parent = nullptr);

    QTreeWidgetItem* Root() const { return topLevelItemCount() > 0 ? topLevelItem(0) : nullptr; }
    bool IsEditing() const { return state() == EditingState; }
    // The open label editor, null when none.
    QWidget* LabelEditor() const;
    // The item under `globalPos` when that point is over this tree, else null.
    QTreeWidgetItem* ItemAtGlobal(const QPoint& globalPos) const;

signals:
    // The edit of `item`'s label ended with `text` (not sent when it was cancelled).
    void LabelEdited(QTreeWidgetItem* item, const QString& text);
    void DeleteKeyPressed();
    void EditKeyPressed();
    // A left press on the root while it is the selected item; the press is consumed.
    void SelectedRootPressed();
    // The user started dragging `item`; `globalPos` is where the drag began.
    void BeginDrag(QTreeWidgetItem* item, const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class CGroupLabelDelegate;
    void EmitLabelEdited(const QModelIndex& index, const QString& text);

    // Where a left press landed, until the button is released or a drag starts.
    QPersistentModelIndex m_pressedIndex;
    QPoint m_pressPos;
};
