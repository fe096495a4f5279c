#include "DbTestSupport.h"

#include "SqlHelpers.h"

#include <filesystem>
#include <random>

namespace {
void Collect(const char* line) {
    DbTest::Diagnostics().push_back(line);
}
} // namespace

std::vector<std::string>& DbTest::Diagnostics() {
    static std::vector<std::string> lines;
    return lines;
}

void DbTest::SetUp() {
    std::random_device random;
    m_dir = (std::filesystem::temp_directory_path() / ("orvane-dbtest-" + std::to_string(random()))).string();
    std::filesystem::create_directories(m_dir);
    Diagnostics().clear();
    SetDbDiagnosticSink(&Collect);
}

void DbTest::TearDown() {
    CloseDb();
    SetDbDiagnosticSink(nullptr);
    std::filesystem::remove_all(m_dir);
}

void DbTest::OpenDb(const std::string& path) {
    CloseDb();
    ASSERT_EQ(sqlite3_open(path.c_str(), &g_db), SQLITE_OK);
}

void DbTest::CloseDb() {
    if (g_db != nullptr) {
        sqlite3_close(g_db);
        g_db = nullptr;
    }
}

std::string DbTest::TempPath(const std::string& name) const {
    return m_dir + "/" + name;
}

void DbTest::Sql(const std::string& sql) {
    std::string error;
    ASSERT_TRUE(testsql::Exec(sql, &error)) << error << sql;
}

int DbTest::SqlInt(const std::string& sql) {
    dbutil::ResultTable table;
    EXPECT_EQ(table.Run(g_db, sql.c_str()), SQLITE_OK) << sql;
    return table.Rows() > 0 ? table.Int(0, 0) : -999999;
}

std::string DbTest::SqlText(const std::string& sql) {
    dbutil::ResultTable table;
    EXPECT_EQ(table.Run(g_db, sql.c_str()), SQLITE_OK) << sql;
    return table.Rows() > 0 && table.Value(0, 0) != nullptr ? table.Value(0, 0) : "";
}
