// Checks that the stored values of rows fit the receiver's fixed-width record fields
// before a command writes those rows back from their records.
#include "ChannelDB.h"

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using ColumnRange = CChannelDB::ColumnRange;
constexpr ColumnRange kInt32{INT32_MIN, INT32_MAX};
constexpr ColumnRange kInt16{INT16_MIN, INT16_MAX};
constexpr ColumnRange kUint16{0, UINT16_MAX};
constexpr ColumnRange kUint8{0, UINT8_MAX};
// A name field of 16 bytes holds 15 and the closing NUL; a longer stored name would
// be written back cut.
constexpr ColumnRange kName{0, 15, true};

const ColumnRange kSatColumns[] = {kInt32, kName, kInt32, kInt32, kInt32, kInt32, kInt32, kInt32};
const ColumnRange kNitColumns[] = {kInt32, kInt32, kInt32, kInt32, kInt32, kInt32, kInt32, kInt32, kInt32, kInt32};
const ColumnRange kLnbColumns[] = {kUint8, kUint8, kUint16, kUint16, kUint16, kUint8,
                                   kUint8, kUint8, kUint8,  kUint8,  kUint16};
const ColumnRange kChannelColumns[] = {kInt32, kInt32, kName,  kInt32, kInt32, kInt32, kInt32, kInt32, kInt32, kInt32,
                                       kInt32, kInt32, kInt32, kInt16, kInt16, kInt32, kInt32, kInt32, kInt32, kInt32};

// True when `text` is a whole decimal integer within `range`, or a text no longer
// than the range allows, as the record field holds it and writes it back unchanged.
// NULL reads and writes as 0 or an empty text and passes.
bool Fits(const char* text, ColumnRange range) {
    if (range.low > range.high || text == nullptr) {
        return true;
    }
    if (range.text) {
        return static_cast<int64_t>(std::strlen(text)) <= range.high;
    }
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text, &end, 10);
    return errno == 0 && end != text && *end == '\0' && value >= range.low && value <= range.high;
}

// A stored text may be any length; the message shows its start.
std::string Shortened(const char* value) {
    constexpr size_t kShown = 40;
    const std::string text(value);
    if (text.size() <= kShown) {
        return text;
    }
    size_t cut = kShown;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut; // not inside a UTF-8 character
    }
    return text.substr(0, cut) + "...";
}

// Steps through the rows of `rows` and finds the first value outside its column's
// range; the SQLite result code, with `what` naming the value ("tuner_id 70000") or
// left empty. A stored integer is compared as a number; any other value is read as
// the text the record field would be filled from. Nothing is kept of the rows read:
// the check of every listed channel once cost more than the command it guarded.
int FindUnfitValue(sqlite3_stmt* rows, std::span<const ColumnRange> ranges, std::string& what) {
    const int cols = std::min(sqlite3_column_count(rows), static_cast<int>(ranges.size()));
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(rows)) == SQLITE_ROW) {
        for (int col = 0; col < cols; ++col) {
            const ColumnRange range = ranges[static_cast<size_t>(col)];
            const int type = sqlite3_column_type(rows, col);
            if (range.low > range.high || type == SQLITE_NULL) {
                continue;
            }
            if (type == SQLITE_INTEGER && !range.text) {
                const sqlite3_int64 value = sqlite3_column_int64(rows, col);
                if (value >= range.low && value <= range.high) {
                    continue;
                }
            }
            const char* value = reinterpret_cast<const char*>(sqlite3_column_text(rows, col));
            if (!Fits(value, range)) {
                const char* name = sqlite3_column_name(rows, col);
                what = std::string(name != nullptr ? name : "?") + " " + Shortened(value);
                return SQLITE_OK;
            }
        }
    }
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

// The SQL function row_surely_fits(ranges, value, ...): 1 when every value is NULL,
// an integer in its range or a text short enough, else 0 (the row may still fit,
// and FindUnfitValue reads it). It lets SQLite pass over fitting rows without
// handing out each of their values: the check of 5,000 rows took longer than the
// write it guarded. The ranges come as a pointer bound to the statement, which SQL
// text can neither make nor read.
constexpr const char* kRangesPointer = "orvane-column-ranges";

void RowSurelyFits(sqlite3_context* context, int argc, sqlite3_value** argv) {
    const auto* ranges = static_cast<const std::span<const ColumnRange>*>(
        argc > 0 ? sqlite3_value_pointer(argv[0], kRangesPointer) : nullptr);
    bool sure = ranges != nullptr;
    for (int arg = 1; sure && arg < argc && static_cast<size_t>(arg - 1) < ranges->size(); ++arg) {
        const ColumnRange range = (*ranges)[static_cast<size_t>(arg - 1)];
        sqlite3_value* value = argv[arg];
        switch (range.low > range.high ? SQLITE_NULL : sqlite3_value_type(value)) {
        case SQLITE_NULL:
            break;
        case SQLITE_INTEGER:
            sure = !range.text && sqlite3_value_int64(value) >= range.low && sqlite3_value_int64(value) <= range.high;
            break;
        case SQLITE_TEXT:
            sure = range.text && sqlite3_value_bytes(value) <= range.high;
            break;
        default:
            sure = false;
            break;
        }
    }
    sqlite3_result_int(context, sure ? 1 : 0);
}

