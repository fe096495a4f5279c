#pragma once
// Receiver files for the matching tests: an "old" file and the same receiver's file
// after a channel scan (new transponder ids and stream ids, a drifted transponder,
// renamed, gone and new channels, the user's order thrown away), and a reader of the
// open file's channel numbers.
#include "DbTestSupport.h"
#include "match/ChannelSet.h"

#include <map>
#include <string>

void WriteOldFile(const std::string& path);
void WriteRescannedFile(const std::string& path);

class MatchTest : public DbTest {
protected:
    // Reads the open file.
    match::ChannelSet ReadOpen();
    // ch_id -> ch_order of the open file's listed channels.
    std::map<int, int> Numbers();
    // ch_id -> name.
    std::map<int, std::string> Names();
};
