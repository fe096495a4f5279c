// The connection conventions: schema check, transactions, diagnostics and the
// shared reading helpers.
#include "DbTestSupport.h"

#include "db/ReceiverConnection.h"

#include <fstream>
#include <memory>

using fixtures::FixtureDb;
using fixtures::SchemaOptions;

namespace {
std::string Joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const auto& line : lines) {
        all += line;
    }
    return all;
}
} // namespace

class SchemaCheck : public DbTest {
protected:
    int CheckFile(const SchemaOptions& schema) {
        const std::string path = TempPath("check.dat");
        { FixtureDb db(path, schema); }
        OpenDb(path);
        return m_db.CheckSchemaRevision();
    }
};

TEST_F(SchemaCheck, AcceptsTheOneRevision) {
    EXPECT_EQ(CheckFile({}), 0);
    EXPECT_TRUE(Diagnostics().empty());
}

TEST_F(SchemaCheck, RefusesARevisionRowTwiceWithTheCounts) {
    SchemaOptions schema;
    schema.revisionRows = 2;
    EXPECT_EQ(CheckFile(schema), 1);
    EXPECT_EQ(Joined(Diagnostics()), "unexpected row., col. number.(2,1)\n");
}

TEST_F(SchemaCheck, RefusesNoRevisionRow) {
    SchemaOptions schema;
    schema.revisionRows = 0;
    EXPECT_EQ(CheckFile(schema), 1);
    EXPECT_EQ(Joined(Diagnostics()), "unexpected row., col. number.(0,0)\n");
}

TEST_F(SchemaCheck, RefusesAFileWithoutOptionsTable) {
    SchemaOptions schema;
    schema.withOptionsTable = false;
    EXPECT_EQ(CheckFile(schema), 1);
    EXPECT_EQ(Joined(Diagnostics()), "sqlite3 error : 1\n");
}

TEST_F(SchemaCheck, RefusesRevisionsDifferingInCaseOrSpacing) {
    for (const char* revision : {"$revision: 1.9 $", "$Revision: 1.9$", "$Revision:  1.9 $", "$Revision: 1.8 $"}) {
        Diagnostics().clear();
        SchemaOptions schema;
        schema.revision = revision;
        EXPECT_NE(CheckFile(schema), 0) << revision;
        EXPECT_EQ(Joined(Diagnostics()),
                  std::string("\"") + revision + "\" is not mine.\nexpecting \"$Revision: 1.9 $\".\n");
    }
}

TEST_F(SchemaCheck, RefusesAFileThatIsNoDatabase) {
    const std::string path = TempPath("text.dat");
    std::ofstream(path) << "this is a text file, not a receiver database, and it is long enough to matter\n";
    OpenDb(path);
    EXPECT_EQ(m_db.CheckSchemaRevision(), 1);
    ASSERT_EQ(Diagnostics().size(), 1u);
    EXPECT_EQ(Diagnostics()[0], "sqlite3 error : 26\n");
}

TEST_F(DbTest, LongDiagnosticIsCutAtItsBuffer) {
    const std::string longText(600, 'x');
    m_db.LogDbError("\"%s\" is not mine.\n", longText.c_str());
    ASSERT_EQ(Diagnostics().size(), 1u);
    EXPECT_EQ(Diagnostics()[0].size(), 255u);
    EXPECT_EQ(Diagnostics()[0], "\"" + std::string(254, 'x'));
}

TEST_F(DbTest, TransactionsReportSqliteCodes) {
    const std::string path = TempPath("tx.dat");
    { FixtureDb db(path); }
    OpenDb(path);
    EXPECT_EQ(m_db.BeginTransaction(), 0);
    // SQLite transactions do not nest.
    EXPECT_EQ(m_db.BeginTransaction(), -SQLITE_ERROR);
    EXPECT_EQ(m_db.CommitTransaction(), 0);
    EXPECT_EQ(m_db.CommitTransaction(), -SQLITE_ERROR);
    EXPECT_EQ(Joined(Diagnostics()), "sqlite3 error : 1\nsqlite3 error : 1\n");
}

TEST(DbReading, IntegersFollowAtoiWithoutOverflow) {
    EXPECT_EQ(dbutil::ReadInt(nullptr), 0);
    EXPECT_EQ(dbutil::ReadInt(""), 0);
    EXPECT_EQ(dbutil::ReadInt("  -42xyz"), -42);
    EXPECT_EQ(dbutil::ReadInt("+7"), 7);
    EXPECT_EQ(dbutil::ReadInt("abc"), 0);
    EXPECT_EQ(dbutil::ReadInt("12.9"), 12);
    // Past 32 bits the low 32 bits are kept instead of undefined behaviour.
    EXPECT_EQ(dbutil::ReadInt("4294967297"), 1);
}

