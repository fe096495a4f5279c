#pragma once
// CNITView: the satellite and transponder screen. The satellite list on the left
// shows every satellite in the user's order; the transponder list on the right shows
// the transponders of the satellite last clicked. Satellites and transponders are
// added, edited and deleted through their dialogs, and satellites change places by
// dragging rows within the satellite list; every change goes straight into the
// open database.
//
// A drag is done by hand so that plain mouse events drive it: the list reports the
// start, the view's drag controller captures the mouse on the list's viewport and
// reports the moves, and the view acts on the release over the satellite list.
#include "db/ChannelDB.h"
#include "document/CloseCommand.h"
#include "document/DocView.h"
#include "listctrl/ListDragController.h"

#include <QPoint>
#include <QWidget>

class CRecordListCtrl;

class CNITView : public QWidget, public CDocView, public CEditCommands, public CCloseCommand {
    Q_OBJECT
public:
    // Which list the Add, Edit and Delete commands act on; set by the context menu.
    enum class MenuTarget { None, Satellites, Transponders };

    explicit CNITView(COrvaneDoc* doc, QWidget* parent = nullptr);
    ~CNITView() override;

    void OnInitialUpdate() override;
    bool CanRun(EditCmd cmd) const override;
    void OnEditAdd() override;
    void OnEditEdit() override;
    void OnEditDelete() override;
    void OnFileClose() override;

    CRecordListCtrl* SatList() const { return m_satList; }
    CRecordListCtrl* TpList() const { return m_tpList; }
    MenuTarget Target() const { return m_menuTarget; }
    // The satellite whose transponders the transponder list shows; 0 for none.
    int ShownSatId() const { return m_shownSatId; }
    bool Dragging() const { return m_dragger.Active(); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct DragState {
        int startRow = -1;
        int rowUnder = -1;
        QWidget* windowUnder = nullptr; // one of the two lists, or null
        QPoint lastPoint;               // in the viewport of windowUnder
    };

    void LayOutLists();
    void OnSatClicked();
    void ShowTransponders(int satId);
    void ClearTransponders();
    void ShowContextMenu(MenuTarget target, const QPoint& globalPos);

    void EditSelectedRow(CRecordListCtrl* list);
    void EditSatellite(int row);   // -1: a new satellite
    void EditTransponder(int row); // -1: a new transponder
    void DeleteRows(CRecordListCtrl* list);
    // 0, or the failing delete's result.
    int DeleteRow(CRecordListCtrl* list, int row);

    void BeginDrag(int row);
    void DragMove(const QPoint& globalPos);
    void DragRelease(const QPoint& globalPos);
    CRecordListCtrl* ListAt(const QPoint& globalPos) const;
    void DropOnSatList();
    bool ExchangeSatRows(int target, int row);

    CRecordListCtrl* m_satList;
    CRecordListCtrl* m_tpList;
    CChannelDB m_db;
    bool m_firstTime = true;
    MenuTarget m_menuTarget = MenuTarget::None;
    int m_shownSatId = 0;
    DragState m_drag;
    CListDragController m_dragger;
};
