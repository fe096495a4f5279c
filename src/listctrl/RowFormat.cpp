#include "RowFormat.h"

#include <QCoreApplication>

#include <cstdio>
#include <span>

namespace {

// Word of `code` in `words`, empty for a code outside the table.
QString WordOf(std::span<const char* const> words, int code) {
    if (code < 0 || static_cast<size_t>(code) >= words.size()) {
        return {};
    }
    // The words the table marks are translated; the others are the same in every language.
    return QCoreApplication::translate("RowFormat", words[static_cast<size_t>(code)]);
}

constexpr const char* kFecWords[] = {"", "1/2", "2/3", "3/4", "5/6", "7/8"};
constexpr const char* kLnbTypeWords[] = {"C_LNB", "Ku_LNB", "UNIV_LNB"};
constexpr const char* kDiseqc10Words[] = {
    "-", "A", "B", "C", "D", QT_TRANSLATE_NOOP("RowFormat", "mini A"), QT_TRANSLATE_NOOP("RowFormat", "mini B")};
constexpr const char* kDiseqc11Words[] = {"-", "A", "B", "C", "D"};
constexpr const char* kToneWords[] = {QT_TRANSLATE_NOOP("RowFormat", "OFF"), QT_TRANSLATE_NOOP("RowFormat", "ON"),
                                      QT_TRANSLATE_NOOP("RowFormat", "AUTO")};

// The flag letters in their fixed order L, S, H, written into `letters`.
QStringView FlagText(const ChannelRecord& channel, char16_t (&letters)[3]) {
    qsizetype count = 0;
    if (channel.lock != 0) {
        letters[count++] = u'L';
    }
    if (channel.cas_type != 0) {
        letters[count++] = u'S';
    }
    if (channel.hide != 0) {
        letters[count++] = u'H';
    }
    return QStringView(letters, count);
}

} // namespace

QString FrequencyText(int32_t frequencyKHz) {
    return QString::number(frequencyKHz / 1000);
}

QString PositionText(int32_t position) {
    // The receiver's own list computes the degrees in single precision; doing the
    // same keeps every rounding of the last digit identical.
    const bool east = position >= 0;
    const int64_t tenths = east ? int64_t{position} : -int64_t{position};
    const float degrees = static_cast<float>(tenths) * 0.1f;
    char text[32];
    std::snprintf(text, sizeof text, east ? "E%6.1f" : "W%6.1f", static_cast<double>(degrees));
    return QString::fromLatin1(text);
}

QString PolarityText(int32_t pol) {
    return pol != 0 ? QCoreApplication::translate("RowFormat", "Horizontal")
                    : QCoreApplication::translate("RowFormat", "Vertical");
}

QString FecText(int32_t fec) {
    return WordOf(kFecWords, fec);
}

QString DiseqcText(const LnbRecord& lnb) {
    if (lnb.motor_mode != 0) {
        return lnb.motor_mode == 1 ? QStringLiteral("1.2") : QStringLiteral("1.3");
    }
    return WordOf(kDiseqc10Words, lnb.diseqc10_port) + QStringLiteral(" / ") +
           WordOf(kDiseqc11Words, lnb.diseqc11_port);
}

CRowTexts ChannelRowTexts(const ChannelRecord& channel, const ChannelLinks& links) {
    CRowTexts row;
    row.Reserve(96);
    row.AppendNumber(channel.ch_order);
    row.AppendField(channel.name);
    row.Append(channel.media_mode != 0 ? u"Radio" : u"TV");
    row.Append(links.satName);
    row.AppendNumber(links.frequency / 1000);
    row.AppendNumber(links.symbolRate);
    row.Append(links.pol != 0 ? u"H" : u"V");
    row.AppendNumber(channel.pg_id);
    row.AppendNumber(channel.video_pid);
    row.AppendNumber(channel.audio_pid);
    row.AppendNumber(channel.pcr_pid);
    row.AppendNumber(channel.pmt_pid);
    char16_t letters[3];
    row.Append(FlagText(channel, letters));
    row.Append(links.providerName);
    return row;
}

CRowTexts SatRowTexts(const SatRecord& sat) {
    CRowTexts row;
    row.AppendNumber(sat.sat_seq);
    row.AppendField(sat.name);
    row.Append(PositionText(sat.position));
    return row;
}

CRowTexts TpRowTexts(const NitRecord& nit) {
    CRowTexts row;
    row.Append(FrequencyText(nit.frequency));
    row.AppendNumber(nit.symbol_rate);
    row.Append(PolarityText(nit.pol));
    row.Append(FecText(nit.fec));
    return row;
}

CRowTexts LnbRowTexts(int slot, const LnbRecord& lnb, const QString& satName) {
    CRowTexts row;
    row.AppendNumber(slot + 1);
    if (lnb.present == 0) {
        const QString noData = QCoreApplication::translate("RowFormat", "No data");
        for (const QString& cell : {noData, noData, QStringLiteral("-"), noData, QStringLiteral("-")}) {
            row.Append(cell);
        }
        return row;
    }
    row.Append(WordOf(kLnbTypeWords, lnb.lnb_type));
    row.AppendNumber(lnb.local_freq1);
    row.Append(DiseqcText(lnb));
    row.Append(satName);
    row.Append(WordOf(kToneWords, lnb.tone_22k));
    return row;
}
