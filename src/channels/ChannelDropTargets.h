#pragma once
// The windows that take channels dragged out of the channel list, besides the
// channel list itself. The channel list finds them under the pointer by walking up
// from the widget there, so the pane that implements one of these interfaces must
// be a QWidget ancestor of (or the same widget as) the control the pointer is over.
//
// The channel list does the database work of the drop; a target only shows where
// the channels would land and what is stored afterwards.
#include <QPoint>

class CRecordListCtrl;

// The favourite group tree: its items carry group ids.
class CGroupDropTree {
public:
    virtual ~CGroupDropTree() = default;

    // The item under `globalPoint` becomes the highlighted drop target; none when
    // the point is on no item.
    virtual void HighlightDropItemAt(const QPoint& globalPoint) = 0;
    virtual void ClearDropHighlight() = 0;
    // The group of the highlighted item: -1 when no item is highlighted, when it is
    // the root, or when the item carries no group.
    virtual int DropGroupId() const = 0;
};

// The favourite list: one column, the entries of the current group.
class CFavDropList {
public:
    virtual ~CFavDropList() = default;

    // The one-column list the dropped channels are appended to.
    virtual CRecordListCtrl* DropList() = 0;
    // Refills the list from the database for the current group, after a drop whose
    // entries were rolled back.
    virtual void ReloadDropList() = 0;
};
