#include "RecordLookup.h"

#include "db/ChannelDB.h"
#include "db/RecordBlock.h"

namespace {

// Looks `id` up in `memo` or reads it with `read(id, ok)`; a failed read is not
// remembered, so the next row asks again as a single-row lookup would.
template <typename Value, typename Read>
Value Remembered(bool remember, std::unordered_map<int32_t, Value>& memo, int32_t id, Read read) {
    if (remember) {
        if (const auto found = memo.find(id); found != memo.end()) {
            return found->second;
        }
    }
    bool ok = true;
    Value value = read(id, ok);
    if (remember && ok) {
        memo.emplace(id, value);
    }
    return value;
}

// A refused id is an answer too (no such row), so it is asked once per fill.
bool Answered(int rc) {
    return rc >= 0 || rc == kValueDoesNotFit;
}

} // namespace

ChannelLinks CRecordLookup::LinksOf(const ChannelRecord& channel) {
    ChannelLinks links;
    links.satName = SatName(channel.sat_id);
    const TpParams tp = Tp(channel.nit_id);
    links.frequency = tp.frequency;
    links.symbolRate = tp.symbolRate;
    links.pol = tp.pol;
    links.providerName = ProviderName(channel.sdt_id);
    return links;
}

QString CRecordLookup::SatName(int32_t satId) {
    return Remembered(m_remember, m_satNames, satId, [this](int32_t id, bool& ok) {
        SatRecord sat{};
        ok = Answered(m_db.GetSatInfo(id, sat));
        return FieldText(sat.name);
    });
}

CRecordLookup::TpParams CRecordLookup::Tp(int32_t nitId) {
    return Remembered(m_remember, m_tps, nitId, [this](int32_t id, bool& ok) {
        NitRecord nit{};
        ok = Answered(m_db.GetTpParams(id, nit));
        return TpParams{nit.frequency, nit.symbol_rate, nit.pol};
    });
}

void CRecordLookup::ReadAllTps() {
    // Only a table whose every value is a plain integer its record holds, with each id
    // stored once, reads whole as it reads row by row; any other is asked id by id.
    if (!m_remember || m_db.CheckNitRowsFit() != 0) {
        return;
    }
    RecordBlock<NitRecord> nits;
    if (nits.Read(m_db, &CChannelDB::GetNitList) < 0) {
        return;
    }
    std::unordered_map<int32_t, TpParams> tps;
    for (const NitRecord& nit : nits) {
        // Id 0 may stand for a NULL id, which no single-row query finds; ids beyond 16
        // bits are refused by it: both are left to it.
        if (nit.nit_id == 0 || nit.nit_id < INT16_MIN || nit.nit_id > INT16_MAX) {
            continue;
        }
        if (!tps.emplace(nit.nit_id, TpParams{nit.frequency, nit.symbol_rate, nit.pol}).second) {
            return;
        }
    }
    m_tps = std::move(tps);
}

QString CRecordLookup::ProviderName(int32_t sdtId) {
    return Remembered(m_remember, m_providerNames, sdtId, [this](int32_t id, bool& ok) {
        ProviderRecord provider{};
        ok = Answered(m_db.GetSdtInfo(id, provider));
        return FieldText(provider.provider_name);
    });
}
