#include "Csv.h"

#include <cstdint>

namespace csv {

std::string FormatRecord(const Record& fields) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        const std::string& field = fields[i];
        if (field.find_first_of(",\"\r\n") == std::string::npos) {
            line += field;
            continue;
        }
        line += '"';
        for (const char c : field) {
            line += c;
            if (c == '"') {
                line += '"';
            }
        }
        line += '"';
    }
    line += "\r\n";
    return line;
}

ParseResult Parse(std::string_view text) {
    ParseResult result;
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    Record record;
    std::string field;
    int line = 1;
    int recordLine = 1;
    size_t i = 0;
    const auto endRecord = [&] {
        record.push_back(std::move(field));
        field.clear();
        result.records.push_back(std::move(record));
        result.lines.push_back(recordLine);
        record.clear();
    };
    while (i < text.size()) {
        const char c = text[i];
        if (c == '"' && field.empty()) {
            // A quoted field runs to the quote that is not doubled.
            const int startLine = line;
            ++i;
            for (;;) {
                if (i >= text.size()) {
                    result.error = "line " + std::to_string(startLine) + ": a quoted field is not closed";
                    return result;
                }
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                line += text[i] == '\n' ? 1 : 0;
                field += text[i++];
            }
            if (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                result.error = "line " + std::to_string(line) + ": text after a closing quote";
                return result;
            }
            continue;
        }
        if (c == ',') {
            record.push_back(std::move(field));
            field.clear();
            ++i;
        } else if (c == '\r' || c == '\n') {
            i += c == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
            endRecord();
            recordLine = ++line;
        } else {
            field += c;
            ++i;
        }
    }
    if (!field.empty() || !record.empty()) {
        endRecord();
    }
    return result;
}

namespace {

bool NeedsGuard(std::string_view field) {
    const size_t start = field.find_first_not_of('\'');
    return start != std::string_view::npos && std::string_view("=+-@\t\r").find(field[start]) != std::string_view::npos;
}

} // namespace

std::string GuardFormula(std::string_view field) {
    std::string guarded;
    if (NeedsGuard(field)) {
        guarded = '\'';
    }
    return guarded.append(field);
}

std::string UnguardFormula(std::string_view field) {
    return field.starts_with('\'') && NeedsGuard(field) ? std::string(field.substr(1)) : std::string(field);
}

bool IsUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t extra = 0;
        uint32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (i + extra >= text.size()) {
            return false;
        }
        for (size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = code << 6 | (next & 0x3F);
        }
        // Overlong forms, surrogates and values beyond Unicode are not UTF-8.
        static constexpr uint32_t kSmallest[4] = {0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += extra + 1;
    }
    return true;
}

} // namespace csv
