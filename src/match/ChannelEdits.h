#pragma once
// The changes the matching commands make to the open database g_db, each in one
// transaction through CChannelDB, so a failure midway leaves the file as it was:
// taking a reference list's order (and favourites), and removing duplicates.
#include "ChannelMatcher.h"
#include "ChannelSet.h"

#include <string>
#include <vector>

namespace match {

// A reference list: an older receiver file or a CSV made by the export, reduced to
// what restoring an order needs. Entries are in the reference's channel order.
struct ReferenceList {
    std::vector<ChannelIdentity> identities;
    std::vector<int32_t> numbers;
    struct Group {
        std::string name;
        std::vector<size_t> members; // indices into identities, in entry order
    };
    std::vector<Group> groups; // in the reference's group order
};

ReferenceList ReferenceOf(const ChannelSet& set);

// The order a reference gives the current channels: matched ones in the reference's
// order and with its numbers (raised where needed to keep them ascending), then the
// unmatched ones in their current order, numbered on.
struct OrderPlan {
    MatchResult match;            // reference (from) against current (to)
    std::vector<size_t> order;    // current indices in the new order
    std::vector<int32_t> numbers; // the new channel number of each place
    bool Changes(const ChannelSet& current) const;
};
OrderPlan PlanOrder(const ReferenceList& reference, const ChannelSet& current);

// Ends a transaction with "ROLLBACK" unless it was committed.
class CEditTransaction {
public:
    explicit CEditTransaction(CChannelDB& db) : m_db(db), m_open(db.BeginTransaction() == 0) {}
    ~CEditTransaction() {
        if (m_open) {
            CChannelDB::Rollback();
        }
    }
    CEditTransaction(const CEditTransaction&) = delete;
    CEditTransaction& operator=(const CEditTransaction&) = delete;
    bool Open() const { return m_open; }
    bool Commit() {
        m_open = m_open && m_db.CommitTransaction() != 0;
        return !m_open;
    }

private:
    CChannelDB& m_db;
    bool m_open;
};

// Writes the plan's numbers of the channels whose number changes (nothing else of
// their rows), and with `withFavourites` replaces the favourite groups by the
// reference's, holding the matched channels. 0 or the failing code.
int ApplyOrder(CChannelDB& db, const ChannelSet& current, const OrderPlan& plan, const ReferenceList& reference,
               bool withFavourites);

// Writes the numbers of the plan that differ from the stored ones, in a caller's
// transaction.
int StoreNumbers(CChannelDB& db, const ChannelSet& current, const OrderPlan& plan);

// Of a set of duplicates the one to keep: the first in a favourite group, else the one
// with the lowest number (the earlier in the list on a tie).
size_t ChooseKeeper(const ChannelSet& set, const DuplicateSet& duplicates);
// Removes every duplicate but the keeper, each with its dependent rows. 0 or the code.
int RemoveDuplicates(CChannelDB& db, const ChannelSet& set, const std::vector<DuplicateSet>& duplicates);

// "12 Arte" as the reports name a channel.
std::string ChannelLabel(const ChannelRecord& channel);

// The report of an order plan: "matched by ids: N" per rule, "unmatched: N", then
// "unmatched 12 Arte" per current channel no reference channel matched.
std::vector<std::string> DescribeOrderPlan(const ChannelSet& current, const OrderPlan& plan);
// "same ids: [12 Arte], 40 Arte" with the keeper in brackets.
std::string DescribeDuplicates(const ChannelSet& set, const DuplicateSet& duplicates);

} // namespace match
