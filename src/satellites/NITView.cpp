#include "NITView.h"

#include "EditNitDlg.h"
#include "EditSatDlg.h"
#include "db/UndoHistory.h"
#include "document/OrvaneDoc.h"
#include "listctrl/ListColumns.h"
#include "listctrl/ListKeyFilter.h"
#include "listctrl/RecordListCtrl.h"
#include "listctrl/RowFormat.h"
#include "seams/DbProblems.h"
#include "seams/EditPopupMenu.h"
#include "seams/MessageBox.h"
#include "seams/ModalDialog.h"
#include "seams/WaitCursor.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCoreApplication>
#include <QItemSelectionModel>

namespace {

const char* const kDeleteQuestion = QT_TRANSLATE_NOOP("NITView", "Do you want to delete this item from DB?");
const char* const kDeleteFailedMessage = QT_TRANSLATE_NOOP("NITView", "Delete process is failed");
const char* const kNoSatelliteMessage =
    QT_TRANSLATE_NOOP("NITView", "Click the satellite of the new TP in the left list first.");

// The satellite list keeps this width; the transponder list takes the rest.
constexpr int kSatListWidth = 216;
// A downward drag lands on the row above the one this far below the pointer.
constexpr int kDownwardDropSlack = 10;

constexpr int kSatNameColumn = 1;
constexpr int kSatPositionColumn = 2;
constexpr int kTpFrequencyColumn = 0;
constexpr int kTpSymbolRateColumn = 1;
constexpr int kTpPolarityColumn = 2;
constexpr int kTpFecColumn = 3;
constexpr int kFirstFec = 1;
constexpr int kLastFec = 5;

bool IsAncestorOf(const QWidget* ancestor, const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (w == ancestor) {
            return true;
        }
    }
    return false;
}

CRecordListCtrl* NewList(const char* objectName, QWidget* parent) {
    auto* list = new CRecordListCtrl(parent);
    list->setObjectName(QLatin1String(objectName));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    return list;
}

// Selects `row` and makes it the list's current row without touching the others.
void SelectAndFocus(CRecordListCtrl* list, int row) {
    list->SetRowSelected(row, true);
    list->selectionModel()->setCurrentIndex(list->Model()->index(row, 0), QItemSelectionModel::NoUpdate);
}

} // namespace

CNITView::CNITView(COrvaneDoc* doc, QWidget* parent)
    : QWidget(parent), CDocView(doc), m_satList(NewList("satList", this)), m_tpList(NewList("tpList", this)),
      m_dragger(
          m_satList, [this](const QPoint& globalPos) { DragMove(globalPos); },
          [this](const QPoint& globalPos) { DragRelease(globalPos); }) {
    setObjectName(QStringLiteral("nitView"));
    m_satList->SetRowDragging(true);
    for (CRecordListCtrl* list : {m_satList, m_tpList}) {
        InstallEditKeys(
            list, [this, list] { EditSelectedRow(list); }, [this, list] { DeleteRows(list); });
    }

    connect(m_satList, &QAbstractItemView::clicked, this, &CNITView::OnSatClicked);
    connect(m_satList, &QAbstractItemView::doubleClicked, this, [this] { EditSelectedRow(m_satList); });
    connect(m_tpList, &QAbstractItemView::doubleClicked, this, [this] { EditSelectedRow(m_tpList); });
    connect(m_satList, &QWidget::customContextMenuRequested, this, [this](const QPoint& point) {
        // A right-click on a satellite shows its transponders as a click does, so the
        // menu's commands never act on a satellite whose transponders are not shown.
        if (const QModelIndex index = m_satList->indexAt(point); index.isValid()) {
            SelectAndFocus(m_satList, index.row());
            ShowTransponders(m_satList->RowId(index.row()));
        }
        ShowContextMenu(MenuTarget::Satellites, m_satList->viewport()->mapToGlobal(point));
    });
    connect(m_tpList, &QWidget::customContextMenuRequested, this, [this](const QPoint& point) {
        ShowContextMenu(MenuTarget::Transponders, m_tpList->viewport()->mapToGlobal(point));
    });
    connect(m_satList, &CRecordListCtrl::BeginDrag, this, &CNITView::BeginDrag);
}

