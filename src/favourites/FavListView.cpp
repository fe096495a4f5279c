#include "FavListView.h"

#include "db/UndoHistory.h"
#include "listctrl/ListKeyFilter.h"
#include "listctrl/RecordListCtrl.h"
#include "seams/EditPopupMenu.h"
#include "seams/MessageBox.h"
#include "seams/WaitCursor.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>

namespace {

const char* const kServiceCaption = QT_TRANSLATE_NOOP("FavListView", "Service");
constexpr int kServiceWidth = 120;
const char* const kMenuRemoveQuestion = QT_TRANSLATE_NOOP("FavListView", "Do you want to remove from favorite list?");
const char* const kKeyRemoveQuestion =
    QT_TRANSLATE_NOOP("FavListView", "Do you want to remove this favorite list from DB?");
const char* const kInvalidSelectionMessage = QT_TRANSLATE_NOOP("FavListView", "Unvalid data is selected");
const char* const kRemoveRolledBackMessage =
    QT_TRANSLATE_NOOP("FavListView", "The entries could not be removed from the DB.\nNothing has been removed.");
// The view's border lies outside the pane.
constexpr int kHiddenBorder = 2;

// The first selected row at `from` or below it, -1 when none.
int NextSelectedRow(const CRecordListCtrl& list, int from) {
    for (const int row : list.SelectedRows()) {
        if (row >= from) {
            return row;
        }
    }
    return -1;
}

} // namespace

