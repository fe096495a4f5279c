// The table operations against real fixture files, grouped by table.
#include "DbTestSupport.h"

#include <cstring>
#include <memory>
#include <vector>

namespace {

template <typename Record> std::unique_ptr<Record[]> Owned(Record* list) {
    return std::unique_ptr<Record[]>(list);
}

} // namespace

class TableTest : public DbTest {
protected:
    // A small file: satellites 1 (seq 3), 2 (seq 1), 3 (seq 2), transponders on 1 and 2,
    // channels 5, 6 (sat 1) and 7 (sat 2) plus a receiver channel 20003, two groups.
    void SetUp() override {
        DbTest::SetUp();
        m_path = TempPath("t.dat");
        fixtures::WriteTablesDb(m_path);
        OpenDb(m_path);
    }
    int Count(const std::string& table, const std::string& where = "1") {
        return SqlInt("SELECT count(*) FROM " + table + " WHERE " + where);
    }
    std::string m_path;
};

// ---- satellites, transponders, LNB ----

TEST_F(TableTest, SatellitesListInTheirOrderAndReadByKey) {
    SatRecord* list = nullptr;
    ASSERT_EQ(m_db.GetSatList(&list), 3);
    auto owned = Owned(list);
    EXPECT_EQ(list[0].sat_id, 2);
    EXPECT_EQ(list[1].sat_id, 3);
    EXPECT_EQ(list[2].sat_id, 1);
    EXPECT_STREQ(list[2].name, "Astra 19.2E");
    EXPECT_EQ(list[1].position, -8);

    SatRecord sat;
    EXPECT_EQ(m_db.GetSatInfo(1, sat), 1);
    EXPECT_EQ(sat.sat_id, 1);
    EXPECT_EQ(sat.sat_seq, 3);
    std::memset(&sat, 0x5a, sizeof sat);
    EXPECT_EQ(m_db.GetSatInfo(99, sat), 0);
    const SatRecord zero{};
    EXPECT_EQ(std::memcmp(&sat, &zero, sizeof sat), 0);
    EXPECT_EQ(m_db.GetNewSatId(), 4);
    EXPECT_EQ(m_db.GetNewSatSeq(), 4);
}

TEST_F(TableTest, SatelliteNamesWithApostrophesAndOverlongNames) {
    SatRecord sat{};
    sat.sat_id = m_db.GetNewSatId();
    std::strcpy(sat.name, "Sat's orbit");
    sat.sat_seq = m_db.GetNewSatSeq();
    ASSERT_EQ(m_db.InsertSatInfo(sat), 0);
    SatRecord back;
    ASSERT_EQ(m_db.GetSatInfo(static_cast<int16_t>(sat.sat_id), back), 1);
    EXPECT_STREQ(back.name, "Sat's orbit");
    Sql("UPDATE SATInfo SET Name = 'twenty characters!!!' WHERE SAT_ID = 1");
    ASSERT_EQ(m_db.GetSatInfo(1, back), 1);
    EXPECT_STREQ(back.name, "twenty characte");
}

TEST_F(TableTest, SatelliteSwapGoesThroughItsParkingPlace) {
    ASSERT_EQ(m_db.SwapSatSeq(1, 3), 0);
    EXPECT_EQ(SqlInt("SELECT SAT_seq FROM SATInfo WHERE SAT_ID = 2"), 3);
    EXPECT_EQ(SqlInt("SELECT SAT_seq FROM SATInfo WHERE SAT_ID = 1"), 1);
    EXPECT_EQ(Count("SATInfo", "SAT_seq = 2000"), 0);
}

TEST_F(TableTest, DeleteSatRemovesExactlyItsDependentRows) {
    ASSERT_EQ(m_db.DeleteSat(1), 0);
    EXPECT_EQ(Count("SATInfo"), 2);
    EXPECT_EQ(Count("NITInfo"), 1);
    EXPECT_EQ(Count("LNBInfo"), 1);
    EXPECT_EQ(Count("ChannelInfo"), 2); // 7 and 20003 stay
    EXPECT_EQ(Count("ScheduleInfo"), 1);
    EXPECT_EQ(Count("ScrambleInfo"), 0);
    EXPECT_EQ(Count("FAVListInfo"), 1);
    EXPECT_NE(sqlite3_get_autocommit(g_db), 0);
}