CNITView::~CNITView() = default;

// Document updates and layout.

void CNITView::OnInitialUpdate() {
    m_satList->DeleteAllRows();
    ClearTransponders();
    if (m_firstTime) {
        m_satList->InsertColumns(kSatList);
        m_tpList->InsertColumns(kTpList);
        m_firstTime = false;
        LayOutLists();
    }
    if (g_db != nullptr) {
        m_satList->FillList(kSatList);
    }
}

void CNITView::OnFileClose() {
    CloseDatabaseInViews(*GetDocument(), [this] { OnInitialUpdate(); });
}

void CNITView::resizeEvent(QResizeEvent*) {
    LayOutLists();
}

void CNITView::LayOutLists() {
    m_satList->setGeometry(0, 0, kSatListWidth, height());
    m_tpList->setGeometry(kSatListWidth, 0, std::max(width() - kSatListWidth, 0), height());
}

// The transponder list follows mouse clicks only; moving the selection with the
// keyboard leaves it as it was.
void CNITView::OnSatClicked() {
    const int row = m_satList->FirstSelectedRow();
    if (row < 0) {
        return;
    }
    SelectAndFocus(m_satList, row);
    ShowTransponders(m_satList->RowId(row));
}

void CNITView::ShowTransponders(int satId) {
    ClearTransponders();
    m_tpList->FillTpList(satId);
    m_shownSatId = satId;
}

void CNITView::ClearTransponders() {
    m_tpList->DeleteAllRows();
    m_shownSatId = 0;
}

// Commands.

void CNITView::ShowContextMenu(MenuTarget target, const QPoint& globalPos) {
    const bool open = g_db != nullptr;
    // The list the user clicked in is the target, wherever the view sits on screen.
    if (open) {
        m_menuTarget = target;
    }
    editmenu::Run(this, globalPos, *this);
}

bool CNITView::CanRun(EditCmd cmd) const {
    return cmd != EditCmd::Renumber && g_db != nullptr;
}

void CNITView::OnEditAdd() {
    if (g_db == nullptr) {
        return;
    }
    if (m_menuTarget == MenuTarget::Transponders) {
        EditTransponder(-1);
    } else {
        EditSatellite(-1);
    }
}

void CNITView::OnEditEdit() {
    if (m_menuTarget == MenuTarget::Satellites) {
        EditSelectedRow(m_satList);
    } else if (m_menuTarget == MenuTarget::Transponders) {
        EditSelectedRow(m_tpList);
    }
}

void CNITView::EditSelectedRow(CRecordListCtrl* list) {
    const int row = list->FirstSelectedRow();
    if (g_db == nullptr || row < 0) {
        return;
    }
    list == m_satList ? EditSatellite(row) : EditTransponder(row);
}

void CNITView::OnEditDelete() {
    if (m_menuTarget == MenuTarget::Satellites) {
        DeleteRows(m_satList);
    } else if (m_menuTarget == MenuTarget::Transponders) {
        DeleteRows(m_tpList);
    }
}

void CNITView::EditSatellite(int row) {
    const bool adding = row < 0;
    if (!adding) {
        SelectAndFocus(m_satList, row);
        // Its OK would write back values that the record has cut.
        if (TellIfDoesNotFit(this, m_db.CheckSatRowFits(m_satList->RowId(row)))) {
            return;
        }
    }
    CUndoStep step((adding ? QCoreApplication::translate("NITView", "Add satellite")
                           : QCoreApplication::translate("NITView", "Edit satellite %1")
                                 .arg(m_satList->CellText(row, kSatNameColumn)))
                       .toStdString());
    CEditSatDlg dlg(this, adding ? 0 : m_satList->RowId(row));
    if (ModalDialog::Exec(dlg) != QDialog::Accepted) {
        return;
    }
    // OK means the dialog stored the row, whether or not it can be read back.
    g_dbModified = 1;
    SatRecord sat{};
    if (m_db.GetSatInfo(dlg.SatId(), sat) <= 0) {
        return;
    }
    if (adding) {
        m_satList->AddSatRow(sat);
    } else {
        m_satList->SetCellText(row, kSatNameColumn, FieldText(sat.name));
        m_satList->SetCellText(row, kSatPositionColumn, PositionText(sat.position));
    }
}

