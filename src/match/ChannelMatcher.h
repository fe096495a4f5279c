#pragma once
// Which channel of one list is which channel of another (an older file, a rescanned
// one, a CSV). Three rules, tried in this order on the channels still unmatched:
//   ids     - network id, transport stream id and service id, when all are given
//             and the triple is unique in both lists;
//   tuning  - satellite position, polarity and service id, frequency within 2 MHz;
//   name    - name and kind (TV or radio) on the same satellite.
// Every match names the rule that made it. Plain C++, no database access.
#include "ChannelSet.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace match {

// What identifies a channel across files.
struct ChannelIdentity {
    int32_t networkId = 0;
    int32_t tsId = 0;
    int32_t serviceId = 0;
    bool satKnown = false;
    int32_t satPosition = 0; // tenths of a degree
    int32_t frequency = 0;   // kHz
    bool horizontal = false;
    std::string name;
    bool radio = false;

    // Network and stream ids are missing when both read 0 (a NULL column reads so), and
    // a service id of 0 is no service.
    bool HasIds() const { return serviceId != 0 && (networkId != 0 || tsId != 0); }
};

ChannelIdentity IdentityOf(const ChannelItem& item);
std::vector<ChannelIdentity> IdentitiesOf(const ChannelSet& set);

enum class MatchRule { Ids = 0, Tuning = 1, Name = 2 };
inline constexpr size_t kRuleCount = 3;
// "ids", "tuning" or "name".
const char* RuleName(MatchRule rule);

// Frequencies of one transponder may drift this far between scans.
inline constexpr int32_t kFrequencyToleranceKHz = 2000;

struct ChannelMatch {
    size_t from; // index into the first list
    size_t to;   // index into the second list
    MatchRule rule;
};

struct MatchResult {
    std::vector<ChannelMatch> matches;       // in the first list's order
    std::vector<size_t> unmatchedFrom;       // ascending
    std::vector<size_t> unmatchedTo;         // ascending
    std::vector<long> toOf;                  // per first-list index: its match, or -1
    std::vector<long> fromOf;                // per second-list index: its match, or -1
    std::array<size_t, kRuleCount> counts{}; // matches per rule

    const ChannelMatch* MatchOfFrom(size_t from) const;
};

MatchResult MatchChannels(const std::vector<ChannelIdentity>& from, const std::vector<ChannelIdentity>& to);

// Within one list: sets of channels that are the same channel by the first two rules
// (same ids; or, without ids, same satellite, polarity and service id with
// frequencies within 2 MHz of the set's first member). Each set holds at least two
// indices, ascending; sets come in the order of their first member.
struct DuplicateSet {
    std::vector<size_t> members;
    MatchRule rule;
};
std::vector<DuplicateSet> FindDuplicates(const std::vector<ChannelIdentity>& channels);

} // namespace match
