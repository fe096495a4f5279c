// Fuzz target: its input is written as the receiver's database file, which is then
// opened as the editor opens it (revision check and table layout check) and read as
// every view reads it: every list of the satellites, transponders, LNB settings,
// channels, providers, favourites and options, with the row texts of each view.
// The reads run even when a check refuses the file, so that the bounded result
// reading behind the checks is exercised too.
#include "db/ChannelDB.h"
#include "db/ReceiverConnection.h"
#include "db/RecordBlock.h"
#include "db/SchemaGate.h"
#include "listctrl/RecordLookup.h"
#include "listctrl/RowFormat.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include <unistd.h>

namespace {

// The row texts are built and dropped; only what building them touches matters.
void Touch(const CRowTexts& row) {
    volatile int cells = row.Count();
    (void)cells;
}

void ReadSatellites(CChannelDB& db) {
    RecordBlock<SatRecord> sats;
    const int count = sats.Read(db, &CChannelDB::GetSatList);
    for (int i = 0; i < count; ++i) {
        Touch(SatRowTexts(sats[i]));
        SatRecord sat{};
        db.GetSatInfo(static_cast<int16_t>(sats[i].sat_id), sat);
        RecordBlock<NitRecord> nits;
        const int tps = nits.Read(db, &CChannelDB::GetNitListBySat, static_cast<int16_t>(sats[i].sat_id));
        for (int t = 0; t < tps; ++t) {
            Touch(TpRowTexts(nits[t]));
        }
    }
}

void ReadLnbs(CChannelDB& db) {
    CRecordLookup lookup(db, true);
    for (int16_t tuner = 0; tuner < 2; ++tuner) {
        RecordBlock<LnbRecord> lnbs;
        const int count = lnbs.Read(db, &CChannelDB::GetLnbList, tuner);
        for (int i = 0; i < count; ++i) {
            Touch(LnbRowTexts(i, lnbs[i], lookup.SatName(lnbs[i].sat_id)));
        }
    }
}

void ReadChannels(CChannelDB& db) {
    RecordBlock<ChannelRecord> channels;
    const int count = channels.Read(db, &CChannelDB::GetChannelList);
    CRecordLookup lookup(db, true);
    for (int i = 0; i < count; ++i) {
        Touch(ChannelRowTexts(channels[i], lookup.LinksOf(channels[i])));
    }
    if (count > 0) {
        ChannelRecord channel{};
        db.GetChannelInfo(static_cast<int16_t>(channels[0].ch_id), channel);
        NitRecord nit{};
        db.GetNitInfo(static_cast<int16_t>(channel.nit_id), nit);
        db.GetTpParams(static_cast<int16_t>(channel.nit_id), nit);
        ProviderRecord provider{};
        db.FindSdtByName(channel.name, provider);
    }
}

void ReadFavourites(CChannelDB& db) {
    RecordBlock<FavGroupRecord> groups;
    const int count = groups.Read(db, &CChannelDB::GetFavGroupList);
    for (int i = 0; i < count; ++i) {
        (void)FieldText(groups[i].name);
        RecordBlock<FavEntryRecord> entries;
        const int rows = entries.Read(db, &CChannelDB::GetFavList, groups[i].favgrp_id);
        for (int e = 0; e < rows; ++e) {
            CRowTexts row;
            row.AppendField(entries[e].name);
            Touch(row);
        }
    }
}

void ReadOptions(CChannelDB& db) {
    OptionRecord option{};
    db.GetOptionInfo(option, 0);
    db.GetOptionInfo(option, 1);
}

const std::string& InputPath() {
    static const std::string path = "/tmp/orvane-fuzz-" + std::to_string(::getpid()) + ".dat";
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = InputPath();
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    } else {
        return 0;
    }
    if (dbconn::Open(path.c_str(), SQLITE_OPEN_READWRITE, &g_db) != SQLITE_OK) {
        sqlite3_close(g_db);
        g_db = nullptr;
        return 0;
    }
    CChannelDB db;
    db.CheckSchemaRevision();
    (void)dbschema::CheckTableLayout(g_db);
    ReadSatellites(db);
    ReadLnbs(db);
    ReadChannels(db);
    ReadFavourites(db);
    ReadOptions(db);
    sqlite3_close(g_db);
    g_db = nullptr;
    return 0;
}
