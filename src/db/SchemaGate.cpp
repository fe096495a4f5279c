#include "SchemaGate.h"

#include "DbStatement.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace dbschema {

namespace {

// One table as the receiver stores it: its column names in stored order; a null name
// is a column that the layout leaves unnamed, which is only counted.
struct TableLayout {
    const char* table;
    std::initializer_list<const char*> columns;
};

const TableLayout kPositionalTables[] = {
    {"SATInfo", {"SAT_ID", "Name", "posi_index", "posi_index_org", "SAT_seq", "position", "position_org", "added"}},
    {"NITInfo",
     {"NIT_ID", "SAT_ID", "Symbol_Rate", "Frequency", "fec", "POL", "drift", "ts_id", "network_id", "package_id"}},
    {"LNBInfo",
     {"Tuner_ID", nullptr, "SAT_ID", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr}},
    {"ChannelInfo", {"ch_id",      "ch_seq",    "name",      "nit_id",  "pg_id",    "sat_id", "cas_type",
                     "media_mode", "video_pid", "audio_pid", "pcr_pid", "pmt_pid",  "pch_id", "tuner_id",
                     "audio_mode", "lock",      "hide",      "day",     "ch_order", "SDT_ID"}},
    {"SDTInfo", {"SDT_ID", "provider_name"}},
    {"FAVGRPInfo", {"FAVGRP_ID", "name", "FAVGRP_Seq"}},
    {"FAVListInfo", {"favgrp_id", "favlist_id", "Name", "favlist_seq", "ch_id", nullptr, nullptr}},
    {"OptionInfo",
     {"option_id", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
      nullptr,     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr}},
};

// Tables of which the editor only deletes a channel's rows, by name.
const char* const kChannelKeyedTables[] = {"ScheduleInfo", "ScrambleInfo"};

bool SameName(const char* a, const char* b) {
    return a != nullptr && b != nullptr && sqlite3_stricmp(a, b) == 0;
}

// The names of the schema's views, read once per check: every table is then looked up
// here rather than with a query of its own.
std::vector<std::string> ViewNames(sqlite3* db) {
    std::vector<std::string> views;
    dbutil::PreparedStatement statement;
    if (dbutil::Prepare(db, "SELECT name FROM sqlite_master WHERE type = 'view'", statement) == SQLITE_OK) {
        while (sqlite3_step(statement.get()) == SQLITE_ROW) {
            const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), 0));
            views.emplace_back(name != nullptr ? name : "");
        }
    }
    return views;
}

// Whether `views` names `table` (names compared as SQLite does).
bool IsView(const std::vector<std::string>& views, const char* table) {
    return std::any_of(views.begin(), views.end(),
                       [table](const std::string& view) { return SameName(view.c_str(), table); });
}

// The columns that "SELECT *" yields, as the editor's reads see them; preparing the
// statement reads the table's definition without reading any row.
std::string PrepareSelectAll(sqlite3* db, const std::vector<std::string>& views, const char* table,
                             dbutil::PreparedStatement& statement) {
    // The editor writes every table it reads, and never runs a view: a view in the
    // place of a table would only ever fail, or run a query of the file's own.
    if (IsView(views, table)) {
        return std::string("The table ") + table + " is a view; the receiver stores it as a table.";
    }
    const std::string sql = std::string("SELECT * FROM ") + table;
    if (dbutil::Prepare(db, sql.c_str(), statement) != SQLITE_OK || statement == nullptr) {
        const std::string error = sqlite3_errmsg(db);
        if (SameName(error.c_str(), ("no such table: " + std::string(table)).c_str())) {
            return std::string("The table ") + table + " is missing.";
        }
        return std::string("The table ") + table + " cannot be read: " + error + ".";
    }
    return {};
}

std::string CheckPositional(sqlite3* db, const std::vector<std::string>& views, const TableLayout& layout) {
    dbutil::PreparedStatement statement;
    if (std::string problem = PrepareSelectAll(db, views, layout.table, statement); !problem.empty()) {
        return problem;
    }
    const int count = sqlite3_column_count(statement.get());
    int place = 0;
    for (const char* expected : layout.columns) {
        if (place >= count) {
            std::string problem = std::string("The table ") + layout.table + " has " + std::to_string(count) +
                                  (count == 1 ? " column" : " columns") + "; the receiver's layout has " +
                                  std::to_string(layout.columns.size());
            if (expected != nullptr) {
                problem += std::string(", the column ") + expected + " is missing";
            }
            return problem + ".";
        }
        if (expected != nullptr) {
            const char* found = sqlite3_column_name(statement.get(), place);
            if (!SameName(found, expected)) {
                return std::string("The table ") + layout.table + " has the column " +
                       (found != nullptr ? found : "(unnamed)") + " where the receiver's layout has " + expected +
                       " (column " + std::to_string(place + 1) + ").";
            }
        }
        ++place;
    }
    return {};
}

std::string CheckHasChannelKey(sqlite3* db, const std::vector<std::string>& views, const char* table) {
    dbutil::PreparedStatement statement;
    if (std::string problem = PrepareSelectAll(db, views, table, statement); !problem.empty()) {
        return problem;
    }
    const int count = sqlite3_column_count(statement.get());
    for (int place = 0; place < count; ++place) {
        if (SameName(sqlite3_column_name(statement.get(), place), "ch_id")) {
            return {};
        }
    }
    return std::string("The table ") + table + " has no column ch_id.";
}

} // namespace

std::string CheckTableLayout(sqlite3* db) {
    if (db == nullptr) {
        return "No database is open.";
    }
    const std::vector<std::string> views = ViewNames(db);
    for (const TableLayout& layout : kPositionalTables) {
        if (std::string problem = CheckPositional(db, views, layout); !problem.empty()) {
            return problem;
        }
    }
    for (const char* table : kChannelKeyedTables) {
        if (std::string problem = CheckHasChannelKey(db, views, table); !problem.empty()) {
            return problem;
        }
    }
    return {};
}

} // namespace dbschema
