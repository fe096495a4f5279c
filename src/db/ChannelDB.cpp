#include "ChannelDB.h"

#include "ReceiverConnection.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

sqlite3* g_db = nullptr;
int16_t g_dbModified = 0;

namespace {

void TraceToStderr(const char* line) {
    std::fputs(line, stderr);
}

DbDiagnosticSink InitialSink() {
    return std::getenv("ORVANE_DB_TRACE") != nullptr ? &TraceToStderr : nullptr;
}

DbDiagnosticSink g_diagnosticSink = InitialSink();
DbWriteHook g_writeHook = nullptr;

std::string g_lastErrorText;

void RememberError(int rc) {
    // A statement stopped for taking too long says which table it read.
    if (std::string stopped = rc == SQLITE_INTERRUPT ? dbconn::StoppedStatementText(g_db) : std::string();
        !stopped.empty()) {
        g_lastErrorText = std::move(stopped);
        return;
    }
    g_lastErrorText = g_db != nullptr ? sqlite3_errmsg(g_db) : sqlite3_errstr(rc);
}

} // namespace

void SetDbDiagnosticSink(DbDiagnosticSink sink) {
    g_diagnosticSink = sink;
}

void SetDbWriteHook(DbWriteHook hook) {
    g_writeHook = hook;
}

const char* LastDbErrorText() {
    return g_lastErrorText.c_str();
}

int CChannelDB::RefuseUnfit(const std::string& what) {
    LogDbError("value does not fit: %s\n", what.c_str());
    g_lastErrorText = what;
    return kValueDoesNotFit;
}

int CChannelDB::CheckSigned16(int32_t id, const char* what) {
    return id >= INT16_MIN && id <= INT16_MAX ? 0 : RefuseUnfit(std::string(what) + " " + std::to_string(id));
}

int CChannelDB::CheckUnsigned16(int32_t id, const char* what) {
    return id >= 0 && id <= UINT16_MAX ? 0 : RefuseUnfit(std::string(what) + " " + std::to_string(id));
}

void CChannelDB::LogDbError(const char* format, ...) {
    // vsnprintf cuts a longer line at 255 characters and always terminates it.
    char line[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    if (g_diagnosticSink != nullptr) {
        g_diagnosticSink(line);
    }
}

int CChannelDB::ExecSql(const char* sql, const char* diagnostic) {
    if (g_writeHook != nullptr && g_db != nullptr) {
        g_writeHook();
    }
    const int rc = sql != nullptr ? sqlite3_exec(g_db, sql, nullptr, nullptr, nullptr) : SQLITE_NOMEM;
    if (rc == SQLITE_OK) {
        return 0;
    }
    RememberError(rc);
    if (diagnostic != nullptr) {
        LogDbError(diagnostic, rc);
    }
    return -rc;
}

int CChannelDB::QuerySql(dbutil::ResultTable& table, const char* sql, const char* diagnostic) {
    const int rc = table.Run(g_db, sql);
    if (rc == SQLITE_OK) {
        return 0;
    }
    RememberError(rc);
    if (diagnostic != nullptr) {
        LogDbError(diagnostic, rc);
    }
    return -rc;
}

int CChannelDB::QueryNextId(const char* sql, int noRowValue) {
    dbutil::ResultTable table;
    if (const int rc = QuerySql(table, sql); rc != 0) {
        return rc;
    }
    return table.Rows() > 0 ? table.Int(0, 0) : noRowValue;
}

int CChannelDB::BeginTransaction() {
    return ExecSql("BEGIN");
}

int CChannelDB::CommitTransaction() {
    return ExecSql("COMMIT");
}

void CChannelDB::Rollback() {
    sqlite3_exec(g_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

int CChannelDB::CheckSchemaRevision() {
    dbutil::ResultTable table;
    const int rc = table.Run(g_db, "select value from options where name='schema_revision'");
    if (rc != SQLITE_OK) {
        LogDbError(kSqliteError, rc);
        return 1;
    }
    if (table.Rows() != 1 || table.Cols() != 1) {
        LogDbError("unexpected row., col. number.(%d,%d)\n", table.Rows(), table.Cols());
        return 1;
    }
    const char* value = table.Value(0, 0);
    if (value == nullptr) {
        LogDbError("\"%s\" is not mine.\n", "(null)");
        LogDbError("expecting \"%s\".\n", kSchemaRevision);
        return 1;
    }
    const int difference = std::strcmp(value, kSchemaRevision);
    if (difference != 0) {
        LogDbError("\"%s\" is not mine.\n", value);
        LogDbError("expecting \"%s\".\n", kSchemaRevision);
    }
    return difference;
}
