#include "ChannelEdits.h"

#include <algorithm>
#include <unordered_map>

namespace match {

ReferenceList ReferenceOf(const ChannelSet& set) {
    ReferenceList reference;
    reference.identities = IdentitiesOf(set);
    std::unordered_map<int32_t, size_t> indexById;
    for (size_t i = 0; i < set.channels.size(); ++i) {
        reference.numbers.push_back(set.channels[i].record.ch_order);
        indexById.emplace(set.channels[i].record.ch_id, i);
    }
    for (const FavGroupRecord& group : set.groups) {
        ReferenceList::Group copy{group.name, {}};
        for (const FavEntryRecord& entry : set.entries) {
            const auto channel = indexById.find(entry.ch_id);
            if (entry.favgrp_id == group.favgrp_id && channel != indexById.end()) {
                copy.members.push_back(channel->second);
            }
        }
        reference.groups.push_back(std::move(copy));
    }
    return reference;
}

bool OrderPlan::Changes(const ChannelSet& current) const {
    for (size_t place = 0; place < order.size(); ++place) {
        if (current.channels[order[place]].record.ch_order != numbers[place] || order[place] != place) {
            return true;
        }
    }
    return false;
}

OrderPlan PlanOrder(const ReferenceList& reference, const ChannelSet& current) {
    OrderPlan plan;
    plan.match = MatchChannels(reference.identities, IdentitiesOf(current));
    int32_t last = 0;
    // The reference list is in its own order, so its matches come in that order.
    std::vector<std::pair<int32_t, size_t>> matched;
    for (const ChannelMatch& m : plan.match.matches) {
        matched.emplace_back(reference.numbers[m.from], m.to);
    }
    std::stable_sort(matched.begin(), matched.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [number, to] : matched) {
        last = std::max(number, last + 1);
        plan.order.push_back(to);
        plan.numbers.push_back(last);
    }
    for (const size_t to : plan.match.unmatchedTo) {
        plan.order.push_back(to);
        plan.numbers.push_back(++last);
    }
    return plan;
}

int StoreNumbers(CChannelDB& db, const ChannelSet& current, const OrderPlan& plan) {
    for (size_t place = 0; place < plan.order.size(); ++place) {
        const ChannelRecord& record = current.channels[plan.order[place]].record;
        if (record.ch_order == plan.numbers[place]) {
            continue;
        }
        if (const int rc = db.UpdateChannelOrder(record.ch_id, plan.numbers[place]); rc != 0) {
            return rc;
        }
    }
    return 0;
}

namespace {

int ReplaceFavourites(CChannelDB& db, const ChannelSet& current, const OrderPlan& plan,
                      const ReferenceList& reference) {
    for (const FavGroupRecord& group : current.groups) {
        if (const int rc = db.DeleteFavGroup(group.favgrp_id); rc != 0) {
            return rc;
        }
    }
    for (const ReferenceList::Group& group : reference.groups) {
        const int groupId = db.InsertFavGroup(group.name.c_str());
        if (groupId < 0) {
            return groupId;
        }
        for (const size_t member : group.members) {
            const long to = plan.match.toOf[member];
            if (to < 0) {
                continue;
            }
            const int32_t chId = current.channels[static_cast<size_t>(to)].record.ch_id;
            if (const int rc = db.AddFavEntry(chId, groupId); rc < 0) {
                return rc;
            }
        }
    }
    return 0;
}

} // namespace

int ApplyOrder(CChannelDB& db, const ChannelSet& current, const OrderPlan& plan, const ReferenceList& reference,
               bool withFavourites) {
    CEditTransaction transaction(db);
    if (!transaction.Open()) {
        return -SQLITE_BUSY;
    }
    if (const int rc = StoreNumbers(db, current, plan); rc != 0) {
        return rc;
    }
    if (withFavourites) {
        if (const int rc = ReplaceFavourites(db, current, plan, reference); rc != 0) {
            return rc;
        }
    }
    return transaction.Commit() ? 0 : -SQLITE_BUSY;
}

size_t ChooseKeeper(const ChannelSet& set, const DuplicateSet& duplicates) {
    const auto better = [&set](size_t a, size_t b) {
        const ChannelItem& x = set.channels[a];
        const ChannelItem& y = set.channels[b];
        if (x.groups.empty() != y.groups.empty()) {
            return !x.groups.empty();
        }
        return x.record.ch_order != y.record.ch_order ? x.record.ch_order < y.record.ch_order : a < b;
    };
    return *std::min_element(duplicates.members.begin(), duplicates.members.end(), better);
}

int RemoveDuplicates(CChannelDB& db, const ChannelSet& set, const std::vector<DuplicateSet>& duplicates) {
    CEditTransaction transaction(db);
    if (!transaction.Open()) {
        return -SQLITE_BUSY;
    }
    for (const DuplicateSet& duplicate : duplicates) {
        const size_t keeper = ChooseKeeper(set, duplicate);
        for (const size_t member : duplicate.members) {
            if (member == keeper) {
                continue;
            }
            if (const int rc = db.DeleteChannel(set.channels[member].record.ch_id); rc != 0) {
                return rc;
            }
        }
    }
    return transaction.Commit() ? 0 : -SQLITE_BUSY;
}

std::string ChannelLabel(const ChannelRecord& channel) {
    return std::to_string(channel.ch_order) + " " + channel.name;
}

std::vector<std::string> DescribeOrderPlan(const ChannelSet& current, const OrderPlan& plan) {
    std::vector<std::string> lines;
    for (size_t rule = 0; rule < kRuleCount; ++rule) {
        lines.push_back(std::string("matched by ") + RuleName(static_cast<MatchRule>(rule)) + ": " +
                        std::to_string(plan.match.counts[rule]));
    }
    lines.push_back("unmatched: " + std::to_string(plan.match.unmatchedTo.size()));
    for (const size_t to : plan.match.unmatchedTo) {
        lines.push_back("unmatched " + ChannelLabel(current.channels[to].record));
    }
    return lines;
}

std::string DescribeDuplicates(const ChannelSet& set, const DuplicateSet& duplicates) {
    const size_t keeper = ChooseKeeper(set, duplicates);
    std::string line = std::string("same ") + RuleName(duplicates.rule) + ":";
    for (const size_t member : duplicates.members) {
        const std::string label = ChannelLabel(set.channels[member].record);
        line.append(member == duplicates.members.front() ? " " : ", ")
            .append(member == keeper ? "[" + label + "]" : label);
    }
    return line;
}

} // namespace match
