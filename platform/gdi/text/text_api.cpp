// GetTextMetricsA, GetTextExtentPoint32A, TextOutA and DrawTextA.
//
// Text is UTF-8 and lengths are byte counts. A negative length means the text
// ends at its NUL; an explicit length also stops at a NUL, so a count larger
// than the string never reads past it. A DC with no bitmap still measures;
// it just has nowhere to draw.

#include <algorithm>
#include <climits>

#include "platform/gdi/internal.h"
#include "platform/gdi/text/font_engine.h"
#include "platform/gdi/text/text_draw.h"
#include "platform/gdi/text/text_layout.h"
#include "platform/gdi/text/utf8.h"

using gdi::DcTextState;
using namespace gdi::text;

namespace {

// The family nibble of the font asked for, plus "variable pitch, vector,
// TrueType" in the low bits, as scalable faces report themselves.
constexpr BYTE kScalableVariablePitch = 0x07;

LONG saturate(long long v) { return static_cast<LONG>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

}  // namespace

BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* tm) {
    DcTextState st;
    if (!tm || !gdi::dc_text_state(hdc, &st)) return FALSE;
    const Font::Metrics& m = font_for(st.font).metrics();
    TEXTMETRICA out;
    out.tmHeight = m.height;
    out.tmAscent = m.ascent;
    out.tmDescent = m.descent;
    out.tmInternalLeading = m.internal_leading;
    out.tmExternalLeading = m.external_leading;
    out.tmAveCharWidth = m.ave_char_width;
    out.tmMaxCharWidth = m.max_char_width;
    out.tmWeight = m.weight;
    out.tmItalic = m.italic ? 1 : 0;
    out.tmUnderlined = m.underline ? 1 : 0;
    out.tmStruckOut = m.strikeout ? 1 : 0;
    out.tmPitchAndFamily = static_cast<BYTE>((st.font.lfPitchAndFamily & 0xF0) | kScalableVariablePitch);
    out.tmCharSet = st.font.lfCharSet;
    *tm = out;
    return TRUE;
}

BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR text, int length, SIZE* size) {
    DcTextState st;
    if (!size || (!text && length != 0) || !gdi::dc_text_state(hdc, &st)) return FALSE;
    Font& font = font_for(st.font);
    size->cx = measure_line(font, bounded_text(text, length));
    size->cy = font.metrics().height;
    return TRUE;
}

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR text, int length) {
    DcTextState st;
    if ((!text && length != 0) || !gdi::dc_text_state(hdc, &st)) return FALSE;
    const std::string_view s = bounded_text(text, length);
    if (s.empty() || !st.surface) return TRUE;
    Font& font = font_for(st.font);
    const TextLayout layout = layout_text(font, s, DT_SINGLELINE | DT_NOPREFIX, 0);
    TextPlacement where;
    where.left = where.right = x;
    where.top = y;
    draw_layout(st, font, layout, where);
    return TRUE;
}

// Returns the height of the text; with DT_VCENTER or DT_BOTTOM (single line)
// it is the height plus how far the text was moved down, that is, where the
// text ends below the rectangle's top, as callers of the original function
// expect. 0 for failure and for empty text.
int DrawTextA(HDC hdc, LPCSTR text, int length, RECT* rc, UINT format) {
    DcTextState st;
    if (!text || !rc || !gdi::dc_text_state(hdc, &st)) return 0;
    const std::string_view s = bounded_text(text, length);
    Font& font = font_for(st.font);

    const long long rect_width = std::max(0LL, static_cast<long long>(rc->right) - rc->left);
    const long long rect_height = std::max(0LL, static_cast<long long>(rc->bottom) - rc->top);
    const int wrap_width = static_cast<int>(std::min<long long>(rect_width, INT_MAX));
    const TextLayout layout = layout_text(font, s, format, wrap_width);
    const int height = layout.height();

    if (format & DT_CALCRECT) {
        rc->right = saturate(static_cast<long long>(rc->left) + layout.width);
        rc->bottom = saturate(static_cast<long long>(rc->top) + height);
        return height;
    }
    if (layout.lines.empty()) return 0;

    long long offset = 0;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER) {
            offset = (rect_height - height) / 2;
        } else if (format & DT_BOTTOM) {
            offset = rect_height - height;
        }
    }

    TextPlacement where;
    where.left = rc->left;
    where.right = rc->left + rect_width;
    where.top = rc->top + offset;
    where.align = format & (DT_CENTER | DT_RIGHT);
    where.underline_prefixes = !(format & (DT_NOPREFIX | DT_HIDEPREFIX));
    where.clip = (format & DT_NOCLIP) ? nullptr : rc;
    draw_layout(st, font, layout, where);

    return static_cast<int>(std::min<long long>(height + std::max(0LL, offset), INT_MAX));
}
