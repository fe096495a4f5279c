// Counts and id lists over the channel and favourite tables, for the status bar and
// the channel list's filters. Like the list reads, they cover the channels the editor
// lists (ids below 20000).
#include "ChannelDB.h"

int CChannelDB::CountChannels(ChannelCounts& counts) {
    counts = ChannelCounts{};
    dbutil::ResultTable table;
    // A media mode counts as radio when its number is not 0, as the list shows it.
    if (const int rc = Query(table, kSqliteError,
                             "SELECT count(*), total(CAST(media_mode AS INTEGER) <> 0) FROM ChannelInfo "
                             "WHERE ch_id < 20000");
        rc != 0) {
        return rc;
    }
    if (table.Rows() > 0) {
        counts.channels = table.Int(0, 0);
        counts.radio = table.Int(0, 1);
        counts.tv = counts.channels - counts.radio;
    }
    return 1;
}

int CChannelDB::CountFavEntries(int32_t groupId) {
    dbutil::ResultTable table;
    if (const int rc = Query(table, kSqliteError, "SELECT count(*) FROM FAVListInfo WHERE FAVGRP_ID = %d", groupId);
        rc != 0) {
        return rc;
    }
    return table.Rows() > 0 ? table.Int(0, 0) : 0;
}

int CChannelDB::GetChannelIdsBySat(int32_t satId, std::vector<int32_t>& ids) {
    dbutil::ResultTable table;
    if (const int rc =
            Query(table, kSqliteError, "SELECT ch_id FROM ChannelInfo WHERE ch_id < 20000 AND sat_id = %d", satId);
        rc != 0) {
        return rc;
    }
    return ReadIds(table, ids);
}

int CChannelDB::GetChannelIdsWithoutFav(std::vector<int32_t>& ids) {
    dbutil::ResultTable table;
    if (const int rc = Query(table, kSqliteError,
                             "SELECT ch_id FROM ChannelInfo WHERE ch_id < 20000 AND ch_id NOT IN "
                             "(SELECT ch_id FROM FAVListInfo WHERE ch_id IS NOT NULL)");
        rc != 0) {
        return rc;
    }
    return ReadIds(table, ids);
}

int CChannelDB::GetListedChannelIds(std::vector<int32_t>& ids) {
    dbutil::ResultTable table;
    if (const int rc = Query(table, kSqliteError, "SELECT ch_id FROM ChannelInfo WHERE ch_id < 20000"); rc != 0) {
        return rc;
    }
    return ReadIds(table, ids);
}

int CChannelDB::ReadIds(const dbutil::ResultTable& table, std::vector<int32_t>& ids) {
    ids.clear();
    ids.reserve(static_cast<size_t>(table.Rows()));
    for (int row = 0; row < table.Rows(); ++row) {
        ids.push_back(table.Int(row, 0));
    }
    return table.Rows();
}
