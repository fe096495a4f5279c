#pragma once
// What a file must pass before it is sent to the receiver, which replaces its own list
// with whatever it gets: the receiver's schema revision, its table layout, SQLite's
// integrity check, rows that can be counted, and channel and LNB rows whose values fit
// the receiver's fixed-width records. `orvane-cli check` runs the same checks.
//
// Plain C++ over SQLite, no Qt.
#include <sqlite3.h>

#include <string>
#include <vector>

namespace transfer {

// The receiver's tables, in the order `check` lists them.
extern const char* const kReceiverTables[11];

// The problems of the database open on `db`, in the order found; empty when it passes.
// Runs through CChannelDB with `db` as g_db for the duration of the call.
std::vector<std::string> ReceiverDbProblems(sqlite3* db);

// Opens `path` read-only and checks it; a file that does not open is a problem too.
std::vector<std::string> ReceiverFileProblems(const std::string& path);

} // namespace transfer
