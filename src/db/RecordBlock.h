#pragma once
// RecordBlock: owns the block of records that one of CChannelDB's list reads
// (GetSatList, GetNitListBySat, GetChannelList, ...) hands back through its Record**
// argument, and knows how many rows it holds. The layer allocates the block with
// new[] and leaves its release to the caller; every caller keeps it here, so that no
// early return leaks it and a failed read holds no rows.
#include "ChannelDB.h"

#include <cstddef>
#include <memory>

template <typename Record> class RecordBlock {
public:
    RecordBlock() = default;

    // Runs one list read of `db`, for example Read(db, &CChannelDB::GetLnbList, tuner),
    // and owns what it returned in place of any earlier block. Returns the read's
    // result: the row count, or the negated code.
    template <typename Operation, typename... Args> int Read(CChannelDB& db, Operation operation, Args... args) {
        Record* list = nullptr;
        m_result = (db.*operation)(args..., &list);
        m_rows.reset(list);
        return m_result;
    }

    // What the last read returned (0 before the first).
    int Result() const { return m_result; }
    bool Failed() const { return m_result < 0; }
    // The number of rows held: none after a failed read.
    int Count() const { return m_result > 0 ? m_result : 0; }

    Record& operator[](int row) const { return m_rows[static_cast<size_t>(row)]; }
    Record* begin() const { return m_rows.get(); }
    Record* end() const { return m_rows.get() + Count(); }

private:
    std::unique_ptr<Record[]> m_rows;
    int m_result = 0;
};
