#include "ChannelSet.h"

#include "db/ReceiverConnection.h"
#include "db/RecordBlock.h"
#include "db/SchemaGate.h"
#include "userfile/ReadOnlyDb.h"

#include <unordered_map>

namespace match {

const FavGroupRecord* ChannelSet::FindGroup(int groupId) const {
    for (const FavGroupRecord& group : groups) {
        if (group.favgrp_id == groupId) {
            return &group;
        }
    }
    return nullptr;
}

int ReadChannelSet(CChannelDB& db, ChannelSet& set) {
    ChannelTables tables;
    return ReadChannelSet(db, set, tables);
}

int ReadChannelSet(CChannelDB& db, ChannelSet& set, ChannelTables& tables) {
    RecordBlock<ChannelRecord> channels;
    RecordBlock<NitRecord> nits;
    RecordBlock<SatRecord> sats;
    RecordBlock<ProviderRecord> providers;
    RecordBlock<FavGroupRecord> groups;
    RecordBlock<FavEntryRecord> entries;
    for (const int rc :
         {channels.Read(db, &CChannelDB::GetChannelList), nits.Read(db, &CChannelDB::GetNitList),
          sats.Read(db, &CChannelDB::GetSatList), providers.Read(db, &CChannelDB::GetSdtList),
          groups.Read(db, &CChannelDB::GetFavGroupList), entries.Read(db, &CChannelDB::GetAllFavEntries)}) {
        if (rc < 0) {
            return rc;
        }
    }
    std::unordered_map<int32_t, const NitRecord*> nitById;
    for (const NitRecord& nit : nits) {
        nitById.emplace(nit.nit_id, &nit);
    }
    std::unordered_map<int32_t, const SatRecord*> satById;
    for (const SatRecord& sat : sats) {
        satById.emplace(sat.sat_id, &sat);
    }
    std::unordered_map<int32_t, const char*> providerById;
    for (const ProviderRecord& provider : providers) {
        providerById.emplace(provider.sdt_id, provider.provider_name);
    }

    set = ChannelSet{};
    set.channels.reserve(static_cast<size_t>(channels.Count()));
    std::unordered_map<int32_t, size_t> indexById;
    for (const ChannelRecord& channel : channels) {
        ChannelItem item;
        item.record = channel;
        if (const auto nit = nitById.find(channel.nit_id); nit != nitById.end()) {
            item.networkId = nit->second->network_id;
            item.tsId = nit->second->ts_id;
            item.frequency = nit->second->frequency;
            item.pol = nit->second->pol;
            item.symbolRate = nit->second->symbol_rate;
        }
        if (const auto sat = satById.find(channel.sat_id); sat != satById.end()) {
            item.satKnown = true;
            item.satPosition = sat->second->position;
            item.satName = sat->second->name;
        }
        if (const auto provider = providerById.find(channel.sdt_id); provider != providerById.end()) {
            item.provider = provider->second;
        }
        indexById.emplace(channel.ch_id, set.channels.size());
        set.channels.push_back(std::move(item));
    }
    set.groups.assign(groups.begin(), groups.end());
    set.entries.assign(entries.begin(), entries.end());
    for (const FavGroupRecord& group : set.groups) {
        for (const FavEntryRecord& entry : set.entries) {
            const auto channel = indexById.find(entry.ch_id);
            if (entry.favgrp_id == group.favgrp_id && channel != indexById.end()) {
                std::vector<int>& held = set.channels[channel->second].groups;
                if (held.empty() || held.back() != group.favgrp_id) {
                    held.push_back(group.favgrp_id);
                }
            }
        }
    }
    tables.sats.assign(sats.begin(), sats.end());
    tables.nits.assign(nits.begin(), nits.end());
    tables.providers.assign(providers.begin(), providers.end());
    return 0;
}

bool ReadChannelSetFromFile(const std::string& path, ChannelSet& set, std::string& error) {
    return ReadFileWith(
        path, [&set](CChannelDB& db) { return ReadChannelSet(db, set); }, error);
}

bool ReadFileWith(const std::string& path, const std::function<int(CChannelDB&)>& read, std::string& error) {
    std::vector<std::string> problems;
    return ReadCheckedFileWith(path, nullptr, read, problems, error);
}

bool ReadCheckedFileWith(const std::string& path, const FileCheck& check, const std::function<int(CChannelDB&)>& read,
                         std::vector<std::string>& problems, std::string& error) {
    problems.clear();
    CReadOnlyDb connection; // leaves nothing beside the file
    if (!connection.OpenOrSay(path, error)) {
        if (check) {
            problems.push_back("it cannot be opened");
        }
        return false;
    }
    if (check) {
        problems = check(connection.Handle());
        if (!problems.empty() || !read) {
            return problems.empty();
        }
    }
    CScopedConnection use(connection.Handle());
    CChannelDB db;
    if (db.CheckSchemaRevision() != 0) {
        error = path + ": not a receiver database of revision " + kSchemaRevision;
        return false;
    }
    if (const std::string problem = dbschema::CheckTableLayout(connection.Handle()); !problem.empty()) {
        error = path + ": " + problem;
        return false;
    }
    if (const int rc = read(db); rc != 0) {
        // SQLite's reason, or the table a read too long to finish was stopped in.
        error = path + ": reading the channels failed (sqlite3 error " + std::to_string(-rc) + ": " +
                LastDbErrorText() + ")";
        return false;
    }
    return true;
}

} // namespace match
