#pragma once
// Direct SQL on the open file (g_db), outside the layer, so tests arrange rows and
// check what was stored rather than what the code under test reports. Plain C++:
// the plain tests and the GUI tests share it.
#include <string>
#include <vector>

namespace testsql {

// Runs `sql`; false when SQLite refuses it, with its message in `error` if given.
bool Exec(const std::string& sql, std::string* error = nullptr);
// The first value of the first row; `none` when the query fails or yields no row.
int QueryInt(const std::string& sql, int none = -999);
// The first value of the first row; empty when the query fails, yields no row or NULL.
std::string QueryText(const std::string& sql);
// The first value of every row; empty when the query fails.
std::vector<std::string> QueryColumn(const std::string& sql);

} // namespace testsql
