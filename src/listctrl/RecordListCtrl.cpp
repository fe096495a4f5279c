#include "RecordListCtrl.h"

#include "ListGrid.h"
#include "RecordLookup.h"
#include "RowFormat.h"
#include "db/RecordBlock.h"
#include "seams/DbProblems.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QHoverEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {

const QColor kGridColour(226, 216, 208);
// Drawn under the row images of a drag and made transparent afterwards.
const QColor kDragKeyColour(0, 255, 0);

} // namespace

CRecordListCtrl::CRecordListCtrl(QWidget* parent)
    : QTreeView(parent), m_model(new CRecordListModel(this)), m_header(new CRecordListHeader(this)) {
    setObjectName(QStringLiteral("recordList"));
    setHeader(m_header);
    setModel(m_model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSortingEnabled(false);
    // Turning the view's own sorting off also makes the header unclickable; views
    // sort by clicked headers themselves.
    m_header->setSectionsClickable(true);
    setDragEnabled(false);
    connect(m_header, &QHeaderView::sectionClicked, this, &CRecordListCtrl::HeaderClicked);
}

CRecordListCtrl::~CRecordListCtrl() = default;

// Columns.

void CRecordListCtrl::InsertColumns(int kind) {
    for (const ListColumn& column : ListColumnsOf(kind)) {
        InsertColumn(ColumnCount(), QCoreApplication::translate("ListColumns", column.caption), column.width,
                     column.alignment);
    }
}

void CRecordListCtrl::InsertColumn(int index, const QString& caption, int width, Qt::Alignment alignment) {
    index = std::clamp(index, 0, ColumnCount());
    m_model->InsertColumn(index, caption, alignment);
    m_header->resizeSection(index, width);
}

int CRecordListCtrl::ColumnCount() const {
    return m_model->columnCount();
}

// Fills.

int CRecordListCtrl::FillList(int kind) {
    switch (kind) {
    case kChannelList:
        return FillChannelList();
    case kSatList:
        return FillSatList();
    default:
        return 0;
    }
}

int CRecordListCtrl::FillChannelList() {
    RecordBlock<ChannelRecord> channels;
    const int count = channels.Read(m_db, &CChannelDB::GetChannelList);
    TellIfReadFailed(this, count);
    if (count <= 0) {
        return 0;
    }
    // Channels share few satellites, transponders and providers: one lookup per
    // distinct id for this fill instead of three queries per channel.
    CRecordLookup lookup(m_db, true);
    lookup.ReadAllTps();
    std::vector<CRecordListModel::Row> rows;
    rows.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const ChannelRecord& channel = channels[i];
        rows.push_back({channel.ch_id, ChannelRowTexts(channel, lookup.LinksOf(channel))});
    }
    m_model->AppendRows(std::move(rows));
    return 1;
}

int CRecordListCtrl::FillSatList() {
    RecordBlock<SatRecord> sats;
    const int count = sats.Read(m_db, &CChannelDB::GetSatList);
    TellIfReadFailed(this, count);
    for (int i = 0; i < count; ++i) {
        AddSatRow(sats[i]);
    }
    return count > 0 ? 1 : 0;
}

int CRecordListCtrl::FillTpList(int satId) {
    RecordBlock<NitRecord> nits;
    const int count = nits.Read(m_db, &CChannelDB::GetNitListBySat, satId);
    TellIfReadFailed(this, count);
    for (int i = 0; i < count; ++i) {
        AddTpRow(nits[i]);
    }
    return count > 0 ? 1 : 0;
}

int CRecordListCtrl::FillFavList(int groupId) {
    RecordBlock<FavEntryRecord> entries;
    const int count = entries.Read(m_db, &CChannelDB::GetFavList, groupId);
    if (TellIfReadFailed(this, count)) {
        return 0;
    }
    for (int i = 0; i < count; ++i) {
        const FavEntryRecord& entry = entries[i];
        CRowTexts texts;
        texts.AppendField(entry.name);
        if (AppendRow(entry.favlist_id, std::move(texts)) < 0) {
            return 0;
        }
    }
    return 1;
}

// Rows from records.

