#pragma once
// Every connection on a receiver file is opened here, the same way for the editor and
// for orvane-cli, because a file traded on a forum or made by another editor can hold
// anything SQLite allows:
//   - triggers and views are never run (the receiver makes neither; a trigger would
//     change other rows on the editor's writes, a view could run without end); they
//     stay in the file as they are;
//   - defensive mode is on and the schema is not trusted, so the file's schema cannot
//     reach functions with side effects or corrupt the file through the connection;
//   - no text or blob may be longer than kMaxValueBytes (the receiver's texts are a few
//     bytes; whole files are copied and serialized by pages, which this does not limit);
//   - a statement that works longer than the time limit is stopped; the failure then
//     names the table it read.
// Plain C++ over SQLite, no Qt.
#include <sqlite3.h>

#include <string>
#include <vector>

namespace dbconn {

// The longest text or blob value a read may produce.
inline constexpr int kMaxValueBytes = 1 << 20;
// Processor time a statement may take before it is stopped, in milliseconds.
inline constexpr int kDefaultStatementMilliseconds = 4000;

// sqlite3_open_v2 followed by Guard. On failure *db may still need sqlite3_close, as
// with sqlite3_open_v2. Returns the SQLite result code.
int Open(const char* path, int flags, sqlite3** db);
// Applies the guards above to an open connection; SQLITE_OK or the failing code.
int Guard(sqlite3* db);

// The time limit of statements on guarded connections (tests shorten it).
void SetStatementMilliseconds(int milliseconds);

// The text of the last statement the time limit stopped on `db` ("the table
// ChannelInfo took too long to read ..."), empty when none was stopped.
std::string StoppedStatementText(sqlite3* db);

// The triggers and views of the main database, each as "trigger NAME" or "view NAME",
// in the order of the schema; the receiver makes none of them.
std::vector<std::string> ListTriggersAndViews(sqlite3* db);
// One English sentence telling that the editor does not run `objects`, empty when
// there are none.
std::string DescribeTriggersAndViews(const std::vector<std::string>& objects);

} // namespace dbconn
