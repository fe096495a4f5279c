#include "StoredText.h"

#include <cstdint>

namespace storedtext {

namespace {

// The length of the complete UTF-8 character at `i`; 0 when the bytes are no UTF-8
// there, -1 when the text ends inside the character.
int CharacterLength(std::string_view bytes, size_t i) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
        return 1;
    }
    int length = 0;
    uint32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        smallest = 0x10000;
    } else {
        return 0;
    }
    uint32_t code = lead & (0x7Fu >> length);
    for (int k = 1; k < length; ++k) {
        if (i + static_cast<size_t>(k) >= bytes.size()) {
            return -1;
        }
        const auto next = static_cast<unsigned char>(bytes[i + static_cast<size_t>(k)]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are not UTF-8.
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return length;
}

// Where the incomplete character at the end begins; bytes.size() when there is none,
// std::string_view::npos when the bytes are no UTF-8.
size_t Utf8End(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        const int length = CharacterLength(bytes, i);
        if (length == 0) {
            return std::string_view::npos;
        }
        if (length < 0) {
            return i;
        }
        i += static_cast<size_t>(length);
    }
    return i;
}

} // namespace

bool IsStoredUtf8(std::string_view bytes) {
    return Utf8End(bytes) != std::string_view::npos;
}

std::string ShownUtf8(std::string_view bytes) {
    const size_t end = Utf8End(bytes);
    if (end != std::string_view::npos) {
        std::string text(bytes.substr(0, end));
        for (size_t i = end; i < bytes.size(); ++i) {
            text += "\xEF\xBF\xBD";
        }
        return text;
    }
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | byte >> 6);
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

} // namespace storedtext