int CRecordListCtrl::AppendRow(int32_t id, CRowTexts texts) {
    return m_model->InsertRow(RowCount(), {id, std::move(texts)});
}

int CRecordListCtrl::AddChannelRow(const ChannelRecord& channel) {
    CRecordLookup lookup(m_db, false);
    return AppendRow(channel.ch_id, ChannelRowTexts(channel, lookup.LinksOf(channel)));
}

int CRecordListCtrl::AddSatRow(const SatRecord& sat) {
    return AppendRow(sat.sat_id, SatRowTexts(sat));
}

int CRecordListCtrl::AddTpRow(const NitRecord& nit) {
    return AppendRow(nit.nit_id, TpRowTexts(nit));
}

int CRecordListCtrl::AddLnbRow(int slot, const LnbRecord& lnb) {
    QString satName;
    if (lnb.present != 0) {
        CRecordLookup lookup(m_db, false);
        satName = lookup.SatName(lnb.sat_id);
    }
    return AppendRow(0, LnbRowTexts(slot, lnb, satName));
}

void CRecordListCtrl::SetChannelRowTexts(int row, const ChannelRecord& channel) {
    if (row < 0 || row >= RowCount()) {
        return;
    }
    CRecordLookup lookup(m_db, false);
    m_model->SetRowTexts(row, ChannelRowTexts(channel, lookup.LinksOf(channel)));
}

// Rows in general.

int CRecordListCtrl::RowCount() const {
    return m_model->rowCount();
}

int32_t CRecordListCtrl::RowId(int row) const {
    return m_model->RowId(row);
}

void CRecordListCtrl::SetRowId(int row, int32_t id) {
    m_model->SetRowId(row, id);
}

QString CRecordListCtrl::CellText(int row, int column) const {
    return m_model->CellText(row, column);
}

void CRecordListCtrl::SetCellText(int row, int column, const QString& text) {
    m_model->SetCellText(row, column, text);
}

void CRecordListCtrl::SetColumnTexts(int column, const QList<int>& rows,
                                     const std::function<QString(int row)>& textOf) {
    m_model->SetColumnTexts(column, rows, textOf);
}

QStringList CRecordListCtrl::RowTexts(int row) const {
    return m_model->RowTexts(row);
}

void CRecordListCtrl::SetRowTexts(int row, const QStringList& texts) {
    m_model->SetRowTexts(row, CRowTexts::FromList(texts));
}

int CRecordListCtrl::InsertRow(int index, int32_t id, const QStringList& texts) {
    return m_model->InsertRow(index, {id, CRowTexts::FromList(texts)});
}

bool CRecordListCtrl::DeleteRow(int row) {
    return m_model->RemoveRow(row);
}

void CRecordListCtrl::DeleteRows(const QList<int>& rows) {
    m_model->RemoveRows(rows);
}

void CRecordListCtrl::DeleteAllRows() {
    m_model->Clear();
}

void CRecordListCtrl::MoveRowsAsBlock(const QList<int>& rows, int dropRow) {
    const int count = RowCount();
    std::vector<char> moved(static_cast<size_t>(count), 0);
    for (const int row : rows) {
        if (row >= 0 && row < count) {
            moved[static_cast<size_t>(row)] = 1;
        }
    }
    dropRow = std::clamp(dropRow, 0, count);
    std::vector<int> order;
    order.reserve(static_cast<size_t>(count));
    auto take = [&](int from, int to, char which) {
        for (int row = from; row < to; ++row) {
            if (moved[static_cast<size_t>(row)] == which) {
                order.push_back(row);
            }
        }
    };
    take(0, dropRow, 0);
    take(0, count, 1);
    take(dropRow, count, 0);
    m_model->Permute(order);
}

void CRecordListCtrl::SwapRows(int a, int b) {
    if (a == b || a < 0 || b < 0 || a >= RowCount() || b >= RowCount()) {
        return;
    }
    std::vector<int> order(static_cast<size_t>(RowCount()));
    for (size_t i = 0; i < order.size(); ++i) {
        order[i] = static_cast<int>(i);
    }
    std::swap(order[static_cast<size_t>(a)], order[static_cast<size_t>(b)]);
    m_model->Permute(order);
}

// Selection and geometry.

