#include "platform/controls/classic_look.h"

#include <cmath>

#include "platform/controls/control_util.h"

namespace controls {

void fill_rect(HDC hdc, const RECT& rc, int sys_color) { FillRect(hdc, &rc, GetSysColorBrush(sys_color)); }

void fill_rect_color(HDC hdc, const RECT& rc, COLORREF color) {
    if (rc.right <= rc.left || rc.bottom <= rc.top) return;
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(hdc, &rc, brush);
    DeleteObject(brush);
}

void frame_rect_color(HDC hdc, const RECT& rc, COLORREF color) {
    if (rc.right <= rc.left || rc.bottom <= rc.top) return;
    HBRUSH brush = CreateSolidBrush(color);
    FrameRect(hdc, &rc, brush);
    DeleteObject(brush);
}

namespace {

// One ring: top and left lines in one colour, bottom and right in another.
// The bottom-right colour owns the corner pixels it shares with the top-left.
RECT ring(HDC hdc, const RECT& rc, int top_left, int bottom_right) {
    if (rc.right - rc.left < 1 || rc.bottom - rc.top < 1) return rc;
    fill_rect(hdc, RECT{rc.left, rc.top, rc.right - 1, rc.top + 1}, top_left);
    fill_rect(hdc, RECT{rc.left, rc.top, rc.left + 1, rc.bottom - 1}, top_left);
    fill_rect(hdc, RECT{rc.left, rc.bottom - 1, rc.right, rc.bottom}, bottom_right);
    fill_rect(hdc, RECT{rc.right - 1, rc.top, rc.right, rc.bottom}, bottom_right);
    return RECT{rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1};
}

}  // namespace

RECT draw_bevel(HDC hdc, const RECT& rc, Bevel bevel) {
    switch (bevel) {
    case Bevel::Raised:
        return ring(hdc, ring(hdc, rc, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW), COLOR_3DLIGHT, COLOR_BTNSHADOW);
    case Bevel::Pushed:
        return ring(hdc, ring(hdc, rc, COLOR_3DDKSHADOW, COLOR_3DDKSHADOW), COLOR_BTNSHADOW, COLOR_BTNSHADOW);
    case Bevel::Sunken:
        return ring(hdc, ring(hdc, rc, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT), COLOR_3DDKSHADOW, COLOR_3DLIGHT);
    case Bevel::Etched: {
        // Shadow rectangle, then a white one offset by a pixel, as a carved line.
        RECT outer{rc.left, rc.top, rc.right - 1, rc.bottom - 1};
        RECT inner{rc.left + 1, rc.top + 1, rc.right, rc.bottom};
        FrameRect(hdc, &inner, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
        FrameRect(hdc, &outer, GetSysColorBrush(COLOR_BTNSHADOW));
        return RECT{rc.left + 2, rc.top + 2, rc.right - 2, rc.bottom - 2};
    }
    case Bevel::RaisedThin:
        return ring(hdc, rc, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);
    }
    return rc;
}

void draw_check_glyph(HDC hdc, int left, int top, int check, bool pushed, bool disabled) {
    RECT box{left, top, left + kCheckGlyphSize, top + kCheckGlyphSize};
    RECT inside = draw_bevel(hdc, box, Bevel::Sunken);
    fill_rect(hdc, inside, pushed || disabled || check == 2 ? COLOR_BTNFACE : COLOR_WINDOW);
    if (check == 0) return;
    // The tick, 7 x 7, in the middle of the 9 x 9 inside.
    static const char* const kTick[7] = {
        "......X", ".....XX", "X...XXX", "XX.XXX.", "XXXXX..", ".XXX...", "..X....",
    };
    COLORREF mark = GetSysColor(check == 2 || disabled ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT);
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 7; ++x) {
            if (kTick[y][x] == 'X') SetPixel(hdc, inside.left + 1 + x, inside.top + 1 + y, mark);
        }
    }
}

void draw_radio_glyph(HDC hdc, int left, int top, bool checked, bool pushed, bool disabled) {
    // Rings by distance from the centre: outer ring shadow/white, inner ring
    // black/light, split along the diagonal like the square bevels.
    const double centre = (kRadioGlyphSize - 1) / 2.0;
    const COLORREF field = GetSysColor(pushed || disabled ? COLOR_BTNFACE : COLOR_WINDOW);
    const COLORREF dot = GetSysColor(disabled ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT);
    for (int y = 0; y < kRadioGlyphSize; ++y) {
        for (int x = 0; x < kRadioGlyphSize; ++x) {
            double d = std::hypot(x - centre, y - centre);
            bool upper_left = x + y < kRadioGlyphSize - 1;
            COLORREF c;
            if (d > 6.5) continue;
            if (d > 5.5) c = GetSysColor(upper_left ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
            else if (d > 4.5) c = GetSysColor(upper_left ? COLOR_3DDKSHADOW : COLOR_3DLIGHT);
            else c = checked && d <= 2.0 ? dot : field;
            SetPixel(hdc, left + x, top + y, c);
        }
    }
}

void draw_down_arrow(HDC hdc, const RECT& rc, bool disabled) {
    int cx = (rc.left + rc.right) / 2;
    int top = (rc.top + rc.bottom) / 2 - 2;
    if (disabled) {
        // Embossed: a white copy one pixel down-right under the grey one.
        for (int row = 0; row < 4; ++row)
            fill_rect(hdc, RECT{cx - 3 + row + 1, top + row + 1, cx + 4 - row + 1, top + row + 2}, COLOR_BTNHIGHLIGHT);
    }
    for (int row = 0; row < 4; ++row)
        fill_rect(hdc, RECT{cx - 3 + row, top + row, cx + 4 - row, top + row + 1},
                  disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
}

void draw_focus(HDC hdc, const RECT& rc) {
    if (rc.right > rc.left && rc.bottom > rc.top) DrawFocusRect(hdc, &rc);
}

void draw_caption(HDC hdc, std::string_view text, RECT rc, UINT format, HFONT font, COLORREF color) {
    if (text.empty()) return;
    HGDIOBJ old_font = SelectObject(hdc, font_or_default(font));
    int old_mode = SetBkMode(hdc, TRANSPARENT);
    COLORREF old_color = SetTextColor(hdc, color);
    DrawTextA(hdc, text.data(), static_cast<int>(text.size()), &rc, format);
    SetTextColor(hdc, old_color);
    SetBkMode(hdc, old_mode);
    SelectObject(hdc, old_font);
}

}  // namespace controls
