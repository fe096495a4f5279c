#include "ChannelListing.h"

#include "match/ChannelCsv.h"
#include "match/Csv.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace cli {

namespace {

constexpr size_t kColumns = kListColumns;
constexpr std::array<const char*, kColumns> kHeader = {"number",   "name",        "type", "satellite", "frequency",
                                                       "polarity", "symbol_rate", "sid",  "provider",  "flags"};
// Numeric columns are right-aligned in the table.
constexpr std::array<bool, kColumns> kNumeric = {true, false, false, false, true, false, true, true, false, false};

std::string Flags(const ChannelRecord& c) {
    std::string flags;
    for (const auto& [on, word] :
         {std::pair{c.lock != 0, "lock"}, std::pair{c.hide != 0, "hide"}, std::pair{c.cas_type != 0, "scrambled"}}) {
        if (on) {
            flags.append(flags.empty() ? "" : ",").append(word);
        }
    }
    return flags;
}

// Characters, not bytes, so names with accents line up.
size_t Width(const std::string& text) {
    return static_cast<size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

std::array<std::string, kListColumns> ChannelListRow(const match::ChannelItem& item) {
    const ChannelRecord& c = item.record;
    return {std::to_string(c.ch_order),
            match::NameText(c.name),
            match::KindText(c.media_mode),
            match::NameText(item.satName.c_str()),
            match::FrequencyText(item.frequency),
            match::PolarityText(item.pol),
            std::to_string(item.symbolRate),
            std::to_string(c.pg_id),
            match::NameText(item.provider.c_str()),
            Flags(c)};
}

namespace {

void Pad(std::string& line, const std::string& text, size_t width, bool right) {
    const std::string padding(width - Width(text), ' ');
    line += right ? padding + text : text + padding;
}

std::string Table(const match::ChannelSet& set) {
    std::vector<std::array<std::string, kColumns>> rows;
    rows.reserve(set.channels.size() + 1);
    std::array<std::string, kColumns> header;
    std::copy(kHeader.begin(), kHeader.end(), header.begin());
    rows.push_back(header);
    for (const match::ChannelItem& item : set.channels) {
        rows.push_back(ChannelListRow(item));
        for (std::string& cell : rows.back()) {
            cell = TerminalText(cell);
        }
    }
    std::array<size_t, kColumns> widths{};
    for (const auto& row : rows) {
        for (size_t i = 0; i < kColumns; ++i) {
            widths[i] = std::max(widths[i], Width(row[i]));
        }
    }
    std::string text;
    for (const auto& row : rows) {
        std::string line;
        for (size_t i = 0; i < kColumns; ++i) {
            Pad(line, row[i], i + 1 < kColumns || kNumeric[i] ? widths[i] : Width(row[i]), kNumeric[i]);
            line += i + 1 < kColumns ? "  " : "";
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + "\n";
    }
    return text;
}

std::string Csv(const match::ChannelSet& set) {
    std::string text = csv::FormatRecord({kHeader.begin(), kHeader.end()});
    for (const match::ChannelItem& item : set.channels) {
        auto row = ChannelListRow(item);
        // Names are text: one that looks like a formula must stay text in a spreadsheet.
        for (const size_t column : {size_t{1}, size_t{3}, size_t{8}}) {
            row[column] = csv::GuardFormula(row[column]);
        }
        text += csv::FormatRecord({row.begin(), row.end()});
    }
    return text;
}

std::string JsonString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                quoted += escape;
            } else {
                quoted += c;
            }
        }
    }
    return quoted + "\"";
}

std::string Json(const match::ChannelSet& set) {
    std::string text = "[";
    for (size_t n = 0; n < set.channels.size(); ++n) {
        const auto row = ChannelListRow(set.channels[n]);
        text += n == 0 ? "\n  {" : ",\n  {";
        for (size_t i = 0; i < kColumns; ++i) {
            text.append(i == 0 ? "" : ", ").append(JsonString(kHeader[i])).append(": ");
            if (i == kColumns - 1) {
                std::string flags = "[";
                for (size_t start = 0; start < row[i].size();) {
                    const size_t stop = std::min(row[i].find(',', start), row[i].size());
                    flags.append(flags.size() > 1 ? ", " : "").append(JsonString(row[i].substr(start, stop - start)));
                    start = stop + 1;
                }
                text += flags + "]";
            } else {
                text += kNumeric[i] ? row[i] : JsonString(row[i]);
            }
        }
        text += "}";
    }
    return text + (set.channels.empty() ? "]\n" : "\n]\n");
}

} // namespace

std::string TerminalText(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        char escape[8];
        if (byte == '\n' || byte == '\r' || byte == '\t') {
            shown += byte == '\n' ? "\\n" : byte == '\r' ? "\\r" : "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            std::snprintf(escape, sizeof escape, "\\x%02x", byte);
            shown += escape;
        } else if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            // U+0080 to U+009F: a terminal may take U+009B as the start of a command.
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(text[++i]));
            shown += escape;
        } else {
            shown += text[i];
        }
    }
    return shown;
}

std::string FormatChannelList(const match::ChannelSet& set, ListFormat format) {
    switch (format) {
    case ListFormat::Csv:
        return Csv(set);
    case ListFormat::Json:
        return Json(set);
    case ListFormat::Table:
        break;
    }
    return Table(set);
}

} // namespace cli
