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

namespace {

// How SaveOptionInfo writes each column back: the record field's width and sign, or
// the short text of column 8.
enum class FieldKind { U16, S16, S32, Text };

struct OptionColumn {
    const char* field;
    FieldKind kind;
};

constexpr OptionColumn kOptionColumns[] = {
    {"option_id", FieldKind::U16},      {"aspect_ratio", FieldKind::U16}, {"banner_timeout", FieldKind::U16},
    {"opt3", FieldKind::U16},           {"system_lock", FieldKind::U16},  {"channel_lock", FieldKind::U16},
    {"maturity_age", FieldKind::U16},   {"hide_channel", FieldKind::U16}, {"opt8_text", FieldKind::Text},
    {"opt9", FieldKind::U16},           {"opt10", FieldKind::U16},        {"menu_language", FieldKind::U16},
    {"audio_language", FieldKind::U16}, {"subtitle", FieldKind::U16},     {"opt14", FieldKind::S16},
    {"opt15", FieldKind::U16},          {"opt16", FieldKind::U16},        {"subtitle_language", FieldKind::U16},
    {"opt18", FieldKind::S32},          {"opt19", FieldKind::S32},        {"opt20", FieldKind::U16},
    {"timeshift", FieldKind::U16},      {"opt22", FieldKind::U16},        {"banner_type", FieldKind::U16},
};

// True when the value read into a field of `kind` is written back as the very text
// SQLite gave for the stored value.
bool WrittenBackAsStored(const char* stored, FieldKind kind) {
    if (stored == nullptr) {
        return false;
    }
    if (kind == FieldKind::Text) {
        return std::strlen(stored) < sizeof(OptionRecord::opt8_text);
    }
    const int32_t read = dbutil::ReadInt(stored);
    int32_t held = read;
    if (kind == FieldKind::U16) {
        held = static_cast<uint16_t>(read);
    } else if (kind == FieldKind::S16) {
        held = static_cast<int16_t>(read);
    }
    return std::to_string(held) == stored;
}

} // namespace

int CChannelDB::FindUnfitOptionValue(int16_t optionId, std::string& field, std::string& value) {
    dbutil::ResultTable table;
    if (const int rc = Query(table, kSqliteError, "SELECT * FROM OptionInfo WHERE option_id = %d", optionId); rc != 0) {
        return rc;
    }
    if (table.Rows() == 0) {
        return 0;
    }
    int col = 0;
    for (const OptionColumn& column : kOptionColumns) {
        const char* stored = col < table.Cols() ? table.Value(0, col) : nullptr;
        ++col;
        if (!WrittenBackAsStored(stored, column.kind)) {
            field = column.field;
            value = stored != nullptr ? stored : "NULL";
            return 1;
        }
    }
    return 0;
}
