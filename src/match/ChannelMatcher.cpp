#include "ChannelMatcher.h"

#include "db/StoredText.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <tuple>
#include <unordered_map>

namespace match {

namespace {

using IdKey = std::tuple<int32_t, int32_t, int32_t>;
using TuningKey = std::tuple<int32_t, bool, int32_t>;         // position, polarity, service id
using NameKey = std::tuple<bool, int32_t, bool, std::string>; // satellite known, position, kind, name

IdKey IdKeyOf(const ChannelIdentity& c) {
    return {c.networkId, c.tsId, c.serviceId};
}
TuningKey TuningKeyOf(const ChannelIdentity& c) {
    return {c.satPosition, c.horizontal, c.serviceId};
}
NameKey NameKeyOf(const ChannelIdentity& c) {
    return {c.satKnown, c.satPosition, c.radio, c.name};
}
bool HasTuning(const ChannelIdentity& c) {
    return c.satKnown && c.serviceId != 0;
}

struct IdKeyHash {
    size_t operator()(const IdKey& key) const {
        const auto [network, stream, service] = key;
        uint64_t h = static_cast<uint32_t>(network);
        h = h * 0x9E3779B97F4A7C15ULL + static_cast<uint32_t>(stream);
        h = h * 0x9E3779B97F4A7C15ULL + static_cast<uint32_t>(service);
        return static_cast<size_t>(h ^ (h >> 29));
    }
};

class CMatcher {
public:
    CMatcher(const std::vector<ChannelIdentity>& from, const std::vector<ChannelIdentity>& to)
        : m_from(from), m_to(to) {
        m_result.toOf.assign(from.size(), -1);
        m_result.fromOf.assign(to.size(), -1);
    }

    MatchResult Run() {
        ByIds();
        ByTuning();
        ByName();
        std::sort(m_result.matches.begin(), m_result.matches.end(),
                  [](const ChannelMatch& a, const ChannelMatch& b) { return a.from < b.from; });
        for (size_t i = 0; i < m_from.size(); ++i) {
            if (m_result.toOf[i] < 0) {
                m_result.unmatchedFrom.push_back(i);
            }
        }
        for (size_t j = 0; j < m_to.size(); ++j) {
            if (m_result.fromOf[j] < 0) {
                m_result.unmatchedTo.push_back(j);
            }
        }
        return std::move(m_result);
    }

private:
    void Pair(size_t from, size_t to, MatchRule rule) {
        m_result.matches.push_back({from, to, rule});
        m_result.toOf[from] = static_cast<long>(to);
        m_result.fromOf[to] = static_cast<long>(from);
        ++m_result.counts[static_cast<size_t>(rule)];
    }
    bool FromFree(size_t i) const { return m_result.toOf[i] < 0; }
    bool ToFree(size_t j) const { return m_result.fromOf[j] < 0; }

    // A triple that occurs twice in either list says nothing about which is which.
    void ByIds() {
        // One hashed table for both lists' counts: two files of 20,000 channels each are
        // matched here for every compare and merge.
        struct Seen {
            int inFrom = 0;
            int inTo = 0;
            size_t to = 0;
        };
        std::unordered_map<IdKey, Seen, IdKeyHash> seen;
        seen.reserve(m_from.size() + m_to.size());
        for (size_t j = 0; j < m_to.size(); ++j) {
            if (m_to[j].HasIds()) {
                Seen& entry = seen[IdKeyOf(m_to[j])];
                if (entry.inTo++ == 0) {
                    entry.to = j;
                }
            }
        }
        for (const ChannelIdentity& c : m_from) {
            if (c.HasIds()) {
                ++seen[IdKeyOf(c)].inFrom;
            }
        }
        for (size_t i = 0; i < m_from.size(); ++i) {
            if (!m_from[i].HasIds()) {
                continue;
            }
            const Seen& entry = seen.at(IdKeyOf(m_from[i]));
            if (entry.inFrom == 1 && entry.inTo == 1) {
                Pair(i, entry.to, MatchRule::Ids);
            }
        }
    }

    // The nearest free frequency within the tolerance; a tie is ambiguous and left to
    // the name rule.
    void ByTuning() {
        std::map<TuningKey, std::vector<size_t>> toByKey;
        for (size_t j = 0; j < m_to.size(); ++j) {
            if (ToFree(j) && HasTuning(m_to[j])) {
                toByKey[TuningKeyOf(m_to[j])].push_back(j);
            }
        }
        for (size_t i = 0; i < m_from.size(); ++i) {
            if (!FromFree(i) || !HasTuning(m_from[i])) {
                continue;
            }
            const auto bucket = toByKey.find(TuningKeyOf(m_from[i]));
            if (bucket == toByKey.end()) {
                continue;
            }
            long best = -1;
            int32_t bestDistance = kFrequencyToleranceKHz + 1;
            bool tie = false;
            for (const size_t j : bucket->second) {
                const int32_t distance = std::abs(m_to[j].frequency - m_from[i].frequency);
                if (!ToFree(j) || distance > kFrequencyToleranceKHz) {
                    continue;
                }
                if (distance < bestDistance) {
                    best = static_cast<long>(j);
                    bestDistance = distance;
                    tie = false;
                } else if (distance == bestDistance) {
                    tie = true;
                }
            }
            if (best >= 0 && !tie) {
                Pair(i, static_cast<size_t>(best), MatchRule::Tuning);
            }
        }
    }

