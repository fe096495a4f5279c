#pragma once
// How one database record becomes the cell texts of one list row, for every list
// kind. Pure functions: the looked-up parts of a channel row come in as arguments.
#include "RowTexts.h"
#include "db/DbRecords.h"

#include <QString>

#include <cstdint>

// What a channel row shows of its satellite, transponder and provider. A missing
// record leaves the defaults: empty names and a zero transponder ("0", "0", "V").
struct ChannelLinks {
    QString satName;
    int32_t frequency = 0; // kHz
    int32_t symbolRate = 0;
    int32_t pol = 0;
    QString providerName;
};

CRowTexts ChannelRowTexts(const ChannelRecord& channel, const ChannelLinks& links);
CRowTexts SatRowTexts(const SatRecord& sat);
CRowTexts TpRowTexts(const NitRecord& nit);
// `satName` is used only for a slot that holds a row.
CRowTexts LnbRowTexts(int slot, const LnbRecord& lnb, const QString& satName);

// Single cells that other views write on their own (the satellite and transponder
// views rewrite some cells of a row after an edit).
QString FrequencyText(int32_t frequencyKHz);
QString PositionText(int32_t position);
QString PolarityText(int32_t pol);
QString FecText(int32_t fec);
QString DiseqcText(const LnbRecord& lnb);

// A NUL-terminated name field as a string (UTF-8, or Latin-1 when it is not UTF-8).
template <size_t N> QString FieldText(const char (&field)[N]) {
    return DecodeStoredText(field, qstrnlen(field, N));
}
