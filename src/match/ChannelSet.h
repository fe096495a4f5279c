#pragma once
// CChannelSet: the channels of one receiver file as the matching commands see them,
// read once through CChannelDB: each listed channel (ids below 20000, in the
// receiver's order) with its transponder, satellite, provider and favourite groups,
// plus the favourite groups and entries themselves. Plain data, no connection kept.
#include "db/ChannelDB.h"

#include <functional>
#include <string>
#include <vector>

namespace match {

struct ChannelItem {
    ChannelRecord record{};
    // From the channel's transponder; zero when it has none.
    int32_t networkId = 0;
    int32_t tsId = 0;
    int32_t frequency = 0; // kHz
    int32_t pol = 0;       // 0 vertical, nonzero horizontal
    int32_t symbolRate = 0;
    // From the channel's satellite; satKnown is false when the satellite row is missing.
    bool satKnown = false;
    int32_t satPosition = 0; // tenths of a degree, east positive
    std::string satName;
    std::string provider;
    // Ids of the favourite groups that hold the channel, in the groups' order.
    std::vector<int> groups;
};

struct ChannelSet {
    std::vector<ChannelItem> channels;
    std::vector<FavGroupRecord> groups;  // in the user's group order
    std::vector<FavEntryRecord> entries; // every group's entries, in entry order

    const FavGroupRecord* FindGroup(int groupId) const;
};

// Reads the open database g_db; 0, or the negated code of the read that failed.
int ReadChannelSet(CChannelDB& db, ChannelSet& set);

// The satellite, transponder and provider tables as the channel set's read found them.
struct ChannelTables {
    std::vector<SatRecord> sats; // as listed: name and position
    std::vector<NitRecord> nits;
    std::vector<ProviderRecord> providers;
};
// The same read, keeping those tables for a caller that needs them too.
int ReadChannelSet(CChannelDB& db, ChannelSet& set, ChannelTables& tables);

// Opens `path` read-only on a connection of its own, checks its schema revision and
// reads it; g_db is left as it was. False with a one-line reason in `error`.
bool ReadChannelSetFromFile(const std::string& path, ChannelSet& set, std::string& error);
// The same steps around another read of the file (0 or its negated code).
bool ReadFileWith(const std::string& path, const std::function<int(CChannelDB&)>& read, std::string& error);

// The problems a check finds in the file open on `db`; empty when it passes.
using FileCheck = std::function<std::vector<std::string>(sqlite3* db)>;
// ReadFileWith with `check` run first on the same connection, so that a chosen file is
// opened once for both. When the check finds problems (a file that does not open is
// the problem "it cannot be opened") they are in `problems` and nothing is read; a
// failed read leaves `problems` empty and its reason in `error`. No check: ReadFileWith;
// no read: the check alone.
bool ReadCheckedFileWith(const std::string& path, const FileCheck& check, const std::function<int(CChannelDB&)>& read,
                         std::vector<std::string>& problems, std::string& error);

// g_db pointed at another connection for the lifetime of the object, and put back
// after; the matching commands read a second file through the same operations.
class CScopedConnection {
public:
    explicit CScopedConnection(sqlite3* connection) : m_saved(g_db) { g_db = connection; }
    ~CScopedConnection() { g_db = m_saved; }
    CScopedConnection(const CScopedConnection&) = delete;
    CScopedConnection& operator=(const CScopedConnection&) = delete;

private:
    sqlite3* m_saved;
};

} // namespace match
