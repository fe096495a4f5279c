#pragma once
// What the channel list's find bar matches and which rows its filter shows, decided
// on the rows' texts as the list shows them (so a match is what the user reads) and,
// for the satellite and favourite filters, on ids read from the database once per
// application of the filter. No widgets here: COrvaneView applies the result.
#include "db/ChannelDB.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <unordered_set>
#include <vector>

class CRecordListModel;

// The find text: a row matches when its name, provider, service id or frequency (MHz)
// contains it, letters compared by their Unicode case folding.
bool ChannelRowMatches(const CRecordListModel& rows, int row, QStringView text);

// The same matching over all rows at once: the four searched cells of every row,
// case folded, in one text, so a keystroke is one fast search of that text instead
// of a case-insensitive comparison per cell. Rebuilt when the rows change.
class CChannelSearchIndex {
public:
    void Rebuild(const CRecordListModel& rows);
    // The rows that match `text`, ascending; every row for an empty text.
    std::vector<int> MatchingRows(QStringView text) const;

private:
    QString m_folded;
    std::vector<qsizetype> m_rowStart; // one past the end: m_folded.size()
};

struct ChannelFilterSettings {
    QString text;
    bool onlyMatches = false; // hide the rows the find text does not match
    bool tv = false;
    bool radio = false;
    bool locked = false;
    bool hidden = false;
    bool scrambled = false;
    bool notInFavourites = false;
    int satId = -1; // -1: any satellite

    // Whether any row can be hidden by these settings.
    bool Active() const;
};

class CChannelFilter {
public:
    // Reads the ids the settings need; false when the database refused. `textMatches`
    // (row -> matches the find text) is used for "Only matches".
    bool Load(CChannelDB& db, const ChannelFilterSettings& settings, std::vector<char> textMatches);
    bool Shows(const CRecordListModel& rows, int row) const;

private:
    ChannelFilterSettings m_settings;
    std::unordered_set<int32_t> m_onSatellite;
    std::unordered_set<int32_t> m_withoutFavourite;
    std::vector<char> m_textMatches;
};
