// The fixture sets hold what tests, benchmarks and the demo rely on.
#include "DbTestSupport.h"

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
}

TEST_F(DbTest, LargeSetHasTheBenchmarkChannelCount) {
    const std::string path = TempPath("large.dat");
    fixtures::WriteLargeDb(path);
    OpenDb(path);
    ChannelRecord* list = nullptr;
    EXPECT_EQ(m_db.GetChannelList(&list), 19999);
    delete[] list;
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
