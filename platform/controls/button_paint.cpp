#include "platform/controls/button_look.h"

#include <algorithm>

#include "platform/controls/classic_look.h"
#include "platform/controls/control_util.h"

namespace controls {

namespace {

COLORREF text_colour(const ButtonLook& look) { return GetSysColor(look.disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT); }

void paint_push(HDC hdc, const RECT& client, const ButtonLook& look) {
    RECT rc = client;
    fill_rect(hdc, rc, COLOR_BTNFACE);
    const bool is_default = look.type == BS_DEFPUSHBUTTON;
    if (is_default) {
        // The default button wears an extra black ring.
        frame_rect_color(hdc, rc, GetSysColor(COLOR_3DDKSHADOW));
        InflateRect(&rc, -1, -1);
    }
    RECT inside = draw_bevel(hdc, rc, look.pushed ? Bevel::Pushed : Bevel::Raised);
    RECT text = inside;
    if (look.pushed) OffsetRect(&text, 1, 1);
    draw_caption(hdc, look.text, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE, look.font, text_colour(look));
    if (look.focused) {
        RECT focus = client;
        InflateRect(&focus, is_default ? -4 : -3, is_default ? -4 : -3);
        draw_focus(hdc, focus);
    }
}

// The caption's own extent, for the focus rectangle around it.
RECT caption_extent(HDC hdc, const ButtonLook& look, const RECT& area) {
    RECT measured{0, 0, 0, 0};
    HGDIOBJ old = SelectObject(hdc, font_or_default(look.font));
    DrawTextA(hdc, look.text.data(), static_cast<int>(look.text.size()), &measured, DT_SINGLELINE | DT_CALCRECT);
    SelectObject(hdc, old);
    int w = std::min<LONG>(measured.right - measured.left, area.right - area.left);
    int h = std::min<LONG>(measured.bottom - measured.top, area.bottom - area.top);
    int top = area.top + ((area.bottom - area.top) - h) / 2;
    return RECT{area.left, top, area.left + w, top + h};
}

void paint_check_or_radio(HDC hdc, const RECT& client, const ButtonLook& look, HBRUSH background) {
    FillRect(hdc, &client, background);
    const bool radio = look.type == BS_RADIOBUTTON || look.type == BS_AUTORADIOBUTTON;
    const int glyph = radio ? kRadioGlyphSize : kCheckGlyphSize;
    CheckLayout layout = check_layout(client, glyph, look.left_text);
    if (radio)
        draw_radio_glyph(hdc, layout.box.left, layout.box.top, look.check != 0, look.pushed, look.disabled);
    else
        draw_check_glyph(hdc, layout.box.left, layout.box.top, look.check, look.pushed, look.disabled);
    draw_caption(hdc, look.text, layout.text, DT_LEFT | DT_VCENTER | DT_SINGLELINE, look.font, text_colour(look));
    if (look.focused && !look.text.empty()) {
        RECT focus = caption_extent(hdc, look, layout.text);
        InflateRect(&focus, 1, 1);
        draw_focus(hdc, focus);
    }
}

void paint_group_box(HDC hdc, const RECT& client, const ButtonLook& look, HBRUSH background) {
    int line_height = font_line_height(look.font);
    RECT frame = client;
    frame.top += line_height / 2;
    draw_bevel(hdc, frame, Bevel::Etched);
    if (look.text.empty()) return;
    RECT text{client.left + 8, client.top, client.right - 8, client.top + line_height};
    RECT extent = caption_extent(hdc, look, text);
    extent.left -= 2;
    extent.right += 2;
    FillRect(hdc, &extent, background);
    draw_caption(hdc, look.text, text, DT_LEFT | DT_TOP | DT_SINGLELINE, look.font, text_colour(look));
}

}  // namespace

CheckLayout check_layout(const RECT& client, int glyph_size, bool left_text) {
    // Centred with halves going to the even row, the way skins that paint over
    // the box place theirs, so that theirs covers ours exactly.
    int spare = (client.bottom - client.top) - glyph_size;
    int top = client.top + (spare >= 0 ? spare / 2 + ((spare % 4) == 3 ? 1 : 0) : -((-spare) / 2));
    CheckLayout out{};
    if (left_text) {
        out.box = RECT{client.right - glyph_size, top, client.right, top + glyph_size};
        out.text = RECT{client.left, client.top, out.box.left - 4, client.bottom};
    } else {
        out.box = RECT{client.left, top, client.left + glyph_size, top + glyph_size};
        out.text = RECT{out.box.right + 4, client.top, client.right, client.bottom};
    }
    return out;
}

void paint_button(HDC hdc, const RECT& client, const ButtonLook& look, HBRUSH background) {
    switch (look.type) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        paint_check_or_radio(hdc, client, look, background);
        break;
    case BS_GROUPBOX:
        paint_group_box(hdc, client, look, background);
        break;
    default:  // push buttons, user buttons, push boxes
        paint_push(hdc, client, look);
        break;
    }
}

}  // namespace controls
