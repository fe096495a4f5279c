// Whole-table reads, file checks and the number update behind the channel-matching commands.
#include "ChannelDB.h"
#include "RecordRows.h"

int CChannelDB::GetNitList(NitRecord** list) {
    dbutil::ResultTable table;
    if (const int rc = Query(table, kSqliteError, "SELECT * FROM NITInfo ORDER BY NIT_ID"); rc != 0) {
        return rc;
    }
    return ReadList(table, list, [&table](NitRecord& nit, int row) { dbrows::FillNit(table, row, nit); });
}

int CChannelDB::GetSdtList(ProviderRecord** list) {
    dbutil::ResultTable table;
    if (const int rc = Query(table, kSqliteError, "SELECT * FROM SDTInfo ORDER BY SDT_ID"); rc != 0) {
        return rc;
    }
    return ReadList(table, list, [&table](ProviderRecord& provider, int row) {
        provider.sdt_id = table.Int(row, 0);
        table.Text(row, 1, provider.provider_name);
    });
}

int CChannelDB::GetAllFavEntries(FavEntryRecord** list) {
    dbutil::ResultTable table;
    if (const int rc = Query(table, kSqliteError, "SELECT * FROM FAVListInfo ORDER BY favlist_seq"); rc != 0) {
        return rc;
    }
    return ReadList(table, list, [&table](FavEntryRecord& entry, int row) { dbrows::FillFavEntry(table, row, entry); });
}

int CChannelDB::CheckIntegrity(std::vector<std::string>& problems) {
    dbutil::ResultTable table;
    if (const int rc = Query(table, kSqliteError, "PRAGMA integrity_check"); rc != 0) {
        return rc;
    }
    int found = 0;
    for (int row = 0; row < table.Rows(); ++row) {
        const char* line = table.Value(row, 0);
        // A sound file gives the single row "ok".
        if (line != nullptr && std::string_view(line) != "ok") {
            problems.emplace_back(line);
            ++found;
        }
    }
    return found;
}

int CChannelDB::CountTableRows(const char* table) {
    // %w quotes the name as an identifier, so no table name can end the statement.
    dbutil::SqlStatement sql("SELECT count(*) FROM \"%w\"", table);
    return QueryNextId(sql.Text(), 0);
}

int CChannelDB::UpdateChannelOrder(int32_t chId, int32_t order) {
    return Execute(kSqliteError, "UPDATE ChannelInfo SET ch_order = %d WHERE ch_id = %d", order, chId);
}
