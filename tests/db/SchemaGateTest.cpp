// The table layout check at open: every layout the editor would misread is refused
// with a sentence naming the table and column; the receiver's own layout, and extra
// columns after it, pass.
#include "DbTestSupport.h"

#include "db/SchemaGate.h"

namespace {

struct LayoutCase {
    const char* what;
    const char* sql; // run on a fresh fixture file
    const char* problem;
};

const LayoutCase kLayoutCases[] = {
    {"receiver's layout", "", ""},
    {"extra columns after the receiver's",
     "ALTER TABLE SATInfo ADD COLUMN extra INTEGER; ALTER TABLE LNBInfo ADD COLUMN x; ALTER TABLE ChannelInfo ADD "
     "COLUMN y",
     ""},
    {"names in another case", "ALTER TABLE SATInfo RENAME COLUMN posi_index TO POSI_INDEX", ""},
    {"unnamed LNB columns under other names", "ALTER TABLE LNBInfo RENAME COLUMN connection TO conn", ""},
    // Each of these crashed or misread the editor before the check existed.
    {"SATInfo without its last column", "ALTER TABLE SATInfo DROP COLUMN added",
     "The table SATInfo has 7 columns; the receiver's layout has 8, the column added is missing."},
    {"NITInfo without its last column", "ALTER TABLE NITInfo DROP COLUMN package_id",
     "The table NITInfo has 9 columns; the receiver's layout has 10, the column package_id is missing."},
    {"LNBInfo without its last column", "ALTER TABLE LNBInfo DROP COLUMN NIT_ID",
     "The table LNBInfo has 10 columns; the receiver's layout has 11."},
    {"ChannelInfo without its last column", "ALTER TABLE ChannelInfo DROP COLUMN SDT_ID",
     "The table ChannelInfo has 19 columns; the receiver's layout has 20, the column SDT_ID is missing."},
    {"SDTInfo without its last column", "ALTER TABLE SDTInfo DROP COLUMN provider_name",
     "The table SDTInfo has 1 column; the receiver's layout has 2, the column provider_name is missing."},
    {"FAVListInfo without its last column", "ALTER TABLE FAVListInfo DROP COLUMN valid",
     "The table FAVListInfo has 6 columns; the receiver's layout has 7."},
    {"OptionInfo without its last column", "ALTER TABLE OptionInfo DROP COLUMN banner_type",
     "The table OptionInfo has 23 columns; the receiver's layout has 24."},
    {"an extra column in front",
     "DROP TABLE SATInfo; CREATE TABLE SATInfo (extra INTEGER, SAT_ID INTEGER, Name TEXT, posi_index, "
     "posi_index_org, SAT_seq, position, position_org, added)",
     "The table SATInfo has the column extra where the receiver's layout has SAT_ID (column 1)."},
    {"two named columns exchanged",
     "ALTER TABLE ChannelInfo RENAME COLUMN tuner_id TO t; ALTER TABLE ChannelInfo "
     "RENAME COLUMN audio_mode TO tuner_id; ALTER TABLE ChannelInfo RENAME COLUMN t TO audio_mode",
     "The table ChannelInfo has the column audio_mode where the receiver's layout has tuner_id (column 14)."},
    {"a table dropped", "DROP TABLE FAVGRPInfo", "The table FAVGRPInfo is missing."},
    {"a channel-keyed table without ch_id", "DROP TABLE ScrambleInfo; CREATE TABLE ScrambleInfo (channel INTEGER)",
     "The table ScrambleInfo has no column ch_id."},
    {"a table that is a broken view", "DROP TABLE SDTInfo; CREATE VIEW SDTInfo AS SELECT * FROM nowhere",
     "The table SDTInfo is a view; the receiver stores it as a table."},
};

} // namespace

TEST_F(DbTest, TableLayoutCheckNamesTheTableAndColumn) {
    for (const LayoutCase& c : kLayoutCases) {
        const std::string path = TempPath("layout.dat");
        {
            fixtures::FixtureDb db(path);
            if (*c.sql != '\0') {
                db.Exec(c.sql);
            }
        }
        OpenDb(path);
        EXPECT_EQ(dbschema::CheckTableLayout(g_db), c.problem) << c.what;
        CloseDb();
    }
}
