// The undo history over the working copy: steps taken around CChannelDB writes, undo
// and redo returning the file to exactly its earlier contents, the memory bound, and
// a restore that fails leaving the file as it was.
#include "db/UndoHistory.h"
#include "DbTestSupport.h"
#include "TableDump.h"

using fixtures::DumpTables;
using fixtures::FixtureDb;

class UndoHistoryTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        m_path = TempPath("u.dat");
        fixtures::WriteDemoDb(m_path);
        OpenDb(m_path);
        History().SetByteLimit(CUndoHistory::kDefaultByteLimit);
        History().Clear();
    }
    void TearDown() override {
        History().Clear();
        DbTest::TearDown();
    }
    static CUndoHistory& History() { return UndoHistory(); }

    // One command of three statements in a transaction.
    void RenameAllGroups(const std::string& prefix) {
        CUndoStep step("Rename groups");
        ASSERT_EQ(m_db.BeginTransaction(), 0);
        for (int group = 1; group <= 3; ++group) {
            ASSERT_EQ(m_db.RenameFavGroup((prefix + std::to_string(group)).c_str(), static_cast<uint16_t>(group)), 0);
        }
        ASSERT_EQ(m_db.CommitTransaction(), 0);
    }

    std::string m_path;
};

TEST_F(UndoHistoryTest, UndoAndRedoReturnTheFileToExactlyItsEarlierContents) {
    const std::string opened = DumpTables(g_db);
    RenameAllGroups("A");
    const std::string afterFirst = DumpTables(g_db);
    {
        CUndoStep step("Delete channel");
        ASSERT_EQ(m_db.DeleteChannel(1), 0);
    }
    const std::string afterSecond = DumpTables(g_db);
    ASSERT_NE(afterFirst, opened);
    ASSERT_NE(afterSecond, afterFirst);
    EXPECT_EQ(History().UndoCount(), 2u);
    EXPECT_EQ(History().UndoName(), "Delete channel");

    ASSERT_EQ(History().Undo(), 0);
    EXPECT_EQ(DumpTables(g_db), afterFirst);
    EXPECT_EQ(History().RedoName(), "Delete channel");
    ASSERT_EQ(History().Undo(), 0);
    EXPECT_EQ(DumpTables(g_db), opened);
    EXPECT_TRUE(History().AtSavedState());
    EXPECT_FALSE(History().CanUndo());

    ASSERT_EQ(History().Redo(), 0);
    EXPECT_EQ(DumpTables(g_db), afterFirst);
    EXPECT_FALSE(History().AtSavedState());
    ASSERT_EQ(History().Redo(), 0);
    EXPECT_EQ(DumpTables(g_db), afterSecond);
    EXPECT_FALSE(History().CanRedo());
    // The restore went into the file itself, not into a copy in memory.
    CloseDb();
    OpenDb(m_path);
    EXPECT_EQ(DumpTables(g_db), afterSecond);
}

TEST_F(UndoHistoryTest, OneCommandIsOneStepAndACommandWithoutWritesIsNone) {
    {
        CUndoStep outer("Outer");
        RenameAllGroups("B"); // a nested step joins the outer one
        outer.SetName("Renamed by the outer command");
        ASSERT_EQ(m_db.AddFavEntry(2, 1), 0);
    }
    {
        CUndoStep cancelled("Cancelled dialog");
        ChannelRecord channel{};
        ASSERT_GT(m_db.GetChannelInfo(1, channel), 0); // reads take no snapshot
    }
    EXPECT_EQ(History().UndoCount(), 1u);
    EXPECT_EQ(History().UndoName(), "Renamed by the outer command");
}

TEST_F(UndoHistoryTest, ANewCommandCutsTheRedoHistory) {
    RenameAllGroups("C");
    RenameAllGroups("D");
    ASSERT_EQ(History().Undo(), 0);
    ASSERT_TRUE(History().CanRedo());
    const std::string before = DumpTables(g_db);
    {
        CUndoStep step("Delete group");
        ASSERT_EQ(m_db.DeleteFavGroup(2), 0);
    }
    EXPECT_FALSE(History().CanRedo());
    ASSERT_EQ(History().Undo(), 0);
    EXPECT_EQ(DumpTables(g_db), before);
}

