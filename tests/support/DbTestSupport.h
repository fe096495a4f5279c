#pragma once
// Shared set-up of the database tests: a fresh fixture file in a temporary folder,
// opened as g_db, and the diagnostics composed while a test runs.
#include "FixtureBuilder.h"
#include "db/ChannelDB.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class DbTest : public ::testing::Test {
public:
    static std::vector<std::string>& Diagnostics();

protected:
    void SetUp() override;
    void TearDown() override;

    // Opens `path` as g_db (closing any open one).
    void OpenDb(const std::string& path);
    void CloseDb();
    // Path of a new file in this test's folder.
    std::string TempPath(const std::string& name) const;
    // Runs SQL on g_db outside the layer, to arrange or inspect rows.
    void Sql(const std::string& sql);
    // The single integer the query yields.
    int SqlInt(const std::string& sql);
    std::string SqlText(const std::string& sql);

    CChannelDB m_db;
    std::string m_dir;
};
