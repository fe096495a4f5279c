#include "ListColumns.h"

#include <QCoreApplication>

namespace {

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignVCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

constexpr ListColumn kChannelColumns[] = {
    {QT_TRANSLATE_NOOP("ListColumns", "No"), 45, kLeft},
    {QT_TRANSLATE_NOOP("ListColumns", "Service"), 150, kLeft},
    {QT_TRANSLATE_NOOP("ListColumns", "Type"), 54, kCentre},
    {QT_TRANSLATE_NOOP("ListColumns", "Satellite"), 80, kLeft},
    {QT_TRANSLATE_NOOP("ListColumns", "Frequency"), 73, kRight},
    {QT_TRANSLATE_NOOP("ListColumns", "Symbolrate"), 80, kRight},
    {QT_TRANSLATE_NOOP("ListColumns", "Pol"), 30, kCentre},
    {QT_TRANSLATE_NOOP("ListColumns", "SID"), 40, kRight},
    {QT_TRANSLATE_NOOP("ListColumns", "V-PID"), 50, kRight},
    {QT_TRANSLATE_NOOP("ListColumns", "A-PID"), 50, kRight},
    {QT_TRANSLATE_NOOP("ListColumns", "PCR"), 50, kRight},
    {QT_TRANSLATE_NOOP("ListColumns", "PMT"), 50, kRight},
    {QT_TRANSLATE_NOOP("ListColumns", "Flag"), 45, kCentre},
    {QT_TRANSLATE_NOOP("ListColumns", "Provider"), 80, kLeft},
};

constexpr ListColumn kSatColumns[] = {
    {QT_TRANSLATE_NOOP("ListColumns", "ID"), 30, kLeft},
    {QT_TRANSLATE_NOOP("ListColumns", "Satellite"), 110, kLeft},
    {QT_TRANSLATE_NOOP("ListColumns", "Position"), 59, kLeft},
};

constexpr ListColumn kTpColumns[] = {
    {QT_TRANSLATE_NOOP("ListColumns", "Frequency"), 120, kRight},
    {QT_TRANSLATE_NOOP("ListColumns", "Symbol Rate"), 100, kRight},
    {QT_TRANSLATE_NOOP("ListColumns", "Polarity"), 90, kLeft},
    {QT_TRANSLATE_NOOP("ListColumns", "FEC"), 50, kLeft},
};

constexpr ListColumn kLnbColumns[] = {
    {QT_TRANSLATE_NOOP("ListColumns", "No"), 30, kCentre},
    {QT_TRANSLATE_NOOP("ListColumns", "LNB Type"), 120, kCentre},
    {QT_TRANSLATE_NOOP("ListColumns", "Local Freq"), 100, kRight},
    {QT_TRANSLATE_NOOP("ListColumns", "DiSEqC"), 60, kCentre},
    {QT_TRANSLATE_NOOP("ListColumns", "Satellite"), 200, kLeft},
    {QT_TRANSLATE_NOOP("ListColumns", "22 khz"), 60, kCentre},
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
