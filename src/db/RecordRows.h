#pragma once
// Fills a record from one row of a "SELECT *" result, by the stored column order.
// Shared by every read of the same table so the column positions live in one place.
#include "DbRecords.h"
#include "DbStatement.h"

namespace dbrows {

inline void FillNit(const dbutil::ResultTable& table, int row, NitRecord& nit) {
    nit.nit_id = table.Int(row, 0);
    nit.sat_id = table.Int(row, 1);
    nit.symbol_rate = table.Int(row, 2);
    nit.frequency = table.Int(row, 3);
    nit.fec = table.Int(row, 4);
    nit.pol = table.Int(row, 5);
    nit.drift = table.Int(row, 6);
    nit.ts_id = table.Int(row, 7);
    nit.network_id = table.Int(row, 8);
    nit.package_id = table.Int(row, 9);
}

inline void FillFavEntry(const dbutil::ResultTable& table, int row, FavEntryRecord& entry) {
    entry.favgrp_id = table.Int(row, 0);
    entry.favlist_id = table.Int(row, 1);
    table.Text(row, 2, entry.name);
    entry.favlist_seq = table.Int(row, 3);
    entry.ch_id = table.Int(row, 4);
    entry.column5 = table.Int(row, 5);
}

} // namespace dbrows
