#pragma once
// CFavGrpView: the favourite group pane of the channel container, a tree with the
// root "Favorites" and one item per favourite group in the user's order. It adds,
// renames and deletes groups, exchanges the places of two groups dragged one onto
// the other, and tells the other views which group became current (hint: the
// group id, 0 for the root, -1 when no group is current).
//
// Channels dragged out of the channel list may be dropped on a group: the channel
// list does that work through CGroupDropTree, this pane only shows the target.
#include "channels/ChannelDropTargets.h"
#include "db/ChannelDB.h"
#include "document/DocView.h"
#include "listctrl/ListDragController.h"

#include <QWidget>

#include <memory>

class CFavGroupTree;
class QTreeWidgetItem;

namespace favimages {
class CImageList;
}

class CFavGrpView : public QWidget, public CDocView, public CEditCommands, public CGroupDropTree {
    Q_OBJECT
public:
    explicit CFavGrpView(COrvaneDoc* doc, QWidget* parent = nullptr);
    ~CFavGrpView() override;

    void OnInitialUpdate() override;

    bool CanRun(EditCmd cmd) const override;
    void OnEditAdd() override;
    void OnEditEdit() override;
    void OnEditDelete() override;

    void HighlightDropItemAt(const QPoint& globalPoint) override;
    void ClearDropHighlight() override;
    int DropGroupId() const override;

    CFavGroupTree* Tree() const { return m_tree; }
    bool Dragging() const { return m_dragger.Active(); }
    QTreeWidgetItem* DropTarget() const { return m_dropTarget; }
    // The picture number (favimages::Image) an item shows.
    static int ImageOf(const QTreeWidgetItem* item);
    static int GroupIdOf(const QTreeWidgetItem* item);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct DragState {
        QTreeWidgetItem* dragged = nullptr;
        QWidget* window = nullptr; // the widget last under the pointer
    };

    QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, const QString& label, int groupId, int image);
    void SetImage(QTreeWidgetItem* item, int image);
    bool LoadGroups(QTreeWidgetItem* root);
    QTreeWidgetItem* SelectedItem() const;
    bool IsGroupItem(const QTreeWidgetItem* item) const;
    void SelectItem(QTreeWidgetItem* item);
    void NotifySelection();
    void Notify(int hint);

    void StoreLabel(QTreeWidgetItem* item, const QString& text);
    bool DeleteGroup(int groupId);
    void ShowContextMenu(const QPoint& treePoint);
    void ToggleRoot();

    void SetDropTarget(QTreeWidgetItem* item);
    bool IsOverTree(const QWidget* widget) const;
    void BeginDrag(QTreeWidgetItem* item, const QPoint& globalPos);
    void DragMove(const QPoint& globalPos);
    void DragRelease(const QPoint& globalPos);
    void EndDrag();
    void ExchangeGroups(QTreeWidgetItem* dragged, QTreeWidgetItem* target);

    CFavGroupTree* m_tree;
    CChannelDB m_db;
    std::unique_ptr<favimages::CImageList> m_images;
    // Set while the tree changes its items itself, so that no hint goes out for
    // selections the user did not make.
    bool m_quiet = false;
    QTreeWidgetItem* m_dropTarget = nullptr;
    DragState m_drag;
    CListDragController m_dragger;
};
