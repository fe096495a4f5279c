#pragma once
// COrvaneView: the channel editing screen, one channel list covering the view. It
// adds, edits and deletes channels, sorts the list by a column, reorders rows by
// dragging them, stores the shown order as the channels' numbers (Renumber), and
// drops dragged channels into a favourite group (onto the group tree or onto the
// favourite list, see ChannelDropTargets.h).
//
// A drag is done by hand so that plain mouse events drive it: the list reports the
// start, the view's drag controller captures the mouse on the list's viewport and
// reports the moves, and the view acts on the release by the kind of window that
// was last under the pointer.
#include "ChannelFilter.h"
#include "db/ChannelDB.h"
#include "document/DocView.h"
#include "listctrl/ListDragController.h"

#include <QPoint>
#include <QWidget>

#include <memory>

class CBulkCommands;
class CChannelFindBar;
class CFavDropList;
class CGroupDropTree;
class CRecordListCtrl;
class QLabel;

class COrvaneView : public QWidget, public CDocView, public CEditCommands {
    Q_OBJECT
public:
    explicit COrvaneView(COrvaneDoc* doc, QWidget* parent = nullptr);
    ~COrvaneView() override;

    void OnInitialUpdate() override;
    void OnUpdate(CDocView* sender, int hint) override;

    void OnEditAdd() override;
    void OnEditEdit() override;
    void OnEditDelete() override;
    // Off while a filter hides rows: their order must not change unseen.
    bool CanRun(EditCmd cmd) const override;
    bool CanRenumber() const override { return !m_filtered; }
    QString RenumberOffReason() const override;
    void OnRenumber() override;

    // Find and filter (the bar below the list). FindNext/FindPrevious go to the next
    // or previous shown row that matches the find text, wrapping around the list.
    void ShowFindBar();
    void FindNext();
    void FindPrevious();
    bool Filtered() const { return m_filtered; }
    CChannelFindBar* FindBar() const { return m_findBar; }

    CRecordListCtrl* List() const { return m_list; }
    // Lock, Hide, Add to Favourite Group and the like on all selected rows.
    CBulkCommands* Bulk() const { return m_bulk; }
    int CurrentFavGroup() const { return m_favGroupId; }
    int SortColumn() const { return m_sortColumn; }
    bool SortAscending() const { return m_sortAscending; }
    // Sorts by `column` in the given direction (a remembered sort); a column the list
    // does not have is ignored.
    void RestoreSort(int column, bool ascending);
    bool Dragging() const { return m_dragger.Active(); }
    CListDragController& Dragger() { return m_dragger; }

signals:
    // A filter was turned on or off: Renumber's state follows.
    void filterChanged(bool filtered);
    // The rows a filter lets through, after each filtering; -1 while no filter is on.
    void shownCountChanged(int shown);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class CBulkCommands; // refilters after its commands

    // What lies under the pointer during a drag.
    struct DropWindow {
        QWidget* widget = nullptr; // the pane or list found; null for anything else
        CGroupDropTree* tree = nullptr;
        CFavDropList* favList = nullptr;
        bool channelList = false;
    };
    struct DragState {
        int startRow = -1;
        int dropRow = -1;
        DropWindow window;
        QPoint lastPoint; // in the channel list's viewport, when over it
    };

    void ShowContextMenu(const QPoint& listPoint);
    void OpenNewChannel();
    void SortByColumn(int column);
    void ApplySort();
    bool ColumnLooksNumeric(int column) const;
    bool RenumberListedChannels();

    void BeginDrag(int row);
    void DragMove(const QPoint& globalPos);
    void DragRelease(const QPoint& globalPos);
    DropWindow DropWindowAt(const QPoint& globalPos) const;

    void LayOut();
    void Find(int direction);
    const CChannelSearchIndex& SearchIndex();
    void CloseFindBar();
    // Shows the rows the bar's filter lets through (all while it is closed or off).
    void ApplyFilter();
    void ShowFilterNotice();
    // "n of m" over the rows shown, after the rows or the filter changed.
    void UpdateFindCount();

    void DropOnGroupTree(CGroupDropTree& tree);
    void DropOnFavList(CFavDropList& target);
    void DropOnChannelList();

    CRecordListCtrl* m_list;
    CChannelFindBar* m_findBar;
    QLabel* m_filterNotice;
    CBulkCommands* m_bulk;
    CChannelFilter m_filter;
    CChannelSearchIndex m_searchIndex;
    bool m_searchIndexStale = true;
    bool m_filtered = false;
    QString m_searchedFile; // working copy the find bar's query was made in
    CChannelDB m_db;
    bool m_firstTime = true;
    int m_sortColumn = -1;
    bool m_sortAscending = true;
    int m_favGroupId = -1;
    DragState m_drag;
    CListDragController m_dragger;
};
