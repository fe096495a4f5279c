#pragma once
// Comma-separated values as RFC 4180 has them: fields separated by commas, records by
// CRLF (a lone LF is taken too), a field that holds a comma, a quote or a line break
// written between double quotes with each quote doubled. Text is UTF-8; a leading
// byte-order mark is skipped on reading.
#include <string>
#include <string_view>
#include <vector>

namespace csv {

using Record = std::vector<std::string>;

// One record with its CRLF.
std::string FormatRecord(const Record& fields);

struct ParseResult {
    std::vector<Record> records;
    std::vector<int> lines; // the line each record starts on, from 1
    std::string error;      // empty when the text parsed
};

// Splits `text` into records. An unterminated quoted field, or text after a closing
// quote, is an error naming its line. An empty last line adds no record.
ParseResult Parse(std::string_view text);

// A text field for a spreadsheet: one that begins with '=', '+', '-', '@', TAB or CR
// (after any apostrophes) would be taken for a formula, so it gets a leading
// apostrophe; UnguardFormula removes exactly that apostrophe again, so that every text
// survives the round trip ("'=x" is written "''=x").
std::string GuardFormula(std::string_view field);
std::string UnguardFormula(std::string_view field);

// True when `text` is well-formed UTF-8.
bool IsUtf8(std::string_view text);

} // namespace csv
