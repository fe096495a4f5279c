#pragma once
// RAII wrappers for the SQLite resources the layer handles: the text of a statement
// formatted by sqlite3_mprintf, a prepared statement, and a query's result as a table
// of texts. Each is released on every path, so no early return can leak one.
#include <sqlite3.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace dbutil {

// C atoi semantics (blanks, sign, digits; anything else ends the number; no digits
// gives 0), without atoi's undefined behaviour on overflow: the value keeps its low
// 32 bits. NULL reads as 0.
int32_t ReadInt(const char* text);

// Copies at most size - 1 characters into a zero-filled buffer; NULL reads as empty.
void CopyFixedText(char* buffer, size_t size, const char* text);

template <size_t N> void CopyFixedText(char (&buffer)[N], const char* text) {
    CopyFixedText(buffer, N, text);
}

// "(1,2,3)": ids as an SQL list for IN; integers need no quoting.
std::string IdList(std::span<const int32_t> ids);

// The same ids as a JSON array text in quotes ('[1,2,3]'), for json_each: SQLite
// parses one string instead of thousands of numbers.
std::string IdArray(std::span<const int32_t> ids);
// A subquery over IdArray, for `IN`.
std::string IdSet(std::span<const int32_t> ids);

// A statement text made by sqlite3_mprintf ('%q' doubles apostrophes).
class SqlStatement {
public:
    template <typename... Args>
    explicit SqlStatement(const char* format, Args... args) : m_text(sqlite3_mprintf(format, args...)) {}

    const char* Text() const { return m_text.get(); }

private:
    struct Free {
        void operator()(char* text) const { sqlite3_free(text); }
    };
    std::unique_ptr<char, Free> m_text;
};

// A prepared statement, finalized when its owner goes.
struct FinalizeStatement {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using PreparedStatement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

// Prepares the first statement of `sql` into `statement`, which holds null when the
// preparing fails or `sql` is only blanks or a comment; `tail` (unless null) receives
// where the next statement begins. Returns the SQLite result code.
inline int Prepare(sqlite3* db, const char* sql, PreparedStatement& statement, const char** tail = nullptr) {
    sqlite3_stmt* raw = nullptr;
    const int rc = sqlite3_prepare_v2(db, sql, -1, &raw, tail);
    statement.reset(raw);
    return rc;
}

// A query's result as sqlite3_get_table gives it (every value as text, NULL as a
// null pointer, row 0 the first data row after a header of column names), read by
// position. The texts are gathered in one buffer rather than one allocation per
// value, which is most of the cost of reading a 20,000-channel list.
class ResultTable {
public:
    ResultTable() = default;
    ResultTable(const ResultTable&) = delete;
    ResultTable& operator=(const ResultTable&) = delete;

    // Runs the statements of `sql` in turn; returns the SQLite result code. Like
    // sqlite3_get_table, results of differing widths are an error.
    int Run(sqlite3* db, const char* sql);

    int Rows() const { return m_rows; }
    int Cols() const { return m_cols; }
    // Null (read as 0 or empty) for a place the result does not have: a table with
    // fewer columns than a read expects must not make it read past its row.
    const char* Value(int row, int col) const {
        if (row < 0 || row >= m_rows || col < 0 || col >= m_cols) {
            return nullptr;
        }
        return m_values[static_cast<size_t>((row + 1) * m_cols + col)];
    }
    // A stored integer is kept as SQLite gave it, so reading it needs no text parse
    // (the same value ReadInt gives for its text: the low 32 bits).
    int32_t Int(int row, int col) const {
        if (row >= 0 && row < m_rows && col >= 0 && col < m_cols) {
            const size_t at = static_cast<size_t>((row + 1) * m_cols + col);
            if (m_isInt[at] != 0) {
                return static_cast<int32_t>(m_ints[at]);
            }
        }
        return ReadInt(Value(row, col));
    }
    template <size_t N> void Text(int row, int col, char (&buffer)[N]) const {
        CopyFixedText(buffer, N, Value(row, col));
    }
    // The name of a column, null for one the result does not have or without rows.
    const char* ColumnName(int col) const {
        return col >= 0 && col < m_cols && !m_values.empty() ? m_values[static_cast<size_t>(col)] : nullptr;
    }
    // The value right after a one-name header, as the single-value lookups read it.
    const char* FirstValue() const { return Value(0, 0); }

private:
    void Release();
    int RunOne(sqlite3_stmt* statement, std::vector<ptrdiff_t>& offsets);
    void Append(const char* text, std::vector<ptrdiff_t>& offsets);
    void AppendInt(int64_t value, std::vector<ptrdiff_t>& offsets);

    std::string m_texts;
    std::vector<const char*> m_values;
    // Per value (header included): whether it was stored as an integer, and that integer.
    std::vector<uint8_t> m_isInt;
    std::vector<int64_t> m_ints;
    int m_rows = 0;
    int m_cols = 0;
};

} // namespace dbutil
