#include "RecordLookup.h"

#include "db/ChannelDB.h"

namespace {

// Looks `id` up in `memo` or reads it with `read(id, ok)`; a failed read is not
// remembered, so the next row asks again as a single-row lookup would.
template <typename Value, typename Read>
Value Remembered(bool remember, std::unordered_map<int16_t, Value>& memo, int16_t id, Read read) {
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
    return Remembered(m_remember, m_satNames, static_cast<int16_t>(satId), [this](int16_t id, bool& ok) {
        SatRecord sat{};
        ok = m_db.GetSatInfo(id, sat) >= 0;
        return FieldText(sat.name);
    });
}

CRecordLookup::TpParams CRecordLookup::Tp(int32_t nitId) {
    return Remembered(m_remember, m_tps, static_cast<int16_t>(nitId), [this](int16_t id, bool& ok) {
        NitRecord nit{};
        ok = m_db.GetTpParams(id, nit) >= 0;
        return TpParams{nit.frequency, nit.symbol_rate, nit.pol};
    });
}

QString CRecordLookup::ProviderName(int32_t sdtId) {
    return Remembered(m_remember, m_providerNames, static_cast<int16_t>(sdtId), [this](int16_t id, bool& ok) {
        ProviderRecord provider{};
        ok = m_db.GetSdtInfo(id, provider) >= 0;
        return FieldText(provider.provider_name);
    });
}
