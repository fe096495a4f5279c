#include "OrvaneView.h"

#include "BulkCommands.h"
#include "ChannelDropTargets.h"
#include "ChannelFindBar.h"
#include "EditChannelDlg.h"
#include "db/RecordBlock.h"
#include "db/UndoHistory.h"
#include "document/OrvaneDoc.h"
#include "listctrl/ListColumns.h"
#include "listctrl/ListKeyFilter.h"
#include "listctrl/ListSorter.h"
#include "listctrl/RecordListCtrl.h"
#include "seams/BusyProgress.h"
#include "seams/DbProblems.h"
#include "seams/EditPopupMenu.h"
#include "seams/MessageBox.h"
#include "seams/ModalDialog.h"
#include "seams/WaitCursor.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <memory>
#include <numeric>
#include <unordered_map>
#include <vector>

namespace {

const char* const kExceedMessage = QT_TRANSLATE_NOOP("OrvaneView", "exceed valid number!");
const char* const kDeleteQuestion = QT_TRANSLATE_NOOP("OrvaneView", "Do you want to delete this channel from DB?");
const char* const kAlreadyInGroupMessage = QT_TRANSLATE_NOOP("OrvaneView", "You already insert same channel!");
const char* const kAlreadyInListMessage = QT_TRANSLATE_NOOP("OrvaneView", "You already insert \"%1\" channel!");
const char* const kJobCanceledMessage = QT_TRANSLATE_NOOP("OrvaneView", "Error! Your job is canceled.");
const char* const kDeleteFailedMessage =
    QT_TRANSLATE_NOOP("OrvaneView", "The channels could not be deleted from the DB.\nNothing has been deleted.");
const char* const kRenumberMismatchMessage = QT_TRANSLATE_NOOP(
    "OrvaneView", "The list does not show the channels stored in the DB.\nReopen the file and renumber again.");
const char* const kRenumberFailedMessage =
    QT_TRANSLATE_NOOP("OrvaneView", "The new numbers could not be stored in the DB.\nNothing has been changed.");
const char* const kFilteredOrderMessage =
    QT_TRANSLATE_NOOP("OrvaneView", "Renumber and reordering by dragging are off while a filter hides channels: "
                                    "the order of the hidden channels must not change unseen.");

// The last number the receiver accepts for a channel.
constexpr int kLastChannelNumber = 19999;
// A downward drag lands after the row under the pointer once the pointer is this
// close to that row's bottom.
constexpr int kDownwardDropSlack = 10;

// The ancestor of `widget` (itself included) that is a `T`, null when none.
template <typename T> T* AncestorOfKind(QWidget* widget) {
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (T* found = dynamic_cast<T*>(w)) {
            return found;
        }
    }
    return nullptr;
}

bool IsAncestorOf(const QWidget* ancestor, const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (w == ancestor) {
            return true;
        }
    }
    return false;
}

// Every channel the editor lists, keyed by id.
// "Delete 3 channels", "Delete 1 channel": the name of an undo step.
// An undo step's name with a count ("Delete %n channel(s)").
std::string CountedName(const char* text, qsizetype count) {
    return QCoreApplication::translate("OrvaneView", text, nullptr, static_cast<int>(count)).toStdString();
}

} // namespace

