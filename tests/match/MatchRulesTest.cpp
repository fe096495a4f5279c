// The three identity rules on a file and its rescan, and duplicates within one file.
#include "MatchTestSupport.h"
#include "match/ChannelMatcher.h"

using match::MatchRule;

namespace {

struct Expected {
    const char* oldName;
    const char* newName; // nullptr: gone
    const char* rule;
};

} // namespace

TEST_F(MatchTest, RescanMatchesEachChannelByTheFirstRuleThatHolds) {
    match::ChannelSet before;
    match::ChannelSet after;
    std::string error;
    WriteOldFile(TempPath("old.dat"));
    WriteRescannedFile(TempPath("new.dat"));
    ASSERT_TRUE(match::ReadChannelSetFromFile(TempPath("old.dat"), before, error)) << error;
    ASSERT_TRUE(match::ReadChannelSetFromFile(TempPath("new.dat"), after, error)) << error;
    EXPECT_EQ(g_db, nullptr);

    const match::MatchResult result = match::MatchChannels(IdentitiesOf(before), IdentitiesOf(after));
    const Expected table[] = {
        {"Das Erste", "Das Erste", "ids"}, // same ids on an unchanged transponder
        {"ZDF", "ZDF HD", "ids"},          // renamed
        {"arte", "arte", "tuning"},        // new stream id, frequency drifted by 1 MHz
        {"Rai 1", "Rai 1", "name"},        // ids gone and a new service id
        {"Old Shop", nullptr, ""},         // gone
        {"Radio X", "Radio X", "name"},    // new service id and no ids
    };
    for (const Expected& row : table) {
        SCOPED_TRACE(row.oldName);
        size_t from = 0;
        while (std::string(before.channels[from].record.name) != row.oldName) {
            ++from;
        }
        const match::ChannelMatch* m = result.MatchOfFrom(from);
        if (row.newName == nullptr) {
            EXPECT_EQ(m, nullptr);
            continue;
        }
        ASSERT_NE(m, nullptr);
        EXPECT_STREQ(after.channels[m->to].record.name, row.newName);
        EXPECT_STREQ(match::RuleName(m->rule), row.rule);
    }
    EXPECT_EQ(result.counts, (std::array<size_t, 3>{2, 1, 2}));
    ASSERT_EQ(result.unmatchedTo.size(), 1u);
    EXPECT_STREQ(after.channels[result.unmatchedTo[0]].record.name, "New One");
}

TEST(MatchRules, AmbiguousIdsAndFrequenciesFallThroughToTheNextRule) {
    match::ChannelIdentity a;
    a.networkId = 1;
    a.tsId = 2;
    a.serviceId = 3;
    a.satKnown = true;
    a.satPosition = 192;
    a.frequency = 11000000;
    a.name = "One";
    match::ChannelIdentity b = a;
    b.name = "Two";
    // Both old channels share their ids, as do both new ones: the ids say nothing.
    match::ChannelIdentity b2 = b;
    b2.frequency += 1000;
    match::ChannelIdentity a2 = a;
    a2.frequency += 1000;
    const auto result = match::MatchChannels({a, b2}, {b, a2});
    ASSERT_EQ(result.matches.size(), 2u);
    EXPECT_EQ(result.matches[0].to, 0u);
    EXPECT_EQ(result.matches[1].to, 1u);
    EXPECT_EQ(result.counts[static_cast<size_t>(MatchRule::Tuning)], 2u);

    // Two new transponders 1 MHz either side: a tie, left to the name rule.
    match::ChannelIdentity below = a;
    below.networkId = 0;
    below.tsId = 0;
    below.frequency -= 1000;
    match::ChannelIdentity above = below;
    above.frequency += 2000;
    above.name = "Other";
    const auto tie = match::MatchChannels({a}, {above, below});
    ASSERT_EQ(tie.matches.size(), 1u);
    EXPECT_EQ(tie.matches[0].to, 1u);
    EXPECT_EQ(tie.matches[0].rule, MatchRule::Name);

    // Ids one list holds twice pair with nothing, whichever list it is.
    EXPECT_EQ(match::MatchChannels({a, b}, {a}).counts[static_cast<size_t>(MatchRule::Ids)], 0u);
    EXPECT_EQ(match::MatchChannels({a}, {a, b}).counts[static_cast<size_t>(MatchRule::Ids)], 0u);
    // Exactly at the tolerance a frequency still matches, one kHz beyond it no longer.
    match::ChannelIdentity far = below;
    far.name = "Far";
    for (const int32_t beyond : {0, 1}) {
        far.frequency = a.frequency + match::kFrequencyToleranceKHz + beyond;
        EXPECT_EQ(match::MatchChannels({a}, {far}).matches.size(), beyond == 0 ? 1u : 0u) << beyond;
    }
}

TEST(MatchRules, DuplicatesGroupSameIdsAndNearbyTuningOnly) {
    match::ChannelIdentity base;
    base.serviceId = 10;
    base.satKnown = true;
    base.satPosition = 130;
    base.frequency = 11000000;
    std::vector<match::ChannelIdentity> list(6, base);
    list[0].networkId = list[2].networkId = 5; // same ids: a set by the first rule
    list[1].frequency += 1500;                 // no ids, 1.5 MHz from list[3]: one set by tuning
    list[4].frequency += 4000;                 // more than 2 MHz from that set's first member
    list[5].horizontal = true;                 // other polarity
    const auto sets = match::FindDuplicates(list);
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0].members, (std::vector<size_t>{0, 2}));
    EXPECT_EQ(sets[0].rule, MatchRule::Ids);
    EXPECT_EQ(sets[1].members, (std::vector<size_t>{1, 3}));
    EXPECT_EQ(sets[1].rule, MatchRule::Tuning);
}
