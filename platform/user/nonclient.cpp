// The non-client area of child and pop-up windows: a 1-pixel border for
// WS_BORDER, a 2-pixel sunken edge for WS_EX_CLIENTEDGE and 17-pixel classic
// scroll bars for WS_VSCROLL / WS_HSCROLL. Overlapped top-level windows have
// none: the desktop's window manager frames them.

#include <algorithm>

#include "platform/user/scroll_geometry.h"
#include "platform/user/wm_state.h"

namespace user {

namespace {

constexpr int kScrollSize = 17;

int frame_width(const Window* w) {
    int n = 0;
    if (w->style & WS_BORDER) n += 1;
    if (w->ex_style & WS_EX_CLIENTEDGE) n += 2;
    if (w->ex_style & WS_EX_STATICEDGE) n += 1;
    return n;
}

RECT inset(RECT r, int n) {
    r.left += n;
    r.top += n;
    r.right = std::max(r.left, r.right - n);
    r.bottom = std::max(r.top, r.bottom - n);
    return r;
}

void fill(HDC hdc, RECT r, int colour) {
    if (r.left < r.right && r.top < r.bottom) FillRect(hdc, &r, GetSysColorBrush(colour));
}

// A small solid triangle pointing up, down, left or right, centred in r.
void draw_arrow(HDC hdc, RECT r, int direction, bool enabled) {
    int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    HBRUSH brush = GetSysColorBrush(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
    for (int i = 0; i < 4; ++i) {
        RECT line;
        switch (direction) {
        case 0: line = RECT{cx - i, cy - 2 + i, cx + i + 1, cy - 1 + i}; break;      // up
        case 1: line = RECT{cx - 3 + i, cy - 1 + i, cx + 4 - i, cy + i}; break;      // down
        case 2: line = RECT{cx - 2 + i, cy - i, cx - 1 + i, cy + i + 1}; break;      // left
        default: line = RECT{cx - 1 + i, cy - 3 + i, cx + i, cy + 4 - i}; break;    // right
        }
        FillRect(hdc, &line, brush);
    }
}

void draw_button(HDC hdc, RECT r) {
    if (r.left >= r.right || r.top >= r.bottom) return;
    DrawEdge(hdc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}

void draw_scroll_bar(HDC hdc, const ScrollBarLayout& l, bool vertical, bool enabled) {
    draw_button(hdc, l.arrow_first);
    draw_arrow(hdc, l.arrow_first, vertical ? 0 : 2, enabled);
    draw_button(hdc, l.arrow_last);
    draw_arrow(hdc, l.arrow_last, vertical ? 1 : 3, enabled);
    fill(hdc, l.track, COLOR_SCROLLBAR);
    if (enabled && l.has_thumb) draw_button(hdc, l.thumb);
}

}  // namespace

bool has_own_frame(const Window* w) {
    if (w->is_child()) return true;
    return (w->style & WS_POPUP) && (w->style & WS_CAPTION) != WS_CAPTION;
}

RECT nonclient_client_rect(const Window* w, const RECT& window_rect) {
    if (!has_own_frame(w)) return window_rect;
    RECT r = inset(window_rect, frame_width(w));
    if ((w->style & WS_VSCROLL) && r.right - r.left >= kScrollSize) r.right -= kScrollSize;
    if ((w->style & WS_HSCROLL) && r.bottom - r.top >= kScrollSize) r.bottom -= kScrollSize;
    return r;
}

bool scroll_bar_rects(const Window* w, RECT* vertical, RECT* horizontal) {
    // Window coordinates: the bars sit between the frame and the client area.
    RECT inner = has_own_frame(w) ? inset(RECT{0, 0, w->width(), w->height()}, frame_width(w))
                                  : RECT{0, 0, w->width(), w->height()};
    *vertical = RECT{};
    *horizontal = RECT{};
    if (!has_own_frame(w)) return false;
    if (w->style & WS_VSCROLL) *vertical = RECT{w->client.right, inner.top, inner.right, w->client.bottom};
    if (w->style & WS_HSCROLL) *horizontal = RECT{inner.left, w->client.bottom, w->client.right, inner.bottom};
    return (w->style & (WS_VSCROLL | WS_HSCROLL)) != 0;
}

void paint_nonclient(Window* w, HDC hdc) {
    RECT r{0, 0, w->width(), w->height()};
    if (w->style & WS_BORDER) {
        FrameRect(hdc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
        r = inset(r, 1);
    }
    if (w->ex_style & WS_EX_CLIENTEDGE) DrawEdge(hdc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    if (w->ex_style & WS_EX_STATICEDGE) DrawEdge(hdc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    RECT v, h;
    if (!scroll_bar_rects(w, &v, &h)) return;
    const bool enabled = !(w->style & WS_DISABLED);
    if (v.left < v.right) draw_scroll_bar(hdc, layout_scroll_bar(v, true, w->vscroll), true, enabled);
    if (h.left < h.right) draw_scroll_bar(hdc, layout_scroll_bar(h, false, w->hscroll), false, enabled);
    if (v.left < v.right && h.left < h.right) fill(hdc, RECT{v.left, h.top, v.right, h.bottom}, COLOR_BTNFACE);
}

LRESULT nonclient_hit_test(Window* w, POINT screen) {
    RECT wr = window_rect_on_screen(w);
    if (screen.x < wr.left || screen.x >= wr.right || screen.y < wr.top || screen.y >= wr.bottom) return HTNOWHERE;
    POINT p{wrap_sub(screen.x, wr.left), wrap_sub(screen.y, wr.top)};
    if (PtInRect(&w->client, p)) return HTCLIENT;
    RECT v, h;
    scroll_bar_rects(w, &v, &h);
    if (PtInRect(&v, p)) return HTVSCROLL;
    if (PtInRect(&h, p)) return HTHSCROLL;
    return HTBORDER;
}

}  // namespace user

using namespace user;

BOOL DrawEdge(HDC hdc, RECT* rc, UINT edge, UINT flags) {
    if (!hdc || !rc) return FALSE;
    RECT r = *rc;
    struct Tier {
        UINT raised, sunken;
        int raised_light, raised_dark, sunken_light, sunken_dark;
    };
    // Outer tier, then inner tier: the colours of the top-left and bottom-right lines.
    static constexpr Tier kTiers[2] = {
        {BDR_RAISEDOUTER, BDR_SUNKENOUTER, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_3DSHADOW, COLOR_3DHIGHLIGHT},
        {BDR_RAISEDINNER, BDR_SUNKENINNER, COLOR_3DHIGHLIGHT, COLOR_3DSHADOW, COLOR_3DDKSHADOW, COLOR_3DLIGHT},
    };
    for (const Tier& t : kTiers) {
        int top_left, bottom_right;
        if (edge & t.raised) {
            top_left = t.raised_light;
            bottom_right = t.raised_dark;
        } else if (edge & t.sunken) {
            top_left = t.sunken_light;
            bottom_right = t.sunken_dark;
        } else {
            continue;
        }
        if (flags & (BF_FLAT | BF_MONO)) {
            top_left = bottom_right = (flags & BF_MONO) ? COLOR_WINDOWFRAME : COLOR_3DSHADOW;
        }
        if (r.left >= r.right || r.top >= r.bottom) break;
        if (flags & BF_TOP) fill(hdc, RECT{r.left, r.top, r.right - 1, r.top + 1}, top_left);
        if (flags & BF_LEFT) fill(hdc, RECT{r.left, r.top, r.left + 1, r.bottom - 1}, top_left);
        if (flags & BF_BOTTOM) fill(hdc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottom_right);
        if (flags & BF_RIGHT) fill(hdc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottom_right);
        if (flags & BF_LEFT) ++r.left;
        if (flags & BF_TOP) ++r.top;
        if (flags & BF_RIGHT) r.right = std::max(r.left, r.right - 1);
        if (flags & BF_BOTTOM) r.bottom = std::max(r.top, r.bottom - 1);
    }
    if (flags & BF_MIDDLE) fill(hdc, r, (flags & BF_MONO) ? COLOR_WINDOW : COLOR_3DFACE);
    if (flags & BF_ADJUST) *rc = r;
    return TRUE;
}
