// Channels and providers, and the rows other tables keep for a channel.
#include "ChannelDB.h"

#include <cstring>

namespace {

// Channel ids from here on belong to the receiver; the editor neither lists nor
// allocates them.
constexpr int kForeignChannelIds = 20000;

// Record order differs from the stored order: name is column 2, nit_id column 3.
void FillChannel(const dbutil::ResultTable& table, int row, ChannelRecord& channel) {
    channel.ch_id = table.Int(row, 0);
    channel.ch_seq = table.Int(row, 1);
    table.Text(row, 2, channel.name);
    channel.nit_id = table.Int(row, 3);
    channel.pg_id = table.Int(row, 4);
    channel.sat_id = table.Int(row, 5);
    channel.cas_type = table.Int(row, 6);
    channel.media_mode = table.Int(row, 7);
    channel.video_pid = table.Int(row, 8);
    channel.audio_pid = table.Int(row, 9);
    channel.pcr_pid = table.Int(row, 10);
    channel.pmt_pid = table.Int(row, 11);
    channel.pch_id = table.Int(row, 12);
    channel.tuner_id = static_cast<int16_t>(table.Int(row, 13));
    channel.audio_mode = static_cast<int16_t>(table.Int(row, 14));
    channel.lock = table.Int(row, 15);
    channel.hide = table.Int(row, 16);
    channel.day = table.Int(row, 17);
    channel.ch_order = table.Int(row, 18);
    channel.sdt_id = table.Int(row, 19);
}

void FillProvider(const dbutil::ResultTable& table, ProviderRecord& provider) {
    std::memset(&provider, 0, sizeof provider);
    if (table.Rows() > 0) {
        provider.sdt_id = table.Int(0, 0);
        table.Text(0, 1, provider.provider_name);
    }
}

} // namespace

// Channels.

int CChannelDB::GetChannelList(ChannelRecord** list) {
    dbutil::ResultTable table;
    if (const int rc =
            Query(table, kSqliteError, "SELECT * FROM ChannelInfo WHERE ch_id < 20000 ORDER BY ch_order ASC");
        rc != 0) {
        return rc;
    }
    return ReadList(table, list, [&table](ChannelRecord& channel, int row) { FillChannel(table, row, channel); });
}

int CChannelDB::GetChannelInfo(int32_t chId, ChannelRecord& channel) {
    if (const int rc = CheckSigned16(chId, "ch_id"); rc != 0) {
        return rc;
    }
    dbutil::ResultTable table;
    if (const int rc = Query(table, kSqliteError, "SELECT * FROM ChannelInfo WHERE CH_ID = %d", chId); rc != 0) {
        return rc;
    }
    std::memset(&channel, 0, sizeof channel);
    if (table.Rows() > 0) {
        FillChannel(table, 0, channel);
    }
    return table.Rows();
}

int CChannelDB::UpdateChannelInfo(int32_t chId, const ChannelRecord& c) {
    if (const int rc = CheckSigned16(chId, "ch_id"); rc != 0) {
        return rc;
    }
    return Execute(kSqliteError,
                   "UPDATE channelinfo SET ch_seq = %d, name = '%q', nit_id = %d, pg_id = %d, sat_id = %d, cas_type "
                   "= %d, media_mode = %d, video_pid = %d, audio_pid = %d, pcr_pid = %d, pmt_pid = %d, pch_id = %d, "
                   "tuner_id = %d, audio_mode = %d, lock = %d, hide = %d, day = %d, SDT_ID = %d WHERE ch_id = %d",
                   c.ch_seq, c.name, c.nit_id, c.pg_id, c.sat_id, c.cas_type, c.media_mode, c.video_pid, c.audio_pid,
                   c.pcr_pid, c.pmt_pid, c.pch_id, c.tuner_id, c.audio_mode, c.lock, c.hide, c.day, c.sdt_id, chId);
}

int CChannelDB::InsertChannelInfo(const ChannelRecord& c) {
    if (c.ch_id >= kForeignChannelIds) {
        // A row stored with such an id would vanish from the editor's list.
        LogDbError(kSqliteError, SQLITE_FULL);
        return -SQLITE_FULL;
    }
    return Execute(kSqliteError,
                   "INSERT INTO ChannelInfo values (%d, %d, '%q', %d, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d, "
                   "%d, %d, %d, %d)",
                   c.ch_id, c.ch_seq, c.name, c.nit_id, c.pg_id, c.sat_id, c.cas_type, c.media_mode, c.video_pid,
                   c.audio_pid, c.pcr_pid, c.pmt_pid, c.pch_id, c.tuner_id, c.audio_mode, c.lock, c.hide, c.day,
                   c.ch_order, c.sdt_id);
}

int CChannelDB::GetNewChannelId() {
    return QueryNextId("select coalesce(max(ch_id), 0) + 1 from channelinfo where ch_id < 20000", 1);
}

int CChannelDB::DeleteChannel(int32_t chId) {
    if (const int rc = CheckUnsigned16(chId, "ch_id"); rc != 0) {
        return rc;
    }
    return DeleteChannelRows(chId);
}

int CChannelDB::DeleteChannelRows(int32_t chId) {
    for (const char* format :
         {"DELETE FROM ChannelInfo WHERE ch_id = %d", "DELETE FROM ScheduleInfo WHERE ch_id = %d",
          "DELETE FROM ScrambleInfo WHERE ch_id = %d", "DELETE FROM FAVListInfo WHERE ch_id = %d"}) {
        if (const int rc = Execute(kSqliteError, format, chId); rc != 0) {
            return rc;
        }
    }
    return 0;
}

int CChannelDB::DeleteListedChannels() {
    return Execute(kSqliteError, "DELETE FROM ChannelInfo WHERE ch_id < 20000");
}

// Providers.

int CChannelDB::GetNewSdtId() {
    return QueryNextId("select coalesce(max(sdt_id), 0 ) +1 from sdtinfo", 1);
}

int CChannelDB::GetSdtInfo(int32_t sdtId, ProviderRecord& provider) {
    if (const int rc = CheckSigned16(sdtId, "SDT_ID"); rc != 0) {
        return rc;
    }
    dbutil::ResultTable table;
    if (const int rc = Query(table, kSqliteError, "SELECT * FROM SDTInfo WHERE SDT_ID = %d", sdtId); rc != 0) {
        return rc;
    }
    FillProvider(table, provider);
    return 0;
}

int CChannelDB::FindSdtByName(const char* providerName, ProviderRecord& provider) {
    dbutil::ResultTable table;
    if (const int rc = Query(table, kSqliteError, "SELECT * FROM SDTInfo WHERE provider_name = '%q'", providerName);
        rc != 0) {
        return rc;
    }
    FillProvider(table, provider);
    return table.Rows();
}

int CChannelDB::InsertSdtInfo(const ProviderRecord& provider) {
    return Execute(kSqliteError, "INSERT INTO SDTInfo values (%d, '%q' )", provider.sdt_id, provider.provider_name);
}