QList<int> CRecordListCtrl::SelectedRows() const {
    QList<int> rows;
    if (selectionModel() == nullptr) {
        return rows;
    }
    // A row a filter hides counts as not selected: commands act only on rows in sight.
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            if (!isRowHidden(row, QModelIndex())) {
                rows.append(row);
            }
        }
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int CRecordListCtrl::FirstSelectedRow() const {
    const QList<int> rows = SelectedRows();
    return rows.isEmpty() ? -1 : rows.first();
}

void CRecordListCtrl::SetRowSelected(int row, bool selected) {
    if (row < 0 || row >= RowCount() || ColumnCount() == 0) {
        return;
    }
    selectionModel()->select(m_model->index(row, 0),
                             (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                                 QItemSelectionModel::Rows);
}

int CRecordListCtrl::RowHeight() const {
    if (RowCount() > 0 && ColumnCount() > 0) {
        const int height = rowHeight(m_model->index(0, 0));
        if (height > 0) {
            return height;
        }
        const int hint = sizeHintForRow(0);
        if (hint > 0) {
            return hint;
        }
    }
    return fontMetrics().height() + 4;
}

int CRecordListCtrl::FirstVisibleRow() const {
    const int row = RowAt(QPoint(0, 0));
    return row < 0 ? 0 : row;
}

int CRecordListCtrl::RowsPerPage() const {
    return viewport()->height() / RowHeight();
}

int CRecordListCtrl::RowAt(const QPoint& point) const {
    if (ColumnCount() == 0) {
        return -1;
    }
    // Hit-test in the first column on screen, so a point right of the last column
    // or over a narrow gap still finds the row of its band.
    const int column = std::max(0, columnAt(0));
    const int x = std::max(0, columnViewportPosition(column));
    const QModelIndex index = indexAt(QPoint(x, point.y()));
    return index.isValid() ? index.row() : -1;
}

QRect CRecordListCtrl::RowBounds(int row) const {
    if (row < 0 || row >= RowCount() || ColumnCount() == 0) {
        return {};
    }
    const QRect first = visualRect(m_model->index(row, 0));
    return QRect(-horizontalOffset(), first.top(), m_header->length(), RowHeight());
}

void CRecordListCtrl::EnsureRowVisible(int row) {
    if (row < 0 || row >= RowCount() || ColumnCount() == 0) {
        return;
    }
    // Only the vertical position may change, as when the list scrolls by itself.
    const int horizontal = horizontalScrollBar()->value();
    scrollTo(m_model->index(row, 0), QAbstractItemView::EnsureVisible);
    horizontalScrollBar()->setValue(horizontal);
}

// Header.

void CRecordListCtrl::SetSortMark(int column, bool ascending) {
    for (int i = 0; i < ColumnCount(); ++i) {
        m_model->SetHeaderAlignment(i, Qt::AlignLeft | Qt::AlignVCenter);
    }
    m_header->SetSortMark(column > 0 ? column : -1, ascending ? SortMark::Up : SortMark::Down);
}

void CRecordListCtrl::ClearSortMark() {
    m_header->SetSortMark(-1, SortMark::None);
}

SortMark CRecordListCtrl::SortMarkOf(int column) const {
    return m_header->SortMarkOf(column);
}

// Drag image.

QPixmap CRecordListCtrl::CreateSelectionDragImage(QPoint* origin) const {
    const QList<int> selected = SelectedRows();
    if (selected.isEmpty()) {
        return {};
    }
    const int first = FirstVisibleRow();
    const int last = std::min(first + RowsPerPage() - 1, RowCount() - 1);
    const int width = viewport()->width();
    std::vector<std::pair<int, QRect>> shown;
    QRect united;
    for (const int row : selected) {
        if (row < first || row > last) {
            continue;
        }
        QRect bounds = RowBounds(row);
        bounds.setLeft(std::max(bounds.left(), 0));
        bounds.setRight(std::min(bounds.right(), width - 1));
        if (bounds.isEmpty()) {
            continue;
        }
        shown.emplace_back(row, bounds);
        united = united.united(bounds);
    }
    if (united.isEmpty()) {
        return {};
    }
    QPixmap image(united.size());
    image.fill(kDragKeyColour);
    {
        QPainter painter(&image);
        for (const auto& [row, bounds] : shown) {
            painter.drawPixmap(bounds.topLeft() - united.topLeft(), viewport()->grab(bounds));
        }
    }
    image.setMask(image.createMaskFromColor(kDragKeyColour, Qt::MaskInColor));
    if (origin != nullptr) {
        *origin = united.topLeft();
    }
    return image;
}

void CRecordListCtrl::SetRowDragging(bool enabled) {
    setDragEnabled(enabled);
    setDragDropMode(enabled ? QAbstractItemView::DragOnly : QAbstractItemView::NoDragDrop);
}

// Events.

void CRecordListCtrl::mousePressEvent(QMouseEvent* event) {
    m_pressedRow = RowAt(event->position().toPoint());
    QTreeView::mousePressEvent(event);
}

void CRecordListCtrl::keyPressEvent(QKeyEvent* event) {
    emit KeyPressed(event->key(), event->modifiers());
    QTreeView::keyPressEvent(event);
}

void CRecordListCtrl::startDrag(Qt::DropActions) {
    if (m_pressedRow >= 0) {
        emit BeginDrag(m_pressedRow);
    }
}

void CRecordListCtrl::paintEvent(QPaintEvent* event) {
    GatherPaintSelection(event->rect());
    QTreeView::paintEvent(event);
    PaintGrid();
}

// Qt's own row painting asks the selection model about every cell, and each
// question walks all of the selection's ranges: with thousands of scattered rows
// selected (a filtered Select All gives one range per shown row) one page took
// tens of milliseconds to paint. The ranges are walked once per paint instead.
void CRecordListCtrl::GatherPaintSelection(const QRect& exposed) {
    m_paintSelected.clear();
    const int first = RowAt(exposed.topLeft());
    if (first < 0 || selectionModel() == nullptr) {
        m_paintFirstRow = 0;
        return;
    }
    const int below = RowAt(exposed.bottomLeft());
    const int last = below < 0 ? RowCount() - 1 : below;
    m_paintFirstRow = first;
    m_paintSelected.assign(static_cast<size_t>(last - first + 1), 0);
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = std::max(range.top(), first); row <= std::min(range.bottom(), last); ++row) {
            m_paintSelected[static_cast<size_t>(row - first)] = 1;
        }
    }
}

