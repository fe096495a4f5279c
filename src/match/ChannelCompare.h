#pragma once
// What changed between two receiver files, channel by channel: the channels the
// second file adds, those it no longer holds, and the matched ones it numbers or
// names otherwise, each with the rule that matched it. `orvane-cli diff` prints it and
// the editor's Compare with File window lists it, so both count alike.
#include "ChannelMatcher.h"
#include "ChannelSet.h"

#include <array>
#include <string>
#include <vector>

namespace match {

enum class ChangeKind { Added = 0, Removed = 1, Moved = 2, Renamed = 3 };
inline constexpr size_t kChangeKindCount = 4;
// "added", "removed", "moved" or "renamed".
const char* ChangeKindName(ChangeKind kind);

struct ChannelChange {
    ChangeKind kind;
    long from = -1; // index into the first file's channels, or -1 (added)
    long to = -1;   // index into the second file's channels, or -1 (removed)
    bool hasRule = false;
    MatchRule rule = MatchRule::Ids;
};

struct Comparison {
    // Removed ones in the first file's order, added ones in the second's, then the
    // matched ones in the first file's order, a channel both moved and renamed twice.
    std::vector<ChannelChange> changes;
    std::array<size_t, kChangeKindCount> counts{};
};

Comparison CompareSets(const ChannelSet& first, const ChannelSet& second);

// The line `diff` prints for one change: "moved 12 Arte -> 40 (tuning)".
std::string DescribeChange(const ChannelSet& first, const ChannelSet& second, const ChannelChange& change);
// "1 added, 2 removed, 3 moved, 0 renamed"
std::string DescribeCounts(const Comparison& comparison);

} // namespace match
