#pragma once
// Looks up what a channel or LNB row shows of other tables (satellite name,
// transponder parameters, provider name) through the single-row operations of
// CChannelDB. With `remember` set, each id is asked once and its answer reused:
// a fill of the channel list then runs one query per distinct satellite,
// transponder and provider instead of three per channel, and every cell still shows
// exactly what the single-row lookup shows. A remembering lookup lives only for one
// fill, so it never outlives the database state it has read.
#include "RowFormat.h"

#include <cstdint>
#include <unordered_map>

class CChannelDB;

class CRecordLookup {
public:
    CRecordLookup(CChannelDB& db, bool remember) : m_db(db), m_remember(remember) {}

    // For a remembering lookup that will ask for most transponders (a whole channel
    // list): reads the transponder table once instead of one query per transponder,
    // where that gives every transponder as its own query would.
    void ReadAllTps();

    ChannelLinks LinksOf(const ChannelRecord& channel);
    QString SatName(int32_t satId);

private:
    struct TpParams {
        int32_t frequency = 0;
        int32_t symbolRate = 0;
        int32_t pol = 0;
    };

    // An id the 16-bit single-row operations cannot hold reads as no row (empty
    // texts, zeros), never as the row its low bits would name.
    TpParams Tp(int32_t nitId);
    QString ProviderName(int32_t sdtId);

    CChannelDB& m_db;
    bool m_remember;
    std::unordered_map<int32_t, QString> m_satNames;
    std::unordered_map<int32_t, TpParams> m_tps;
    std::unordered_map<int32_t, QString> m_providerNames;
};
