// The receiver's option record: row 0 holds its defaults, row 1 the working values.
#include "ChannelDB.h"

#include <cstring>

int CChannelDB::GetOptionInfo(OptionRecord& option, int16_t optionId) {
    dbutil::ResultTable table;
    if (const int rc = Query(table, kSqliteError, "SELECT * FROM OptionInfo WHERE option_id = %d", optionId); rc != 0) {
        return rc;
    }
    std::memset(&option, 0, sizeof option);
    if (table.Rows() == 0) {
        return 0;
    }
    // The receiver's fields are 16 bits wide: only the low 16 bits of a number count.
    const auto u16 = [&table](int col) { return static_cast<uint16_t>(table.Int(0, col)); };
    option.option_id = u16(0);
    option.aspect_ratio = u16(1);
    option.banner_timeout = u16(2);
    option.opt3 = u16(3);
    option.system_lock = u16(4);
    option.channel_lock = u16(5);
    option.maturity_age = u16(6);
    option.hide_channel = u16(7);
    table.Text(0, 8, option.opt8_text);
    option.opt9 = u16(9);
    option.opt10 = u16(10);
    option.menu_language = u16(11);
    option.audio_language = u16(12);
    option.subtitle = u16(13);
    option.opt14 = static_cast<int16_t>(table.Int(0, 14));
    option.opt15 = u16(15);
    option.opt16 = u16(16);
    option.subtitle_language = u16(17);
    option.opt18 = table.Int(0, 18);
    option.opt19 = table.Int(0, 19);
    option.opt20 = u16(20);
    option.timeshift = u16(21);
    option.opt22 = u16(22);
    option.banner_type = u16(23);
    return table.Rows();
}

int CChannelDB::SaveOptionInfo(const OptionRecord& o) {
    // Column 8 is quoted like every other text, so an apostrophe in it is stored
    // as typed instead of breaking the statement.
    return Execute(kSqliteError,
                   "replace into OptionInfo values (%d, %d, %d, %d, %d, %d, %d, %d, '%q', %d, %d, %d, %d, %d, %d, %d, "
                   "%d, %d, %d, %d, %d, %d, %d, %d)",
                   o.option_id, o.aspect_ratio, o.banner_timeout, o.opt3, o.system_lock, o.channel_lock, o.maturity_age,
                   o.hide_channel, o.opt8_text, o.opt9, o.opt10, o.menu_language, o.audio_language, o.subtitle, o.opt14,
                   o.opt15, o.opt16, o.subtitle_language, o.opt18, o.opt19, o.opt20, o.timeshift, o.opt22,
                   o.banner_type);
}

int CChannelDB::EnsureOptionInfo(OptionRecord* option) {
    OptionRecord defaults;
    if (const int rows = GetOptionInfo(defaults, 0); rows < 1) {
        LogDbError(kSqliteError, rows);
        return rows;
    }
    defaults.option_id = 1;
    if (option != nullptr) {
        *option = defaults;
    }
    return SaveOptionInfo(defaults);
}
