#include "ListPrintSheet.h"

#include "db/RecordBlock.h"
#include "listctrl/RecordListCtrl.h"
#include "listctrl/RowTexts.h"

#include <QCoreApplication>
#include <QHeaderView>

#include <unordered_map>

namespace print {

namespace {

// The columns printed: the visible ones left to right, or number and name for the Card.
std::vector<int> PrintedColumns(const CRecordListCtrl& list, Layout layout) {
    if (layout == Layout::Card) {
        return {kChannelNoColumn, kChannelServiceColumn};
    }
    std::vector<int> columns;
    const QHeaderView* header = list.header();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (logical >= 0 && !header->isSectionHidden(logical)) {
            columns.push_back(logical);
        }
    }
    return columns;
}

QStringList RowCells(const CRecordListCtrl& list, int row, const std::vector<int>& columns) {
    QStringList cells;
    cells.reserve(qsizetype(columns.size()));
    for (const int column : columns) {
        cells << list.CellText(row, column);
    }
    return cells;
}

} // namespace

std::vector<GroupChoice> FavouriteGroups() {
    CChannelDB db;
    RecordBlock<FavGroupRecord> groups;
    groups.Read(db, &CChannelDB::GetFavGroupList);
    std::vector<GroupChoice> choices;
    for (const FavGroupRecord& group : groups) {
        choices.push_back({group.favgrp_id, DecodeStoredText(group.name, qstrnlen(group.name, sizeof group.name))});
    }
    return choices;
}

PrintSheet SheetFromList(const CRecordListCtrl& list, const QString& fileName, Layout layout, int groupId,
                         const QString& groupName) {
    PrintSheet sheet;
    sheet.fileName = fileName;
    sheet.dateText = TodayText();
    const std::vector<int> columns = PrintedColumns(list, layout);
    const CRecordListModel* model = list.Model();
    for (const int column : columns) {
        sheet.columns.push_back({model->headerData(column, Qt::Horizontal).toString(),
                                 model->ColumnAlignment(column) & Qt::AlignHorizontal_Mask});
    }
    // The Card's number and name, or the printed columns that hold them.
    const auto at = [&columns](int logical) {
        const auto found = std::find(columns.begin(), columns.end(), logical);
        return found == columns.end() ? -1 : int(found - columns.begin());
    };
    sheet.numberColumn = at(kChannelNoColumn);
    sheet.nameColumn = at(kChannelServiceColumn);
    const int rows = list.RowCount();
    if (groupId < 0) {
        sheet.subject = QCoreApplication::translate("ListPrintSheet", "Channel list");
        sheet.rows.reserve(size_t(rows));
        for (int row = 0; row < rows; ++row) {
            if (!list.isRowHidden(row, QModelIndex())) {
                sheet.rows.push_back(RowCells(list, row, columns));
            }
        }
    } else {
        sheet.subject = QCoreApplication::translate("ListPrintSheet", "Favourite group: %1").arg(groupName);
        std::unordered_map<int32_t, int> rowOf;
        for (int row = 0; row < rows; ++row) {
            rowOf.emplace(list.RowId(row), row);
        }
        CChannelDB db;
        RecordBlock<FavEntryRecord> entries;
        entries.Read(db, &CChannelDB::GetFavList, groupId);
        for (const FavEntryRecord& entry : entries) {
            if (const auto found = rowOf.find(entry.ch_id); found != rowOf.end()) {
                sheet.rows.push_back(RowCells(list, found->second, columns));
            }
        }
    }
    sheet.counts = CountsText(qsizetype(sheet.rows.size()), rows);
    return sheet;
}

} // namespace print
