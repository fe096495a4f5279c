#pragma once
// The channel list as `list` prints it: an aligned table, CSV or JSON, with number,
// name, type, satellite, frequency, polarity, symbol rate, SID, provider and flags.
#include "match/ChannelSet.h"

#include <array>
#include <string>
#include <string_view>

namespace cli {

enum class ListFormat { Table, Csv, Json };

inline constexpr size_t kListColumns = 10;

// One channel's cells as `list` shows them, before escaping: number, name, type,
// satellite, frequency, polarity, symbol rate, SID, provider, flags.
std::array<std::string, kListColumns> ChannelListRow(const match::ChannelItem& item);

std::string FormatChannelList(const match::ChannelSet& set, ListFormat format);

// `text` (UTF-8) with its control characters escaped, so that a name cannot move the
// cursor, ring or split a line on a terminal: "\n", "\r", "\t", other C0 controls
// and DEL as "\x1b", C1 controls as "\u009b".
std::string TerminalText(std::string_view text);

} // namespace cli