// The flat, row-selecting list's part of QTreeView::drawRow, with the row's
// selection looked up in what GatherPaintSelection found.
void CRecordListCtrl::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const int row = index.row();
    const size_t slot = static_cast<size_t>(row - m_paintFirstRow);
    const bool selected = row >= m_paintFirstRow && slot < m_paintSelected.size() && m_paintSelected[slot] != 0;
    int firstShown = 0;
    int lastShown = m_header->count() - 1;
    while (firstShown <= lastShown && m_header->isSectionHidden(m_header->logicalIndex(firstShown))) {
        ++firstShown;
    }
    while (lastShown >= firstShown && m_header->isSectionHidden(m_header->logicalIndex(lastShown))) {
        --lastShown;
    }
    QStyleOptionViewItem cell = option;
    for (int visual = firstShown; visual <= lastShown; ++visual) {
        const int column = m_header->logicalIndex(visual);
        const int x = columnViewportPosition(column);
        const int width = m_header->sectionSize(column);
        if (m_header->isSectionHidden(column) || x + width <= option.rect.left() || x > option.rect.right()) {
            continue;
        }
        const QModelIndex cellIndex = m_model->index(row, column);
        cell.rect = QRect(x, option.rect.y(), width, option.rect.height());
        cell.state = option.state;
        cell.state.setFlag(QStyle::State_Selected, selected);
        cell.state.setFlag(QStyle::State_MouseOver, row == m_hoverRow);
        cell.viewItemPosition = firstShown == lastShown ? QStyleOptionViewItem::OnlyOne
                                : visual == firstShown  ? QStyleOptionViewItem::Beginning
                                : visual == lastShown   ? QStyleOptionViewItem::End
                                                        : QStyleOptionViewItem::Middle;
        if (option.state & QStyle::State_Enabled) {
            const bool enabled = (m_model->flags(cellIndex) & Qt::ItemIsEnabled) != 0;
            cell.state.setFlag(QStyle::State_Enabled, enabled);
            cell.palette.setCurrentColorGroup(!enabled                                   ? QPalette::Disabled
                                              : (cell.state & QStyle::State_Active) != 0 ? QPalette::Active
                                                                                         : QPalette::Inactive);
        }
        // The row's own background never shows the selection; the cell's does.
        QStyleOptionViewItem background = cell;
        background.state &= ~QStyle::State_Selected;
        style()->drawPrimitive(QStyle::PE_PanelItemViewRow, &background, painter, this);
        itemDelegateForIndex(cellIndex)->paint(painter, cell, cellIndex);
    }
    if (hasFocus() && currentIndex().row() == row) {
        PaintFocusFrame(painter, option, selected);
    }
}