TEST_F(TableTest, FailedCascadeLeavesEveryTableAndNoOpenTransaction) {
    // Regression: a failure midway used to return with the transaction still open.
    Sql("CREATE TRIGGER block BEFORE DELETE ON ScrambleInfo BEGIN SELECT RAISE(ABORT, 'blocked'); END");
    const int before = SqlInt("SELECT (SELECT count(*) FROM SATInfo) * 1000000 + (SELECT count(*) FROM NITInfo) * "
                              "10000 + (SELECT count(*) FROM ChannelInfo) * 100 + (SELECT count(*) FROM LNBInfo)");
    EXPECT_LT(m_db.DeleteSat(1), 0);
    EXPECT_NE(sqlite3_get_autocommit(g_db), 0);
    EXPECT_LT(m_db.DeleteNit(1), 0);
    EXPECT_NE(sqlite3_get_autocommit(g_db), 0);
    EXPECT_EQ(SqlInt("SELECT (SELECT count(*) FROM SATInfo) * 1000000 + (SELECT count(*) FROM NITInfo) * 10000 + "
                     "(SELECT count(*) FROM ChannelInfo) * 100 + (SELECT count(*) FROM LNBInfo)"),
              before);
    EXPECT_EQ(Count("FAVListInfo"), 3);
}

TEST_F(TableTest, TransponderReadsAndInsert) {
    NitRecord nit;
    std::memset(&nit, 0x11, sizeof nit);
    ASSERT_EQ(m_db.GetTpParams(1, nit), 0);
    EXPECT_EQ(nit.frequency, 11778000);
    EXPECT_EQ(nit.symbol_rate, 27500);
    EXPECT_EQ(nit.pol, 0);
    EXPECT_EQ(nit.fec, 0x11111111); // only the three fields are touched
    ASSERT_EQ(m_db.GetTpParams(42, nit), 0);
    EXPECT_EQ(nit.frequency, 0);
    EXPECT_EQ(nit.fec, 0);

    Sql("UPDATE NITInfo SET ts_id = NULL WHERE NIT_ID = 3");
    NitRecord* list = nullptr;
    ASSERT_EQ(m_db.GetNitListBySat(2, &list), 1);
    auto owned = Owned(list);
    EXPECT_EQ(list[0].ts_id, 0);

    NitRecord added{};
    added.sat_id = 3;
    added.frequency = 10700000;
    ASSERT_EQ(m_db.InsertNitInfo(added), 0);
    EXPECT_EQ(added.nit_id, 4);
    ASSERT_EQ(m_db.GetNitInfo(4, nit), 1);
    EXPECT_EQ(nit.frequency, 10700000);
}

TEST_F(TableTest, InsertNitIntoEmptyTableGetsIdOne) {
    Sql("DELETE FROM NITInfo");
    NitRecord nit{};
    ASSERT_EQ(m_db.InsertNitInfo(nit), 0);
    EXPECT_EQ(nit.nit_id, 1);
}

TEST_F(TableTest, DeleteNitRemovesItsChannels) {
    ASSERT_EQ(m_db.DeleteNit(1), 0);
    EXPECT_EQ(Count("ChannelInfo", "ch_id = 5"), 0);
    EXPECT_EQ(Count("ChannelInfo"), 3);
    EXPECT_EQ(Count("FAVListInfo", "ch_id = 5"), 0);
}

TEST_F(TableTest, LnbSlotsRoundTrip) {
    LnbRecord* list = nullptr;
    ASSERT_EQ(m_db.GetLnbList(0, &list), 1);
    LnbRecord lnb = list[0];
    delete[] list;
    EXPECT_EQ(lnb.present, 1);
    EXPECT_EQ(lnb.local_freq1, 9750);
    EXPECT_EQ(lnb.tone_22k, 2);
    ASSERT_EQ(m_db.DeleteAllLnb(), 0);
    EXPECT_EQ(Count("LNBInfo"), 0);
    lnb.local_freq1 = 65000; // unsigned 16-bit, stored zero-extended
    ASSERT_EQ(m_db.InsertLnbInfo(lnb), 0);
    EXPECT_EQ(SqlInt("SELECT local_freq1 FROM LNBInfo"), 65000);
}

// ---- channels and providers ----

TEST_F(TableTest, ChannelListSkipsReceiverIdsButReadsThemById) {
    ChannelRecord* list = nullptr;
    ASSERT_EQ(m_db.GetChannelList(&list), 3);
    auto owned = Owned(list);
    EXPECT_EQ(list[0].ch_id, 6);
    EXPECT_EQ(list[1].ch_id, 5);
    EXPECT_EQ(list[2].ch_id, 7);
    EXPECT_EQ(m_db.GetNewChannelId(), 8);
    ChannelRecord channel;
    EXPECT_EQ(m_db.GetChannelInfo(static_cast<int16_t>(20003), channel), 1);
    EXPECT_STREQ(channel.name, "Receiver own");
}

