#include "platform/gdi/text/utf8.h"

namespace gdi::text {

Decoded decode_utf8(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) return {lead, 1};

    std::size_t need;
    char32_t cp;
    char32_t min;
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 1, cp = lead & 0x1F, min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2, cp = lead & 0x0F, min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 3, cp = lead & 0x07, min = 0x10000;
    } else {
        return {kReplacementChar, 1};  // continuation byte, C0/C1 or F5..FF lead
    }
    if (text.size() - pos <= need) return {kReplacementChar, 1};
    for (std::size_t i = 1; i <= need; ++i) {
        const unsigned char c = byte(pos + i);
        if ((c & 0xC0) != 0x80) return {kReplacementChar, 1};
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {kReplacementChar, 1};
    return {cp, need + 1};
}

std::string_view bounded_text(const char* text, int length) {
    if (!text) return {};
    if (length < 0) return std::string_view(text);
    // An explicit length still stops at a NUL, so a count that overstates the
    // string never walks off its end.
    // (A byte loop rather than memchr: it must not touch anything after the NUL.)
    std::size_t n = 0;
    const std::size_t limit = static_cast<std::size_t>(length);
    while (n < limit && text[n] != '\0') ++n;
    return std::string_view(text, n);
}

}  // namespace gdi::text
