// Favourite groups and their entries. Entry ids and places are drawn from the whole
// FAVListInfo table, so a new entry always sorts last in its group.
#include "ChannelDB.h"
#include "RecordRows.h"

namespace {

// The place that `format` selects for one id; swaps compose no diagnostic. An id
// without a row fails with -SQLITE_NOTFOUND, so the swap stops before it writes
// anything rather than moving a row to place 0.
int ReadPlace(const char* format, int id, int& place) {
    dbutil::SqlStatement sql(format, id);
    dbutil::ResultTable table;
    if (const int rc = table.Run(g_db, sql.Text()); rc != SQLITE_OK) {
        return -rc;
    }
    if (table.Rows() == 0) {
        return -SQLITE_NOTFOUND;
    }
    place = dbutil::ReadInt(table.FirstValue());
    return 0;
}

} // namespace

// Groups.

int CChannelDB::GetFavGroupList(FavGroupRecord** list) {
    dbutil::ResultTable table;
    if (const int rc = Query(table, kSqliteError, "SELECT * FROM FAVGRPInfo order by FAVGRP_Seq"); rc != 0) {
        return rc;
    }
    // A group whose id the record cannot hold would stand in the tree for the group
    // its low 16 bits name, and every command on it would act on that one: it is left
    // out, its rows as stored.
    const auto fits = [&table](int row) {
        const char* stored = table.Value(row, 0);
        const int id = table.Int(row, 0);
        return stored != nullptr && id >= 0 && id <= UINT16_MAX && std::to_string(id) == stored;
    };
    return ReadListWhere(table, list, fits, [&table](FavGroupRecord& group, int row) {
        group.favgrp_id = static_cast<uint16_t>(table.Int(row, 0));
        table.Text(row, 1, group.name);
        group.favgrp_seq = static_cast<uint8_t>(table.Int(row, 2));
    });
}

int CChannelDB::InsertFavGroup(const char* name) {
    const int groupId = QueryNextId("SELECT coalesce(max(FAVGRP_ID),0)+1 FROM FAVGRPInfo", 1);
    if (groupId < 0) {
        return groupId;
    }
    // The place is drawn inside the insert itself, after every other group.
    if (const int rc = Execute(kSqliteError,
                               "INSERT INTO FAVGRPInfo values (%d, '%q', (SELECT coalesce(max(FAVGRP_Seq),0)+1 FROM "
                               "FAVGRPInfo))",
                               groupId, name);
        rc != 0) {
        return rc;
    }
    return groupId;
}

int CChannelDB::RenameFavGroup(const char* name, int32_t groupId) {
    if (const int rc = CheckUnsigned16(groupId, "FAVGRP_ID"); rc != 0) {
        return rc;
    }
    return Execute(kSqliteError, "UPDATE FAVGRPInfo SET name = '%q' WHERE favgrp_id = %d", name, groupId);
}

int CChannelDB::DeleteFavGroup(int32_t groupId) {
    if (const int rc = CheckUnsigned16(groupId, "FAVGRP_ID"); rc != 0) {
        return rc;
    }
    for (const char* format :
         {"DELETE FROM FAVGRPInfo WHERE favgrp_id = %d", "DELETE FROM FAVListInfo WHERE favgrp_id = %d"}) {
        if (const int rc = Execute(kSqliteError, format, groupId); rc != 0) {
            return rc;
        }
    }
    return 0;
}

int CChannelDB::SwapFavGroupSeq(int32_t groupA, int32_t groupB) {
    if (const int rc = CheckUnsigned16(groupA, "FAVGRP_ID"); rc != 0) {
        return rc;
    }
    if (const int rc = CheckUnsigned16(groupB, "FAVGRP_ID"); rc != 0) {
        return rc;
    }
    const char* const readPlace = "SELECT FAVGRP_Seq FROM FAVGRPInfo WHERE Favgrp_id = %d";
    int placeA = 0;
    int placeB = 0;
    if (const int rc = ReadPlace(readPlace, groupA, placeA); rc != 0) {
        return rc;
    }
    if (const int rc = ReadPlace(readPlace, groupB, placeB); rc != 0) {
        return rc;
    }
    // 1000 is the parking place; no real group sits there.
    if (const int rc = Execute(nullptr, "UPDATE FAVGRPInfo SET FAVGRP_Seq = 1000 WHERE favgrp_Seq = %d", placeA);
        rc != 0) {
        return rc;
    }
    if (const int rc = Execute(nullptr, "UPDATE FAVGRPInfo SET FAVGRP_Seq = %d WHERE favgrp_Seq = %d", placeA, placeB);
        rc != 0) {
        return rc;
    }
    return Execute(nullptr, "UPDATE FAVGRPInfo SET FAVGRP_Seq = %d WHERE favgrp_Seq = 1000", placeB);
}