// The rows of `sql` that may hold an unfit value, ready to step; `sql` itself, all
// of its rows, when the narrowed query cannot be made.
int PrepareRowsToCheck(const char* sql, const std::span<const ColumnRange>& ranges,
                       dbutil::PreparedStatement& statement) {
    if (const int rc = dbutil::Prepare(g_db, sql, statement); rc != SQLITE_OK || statement == nullptr) {
        return rc;
    }
    const int cols = std::min(sqlite3_column_count(statement.get()), static_cast<int>(ranges.size()));
    std::string narrowed = std::string("SELECT * FROM (") + sql + ") WHERE NOT row_surely_fits(?1";
    for (int col = 0; col < cols; ++col) {
        const char* name = sqlite3_column_name(statement.get(), col);
        if (name == nullptr) {
            return SQLITE_OK;
        }
        narrowed += ", \"";
        for (const char* c = name; *c != '\0'; ++c) {
            narrowed.append(*c == '"' ? 2 : 1, *c);
        }
        narrowed += '"';
    }
    narrowed += ")";
    // Registered once per connection, the first time a check needs it.
    dbutil::PreparedStatement narrowedStatement;
    if (dbutil::Prepare(g_db, narrowed.c_str(), narrowedStatement) != SQLITE_OK) {
        sqlite3_create_function_v2(g_db, "row_surely_fits", -1, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_DIRECTONLY,
                                   nullptr, RowSurelyFits, nullptr, nullptr, nullptr);
        dbutil::Prepare(g_db, narrowed.c_str(), narrowedStatement);
    }
    if (narrowedStatement != nullptr &&
        sqlite3_bind_pointer(narrowedStatement.get(), 1, const_cast<std::span<const ColumnRange>*>(&ranges),
                             kRangesPointer, nullptr) == SQLITE_OK) {
        statement = std::move(narrowedStatement);
    }
    return SQLITE_OK;
}

} // namespace

int CChannelDB::CheckRowsFit(const char* sql, std::span<const ColumnRange> ranges) {
    std::string what;
    dbutil::PreparedStatement rows;
    int rc = PrepareRowsToCheck(sql, ranges, rows);
    if (rc == SQLITE_OK && rows != nullptr) {
        rc = FindUnfitValue(rows.get(), ranges, what);
    }
    if (rc != SQLITE_OK) {
        LogDbError(kSqliteError, rc);
        return -rc;
    }
    return what.empty() ? 0 : RefuseUnfit(what);
}

int CChannelDB::CheckSatRowFits(int32_t satId) {
    if (const int rc = CheckSigned16(satId, "SAT_ID"); rc != 0) {
        return rc;
    }
    const dbutil::SqlStatement sql("SELECT * FROM SATInfo WHERE SAT_ID = %d", satId);
    return CheckRowsFit(sql.Text(), kSatColumns);
}

int CChannelDB::CheckNitRowFits(int32_t nitId) {
    if (const int rc = CheckSigned16(nitId, "NIT_ID"); rc != 0) {
        return rc;
    }
    const dbutil::SqlStatement sql("SELECT * FROM NITInfo WHERE NIT_ID = %d", nitId);
    return CheckRowsFit(sql.Text(), kNitColumns);
}

int CChannelDB::CheckChannelRowFits(int32_t chId) {
    if (const int rc = CheckSigned16(chId, "ch_id"); rc != 0) {
        return rc;
    }
    const dbutil::SqlStatement sql("SELECT * FROM ChannelInfo WHERE ch_id = %d", chId);
    return CheckRowsFit(sql.Text(), kChannelColumns);
}

int CChannelDB::CheckListedChannelsFit() {
    return CheckRowsFit("SELECT * FROM ChannelInfo WHERE ch_id < 20000", kChannelColumns);
}

int CChannelDB::CheckChannelRowsFit(std::span<const int32_t> chIds) {
    for (const int32_t chId : chIds) {
        if (const int rc = CheckSigned16(chId, "ch_id"); rc != 0) {
            return rc;
        }
    }
    if (chIds.empty()) {
        return 0;
    }
    // Led by the ids rather than filtered by them: SQLite then builds no index of them.
    const std::string sql =
        "SELECT c.* FROM json_each(" + dbutil::IdArray(chIds) + ") AS j JOIN ChannelInfo AS c ON c.ch_id = j.value";
    return CheckRowsFit(sql.c_str(), kChannelColumns);
}

int CChannelDB::CheckLnbRowsFit() {
    // Only the two tuners' rows are written back by a save; others stay as stored.
    return CheckRowsFit("SELECT * FROM LNBInfo WHERE Tuner_ID IN (0, 1)", kLnbColumns);
}

int CChannelDB::CheckNitRowsFit() {
    return CheckRowsFit("SELECT * FROM NITInfo", kNitColumns);
}