TEST_F(UndoHistoryTest, AWriteOutsideEveryStepGivesUpTheStepsBeforeIt) {
    RenameAllGroups("E");
    ASSERT_TRUE(History().CanUndo());
    ASSERT_EQ(m_db.RenameFavGroup("untracked", 1), 0);
    // Undoing the rename would silently take the untracked write back as well.
    EXPECT_FALSE(History().CanUndo());
    EXPECT_FALSE(History().AtSavedState());
    // The same with only a step to redo: redoing it would take the write back too.
    RenameAllGroups("E2");
    ASSERT_EQ(History().Undo(), 0);
    ASSERT_EQ(m_db.RenameFavGroup("untracked again", 1), 0);
    EXPECT_FALSE(History().CanRedo());
}

TEST_F(UndoHistoryTest, TheMemoryBoundDropsTheOldestStepsFirst) {
    CDbImage whole;
    ASSERT_EQ(whole.Take(g_db, nullptr), 0);
    for (int i = 0; i < 12; ++i) {
        RenameAllGroups(std::string("F").append(std::to_string(i)));
    }
    // Small edits share the unchanged chunks of the file.
    EXPECT_EQ(History().UndoCount(), 12u);
    EXPECT_LT(History().MemoryBytes(), 3 * whole.Bytes());

    History().SetByteLimit(History().MemoryBytes()); // exactly at the limit: every step stays
    EXPECT_EQ(History().UndoCount(), 12u);
    const size_t limit = History().MemoryBytes() / 2;
    History().SetByteLimit(limit);
    EXPECT_LE(History().MemoryBytes(), limit);
    ASSERT_GT(History().UndoCount(), 0u);
    ASSERT_LT(History().UndoCount(), 12u);
    // What is left is the newest steps: undoing all of them reaches the contents
    // after the first renames that were dropped, not the opened file.
    while (History().CanUndo()) {
        ASSERT_EQ(History().Undo(), 0);
    }
    const std::string oldestKept =
        std::string("F").append(std::to_string(11 - static_cast<int>(History().RedoCount())));
    EXPECT_EQ(SqlText("SELECT name FROM FAVGRPInfo WHERE FAVGRP_ID = 1"), oldestKept + "1");

    History().SetByteLimit(whole.Bytes() / 2); // not even one snapshot fits
    EXPECT_FALSE(History().CanUndo());
    EXPECT_FALSE(History().CanRedo());
    RenameAllGroups("G"); // a file larger than the history: the command runs, without a step
    EXPECT_EQ(SqlText("SELECT name FROM FAVGRPInfo WHERE FAVGRP_ID = 1"), "G1");
    EXPECT_FALSE(History().CanUndo());
}

TEST_F(UndoHistoryTest, AFailedRestoreLeavesTheFileAndTheHistoryAsTheyWere) {
    RenameAllGroups("G");
    const std::string before = DumpTables(g_db);
    // Another program reading the file holds a lock the restore cannot get past.
    sqlite3* reader = nullptr;
    ASSERT_EQ(sqlite3_open(m_path.c_str(), &reader), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(reader, "BEGIN; SELECT count(*) FROM ChannelInfo;", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_LT(History().Undo(), 0);
    sqlite3_exec(reader, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(reader);

    EXPECT_EQ(DumpTables(g_db), before);
    EXPECT_EQ(sqlite3_get_autocommit(g_db), 1);
    EXPECT_EQ(History().UndoCount(), 1u);
    EXPECT_FALSE(History().CanRedo());
    ASSERT_EQ(History().Undo(), 0);
    EXPECT_NE(DumpTables(g_db), before);
}

TEST_F(UndoHistoryTest, ClearForgetsEveryStep) {
    RenameAllGroups("H");
    ASSERT_EQ(History().Undo(), 0);
    RenameAllGroups("I");
    History().Clear();
    EXPECT_FALSE(History().CanUndo());
    EXPECT_FALSE(History().CanRedo());
    EXPECT_EQ(History().MemoryBytes(), 0u);
    EXPECT_TRUE(History().AtSavedState());
}
