#pragma once
// UTF-8 decoding for the text functions. Bytes that do not form a valid
// character (stray continuation bytes, overlong forms, surrogates, values past
// U+10FFFF, a sequence cut short by the end of the text) each decode as one
// U+FFFD, so a bad byte never swallows the good text after it and nothing past
// the given end is read.

#include <cstddef>
#include <string_view>

namespace gdi::text {

inline constexpr char32_t kReplacementChar = 0xFFFD;

struct Decoded {
    char32_t cp;
    std::size_t size;  // bytes consumed, 1 to 4
};

// Decodes the character starting at text[pos]; pos must be < text.size().
Decoded decode_utf8(std::string_view text, std::size_t pos);

// The text's length, stopping at the first NUL: length < 0 means the text is
// NUL-terminated, otherwise at most length bytes are looked at.
std::string_view bounded_text(const char* text, int length);

}  // namespace gdi::text
