// Channels brought over from a rescan into the older file: which rows they join,
// which are added, and what is refused before anything is written.
#include "match/ChannelMerge.h"
#include "MatchTestSupport.h"
#include "match/ChannelCompare.h"

namespace {

struct MergeCase {
    const char* what;
    const char* otherSql;   // run on the rescan before it is read
    const char* currentSql; // run on the old file
    int firstNumber;
    size_t sats, nits, providers; // rows the plan adds
    const char* clash;            // the start of the one clash's reason, "" for none
};

const MergeCase kCases[] = {
    {"same position, frequency and polarity, same provider name", "", "", 0, 0, 0, 0, ""},
    {"a drift of 2 MHz keeps the file's transponder", "UPDATE NITInfo SET frequency = 11496000 WHERE NIT_ID = 21", "",
     0, 0, 0, 0, ""},
    {"a drift past 2 MHz adds a transponder", "UPDATE NITInfo SET frequency = 11496001 WHERE NIT_ID = 21", "", 0, 0, 1,
     0, ""},
    {"the other polarity adds a transponder", "UPDATE NITInfo SET pol = 0 WHERE NIT_ID = 21", "", 0, 0, 1, 0, ""},
    {"a position the file lacks adds a satellite and its transponder",
     "INSERT INTO SATInfo VALUES (9, 'Thor', 0, 0, 3, -8, -8, 0); INSERT INTO NITInfo VALUES (24, 9, 28000, 10872000, "
     "3, 1, 0, 7, 70, 0); UPDATE ChannelInfo SET sat_id = 9, nit_id = 24 WHERE ch_id = 101",
     "", 0, 1, 1, 0, ""},
    {"an unknown provider name adds a provider", "UPDATE SDTInfo SET provider_name = 'ZDFvision'", "", 0, 0, 0, 1, ""},
    {"numbered from 2, the others move up", "", "", 2, 0, 0, 0, ""},
    {"a name used on the satellite", "UPDATE ChannelInfo SET name = 'arte' WHERE ch_id = 101", "", 0, 0, 0, 0,
     "the name is used"},
    {"every id below 20000 taken", "",
     "WITH RECURSIVE n(i) AS (SELECT 7 UNION ALL SELECT i + 1 FROM n WHERE i < 19999) INSERT INTO ChannelInfo "
     "SELECT i, 0, 'x' || i, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, i, 0 FROM n",
     0, 0, 0, 0, "no free channel id"},
    {"a name the record cannot hold", "UPDATE ChannelInfo SET name = 'New One Channel XL' WHERE ch_id = 101", "", 0, 0,
     0, 0, "a value the receiver's record cannot hold (name New One Channel XL)"},
};

} // namespace

class ChannelMergeTest : public MatchTest, public ::testing::WithParamInterface<MergeCase> {};

TEST_P(ChannelMergeTest, NewChannelsOfARescanJoinTheOldFile) {
    const MergeCase& c = GetParam();
    WriteRescannedFile(TempPath("new.dat"));
    OpenDb(TempPath("new.dat"));
    Sql(std::string("BEGIN;") + c.otherSql + ";COMMIT");
    WriteOldFile(TempPath("old.dat"));
    OpenDb(TempPath("old.dat"));
    Sql(std::string("BEGIN;") + c.currentSql + ";COMMIT");

    match::MergeFile current;
    match::MergeFile other;
    std::string error;
    ASSERT_EQ(match::ReadMergeFile(m_db, current), 0);
    ASSERT_TRUE(match::ReadMergeFileFromPath(TempPath("new.dat"), other, error)) << error;
    const std::vector<size_t> fresh = match::NewChannels(current.set, other.set);
    ASSERT_EQ(fresh.size(), 1u); // "New One": the others match by ids, tuning or name
    const match::MergePlan plan = match::PlanMerge(current, other, fresh, c.firstNumber);
    EXPECT_EQ(plan.sats.size(), c.sats);
    EXPECT_EQ(plan.nits.size(), c.nits);
    EXPECT_EQ(plan.providers.size(), c.providers);
    if (*c.clash != '\0') {
        ASSERT_EQ(plan.clashes.size(), 1u);
        EXPECT_EQ(plan.clashes[0].rfind("clash: 1 ", 0), 0u) << plan.clashes[0];
        EXPECT_NE(plan.clashes[0].find(std::string(": ") + c.clash), std::string::npos) << plan.clashes[0];
        EXPECT_TRUE(plan.channels.empty());
        return;
    }
    const int before = SqlInt("SELECT count(*) FROM ChannelInfo");
    ASSERT_EQ(match::ApplyMerge(m_db, plan), 0);
    EXPECT_EQ(SqlInt("SELECT count(*) FROM ChannelInfo"), before + 1);
    // Every row the new channel points at exists, and it is numbered where asked.
    EXPECT_EQ(
        SqlInt("SELECT count(*) FROM ChannelInfo c JOIN NITInfo n ON n.NIT_ID = c.nit_id JOIN SATInfo s ON "
               "s.SAT_ID = c.sat_id AND s.SAT_ID = n.SAT_ID JOIN SDTInfo p ON p.SDT_ID = c.SDT_ID WHERE c.ch_id = 7"),
        1);
    EXPECT_EQ(SqlInt("SELECT ch_order FROM ChannelInfo WHERE ch_id = 7"), c.firstNumber > 0 ? c.firstNumber : 7);
    EXPECT_EQ(SqlInt("SELECT count(DISTINCT ch_order) FROM ChannelInfo"), before + 1);
    // Against the rescan nothing is missing any more.
    EXPECT_EQ(match::CompareSets(ReadOpen(), other.set).counts[0], 0u);
}

INSTANTIATE_TEST_SUITE_P(Cases, ChannelMergeTest, ::testing::ValuesIn(kCases));
