#include "ListColumns.h"

namespace {

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignVCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

constexpr ListColumn kChannelColumns[] = {
    {"No", 45, kLeft},         {"Service", 150, kLeft},    {"Type", 54, kCentre}, {"Satellite", 80, kLeft},
    {"Frequency", 73, kRight}, {"Symbolrate", 80, kRight}, {"Pol", 30, kCentre},  {"SID", 40, kRight},
    {"V-PID", 50, kRight},     {"A-PID", 50, kRight},      {"PCR", 50, kRight},   {"PMT", 50, kRight},
    {"Flag", 45, kCentre},     {"Provider", 80, kLeft},
};

constexpr ListColumn kSatColumns[] = {
    {"ID", 30, kLeft},
    {"Satellite", 110, kLeft},
    {"Position", 59, kLeft},
};

constexpr ListColumn kTpColumns[] = {
    {"Frequency", 120, kRight},
    {"Symbol Rate", 100, kRight},
    {"Polarity", 90, kLeft},
    {"FEC", 50, kLeft},
};

constexpr ListColumn kLnbColumns[] = {
    {"No", 30, kCentre},     {"LNB Type", 120, kCentre}, {"Local Freq", 100, kRight},
    {"DiSEqC", 60, kCentre}, {"Satellite", 200, kLeft},  {"22 khz", 60, kCentre},
};

} // namespace

std::span<const ListColumn> ListColumnsOf(int kind) {
    switch (kind) {
    case kChannelList:
        return kChannelColumns;
    case kSatList:
        return kSatColumns;
    case kTpList:
        return kTpColumns;
    case kLnbList:
        return kLnbColumns;
    default:
        return {};
    }
}