TEST(DbReading, TextIsCutAndTerminated) {
    char buffer[16];
    dbutil::CopyFixedText(buffer, "an overlong satellite name");
    EXPECT_STREQ(buffer, "an overlong sat");
    dbutil::CopyFixedText(buffer, nullptr);
    EXPECT_STREQ(buffer, "");
    for (char c : buffer) {
        EXPECT_EQ(c, '\0');
    }
}

// The result table reads as sqlite3_get_table did: texts by position, NULL as a null
// pointer, several statements into one table, and errors leaving no rows behind.
TEST(DbReading, ResultTableKeepsTheTableShape) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE t (a INTEGER, b TEXT); INSERT INTO t VALUES (7, 'x'), (NULL, 'it''s');",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    dbutil::ResultTable table;
    ASSERT_EQ(table.Run(db, "SELECT a, b FROM t ORDER BY rowid"), SQLITE_OK);
    EXPECT_EQ(table.Rows(), 2);
    EXPECT_EQ(table.Cols(), 2);
    EXPECT_STREQ(table.Value(0, 0), "7");
    EXPECT_EQ(table.Value(1, 0), nullptr);
    EXPECT_EQ(table.Int(1, 0), 0);
    EXPECT_STREQ(table.Value(1, 1), "it's");
    // A read by position past the row's columns or the last row read another
    // row's value or past the block.
    EXPECT_EQ(table.Value(0, 2), nullptr);
    EXPECT_EQ(table.Value(2, 0), nullptr);
    EXPECT_EQ(table.Value(-1, 0), nullptr);
    EXPECT_EQ(table.Int(1, 7), 0);
    // Stored integers are kept as numbers: their texts and values must be those of the texts.
    ASSERT_EQ(table.Run(db, "SELECT -9223372036854775808, 2147483648, -5, 12.9"), SQLITE_OK);
    EXPECT_STREQ(table.Value(0, 0), "-9223372036854775808");
    EXPECT_EQ(table.Int(0, 1), dbutil::ReadInt("2147483648"));
    EXPECT_EQ(table.Int(0, 2), -5);
    EXPECT_EQ(table.Int(0, 3), 12);

    ASSERT_EQ(table.Run(db, "SELECT a FROM t WHERE a = 7; SELECT 8;  "), SQLITE_OK);
    EXPECT_EQ(table.Rows(), 2);
    EXPECT_STREQ(table.FirstValue(), "7");
    EXPECT_STREQ(table.Value(1, 0), "8");

    ASSERT_EQ(table.Run(db, "SELECT a FROM t WHERE a = 99"), SQLITE_OK);
    EXPECT_EQ(table.Rows(), 0);
    EXPECT_EQ(table.FirstValue(), nullptr);

    EXPECT_EQ(table.Run(db, "SELECT a FROM t; SELECT 1, 2"), SQLITE_ERROR);
    EXPECT_EQ(table.Rows(), 0);
    EXPECT_EQ(table.Run(db, "SELECT nothing FROM nowhere"), SQLITE_ERROR);
    EXPECT_EQ(table.Rows(), 0);
    sqlite3_close(db);
}

// A file can make a read endless or its values huge; the guarded connection stops both.
TEST_F(DbTest, AGuardedConnectionStopsLongStatementsAndHugeValues) {
    const std::string path = TempPath("guarded.dat");
    { FixtureDb db(path); }
    sqlite3* raw = nullptr;
    ASSERT_EQ(dbconn::Open(path.c_str(), SQLITE_OPEN_READWRITE, &raw), SQLITE_OK);
    const std::unique_ptr<sqlite3, int (*)(sqlite3*)> db(raw, &sqlite3_close);
    dbconn::SetStatementMilliseconds(50);
    dbutil::ResultTable table;
    const int rc = table.Run(raw, "WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n) SELECT count(*) "
                                  "FROM options, n");
    dbconn::SetStatementMilliseconds(dbconn::kDefaultStatementMilliseconds);
    EXPECT_EQ(rc, SQLITE_INTERRUPT);
    EXPECT_EQ(dbconn::StoppedStatementText(raw),
              "the table options took too long to read, so reading it was stopped after 1 second");
    EXPECT_EQ(table.Run(raw, "SELECT hex(zeroblob(600000))"), SQLITE_TOOBIG);
    EXPECT_EQ(table.Run(raw, "SELECT length(hex(zeroblob(50000))) FROM options"), SQLITE_OK);
    EXPECT_EQ(dbconn::StoppedStatementText(raw), "");
}
