#include "ChannelMerge.h"

#include "ChannelCsv.h"
#include "ChannelEdits.h"
#include "ChannelMatcher.h"
#include "db/RecordBlock.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace match {

namespace {

constexpr int32_t kListedIds = 20000;
// Satellite, transponder and provider ids travel in the receiver's 16-bit fields.
constexpr int32_t kLargestRowId = INT16_MAX;

// Finds, row by row, what a table check found somewhere: `fits` says whether one row fits.
template <typename Fits>
int CollectUnfit(const std::vector<int32_t>& ids, Fits fits, std::map<int32_t, std::string>& unfit) {
    for (const int32_t id : ids) {
        const int rc = fits(id);
        if (rc == kValueDoesNotFit) {
            unfit.emplace(id, LastDbErrorText());
        } else if (rc != 0) {
            return rc;
        }
    }
    return 0;
}

} // namespace

int ReadMergeFile(CChannelDB& db, MergeFile& file, FitChecks checks) {
    file = MergeFile{};
    ChannelTables tables;
    if (const int rc = ReadChannelSet(db, file.set, tables); rc != 0) {
        return rc;
    }
    // The list read holds a satellite's name and position only; an added one is copied whole.
    std::vector<int32_t> satIds;
    for (const SatRecord& listed : tables.sats) {
        SatRecord sat{};
        if (const int rc = db.GetSatInfo(listed.sat_id, sat); rc < 0 && rc != kValueDoesNotFit) {
            return rc;
        }
        sat.sat_id = listed.sat_id;
        file.sats.push_back(sat);
        satIds.push_back(listed.sat_id);
    }
    file.nits = std::move(tables.nits);
    file.providers = std::move(tables.providers);

    if (checks == FitChecks::None) {
        return 0;
    }
    // A whole-table check first: row by row only where it found something.
    if (const int rc = checks == FitChecks::All ? db.CheckListedChannelsFit() : 0; rc == kValueDoesNotFit) {
        std::vector<int32_t> ids;
        for (const ChannelItem& item : file.set.channels) {
            ids.push_back(item.record.ch_id);
        }
        if (const int each = CollectUnfit(
                ids, [&db](int32_t id) { return db.CheckChannelRowFits(id); }, file.unfitChannels);
            each != 0) {
            return each;
        }
    } else if (rc != 0) {
        return rc;
    }
    if (const int rc = CollectUnfit(
            satIds, [&db](int32_t id) { return db.CheckSatRowFits(id); }, file.unfitSats);
        rc != 0) {
        return rc;
    }
    if (const int rc = db.CheckNitRowsFit(); rc == kValueDoesNotFit) {
        std::vector<int32_t> ids;
        for (const NitRecord& nit : file.nits) {
            ids.push_back(nit.nit_id);
        }
        return CollectUnfit(
            ids, [&db](int32_t id) { return db.CheckNitRowFits(id); }, file.unfitNits);
    } else {
        return rc;
    }
}

bool ReadMergeFileFromPath(const std::string& path, MergeFile& file, std::string& error) {
    return ReadFileWith(
        path, [&file](CChannelDB& db) { return ReadMergeFile(db, file); }, error);
}

bool ReadCheckedMergeFile(const std::string& path, const FileCheck& check, MergeFile& file,
                          std::vector<std::string>& problems, std::string& error) {
    const FitChecks checks = check ? FitChecks::BesideChannels : FitChecks::All;
    return ReadCheckedFileWith(
        path, check, [&file, checks](CChannelDB& db) { return ReadMergeFile(db, file, checks); }, problems, error);
}

std::vector<size_t> NewChannels(const ChannelSet& current, const ChannelSet& other) {
    return MatchChannels(IdentitiesOf(current), IdentitiesOf(other)).unmatchedTo;
}

