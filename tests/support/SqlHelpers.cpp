#include "SqlHelpers.h"

#include "db/ChannelDB.h"

namespace testsql {

bool Exec(const std::string& sql, std::string* error) {
    char* message = nullptr;
    const bool ok = sqlite3_exec(g_db, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK;
    if (error != nullptr) {
        *error = message != nullptr ? message : "";
    }
    sqlite3_free(message);
    return ok;
}

int QueryInt(const std::string& sql, int none) {
    dbutil::ResultTable table;
    if (table.Run(g_db, sql.c_str()) != SQLITE_OK || table.Rows() == 0) {
        return none;
    }
    return table.Int(0, 0);
}

std::string QueryText(const std::string& sql) {
    dbutil::ResultTable table;
    if (table.Run(g_db, sql.c_str()) != SQLITE_OK || table.Rows() == 0 || table.Value(0, 0) == nullptr) {
        return std::string();
    }
    return table.Value(0, 0);
}

std::vector<std::string> QueryColumn(const std::string& sql) {
    std::vector<std::string> values;
    dbutil::ResultTable table;
    if (table.Run(g_db, sql.c_str()) == SQLITE_OK) {
        for (int row = 0; row < table.Rows(); ++row) {
            values.emplace_back(table.Value(row, 0) != nullptr ? table.Value(row, 0) : "");
        }
    }
    return values;
}

} // namespace testsql
