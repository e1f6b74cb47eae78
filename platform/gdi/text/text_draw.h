#pragma once
// Drawing laid-out text through a DC's text state: background, glyphs,
// prefix underlines, the font's own underline and strike-out, the ellipsis.

#include "platform/gdi/internal.h"
#include "platform/gdi/text/text_layout.h"

namespace gdi::text {

struct TextPlacement {
    // The box the lines are aligned in, DC coordinates. Wide arithmetic: the
    // caller's rectangle may hold any LONG values.
    long long left = 0;
    long long right = 0;
    long long top = 0;  // top of the first line's cell
    UINT align = DT_LEFT;  // DT_LEFT, DT_CENTER or DT_RIGHT
    bool underline_prefixes = true;
    // Extra clip in DC coordinates (DrawTextA's rectangle); null for none.
    const RECT* clip = nullptr;
};

// Draws into st's surface (does nothing when it has none).
void draw_layout(const DcTextState& st, Font& font, const TextLayout& layout, const TextPlacement& where);

}  // namespace gdi::text