// Entries.

int CChannelDB::GetFavList(int32_t groupId, FavEntryRecord** list) {
    if (const int rc = CheckUnsigned16(groupId, "FAVGRP_ID"); rc != 0) {
        return rc;
    }
    dbutil::ResultTable table;
    if (const int rc =
            Query(table, nullptr, "SELECT * FROM FAVListInfo WHERE FAVGRP_ID = %d ORDER BY favlist_seq", groupId);
        rc != 0) {
        return rc;
    }
    return ReadList(table, list, [&table](FavEntryRecord& entry, int row) { dbrows::FillFavEntry(table, row, entry); });
}

int CChannelDB::AddFavEntry(int32_t chId, int32_t groupId) {
    if (const int rc = CheckUnsigned16(chId, "ch_id"); rc != 0) {
        return rc;
    }
    if (const int rc = CheckUnsigned16(groupId, "FAVGRP_ID"); rc != 0) {
        return rc;
    }
    dbutil::ResultTable table;
    if (const int rc = Query(table, kSqliteError, "SELECT CH_ID FROM favlistinfo WHERE favgrp_id = %d and CH_ID = %d",
                             groupId, chId);
        rc != 0) {
        return rc;
    }
    if (table.Rows() > 0) {
        return 1;
    }
    // Id, name copy and place are all drawn inside the one insert.
    return Execute(kSqliteError,
                   "INSERT INTO favlistinfo VALUES (%d, (SELECT coalesce(max(favlist_id),0)+1 FROM favlistinfo), "
                   "(SELECT name FROM channelinfo WHERE ch_id = %d), (SELECT coalesce(max(favlist_seq),0)+1 FROM "
                   "favlistinfo), %d, 0, 1)",
                   groupId, chId, chId);
}

int CChannelDB::FindFavEntry(int32_t chId, int32_t groupId) {
    if (const int rc = CheckUnsigned16(chId, "ch_id"); rc != 0) {
        return rc;
    }
    if (const int rc = CheckUnsigned16(groupId, "FAVGRP_ID"); rc != 0) {
        return rc;
    }
    dbutil::ResultTable table;
    if (const int rc = Query(table, kSqliteError,
                             "SELECT FAVList_ID FROM favlistinfo WHERE favgrp_id = %d and CH_ID = %d", groupId, chId);
        rc != 0) {
        return rc;
    }
    // 0 is never an entry id.
    return table.Rows() > 0 ? table.Int(0, 0) : 0;
}

int CChannelDB::MoveFavEntry(int32_t entryA, int32_t entryB) {
    if (const int rc = CheckUnsigned16(entryA, "favlist_id"); rc != 0) {
        return rc;
    }
    if (const int rc = CheckUnsigned16(entryB, "favlist_id"); rc != 0) {
        return rc;
    }
    const char* const readPlace = "SELECT favlist_seq FROM FAVListInfo WHERE favlist_id = %d";
    int placeA = 0;
    int placeB = 0;
    if (const int rc = ReadPlace(readPlace, entryA, placeA); rc != 0) {
        return rc;
    }
    if (const int rc = ReadPlace(readPlace, entryB, placeB); rc != 0) {
        return rc;
    }
    // Entries are addressed by id, so no parking place is needed.
    const char* const setPlace = "UPDATE FAVListInfo SET FAVList_Seq = %d WHERE favlist_id = %d";
    if (const int rc = Execute(nullptr, setPlace, placeB, entryA); rc != 0) {
        return rc;
    }
    return Execute(nullptr, setPlace, placeA, entryB);
}

int CChannelDB::DeleteFavEntry(int32_t groupId, int32_t entryId) {
    if (const int rc = CheckUnsigned16(groupId, "FAVGRP_ID"); rc != 0) {
        return rc;
    }
    if (const int rc = CheckUnsigned16(entryId, "favlist_id"); rc != 0) {
        return rc;
    }
    return Execute(kSqliteError, "DELETE FROM FAVListInfo WHERE favgrp_id = %d and favlist_id = %d", groupId, entryId);
}

int CChannelDB::RenameFavEntries(int32_t chId, const char* name) {
    if (const int rc = CheckUnsigned16(chId, "ch_id"); rc != 0) {
        return rc;
    }
    return Execute(kSqliteError, "UPDATE FAVListInfo SET Name = '%q' WHERE ch_id = %d", name, chId);
}
