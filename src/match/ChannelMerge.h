#pragma once
// Bringing channels over from another receiver file. Which of its channels the open
// file lacks (by the matching rules), and for those the user picks: new channel ids
// below 20000, numbers after the last (or from a given number, the channels already
// there moving up to make room), and the satellite, transponder and provider each
// needs, taken from the open file where it has them (a satellite by its position, a
// transponder on it by frequency within 2 MHz and polarity, a provider by its name)
// and added otherwise. Everything that stands in the way is listed in the plan before
// anything is written; the write is one transaction through CChannelDB.
// Plain C++, no Qt.
#include "ChannelSet.h"

#include <map>
#include <string>
#include <vector>

namespace match {

// One file as a merge needs it: its channels and the full rows of its satellites,
// transponders and providers.
struct MergeFile {
    ChannelSet set;
    std::vector<SatRecord> sats;
    std::vector<NitRecord> nits;
    std::vector<ProviderRecord> providers;
    // Rows whose stored values their records cannot hold, by id: the value.
    std::map<int32_t, std::string> unfitChannels;
    std::map<int32_t, std::string> unfitSats;
    std::map<int32_t, std::string> unfitNits;
};

// Which rows a read checks for values their records cannot hold (the unfit lists),
// which only the file channels come from needs.
enum class FitChecks {
    None,
    // The listed channels are known to fit (the file passed the receiver's checks,
    // which cover them): satellites and transponders only.
    BesideChannels,
    All,
};

// Reads the open database g_db; 0, or the negated code of the read that failed.
int ReadMergeFile(CChannelDB& db, MergeFile& file, FitChecks checks = FitChecks::All);
// As ReadChannelSetFromFile, for a merge's other file.
bool ReadMergeFileFromPath(const std::string& path, MergeFile& file, std::string& error);
// The same on the connection `check` has passed (ReadCheckedFileWith): the file is
// opened once, and its channels' fit is not checked a second time.
bool ReadCheckedMergeFile(const std::string& path, const FileCheck& check, MergeFile& file,
                          std::vector<std::string>& problems, std::string& error);

// The channels of `other` that `current` does not hold (indices into other's
// channels, in its order).
std::vector<size_t> NewChannels(const ChannelSet& current, const ChannelSet& other);

struct MergePlan {
    std::vector<SatRecord> sats;           // satellites to add, with their new ids
    std::vector<NitRecord> nits;           // transponders to add, with their new ids
    std::vector<ProviderRecord> providers; // providers to add, with their new ids
    std::vector<ChannelRecord> channels;   // channels to add, ids and numbers given
    std::vector<size_t> added;             // other's channel index of each of `channels`
    int32_t makeRoomFrom = 0;              // listed channels from this number move up; 0: none
    // The picked channels that cannot be added, and why: "clash: 12 Arte: ...".
    std::vector<std::string> clashes;

    bool Clashes() const { return !clashes.empty(); }
};

// Plans adding the picked channels of `other` (indices into its channels, in the
// order to add) to `current`. `firstNumber` 0 numbers them after the last channel.
MergePlan PlanMerge(const MergeFile& current, const MergeFile& other, const std::vector<size_t>& picks,
                    int32_t firstNumber = 0);

// Writes the plan (without its clashing channels) in one transaction: 0, or the
// failing code with nothing written.
int ApplyMerge(CChannelDB& db, const MergePlan& plan);

// The plan as lines: "add satellite Hotbird (13.0E)", "add transponder 11034 V on
// Hotbird", "add provider ARD", "add 12 Arte as channel 345, number 120", then the
// clashes.
std::vector<std::string> DescribeMerge(const MergeFile& other, const MergePlan& plan);

} // namespace match
