#pragma once
// The channel list as CSV (header row, UTF-8): each channel's identity columns and the
// ones a user may edit in a spreadsheet (number, name, lock, hide, favourite groups),
// and the import that matches the rows back to the channels by identity. An import
// is checked whole before anything is written: a row that matches no channel, a
// missing column, a bad value or a number given twice refuses it.
#include "ChannelEdits.h"
#include "ChannelSet.h"

#include <string>
#include <string_view>
#include <vector>

namespace match {

// Column names of the header, in the order the export writes them.
const std::vector<std::string>& CsvColumns();

// Shown forms shared by the exports and the list: "19.2E", "10714" or "10714.5" (MHz),
// "H"/"V", "TV"/"Radio", and a stored name as the editor shows it, in UTF-8 (bytes that
// are no UTF-8 are read as Latin-1).
std::string PositionText(bool known, int32_t tenths);
std::string FrequencyText(int32_t kHz);
std::string PolarityText(int32_t pol);
std::string KindText(int32_t mediaMode);
std::string NameText(const char* stored);
// Favourite group names of a channel, separated by ';'; a name that holds ';' or '"',
// or is empty, is quoted with its quotes doubled.
std::string GroupsText(const ChannelSet& set, const ChannelItem& item);

// The fields of one channel, in CsvColumns() order.
std::vector<std::string> CsvFields(const ChannelSet& set, const ChannelItem& item);
// The whole file: header and one record per channel in the receiver's order.
std::string ExportCsv(const ChannelSet& set);

// What importing a CSV would do; nothing is written while planning.
struct CsvImportPlan {
    std::string error;                    // the refusal, one problem per line; empty when accepted
    std::vector<std::string> changes;     // one line per change, in the channels' order
    std::vector<ChannelRecord> records;   // per current channel: the record to store
    std::vector<bool> edited;             // per current channel: name or flags changed
    OrderPlan numbers;                    // every current channel with its new number
    bool withGroups = false;              // the CSV has the favourites column
    std::vector<std::vector<int>> groups; // per current channel, with withGroups: its groups

    bool Refused() const { return !error.empty(); }
};
CsvImportPlan PlanCsvImport(std::string_view text, const ChannelSet& current);
// Writes an accepted plan in one transaction; 0 or the failing code.
int ApplyCsvImport(CChannelDB& db, const ChannelSet& current, const CsvImportPlan& plan);

// A CSV made by the export as a reference list (its rows, numbers and favourite
// groups); false with the problems in `error`.
bool ReferenceFromCsv(std::string_view text, ReferenceList& reference, std::string& error);

// A reference list from a file: a receiver database (told by SQLite's file header) or
// else a CSV. False with the problems in `error`, each line naming the file.
bool ReadReferenceFile(const std::string& path, ReferenceList& reference, std::string& error);

// A CSV larger than this is no channel list; reading it whole would only cost memory.
inline constexpr size_t kMaxCsvBytes = 64u << 20;

} // namespace match
