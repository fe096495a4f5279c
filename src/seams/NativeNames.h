#pragma once
// File names as the system gives and takes them. Qt holds names as text, decoded from
// the locale's encoding, which loses a byte that is no part of it (a Latin-1 "\xe9" in a
// UTF-8 locale): such a name, made text and encoded again, names another file. The
// editor and orvane-cli take their command-line paths as the bytes the system gave.
#include <QStringList>

#include <string>
#include <vector>

namespace nativenames {

// The bytes behind each of `decoded` (arguments as QCoreApplication gives them, in
// order): the raw arguments (`raw`, the program's name first and passed over) whose
// decoded text is the next of `decoded`; empty when they cannot all be told.
std::vector<std::string> RawArguments(const QStringList& decoded, const std::vector<std::string>& raw);

// The bytes behind `value`, the value the parser took for option `name` ("--name VALUE"
// or "--name=VALUE", the last one given): `value` encoded as a file name when `raw`
// does not tell them.
std::string RawOptionValue(const std::string& name, const QString& value, const std::vector<std::string>& raw);

// True when `name`, made text and encoded again, is still `name`.
bool RoundTrips(const std::string& name);

} // namespace nativenames
