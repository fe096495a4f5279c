#pragma once
// Texts the receiver's files store (names of channels, satellites, providers, groups)
// as the editor shows them: UTF-8 when the bytes are UTF-8, where an incomplete
// character at the very end (a name cut to its field) still counts as UTF-8 and shows
// as one U+FFFD per byte; otherwise Latin-1, as names written by other tools often
// are. The list views, the dialogs and orvane-cli all show names this way.
// Plain C++, no Qt.
#include <string>
#include <string_view>

namespace storedtext {

// True when `bytes` are UTF-8 but for an incomplete character at the end.
bool IsStoredUtf8(std::string_view bytes);

// The text as the editor shows it, in UTF-8.
std::string ShownUtf8(std::string_view bytes);

} // namespace storedtext
