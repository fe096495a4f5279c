// Commands on many chosen channels at once: each is one statement, or one
// transaction, over the whole choice instead of one statement per channel.
#include "ChannelDB.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

int CChannelDB::SetChannelFlag(std::span<const int32_t> chIds, ChannelFlag flag, bool on) {
    if (chIds.empty()) {
        return 0;
    }
    const std::string sql = std::string("UPDATE ChannelInfo SET ") + (flag == ChannelFlag::Lock ? "lock" : "hide") +
                            " = " + (on ? "1" : "0") + " WHERE ch_id < 20000 AND ch_id IN " + dbutil::IdSet(chIds);
    return ExecSql(sql.c_str());
}

int CChannelDB::AddFavEntries(std::span<const int32_t> chIds, int32_t groupId, int& skipped) {
    skipped = 0;
    if (const int rc = CheckUnsigned16(groupId, "FAVGRP_ID"); rc != 0) {
        return rc;
    }
    for (const int32_t chId : chIds) {
        if (const int rc = CheckUnsigned16(chId, "ch_id"); rc != 0) {
            return rc;
        }
    }
    if (chIds.empty()) {
        return 0;
    }
    // The new entries follow the group's others in the chosen order, with ids and
    // places after the highest ones stored, as one AddFavEntry after another gives them.
    std::string picks;
    for (size_t i = 0; i < chIds.size(); ++i) {
        picks.append(i == 0 ? "(" : ",(").append(std::to_string(i) + "," + std::to_string(chIds[i]) + ")");
    }
    const std::string group = std::to_string(groupId);
    const std::string sql =
        "WITH pick(ord, id) AS (VALUES " + picks +
        "), fresh AS (SELECT ord, id, row_number() OVER (ORDER BY ord) AS n FROM pick WHERE id NOT IN "
        "(SELECT ch_id FROM favlistinfo WHERE favgrp_id = " +
        group +
        ")), base AS (SELECT coalesce(max(favlist_id),0) AS id0, coalesce(max(favlist_seq),0) AS seq0 FROM "
        "favlistinfo) INSERT INTO favlistinfo SELECT " +
        group +
        ", id0 + n, (SELECT name FROM channelinfo WHERE ch_id = id), seq0 + n, id, 0, 1 FROM fresh, base ORDER BY ord";
    if (const int rc = ExecSql(sql.c_str()); rc != 0) {
        return rc;
    }
    skipped = static_cast<int>(chIds.size()) - sqlite3_changes(g_db);
    return 0;
}

int CChannelDB::DeleteChannels(std::span<const int32_t> chIds) {
    for (const int32_t chId : chIds) {
        if (const int rc = CheckUnsigned16(chId, "ch_id"); rc != 0) {
            return rc;
        }
    }
    if (chIds.empty()) {
        return 0;
    }
    // One statement per table for the whole choice: a statement per channel scans
    // the schedule, scramble and favourite tables once for every channel.
    const std::string ids = dbutil::IdList(chIds);
    for (const char* table : {"ChannelInfo", "ScheduleInfo", "ScrambleInfo", "FAVListInfo"}) {
        const std::string sql = std::string("DELETE FROM ") + table + " WHERE ch_id IN " + ids;
        if (const int rc = ExecSql(sql.c_str()); rc != 0) {
            return rc;
        }
    }
    return 0;
}

int CChannelDB::CountOrderClashes(std::span<const int32_t> chIds, int32_t first, int32_t last) {
    const std::string sql = "SELECT count(*) FROM ChannelInfo WHERE ch_id < 20000 AND ch_order BETWEEN " +
                            std::to_string(first) + " AND " + std::to_string(last) + " AND ch_id NOT IN " +
                            dbutil::IdList(chIds);
    return QueryNextId(sql.c_str(), 0);
}

int CChannelDB::MaxOrderFrom(std::span<const int32_t> chIds, int32_t first) {
    const std::string sql = "SELECT coalesce(max(ch_order), 0) FROM ChannelInfo WHERE ch_id < 20000 AND ch_order >= " +
                            std::to_string(first) + " AND ch_id NOT IN " + dbutil::IdList(chIds);
    return QueryNextId(sql.c_str(), 0);
}

int CChannelDB::RenumberChannelsFrom(std::span<const int32_t> chIds, int32_t first, bool makeRoom,
                                     const std::function<void(size_t done)>& progress) {
    if (chIds.empty()) {
        return 0;
    }
    int rc = BeginTransaction();
    if (rc == 0 && makeRoom) {
        const std::string sql = "UPDATE ChannelInfo SET ch_order = ch_order + " + std::to_string(chIds.size()) +
                                " WHERE ch_id < 20000 AND ch_order >= " + std::to_string(first) + " AND ch_id NOT IN " +
                                dbutil::IdList(chIds);
        rc = ExecSql(sql.c_str());
    }
    rc = rc == 0 ? NumberChannels(chIds, first, progress) : rc;
    rc = rc == 0 ? CommitTransaction() : rc;
    if (rc != 0) {
        Rollback();
    }
    return rc;
}

