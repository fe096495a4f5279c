#include "ChannelFixture.h"

#include "FixtureBuilder.h"
#include "db/ChannelDB.h"

namespace channeltest {

void WriteChannelFixture(const QString& path) {
    fixtures::FixtureDb db(path.toStdString());
    db.AddSat(1, "Astra 19.2E", 192, 2);
    db.AddSat(2, "Thor 1W", -8, 3);
    db.AddSat(3, "Hotbird 13E", 130, 1);
    db.AddSat(4, "Empty Sat", 450, 4);
    db.AddNit(5, 1, 11778000, 27500, 3, 1);
    db.AddNit(6, 1, 12187500, 27500, 2, 0);
    db.AddNit(9, 2, 10872000, 25000, 3, 0);
    db.AddNit(17, 3, 11766000, 27500, 3, 1);
    db.AddNit(18, 3, 10992000, 29900, 4, 0);
    db.AddProvider(1, "Canal+");
    db.AddProvider(2, "BBC");
    db.AddChannel({.chId = 1, .name = "Das Erste", .nitId = 5, .satId = 1, .sdtId = 2, .order = 1, .serviceId = 28106});
    db.AddChannel({.chId = 2, .name = "ZDF", .nitId = 6, .satId = 1, .sdtId = 1, .order = 2});
    db.AddChannel({.chId = 3, .name = "Radio 1", .nitId = 17, .satId = 3, .sdtId = 1, .order = 3, .mediaMode = 1});
    db.AddChannel({.chId = 7, .name = "Arte", .nitId = 18, .satId = 3, .sdtId = 2, .order = 4});
    db.AddChannel({.chId = 20003, .name = "Receiver Own", .nitId = 5, .satId = 1, .sdtId = 1, .order = 20003});
    // Values the dialog does not show, which an edit must carry unchanged.
    db.Exec("UPDATE ChannelInfo SET ch_seq = 11, pch_id = 4, tuner_id = 1, audio_mode = 2, day = 9 WHERE ch_id = 1");
    db.Exec("UPDATE ChannelInfo SET cas_type = 2, media_mode = 2 WHERE ch_id = 2");
    db.Exec("UPDATE ChannelInfo SET lock = 1, hide = 1 WHERE ch_id = 3");
    db.AddFavGroup(1, "Sport", 1);
    db.AddFavGroup(2, "News", 2);
    db.AddFavEntry(1, 1, "Das Erste", 1, 1);
    db.AddFavEntry(2, 2, "Das Erste", 2, 1);
    db.AddFavEntry(1, 3, "ZDF", 3, 2);
}

} // namespace channeltest
