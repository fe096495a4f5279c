#pragma once
// CRecordListCtrl: the report-style list behind every table view (channels,
// satellites, transponders, LNB slots, favourites). It knows each kind's column set,
// turns database records into row texts, fills itself from the database, paints
// odd rows shaded with a light grid on top, shows a sort mark in its header and
// builds the drag image of the selected rows.
//
// Rows: cell texts plus one 32-bit row id (ch_id, sat_id, nit_id, favlist_id; 0 for
// the positional LNB rows). Row indexes are display positions, 0 at the top.
// Points and rectangles are in viewport coordinates (the rows area below the
// header), which is where mouse events of the list arrive after
// viewport()->mapFrom(...).
//
// Selection, focus and scrolling are left to the views: adding a row neither
// selects it nor scrolls to it. Use Qt's own calls for the selection mode (views
// set QAbstractItemView::ExtendedSelection); rows are selected whole.
//
// Views drag rows their own way (button down, BeginDrag, mouse grab, moves,
// release): SetRowDragging(true) makes the list report BeginDrag instead of
// starting a QDrag.
#include "ListColumns.h"
#include "RecordListHeader.h"
#include "RecordListModel.h"
#include "db/ChannelDB.h"

#include <QList>
#include <QPixmap>
#include <QStringList>
#include <QTreeView>

#include <cstdint>
#include <vector>

class CRecordLookup;

class CRecordListCtrl : public QTreeView {
    Q_OBJECT

public:
    explicit CRecordListCtrl(QWidget* parent = nullptr);
    ~CRecordListCtrl() override;

    // Columns. InsertColumns(kind) appends the column set of a ListKind (nothing for
    // another number); InsertColumn is for lists without a kind (favourites).
    void InsertColumns(int kind);
    void InsertColumn(int index, const QString& caption, int width, Qt::Alignment alignment);
    int ColumnCount() const;

    // Fills: append the rows of that kind from the open database. The caller empties
    // the list first. 0 when the query fails or yields no row, else 1; FillList does
    // kinds 0 and 1 only. FillFavList gives 0 when the query fails, else 1 (an empty
    // group is a valid result).
    int FillList(int kind);
    int FillTpList(int satId);
    int FillFavList(int groupId);

    // One row from one record, appended at the end; returns its index, -1 when it
    // cannot be added. Channel and LNB rows look up their satellite, transponder and
    // provider with the single-row operations.
    int AddChannelRow(const ChannelRecord& channel);
    int AddSatRow(const SatRecord& sat);
    int AddTpRow(const NitRecord& nit);
    int AddLnbRow(int slot, const LnbRecord& lnb);
    // Rewrites all cells of an existing channel row; its row id stays.
    void SetChannelRowTexts(int row, const ChannelRecord& channel);

    // Rows in general.
    int RowCount() const;
    int32_t RowId(int row) const;
    void SetRowId(int row, int32_t id);
    QString CellText(int row, int column) const;
    void SetCellText(int row, int column, const QString& text);
    // One column of many rows at once (see CRecordListModel::SetColumnTexts).
    void SetColumnTexts(int column, const QList<int>& rows, const std::function<QString(int row)>& textOf);
    QStringList RowTexts(int row) const;
    void SetRowTexts(int row, const QStringList& texts);
    // Inserts before `index` (RowCount() appends); returns the new row's index.
    int InsertRow(int index, int32_t id, const QStringList& texts);
    bool DeleteRow(int row);
    void DeleteRows(const QList<int>& rows);
    void DeleteAllRows();
    // Moves `rows` as one block: afterwards the list reads the other rows above
    // `dropRow`, then `rows` in their previous order, then the remaining other rows.
    // `dropRow` RowCount() moves the block to the end. Every row keeps its texts
    // and id; selection stays with its rows.
    void MoveRowsAsBlock(const QList<int>& rows, int dropRow);
    // Exchanges the texts and ids of two rows.
    void SwapRows(int a, int b);

    // Selection and geometry.
    QList<int> SelectedRows() const; // ascending; rows hidden by a filter left out
    int FirstSelectedRow() const;    // -1 when none
    void SetRowSelected(int row, bool selected);
    int FirstVisibleRow() const;
    int RowsPerPage() const; // rows that fit on the page completely
    int RowHeight() const;
    // The row whose band holds `point` (any x), -1 for none.
    int RowAt(const QPoint& point) const;
    // The row's rectangle across all columns, from minus the horizontal scroll
    // position to the end of the last column.
    QRect RowBounds(int row) const;
    void EnsureRowVisible(int row);

    // Header: the mark of the sorted column (none on column 0, whose numbers need
    // none); every caption becomes a plain left-aligned one.
    void SetSortMark(int column, bool ascending);
    void ClearSortMark();
    SortMark SortMarkOf(int column) const;

    // Drag image of the selected rows that are on the page: a pixmap of their united
    // bounds with the gaps between them transparent; `origin` receives its top-left
    // corner. Null when no row is selected or none of them is on the page.
    QPixmap CreateSelectionDragImage(QPoint* origin) const;
    void SetRowDragging(bool enabled);

    CRecordListModel* Model() const { return m_model; }
    CRecordListHeader* Header() const { return m_header; }

signals:
    // Left click on a column header.
    void HeaderClicked(int column);
    // The user started dragging from `row` (after SetRowDragging(true)).
    void BeginDrag(int row);
    // Every key press, before the list's own handling.
    void KeyPressed(int key, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool viewportEvent(QEvent* event) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    int FillChannelList();
    int FillSatList();
    int AppendRow(int32_t id, CRowTexts texts);
    void PaintGrid();
    void GatherPaintSelection(const QRect& exposed);
    void PaintFocusFrame(QPainter* painter, const QStyleOptionViewItem& option, bool selected) const;

    // Which model rows of the rows being painted are selected: rows
    // m_paintFirstRow onwards, one entry each.
    int m_paintFirstRow = 0;
    std::vector<char> m_paintSelected;
    int m_hoverRow = -1;

    CChannelDB m_db;
    CRecordListModel* m_model;
    CRecordListHeader* m_header;
    int m_pressedRow = -1;
};
