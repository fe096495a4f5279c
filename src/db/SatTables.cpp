// Satellites, transponders and LNB settings.
#include "ChannelDB.h"
#include "RecordRows.h"

#include <cstring>

namespace {

// A transaction the operation opened itself: ended with "ROLLBACK" unless it was
// committed, so a failure midway leaves every table as it was and no later statement
// runs inside a forgotten transaction. When "BEGIN" fails (a caller's transaction is
// already open, against the contract) the caller's transaction is left to the caller.
class OwnTransaction {
public:
    explicit OwnTransaction(CChannelDB& db) : m_db(db), m_open(db.BeginTransaction() == 0) {}
    ~OwnTransaction() {
        if (m_open) {
            CChannelDB::Rollback();
        }
    }
    OwnTransaction(const OwnTransaction&) = delete;
    OwnTransaction& operator=(const OwnTransaction&) = delete;

    int Commit() {
        if (!m_open) {
            return 0;
        }
        const int rc = m_db.CommitTransaction();
        if (rc == 0) {
            m_open = false;
        }
        return rc;
    }

private:
    CChannelDB& m_db;
    bool m_open;
};

} // namespace

// Satellites.

int CChannelDB::InsertSatInfo(const SatRecord& sat) {
    return Execute(kSqliteError, "INSERT INTO SATInfo  values( %d, '%q', %d, %d, %d, %d, %d, %d)", sat.sat_id, sat.name,
                   sat.posi_index, sat.posi_index_org, sat.sat_seq, sat.position, sat.position_org, sat.added);
}

int CChannelDB::UpdateSatInfo(int32_t satId, const SatRecord& sat) {
    if (const int rc = CheckSigned16(satId, "SAT_ID"); rc != 0) {
        return rc;
    }
    return Execute(kSqliteError,
                   "update satinfo set Name = '%q', posi_index = %d, posi_index_org = %d, SAT_seq = %d, position = "
                   "%d, position_org = %d, added = %d where sat_id = %d",
                   sat.name, sat.posi_index, sat.posi_index_org, sat.sat_seq, sat.position, sat.position_org, sat.added,
                   satId);
}

int CChannelDB::GetNewSatId() {
    return QueryNextId("SELECT coalesce(max(SAT_ID),0) + 1 FROM SATInfo", 0);
}

int CChannelDB::GetNewSatSeq() {
    return QueryNextId("SELECT coalesce(max(SAT_seq),0) + 1 FROM SATInfo", 0);
}

int CChannelDB::GetSatList(SatRecord** list) {
    dbutil::ResultTable table;
    if (const int rc =
            Query(table, kSqliteError, "SELECT SAT_ID, Name, position, SAT_seq FROM SATInfo ORDER BY SAT_seq");
        rc != 0) {
        return rc;
    }
    return ReadList(table, list, [&table](SatRecord& sat, int row) {
        sat.sat_id = table.Int(row, 0);
        table.Text(row, 1, sat.name);
        sat.position = table.Int(row, 2);
        sat.sat_seq = table.Int(row, 3);
    });
}

int CChannelDB::GetSatInfo(int32_t satId, SatRecord& sat) {
    if (const int rc = CheckSigned16(satId, "SAT_ID"); rc != 0) {
        return rc;
    }
    dbutil::ResultTable table;
    if (const int rc = Query(table, kSqliteError, "SELECT * FROM SATInfo WHERE SAT_ID = %d", satId); rc != 0) {
        return rc;
    }
    std::memset(&sat, 0, sizeof sat);
    if (table.Rows() > 0) {
        sat.sat_id = table.Int(0, 0);
        table.Text(0, 1, sat.name);
        sat.posi_index = table.Int(0, 2);
        sat.posi_index_org = table.Int(0, 3);
        sat.sat_seq = table.Int(0, 4);
        sat.position = table.Int(0, 5);
        sat.position_org = table.Int(0, 6);
        sat.added = table.Int(0, 7);
    }
    return table.Rows();
}