namespace {

// The open file's rows as the plan finds and allocates them.
class CMergePlanner {
public:
    CMergePlanner(const MergeFile& current, const MergeFile& other, MergePlan& plan)
        : m_current(current), m_other(other), m_plan(plan) {
        for (const SatRecord& sat : current.sats) {
            m_satId = std::max(m_satId, sat.sat_id);
            m_satSeq = std::max(m_satSeq, sat.sat_seq);
        }
        for (const NitRecord& nit : current.nits) {
            m_nitId = std::max(m_nitId, nit.nit_id);
        }
        for (const ProviderRecord& provider : current.providers) {
            m_sdtId = std::max(m_sdtId, provider.sdt_id);
            m_providerByName.emplace(provider.provider_name, provider.sdt_id);
        }
        for (const ChannelItem& item : current.set.channels) {
            m_usedIds.insert(item.record.ch_id);
            m_names.emplace(item.record.sat_id, item.record.name);
            m_lastNumber = std::max(m_lastNumber, item.record.ch_order);
            m_highestId = std::max(m_highestId, item.record.ch_id);
        }
        for (const SatRecord& sat : other.sats) {
            m_otherSat.emplace(sat.sat_id, &sat);
        }
        for (const NitRecord& nit : other.nits) {
            m_otherNit.emplace(nit.nit_id, &nit);
        }
        for (const ProviderRecord& provider : other.providers) {
            m_otherProvider.emplace(provider.sdt_id, provider.provider_name);
        }
    }

    int32_t LastNumber() const { return m_lastNumber; }

    // Plans one channel; false with the clash's reason.
    bool Add(const ChannelItem& item, ChannelRecord& record, std::string& clash) {
        record = item.record;
        if (const auto unfit = m_other.unfitChannels.find(record.ch_id); unfit != m_other.unfitChannels.end()) {
            clash = "a value the receiver's record cannot hold (" + unfit->second + ")";
            return false;
        }
        const auto sourceNit = m_otherNit.find(record.nit_id);
        const auto sourceSat = m_otherSat.find(record.sat_id);
        if (sourceNit == m_otherNit.end() || sourceSat == m_otherSat.end()) {
            clash = "its satellite or transponder is missing from the other file";
            return false;
        }
        int32_t satId = 0;
        int32_t nitId = 0;
        if (!MapSat(*sourceSat->second, satId, clash) || !MapNit(*sourceNit->second, satId, nitId, clash)) {
            return false;
        }
        if (!m_names.emplace(satId, record.name).second) {
            clash = "the name is used on the satellite already";
            return false;
        }
        const int32_t chId = FreeChannelId();
        if (chId == 0) {
            m_names.erase({satId, record.name});
            clash = "no free channel id below 20000 is left";
            return false;
        }
        record.ch_id = chId;
        record.sat_id = satId;
        record.nit_id = nitId;
        record.sdt_id = MapProvider(record.sdt_id);
        return true;
    }

private:
    bool MapSat(const SatRecord& source, int32_t& satId, std::string& clash) {
        if (const auto done = m_satFor.find(source.sat_id); done != m_satFor.end()) {
            satId = done->second;
            return true;
        }
        for (const SatRecord& sat : m_current.sats) {
            if (sat.position == source.position) {
                satId = sat.sat_id;
                m_satFor.emplace(source.sat_id, satId);
                return true;
            }
        }
        if (const auto unfit = m_other.unfitSats.find(source.sat_id); unfit != m_other.unfitSats.end()) {
            clash = "its satellite holds a value the receiver's record cannot hold (" + unfit->second + ")";
            return false;
        }
        if (m_satId >= kLargestRowId) {
            clash = "no free satellite id is left";
            return false;
        }
        SatRecord sat = source;
        sat.sat_id = ++m_satId;
        sat.sat_seq = ++m_satSeq;
        m_plan.sats.push_back(sat);
        satId = sat.sat_id;
        m_satFor.emplace(source.sat_id, satId);
        return true;
    }