int CChannelDB::NumberChannels(std::span<const int32_t> chIds, int32_t first,
                               const std::function<void(size_t done)>& progress) {
    // One UPDATE for each slice of the list, joined to the slice's ids passed as one
    // JSON array: an UPDATE statement for each of 20,000 channels took most of a
    // whole-list Renumber's time. A channel named twice keeps its later number, as
    // one single-row UPDATE after another leaves it: its earlier places hold null,
    // which matches no channel.
    std::unordered_map<int32_t, size_t> lastPlace;
    lastPlace.reserve(chIds.size());
    for (size_t i = 0; i < chIds.size(); ++i) {
        lastPlace[chIds[i]] = i;
    }
    dbutil::PreparedStatement update;
    int rc = dbutil::Prepare(g_db,
                             "UPDATE ChannelInfo SET ch_order = ?2 + n.key FROM json_each(?1) AS n WHERE "
                             "ChannelInfo.ch_id = n.value",
                             update);
    constexpr size_t kSlice = 512; // the progress moves on after each slice
    std::string ids;
    for (size_t start = 0; rc == SQLITE_OK && start < chIds.size(); start += kSlice) {
        const size_t stop = std::min(chIds.size(), start + kSlice);
        ids.assign(1, '[');
        for (size_t i = start; i < stop; ++i) {
            char number[16];
            const auto [end, ec] = std::to_chars(number, number + sizeof number, chIds[i]);
            ids.append(i == start ? "" : ",")
                .append(lastPlace[chIds[i]] == i && ec == std::errc() ? std::string_view(number, end) : "null");
        }
        ids.push_back(']');
        sqlite3_bind_text(update.get(), 1, ids.c_str(), static_cast<int>(ids.size()), SQLITE_STATIC);
        sqlite3_bind_int64(update.get(), 2, static_cast<sqlite3_int64>(first) + static_cast<sqlite3_int64>(start));
        rc = sqlite3_step(update.get());
        rc = rc == SQLITE_DONE ? sqlite3_reset(update.get()) : rc;
        if (progress) {
            progress(stop);
        }
    }
    if (rc != SQLITE_OK) {
        LogDbError(kSqliteError, rc);
        return -rc;
    }
    return 0;
}

int CChannelDB::RenameChannels(std::span<const ChannelName> names, const std::function<void(size_t done)>& progress) {
    for (const ChannelName& name : names) {
        if (name.name.size() > sizeof(ChannelRecord{}.name) - 1) {
            return RefuseUnfit("name " + name.name);
        }
        if (const int rc = CheckUnsigned16(name.chId, "ch_id"); rc != 0) {
            return rc;
        }
    }
    int rc = BeginTransaction();
    // One prepared statement for the channels, then one for their favourite entries:
    // an UPDATE of the entries per channel read the whole favourite table each time.
    dbutil::PreparedStatement update;
    int sqlRc =
        rc == 0 ? dbutil::Prepare(g_db, "UPDATE ChannelInfo SET name = ?1 WHERE ch_id = ?2", update) : SQLITE_OK;
    std::vector<int32_t> ids;
    ids.reserve(names.size());
    for (size_t i = 0; rc == 0 && sqlRc == SQLITE_OK && i < names.size(); ++i) {
        sqlite3_bind_text(update.get(), 1, names[i].name.c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_int(update.get(), 2, names[i].chId);
        sqlRc = sqlite3_step(update.get());
        sqlRc = sqlRc == SQLITE_DONE ? sqlite3_reset(update.get()) : sqlRc;
        ids.push_back(names[i].chId);
        if (progress && ((i + 1) % 512 == 0 || i + 1 == names.size())) {
            progress(i + 1);
        }
    }
    if (sqlRc != SQLITE_OK) {
        LogDbError(kSqliteError, sqlRc);
        rc = -sqlRc;
    }
    if (rc == 0 && !ids.empty()) {
        const std::string entries = "UPDATE FAVListInfo SET Name = (SELECT name FROM ChannelInfo c WHERE c.ch_id = "
                                    "FAVListInfo.ch_id) WHERE ch_id IN " +
                                    dbutil::IdList(ids);
        rc = ExecSql(entries.c_str());
    }
    rc = rc == 0 ? CommitTransaction() : rc;
    if (rc != 0) {
        Rollback();
    }
    return rc;
}

int CChannelDB::InsertChannels(std::span<const ChannelRecord> channels) {
    for (const ChannelRecord& c : channels) {
        if (c.ch_id >= 20000 || c.ch_id < 0) {
            // A row stored with such an id would vanish from the editor's list.
            LogDbError(kSqliteError, SQLITE_FULL);
            return -SQLITE_FULL;
        }
    }
    // One statement of many rows parses once instead of once per channel.
    constexpr size_t kRowsPerStatement = 256;
    for (size_t start = 0; start < channels.size(); start += kRowsPerStatement) {
        std::string sql = "INSERT INTO ChannelInfo values ";
        const size_t stop = std::min(channels.size(), start + kRowsPerStatement);
        for (size_t i = start; i < stop; ++i) {
            const ChannelRecord& c = channels[i];
            const dbutil::SqlStatement row(
                "(%d, %d, '%q', %d, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d)", c.ch_id, c.ch_seq,
                c.name, c.nit_id, c.pg_id, c.sat_id, c.cas_type, c.media_mode, c.video_pid, c.audio_pid, c.pcr_pid,
                c.pmt_pid, c.pch_id, c.tuner_id, c.audio_mode, c.lock, c.hide, c.day, c.ch_order, c.sdt_id);
            if (row.Text() == nullptr) {
                return -SQLITE_NOMEM;
            }
            sql.append(i == start ? "" : ",").append(row.Text());
        }
        if (const int rc = ExecSql(sql.c_str()); rc != 0) {
            return rc;
        }
    }
    return 0;
}

int CChannelDB::ShiftChannelNumbers(int32_t from, int32_t by) {
    return Execute(kSqliteError,
                   "UPDATE ChannelInfo SET ch_order = ch_order + %d WHERE ch_id < 20000 AND ch_order >= %d", by, from);
}