COrvaneView::COrvaneView(COrvaneDoc* doc, QWidget* parent)
    : QWidget(parent), CDocView(doc), m_list(new CRecordListCtrl(this)), m_findBar(new CChannelFindBar(this)),
      m_filterNotice(new QLabel(this)), m_bulk(new CBulkCommands(this, doc)),
      m_dragger(
          m_list, [this](const QPoint& globalPos) { DragMove(globalPos); },
          [this](const QPoint& globalPos) { DragRelease(globalPos); }) {
    setObjectName(QStringLiteral("channelView"));
    m_list->setObjectName(QStringLiteral("channelList"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->SetRowDragging(true);
    InstallEditKeys(
        m_list, [this] { OnEditEdit(); }, [this] { OnEditDelete(); });
    m_findBar->hide();
    // The pane never gets narrower than the find bar needs to show its captions whole.
    setMinimumWidth(m_findBar->minimumSizeHint().width());
    m_filterNotice->setObjectName(QStringLiteral("filterNoticeLabel"));
    m_filterNotice->setWordWrap(true);
    m_filterNotice->setMargin(3);
    m_filterNotice->setStyleSheet(QStringLiteral("background: #fff4c2; color: black;"));
    m_filterNotice->hide();
    // Any change of the rows makes the search index stale; it is rebuilt on the next find.
    CRecordListModel* model = m_list->Model();
    const auto stale = [this] { m_searchIndexStale = true; };
    connect(model, &QAbstractItemModel::rowsInserted, this, stale);
    connect(model, &QAbstractItemModel::rowsRemoved, this, stale);
    connect(model, &QAbstractItemModel::dataChanged, this, stale);
    connect(model, &QAbstractItemModel::layoutChanged, this, stale);
    connect(model, &QAbstractItemModel::modelReset, this, stale);
    connect(m_findBar, &CChannelFindBar::textChanged, this, [this] {
        Find(0);
        if (m_findBar->Settings().onlyMatches) {
            ApplyFilter();
        }
    });
    connect(m_findBar, &CChannelFindBar::nextWanted, this, &COrvaneView::FindNext);
    connect(m_findBar, &CChannelFindBar::previousWanted, this, &COrvaneView::FindPrevious);
    connect(m_findBar, &CChannelFindBar::filterChanged, this, &COrvaneView::ApplyFilter);
    connect(m_findBar, &CChannelFindBar::closeWanted, this, &COrvaneView::CloseFindBar);

    connect(m_list, &QWidget::customContextMenuRequested, this, &COrvaneView::ShowContextMenu);
    connect(m_list, &QAbstractItemView::doubleClicked, this, [this] { OnEditEdit(); });
    connect(m_list, &CRecordListCtrl::HeaderClicked, this, &COrvaneView::SortByColumn);
    connect(m_list, &CRecordListCtrl::BeginDrag, this, &COrvaneView::BeginDrag);
}

COrvaneView::~COrvaneView() = default;

// Document updates.

void COrvaneView::OnInitialUpdate() {
    m_list->DeleteAllRows();
    // A group of the previous file is no drop target in this one; the group tree
    // names the current group when it loads.
    m_favGroupId = -1;
    if (m_firstTime) {
        m_list->InsertColumns(kChannelList);
        m_firstTime = false;
    }
    if (g_db != nullptr) {
        m_list->FillList(kChannelList);
    }
    // Another file, or none: its rows are not the ones the last search counted.
    const QString file = GetDocument() != nullptr ? GetDocument()->WorkPath() : QString();
    if (g_db == nullptr || file.isEmpty() || file != m_searchedFile) {
        m_findBar->Reset();
    }
    m_searchedFile = g_db != nullptr ? file : QString();
    m_findBar->LoadSatellites(m_db);
    ApplyFilter();
    UpdateFindCount();
}

void COrvaneView::OnUpdate(CDocView*, int hint) {
    if (hint != 0 && g_db != nullptr) {
        m_favGroupId = hint;
    }
}

void COrvaneView::resizeEvent(QResizeEvent*) {
    LayOut();
}

void COrvaneView::LayOut() {
    // The list's border lies outside the view; the filter notice sits above it and
    // the find bar below it while they show.
    const int top = m_filterNotice->isVisible() ? m_filterNotice->heightForWidth(width()) : 0;
    const int bottom = m_findBar->isVisible() ? m_findBar->sizeHint().height() : 0;
    m_filterNotice->setGeometry(0, 0, width(), top);
    m_list->setGeometry(-2, top - 2, width() + 4, height() - top - bottom + 4);
    m_findBar->setGeometry(0, height() - bottom, width(), bottom);
}

// Commands.

void COrvaneView::ShowContextMenu(const QPoint& listPoint) {
    editmenu::Run(
        this, m_list->mapToGlobal(listPoint), *this,
        [this](QMenu& menu) { CBulkCommands::AddItems(menu, m_bulk, false); },
        [this](const QAction* chosen) { m_bulk->RunItem(chosen); });
}

bool COrvaneView::CanRun(EditCmd cmd) const {
    return g_db != nullptr && (cmd != EditCmd::Renumber || CanRenumber());
}

void COrvaneView::OnEditAdd() {
    if (g_db == nullptr) {
        return;
    }
    const int rows = m_list->RowCount();
    if (rows > 0 && m_list->CellText(rows - 1, kChannelNoColumn).toInt() >= kLastChannelNumber) {
        MessageBox::Tell(this, QCoreApplication::translate("OrvaneView", kExceedMessage));
        return;
    }
    OpenNewChannel();
}

void COrvaneView::OpenNewChannel() {
    CUndoStep step(QCoreApplication::translate("OrvaneView", "Add channel").toStdString());
    CEditChannelDlg dlg(-1, this);
    if (ModalDialog::Exec(dlg) != QDialog::Accepted) {
        return;
    }
    ChannelRecord channel{};
    // The dialog stores before it closes with OK; a row is shown only for a channel
    // that is really there.
    if (m_db.GetChannelInfo(dlg.ChannelId(), channel) <= 0) {
        return;
    }
    m_list->AddChannelRow(channel);
    g_dbModified = true;
    ApplyFilter();
}

void COrvaneView::OnEditEdit() {
    if (g_db == nullptr) {
        return;
    }
    const int row = m_list->FirstSelectedRow();
    if (row < 0) {
        OpenNewChannel();
        return;
    }
    // Its OK would write back values that the record has cut.
    if (TellIfDoesNotFit(this, m_db.CheckChannelRowFits(m_list->RowId(row)))) {
        return;
    }
    CUndoStep step(QCoreApplication::translate("OrvaneView", "Edit channel %1")
                       .arg(m_list->CellText(row, kChannelServiceColumn))
                       .toStdString());
    CEditChannelDlg dlg(m_list->RowId(row), this);
    if (ModalDialog::Exec(dlg) != QDialog::Accepted) {
        return;
    }
    ChannelRecord channel{};
    if (m_db.GetChannelInfo(m_list->RowId(row), channel) > 0) {
        m_list->SetChannelRowTexts(row, channel);
    }
    GetDocument()->UpdateAllViews(this, 0);
    g_dbModified = true;
    ApplyFilter();
}

void COrvaneView::OnEditDelete() {
    if (g_db == nullptr) {
        return;
    }
    if (!MessageBox::AskYesNo(this, QCoreApplication::translate("OrvaneView", kDeleteQuestion),
                              MessageBox::Icon::Question)) {
        return;
    }
    CWaitCursor wait;
    const QList<int> rows = m_list->SelectedRows();
    CUndoStep step(CountedName(QT_TRANSLATE_N_NOOP("OrvaneView", "Delete %n channel(s)"), rows.size()));
    // Every row stays on screen until the whole delete is stored, so a failure
    // that rolls the delete back leaves the list showing what is stored.
    std::vector<int32_t> ids;
    ids.reserve(static_cast<size_t>(rows.size()));
    for (const int row : rows) {
        ids.push_back(m_list->RowId(row));
    }
    bool stored = m_db.BeginTransaction() == 0;
    int rc = stored ? m_db.DeleteChannels(ids) : 0;
    stored = stored && rc == 0 && m_db.CommitTransaction() == 0;
    if (!stored) {
        CChannelDB::Rollback();
        if (!TellIfDoesNotFit(this, rc)) {
            MessageBox::Tell(this, QCoreApplication::translate("OrvaneView", kDeleteFailedMessage));
        }
        return;
    }
    m_list->DeleteRows(rows);
    if (!rows.isEmpty()) {
        g_dbModified = true;
    }
    GetDocument()->UpdateAllViews(this, 0);
    ShowFilterNotice();
}

// Renumber: the shown order becomes the channels' numbers. Rows are matched to
// their channels by row id, and all listed channels are replaced in one
// transaction, so no channel can be lost or stored twice.
void COrvaneView::OnRenumber() {
    if (g_db == nullptr || !CanRenumber()) {
        return;
    }
    CWaitCursor wait;
    CUndoStep step(QCoreApplication::translate("OrvaneView", "Renumber").toStdString());
    if (RenumberListedChannels()) {
        g_dbModified = true;
    }
}

bool COrvaneView::RenumberListedChannels() {
    // Only the listed ids are read: every row must be one of them, once.
    std::vector<int32_t> listed;
    const int listedCount = m_db.GetListedChannelIds(listed);
    const int rows = m_list->RowCount();
    std::unordered_map<int32_t, int> seen;
    seen.reserve(listed.size());
    for (const int32_t id : listed) {
        seen.emplace(id, -1);
    }
    for (int row = 0; row < rows; ++row) {
        const auto it = seen.find(m_list->RowId(row));
        if (it == seen.end() || it->second >= 0) {
            MessageBox::Tell(this, QCoreApplication::translate("OrvaneView", kRenumberMismatchMessage));
            return false;
        }
        it->second = row;
    }
    if (listedCount < 0 || listedCount != rows) {
        MessageBox::Tell(this, QCoreApplication::translate("OrvaneView", kRenumberMismatchMessage));
        return false;
    }
    // The receiver's own sequence stores every listed row again from its record, which
    // cuts what it cannot hold: such a row is refused as that sequence refuses it.
    if (TellIfDoesNotFit(this, m_db.CheckListedChannelsFit())) {
        return false;
    }
    // Only the numbers are written: for rows that fit, the file then holds what storing
    // each row again from its record gives, in a fraction of the time.
    std::vector<int32_t> ids(static_cast<size_t>(rows));
    for (int row = 0; row < rows; ++row) {
        ids[static_cast<size_t>(row)] = m_list->RowId(row);
    }
    CBusyProgress progress(this, tr("Renumbering channels"), rows);
    bool stored = m_db.BeginTransaction() == 0 &&
                  m_db.NumberChannels(ids, 1, [&](size_t done) { progress.Step(static_cast<qsizetype>(done)); }) == 0;
    stored = stored && m_db.CommitTransaction() == 0;
    if (!stored) {
        CChannelDB::Rollback();
        MessageBox::Tell(this, QCoreApplication::translate("OrvaneView", kRenumberFailedMessage));
        return false;
    }
    QList<int> all(rows);
    std::iota(all.begin(), all.end(), 0);
    m_list->SetColumnTexts(kChannelNoColumn, all, [](int row) { return QString::number(row + 1); });
    return true;
}

// Sorting by a header: only the display order changes.

void COrvaneView::SortByColumn(int column) {
    m_sortAscending = column == m_sortColumn ? !m_sortAscending : true;
    m_sortColumn = column;
    ApplySort();
}

void COrvaneView::RestoreSort(int column, bool ascending) {
    if (column < 0 || column >= m_list->header()->count()) {
        return;
    }
    m_sortColumn = column;
    m_sortAscending = ascending;
    ApplySort();
}

void COrvaneView::ApplySort() {
    if (m_sortColumn < 0) {
        return;
    }
    {
        CListSorter sorter(*m_list, m_sortColumn, ColumnLooksNumeric(m_sortColumn));
        sorter.Sort(m_sortAscending);
    }
    m_list->SetSortMark(m_sortColumn, m_sortAscending);
}

bool COrvaneView::ColumnLooksNumeric(int column) const {
    if (m_list->RowCount() == 0) {
        return true;
    }
    const QString text = m_list->CellText(0, column);
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Keys and mouse.

// Dragging rows.

void COrvaneView::BeginDrag(int row) {
    QPoint origin;
    const QPixmap image = m_list->CreateSelectionDragImage(&origin);
    m_drag = DragState{};
    m_drag.startRow = row;
    m_drag.window.widget = m_list;
    m_drag.window.channelList = true;
    m_dragger.Begin(m_list->viewport(), image, QCursor::pos());
}

COrvaneView::DropWindow COrvaneView::DropWindowAt(const QPoint& globalPos) const {
    DropWindow found;
    QWidget* under = QApplication::widgetAt(globalPos);
    if (under == nullptr) {
        return found;
    }
    if (IsAncestorOf(m_list, under)) {
        found.widget = m_list;
        found.channelList = true;
    } else if (CGroupDropTree* tree = AncestorOfKind<CGroupDropTree>(under)) {
        found.widget = dynamic_cast<QWidget*>(tree);
        found.tree = tree;
    } else if (CFavDropList* favList = AncestorOfKind<CFavDropList>(under)) {
        found.widget = dynamic_cast<QWidget*>(favList);
        found.favList = favList;
    }
    return found;
}

void COrvaneView::DragMove(const QPoint& globalPos) {
    const DropWindow under = DropWindowAt(globalPos);
    if (under.widget != m_drag.window.widget) {
        if (m_drag.window.tree != nullptr) {
            m_drag.window.tree->ClearDropHighlight();
        }
        m_drag.dropRow = -1;
        m_drag.window = under;
    }
    if (under.tree != nullptr) {
        under.tree->HighlightDropItemAt(globalPos);
    } else if (under.favList != nullptr) {
        CRecordListCtrl* list = under.favList->DropList();
        m_drag.dropRow = list->RowAt(list->viewport()->mapFromGlobal(globalPos));
    } else if (under.channelList) {
        m_drag.lastPoint = m_list->viewport()->mapFromGlobal(globalPos);
        m_drag.dropRow = m_list->RowAt(m_drag.lastPoint);
    }
    // Only the channel list scrolls, and only while the pointer is over it.
    m_dragger.UpdateAutoScroll(under.channelList ? m_drag.dropRow : -1);
}

void COrvaneView::DragRelease(const QPoint& globalPos) {
    DragMove(globalPos);
    const DropWindow target = m_drag.window;
    if (target.tree != nullptr) {
        DropOnGroupTree(*target.tree);
    } else if (target.favList != nullptr) {
        DropOnFavList(*target.favList);
    } else if (target.channelList) {
        DropOnChannelList();
    }
    m_drag = DragState{};
}

// Drops.

void COrvaneView::DropOnGroupTree(CGroupDropTree& tree) {
    const int groupId = tree.DropGroupId();
    tree.ClearDropHighlight();
    if (groupId < 0 || g_db == nullptr) {
        return;
    }
    CWaitCursor wait;
    CUndoStep step(CountedName(QT_TRANSLATE_N_NOOP("OrvaneView", "Add %n channel(s) to a favourite group"),
                               m_list->SelectedRows().size()));
    m_db.BeginTransaction();
    // The group's channels are told of once for the whole drop, not once each.
    bool already = false;
    for (const int row : m_list->SelectedRows()) {
        const int rc = m_db.AddFavEntry(m_list->RowId(row), groupId);
        if (rc < 0) {
            CChannelDB::Rollback();
            MessageBox::Tell(this, QCoreApplication::translate("OrvaneView", kJobCanceledMessage));
            return;
        }
        already = already || rc == 1;
    }
    m_db.CommitTransaction();
    if (already) {
        MessageBox::Tell(this, QCoreApplication::translate("OrvaneView", kAlreadyInGroupMessage));
    }
    if (groupId == m_favGroupId) {
        GetDocument()->UpdateAllViews(this, 0);
    }
    g_dbModified = true;
    ApplyFilter();
}

void COrvaneView::DropOnFavList(CFavDropList& target) {
    CRecordListCtrl* favList = target.DropList();
    if (m_favGroupId == -1 || g_db == nullptr || favList == nullptr || favList->ColumnCount() != 1) {
        return;
    }
    CWaitCursor wait;
    favList->clearSelection();
    int insertAt = favList->RowCount();
    const int32_t groupId = m_favGroupId;
    CUndoStep step(CountedName(QT_TRANSLATE_N_NOOP("OrvaneView", "Add %n channel(s) to the favourite list"),
                               m_list->SelectedRows().size()));
    m_db.BeginTransaction();
    // One box for the whole drop, naming the first channel the list held already.
    QString already;
    for (const int row : m_list->SelectedRows()) {
        const int32_t chId = m_list->RowId(row);
        const QString name = m_list->CellText(row, kChannelServiceColumn);
        const int rc = m_db.AddFavEntry(chId, groupId);
        if (rc == 1) {
            already = already.isNull() ? name : already;
        } else if (rc < 0) {
            CChannelDB::Rollback();
            MessageBox::Tell(this, QCoreApplication::translate("OrvaneView", kJobCanceledMessage));
            // The rows appended so far were rolled back with the rest.
            target.ReloadDropList();
            return;
        } else {
            favList->InsertRow(insertAt++, m_db.FindFavEntry(chId, groupId), {name});
        }
    }
    m_db.CommitTransaction();
    if (!already.isNull()) {
        MessageBox::Tell(this, QCoreApplication::translate("OrvaneView", kAlreadyInListMessage).arg(already));
    }
    g_dbModified = true;
    ApplyFilter();
}

void COrvaneView::DropOnChannelList() {
    if (m_filtered) {
        QToolTip::showText(QCursor::pos(), QCoreApplication::translate("OrvaneView", kFilteredOrderMessage), m_list);
        return;
    }
    int dropRow = m_drag.dropRow;
    if (dropRow >= 0 && m_drag.startRow < dropRow) {
        dropRow = m_list->RowAt(m_drag.lastPoint + QPoint(0, kDownwardDropSlack));
    }
    if (dropRow < 0) {
        dropRow = m_list->RowCount();
    }
    CWaitCursor wait;
    m_list->MoveRowsAsBlock(m_list->SelectedRows(), dropRow);
    m_list->clearSelection();
}

// Find and filter.

QString COrvaneView::RenumberOffReason() const {
    return m_filtered ? QCoreApplication::translate("OrvaneView", kFilteredOrderMessage) : QString();
}

void COrvaneView::ShowFindBar() {
    const bool wasOpen = m_findBar->isVisible();
    m_findBar->Open();
    LayOut();
    if (!wasOpen) {
        ApplyFilter();
    }
}

void COrvaneView::CloseFindBar() {
    m_findBar->hide();
    ApplyFilter();
    LayOut();
    m_list->setFocus();
}

void COrvaneView::FindNext() {
    Find(1);
}

void COrvaneView::FindPrevious() {
    Find(-1);
}

// direction 0: the current row if it matches, else the next match (typing); 1: the
// next match after the current row; -1: the one before it.
void COrvaneView::Find(int direction) {
    const QString text = m_findBar->Text();
    m_findBar->ShowNote(QString());
    if (text.isEmpty()) {
        m_findBar->ShowCount(0, 0);
        return;
    }
    std::vector<int> matches = SearchIndex().MatchingRows(text);
    std::erase_if(matches, [this](int row) { return m_list->isRowHidden(row, QModelIndex()); });
    if (matches.empty()) {
        m_findBar->ShowCount(0, 0);
        m_findBar->ShowNote(QCoreApplication::translate("ChannelFindBar", CChannelFindBar::kNoMatch));
        return;
    }
    const QModelIndex current = m_list->currentIndex();
    const int from = current.isValid() ? current.row() : -1;
    auto found = matches.end();
    bool wrapped = false;
    if (direction < 0) {
        auto after = std::lower_bound(matches.begin(), matches.end(), from);
        wrapped = after == matches.begin();
        found = wrapped ? matches.end() - 1 : after - 1;
    } else {
        found = direction == 0 ? std::lower_bound(matches.begin(), matches.end(), std::max(from, 0))
                               : std::upper_bound(matches.begin(), matches.end(), from);
        wrapped = found == matches.end();
        if (wrapped) {
            found = matches.begin();
        }
    }
    if (wrapped && from >= 0) {
        m_findBar->ShowNote(QCoreApplication::translate(
            "ChannelFindBar", direction < 0 ? CChannelFindBar::kWrappedToBottom : CChannelFindBar::kWrappedToTop));
    }
    const int row = *found;
    m_list->selectionModel()->setCurrentIndex(m_list->Model()->index(row, 0),
                                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_list->EnsureRowVisible(row);
    m_findBar->ShowCount(static_cast<int>(found - matches.begin()) + 1, static_cast<int>(matches.size()));
}

const CChannelSearchIndex& COrvaneView::SearchIndex() {
    if (m_searchIndexStale) {
        m_searchIndex.Rebuild(*m_list->Model());
        m_searchIndexStale = false;
    }
    return m_searchIndex;
}

void COrvaneView::ApplyFilter() {
    const ChannelFilterSettings settings = m_findBar->Settings();
    const bool wanted = m_findBar->isVisible() && settings.Active() && g_db != nullptr;
    std::vector<char> textMatches;
    if (wanted && settings.onlyMatches) {
        textMatches.assign(static_cast<size_t>(m_list->RowCount()), 0);
        for (const int row : SearchIndex().MatchingRows(settings.text)) {
            textMatches[static_cast<size_t>(row)] = 1;
        }
    }
    if (wanted && !m_filter.Load(m_db, settings, std::move(textMatches))) {
        return;
    }
    const CRecordListModel& rows = *m_list->Model();
    for (int row = 0; row < m_list->RowCount(); ++row) {
        const bool hide = wanted && !m_filter.Shows(rows, row);
        if (hide != m_list->isRowHidden(row, QModelIndex())) {
            m_list->setRowHidden(row, QModelIndex(), hide);
        }
    }
    const bool changed = wanted != m_filtered;
    m_filtered = wanted;
    ShowFilterNotice();
    UpdateFindCount();
    if (changed) {
        // The selection stays; the row the user was on comes back into view.
        if (m_list->currentIndex().isValid()) {
            m_list->EnsureRowVisible(m_list->currentIndex().row());
        }
        emit filterChanged(m_filtered);
    }
}

void COrvaneView::UpdateFindCount() {
    // Counts the matches among the rows shown; the current row's place when it is one.
    const QString text = m_findBar->Text();
    if (text.isEmpty()) {
        m_findBar->ShowCount(0, 0);
        return;
    }
    std::vector<int> matches = SearchIndex().MatchingRows(text);
    std::erase_if(matches, [this](int row) { return m_list->isRowHidden(row, QModelIndex()); });
    const QModelIndex current = m_list->currentIndex();
    const auto at = current.isValid() ? std::find(matches.begin(), matches.end(), current.row()) : matches.end();
    m_findBar->ShowCount(at == matches.end() ? 0 : static_cast<int>(at - matches.begin()) + 1,
                         static_cast<int>(matches.size()));
}

void COrvaneView::ShowFilterNotice() {
    const bool show = m_filtered;
    int shown = -1;
    if (show) {
        shown = 0;
        for (int row = 0; row < m_list->RowCount(); ++row) {
            shown += m_list->isRowHidden(row, QModelIndex()) ? 0 : 1;
        }
        const QLocale locale;
        m_filterNotice->setText(QCoreApplication::translate("OrvaneView", "Filter on: %1 of %2 channels shown. %3")
                                    .arg(locale.toString(shown), locale.toString(m_list->RowCount()),
                                         QCoreApplication::translate("OrvaneView", kFilteredOrderMessage)));
    }
    if (show != m_filterNotice->isVisible()) {
        m_filterNotice->setVisible(show);
        LayOut();
    }
    emit shownCountChanged(shown);
}