CFavListView::CFavListView(COrvaneDoc* doc, QWidget* parent)
    : QWidget(parent), CDocView(doc), m_list(new CRecordListCtrl(this)),
      m_dragger(
          m_list, [this](const QPoint& globalPos) { DragMove(globalPos); },
          [this](const QPoint& globalPos) { DragRelease(globalPos); }) {
    setObjectName(QStringLiteral("favListView"));
    m_list->setObjectName(QStringLiteral("favList"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->SetRowDragging(true);
    // The Del key removes entry by entry, each asked about and stored on its own.
    InstallEditKeys(m_list, nullptr, [this] { RemoveSelected(Removal::EachOnItsOwn); });
    connect(m_list, &QWidget::customContextMenuRequested, this, &CFavListView::ShowContextMenu);
    connect(m_list, &CRecordListCtrl::BeginDrag, this, &CFavListView::BeginDrag);
}

CFavListView::~CFavListView() {
    EndDrag();
}

// Document updates.

void CFavListView::OnInitialUpdate() {
    EndDrag();
    m_list->DeleteAllRows();
    // The group tree names the current group of the file just loaded; an id of the
    // file before must not be filled again at the next hint 0.
    m_groupId = -1;
    if (m_firstTime) {
        m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
        m_list->InsertColumn(0, QCoreApplication::translate("FavListView", kServiceCaption), kServiceWidth,
                             Qt::AlignRight);
        m_firstTime = false;
    }
}

void CFavListView::OnUpdate(CDocView*, int hint) {
    if (g_db == nullptr) {
        return;
    }
    if (hint != 0) {
        m_groupId = hint;
    }
    Reload();
}

void CFavListView::ReloadDropList() {
    if (g_db != nullptr) {
        Reload();
    }
}

void CFavListView::Reload() {
    EndDrag();
    m_list->DeleteAllRows();
    if (m_groupId > 0) {
        m_list->FillFavList(m_groupId);
    }
}

void CFavListView::resizeEvent(QResizeEvent*) {
    m_list->setGeometry(-kHiddenBorder, -kHiddenBorder, width() + 2 * kHiddenBorder, height() + 2 * kHiddenBorder);
}

// Removing entries.

void CFavListView::OnEditDelete() {
    if (g_db != nullptr) {
        RemoveSelected(Removal::OneTransaction);
    }
}

void CFavListView::RemoveSelected(Removal mode) {
    CUndoStep step(QCoreApplication::translate("FavListView", "Remove favourite entries").toStdString());
    if (mode == Removal::EachOnItsOwn) {
        if (!MessageBox::AskYesNo(this, QCoreApplication::translate("FavListView", kKeyRemoveQuestion),
                                  MessageBox::Icon::Question)) {
            return;
        }
        // Each removal is stored on its own: those before a failure stay removed.
        if (!DeleteSelectedRows()) {
            MessageBox::Tell(this, QCoreApplication::translate("FavListView", kInvalidSelectionMessage));
        }
        if (g_db != nullptr) {
            g_dbModified = 1;
        }
        return;
    }
    CWaitCursor wait;
    if (!MessageBox::AskYesNo(this, QCoreApplication::translate("FavListView", kMenuRemoveQuestion),
                              MessageBox::Icon::Question)) {
        return;
    }
    const bool stored = m_db.BeginTransaction() == 0 && DeleteSelectedRows() && m_db.CommitTransaction() == 0;
    if (!stored) {
        // The rows already taken off the list come back with the rollback.
        CChannelDB::Rollback();
        MessageBox::Tell(this, QCoreApplication::translate("FavListView", kRemoveRolledBackMessage));
        Reload();
        return;
    }
    g_dbModified = 1;
}

bool CFavListView::DeleteSelectedRows() {
    int row = NextSelectedRow(*m_list, 0);
    while (row >= 0) {
        if (m_db.DeleteFavEntry(m_groupId, m_list->RowId(row)) != 0) {
            return false;
        }
        int from = row;
        if (!m_list->DeleteRow(row)) {
            m_list->SetRowSelected(row, false);
            from = row + 1;
        }
        row = NextSelectedRow(*m_list, from);
    }
    return true;
}

void CFavListView::ShowContextMenu(const QPoint& listPoint) {
    editmenu::Run(this, m_list->viewport()->mapToGlobal(listPoint), *this);
}

bool CFavListView::CanRun(EditCmd cmd) const {
    return cmd == EditCmd::Delete && g_db != nullptr;
}

// Exchanging two entries by dragging one onto the other. Only the dragged row
// moves, whatever else is selected.

void CFavListView::BeginDrag(int row) {
    if (m_dragger.Active() || row < 0 || row >= m_list->RowCount()) {
        return;
    }
    m_drag = DragState{};
    m_drag.sourceRow = row;
    m_drag.window = m_list->viewport();
    const QRect bounds = m_list->RowBounds(row).intersected(m_list->viewport()->rect());
    m_dragger.Begin(m_list->viewport(), m_list->viewport()->grab(bounds), QCursor::pos());
}

bool CFavListView::IsOverList(const QWidget* widget) const {
    return widget != nullptr && (widget == m_list || m_list->isAncestorOf(widget));
}

void CFavListView::DragMove(const QPoint& globalPos) {
    QWidget* under = QApplication::widgetAt(globalPos);
    if (under != m_drag.window) {
        m_drag.rowUnder = -1;
        m_drag.window = under;
    }
    // Rows of another list are no places of this group's entries: only this list
    // takes the drop and scrolls.
    if (IsOverList(under)) {
        m_drag.lastPoint = m_list->viewport()->mapFromGlobal(globalPos);
        m_drag.rowUnder = m_list->RowAt(m_drag.lastPoint);
        m_dragger.UpdateAutoScroll(m_drag.rowUnder);
    } else {
        m_dragger.StopAutoScroll();
    }
}

void CFavListView::DragRelease(const QPoint& globalPos) {
    const int source = m_drag.sourceRow;
    EndDrag();
    if (!IsOverList(QApplication::widgetAt(globalPos))) {
        return;
    }
    int target = m_list->RowAt(m_list->viewport()->mapFromGlobal(globalPos));
    // Below the last row: the last entry is the one exchanged.
    if (target < 0) {
        target = m_list->RowCount() - 1;
    }
    ExchangeEntries(source, target);
}

void CFavListView::EndDrag() {
    m_dragger.End();
    m_drag = DragState{};
}

void CFavListView::ExchangeEntries(int source, int target) {
    if (g_db == nullptr || source == target || source < 0 || target < 0 || source >= m_list->RowCount()) {
        return;
    }
    // The two place updates are one unit: half done, two entries would share a
    // place and the group's order would be undefined. The list shows only a stored
    // exchange.
    const int32_t first = m_list->RowId(source);
    const int32_t second = m_list->RowId(target);
    CUndoStep step(QCoreApplication::translate("FavListView", "Move favourite entry").toStdString());
    if (m_db.BeginTransaction() != 0) {
        return;
    }
    if (m_db.MoveFavEntry(first, second) != 0 || m_db.CommitTransaction() != 0) {
        CChannelDB::Rollback();
        return;
    }
    m_list->SwapRows(source, target);
    g_dbModified = 1;
}
