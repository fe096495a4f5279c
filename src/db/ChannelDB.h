#pragma once
// CChannelDB: the stateless access object for the receiver's database. Every table
// operation is a member function working on the one process-wide connection g_db;
// views and dialogs each embed their own instance. Operations return 0 (writes), a
// row count (reads) or a new id, the negated SQLite code on failure, and -7 when a
// result list cannot be allocated. No operation ever shows anything to the user.
#include "DbRecords.h"
#include "DbStatement.h"

#include <sqlite3.h>

#include <cstdint>
#include <functional>
#include <new>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The one open connection of the process, or null while no file is open.
extern sqlite3* g_db;
// 1 while the database holds changes not yet saved to the user's file.
extern int16_t g_dbModified;

// How many listed channels there are, and of which kind (radio: media_mode not 0).
struct ChannelCounts {
    int channels = 0;
    int tv = 0;
    int radio = 0;
};

// The schema revision this editor understands.
inline constexpr const char* kSchemaRevision = "$Revision: 1.9 $";

// Receives each composed diagnostic line; null discards them (the default unless
// ORVANE_DB_TRACE is set in the environment, which sends them to stderr).
using DbDiagnosticSink = void (*)(const char* line);
void SetDbDiagnosticSink(DbDiagnosticSink sink);

// Called before every statement an operation writes with (BEGIN and COMMIT included)
// while a database is open: the undo history takes its snapshot there. Null: none.
using DbWriteHook = void (*)();
void SetDbWriteHook(DbWriteHook hook);

// SQLite's own text for the last failure of an operation (for example "database disk
// image is malformed"), so that a view can tell the user why a list could not be
// read; empty before the first failure.
const char* LastDbErrorText();

// The result of an operation refused because a value does not fit the receiver's
// fixed-width field: an id wider than the operation's 16 bits (which would be cut into
// another row's id), or a stored value that its record field would cut when the row
// is written back. Nothing ran; LastDbErrorText() names the value, for example
// "SAT_ID 65537".
inline constexpr int kValueDoesNotFit = -SQLITE_RANGE;

class CChannelDB {
public:
    CChannelDB() = default;
    virtual ~CChannelDB() = default;

