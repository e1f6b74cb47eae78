#include "platform/gdi/text/text_layout.h"

#include <algorithm>

#include "platform/gdi/text/utf8.h"

namespace gdi::text {

namespace {

constexpr char32_t kLineFeed = U'\n';
constexpr char32_t kReturn = U'\r';
constexpr char32_t kTab = U'\t';
constexpr int kTabStopChars = 8;  // tab stops every eight average character widths

bool is_blank(char32_t cp) { return cp == U' ' || cp == 0x3000; }

// Ideographs, kana, hangul and full-width forms: a line may break between any two.
bool is_cjk(char32_t cp) {
    return (cp >= 0x2E80 && cp <= 0x9FFF) || (cp >= 0xAC00 && cp <= 0xD7AF) || (cp >= 0xF900 && cp <= 0xFAFF) ||
           (cp >= 0xFF00 && cp <= 0xFFEF) || (cp >= 0x20000 && cp <= 0x3FFFF);
}

// Closing punctuation stays on the line of the character before it.
bool no_break_before(char32_t cp) {
    switch (cp) {
    case 0x3001: case 0x3002: case 0xFF0C: case 0xFF0E: case 0xFF01: case 0xFF1F: case 0xFF1A: case 0xFF1B:
    case 0xFF09: case 0x300D: case 0x300F: case 0x3011: case 0x3009: case 0x300B: case 0x201D: case 0x2019:
    case U'.': case U',': case U'!': case U'?': case U':': case U';': case U')':
        return true;
    default:
        return false;
    }
}

// A line may end between two non-blank characters when either is CJK.
bool breaks_between(char32_t before, char32_t after) {
    return (is_cjk(before) || is_cjk(after)) && !is_blank(before) && !no_break_before(after);
}

// Decodes the text and resolves "&" prefixes: "&x" is x marked as prefixed,
// "&&" is one "&", a lone "&" at the end is dropped.
std::vector<LaidChar> decode(std::string_view text, bool prefixes) {
    std::vector<LaidChar> out;
    out.reserve(text.size());
    bool pending_prefix = false;
    for (std::size_t pos = 0; pos < text.size();) {
        const Decoded d = decode_utf8(text, pos);
        pos += d.size;
        if (prefixes && d.cp == U'&' && !pending_prefix) {
            pending_prefix = true;
            continue;
        }
        const bool prefixed = pending_prefix && d.cp != U'&';
        pending_prefix = false;
        out.push_back(LaidChar{d.cp, prefixed, 0, 0});
    }
    return out;
}

class LineBuilder {
public:
    LineBuilder(Font& font, TextLayout& layout, UINT format, int wrap_width)
        : font_(font),
          layout_(layout),
          wrap_(format & DT_WORDBREAK),
          ellipsis_(format & DT_END_ELLIPSIS),
          expand_tabs_(format & DT_EXPANDTABS),
          wrap_width_(std::max(0, wrap_width)),
          tab_width_(std::max(1, font.metrics().ave_char_width * kTabStopChars)) {}

    // Lays out chars[begin, end): one hard line, which wrapping may split.
    void hard_line(std::size_t begin, std::size_t end) {
        auto& chars = layout_.chars;
        std::size_t start = begin;
        while (true) {
            int x = 0;
            std::size_t break_end = start;   // a wrapped line would end here...
            std::size_t break_next = start;  // ...and the next one start here
            bool can_break = false;
            std::size_t i = start;
            for (; i < end; ++i) {
                LaidChar& c = chars[i];
                c.x = x;
                c.advance = advance(c.cp, x);
                if (wrap_) {
                    if (is_blank(c.cp)) {
                        // Blanks hang past the edge; the line may end before them.
                        if (i > start && !is_blank(chars[i - 1].cp)) break_end = i;
                        if (break_end > start) {
                            break_next = i + 1;
                            can_break = true;
                        }
                    } else {
                        if (i > start && breaks_between(chars[i - 1].cp, c.cp)) {
                            break_end = break_next = i;
                            can_break = true;
                        }
                        // The first character past the edge moves down, with
                        // whatever follows the last break.
                        if (x + c.advance > wrap_width_ && can_break) break;
                    }
                }
                x = std::min(x + c.advance, kMaxExtent);
            }
            if (i == end) {
                emit(start, end);
                return;
            }
            emit(start, break_end);
            start = break_next;
            // Blanks at the start of a wrapped line are the break itself.
            while (start < end && is_blank(chars[start].cp)) ++start;
            if (start >= end) return;
        }
    }

private:
    int advance(char32_t cp, int x) {
        if (cp == kTab) {
            if (!expand_tabs_) return font_.advance(U' ');
            return (x / tab_width_ + 1) * tab_width_ - x;
        }
        return font_.advance(cp);
    }

