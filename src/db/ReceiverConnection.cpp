#include "ReceiverConnection.h"

#include "DbStatement.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <ctime>
#include <map>
#include <memory>
#include <mutex>

namespace dbconn {

namespace {

std::atomic<int> g_statementMilliseconds{kDefaultStatementMilliseconds};

// Processor time of this thread: a statement is judged by the work it does, not by
// how busy the rest of the machine is.
long long ThreadMilliseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// The time limit of one connection: when its running statement began, and what the
// last stopped one read.
struct Watch {
    long long started = 0;
    sqlite3_stmt* running = nullptr;
    std::string stopped;
};

// The watches by connection; an entry lives from Guard until SQLite closes the
// connection, which it reports to the trace callback.
std::mutex g_watchesMutex;
std::map<sqlite3*, std::unique_ptr<Watch>>& Watches() {
    static std::map<sqlite3*, std::unique_ptr<Watch>> watches;
    return watches;
}

// The table a statement reads or writes: the name after its first FROM, INTO or
// UPDATE outside parentheses (not the one of a subquery or a WITH clause), without
// quotes; empty when it names none.
std::string TableOf(const char* sql) {
    const std::string text = sql != nullptr ? sql : "";
    std::string words; // the text outside parentheses in capitals, the rest blanked
    int depth = 0;
    for (const char c : text) {
        depth += c == '(' ? 1 : 0;
        words += depth == 0 ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : ' ';
        depth -= c == ')' && depth > 0 ? 1 : 0;
    }
    const auto isBlank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    for (const std::string keyword : {"FROM", "INTO", "UPDATE"}) {
        for (size_t at = words.find(keyword); at != std::string::npos; at = words.find(keyword, at + 1)) {
            const size_t end = at + keyword.size();
            if ((at > 0 && !isBlank(words[at - 1])) || end >= words.size() || !isBlank(words[end])) {
                continue;
            }
            const size_t start = words.find_first_not_of(" \t\r\n", end);
            if (start == std::string::npos) {
                break;
            }
            const size_t stop = text.find_first_of(" \t\r\n,;()", start);
            std::string name = text.substr(start, stop == std::string::npos ? std::string::npos : stop - start);
            if (name.size() >= 2 && (name.front() == '"' || name.front() == '[' || name.front() == '`')) {
                name = name.substr(1, name.size() - 2);
            }
            return name;
        }
    }
    return {};
}

int OnTrace(unsigned type, void* context, void* statement, void* /*sql*/) {
    if (type == SQLITE_TRACE_CLOSE) {
        const std::lock_guard lock(g_watchesMutex);
        Watches().erase(static_cast<sqlite3*>(statement));
        return 0;
    }
    auto* watch = static_cast<Watch*>(context);
    watch->started = ThreadMilliseconds();
    watch->running = static_cast<sqlite3_stmt*>(statement);
    watch->stopped.clear();
    return 0;
}

int OnProgress(void* context) {
    auto* watch = static_cast<Watch*>(context);
    const int limit = g_statementMilliseconds.load();
    if (ThreadMilliseconds() - watch->started <= limit) {
        return 0;
    }
    const std::string table = watch->running != nullptr ? TableOf(sqlite3_sql(watch->running)) : std::string();
    const int seconds = (limit + 999) / 1000;
    watch->stopped = (table.empty() ? std::string("the DB") : "the table " + table) +
                     " took too long to read, so reading it was stopped after " + std::to_string(seconds) +
                     (seconds == 1 ? " second" : " seconds");
    return 1;
}

} // namespace

int Open(const char* path, int flags, sqlite3** db) {
    const int rc = sqlite3_open_v2(path, db, flags, nullptr);
    if (rc != SQLITE_OK || *db == nullptr) {
        return rc != SQLITE_OK ? rc : SQLITE_NOMEM;
    }
    return Guard(*db);
}

int Guard(sqlite3* db) {
    const std::pair<int, int> settings[] = {
        {SQLITE_DBCONFIG_ENABLE_TRIGGER, 0},
        {SQLITE_DBCONFIG_ENABLE_VIEW, 0},
        {SQLITE_DBCONFIG_DEFENSIVE, 1},
        {SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0},
    };
    for (const auto& [option, value] : settings) {
        int now = -1;
        if (const int rc = sqlite3_db_config(db, option, value, &now); rc != SQLITE_OK) {
            return rc;
        }
        if (now != value) {
            return SQLITE_ERROR;
        }
    }
    sqlite3_limit(db, SQLITE_LIMIT_LENGTH, kMaxValueBytes);

    Watch* watch = nullptr;
    {
        const std::lock_guard lock(g_watchesMutex);
        auto& slot = Watches()[db];
        if (slot == nullptr) {
            slot = std::make_unique<Watch>();
        }
        watch = slot.get();
    }
    if (const int rc = sqlite3_trace_v2(db, SQLITE_TRACE_STMT | SQLITE_TRACE_CLOSE, &OnTrace, watch); rc != SQLITE_OK) {
        return rc;
    }
    // Every few thousand virtual machine steps: often enough to stop in time, rarely
    // enough to cost nothing measurable.
    sqlite3_progress_handler(db, 4000, &OnProgress, watch);
    return SQLITE_OK;
}

void SetStatementMilliseconds(int milliseconds) {
    g_statementMilliseconds = milliseconds;
}

std::string StoppedStatementText(sqlite3* db) {
    const std::lock_guard lock(g_watchesMutex);
    const auto watch = Watches().find(db);
    return watch != Watches().end() ? watch->second->stopped : std::string();
}

std::vector<std::string> ListTriggersAndViews(sqlite3* db) {
    std::vector<std::string> objects;
    dbutil::PreparedStatement statement;
    if (dbutil::Prepare(db, "SELECT type, name FROM sqlite_master WHERE type IN ('trigger', 'view')", statement) ==
        SQLITE_OK) {
        while (sqlite3_step(statement.get()) == SQLITE_ROW) {
            const auto* type = reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), 0));
            const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), 1));
            objects.push_back(std::string(type != nullptr ? type : "") + " " + (name != nullptr ? name : ""));
        }
    }
    return objects;
}

std::string DescribeTriggersAndViews(const std::vector<std::string>& objects) {
    if (objects.empty()) {
        return {};
    }
    std::string list;
    for (const std::string& object : objects) {
        list.append(list.empty() ? "" : ", ").append(object);
    }
    return "holds triggers or views that the receiver does not make (" + list +
           "). The editor will not run them; they stay in the file as they are.";
}

} // namespace dbconn
