#pragma once
// CLnbSlots: the LNB settings of both tuners as the LNB view edits them, in memory
// until they are saved as a whole. Each tuner has 20 slots (one per switch entry)
// and a row count of slots in use; a slot whose `present` is 0 is empty.
#include "db/ChannelDB.h"

#include <array>
#include <cstdint>
#include <vector>

class CLnbSlots {
public:
    static constexpr int kTuners = 2;
    static constexpr int kSlots = 20;

    // Empties every slot and sets both row counts to 0.
    void Clear();
    // Loads the stored rows of both tuners (at most 20 each into the slots). Returns
    // 0, or the failing read's result; after a failure Save refuses, since it would
    // replace the stored rows with the ones that could not be read.
    int Load(CChannelDB& db);
    // Replaces the stored rows of both tuners with their slots in use, in one
    // transaction; false (and the stored rows as they were) when a statement fails.
    // Rows of any other tuner number are left as stored.
    bool Save(CChannelDB& db) const;

    LnbRecord& Slot(int tuner, int index) { return m_slots[tuner][index]; }
    const LnbRecord& Slot(int tuner, int index) const { return m_slots[tuner][index]; }
    int RowCount(int tuner) const { return m_rowCounts[tuner]; }
    void SetRowCount(int tuner, int count) { m_rowCounts[tuner] = count; }

    // The connection mode of the first stored row, -1 when neither tuner has rows.
    int LoadedConnection() const;
    // The connection mode goes into every slot of both tuners.
    void SetConnection(uint8_t connection);
    // Copies all tuner 1 slots and its row count over tuner 2.
    void CopyFirstToSecond();
    // True when both tuners use the same number of slots holding the same settings:
    // what Save would write is what `other` would write.
    bool SameAs(const CLnbSlots& other) const;
    // Empties one slot (every field 0).
    void ClearSlot(int tuner, int index) { m_slots[tuner][index] = LnbRecord{}; }

private:
    using Tuner = std::array<LnbRecord, kSlots>;
    std::array<Tuner, kTuners> m_slots{};
    std::array<int, kTuners> m_rowCounts{};
    // Stored rows beyond the 20 slots of a tuner: not shown, but written back as
    // they were while the tuner uses all 20 slots, so saving never drops rows the
    // view could not load unless the user lowered the switch type.
    std::array<std::vector<LnbRecord>, kTuners> m_overflow;
    bool m_readFailed = false;
};
