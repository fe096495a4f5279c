#include "ChannelFilter.h"

#include "listctrl/ListColumns.h"
#include "listctrl/RecordListModel.h"

#include <algorithm>
#include <vector>

namespace {

bool Contains(QStringView cell, QStringView text) {
    return cell.contains(text, Qt::CaseInsensitive);
}

std::unordered_set<int32_t> ToSet(const std::vector<int32_t>& ids) {
    return {ids.begin(), ids.end()};
}

} // namespace

bool ChannelRowMatches(const CRecordListModel& rows, int row, QStringView text) {
    if (text.isEmpty()) {
        return true;
    }
    // Most rows hold the text in no cell at all: one search over the whole row rules
    // them out before the four cells are looked up one by one.
    if (!Contains(rows.RowView(row), text)) {
        return false;
    }
    for (const int column :
         {kChannelServiceColumn, kChannelProviderColumn, kChannelSidColumn, kChannelFrequencyColumn}) {
        if (Contains(rows.CellView(row, column), text)) {
            return true;
        }
    }
    return false;
}

bool ChannelFilterSettings::Active() const {
    return (onlyMatches && !text.isEmpty()) || tv || radio || locked || hidden || scrambled || notInFavourites ||
           satId >= 0;
}

void CChannelSearchIndex::Rebuild(const CRecordListModel& rows) {
    m_folded.clear();
    m_rowStart.clear();
    const int count = rows.rowCount();
    m_rowStart.reserve(static_cast<size_t>(count) + 1);
    QString row;
    for (int r = 0; r < count; ++r) {
        row.clear();
        for (const int column :
             {kChannelServiceColumn, kChannelProviderColumn, kChannelSidColumn, kChannelFrequencyColumn}) {
            row += rows.CellView(r, column);
            row += QChar(u'\0'); // no typed text holds it, so no match spans two cells
        }
        m_rowStart.push_back(m_folded.size());
        m_folded += row.toCaseFolded();
    }
    m_rowStart.push_back(m_folded.size());
}

std::vector<int> CChannelSearchIndex::MatchingRows(QStringView text) const {
    std::vector<int> rows;
    const int count = static_cast<int>(m_rowStart.size()) - 1;
    if (text.isEmpty()) {
        for (int row = 0; row < count; ++row) {
            rows.push_back(row);
        }
        return rows;
    }
    const QString needle = text.toString().toCaseFolded();
    const QStringView all(m_folded);
    for (qsizetype at = all.indexOf(needle); at >= 0;) {
        const auto next = std::upper_bound(m_rowStart.begin(), m_rowStart.end(), at);
        rows.push_back(static_cast<int>(next - m_rowStart.begin()) - 1);
        // On to the next row: one hit is enough for a row.
        at = next == m_rowStart.end() ? -1 : all.indexOf(needle, *next);
    }
    return rows;
}

bool CChannelFilter::Load(CChannelDB& db, const ChannelFilterSettings& settings, std::vector<char> textMatches) {
    m_settings = settings;
    m_textMatches = std::move(textMatches);
    m_onSatellite.clear();
    m_withoutFavourite.clear();
    std::vector<int32_t> ids;
    if (settings.satId >= 0) {
        if (db.GetChannelIdsBySat(settings.satId, ids) < 0) {
            return false;
        }
        m_onSatellite = ToSet(ids);
    }
    if (settings.notInFavourites) {
        if (db.GetChannelIdsWithoutFav(ids) < 0) {
            return false;
        }
        m_withoutFavourite = ToSet(ids);
    }
    return true;
}

bool CChannelFilter::Shows(const CRecordListModel& rows, int row) const {
    const ChannelFilterSettings& s = m_settings;
    // TV and Radio each narrow the list to their kind; both together show either.
    if (s.tv != s.radio) {
        const bool radio = rows.CellView(row, kChannelTypeColumn) == QLatin1String("Radio");
        if (radio != s.radio) {
            return false;
        }
    }
    const QStringView flags = rows.CellView(row, kChannelFlagColumn);
    if ((s.locked && !flags.contains(u'L')) || (s.scrambled && !flags.contains(u'S')) ||
        (s.hidden && !flags.contains(u'H'))) {
        return false;
    }
    const int32_t id = rows.RowId(row);
    if ((s.satId >= 0 && !m_onSatellite.contains(id)) || (s.notInFavourites && !m_withoutFavourite.contains(id))) {
        return false;
    }
    return !s.onlyMatches || s.text.isEmpty() ||
           (static_cast<size_t>(row) < m_textMatches.size() && m_textMatches[static_cast<size_t>(row)] != 0);
}
