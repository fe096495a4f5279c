#pragma once
// The channel list as `list` prints it: an aligned table, CSV or JSON, with number,
// name, type, satellite, frequency, polarity, symbol rate, SID, provider and flags.
#include "match/ChannelSet.h"

#include <string>

namespace cli {

enum class ListFormat { Table, Csv, Json };

std::string FormatChannelList(const match::ChannelSet& set, ListFormat format);

} // namespace cli
