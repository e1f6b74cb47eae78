#pragma once
// The plain classic 3-D look of the standard controls: bevels drawn as
// one-pixel lines in the system colours, the check box and option button
// glyphs, the drop-down arrow and captions. Every routine draws into the DC it
// is given and creates no GDI object that outlives the call.

#include <string_view>

#include "platform/win32.h"

namespace controls {

enum class Bevel {
    Raised,      // a push button at rest: white and light above-left, shadow and black below-right
    Pushed,      // a pressed push button: a black frame with a shadow line inside
    Sunken,      // a field: shadow and black above-left, white and light below-right
    Etched,      // a group box line: shadow with white just inside
    RaisedThin,  // header items and list items: white above-left, shadow below-right
};

void fill_rect(HDC hdc, const RECT& rc, int sys_color);
void fill_rect_color(HDC hdc, const RECT& rc, COLORREF color);
void frame_rect_color(HDC hdc, const RECT& rc, COLORREF color);
// Draws the bevel along the inside of rc and returns the rectangle inside it.
RECT draw_bevel(HDC hdc, const RECT& rc, Bevel bevel);

// A 13 x 13 check box at left, top: white (face when pushed or disabled), a
// sunken edge, and the check mark; check is 0, 1 or 2 (indeterminate: grey mark).
inline constexpr int kCheckGlyphSize = 13;
void draw_check_glyph(HDC hdc, int left, int top, int check, bool pushed, bool disabled);
// A 13 x 13 option button at left, top with its dot when checked.
inline constexpr int kRadioGlyphSize = 13;
void draw_radio_glyph(HDC hdc, int left, int top, bool checked, bool pushed, bool disabled);
// A small downward triangle (7 x 4) centred in rc.
void draw_down_arrow(HDC hdc, const RECT& rc, bool disabled);
// The dotted focus rectangle, drawn by inverting.
void draw_focus(HDC hdc, const RECT& rc);

// A caption in font, transparent, in the given colour.
void draw_caption(HDC hdc, std::string_view text, RECT rc, UINT format, HFONT font, COLORREF color);

}  // namespace controls
