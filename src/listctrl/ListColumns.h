#pragma once
// The column sets of the record lists: caption, width in pixels and text alignment
// of every column, per list kind.
#include <Qt>

#include <span>

// The list kinds that InsertColumns and FillList take. The favourite list has no
// kind: its view creates its one column itself.
enum ListKind : int {
    kChannelList = 0,
    kSatList = 1,
    kTpList = 2,
    kLnbList = 3,
};

struct ListColumn {
    const char* caption;
    int width;
    Qt::Alignment alignment;
};

// The columns of `kind` in column order; empty for any other number.
std::span<const ListColumn> ListColumnsOf(int kind);

// Column indexes of the channel list that its users read back.
inline constexpr int kChannelNoColumn = 0;
inline constexpr int kChannelServiceColumn = 1;
inline constexpr int kChannelTypeColumn = 2;
inline constexpr int kChannelFrequencyColumn = 4;
inline constexpr int kChannelSidColumn = 7;
inline constexpr int kChannelFlagColumn = 12;
inline constexpr int kChannelProviderColumn = 13;
