#pragma once
// Reading the satellite position the user typed the way the receiver's own tools
// read it.
#include <QString>

#include <cstdint>
#include <optional>

namespace satfields {

// The leading decimal number of `text`: blanks skipped, optional sign, digits with an
// optional fraction; anything after it is ignored and text without a number gives 0.
double LeadingDecimal(const QString& text);

// A typed position in tenths of a degree, east positive: the number times ten, cut
// toward zero, negated unless `east`. Nothing when outside -1800..1800.
std::optional<int32_t> PositionTenths(const QString& text, bool east);

} // namespace satfields
