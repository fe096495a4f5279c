// What the table operations do when SQLite refuses a statement midway: which
// transaction is ended, what stays stored, and which diagnostic line is composed.
#include "DbTestSupport.h"

#include <cstring>
#include <memory>

class FailurePaths : public DbTest {
protected:
    // Satellite 1 with transponders 1 and 2, channels 5 and 6 on them with favourite,
    // schedule and scramble rows; satellite 2 with transponder 3 and channel 7.
    void SetUp() override {
        DbTest::SetUp();
        const std::string path = TempPath("f.dat");
        fixtures::WriteCascadeDb(path);
        OpenDb(path);
    }

    // Every value of every table the cascades touch, in one text.
    std::string Snapshot() {
        std::string all;
        for (const char* table :
             {"SATInfo", "NITInfo", "LNBInfo", "ChannelInfo", "ScheduleInfo", "ScrambleInfo", "FAVListInfo"}) {
            dbutil::ResultTable rows;
            EXPECT_EQ(rows.Run(g_db, (std::string("SELECT * FROM ") + table + " ORDER BY rowid").c_str()), SQLITE_OK);
            all += std::string(table) + ":";
            for (int r = 0; r < rows.Rows(); ++r) {
                for (int c = 0; c < rows.Cols(); ++c) {
                    all += std::string(rows.Value(r, c) != nullptr ? rows.Value(r, c) : "NULL") + ",";
                }
                all += ";";
            }
            all += "\n";
        }
        return all;
    }

    void Block(const char* table) {
        Sql(std::string("CREATE TRIGGER block BEFORE DELETE ON ") + table +
            " BEGIN SELECT RAISE(ABORT, 'blocked'); END");
    }

    bool InTransaction() { return sqlite3_get_autocommit(g_db) == 0; }
};

// Regression: a cascade that failed midway returned with its transaction open and
// the rows deleted so far still pending.
TEST_F(FailurePaths, DeleteSatFailingAtItsLnbRowsUndoesTheSatelliteAndTransponders) {
    Block("LNBInfo");
    const std::string before = Snapshot();
    EXPECT_EQ(m_db.DeleteSat(1), -SQLITE_CONSTRAINT);
    EXPECT_FALSE(InTransaction());
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(Diagnostics(), std::vector<std::string>{"sqlite3 error : 19\n"});
    // The next statement is not swallowed by a forgotten transaction.
    Sql("DROP TRIGGER block");
    ASSERT_EQ(m_db.DeleteSat(1), 0);
    EXPECT_EQ(SqlInt("SELECT count(*) FROM ChannelInfo"), 1);
}

