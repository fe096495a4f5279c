#pragma once
// Replaces a file with a byte copy of another so that a crash, a kill or a full disk
// at any moment leaves the target either as it was or complete: the bytes go into a
// temporary file in the target's folder, are flushed to disk, and the temporary is
// renamed over the target. An existing target keeps its permission bits.
#include <string>

namespace filecopy {

// True on success; otherwise false with a short reason in *error.
bool ReplaceWithCopy(const std::string& source, const std::string& target, std::string* error);

// Removes what SQLite may have left beside a database file (rollback journal, WAL and
// shared-memory files). A fresh copy next to a stale journal would be silently rolled
// back to old contents the next time it is opened.
bool RemoveSqliteSidecars(const std::string& databasePath, std::string* error);

// Test hook: called after each block written, with the bytes written so far.
using CopyProgressHook = void (*)(long long written);
void SetCopyProgressHook(CopyProgressHook hook);

} // namespace filecopy
