#include "DbStatement.h"

#include <cstdlib>
#include <cstring>

namespace dbutil {

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

int ResultTable::Run(sqlite3* db, const char* sql) {
    Release();
    if (sql == nullptr) {
        return SQLITE_NOMEM;
    }
    return sqlite3_get_table(db, sql, &m_values, &m_rows, &m_cols, nullptr);
}

void ResultTable::Release() {
    if (m_values != nullptr) {
        sqlite3_free_table(m_values);
    }
    m_values = nullptr;
    m_rows = 0;
    m_cols = 0;
}

} // namespace dbutil