// Regression: a failing channel delete inside DeleteSat was skipped and the delete
// reported success with that channel's rows left behind.
TEST_F(FailurePaths, DeleteSatFailingInAChannelUndoesEverything) {
    Block("FAVListInfo");
    const std::string before = Snapshot();
    EXPECT_LT(m_db.DeleteSat(1), 0);
    EXPECT_FALSE(InTransaction());
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(FailurePaths, DeleteNitFailuresComposeNoLineOfTheirOwn) {
    Block("NITInfo");
    const std::string before = Snapshot();
    EXPECT_EQ(m_db.DeleteNit(1), -SQLITE_CONSTRAINT);
    EXPECT_FALSE(InTransaction());
    EXPECT_TRUE(Diagnostics().empty());
    Sql("DROP TRIGGER block");

    // A channel delete failing: -1, and only DeleteChannel's own line.
    Block("ScheduleInfo");
    EXPECT_EQ(m_db.DeleteNit(1), -1);
    EXPECT_FALSE(InTransaction());
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(Diagnostics(), std::vector<std::string>{"sqlite3 error : 19\n"});
}

TEST_F(FailurePaths, DeleteChannelStopsAtTheFirstRefusalWithoutATransaction) {
    Block("ScrambleInfo");
    EXPECT_EQ(m_db.DeleteChannel(6), -SQLITE_CONSTRAINT);
    // No transaction of its own: the earlier deletes stay for the caller to keep or roll back.
    EXPECT_EQ(SqlInt("SELECT count(*) FROM ChannelInfo WHERE ch_id = 6"), 0);
    EXPECT_EQ(SqlInt("SELECT count(*) FROM ScheduleInfo WHERE ch_id = 6"), 0);
    EXPECT_EQ(SqlInt("SELECT count(*) FROM ScrambleInfo WHERE ch_id = 6"), 1);
}

TEST_F(FailurePaths, DeleteFavGroupRemovesOnlyItsOwnEntries) {
    Sql("INSERT INTO FAVGRPInfo VALUES (2, 'Sport', 2)");
    Sql("INSERT INTO FAVListInfo VALUES (2, 3, 'ZDF', 3, 6, 0, 1)");
    ASSERT_EQ(m_db.DeleteFavGroup(1), 0);
    EXPECT_EQ(SqlText("SELECT group_concat(FAVGRP_ID) FROM FAVGRPInfo"), "2");
    EXPECT_EQ(SqlText("SELECT group_concat(favlist_id) FROM FAVListInfo"), "3");
}

TEST_F(FailurePaths, TransponderWritesUseTheirOwnDiagnostics) {
    Sql("CREATE TRIGGER block_update BEFORE UPDATE ON NITInfo BEGIN SELECT RAISE(ABORT, 'x'); END");
    Sql("CREATE TRIGGER block_insert BEFORE INSERT ON NITInfo BEGIN SELECT RAISE(ABORT, 'x'); END");
    NitRecord nit{};
    EXPECT_EQ(m_db.UpdateNitInfo(1, nit), -SQLITE_CONSTRAINT);
    EXPECT_EQ(m_db.InsertNitInfo(nit), -SQLITE_CONSTRAINT);
    EXPECT_EQ(nit.nit_id, 4); // the id was read before the insert failed
    EXPECT_EQ(Diagnostics(), (std::vector<std::string>{"sqlite3 error: 19\n", "sqlite3 error (19)\n"}));
}

TEST_F(FailurePaths, SwapsThatMeetAnUnknownIdChangeNothing) {
    const std::string before = SqlText("SELECT group_concat(favlist_id || '@' || favlist_seq) FROM FAVListInfo");
    EXPECT_EQ(m_db.MoveFavEntry(1, 99), -SQLITE_NOTFOUND);
    EXPECT_EQ(SqlText("SELECT group_concat(favlist_id || '@' || favlist_seq) FROM FAVListInfo"), before);
    EXPECT_EQ(m_db.SwapFavGroupSeq(99, 1), -SQLITE_NOTFOUND);
    EXPECT_EQ(SqlInt("SELECT FAVGRP_Seq FROM FAVGRPInfo WHERE FAVGRP_ID = 1"), 1);
    EXPECT_TRUE(Diagnostics().empty());
}

// Regression: the id after 19999 was stored and the channel vanished from the list.
TEST_F(FailurePaths, ChannelIdsFromTwentyThousandAreRefusedWithAFullCode) {
    ChannelRecord c{};
    std::strcpy(c.name, "New");
    for (int id : {20000, 25000}) {
        c.ch_id = id;
        EXPECT_EQ(m_db.InsertChannelInfo(c), -SQLITE_FULL) << id;
    }
    EXPECT_EQ(SqlInt("SELECT count(*) FROM ChannelInfo WHERE ch_id >= 20000"), 0);
    EXPECT_EQ(Diagnostics(), (std::vector<std::string>{"sqlite3 error : 13\n", "sqlite3 error : 13\n"}));
}

TEST_F(FailurePaths, ReadsCutTextsAndKeepTheRecordWidths) {
    Sql("UPDATE ChannelInfo SET name = 'Twenty characters!!!', tuner_id = 65537 WHERE ch_id = 5");
    Sql("UPDATE FAVGRPInfo SET FAVGRP_Seq = 300, name = NULL");
    ChannelRecord channel;
    ASSERT_EQ(m_db.GetChannelInfo(5, channel), 1);
    EXPECT_STREQ(channel.name, "Twenty characte");
    EXPECT_EQ(channel.tuner_id, 1);
    FavGroupRecord* groups = nullptr;
    ASSERT_EQ(m_db.GetFavGroupList(&groups), 1);
    std::unique_ptr<FavGroupRecord[]> owned(groups);
    EXPECT_STREQ(groups[0].name, "");
    EXPECT_EQ(groups[0].favgrp_seq, 44); // an 8-bit field keeps the low 8 bits
}
