#include "ReadBack.h"

#include "db/DbStatement.h"
#include "db/ReceiverConnection.h"
#include "userfile/ReadOnlyDb.h"

#include <sqlite3.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

namespace transfer {

namespace {

using Statement = dbutil::PreparedStatement;

bool SameBytes(const std::string& a, const std::string& b) {
    std::ifstream left(a, std::ios::binary);
    std::ifstream right(b, std::ios::binary);
    if (!left || !right) {
        return false;
    }
    return std::equal(std::istreambuf_iterator<char>(left), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(right), std::istreambuf_iterator<char>());
}

Statement Prepare(sqlite3* db, const std::string& sql) {
    Statement statement;
    dbutil::Prepare(db, sql.c_str(), statement);
    return statement;
}

std::string Quote(const std::string& name) {
    std::string quoted = "\"";
    for (const char c : name) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

// The tables and their definitions, by name. Empty with `ok` false when unreadable.
std::vector<std::pair<std::string, std::string>> Tables(sqlite3* db, bool& ok) {
    std::vector<std::pair<std::string, std::string>> tables;
    Statement statement =
        Prepare(db, "SELECT name, coalesce(sql, '') FROM sqlite_master WHERE type = 'table' ORDER BY name");
    ok = statement != nullptr;
    int rc = SQLITE_ROW;
    while (statement && (rc = sqlite3_step(statement.get())) == SQLITE_ROW) {
        tables.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), 0)),
                            reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), 1)));
    }
    ok = ok && rc == SQLITE_DONE;
    return tables;
}

// One row as its rowid and each value with its storage class.
struct Row {
    int64_t rowid = 0;
    std::vector<std::pair<int, std::string>> values;
    bool operator==(const Row&) const = default;
};

bool Step(sqlite3_stmt* statement, Row& row, bool& failed) {
    const int rc = sqlite3_step(statement);
    if (rc != SQLITE_ROW) {
        failed = rc != SQLITE_DONE;
        return false;
    }
    row.rowid = sqlite3_column_int64(statement, 0);
    row.values.clear();
    for (int col = 1; col < sqlite3_column_count(statement); ++col) {
        const int type = sqlite3_column_type(statement, col);
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, col));
        row.values.emplace_back(type,
                                type == SQLITE_NULL || bytes == nullptr
                                    ? std::string()
                                    : std::string(bytes, static_cast<size_t>(sqlite3_column_bytes(statement, col))));
    }
    return true;
}

ReadBackOutcome Differs(const std::string& table, int64_t row, std::string detail) {
    return {ReadBackOutcome::Kind::Differs, table, row, std::move(detail)};
}

// The first row of `table` that differs, or nothing (Kind::SameRows).
ReadBackOutcome CompareTable(sqlite3* sent, sqlite3* read, const std::string& table) {
    const std::string sql = "SELECT rowid, * FROM " + Quote(table) + " ORDER BY rowid";
    const Statement left = Prepare(sent, sql);
    const Statement right = Prepare(read, sql);
    if (!left || !right) {
        return Differs(table, 0, "the table cannot be read");
    }
    Row a;
    Row b;
    bool failed = false;
    for (;;) {
        const bool hasA = Step(left.get(), a, failed);
        const bool hasB = Step(right.get(), b, failed);
        if (failed) {
            return Differs(table, 0, "the table cannot be read");
        }
        if (!hasA && !hasB) {
            return {ReadBackOutcome::Kind::SameRows, {}, 0, {}};
        }
        if (!hasB) {
            return Differs(table, a.rowid, "the row is missing");
        }
        if (!hasA) {
            return Differs(table, b.rowid, "the row was not sent");
        }
        if (a.rowid != b.rowid) {
            const bool missing = a.rowid < b.rowid;
            return Differs(table, missing ? a.rowid : b.rowid, missing ? "the row is missing" : "the row was not sent");
        }
        if (!(a == b)) {
            return Differs(table, a.rowid, "the row holds other values");
        }
    }
}

} // namespace

ReadBackOutcome CompareDatabases(const std::string& sentPath, const std::string& readPath) {
    if (SameBytes(sentPath, readPath)) {
        return {ReadBackOutcome::Kind::Identical, {}, 0, {}};
    }
    // Read-only: the comparison never writes to either file, and runs none of their
    // triggers or views.
    CReadOnlyDb sent;
    CReadOnlyDb read;
    bool sentOk = false;
    bool readOk = false;
    const auto sentTables =
        sent.Open(sentPath, nullptr) == SQLITE_OK ? Tables(sent.Handle(), sentOk) : decltype(Tables(nullptr, sentOk)){};
    const auto readTables =
        read.Open(readPath, nullptr) == SQLITE_OK ? Tables(read.Handle(), readOk) : decltype(Tables(nullptr, readOk)){};
    if (!sentOk || !readOk) {
        // The read-back is a temporary file, gone when the user reads this: it is named by what it holds.
        return {ReadBackOutcome::Kind::Unreadable,
                {},
                0,
                (sentOk ? std::string("the list read back from the receiver") : sentPath) +
                    " does not open as a database"};
    }
    for (std::size_t i = 0; i < std::max(sentTables.size(), readTables.size()); ++i) {
        if (i >= readTables.size() || (i < sentTables.size() && sentTables[i].first < readTables[i].first)) {
            return Differs(sentTables[i].first, 0, "the table is missing");
        }
        if (i >= sentTables.size() || sentTables[i].first != readTables[i].first) {
            return Differs(readTables[i].first, 0, "the table was not sent");
        }
        if (sentTables[i].second != readTables[i].second) {
            return Differs(sentTables[i].first, 0, "the table has another definition");
        }
    }
    for (const auto& table : sentTables) {
        if (ReadBackOutcome outcome = CompareTable(sent.Handle(), read.Handle(), table.first);
            outcome.kind != ReadBackOutcome::Kind::SameRows) {
            return outcome;
        }
    }
    return {ReadBackOutcome::Kind::SameRows, {}, 0, {}};
}

std::string DescribeReadBack(const ReadBackOutcome& outcome) {
    switch (outcome.kind) {
    case ReadBackOutcome::Kind::Identical:
        return "identical";
    case ReadBackOutcome::Kind::SameRows:
        return "same rows in every table (the receiver stored the file in its own way)";
    case ReadBackOutcome::Kind::Differs:
        return "differs in table " + outcome.table +
               (outcome.row != 0 ? ", row " + std::to_string(outcome.row) : std::string()) + ": " + outcome.detail;
    case ReadBackOutcome::Kind::Unreadable:
        break;
    }
    return "not comparable: " + outcome.detail;
}

} // namespace transfer
