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

// Steps through the rows of `sql` and finds the first value outside its column's
// range; the SQLite result code, with `what` naming the value ("tuner_id 70000") or
// left empty. A stored integer is compared as a number; any other value is read as
// the text the record field would be filled from. Nothing is kept of the rows read:
// the check of every listed channel once cost more than the command it guarded.
int FindUnfitValue(const char* sql, std::span<const ColumnRange> ranges, std::string& what) {
    dbutil::PreparedStatement statement;
    if (const int rc = dbutil::Prepare(g_db, sql, statement); rc != SQLITE_OK || statement == nullptr) {
        return rc;
    }
    sqlite3_stmt* const rows = statement.get();
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

} // namespace

int CChannelDB::CheckRowsFit(const char* sql, std::span<const ColumnRange> ranges) {
    std::string what;
    if (const int rc = FindUnfitValue(sql, ranges, what); rc != SQLITE_OK) {
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
    const std::string sql = "SELECT * FROM ChannelInfo WHERE ch_id IN " + dbutil::IdSet(chIds);
    return CheckRowsFit(sql.c_str(), kChannelColumns);
}

int CChannelDB::CheckLnbRowsFit() {
    // Only the two tuners' rows are written back by a save; others stay as stored.
    return CheckRowsFit("SELECT * FROM LNBInfo WHERE Tuner_ID IN (0, 1)", kLnbColumns);
}

int CChannelDB::CheckNitRowsFit() {
    return CheckRowsFit("SELECT * FROM NITInfo", kNitColumns);
}
