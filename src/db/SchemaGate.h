#pragma once
// The table layout check made when a file is opened, after its revision check.
//
// Every "SELECT *" result is read by column position and every insert gives its
// values by position, so a table with a column missing, or with a column added in
// front, would make the editor read (and write back) one column's value as another's.
// CheckTableLayout looks at the columns each table yields and reports the first
// difference from the receiver's stored layout:
//   - every table the editor uses must exist (ScheduleInfo and ScrambleInfo only need
//     a ch_id column, anywhere: the editor only deletes a channel's rows there);
//   - a table read by position has at least the receiver's number of columns;
//   - each column the receiver's layout names stands at its place (names compared
//     without regard to ASCII case, as SQLite compares them); the columns the layout
//     leaves unnamed are only counted;
//   - extra columns after the receiver's ones are accepted.
//
// Plain C++ over SQLite, no Qt: the document's open step and the command-line tools
// call it alike.
#include <sqlite3.h>

#include <string>

namespace dbschema {

// Empty when every table of `db` has the receiver's layout; otherwise one English
// sentence naming the table (and the column, where one is misplaced or missing),
// for example "The table SATInfo has 7 columns; the receiver's layout has 8." A
// table that cannot be read at all is reported with SQLite's error text.
std::string CheckTableLayout(sqlite3* db);

} // namespace dbschema