int CChannelDB::DeleteSat(int32_t satId) {
    if (const int rc = CheckSigned16(satId, "SAT_ID"); rc != 0) {
        return rc;
    }
    OwnTransaction transaction(*this);
    for (const char* format : {"Delete FROM SATInfo WHERE SAT_ID = %d", "DELETE FROM NITInfo WHERE SAT_ID = %d",
                               "DELETE FROM LNBInfo WHERE SAT_ID = %d"}) {
        if (const int rc = Execute(kSqliteError, format, satId); rc != 0) {
            return rc;
        }
    }
    dbutil::ResultTable channels;
    if (const int rc = Query(channels, kSqliteError, "SELECT CH_ID FROM ChannelInfo WHERE SAT_ID = %d", satId);
        rc != 0) {
        // Keeping the satellite's channels while their satellite is gone would leave
        // orphans behind a success; the whole delete is undone instead.
        return rc;
    }
    for (int row = 0; row < channels.Rows(); ++row) {
        if (const int rc = DeleteChannelRows(channels.Int(row, 0)); rc != 0) {
            return rc;
        }
    }
    return transaction.Commit();
}

int CChannelDB::SwapSatSeq(int32_t seqA, int32_t seqB) {
    if (const int rc = CheckUnsigned16(seqA, "SAT_seq"); rc != 0) {
        return rc;
    }
    if (const int rc = CheckUnsigned16(seqB, "SAT_seq"); rc != 0) {
        return rc;
    }
    // A step that fails is reported, so the caller's transaction is rolled back rather
    // than committed with a satellite parked at 2000.
    if (const int rc = Execute(nullptr, "UPDATE SATInfo SET SAT_seq = 2000 WHERE SAT_seq = %d", seqA); rc != 0) {
        return rc;
    }
    if (const int rc = Execute(nullptr, "UPDATE SATInfo SET SAT_seq = %d WHERE SAT_seq = %d", seqA, seqB); rc != 0) {
        return rc;
    }
    return Execute(nullptr, "UPDATE SATInfo SET SAT_seq = %d WHERE SAT_seq = 2000", seqB);
}

// Transponders.

int CChannelDB::GetTpParams(int32_t nitId, NitRecord& nit) {
    if (const int rc = CheckSigned16(nitId, "NIT_ID"); rc != 0) {
        return rc;
    }
    dbutil::ResultTable table;
    if (const int rc =
            Query(table, kSqliteError, "SELECT Symbol_Rate, Frequency, POL FROM NITInfo WHERE NIT_ID = %d", nitId);
        rc != 0) {
        return rc;
    }
    if (table.Rows() == 0) {
        std::memset(&nit, 0, sizeof nit);
        return 0;
    }
    nit.symbol_rate = table.Int(0, 0);
    nit.frequency = table.Int(0, 1);
    nit.pol = table.Int(0, 2);
    return 0;
}

int CChannelDB::GetNitListBySat(int32_t satId, NitRecord** list) {
    if (const int rc = CheckSigned16(satId, "SAT_ID"); rc != 0) {
        return rc;
    }
    dbutil::ResultTable table;
    if (const int rc = Query(table, kSqliteError, "SELECT * FROM NITInfo WHERE SAT_ID = %d", satId); rc != 0) {
        return rc;
    }
    return ReadList(table, list, [&table](NitRecord& nit, int row) { dbrows::FillNit(table, row, nit); });
}

int CChannelDB::GetNitInfo(int32_t nitId, NitRecord& nit) {
    if (const int rc = CheckSigned16(nitId, "NIT_ID"); rc != 0) {
        return rc;
    }
    dbutil::ResultTable table;
    if (const int rc = Query(table, kSqliteError, "SELECT * FROM NITInfo WHERE NIT_ID = %d", nitId); rc != 0) {
        return rc;
    }
    std::memset(&nit, 0, sizeof nit);
    if (table.Rows() > 0) {
        dbrows::FillNit(table, 0, nit);
    }
    return table.Rows();
}

int CChannelDB::GetNewNitId() {
    return QueryNextId("SELECT coalesce(max(NIT_ID),0) + 1 FROM NITInfo", 0);
}