    void emit(std::size_t begin, std::size_t end) {
        auto& chars = layout_.chars;
        LaidLine line;
        line.begin = begin;
        line.end = end;
        // Trailing blanks take no room.
        std::size_t last = end;
        while (last > begin && is_blank(chars[last - 1].cp)) --last;
        line.width = last > begin ? chars[last - 1].x + chars[last - 1].advance : 0;
        if (ellipsis_ && line.width > wrap_width_) {
            const int dots = 3 * font_.advance(U'.');
            const int room = wrap_width_ - dots;
            std::size_t keep = begin;
            while (keep < end && chars[keep].x + chars[keep].advance <= room) ++keep;
            line.end = keep;
            line.ellipsis = true;
            line.ellipsis_x = keep > begin ? chars[keep - 1].x + chars[keep - 1].advance : 0;
            line.width = line.ellipsis_x + dots;
        }
        layout_.width = std::max(layout_.width, line.width);
        layout_.lines.push_back(line);
    }

    Font& font_;
    TextLayout& layout_;
    bool wrap_;
    bool ellipsis_;
    bool expand_tabs_;
    int wrap_width_;
    int tab_width_;
};

}  // namespace

int TextLayout::height() const {
    return static_cast<int>(std::min<long long>(static_cast<long long>(lines.size()) * line_height, kMaxExtent));
}

std::string TextLayout::line_text(std::size_t line) const {
    std::string out;
    if (line >= lines.size()) return out;
    const LaidLine& l = lines[line];
    for (std::size_t i = l.begin; i < l.end; ++i) {
        char32_t cp = chars[i].cp;
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    if (l.ellipsis) out += "...";
    return out;
}

TextLayout layout_text(Font& font, std::string_view text, UINT format, int wrap_width) {
    TextLayout layout;
    layout.line_height = font.metrics().height;
    layout.chars = decode(text, !(format & DT_NOPREFIX));
    if (layout.chars.empty()) return layout;

    const bool single = format & DT_SINGLELINE;
    if (single) format &= ~DT_WORDBREAK;
    LineBuilder builder(font, layout, format, wrap_width);
    auto& chars = layout.chars;
    if (single) {
        builder.hard_line(0, chars.size());
        return layout;
    }
    // CR LF, LF and a lone CR each end a line; a line end at the very end of
    // the text opens no further line.
    std::size_t start = 0;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        if (chars[i].cp != kLineFeed && chars[i].cp != kReturn) continue;
        builder.hard_line(start, i);
        if (chars[i].cp == kReturn && i + 1 < chars.size() && chars[i + 1].cp == kLineFeed) ++i;
        start = i + 1;
    }
    if (start < chars.size()) builder.hard_line(start, chars.size());
    return layout;
}

int measure_line(Font& font, std::string_view text) {
    int width = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const Decoded d = decode_utf8(text, pos);
        pos += d.size;
        width = std::min(width + (d.cp == kTab ? font.advance(U' ') : font.advance(d.cp)), kMaxExtent);
    }
    return width;
}

}  // namespace gdi::text