    bool MapNit(const NitRecord& source, int32_t satId, int32_t& nitId, std::string& clash) {
        const auto key = std::make_pair(source.nit_id, satId);
        if (const auto done = m_nitFor.find(key); done != m_nitFor.end()) {
            nitId = done->second;
            return true;
        }
        const NitRecord* best = nullptr;
        for (const NitRecord& nit : m_current.nits) {
            const int32_t drift = std::abs(nit.frequency - source.frequency);
            if (nit.sat_id == satId && (nit.pol != 0) == (source.pol != 0) && drift <= kFrequencyToleranceKHz &&
                (best == nullptr || drift < std::abs(best->frequency - source.frequency))) {
                best = &nit;
            }
        }
        if (best != nullptr) {
            nitId = best->nit_id;
        } else if (const auto unfit = m_other.unfitNits.find(source.nit_id); unfit != m_other.unfitNits.end()) {
            clash = "its transponder holds a value the receiver's record cannot hold (" + unfit->second + ")";
            return false;
        } else if (m_nitId >= kLargestRowId) {
            clash = "no free transponder id is left";
            return false;
        } else {
            NitRecord nit = source;
            nit.nit_id = ++m_nitId;
            nit.sat_id = satId;
            m_plan.nits.push_back(nit);
            nitId = nit.nit_id;
        }
        m_nitFor.emplace(key, nitId);
        return true;
    }

    // The provider of the same name, added when the open file has none; 0 when the
    // channel had no provider in the other file.
    int32_t MapProvider(int32_t sourceId) {
        const auto source = m_otherProvider.find(sourceId);
        if (source == m_otherProvider.end()) {
            return 0;
        }
        if (const auto known = m_providerByName.find(source->second); known != m_providerByName.end()) {
            return known->second;
        }
        ProviderRecord provider{};
        provider.sdt_id = ++m_sdtId;
        CopyName(provider.provider_name, source->second);
        m_plan.providers.push_back(provider);
        m_providerByName.emplace(source->second, provider.sdt_id);
        return provider.sdt_id;
    }

    template <size_t N> static void CopyName(char (&buffer)[N], const std::string& name) {
        const size_t n = std::min(name.size(), N - 1);
        std::copy_n(name.data(), n, buffer);
        buffer[n] = '\0';
    }

    // After the highest id, then the lowest gap; 0 when every id below 20000 is used.
    int32_t FreeChannelId() {
        while (m_highestId + 1 < kListedIds) {
            if (m_usedIds.insert(++m_highestId).second) {
                return m_highestId;
            }
        }
        while (++m_gap < kListedIds) {
            if (m_usedIds.insert(m_gap).second) {
                return m_gap;
            }
        }
        m_gap = kListedIds;
        return 0;
    }

    const MergeFile& m_current;
    const MergeFile& m_other;
    MergePlan& m_plan;
    int32_t m_satId = 0;
    int32_t m_satSeq = 0;
    int32_t m_nitId = 0;
    int32_t m_sdtId = 0;
    int32_t m_lastNumber = 0;
    int32_t m_highestId = 0;
    int32_t m_gap = 0;
    std::unordered_set<int32_t> m_usedIds;
    std::set<std::pair<int32_t, std::string>> m_names; // (satellite, name) of every channel
    std::unordered_map<std::string, int32_t> m_providerByName;
    std::unordered_map<int32_t, const SatRecord*> m_otherSat;
    std::unordered_map<int32_t, const NitRecord*> m_otherNit;
    std::unordered_map<int32_t, std::string> m_otherProvider;
    std::unordered_map<int32_t, int32_t> m_satFor;           // other's satellite -> ours
    std::map<std::pair<int32_t, int32_t>, int32_t> m_nitFor; // (other's transponder, our satellite) -> ours
};

} // namespace

