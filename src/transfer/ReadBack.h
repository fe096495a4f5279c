#pragma once
// The read-back after a download: the database the receiver holds afterwards, fetched
// again, compared with the file that was sent. Receivers may store what they get in
// their own way (a VACUUM, another page size), so bytes that differ are no failure as
// long as every table holds the same rows; what differs is named by table and row.
//
// Plain C++ over SQLite, no Qt: the dialogs and orvane-cli share it.
#include <cstdint>
#include <string>

namespace transfer {

struct ReadBackOutcome {
    enum class Kind {
        Identical,  // the same bytes
        SameRows,   // other bytes, the same rows in every table
        Differs,    // a table or a row is not what was sent
        Unreadable, // one of the files does not open as a database
    };
    Kind kind = Kind::Unreadable;
    std::string table;  // Differs: the first table that differs
    int64_t row = 0;    // Differs: the rowid of its first differing row; 0 for the table itself
    std::string detail; // Differs, Unreadable: what exactly
};

// Compares the file that was sent with the one that was read back.
ReadBackOutcome CompareDatabases(const std::string& sentPath, const std::string& readPath);

// "identical", "same rows in every table (the receiver rewrote the file)", or the difference.
std::string DescribeReadBack(const ReadBackOutcome& outcome);

} // namespace transfer
