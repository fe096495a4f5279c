// The fixture sets hold what tests, benchmarks and the demo rely on.
#include "DbTestSupport.h"

#include <filesystem>
#include <memory>

TEST_F(DbTest, DemoSetHasEveryKindOfRow) {
    const std::string path = TempPath("demo.dat");
    fixtures::WriteDemoDb(path);
    OpenDb(path);
    EXPECT_EQ(SqlText("PRAGMA integrity_check"), "ok");
    EXPECT_EQ(m_db.CheckSchemaRevision(), 0);
    EXPECT_GE(SqlInt("SELECT count(*) FROM SATInfo WHERE position < 0"), 2);
    EXPECT_GE(SqlInt("SELECT count(*) FROM SATInfo WHERE position > 0"), 2);
    EXPECT_GE(SqlInt("SELECT count(*) FROM ChannelInfo WHERE ch_id < 20000"), 200);
    EXPECT_GE(SqlInt("SELECT count(*) FROM ChannelInfo WHERE ch_id >= 20000"), 1);
    for (const char* kind : {"media_mode <> 0", "media_mode = 0", "lock <> 0", "cas_type <> 0", "hide <> 0"}) {
        EXPECT_GT(SqlInt(std::string("SELECT count(*) FROM ChannelInfo WHERE ") + kind), 0) << kind;
    }
    EXPECT_GE(SqlInt("SELECT count(DISTINCT SDT_ID) FROM ChannelInfo"), 3);
    EXPECT_GT(SqlInt("SELECT count(*) FROM FAVListInfo"), 0);
    EXPECT_EQ(SqlInt("SELECT count(DISTINCT Tuner_ID) FROM LNBInfo"), 2);
    EXPECT_EQ(SqlInt("SELECT count(*) FROM OptionInfo WHERE option_id IN (0, 1)"), 2);
    // Every channel points at a transponder and satellite that exist.
    EXPECT_EQ(SqlInt("SELECT count(*) FROM ChannelInfo c LEFT JOIN NITInfo n ON c.nit_id = n.NIT_ID "
                     "WHERE n.NIT_ID IS NULL OR n.SAT_ID <> c.sat_id"),
              0);
    // Names the quoting must survive, and an order that is not the id order.
    EXPECT_GT(SqlInt("SELECT count(*) FROM ChannelInfo WHERE instr(name, '''') > 0"), 0);
    EXPECT_GT(SqlInt("SELECT count(*) FROM SDTInfo WHERE instr(provider_name, '''') > 0"), 0);
    EXPECT_GT(SqlInt("SELECT count(*) FROM FAVGRPInfo WHERE instr(name, '''') > 0"), 0);
    EXPECT_GT(SqlInt("SELECT count(*) FROM ChannelInfo WHERE ch_order <> ch_id"), 0);
    EXPECT_EQ(SqlInt("SELECT max(length(name)) <= 15 FROM ChannelInfo"), 1);
    // Rows kept for a channel, favourites and LNB slots all point at real rows.
    EXPECT_EQ(SqlInt("SELECT count(*) FROM FAVListInfo f LEFT JOIN ChannelInfo c ON c.ch_id = f.ch_id "
                     "WHERE c.name IS NOT f.Name"),
              0);
    EXPECT_EQ(SqlInt("SELECT count(*) FROM FAVListInfo f LEFT JOIN FAVGRPInfo g ON g.FAVGRP_ID = f.favgrp_id "
                     "WHERE g.FAVGRP_ID IS NULL"),
              0);
    EXPECT_EQ(SqlInt("SELECT count(*) FROM (SELECT ch_id FROM ScheduleInfo UNION ALL SELECT ch_id FROM ScrambleInfo) "
                     "WHERE ch_id NOT IN (SELECT ch_id FROM ChannelInfo)"),
              0);
    EXPECT_GT(SqlInt("SELECT count(*) FROM ScheduleInfo"), 0);
    EXPECT_GT(SqlInt("SELECT count(*) FROM ScrambleInfo"), 0);
    EXPECT_EQ(SqlInt("SELECT count(*) FROM LNBInfo l LEFT JOIN NITInfo n ON n.NIT_ID = l.NIT_ID "
                     "WHERE n.SAT_ID IS NOT l.SAT_ID"),
              0);
    ChannelRecord* list = nullptr;
    const int rows = m_db.GetChannelList(&list);
    std::unique_ptr<ChannelRecord[]> owned(list);
    ASSERT_GT(rows, 0);
    EXPECT_STREQ(list[0].name, "Das Erste");
}

TEST_F(DbTest, LargeSetHasTheBenchmarkChannelCount) {
    const std::string path = TempPath("large.dat");
    fixtures::WriteLargeDb(path);
    OpenDb(path);
    ChannelRecord* list = nullptr;
    ASSERT_EQ(m_db.GetChannelList(&list), 19999);
    std::unique_ptr<ChannelRecord[]> owned(list);
    for (int i = 0; i < 19999; ++i) {
        ASSERT_EQ(list[i].ch_order, i + 1) << "every place 1..19999 exactly once";
    }
    EXPECT_GT(SqlInt("SELECT count(*) FROM ChannelInfo WHERE ch_order <> ch_id"), 0);
    EXPECT_EQ(m_db.GetNewChannelId(), 20000);
}

TEST_F(DbTest, EmptySetPassesTheSchemaCheck) {
    const std::string path = TempPath("empty.dat");
    fixtures::WriteEmptyDb(path);
    OpenDb(path);
    EXPECT_EQ(m_db.CheckSchemaRevision(), 0);
    SatRecord* list = nullptr;
    EXPECT_EQ(m_db.GetSatList(&list), 0);
    EXPECT_EQ(list, nullptr);
    EXPECT_EQ(m_db.GetNewSatId(), 1);
}

// Every named set the tests ask for by name is a file the editor opens.
class NamedFixtureSet : public DbTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(NamedFixtureSet, PassesTheSchemaCheck) {
    const std::string path = TempPath("set.dat");
    ASSERT_TRUE(fixtures::WriteFixtureSet(GetParam(), path));
    OpenDb(path);
    EXPECT_EQ(SqlText("PRAGMA integrity_check"), "ok");
    EXPECT_EQ(m_db.CheckSchemaRevision(), 0);
}

INSTANTIATE_TEST_SUITE_P(Sets, NamedFixtureSet, ::testing::Values("demo", "empty", "tables", "cascade"));

TEST_F(DbTest, UnknownSetNameWritesNoFile) {
    const std::string path = TempPath("none.dat");
    EXPECT_FALSE(fixtures::WriteFixtureSet("tabels", path));
    EXPECT_FALSE(std::filesystem::exists(path));
}