    // Connection and schema.
    int BeginTransaction();
    int CommitTransaction();
    int CheckSchemaRevision();
    void LogDbError(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // Satellites.
    int InsertSatInfo(const SatRecord& sat);
    int UpdateSatInfo(int32_t satId, const SatRecord& sat);
    int GetNewSatId();
    int GetNewSatSeq();
    int GetSatList(SatRecord** list);
    int GetSatInfo(int32_t satId, SatRecord& sat);
    int DeleteSat(int32_t satId);
    int SwapSatSeq(int32_t seqA, int32_t seqB);

    // Transponders.
    int GetTpParams(int32_t nitId, NitRecord& nit);
    int GetNitListBySat(int32_t satId, NitRecord** list);
    int GetNitInfo(int32_t nitId, NitRecord& nit);
    int GetNewNitId();
    int UpdateNitInfo(int32_t nitId, const NitRecord& nit);
    int InsertNitInfo(NitRecord& nit);
    int DeleteNit(int32_t nitId);

    // LNB settings.
    int GetLnbList(int16_t tunerId, LnbRecord** list);
    int DeleteAllLnb();
    // The rows of one tuner only; rows of other or no tuner stay.
    int DeleteLnbByTuner(int16_t tunerId);
    int InsertLnbInfo(const LnbRecord& lnb);

    // Channels and providers.
    int GetChannelList(ChannelRecord** list);
    int GetChannelInfo(int32_t chId, ChannelRecord& channel);
    int UpdateChannelInfo(int32_t chId, const ChannelRecord& channel);
    // Refuses a ch_id of 20000 or more (ids the editor neither lists nor allocates, so
    // GetNewChannelId's 20000 means the ids are used up): -SQLITE_FULL, nothing stored.
    int InsertChannelInfo(const ChannelRecord& channel);
    int GetNewChannelId();
    int DeleteChannel(int32_t chId);
    // Removes every channel row the editor lists (ids below 20000) and nothing else:
    // not the receiver's own channels, providers, or other tables' rows of a channel.
    // Renumbering stores the listed channels again right after, in one transaction.
    int DeleteListedChannels();
    int GetNewSdtId();
    int GetSdtInfo(int32_t sdtId, ProviderRecord& provider);
    int FindSdtByName(const char* providerName, ProviderRecord& provider);
    int InsertSdtInfo(const ProviderRecord& provider);

    // Favourites.
    int GetFavGroupList(FavGroupRecord** list);
    int InsertFavGroup(const char* name);
    int RenameFavGroup(const char* name, int32_t groupId);
    int DeleteFavGroup(int32_t groupId);
    int SwapFavGroupSeq(int32_t groupA, int32_t groupB);
    int GetFavList(int32_t groupId, FavEntryRecord** list);
    int AddFavEntry(int32_t chId, int32_t groupId);
    int FindFavEntry(int32_t chId, int32_t groupId);
    int MoveFavEntry(int32_t entryA, int32_t entryB);
    int DeleteFavEntry(int32_t groupId, int32_t entryId);
    int RenameFavEntries(int32_t chId, const char* name);

    // Whether the stored values of rows fit their records' fixed-width fields, asked
    // before a command writes rows back from their records (an edit dialog's OK,
    // Renumber, LNB SAVE; the settings use FindUnfitOptionValue): 0, kValueDoesNotFit,
    // or a failure code.
    // The row ids are taken as the ids were read, and must fit the 16 bits of the
    // single-row operations.
    int CheckSatRowFits(int32_t satId);
    int CheckNitRowFits(int32_t nitId);
    int CheckChannelRowFits(int32_t chId);
    int CheckListedChannelsFit();
    // The rows of the chosen channels, before a command on many channels at once.
    int CheckChannelRowsFit(std::span<const int32_t> chIds);
    int CheckLnbRowsFit();
    // The values a record field holds, by column position: a number from low to high
    // (low > high: not checked), or with `text` a text of at most `high` bytes.
    struct ColumnRange {
        int64_t low;
        int64_t high;
        bool text = false;
    };

    // Receiver options.
    int GetOptionInfo(OptionRecord& option, int16_t optionId);
    int SaveOptionInfo(const OptionRecord& option);
    int EnsureOptionInfo(OptionRecord* option);
    // Finds the first column of option row `optionId` whose stored value its
    // OptionRecord field cannot hold as stored (a number beyond the field's width, a
    // negative number in an unsigned field, a non-number, NULL, a longer text), so
    // that SaveOptionInfo would write back another value than the one read. Returns 1
    // with the field's name and the stored value (NULL as "NULL"), 0 when every value
    // fits or there is no such row, or the negated code.
    int FindUnfitOptionValue(int16_t optionId, std::string& field, std::string& value);

    // Counts and id lists for the status bar and the channel list's filters (listed
    // channels only): 1 or the count or the number of ids, or the negated code.
    int CountChannels(ChannelCounts& counts);
    int CountFavEntries(int32_t groupId);
    int GetChannelIdsBySat(int32_t satId, std::vector<int32_t>& ids);
    int GetChannelIdsWithoutFav(std::vector<int32_t>& ids);
    // Every listed channel's id, without reading its record.
    int GetListedChannelIds(std::vector<int32_t>& ids);
    // Whole-table reads for the channel-matching commands (reference lists, CSV,
    // duplicates): one query each instead of one per satellite, group or channel.
    int GetNitList(NitRecord** list);
    int GetSdtList(ProviderRecord** list);
    // Every favourite entry of every group, in entry order.
    int GetAllFavEntries(FavEntryRecord** list);
    // "PRAGMA integrity_check": the number of problems found (each line appended to
    // `problems`), or the negated code.
    int CheckIntegrity(std::vector<std::string>& problems);
    // Row count of one of the receiver's tables, or the negated code.
    int CountTableRows(const char* table);
    // Writes a channel's number alone, leaving every other column's bytes as stored.
    int UpdateChannelOrder(int32_t chId, int32_t order);

    // Commands on many chosen listed channels at once (ids below 20000), each one
    // statement per table, so a few thousand channels take milliseconds. 0 or the
    // negated code; nothing is checked for fit here (CheckChannelRowsFit).
    enum class ChannelFlag { Lock, Hide };
    int SetChannelFlag(std::span<const int32_t> chIds, ChannelFlag flag, bool on);
    // Adds every chosen channel that group `groupId` does not hold yet, after its
    // entries in the chosen order; `skipped` counts the channels it held already.
    int AddFavEntries(std::span<const int32_t> chIds, int32_t groupId, int& skipped);
    // How many listed channels outside the choice have a number from `first` to
    // `last`: the clash of giving the chosen ones those numbers. Count or negated code.
    int CountOrderClashes(std::span<const int32_t> chIds, int32_t first, int32_t last);
    // The chosen channels get `first`, `first` + 1, ... in the given order; with
    // `makeRoom` every other listed channel numbered `first` or more moves up by the
    // number chosen first. One transaction; `progress` as for NumberChannels.
    int RenumberChannelsFrom(std::span<const int32_t> chIds, int32_t first, bool makeRoom,
                             const std::function<void(size_t done)>& progress = {});
    // Channel chIds[i] gets number `first` + i; only the numbers are written, through
    // one prepared statement. `progress` (if set) hears the count done every few
    // hundred channels and at the end. Callers run it inside their transaction.
    int NumberChannels(std::span<const int32_t> chIds, int32_t first,
                       const std::function<void(size_t done)>& progress = {});
    // The highest number of a listed channel outside the choice from `first` on, 0
    // when none, or the negated code.
    int MaxOrderFrom(std::span<const int32_t> chIds, int32_t first);
    // New names for chosen channels, their favourite entries' copies with them; one
    // transaction. Names over 15 bytes are refused (kValueDoesNotFit), nothing stored.
    struct ChannelName {
        int32_t chId;
        std::string name;
    };
    int RenameChannels(std::span<const ChannelName> names, const std::function<void(size_t done)>& progress = {});
    // As DeleteChannel for each chosen channel: its row and its schedule, scramble
    // and favourite rows. Callers run it inside their transaction.
    int DeleteChannels(std::span<const int32_t> chIds);

    // Channels brought over from another file: the rows as given (every ch_id below
    // 20000, else -SQLITE_FULL and nothing stored), a few hundred to a statement.
    // Callers run it inside their transaction.
    int InsertChannels(std::span<const ChannelRecord> channels);
    // Every listed channel numbered `from` or more moves up by `by`, making room for
    // channels numbered from `from`.
    int ShiftChannelNumbers(int32_t from, int32_t by);
    // Whether every transponder row fits its record (CheckNitRowFits for all at once).
    int CheckNitRowsFit();

    // Ending a caller's transaction after a failure; the layer itself has no
    // rollback operation in its contract, this only spares callers the raw call.
    static void Rollback();

protected:
    static constexpr const char* kSqliteError = "sqlite3 error : %d\n";

    // Ids arrive as they were read, 32 bits wide; the operations of the receiver's
    // format take 16-bit ids (signed: sign-extended; unsigned: zero-extended). An id
    // outside that range is refused with kValueDoesNotFit instead of being cut into
    // another row's id. 0 when it fits.
    int CheckSigned16(int32_t id, const char* what);
    int CheckUnsigned16(int32_t id, const char* what);
    // Composes the diagnostic, names `what` as the last error and returns
    // kValueDoesNotFit.
    int RefuseUnfit(const std::string& what);
    // 0 when every value of the rows `sql` selects lies in its column's range.
    int CheckRowsFit(const char* sql, std::span<const ColumnRange> ranges);
    // Deletes one channel and its rows in other tables by its exact stored id.
    int DeleteChannelRows(int32_t chId);

    // Runs a write; on failure composes `diagnostic` (null: none) with the SQLite
    // code and returns the negated code, else 0.
    int ExecSql(const char* sql, const char* diagnostic = kSqliteError);
    // Runs a query into `table`; same result convention as ExecSql.
    int QuerySql(dbutil::ResultTable& table, const char* sql, const char* diagnostic = kSqliteError);

    template <typename... Args> int Execute(const char* diagnostic, const char* format, Args... args) {
        if constexpr (sizeof...(Args) == 0) {
            return ExecSql(format, diagnostic);
        } else {
            dbutil::SqlStatement sql(format, args...);
            return ExecSql(sql.Text(), diagnostic);
        }
    }
    template <typename... Args>
    int Query(dbutil::ResultTable& table, const char* diagnostic, const char* format, Args... args) {
        if constexpr (sizeof...(Args) == 0) {
            return QuerySql(table, format, diagnostic);
        } else {
            dbutil::SqlStatement sql(format, args...);
            return QuerySql(table, sql.Text(), diagnostic);
        }
    }

    // The first column of every row as an integer.
    static int ReadIds(const dbutil::ResultTable& table, std::vector<int32_t>& ids);

    // "coalesce(max(x),0)+1" lookups: the value, `noRowValue` when no row comes
    // back, or the negated code.
    int QueryNextId(const char* sql, int noRowValue);

    // Allocates one block of table.Rows() records and fills each with
    // fill(record, row). Returns the row count, leaving *list untouched when it is
    // 0, or -7 ("no memory.\n") when the block cannot be allocated.
    template <typename Record, typename Fill> int ReadList(const dbutil::ResultTable& table, Record** list, Fill fill) {
        return ReadListWhere(
            table, list, [](int) { return true; }, fill);
    }
    // As ReadList, for the rows `keep` accepts only.
    template <typename Record, typename Keep, typename Fill>
    int ReadListWhere(const dbutil::ResultTable& table, Record** list, Keep keep, Fill fill) {
        std::vector<int> rows;
        for (int row = 0; row < table.Rows(); ++row) {
            if (keep(row)) {
                rows.push_back(row);
            }
        }
        if (rows.empty()) {
            return 0;
        }
        Record* block = new (std::nothrow) Record[rows.size()]();
        if (block == nullptr) {
            LogDbError("no memory.\n");
            return -7;
        }
        for (size_t i = 0; i < rows.size(); ++i) {
            fill(block[i], rows[i]);
        }
        *list = block;
        return static_cast<int>(rows.size());
    }
};
