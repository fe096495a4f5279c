#include "ChannelCompare.h"

#include "ChannelCsv.h"
#include "ChannelEdits.h"

#include <string_view>

namespace match {

const char* ChangeKindName(ChangeKind kind) {
    static const char* const names[kChangeKindCount] = {"added", "removed", "moved", "renamed"};
    return names[static_cast<size_t>(kind)];
}

Comparison CompareSets(const ChannelSet& first, const ChannelSet& second) {
    const MatchResult result = MatchChannels(IdentitiesOf(first), IdentitiesOf(second));
    Comparison comparison;
    const auto add = [&comparison](ChannelChange change) {
        ++comparison.counts[static_cast<size_t>(change.kind)];
        comparison.changes.push_back(change);
    };
    for (const size_t i : result.unmatchedFrom) {
        add({ChangeKind::Removed, static_cast<long>(i), -1});
    }
    for (const size_t j : result.unmatchedTo) {
        add({ChangeKind::Added, -1, static_cast<long>(j)});
    }
    for (const ChannelMatch& m : result.matches) {
        const ChannelRecord& x = first.channels[m.from].record;
        const ChannelRecord& y = second.channels[m.to].record;
        if (x.ch_order != y.ch_order) {
            add({ChangeKind::Moved, static_cast<long>(m.from), static_cast<long>(m.to), true, m.rule});
        }
        if (std::string_view(x.name) != y.name) {
            add({ChangeKind::Renamed, static_cast<long>(m.from), static_cast<long>(m.to), true, m.rule});
        }
    }
    return comparison;
}

std::string DescribeChange(const ChannelSet& first, const ChannelSet& second, const ChannelChange& change) {
    const std::string rule = change.hasRule ? std::string(" (") + RuleName(change.rule) + ")" : std::string();
    switch (change.kind) {
    case ChangeKind::Removed:
        return "removed " + ChannelLabel(first.channels[static_cast<size_t>(change.from)].record);
    case ChangeKind::Added:
        return "added " + ChannelLabel(second.channels[static_cast<size_t>(change.to)].record);
    case ChangeKind::Moved:
        return "moved " + ChannelLabel(first.channels[static_cast<size_t>(change.from)].record) + " -> " +
               std::to_string(second.channels[static_cast<size_t>(change.to)].record.ch_order) + rule;
    case ChangeKind::Renamed:
        return "renamed " + ChannelLabel(first.channels[static_cast<size_t>(change.from)].record) + " -> " +
               NameText(second.channels[static_cast<size_t>(change.to)].record.name) + rule;
    }
    return {};
}

std::string DescribeCounts(const Comparison& comparison) {
    return std::to_string(comparison.counts[0]) + " added, " + std::to_string(comparison.counts[1]) + " removed, " +
           std::to_string(comparison.counts[2]) + " moved, " + std::to_string(comparison.counts[3]) + " renamed";
}

} // namespace match