    // Channels of the same name and kind on one satellite pair up in list order. A
    // channel whose satellite is missing, or whose name is empty, has nothing else that
    // tells it apart: it pairs up with one just like it, so that a file's own export
    // finds every channel of the file again.
    void ByName() {
        std::map<NameKey, std::vector<size_t>> toByKey;
        for (size_t j = 0; j < m_to.size(); ++j) {
            if (ToFree(j)) {
                toByKey[NameKeyOf(m_to[j])].push_back(j);
            }
        }
        std::map<NameKey, size_t> used;
        for (size_t i = 0; i < m_from.size(); ++i) {
            if (!FromFree(i)) {
                continue;
            }
            const NameKey key = NameKeyOf(m_from[i]);
            const auto bucket = toByKey.find(key);
            size_t& next = used[key];
            if (bucket != toByKey.end() && next < bucket->second.size()) {
                Pair(i, bucket->second[next++], MatchRule::Name);
            }
        }
    }

    const std::vector<ChannelIdentity>& m_from;
    const std::vector<ChannelIdentity>& m_to;
    MatchResult m_result;
};

} // namespace

ChannelIdentity IdentityOf(const ChannelItem& item) {
    ChannelIdentity identity;
    identity.networkId = item.networkId;
    identity.tsId = item.tsId;
    identity.serviceId = item.record.pg_id;
    identity.satKnown = item.satKnown;
    identity.satPosition = item.satPosition;
    identity.frequency = item.frequency;
    identity.horizontal = item.pol != 0;
    // As the export and the list show it, so that a CSV row finds its channel.
    identity.name = storedtext::ShownUtf8(item.record.name);
    identity.radio = item.record.media_mode != 0;
    return identity;
}

std::vector<ChannelIdentity> IdentitiesOf(const ChannelSet& set) {
    std::vector<ChannelIdentity> identities;
    identities.reserve(set.channels.size());
    for (const ChannelItem& item : set.channels) {
        identities.push_back(IdentityOf(item));
    }
    return identities;
}

const char* RuleName(MatchRule rule) {
    static constexpr const char* kNames[kRuleCount] = {"ids", "tuning", "name"};
    return kNames[static_cast<size_t>(rule)];
}

const ChannelMatch* MatchResult::MatchOfFrom(size_t from) const {
    const auto found = std::lower_bound(matches.begin(), matches.end(), from,
                                        [](const ChannelMatch& m, size_t value) { return m.from < value; });
    return found != matches.end() && found->from == from ? &*found : nullptr;
}

MatchResult MatchChannels(const std::vector<ChannelIdentity>& from, const std::vector<ChannelIdentity>& to) {
    return CMatcher(from, to).Run();
}

std::vector<DuplicateSet> FindDuplicates(const std::vector<ChannelIdentity>& channels) {
    std::map<size_t, DuplicateSet> byFirst;
    std::map<IdKey, std::vector<size_t>> byIds;
    std::map<TuningKey, std::vector<size_t>> byTuning;
    for (size_t i = 0; i < channels.size(); ++i) {
        if (channels[i].HasIds()) {
            byIds[IdKeyOf(channels[i])].push_back(i);
        } else if (HasTuning(channels[i])) {
            byTuning[TuningKeyOf(channels[i])].push_back(i);
        }
    }
    for (auto& [key, members] : byIds) {
        if (members.size() > 1) {
            byFirst.emplace(members.front(), DuplicateSet{members, MatchRule::Ids});
        }
    }
    for (auto& [key, members] : byTuning) {
        // Each channel joins the first set whose first member is within the tolerance.
        std::vector<std::vector<size_t>> clusters;
        for (const size_t i : members) {
            auto near = std::find_if(clusters.begin(), clusters.end(), [&](const std::vector<size_t>& cluster) {
                return std::abs(channels[cluster.front()].frequency - channels[i].frequency) <= kFrequencyToleranceKHz;
            });
            if (near == clusters.end()) {
                clusters.push_back({i});
            } else {
                near->push_back(i);
            }
        }
        for (std::vector<size_t>& cluster : clusters) {
            if (cluster.size() > 1) {
                const size_t first = cluster.front();
                byFirst.emplace(first, DuplicateSet{std::move(cluster), MatchRule::Tuning});
            }
        }
    }
    std::vector<DuplicateSet> sets;
    for (auto& [first, set] : byFirst) {
        sets.push_back(std::move(set));
    }
    return sets;
}

} // namespace match