void CNITView::EditTransponder(int row) {
    const bool adding = row < 0;
    int satId = m_shownSatId;
    if (adding) {
        // A new transponder joins the list on screen, so it belongs to the satellite
        // that list shows; without one it would belong to no satellite at all.
        if (satId == 0) {
            MessageBox::Tell(this, QCoreApplication::translate("NITView", kNoSatelliteMessage));
            return;
        }
    } else {
        SelectAndFocus(m_tpList, row);
        if (TellIfDoesNotFit(this, m_db.CheckNitRowFits(m_tpList->RowId(row)))) {
            return;
        }
        // The transponder keeps its own satellite, whatever is selected on the left.
        NitRecord stored{};
        if (m_db.GetNitInfo(m_tpList->RowId(row), stored) > 0) {
            satId = stored.sat_id;
        }
    }
    CUndoStep step((adding ? QCoreApplication::translate("NITView", "Add transponder")
                           : QCoreApplication::translate("NITView", "Edit transponder"))
                       .toStdString());
    CEditNitDlg dlg(this, adding ? 0 : m_tpList->RowId(row), satId);
    if (ModalDialog::Exec(dlg) != QDialog::Accepted) {
        return;
    }
    g_dbModified = 1;
    NitRecord nit{};
    if (m_db.GetNitInfo(dlg.NitId(), nit) <= 0) {
        return;
    }
    if (adding) {
        m_tpList->AddTpRow(nit);
    } else {
        m_tpList->SetCellText(row, kTpFrequencyColumn, FrequencyText(nit.frequency));
        m_tpList->SetCellText(row, kTpSymbolRateColumn, QString::number(nit.symbol_rate));
        m_tpList->SetCellText(row, kTpPolarityColumn, PolarityText(nit.pol));
        if (nit.fec >= kFirstFec && nit.fec <= kLastFec) {
            m_tpList->SetCellText(row, kTpFecColumn, FecText(nit.fec));
        }
    }
}

// Each row is deleted on its own (with what depends on it); a failure stops the walk
// and leaves that row and the ones below it in place.
void CNITView::DeleteRows(CRecordListCtrl* list) {
    if (g_db == nullptr) {
        return;
    }
    if (!MessageBox::AskYesNo(this, QCoreApplication::translate("NITView", kDeleteQuestion),
                              MessageBox::Icon::Question)) {
        return;
    }
    CWaitCursor wait;
    CUndoStep step((list == m_satList ? QCoreApplication::translate("NITView", "Delete satellites")
                                      : QCoreApplication::translate("NITView", "Delete transponders"))
                       .toStdString());
    int removed = 0;
    for (const int selected : list->SelectedRows()) {
        const int row = selected - removed;
        if (const int rc = DeleteRow(list, row); rc != 0) {
            if (!TellIfDoesNotFit(this, rc)) {
                MessageBox::Tell(this, QCoreApplication::translate("NITView", kDeleteFailedMessage));
            }
            return;
        }
        ++removed;
    }
}

int CNITView::DeleteRow(CRecordListCtrl* list, int row) {
    const int32_t id = list->RowId(row);
    const bool satellite = list == m_satList;
    const int rc = satellite ? m_db.DeleteSat(id) : m_db.DeleteNit(id);
    if (rc != 0) {
        return rc;
    }
    g_dbModified = 1;
    GetDocument()->UpdateAllViews(this, 0);
    list->DeleteRow(row);
    // The transponders of a deleted satellite are gone with it.
    if (satellite && id == m_shownSatId) {
        ClearTransponders();
    }
    return 0;
}

