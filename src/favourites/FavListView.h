#pragma once
// CFavListView: the favourite list pane of the channel container, between the
// channel list and the group tree. It lists the entries of the current favourite
// group in their stored order (one right-aligned "Service" column), removes entries,
// and exchanges the places of two entries dragged one onto the other, scrolling
// while the pointer rests on the first or last row of the page.
//
// The group tree names the current group through the document's hints. Channels
// dropped on this list are stored by the channel list through CFavDropList.
#include "channels/ChannelDropTargets.h"
#include "db/ChannelDB.h"
#include "document/DocView.h"
#include "listctrl/ListDragController.h"

#include <QPoint>
#include <QWidget>

class CRecordListCtrl;

class CFavListView : public QWidget, public CDocView, public CEditCommands, public CFavDropList {
    Q_OBJECT
public:
    explicit CFavListView(COrvaneDoc* doc, QWidget* parent = nullptr);
    ~CFavListView() override;

    void OnInitialUpdate() override;
    void OnUpdate(CDocView* sender, int hint) override;

    // The menu's Delete: all selected entries in one transaction.
    bool CanRun(EditCmd cmd) const override;
    void OnEditDelete() override;

    CRecordListCtrl* DropList() override { return m_list; }
    void ReloadDropList() override;

    CRecordListCtrl* List() const { return m_list; }
    int CurrentGroup() const { return m_groupId; }
    bool Dragging() const { return m_dragger.Active(); }
    CListDragController& Dragger() { return m_dragger; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct DragState {
        int sourceRow = -1;
        int rowUnder = -1;
        QWidget* window = nullptr; // the widget last under the pointer
        QPoint lastPoint;          // in this list's viewport, while over it
    };
    enum class Removal { OneTransaction, EachOnItsOwn };

    void Reload();
    void RemoveSelected(Removal mode);
    // Walks the selected rows from the top; false at the first failed removal.
    bool DeleteSelectedRows();
    void ShowContextMenu(const QPoint& listPoint);

    void BeginDrag(int row);
    void DragMove(const QPoint& globalPos);
    void DragRelease(const QPoint& globalPos);
    void EndDrag();
    bool IsOverList(const QWidget* widget) const;
    void ExchangeEntries(int source, int target);

    CRecordListCtrl* m_list;
    CChannelDB m_db;
    bool m_firstTime = true;
    // -1: no group (none named yet, or the tree has none).
    int m_groupId = -1;
    DragState m_drag;
    CListDragController m_dragger;
};
