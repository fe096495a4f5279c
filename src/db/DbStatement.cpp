#include "DbStatement.h"

#include <charconv>
#include <cstdlib>
#include <cstring>

namespace dbutil {

std::string IdList(std::span<const int32_t> ids) {
    std::string list = "(";
    for (size_t i = 0; i < ids.size(); ++i) {
        list.append(i == 0 ? "" : ",").append(std::to_string(ids[i]));
    }
    return list + ")";
}

std::string IdArray(std::span<const int32_t> ids) {
    std::string list = IdList(ids);
    list.front() = '[';
    list.back() = ']';
    return "'" + list + "'";
}

std::string IdSet(std::span<const int32_t> ids) {
    return "(SELECT value FROM json_each(" + IdArray(ids) + "))";
}

int32_t ReadInt(const char* text) {
    if (text == nullptr) {
        return 0;
    }
    // strtoll parses exactly what atoi does; the cast keeps the low 32 bits where
    // atoi itself would be undefined.
    return static_cast<int32_t>(std::strtoll(text, nullptr, 10));
}

void CopyFixedText(char* buffer, size_t size, const char* text) {
    if (size == 0) {
        return;
    }
    std::memset(buffer, 0, size);
    if (text == nullptr) {
        return;
    }
    std::strncpy(buffer, text, size - 1);
}

namespace {

constexpr ptrdiff_t kNullValue = -1;

} // namespace

int ResultTable::Run(sqlite3* db, const char* sql) {
    Release();
    if (sql == nullptr) {
        return SQLITE_NOMEM;
    }
    // Offsets into m_texts while it grows; pointers are made once it is complete.
    std::vector<ptrdiff_t> offsets;
    const char* next = sql;
    while (next != nullptr && *next != '\0') {
        PreparedStatement statement;
        const char* tail = nullptr;
        if (const int rc = Prepare(db, next, statement, &tail); rc != SQLITE_OK) {
            Release();
            return rc;
        }
        next = tail;
        if (statement == nullptr) {
            continue; // only blanks or a comment
        }
        if (const int rc = RunOne(statement.get(), offsets); rc != SQLITE_OK) {
            Release();
            return rc;
        }
    }
    m_values.reserve(offsets.size());
    for (const ptrdiff_t offset : offsets) {
        m_values.push_back(offset == kNullValue ? nullptr : m_texts.data() + offset);
    }
    if (m_values.empty()) {
        m_cols = 0;
    }
    return SQLITE_OK;
}

int ResultTable::RunOne(sqlite3_stmt* statement, std::vector<ptrdiff_t>& offsets) {
    const int cols = sqlite3_column_count(statement);
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        if (m_cols == 0) {
            m_cols = cols;
            for (int col = 0; col < cols; ++col) {
                Append(sqlite3_column_name(statement, col), offsets);
            }
        } else if (cols != m_cols) {
            return SQLITE_ERROR;
        }
        for (int col = 0; col < cols; ++col) {
            // An integer is written out here rather than by SQLite, which would turn it
            // into text in its own buffer for the copy to be parsed back again.
            // One call into the connection per value: sqlite3_column_value takes its
            // lock once, where sqlite3_column_type and then a read would take it twice.
            sqlite3_value* value = sqlite3_column_value(statement, col);
            if (sqlite3_value_type(value) == SQLITE_INTEGER) {
                AppendInt(sqlite3_value_int64(value), offsets);
            } else {
                Append(reinterpret_cast<const char*>(sqlite3_value_text(value)), offsets);
            }
        }
        ++m_rows;
    }
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

void ResultTable::Append(const char* text, std::vector<ptrdiff_t>& offsets) {
    m_isInt.push_back(0);
    m_ints.push_back(0);
    if (text == nullptr) {
        offsets.push_back(kNullValue);
        return;
    }
    offsets.push_back(static_cast<ptrdiff_t>(m_texts.size()));
    m_texts.append(text);
    m_texts.push_back('\0');
}

void ResultTable::AppendInt(int64_t value, std::vector<ptrdiff_t>& offsets) {
    // The text SQLite gives an integer: plain decimal, a minus sign when negative.
    char digits[24];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    m_isInt.push_back(1);
    m_ints.push_back(value);
    offsets.push_back(static_cast<ptrdiff_t>(m_texts.size()));
    m_texts.append(digits, written.ptr);
    m_texts.push_back('\0');
}

void ResultTable::Release() {
    m_texts.clear();
    m_values.clear();
    m_isInt.clear();
    m_ints.clear();
    m_rows = 0;
    m_cols = 0;
}

} // namespace dbutil
