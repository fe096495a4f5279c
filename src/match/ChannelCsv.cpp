#include "ChannelCsv.h"

#include "Csv.h"
#include "db/StoredText.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>

namespace match {

namespace {

// Fields columns, by name.
enum Column {
    kNumber,
    kName,
    kType,
    kSatellite,
    kPosition,
    kFrequency,
    kPolarity,
    kSymbolRate,
    kSid,
    kNetworkId,
    kTsId,
    kProvider,
    kLock,
    kHide,
    kScrambled,
    kFavourites,
    kColumnCount
};

// Without these a row cannot be matched or numbered.
constexpr Column kRequired[] = {kNumber, kName, kType, kPosition, kFrequency, kPolarity, kSid, kNetworkId, kTsId};

// Problems listed before the rest are summed up.
constexpr size_t kMaxListedProblems = 20;

constexpr size_t kMaxNameBytes = sizeof(ChannelRecord::name) - 1;

std::optional<int32_t> ParseInt(const std::string& text, int32_t low, int32_t high) {
    int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || stop != end || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

// A value the export wrote from a stored 32-bit one, which may be any such value: the
// identity columns only match rows, they are never stored.
std::optional<int32_t> ToInt32(int64_t value) {
    if (value < INT32_MIN || value > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

// "19.2E" / "30.0W" / "0.0E" in tenths of a degree.
std::optional<int32_t> ParsePosition(const std::string& text) {
    if (text.size() < 2 || (text.back() != 'E' && text.back() != 'W')) {
        return std::nullopt;
    }
    const std::string number = text.substr(0, text.size() - 1);
    const size_t dot = number.find('.');
    if (dot == std::string::npos || dot + 2 != number.size()) {
        return std::nullopt;
    }
    const auto whole = ParseInt(number.substr(0, dot), 0, INT32_MAX);
    const auto tenth = ParseInt(number.substr(dot + 1), 0, 9);
    if (!whole || !tenth) {
        return std::nullopt;
    }
    const int64_t tenths = int64_t{*whole} * 10 + *tenth;
    return ToInt32(text.back() == 'W' ? -tenths : tenths);
}

// MHz with up to three decimals, in kHz; negative for a negative stored value.
std::optional<int32_t> ParseFrequency(const std::string& text) {
    const bool negative = text.starts_with('-');
    const std::string digits = negative ? text.substr(1) : text;
    const size_t dot = digits.find('.');
    const std::string whole = digits.substr(0, dot);
    std::string fraction = dot == std::string::npos ? "" : digits.substr(dot + 1);
    if (fraction.size() > 3 || (dot != std::string::npos && fraction.empty())) {
        return std::nullopt;
    }
    fraction.resize(3, '0');
    const auto mhz = ParseInt(whole, 0, INT32_MAX);
    const auto khz = ParseInt(fraction, 0, 999);
    if (!mhz || !khz) {
        return std::nullopt;
    }
    const int64_t kHz = int64_t{*mhz} * 1000 + *khz;
    return ToInt32(negative ? -kHz : kHz);
}

std::optional<bool> ParseFlag(const std::string& text) {
    if (text == "0" || text == "1") {
        return text == "1";
    }
    return std::nullopt;
}

// A group name in the favourites column: quoted, with its quotes doubled, when it
// holds the ';' between names or a quote, or is empty.
std::string GroupNameField(const std::string& name) {
    if (!name.empty() && name.find_first_of(";\"") == std::string::npos) {
        return name;
    }
    std::string quoted = "\"";
    for (const char c : name) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

// The names of the favourites column; nullopt when a quoted name is not closed or
// is followed by anything but ';'.
std::optional<std::vector<std::string>> SplitGroups(const std::string& text) {
    std::vector<std::string> names;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ';') {
            ++i;
            continue;
        }
        std::string name;
        if (text[i] == '"') {
            for (++i;; ++i) {
                if (i >= text.size()) {
                    return std::nullopt;
                }
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        name += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                name += text[i];
            }
            if (i < text.size() && text[i] != ';') {
                return std::nullopt;
            }
        } else {
            const size_t stop = std::min(text.find(';', i), text.size());
            name = text.substr(i, stop - i);
            i = stop;
        }
        names.push_back(std::move(name));
    }
    return names;
}

// One data row of an import.
struct CsvRow {
    int line = 0;
    ChannelIdentity identity;
    int32_t number = 0;
    std::optional<bool> lock;
    std::optional<bool> hide;
    std::optional<std::vector<std::string>> groups;
};

class CProblems {
public:
    void Add(const std::string& problem) {
        if (m_count++ < kMaxListedProblems) {
            m_text += problem + "\n";
        }
    }
    bool Any() const { return m_count > 0; }
    std::string Text() const {
        return m_count > kMaxListedProblems
                   ? m_text + "... and " + std::to_string(m_count - kMaxListedProblems) + " more problems\n"
                   : m_text;
    }

private:
    std::string m_text;
    size_t m_count = 0;
};

// Parses the file into rows, adding every problem found.
std::vector<CsvRow> ReadRows(std::string_view text, CProblems& problems) {
    std::vector<CsvRow> rows;
    if (!csv::IsUtf8(text)) {
        problems.Add("the file is not UTF-8 text");
        return rows;
    }
    const csv::ParseResult parsed = csv::Parse(text);
    if (!parsed.error.empty()) {
        problems.Add(parsed.error);
        return rows;
    }
    if (parsed.records.empty()) {
        problems.Add("the file is empty: a header row is expected");
        return rows;
    }
    std::vector<int> at(kColumnCount, -1);
    const csv::Record& header = parsed.records.front();
    for (size_t i = 0; i < header.size(); ++i) {
        const auto known = std::find(CsvColumns().begin(), CsvColumns().end(), header[i]);
        if (known != CsvColumns().end()) {
            at[static_cast<size_t>(known - CsvColumns().begin())] = static_cast<int>(i);
        }
    }
    std::string missing;
    for (const Column column : kRequired) {
        if (at[column] < 0) {
            missing.append(missing.empty() ? "" : ", ").append(CsvColumns()[column]);
        }
    }
    if (!missing.empty()) {
        problems.Add("missing columns: " + missing);
        return rows;
    }
    for (size_t r = 1; r < parsed.records.size(); ++r) {
        const csv::Record& record = parsed.records[r];
        const std::string where = "line " + std::to_string(parsed.lines[r]) + ": ";
        if (record.size() == 1 && record[0].empty()) {
            continue; // a blank line
        }
        if (record.size() != header.size()) {
            problems.Add(where + std::to_string(record.size()) + " fields where the header has " +
                         std::to_string(header.size()));
            continue;
        }
        const auto field = [&](Column column) -> const std::string& { return record[static_cast<size_t>(at[column])]; };
        bool bad = false;
        const auto check = [&](bool ok, Column column) {
            if (!ok) {
                problems.Add(where + "bad " + CsvColumns()[column] + " \"" + field(column) + "\"");
                bad = true;
            }
        };
        CsvRow row;
        row.line = parsed.lines[r];
        // A file may hold any 32-bit value here; PlanRow refuses a negative new number.
        const auto number = ParseInt(field(kNumber), INT32_MIN, INT32_MAX);
        const auto sid = ParseInt(field(kSid), INT32_MIN, INT32_MAX);
        const auto network = ParseInt(field(kNetworkId), INT32_MIN, INT32_MAX);
        const auto ts = ParseInt(field(kTsId), INT32_MIN, INT32_MAX);
        const auto position = ParsePosition(field(kPosition));
        const auto frequency = ParseFrequency(field(kFrequency));
        const std::string& pol = field(kPolarity);
        const std::string& kind = field(kType);
        const std::string name = csv::UnguardFormula(field(kName));
        const std::optional<std::vector<std::string>> groups =
            at[kFavourites] >= 0 ? SplitGroups(csv::UnguardFormula(field(kFavourites))) : std::vector<std::string>{};
        check(number.has_value(), kNumber);
        check(sid.has_value(), kSid);
        check(network.has_value(), kNetworkId);
        check(ts.has_value(), kTsId);
        check(position.has_value() || field(kPosition).empty(), kPosition);
        check(frequency.has_value(), kFrequency);
        check(pol == "H" || pol == "V", kPolarity);
        check(kind == "TV" || kind == "Radio", kType);
        // Any name the export writes (line breaks included) is taken; a new name must
        // fit the field, which PlanRow checks.
        check(name.find('\0') == std::string::npos, kName);
        check(groups.has_value(), kFavourites);
        for (const Column flag : {kLock, kHide}) {
            if (at[flag] >= 0) {
                check(ParseFlag(field(flag)).has_value(), flag);
            }
        }
        if (bad) {
            continue;
        }
        row.number = *number;
        row.identity.serviceId = *sid;
        row.identity.networkId = *network;
        row.identity.tsId = *ts;
        row.identity.satKnown = position.has_value();
        row.identity.satPosition = position.value_or(0);
        row.identity.frequency = *frequency;
        row.identity.horizontal = pol == "H";
        row.identity.radio = kind == "Radio";
        row.identity.name = name;
        if (at[kLock] >= 0) {
            row.lock = ParseFlag(field(kLock));
        }
        if (at[kHide] >= 0) {
            row.hide = ParseFlag(field(kHide));
        }
        if (at[kFavourites] >= 0) {
            row.groups = *groups;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<ChannelIdentity> IdentitiesOf(const std::vector<CsvRow>& rows) {
    std::vector<ChannelIdentity> identities;
    identities.reserve(rows.size());
    for (const CsvRow& row : rows) {
        identities.push_back(row.identity);
    }
    return identities;
}

std::string OnOff(bool on) {
    return on ? "on" : "off";
}

// The import's changes of one channel, into the plan.
void PlanRow(const CsvRow& row, size_t to, const ChannelSet& current, const std::multimap<std::string, int>& groupIds,
             CsvImportPlan& plan, CProblems& problems) {
    const ChannelItem& item = current.channels[to];
    ChannelRecord& record = plan.records[to];
    const std::string label = ChannelLabel(item.record);
    const std::string where = "line " + std::to_string(row.line) + ": ";
    const bool renamed = row.identity.name != NameText(item.record.name);
    if (renamed && row.identity.name.size() > kMaxNameBytes) {
        problems.Add(where + "bad name \"" + row.identity.name + "\"");
    } else if (renamed) {
        plan.changes.push_back("renamed " + label + " -> " + row.identity.name);
        std::fill(std::begin(record.name), std::end(record.name), '\0');
        std::copy(row.identity.name.begin(), row.identity.name.end(), record.name);
        plan.edited[to] = true;
    }
    if (row.number != item.record.ch_order && row.number < 0) {
        problems.Add(where + "bad number \"" + std::to_string(row.number) + "\"");
    } else if (row.number != item.record.ch_order) {
        plan.changes.push_back("moved " + label + " -> " + std::to_string(row.number));
        plan.numbers.numbers[to] = row.number;
    }
    if (row.lock && *row.lock != (item.record.lock != 0)) {
        plan.changes.push_back("lock " + OnOff(*row.lock) + " " + label);
        record.lock = *row.lock ? 1 : 0;
        plan.edited[to] = true;
    }
    if (row.hide && *row.hide != (item.record.hide != 0)) {
        plan.changes.push_back("hide " + OnOff(*row.hide) + " " + label);
        record.hide = *row.hide ? 1 : 0;
        plan.edited[to] = true;
    }
    if (!row.groups) {
        return;
    }
    std::vector<int> wanted;
    const auto isWanted = [&](int id) { return std::find(wanted.begin(), wanted.end(), id) != wanted.end(); };
    const auto isHeld = [&](int id) {
        return std::find(item.groups.begin(), item.groups.end(), id) != item.groups.end();
    };
    for (const std::string& name : *row.groups) {
        const auto [first, last] = groupIds.equal_range(name);
        if (first == last) {
            problems.Add(where + "no favourite group is named \"" + name + "\"");
            continue;
        }
        // Of groups sharing a name, the ones the channel is in come first, so that a
        // channel keeps the groups the export named.
        std::optional<int> chosen;
        for (auto group = first; group != last && !chosen; ++group) {
            if (!isWanted(group->second) && isHeld(group->second)) {
                chosen = group->second;
            }
        }
        for (auto group = first; group != last && !chosen; ++group) {
            if (!isWanted(group->second)) {
                chosen = group->second;
            }
        }
        if (chosen) {
            wanted.push_back(*chosen);
        }
    }
    for (const int id : wanted) {
        if (std::find(item.groups.begin(), item.groups.end(), id) == item.groups.end()) {
            plan.changes.push_back("added to " + std::string(current.FindGroup(id)->name) + ": " + label);
        }
    }
    for (const int id : item.groups) {
        if (std::find(wanted.begin(), wanted.end(), id) == wanted.end()) {
            plan.changes.push_back("removed from " + std::string(current.FindGroup(id)->name) + ": " + label);
        }
    }
    plan.groups[to] = std::move(wanted);
}

std::string Describe(const ChannelIdentity& identity) {
    return identity.name + " (sid " + std::to_string(identity.serviceId) + ", " +
           PositionText(identity.satKnown, identity.satPosition) + " " + FrequencyText(identity.frequency) + " " +
           (identity.horizontal ? "H" : "V") + ")";
}

int StoreGroups(CChannelDB& db, const ChannelSet& current, const CsvImportPlan& plan) {
    for (size_t i = 0; i < current.channels.size(); ++i) {
        const ChannelItem& item = current.channels[i];
        const int32_t chId = item.record.ch_id;
        const std::vector<int>& wanted = plan.groups[i];
        for (const int id : wanted) {
            if (std::find(item.groups.begin(), item.groups.end(), id) == item.groups.end()) {
                if (const int rc = db.AddFavEntry(chId, id); rc < 0) {
                    return rc;
                }
            }
        }
        for (const int id : item.groups) {
            if (std::find(wanted.begin(), wanted.end(), id) != wanted.end()) {
                continue;
            }
            const int entry = db.FindFavEntry(chId, id);
            if (entry < 0) {
                return entry;
            }
            if (const int rc = db.DeleteFavEntry(id, entry); rc != 0) {
                return rc;
            }
        }
    }
    return 0;
}

} // namespace

const std::vector<std::string>& CsvColumns() {
    static const std::vector<std::string> columns{
        "number", "name",       "type",  "satellite", "position", "frequency", "polarity",  "symbol_rate",
        "sid",    "network_id", "ts_id", "provider",  "lock",     "hide",      "scrambled", "favourites"};
    return columns;
}

std::string PositionText(bool known, int32_t tenths) {
    if (!known) {
        return "";
    }
    const int32_t magnitude = std::abs(tenths);
    return std::to_string(magnitude / 10) + "." + std::to_string(magnitude % 10) + (tenths < 0 ? "W" : "E");
}

std::string FrequencyText(int32_t kHz) {
    // From the magnitude, so that -500 kHz is "-0.5" rather than "0.5".
    const int64_t magnitude = std::abs(int64_t{kHz});
    std::string text(kHz < 0 ? "-" : "");
    text += std::to_string(magnitude / 1000);
    if (const int64_t rest = magnitude % 1000; rest != 0) {
        std::string fraction = std::to_string(1000 + rest).substr(1);
        fraction.erase(fraction.find_last_not_of('0') + 1);
        text += "." + fraction;
    }
    return text;
}

std::string PolarityText(int32_t pol) {
    return pol != 0 ? "H" : "V";
}

std::string KindText(int32_t mediaMode) {
    return mediaMode != 0 ? "Radio" : "TV";
}

std::string NameText(const char* stored) {
    return storedtext::ShownUtf8(stored);
}

std::string GroupsText(const ChannelSet& set, const ChannelItem& item) {
    std::string text;
    for (const int id : item.groups) {
        if (const FavGroupRecord* group = set.FindGroup(id); group != nullptr) {
            text.append(text.empty() ? "" : ";").append(GroupNameField(NameText(group->name)));
        }
    }
    return text;
}

std::vector<std::string> CsvFields(const ChannelSet& set, const ChannelItem& item) {
    const ChannelRecord& c = item.record;
    return {std::to_string(c.ch_order),
            csv::GuardFormula(NameText(c.name)),
            KindText(c.media_mode),
            csv::GuardFormula(NameText(item.satName.c_str())),
            PositionText(item.satKnown, item.satPosition),
            FrequencyText(item.frequency),
            PolarityText(item.pol),
            std::to_string(item.symbolRate),
            std::to_string(c.pg_id),
            std::to_string(item.networkId),
            std::to_string(item.tsId),
            csv::GuardFormula(NameText(item.provider.c_str())),
            c.lock != 0 ? "1" : "0",
            c.hide != 0 ? "1" : "0",
            c.cas_type != 0 ? "1" : "0",
            csv::GuardFormula(GroupsText(set, item))};
}

std::string ExportCsv(const ChannelSet& set) {
    std::string text = csv::FormatRecord(CsvColumns());
    text.reserve(set.channels.size() * 96);
    for (const ChannelItem& item : set.channels) {
        text += csv::FormatRecord(CsvFields(set, item));
    }
    return text;
}

CsvImportPlan PlanCsvImport(std::string_view text, const ChannelSet& current) {
    CsvImportPlan plan;
    CProblems problems;
    const std::vector<CsvRow> rows = ReadRows(text, problems);
    if (problems.Any()) {
        plan.error = problems.Text();
        return plan;
    }
    const size_t count = current.channels.size();
    plan.records.reserve(count);
    for (const ChannelItem& item : current.channels) {
        plan.records.push_back(item.record);
        plan.numbers.order.push_back(plan.numbers.order.size());
        plan.numbers.numbers.push_back(item.record.ch_order);
    }
    plan.edited.assign(count, false);
    plan.withGroups = !rows.empty() && rows.front().groups.has_value();
    plan.groups.resize(count);
    for (size_t i = 0; i < count; ++i) {
        plan.groups[i] = current.channels[i].groups;
    }
    std::multimap<std::string, int> groupIds;
    for (const FavGroupRecord& group : current.groups) {
        groupIds.emplace(NameText(group.name), group.favgrp_id);
    }

    plan.numbers.match = MatchChannels(IdentitiesOf(rows), IdentitiesOf(current));
    for (const size_t from : plan.numbers.match.unmatchedFrom) {
        problems.Add("line " + std::to_string(rows[from].line) + ": no channel of the file matches " +
                     Describe(rows[from].identity));
    }
    for (const ChannelMatch& m : plan.numbers.match.matches) {
        PlanRow(rows[m.from], m.to, current, groupIds, plan, problems);
    }
    std::map<int32_t, size_t> byNumber;
    for (size_t i = 0; i < count; ++i) {
        const auto [other, fresh] = byNumber.emplace(plan.numbers.numbers[i], i);
        // Numbers the file already shares are left as they are; the import only must
        // not make new pairs.
        const auto moved = [&](size_t k) { return plan.numbers.numbers[k] != current.channels[k].record.ch_order; };
        if (!fresh && (moved(i) || moved(other->second))) {
            problems.Add("number " + std::to_string(plan.numbers.numbers[i]) + " would be given to both " +
                         NameText(current.channels[other->second].record.name) + " and " +
                         NameText(current.channels[i].record.name));
        }
    }
    if (problems.Any()) {
        plan.error = problems.Text();
        plan.changes.clear();
    }
    return plan;
}

int ApplyCsvImport(CChannelDB& db, const ChannelSet& current, const CsvImportPlan& plan) {
    CEditTransaction transaction(db);
    if (!transaction.Open()) {
        return -SQLITE_BUSY;
    }
    for (size_t i = 0; i < current.channels.size(); ++i) {
        if (!plan.edited[i]) {
            continue;
        }
        const ChannelRecord& record = plan.records[i];
        // The record is written back whole: a stored value it has cut is refused
        // rather than stored cut for a field the file did not change.
        if (const int rc = db.CheckChannelRowFits(record.ch_id); rc != 0) {
            return rc;
        }
        if (const int rc = db.UpdateChannelInfo(record.ch_id, record); rc != 0) {
            return rc;
        }
        if (std::string_view(record.name) != current.channels[i].record.name) {
            if (const int rc = db.RenameFavEntries(record.ch_id, record.name); rc != 0) {
                return rc;
            }
        }
    }
    if (const int rc = StoreNumbers(db, current, plan.numbers); rc != 0) {
        return rc;
    }
    if (plan.withGroups) {
        if (const int rc = StoreGroups(db, current, plan); rc != 0) {
            return rc;
        }
    }
    return transaction.Commit() ? 0 : -SQLITE_BUSY;
}

bool ReferenceFromCsv(std::string_view text, ReferenceList& reference, std::string& error) {
    CProblems problems;
    std::vector<CsvRow> rows = ReadRows(text, problems);
    // A reference gives its numbers to another file: a negative one is no number to give.
    for (const CsvRow& row : rows) {
        if (row.number < 0) {
            problems.Add("line " + std::to_string(row.line) + ": bad number \"" + std::to_string(row.number) + "\"");
        }
    }
    if (problems.Any()) {
        error = problems.Text();
        return false;
    }
    std::stable_sort(rows.begin(), rows.end(), [](const CsvRow& a, const CsvRow& b) { return a.number < b.number; });
    reference = ReferenceList{};
    std::map<std::string, size_t> groupIndex;
    for (size_t i = 0; i < rows.size(); ++i) {
        reference.identities.push_back(rows[i].identity);
        reference.numbers.push_back(rows[i].number);
        for (const std::string& name : rows[i].groups.value_or(std::vector<std::string>{})) {
            const auto [at, fresh] = groupIndex.emplace(name, reference.groups.size());
            if (fresh) {
                reference.groups.push_back({name, {}});
            }
            reference.groups[at->second].members.push_back(i);
        }
    }
    return true;
}

bool ReadReferenceFile(const std::string& path, ReferenceList& reference, std::string& error) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (size < 0) {
        error = path + ": cannot be read";
        return false;
    }
    if (static_cast<size_t>(size) > kMaxCsvBytes) {
        error = path + ": too large for a channel list";
        return false;
    }
    std::string text(static_cast<size_t>(size), '\0');
    in.seekg(0);
    if (!in.read(text.data(), size)) {
        error = path + ": cannot be read";
        return false;
    }
    if (text.starts_with(std::string_view("SQLite format 3\0", 16))) {
        ChannelSet set;
        if (!ReadChannelSetFromFile(path, set, error)) {
            return false;
        }
        reference = ReferenceOf(set);
        return true;
    }
    if (!ReferenceFromCsv(text, reference, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

} // namespace match