// Reordering satellites by dragging.

void CNITView::BeginDrag(int row) {
    QPoint origin;
    const QPixmap image = m_satList->CreateSelectionDragImage(&origin);
    m_drag = DragState{};
    m_drag.startRow = row;
    m_drag.windowUnder = m_satList;
    m_dragger.Begin(m_satList->viewport(), image, QCursor::pos());
}

// Only a list's rows area counts: over its header or scroll bars the pointer is over
// no row, and a release there must not read as one below the last row.
CRecordListCtrl* CNITView::ListAt(const QPoint& globalPos) const {
    QWidget* under = QApplication::widgetAt(globalPos);
    if (IsAncestorOf(m_satList->viewport(), under)) {
        return m_satList;
    }
    return IsAncestorOf(m_tpList->viewport(), under) ? m_tpList : nullptr;
}

void CNITView::DragMove(const QPoint& globalPos) {
    CRecordListCtrl* list = ListAt(globalPos);
    if (list != m_drag.windowUnder) {
        m_drag.rowUnder = -1;
        m_drag.windowUnder = list;
    }
    if (list != nullptr) {
        m_drag.lastPoint = list->viewport()->mapFromGlobal(globalPos);
        m_drag.rowUnder = list->RowAt(m_drag.lastPoint);
    }
    // Only rows of the satellite list scroll it: a transponder row number says
    // nothing about where the satellite list stands.
    m_dragger.UpdateAutoScroll(list == m_satList ? m_drag.rowUnder : -1);
}

void CNITView::DragRelease(const QPoint& globalPos) {
    DragMove(globalPos);
    // Over the transponder list the row under the pointer is a transponder, which
    // says nothing about the satellites' order, so only the satellite list takes a drop.
    if (m_drag.windowUnder == m_satList && g_db != nullptr) {
        DropOnSatList();
    }
    m_drag = DragState{};
}

// The k-th selected row (from the top) changes places with row target + k; the
// first cells keep their numbers, so the list reads the new stored order.
void CNITView::DropOnSatList() {
    const int rows = m_satList->RowCount();
    const int source = m_drag.startRow;
    int target = m_drag.rowUnder;
    if (source < target) {
        target = m_satList->RowAt(m_drag.lastPoint + QPoint(0, kDownwardDropSlack));
    }
    if (target < 0) {
        target = rows;
    }
    CWaitCursor wait;
    if (target > source) {
        --target;
    }
    bool changed = false;
    CUndoStep step(QCoreApplication::translate("NITView", "Move satellites").toStdString());
    bool stored = m_db.BeginTransaction() == 0;
    for (const int row : m_satList->SelectedRows()) {
        if (!stored || target >= rows) {
            break;
        }
        changed = changed || target != row;
        stored = ExchangeSatRows(target++, row);
    }
    stored = stored && m_db.CommitTransaction() == 0;
    if (!stored) {
        // The list no longer matches what is stored: show the stored order again.
        CChannelDB::Rollback();
        m_satList->DeleteAllRows();
        m_satList->FillList(kSatList);
    }
    ClearTransponders();
    if (stored && changed) {
        g_dbModified = 1;
    }
}

bool CNITView::ExchangeSatRows(int target, int row) {
    const int32_t seqTarget = m_satList->CellText(target, 0).toInt();
    const int32_t seqRow = m_satList->CellText(row, 0).toInt();
    for (const int column : {kSatNameColumn, kSatPositionColumn}) {
        const QString text = m_satList->CellText(target, column);
        m_satList->SetCellText(target, column, m_satList->CellText(row, column));
        m_satList->SetCellText(row, column, text);
    }
    const int32_t id = m_satList->RowId(target);
    m_satList->SetRowId(target, m_satList->RowId(row));
    m_satList->SetRowId(row, id);
    return m_db.SwapSatSeq(seqTarget, seqRow) == 0;
}
