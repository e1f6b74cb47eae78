#pragma once
// Laying text out for DrawTextA and TextOutA: "&" prefixes, line ends, word
// wrapping, tab stops and the end ellipsis, all in whole pixels. Nothing here
// draws; the result says where every character goes.
//
// Each character is measured once and kept, so a line of any length costs one
// pass: wrapping re-measures at most the word it moves down, and the ellipsis
// is found by walking the measured line once.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/text/font_engine.h"
#include "platform/win32/gdi.h"

namespace gdi::text {

// Widths and heights stop growing here: nothing that far out is ever seen,
// and a text of two gigabytes must not overflow them.
inline constexpr int kMaxExtent = 1 << 30;

struct LaidChar {
    char32_t cp = 0;
    bool prefixed = false;  // came after a single "&": drawn underlined
    int x = 0;              // from the start of its line
    int advance = 0;
};

struct LaidLine {
    std::size_t begin = 0;  // range of TextLayout::chars on this line
    std::size_t end = 0;
    int width = 0;          // including the ellipsis when there is one
    bool ellipsis = false;  // "..." follows the last character, at x = ellipsis_x
    int ellipsis_x = 0;
};

struct TextLayout {
    std::vector<LaidChar> chars;
    std::vector<LaidLine> lines;
    int width = 0;  // the widest line
    int line_height = 0;
    int height() const;

    // A line's text as UTF-8, "..." included: for tests and diagnostics.
    std::string line_text(std::size_t line) const;
};

// Lays text out for the DrawTextA format flags that shape it: DT_SINGLELINE,
// DT_WORDBREAK, DT_EXPANDTABS, DT_NOPREFIX, DT_END_ELLIPSIS. wrap_width is the
// width lines must fit for wrapping and the ellipsis (ignored when neither is
// asked for).
TextLayout layout_text(Font& font, std::string_view text, UINT format, int wrap_width);

// Width of the text on one line with no prefix handling (TextOutA and
// GetTextExtentPoint32A).
int measure_line(Font& font, std::string_view text);

}  // namespace gdi::text