TEST_F(TableTest, ChannelInsertedWithAnOrderIsListedThere) {
    ChannelRecord c{};
    c.ch_id = m_db.GetNewChannelId();
    std::strcpy(c.name, "Rock'n'Roll FM");
    c.ch_order = 2;
    Sql("UPDATE ChannelInfo SET ch_order = ch_order + 1 WHERE ch_order >= 2");
    ASSERT_EQ(m_db.InsertChannelInfo(c), 0);
    ChannelRecord* list = nullptr;
    ASSERT_EQ(m_db.GetChannelList(&list), 4);
    auto owned = Owned(list);
    EXPECT_EQ(list[1].ch_id, 8);
    EXPECT_STREQ(list[1].name, "Rock'n'Roll FM");
    EXPECT_EQ(list[1].ch_order, 2);
}

TEST_F(TableTest, NumberChannelsGivesEachItsPlaceAcrossStatements) {
    // More ids than one statement takes, one that names no channel, and channel 5
    // twice: its later place counts, as one single-row update after another left it.
    std::vector<int32_t> ids(600, 9999);
    ids[0] = 5;
    ids[1] = 7;
    ids[513] = 6;
    ids[599] = 5;
    std::vector<size_t> heard;
    ASSERT_EQ(m_db.NumberChannels(ids, 10, [&](size_t done) { heard.push_back(done); }), 0);
    EXPECT_EQ(SqlInt("SELECT ch_order FROM ChannelInfo WHERE ch_id = 5"), 609);
    EXPECT_EQ(SqlInt("SELECT ch_order FROM ChannelInfo WHERE ch_id = 7"), 11);
    EXPECT_EQ(SqlInt("SELECT ch_order FROM ChannelInfo WHERE ch_id = 6"), 523);
    EXPECT_EQ(heard, (std::vector<size_t>{512, 600}));
    EXPECT_EQ(Count("ChannelInfo"), 4);
}

TEST_F(TableTest, ChannelIdTwentyThousandIsRefused) {
    // Regression: the id after 19999 was stored and the channel vanished from the list.
    ChannelRecord c{};
    c.ch_id = 19999;
    ASSERT_EQ(m_db.InsertChannelInfo(c), 0);
    EXPECT_EQ(m_db.GetNewChannelId(), 20000);
    c.ch_id = 20000;
    EXPECT_EQ(m_db.InsertChannelInfo(c), -SQLITE_FULL);
    EXPECT_EQ(Count("ChannelInfo", "ch_id = 20000"), 0);
}

TEST_F(TableTest, EmptyChannelTable) {
    Sql("DELETE FROM ChannelInfo");
    ChannelRecord* list = nullptr;
    EXPECT_EQ(m_db.GetChannelList(&list), 0);
    EXPECT_EQ(list, nullptr);
    EXPECT_EQ(m_db.GetNewChannelId(), 1);
}

TEST_F(TableTest, UpdateChannelKeepsIdAndOrder) {
    ChannelRecord c;
    ASSERT_EQ(m_db.GetChannelInfo(5, c), 1);
    std::strcpy(c.name, "Erste's HD");
    c.ch_order = 99;
    c.tuner_id = -1;
    ASSERT_EQ(m_db.UpdateChannelInfo(5, c), 0);
    ASSERT_EQ(m_db.GetChannelInfo(5, c), 1);
    EXPECT_STREQ(c.name, "Erste's HD");
    EXPECT_EQ(c.ch_order, 2);
    EXPECT_EQ(c.tuner_id, -1);
}

TEST_F(TableTest, DeleteChannelRemovesItsRowsEverywhere) {
    ASSERT_EQ(m_db.DeleteChannel(5), 0);
    EXPECT_EQ(Count("ChannelInfo", "ch_id = 5"), 0);
    EXPECT_EQ(Count("FAVListInfo", "ch_id = 5"), 0);
    EXPECT_EQ(Count("ScheduleInfo", "ch_id = 5"), 0);
    EXPECT_EQ(Count("ScrambleInfo", "ch_id = 5"), 0);
    EXPECT_EQ(Count("FAVListInfo"), 1);
    EXPECT_EQ(Count("ScrambleInfo"), 1);
}

