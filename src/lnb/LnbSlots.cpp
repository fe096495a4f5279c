#include "LnbSlots.h"

#include "db/RecordBlock.h"

#include <algorithm>
#include <memory>
#include <tuple>

void CLnbSlots::Clear() {
    for (Tuner& tuner : m_slots) {
        tuner.fill(LnbRecord{});
    }
    m_rowCounts.fill(0);
    for (auto& rows : m_overflow) {
        rows.clear();
    }
    m_readFailed = false;
}

int CLnbSlots::Load(CChannelDB& db) {
    Clear();
    int result = 0;
    for (int tuner = 0; tuner < kTuners; ++tuner) {
        RecordBlock<LnbRecord> rows;
        const int count = rows.Read(db, &CChannelDB::GetLnbList, static_cast<int16_t>(tuner));
        if (count < 0 && result == 0) {
            result = count;
        }
        for (int i = 0; i < count; ++i) {
            if (i < kSlots) {
                m_slots[tuner][i] = rows[i];
            } else {
                m_overflow[tuner].push_back(rows[i]);
            }
        }
        m_rowCounts[tuner] = count < 0 ? 0 : std::min(count, kSlots);
    }
    m_readFailed = result < 0;
    return result;
}

bool CLnbSlots::Save(CChannelDB& db) const {
    if (m_readFailed || db.BeginTransaction() != 0) {
        return false;
    }
    // Rows of a tuner the page does not show (another number, or none) are not its
    // to replace, so only the two tuners' own rows go.
    bool ok = true;
    for (int tuner = 0; ok && tuner < kTuners; ++tuner) {
        ok = db.DeleteLnbByTuner(static_cast<int16_t>(tuner)) == 0;
    }
    for (int tuner = 0; ok && tuner < kTuners; ++tuner) {
        for (int i = 0; ok && i < m_rowCounts[tuner]; ++i) {
            const LnbRecord& slot = m_slots[tuner][i];
            ok = slot.present != 1 || db.InsertLnbInfo(slot) == 0;
        }
        // The rows beyond the 20 slots follow the last slot: a lowered switch type
        // drops them with the slots it leaves out.
        if (m_rowCounts[tuner] == kSlots) {
            for (const LnbRecord& row : m_overflow[tuner]) {
                ok = ok && db.InsertLnbInfo(row) == 0;
            }
        }
    }
    if (ok && db.CommitTransaction() == 0) {
        return true;
    }
    CChannelDB::Rollback();
    return false;
}

namespace {

bool SameSlot(const LnbRecord& a, const LnbRecord& b) {
    const auto fields = [](const LnbRecord& r) {
        return std::tie(r.tuner_id, r.connection, r.sat_id, r.local_freq1, r.local_freq2, r.lnb_type, r.motor_mode,
                        r.diseqc10_port, r.diseqc11_port, r.tone_22k, r.nit_id, r.present);
    };
    return fields(a) == fields(b);
}

} // namespace

bool CLnbSlots::SameAs(const CLnbSlots& other) const {
    for (int tuner = 0; tuner < kTuners; ++tuner) {
        if (m_rowCounts[tuner] != other.m_rowCounts[tuner]) {
            return false;
        }
        for (int slot = 0; slot < m_rowCounts[tuner]; ++slot) {
            if (!SameSlot(m_slots[tuner][slot], other.m_slots[tuner][slot])) {
                return false;
            }
        }
    }
    return true;
}

int CLnbSlots::LoadedConnection() const {
    for (int tuner = 0; tuner < kTuners; ++tuner) {
        if (m_rowCounts[tuner] > 0) {
            return m_slots[tuner][0].connection;
        }
    }
    return -1;
}

void CLnbSlots::SetConnection(uint8_t connection) {
    for (int tuner = 0; tuner < kTuners; ++tuner) {
        for (LnbRecord& slot : m_slots[tuner]) {
            slot.connection = connection;
        }
        for (LnbRecord& row : m_overflow[tuner]) {
            row.connection = connection;
        }
    }
}

void CLnbSlots::CopyFirstToSecond() {
    m_slots[1] = m_slots[0];
    for (LnbRecord& slot : m_slots[1]) {
        slot.tuner_id = 1;
    }
    m_rowCounts[1] = m_rowCounts[0];
    // Tuner 2 is replaced as a whole, rows it could not show included.
    m_overflow[1].clear();
}
