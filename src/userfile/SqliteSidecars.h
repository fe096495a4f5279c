#pragma once
// What SQLite keeps beside a database file changes what a reader of the file sees: a
// hot rollback journal (a writer died mid-transaction) is rolled back into the file, and
// committed pages in a WAL file are read in place of the file's own. A plain byte copy
// of the file alone, or a new file renamed over it, misses both, so every copy the
// editor makes lets SQLite settle them first.
#include <string>

namespace filecopy {

// Removes the rollback journal, WAL and shared-memory files beside a database file,
// without asking SQLite: only for files whose contents no longer matter (a working copy
// about to be made afresh) or that SQLite has just settled.
bool RemoveSqliteSidecars(const std::string& databasePath, std::string* error);

// True when a rollback journal or a WAL file stands beside the database file.
bool HasSqliteSidecars(const std::string& databasePath);

// Lets SQLite settle what stands beside the database file: a hot journal is rolled back
// into it and a WAL is checkpointed in full, so the file alone then holds what SQLite
// reads; the emptied journal, WAL and shared-memory files are removed. Nothing to do
// without a journal or WAL. False with the reason in *error when SQLite cannot settle
// them (the file is no database, it is read-only, another program holds it).
bool ResolveSqliteSidecars(const std::string& databasePath, std::string* error);

} // namespace filecopy
