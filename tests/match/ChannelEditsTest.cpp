// Restoring an order from a reference file, and removing duplicates with their rows.
#include "match/ChannelEdits.h"
#include "MatchTestSupport.h"

#include <algorithm>
#include <filesystem>
#include <random>

TEST_F(MatchTest, ApplyOrderRestoresAShuffledFilesOrderExactly) {
    fixtures::WriteLargeDb(TempPath("ref.dat"), 600);
    std::filesystem::copy_file(TempPath("ref.dat"), TempPath("work.dat"));
    OpenDb(TempPath("ref.dat"));
    const std::map<int, int> original = Numbers();
    const match::ReferenceList reference = match::ReferenceOf(ReadOpen());

    OpenDb(TempPath("work.dat"));
    std::vector<int> orders;
    for (const auto& entry : original) {
        orders.push_back(entry.second);
    }
    std::shuffle(orders.begin(), orders.end(), std::mt19937(7));
    Sql("BEGIN");
    size_t next = 0;
    for (const auto& entry : original) {
        Sql("UPDATE ChannelInfo SET ch_order = " + std::to_string(orders[next++]) +
            " WHERE ch_id = " + std::to_string(entry.first));
    }
    Sql("COMMIT");
    ASSERT_NE(Numbers(), original);

    const match::ChannelSet current = ReadOpen();
    const match::OrderPlan plan = match::PlanOrder(reference, current);
    EXPECT_EQ(plan.match.counts[0], original.size());
    ASSERT_EQ(match::ApplyOrder(m_db, current, plan, reference, false), 0);
    EXPECT_EQ(Numbers(), original);
    EXPECT_FALSE(match::PlanOrder(reference, ReadOpen()).Changes(ReadOpen()));
}

TEST_F(MatchTest, ApplyOrderPutsUnmatchedChannelsLastAndTakesTheReferenceFavourites) {
    WriteOldFile(TempPath("old.dat"));
    WriteRescannedFile(TempPath("new.dat"));
    match::ChannelSet old;
    std::string error;
    ASSERT_TRUE(match::ReadChannelSetFromFile(TempPath("old.dat"), old, error));
    const match::ReferenceList reference = match::ReferenceOf(old);
    OpenDb(TempPath("new.dat"));
    const match::ChannelSet current = ReadOpen();
    const match::OrderPlan plan = match::PlanOrder(reference, current);
    ASSERT_EQ(match::ApplyOrder(m_db, current, plan, reference, true), 0);

    // Matched channels take the old numbers; "New One" follows them.
    EXPECT_EQ(Numbers(), (std::map<int, int>{{106, 1}, {105, 2}, {104, 3}, {103, 4}, {102, 6}, {101, 7}}));
    EXPECT_EQ(SqlText("SELECT group_concat(name, ',') FROM FAVGRPInfo"), "News");
    EXPECT_EQ(SqlText("SELECT group_concat(ch_id, ',') FROM (SELECT ch_id FROM FAVListInfo ORDER BY favlist_seq)"),
              "106,104");
}

TEST_F(MatchTest, DuplicatesRemoveKeepsTheFavouriteElseTheLowestNumberWithTheirRows) {
    WriteOldFile(TempPath("dup.dat"));
    OpenDb(TempPath("dup.dat"));
    // Two copies of "ZDF" (id 2), one of them in the favourites; two of "Rai 1" (id 4).
    Sql(fixtures::CopyChannelSql(2, 20, "ZDF", 9));
    Sql(fixtures::CopyChannelSql(4, 21, "Rai 1", 8));
    Sql("INSERT INTO FAVListInfo VALUES (1, 3, 'ZDF', 3, 20, 0, 1)");
    Sql("INSERT INTO ScheduleInfo VALUES (2, 0, 60, 'News')");
    Sql("INSERT INTO ScrambleInfo VALUES (21, 100, 1)");

    const match::ChannelSet set = ReadOpen();
    const auto sets = match::FindDuplicates(match::IdentitiesOf(set));
    ASSERT_EQ(sets.size(), 2u);
    ASSERT_EQ(match::RemoveDuplicates(m_db, set, sets), 0);
    const std::map<int, std::string> names = Names();
    EXPECT_EQ(names.count(2), 0u);  // number 2, but not in a group
    EXPECT_EQ(names.count(20), 1u); // number 9, in a group
    EXPECT_EQ(names.count(4), 1u);  // the lower number of the two
    EXPECT_EQ(names.count(21), 0u);
    EXPECT_EQ(SqlInt("SELECT count(*) FROM ScheduleInfo WHERE ch_id = 2"), 0);
    EXPECT_EQ(SqlInt("SELECT count(*) FROM ScrambleInfo WHERE ch_id = 21"), 0);
    EXPECT_EQ(SqlInt("SELECT count(*) FROM FAVListInfo WHERE ch_id = 20"), 1);
}

// A failure midway must leave every channel in place, not half the sets removed.
TEST_F(MatchTest, DuplicatesRemoveRollsBackWhenADeleteFails) {
    WriteOldFile(TempPath("dup.dat"));
    OpenDb(TempPath("dup.dat"));
    Sql(fixtures::CopyChannelSql(2, 20, "ZDF", 9));
    const match::ChannelSet set = ReadOpen();
    const auto sets = match::FindDuplicates(match::IdentitiesOf(set));
    Sql("DROP TABLE ScrambleInfo");
    EXPECT_LT(match::RemoveDuplicates(m_db, set, sets), 0);
    EXPECT_EQ(Names().size(), 7u);
}

// RemoveDuplicates cut ch_id -65534 to 2 and deleted the kept channel 2 instead.
TEST_F(MatchTest, DuplicatesRemoveNeverDeletesTheChannelAnIdBeyondSixteenBitsNames) {
    WriteOldFile(TempPath("dup.dat"));
    OpenDb(TempPath("dup.dat"));
    Sql(fixtures::CopyChannelSql(2, -65534, "ZDF", 9));
    const match::ChannelSet set = ReadOpen();
    const auto sets = match::FindDuplicates(match::IdentitiesOf(set));
    ASSERT_EQ(sets.size(), 1u);
    const auto before = Names();
    EXPECT_EQ(match::RemoveDuplicates(m_db, set, sets), kValueDoesNotFit);
    EXPECT_EQ(Names(), before);
}