int CChannelDB::UpdateNitInfo(int32_t nitId, const NitRecord& nit) {
    if (const int rc = CheckSigned16(nitId, "NIT_ID"); rc != 0) {
        return rc;
    }
    return Execute("sqlite3 error: %d\n",
                   "UPDATE NITInfo SET sat_id = %d, symbol_rate = %d, frequency = %d, fec = %d, pol = %d, drift = "
                   "%d, ts_id = %d, network_id = %d, package_id = %d WHERE nit_id = %d",
                   nit.sat_id, nit.symbol_rate, nit.frequency, nit.fec, nit.pol, nit.drift, nit.ts_id, nit.network_id,
                   nit.package_id, nitId);
}

int CChannelDB::InsertNitInfo(NitRecord& nit) {
    dbutil::ResultTable table;
    if (const int rc = Query(table, kSqliteError, "SELECT coalesce(max(nit_id),0)+1 FROM NITInfo"); rc != 0) {
        return rc;
    }
    if (table.Rows() == 0) {
        LogDbError("get max id failed.\n");
        return -255;
    }
    nit.nit_id = table.Int(0, 0);
    return Execute("sqlite3 error (%d)\n", "INSERT INTO NITInfo values (%d, %d, %d, %d, %d, %d, %d, %d, %d, %d)",
                   nit.nit_id, nit.sat_id, nit.symbol_rate, nit.frequency, nit.fec, nit.pol, nit.drift, nit.ts_id,
                   nit.network_id, nit.package_id);
}

int CChannelDB::DeleteNit(int32_t nitId) {
    OwnTransaction transaction(*this);
    if (const int rc = Execute(nullptr, "DELETE FROM NITInfo WHERE NIT_ID = %d", nitId); rc != 0) {
        return rc;
    }
    dbutil::ResultTable channels;
    if (const int rc = Query(channels, nullptr, "SELECT CH_ID FROM ChannelInfo WHERE NIT_ID = %d", nitId); rc != 0) {
        return rc;
    }
    for (int row = 0; row < channels.Rows(); ++row) {
        if (DeleteChannelRows(channels.Int(row, 0)) != 0) {
            return -1;
        }
    }
    return transaction.Commit();
}

// LNB settings.

int CChannelDB::GetLnbList(int16_t tunerId, LnbRecord** list) {
    dbutil::ResultTable table;
    if (const int rc = Query(table, kSqliteError, "SELECT * FROM LNBInfo WHERE Tuner_ID = %d", tunerId); rc != 0) {
        return rc;
    }
    return ReadList(table, list, [&table](LnbRecord& lnb, int row) {
        const auto u8 = [&](int col) { return static_cast<uint8_t>(table.Int(row, col)); };
        const auto u16 = [&](int col) { return static_cast<uint16_t>(table.Int(row, col)); };
        lnb.tuner_id = u8(0);
        lnb.connection = u8(1);
        lnb.sat_id = u16(2);
        lnb.local_freq1 = u16(3);
        lnb.local_freq2 = u16(4);
        lnb.lnb_type = u8(5);
        lnb.motor_mode = u8(6);
        lnb.diseqc10_port = u8(7);
        lnb.diseqc11_port = u8(8);
        lnb.tone_22k = u8(9);
        lnb.nit_id = u16(10);
        lnb.present = 1;
    });
}

int CChannelDB::DeleteAllLnb() {
    return Execute(kSqliteError, "Delete FROM LNBInfo");
}

int CChannelDB::DeleteLnbByTuner(int16_t tunerId) {
    return Execute(kSqliteError, "DELETE FROM LNBInfo WHERE Tuner_ID = %d", tunerId);
}

int CChannelDB::InsertLnbInfo(const LnbRecord& lnb) {
    return Execute(kSqliteError, "INSERT INTO LNBInfo  VALUES(%d, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d)",
                   lnb.tuner_id, lnb.connection, lnb.sat_id, lnb.local_freq1, lnb.local_freq2, lnb.lnb_type,
                   lnb.motor_mode, lnb.diseqc10_port, lnb.diseqc11_port, lnb.tone_22k, lnb.nit_id);
}