// The current row's focus frame across all columns, as the list shows focus.
void CRecordListCtrl::PaintFocusFrame(QPainter* painter, const QStyleOptionViewItem& option, bool selected) const {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.state |= QStyle::State_KeyboardFocusChange;
    const QPalette::ColorGroup group =
        (option.state & QStyle::State_Enabled) != 0 ? QPalette::Normal : QPalette::Disabled;
    focus.backgroundColor = option.palette.color(group, selected ? QPalette::Highlight : QPalette::Window);
    const int x = option.showDecorationSelected ? 0 : m_header->sectionPosition(0);
    const QRect rect(x - m_header->offset(), option.rect.y(), m_header->length() - x, option.rect.height());
    focus.rect = style()->visualRect(layoutDirection(), viewport()->rect(), rect);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter);
}

void CRecordListCtrl::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) {
    // For a change over many rows (a column of 5,000 flags) Qt measures each row's
    // rectangle to find the part on the page; the rows keep their height, so the page
    // is simply painted again. A screen reader still hears of the change Qt's way.
    if (bottomRight.row() - topLeft.row() > RowsPerPage() && !QAccessible::isActive()) {
        viewport()->update();
        return;
    }
    QTreeView::dataChanged(topLeft, bottomRight, roles);
}

bool CRecordListCtrl::viewportEvent(QEvent* event) {
    // Remembered before Qt's own handling, which repaints the rows the hover left and entered.
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
        m_hoverRow = indexAt(static_cast<QHoverEvent*>(event)->position().toPoint()).row();
        break;
    case QEvent::HoverLeave:
    case QEvent::Leave:
        m_hoverRow = -1;
        break;
    default:
        break;
    }
    return QTreeView::viewportEvent(event);
}

void CRecordListCtrl::scrollContentsBy(int dx, int dy) {
    QTreeView::scrollContentsBy(dx, dy);
    // The grid's frame lines keep their place while the rows move; the moved pixels
    // would carry old copies of them along, so the whole page is painted again.
    viewport()->update();
}

void CRecordListCtrl::PaintGrid() {
    GridGeometry geometry;
    geometry.headerHeight = m_header->isHidden() ? 0 : m_header->height();
    geometry.clientHeight = geometry.headerHeight + viewport()->height();
    geometry.clientWidth = viewport()->width();
    geometry.firstVisible = FirstVisibleRow();
    geometry.perPage = RowsPerPage();
    geometry.rowCount = RowCount();
    geometry.scrollX = horizontalScrollBar()->value();
    for (int visual = 0; visual < m_header->count(); ++visual) {
        geometry.columnWidths.push_back(m_header->sectionSize(m_header->logicalIndex(visual)));
    }
    const std::vector<GridLine> lines = ComputeGridLines(geometry);
    if (lines.empty()) {
        return;
    }
    QPainter painter(viewport());
    painter.setPen(QPen(kGridColour, 1));
    // The grid is laid out in client coordinates with the header on top; the rows
    // area starts below it.
    painter.translate(0, -geometry.headerHeight);
    for (const GridLine& line : lines) {
        const auto sign = [](int d) { return (d > 0) - (d < 0); };
        const QPoint step(sign(line.to.x() - line.from.x()), sign(line.to.y() - line.from.y()));
        painter.drawLine(line.from, line.to - step);
    }
}