TEST_F(TableTest, ProvidersFindOrCreate) {
    ProviderRecord p{};
    p.sdt_id = m_db.GetNewSdtId();
    EXPECT_EQ(p.sdt_id, 2);
    std::strcpy(p.provider_name, "Sky's Italia");
    ASSERT_EQ(m_db.InsertSdtInfo(p), 0);
    ProviderRecord found;
    EXPECT_EQ(m_db.FindSdtByName("Sky's Italia", found), 1);
    EXPECT_EQ(found.sdt_id, 2);
    EXPECT_EQ(m_db.FindSdtByName("sky's italia", found), 0);
    EXPECT_EQ(found.sdt_id, 0);
    Sql("UPDATE SDTInfo SET provider_name = '" + std::string(40, 'p') + "' WHERE SDT_ID = 1");
    EXPECT_EQ(m_db.GetSdtInfo(1, found), 0);
    EXPECT_EQ(std::string(found.provider_name), std::string(31, 'p'));
}

// ---- favourites ----

TEST_F(TableTest, FavouriteGroupsAddRenameSwapDelete) {
    const int id = m_db.InsertFavGroup("Kid's");
    EXPECT_EQ(id, 3);
    EXPECT_EQ(SqlInt("SELECT FAVGRP_Seq FROM FAVGRPInfo WHERE FAVGRP_ID = 3"), 3);
    ASSERT_EQ(m_db.RenameFavGroup("Kids' corner", 3), 0);
    ASSERT_EQ(m_db.SwapFavGroupSeq(1, 3), 0);
    FavGroupRecord* list = nullptr;
    ASSERT_EQ(m_db.GetFavGroupList(&list), 3);
    auto owned = Owned(list);
    EXPECT_EQ(list[0].favgrp_id, 3);
    EXPECT_STREQ(list[0].name, "Kids' corner");
    EXPECT_EQ(list[2].favgrp_id, 1);
    EXPECT_EQ(Count("FAVGRPInfo", "FAVGRP_Seq = 1000"), 0);
    EXPECT_LT(m_db.SwapFavGroupSeq(1, 77), 0);
    EXPECT_EQ(Count("FAVGRPInfo", "FAVGRP_Seq = 1000"), 0);

    ASSERT_EQ(m_db.DeleteFavGroup(2), 0);
    EXPECT_EQ(Count("FAVListInfo", "favgrp_id = 2"), 0);
    EXPECT_EQ(Count("FAVListInfo"), 1);
}

// A group stored as 65537 stood in the group tree as group 1: deleting it deleted group 1.
TEST_F(TableTest, GroupIdsTheRecordCannotHoldAreLeftOutOfTheList) {
    Sql("INSERT INTO FAVGRPInfo VALUES (65537, 'Far', 9), (-1, 'Below', 10)");
    FavGroupRecord* list = nullptr;
    ASSERT_EQ(m_db.GetFavGroupList(&list), 2);
    auto owned = Owned(list);
    EXPECT_EQ(list[0].favgrp_id, 1);
    EXPECT_EQ(list[1].favgrp_id, 2);
}

TEST_F(TableTest, FirstGroupInEmptyTable) {
    Sql("DELETE FROM FAVGRPInfo");
    EXPECT_EQ(m_db.InsertFavGroup("New"), 1);
    EXPECT_EQ(SqlInt("SELECT FAVGRP_Seq FROM FAVGRPInfo"), 1);
}

TEST_F(TableTest, FavouriteEntriesAreNumberedOverTheWholeTable) {
    Sql("DELETE FROM FAVListInfo");
    EXPECT_EQ(m_db.AddFavEntry(6, 1), 0);
    EXPECT_EQ(m_db.AddFavEntry(6, 1), 1);
    EXPECT_EQ(m_db.AddFavEntry(7, 2), 0);
    EXPECT_EQ(m_db.FindFavEntry(6, 1), 1);
    EXPECT_EQ(m_db.FindFavEntry(7, 2), 2);
    EXPECT_EQ(SqlInt("SELECT favlist_seq FROM FAVListInfo WHERE favlist_id = 2"), 2);
    EXPECT_EQ(SqlText("SELECT Name FROM FAVListInfo WHERE favlist_id = 1"), "ZDF");
    // Not in the group: 0, never a valid entry id.
    EXPECT_EQ(m_db.FindFavEntry(7, 1), 0);
    EXPECT_EQ(Count("FAVListInfo", "ch_id = 6"), 1);
}