MergePlan PlanMerge(const MergeFile& current, const MergeFile& other, const std::vector<size_t>& picks,
                    int32_t firstNumber) {
    MergePlan plan;
    CMergePlanner planner(current, other, plan);
    for (const size_t pick : picks) {
        if (pick >= other.set.channels.size()) {
            continue;
        }
        const ChannelItem& item = other.set.channels[pick];
        ChannelRecord record{};
        std::string clash;
        if (!planner.Add(item, record, clash)) {
            plan.clashes.push_back("clash: " + ChannelLabel(item.record) + ": " + clash);
            continue;
        }
        plan.channels.push_back(record);
        plan.added.push_back(pick);
    }
    // A satellite or transponder planned for a channel that then clashed is not added.
    std::set<int32_t> satsUsed;
    std::set<int32_t> nitsUsed;
    for (const ChannelRecord& record : plan.channels) {
        satsUsed.insert(record.sat_id);
        nitsUsed.insert(record.nit_id);
    }
    std::erase_if(plan.sats, [&satsUsed](const SatRecord& sat) { return satsUsed.count(sat.sat_id) == 0; });
    std::erase_if(plan.nits, [&nitsUsed](const NitRecord& nit) { return nitsUsed.count(nit.nit_id) == 0; });
    int32_t number = firstNumber > 0 ? firstNumber : planner.LastNumber() + 1;
    for (ChannelRecord& record : plan.channels) {
        record.ch_order = number++;
    }
    // Channels already numbered from there on follow the added ones.
    plan.makeRoomFrom =
        firstNumber > 0 && firstNumber <= planner.LastNumber() && !plan.channels.empty() ? firstNumber : 0;
    return plan;
}

int ApplyMerge(CChannelDB& db, const MergePlan& plan) {
    CEditTransaction transaction(db);
    if (!transaction.Open()) {
        return -SQLITE_BUSY;
    }
    for (const SatRecord& sat : plan.sats) {
        if (const int rc = db.InsertSatInfo(sat); rc != 0) {
            return rc;
        }
    }
    // The layer gives a transponder the next free id itself, which the channels then take.
    std::unordered_map<int32_t, int32_t> nitIds;
    for (NitRecord nit : plan.nits) {
        const int32_t planned = nit.nit_id;
        if (const int rc = db.InsertNitInfo(nit); rc != 0) {
            return rc;
        }
        nitIds.emplace(planned, nit.nit_id);
    }
    std::vector<ChannelRecord> channels = plan.channels;
    for (ChannelRecord& channel : channels) {
        if (const auto added = nitIds.find(channel.nit_id); added != nitIds.end()) {
            channel.nit_id = added->second;
        }
    }
    for (const ProviderRecord& provider : plan.providers) {
        if (const int rc = db.InsertSdtInfo(provider); rc != 0) {
            return rc;
        }
    }
    if (plan.makeRoomFrom > 0) {
        if (const int rc = db.ShiftChannelNumbers(plan.makeRoomFrom, static_cast<int32_t>(plan.channels.size()));
            rc != 0) {
            return rc;
        }
    }
    if (const int rc = db.InsertChannels(channels); rc != 0) {
        return rc;
    }
    return transaction.Commit() ? 0 : -SQLITE_BUSY;
}

std::vector<std::string> DescribeMerge(const MergeFile& other, const MergePlan& plan) {
    std::vector<std::string> lines;
    std::unordered_map<int32_t, std::string> satName;
    for (const SatRecord& sat : plan.sats) {
        satName.emplace(sat.sat_id, NameText(sat.name));
        lines.push_back("add satellite " + NameText(sat.name) + " (" + PositionText(true, sat.position) + ")");
    }
    for (const NitRecord& nit : plan.nits) {
        const auto sat = satName.find(nit.sat_id);
        lines.push_back("add transponder " + FrequencyText(nit.frequency) + " " + PolarityText(nit.pol) + " on " +
                        (sat != satName.end() ? sat->second : "satellite " + std::to_string(nit.sat_id)));
    }
    for (const ProviderRecord& provider : plan.providers) {
        lines.push_back("add provider " + NameText(provider.provider_name));
    }
    for (size_t i = 0; i < plan.channels.size(); ++i) {
        lines.push_back("add " + ChannelLabel(other.set.channels[plan.added[i]].record) + " as channel " +
                        std::to_string(plan.channels[i].ch_id) + ", number " +
                        std::to_string(plan.channels[i].ch_order));
    }
    lines.insert(lines.end(), plan.clashes.begin(), plan.clashes.end());
    return lines;
}

} // namespace match
