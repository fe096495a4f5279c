#include "MatchTestSupport.h"

using fixtures::FixtureDb;

namespace {

FixtureDb::Channel Ch(int chId, const std::string& name, int nitId, int satId, int sid, int order, int radio = 0) {
    FixtureDb::Channel c;
    c.chId = chId;
    c.name = name;
    c.nitId = nitId;
    c.satId = satId;
    c.sdtId = 1;
    c.serviceId = sid;
    c.order = order;
    c.mediaMode = radio;
    return c;
}

void SetIds(FixtureDb& db, int nitId, int networkId, int tsId) {
    db.Exec("UPDATE NITInfo SET network_id = " + std::to_string(networkId) + ", ts_id = " + std::to_string(tsId) +
            " WHERE NIT_ID = " + std::to_string(nitId));
}

} // namespace

void WriteOldFile(const std::string& path) {
    FixtureDb db(path);
    db.AddSat(1, "Astra 1", 192, 1);
    db.AddSat(2, "Hotbird", 130, 2);
    db.AddNit(1, 1, 11494000, 22000, 2, 1);
    db.AddNit(2, 1, 12051000, 27500, 3, 0);
    db.AddNit(3, 2, 11034000, 27500, 3, 0);
    SetIds(db, 1, 1, 1101);
    SetIds(db, 2, 1, 1051);
    SetIds(db, 3, 318, 5400);
    db.AddProvider(1, "ARD");
    db.AddChannel(Ch(1, "Das Erste", 1, 1, 28106, 1));
    db.AddChannel(Ch(2, "ZDF", 1, 1, 28006, 2));
    db.AddChannel(Ch(3, "arte", 2, 1, 28724, 3));
    db.AddChannel(Ch(4, "Rai 1", 3, 2, 3401, 4));
    db.AddChannel(Ch(5, "Old Shop", 2, 1, 500, 5));
    db.AddChannel(Ch(6, "Radio X", 3, 2, 9000, 6, 1));
    db.AddFavGroup(1, "News", 1);
    db.AddFavEntry(1, 1, "Das Erste", 1, 1);
    db.AddFavEntry(1, 2, "arte", 2, 3);
}

void WriteRescannedFile(const std::string& path) {
    FixtureDb db(path);
    // The scan numbers satellites and transponders afresh.
    db.AddSat(7, "Astra 19.2E", 192, 1);
    db.AddSat(8, "Hot Bird", 130, 2);
    db.AddNit(21, 7, 11494000, 22000, 2, 1); // unchanged
    db.AddNit(22, 7, 12052000, 27500, 3, 0); // drifted by 1 MHz, new stream id
    db.AddNit(23, 8, 11034000, 27500, 3, 0); // ids no longer broadcast
    SetIds(db, 21, 1, 1101);
    SetIds(db, 22, 1, 1077);
    SetIds(db, 23, 0, 0);
    db.AddProvider(1, "ARD");
    db.AddChannel(Ch(101, "New One", 21, 7, 777, 1));
    db.AddChannel(Ch(102, "Radio X", 23, 8, 9001, 2, 1));
    db.AddChannel(Ch(103, "Rai 1", 23, 8, 3402, 3));
    db.AddChannel(Ch(104, "arte", 22, 7, 28724, 4));
    db.AddChannel(Ch(105, "ZDF HD", 21, 7, 28006, 5));
    db.AddChannel(Ch(106, "Das Erste", 21, 7, 28106, 6));
}

match::ChannelSet MatchTest::ReadOpen() {
    match::ChannelSet set;
    EXPECT_EQ(match::ReadChannelSet(m_db, set), 0);
    return set;
}

std::map<int, int> MatchTest::Numbers() {
    std::map<int, int> numbers;
    for (const match::ChannelItem& item : ReadOpen().channels) {
        numbers[item.record.ch_id] = item.record.ch_order;
    }
    return numbers;
}

std::map<int, std::string> MatchTest::Names() {
    std::map<int, std::string> names;
    for (const match::ChannelItem& item : ReadOpen().channels) {
        names[item.record.ch_id] = item.record.name;
    }
    return names;
}