TEST_F(TableTest, FavouriteEntriesMoveRenameAndDeleteExactly) {
    ASSERT_EQ(m_db.MoveFavEntry(2, 3), 0);
    FavEntryRecord* list = nullptr;
    ASSERT_EQ(m_db.GetFavList(2, &list), 2);
    {
        auto owned = Owned(list);
        EXPECT_EQ(list[0].favlist_id, 3);
        EXPECT_EQ(list[1].favlist_id, 2);
        EXPECT_EQ(list[0].column5, 0);
    }
    ASSERT_EQ(m_db.RenameFavEntries(5, "Erste's"), 0);
    EXPECT_EQ(Count("FAVListInfo", "Name = 'Erste''s'"), 2);
    EXPECT_EQ(SqlText("SELECT Name FROM FAVListInfo WHERE favlist_id = 3"), "Rai 1");

    // Entry ids above 255 must not be cut to 8 bits.
    Sql("INSERT INTO FAVListInfo VALUES (2, 300, 'x', 9, 6, 0, 1), (2, 44, 'y', 10, 6, 0, 1)");
    ASSERT_EQ(m_db.DeleteFavEntry(2, 300), 0);
    EXPECT_EQ(Count("FAVListInfo", "favlist_id = 300"), 0);
    EXPECT_EQ(Count("FAVListInfo", "favlist_id = 44"), 1);
}

// ---- receiver options ----

TEST_F(TableTest, OptionRecordReadsLow16BitsAndKeepsTheSignedField) {
    Sql("UPDATE OptionInfo SET aspect_ratio = 70000, opt3 = -2, opt8_text = 'abcdef', opt14 = -3, opt18 = -70000");
    OptionRecord o;
    ASSERT_EQ(m_db.GetOptionInfo(o, 0), 1);
    EXPECT_EQ(o.aspect_ratio, 4464);
    EXPECT_EQ(o.opt3, 65534);
    EXPECT_STREQ(o.opt8_text, "abcd");
    EXPECT_EQ(o.opt14, -3);
    EXPECT_EQ(o.opt18, -70000);
    ASSERT_EQ(m_db.SaveOptionInfo(o), 0);
    EXPECT_EQ(SqlInt("SELECT aspect_ratio FROM OptionInfo WHERE option_id = 0"), 4464);
    EXPECT_EQ(SqlInt("SELECT opt3 FROM OptionInfo WHERE option_id = 0"), 65534);
    EXPECT_EQ(SqlInt("SELECT opt14 FROM OptionInfo WHERE option_id = 0"), -3);
    EXPECT_EQ(SqlText("SELECT opt8_text FROM OptionInfo WHERE option_id = 0"), "abcd");
    EXPECT_EQ(Count("OptionInfo"), 1);
}

TEST_F(TableTest, OptionTextWithApostropheRoundTrips) {
    // Regression: the text went into the statement unquoted and broke it.
    OptionRecord o;
    ASSERT_EQ(m_db.GetOptionInfo(o, 0), 1);
    std::strcpy(o.opt8_text, "a'b");
    ASSERT_EQ(m_db.SaveOptionInfo(o), 0);
    ASSERT_EQ(m_db.GetOptionInfo(o, 0), 1);
    EXPECT_STREQ(o.opt8_text, "a'b");
}

TEST_F(TableTest, EnsureOptionInfoCopiesTheDefaultRow) {
    OptionRecord missing;
    EXPECT_EQ(m_db.GetOptionInfo(missing, 1), 0);
    EXPECT_EQ(missing.option_id, 0);
    EXPECT_EQ(missing.banner_timeout, 0);

    OptionRecord handed{};
    ASSERT_EQ(m_db.EnsureOptionInfo(&handed), 0);
    EXPECT_EQ(handed.option_id, 1);
    EXPECT_EQ(handed.banner_timeout, 5);
    EXPECT_EQ(Count("OptionInfo", "option_id = 1"), 1);
    EXPECT_EQ(SqlInt("SELECT count(*) FROM OptionInfo a JOIN OptionInfo b ON a.option_id = 0 AND b.option_id = 1 "
                     "AND a.aspect_ratio = b.aspect_ratio AND a.opt8_text = b.opt8_text AND a.opt14 = b.opt14"),
              1);
    ASSERT_EQ(m_db.EnsureOptionInfo(nullptr), 0);
    EXPECT_EQ(Count("OptionInfo", "option_id = 1"), 1);

    Sql("DELETE FROM OptionInfo WHERE option_id = 0");
    handed.banner_timeout = 9;
    EXPECT_EQ(m_db.EnsureOptionInfo(&handed), 0);
    EXPECT_EQ(handed.banner_timeout, 9);
}
