// Scroll bars of WS_VSCROLL / WS_HSCROLL windows: their ranges and positions,
// their layout, and presses on them (WM_VSCROLL / WM_HSCROLL to the window).

#include <algorithm>

#include "platform/host/host.h"
#include "platform/user/scroll_geometry.h"
#include "platform/user/wm_state.h"

namespace user {

namespace {

constexpr int kMinThumb = 8;

ScrollBarState* bar_of(Window* w, int bar) {
    if (!w) return nullptr;
    if (bar == SB_VERT) return &w->vscroll;
    if (bar == SB_HORZ) return &w->hscroll;
    return nullptr;
}

int max_pos(const ScrollBarState& s) {
    int page = static_cast<int>(std::min<UINT>(s.page, 0x7FFFFFFF));
    return std::max(s.min, s.max - std::max(page - 1, 0));
}

void redraw_frame(Window* w) {
    RedrawWindow(w->self, nullptr, HRGN(), RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
}

}  // namespace

ScrollBarLayout layout_scroll_bar(const RECT& bar, bool vertical, const ScrollBarState& info) {
    ScrollBarLayout l;
    const int length = vertical ? bar.bottom - bar.top : bar.right - bar.left;
    const int thickness = vertical ? bar.right - bar.left : bar.bottom - bar.top;
    int arrow = std::min(thickness, length / 2);
    auto part = [&](int from, int to) {
        return vertical ? RECT{bar.left, bar.top + from, bar.right, bar.top + to}
                        : RECT{bar.left + from, bar.top, bar.left + to, bar.bottom};
    };
    l.arrow_first = part(0, arrow);
    l.arrow_last = part(length - arrow, length);
    l.track = part(arrow, length - arrow);
    const int track = length - 2 * arrow;
    const long long range = static_cast<long long>(info.max) - info.min + 1;
    if (range <= 1 || track < kMinThumb) return l;
    int thumb = info.page ? static_cast<int>(std::min<long long>(track, track * static_cast<long long>(info.page) / range))
                          : thickness;
    thumb = std::clamp(thumb, std::min(kMinThumb, track), track);
    const long long span = static_cast<long long>(max_pos(info)) - info.min;
    const int offset = span > 0 ? static_cast<int>((track - thumb) * (static_cast<long long>(info.pos) - info.min) / span) : 0;
    l.thumb = part(arrow + offset, arrow + offset + thumb);
    l.has_thumb = info.page == 0 || static_cast<long long>(info.page) < range;
    return l;
}

namespace {

// The press held on a scroll bar.
struct BarPress {
    HWND hwnd;
    bool vertical = false;
    bool thumb = false;
    int grab = 0;  // where in the thumb it was taken, along the bar
};
BarPress held;

// A held arrow or track repeats its step: first after a pause, then quickly.
constexpr UINT kRepeatDelay = 400;
constexpr UINT kRepeatPeriod = 50;
UINT_PTR repeat_timer = 0;
int repeat_code = 0;

void stop_repeat() {
    if (repeat_timer) KillTimer(HWND(), repeat_timer);
    repeat_timer = 0;
}

void queue_scroll(Window* w, bool vertical, int code, int pos, POINT screen) {
    MSG m;
    m.hwnd = w->self;
    m.message = vertical ? WM_VSCROLL : WM_HSCROLL;
    m.wParam = MAKEWPARAM(code, pos);
    m.lParam = 0;
    m.time = static_cast<DWORD>(host::current().now_ms());
    m.pt = screen;
    state().input.push_back(m);
}

struct BarGeometry {
    RECT bar;  // window coordinates
    ScrollBarLayout layout;
    POINT point;  // the screen point in window coordinates
};

bool geometry_of(Window* w, bool vertical, POINT screen, BarGeometry* g) {
    RECT v, h;
    scroll_bar_rects(w, &v, &h);
    g->bar = vertical ? v : h;
    if (g->bar.left >= g->bar.right || g->bar.top >= g->bar.bottom) return false;
    g->layout = layout_scroll_bar(g->bar, vertical, vertical ? w->vscroll : w->hscroll);
    RECT wr = window_rect_on_screen(w);
    g->point = POINT{wrap_sub(screen.x, wr.left), wrap_sub(screen.y, wr.top)};
    return true;
}

void repeat_tick(HWND, UINT, UINT_PTR, DWORD) {
    Window* w = find_window(held.hwnd);
    if (!w || held.thumb) {
        stop_repeat();
        return;
    }
    queue_scroll(w, held.vertical, repeat_code, 0, state().cursor);
    repeat_timer = SetTimer(HWND(), repeat_timer, kRepeatPeriod, repeat_tick);
}

}  // namespace

bool scroll_bar_press(Window* w, POINT screen) {
    BarGeometry g;
    bool vertical = geometry_of(w, true, screen, &g) && PtInRect(&g.bar, g.point);
    if (!vertical && !(geometry_of(w, false, screen, &g) && PtInRect(&g.bar, g.point))) return false;
    ScrollBarState& info = vertical ? w->vscroll : w->hscroll;
    const ScrollBarLayout& l = g.layout;
    held = BarPress{w->self, vertical, false, 0};
    const POINT p = g.point;
    int code;
    if (PtInRect(&l.arrow_first, p)) code = SB_LINEUP;
    else if (PtInRect(&l.arrow_last, p)) code = SB_LINEDOWN;
    else if (l.has_thumb && PtInRect(&l.thumb, p)) code = SB_THUMBTRACK;
    else if (l.has_thumb && (vertical ? p.y < l.thumb.top : p.x < l.thumb.left)) code = SB_PAGEUP;
    else code = SB_PAGEDOWN;
    if (code == SB_THUMBTRACK) {
        held.thumb = true;
        held.grab = vertical ? p.y - l.thumb.top : p.x - l.thumb.left;
        info.track_pos = info.pos;
    }
    queue_scroll(w, vertical, code, code == SB_THUMBTRACK ? info.pos : 0, screen);
    stop_repeat();
    if (code != SB_THUMBTRACK) {
        repeat_code = code;
        repeat_timer = SetTimer(HWND(), 0, kRepeatDelay, repeat_tick);
    }
    return true;
}

bool scroll_bar_drag(POINT screen) {
    if (!held.hwnd) return false;
    Window* w = find_window(held.hwnd);
    BarGeometry g;
    if (!w || !geometry_of(w, held.vertical, screen, &g)) {
        held = BarPress{};
        return false;
    }
    if (!held.thumb) return true;
    ScrollBarState& info = held.vertical ? w->vscroll : w->hscroll;
    const ScrollBarLayout& l = g.layout;
    const int track_start = held.vertical ? l.track.top : l.track.left;
    const int track_length = held.vertical ? l.track.bottom - l.track.top : l.track.right - l.track.left;
    const int thumb_length = held.vertical ? l.thumb.bottom - l.thumb.top : l.thumb.right - l.thumb.left;
    const int free_length = track_length - thumb_length;
    const long long along = static_cast<long long>(held.vertical ? g.point.y : g.point.x) - track_start - held.grab;
    const long long span = static_cast<long long>(max_pos(info)) - info.min;
    int pos = info.min;
    if (free_length > 0) {
        pos = static_cast<int>(info.min + std::clamp<long long>(along, 0, free_length) * span / free_length);
    }
    if (pos != info.track_pos) {
        info.track_pos = pos;
        queue_scroll(w, held.vertical, SB_THUMBTRACK, pos, screen);
    }
    return true;
}

bool scroll_bar_release(POINT screen) {
    if (!held.hwnd) return false;
    BarPress ended = held;
    held = BarPress{};
    stop_repeat();
    Window* w = find_window(ended.hwnd);
    if (!w) return true;
    if (ended.thumb) {
        queue_scroll(w, ended.vertical, SB_THUMBPOSITION, (ended.vertical ? w->vscroll : w->hscroll).track_pos, screen);
    }
    queue_scroll(w, ended.vertical, SB_ENDSCROLL, 0, screen);
    return true;
}

void scroll_bar_cancel() {
    held = BarPress{};
    stop_repeat();
}

}  // namespace user

using namespace user;

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* si, BOOL redraw) {
    Window* w = find_window(hwnd);
    ScrollBarState* s = bar_of(w, bar);
    if (!s || !si) return 0;
    if (si->fMask & SIF_RANGE) {
        s->min = si->nMin;
        s->max = std::max(si->nMin, si->nMax);
    }
    if (si->fMask & SIF_PAGE) s->page = si->nPage;
    const long long range = static_cast<long long>(s->max) - s->min + 1;
    if (static_cast<long long>(s->page) > range) s->page = static_cast<UINT>(range);
    if (si->fMask & SIF_POS) s->pos = si->nPos;
    s->pos = std::clamp(s->pos, s->min, max_pos(*s));
    if (redraw) redraw_frame(w);
    return s->pos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* si) {
    Window* w = find_window(hwnd);
    ScrollBarState* s = bar_of(w, bar);
    if (!s || !si) return FALSE;
    if (si->fMask & SIF_RANGE) si->nMin = s->min, si->nMax = s->max;
    if (si->fMask & SIF_PAGE) si->nPage = s->page;
    if (si->fMask & SIF_POS) si->nPos = s->pos;
    if (si->fMask & SIF_TRACKPOS) si->nTrackPos = s->track_pos;
    return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw) {
    ScrollBarState* s = bar_of(find_window(hwnd), bar);
    if (!s) return 0;
    int old = s->pos;
    SCROLLINFO si;
    si.fMask = SIF_POS;
    si.nPos = pos;
    SetScrollInfo(hwnd, bar, &si, redraw);
    return old;
}

int GetScrollPos(HWND hwnd, int bar) {
    ScrollBarState* s = bar_of(find_window(hwnd), bar);
    return s ? s->pos : 0;
}

BOOL SetScrollRange(HWND hwnd, int bar, int min, int max, BOOL redraw) {
    if (!bar_of(find_window(hwnd), bar)) return FALSE;
    SCROLLINFO si;
    si.fMask = SIF_RANGE;
    si.nMin = min;
    si.nMax = max;
    SetScrollInfo(hwnd, bar, &si, redraw);
    return TRUE;
}
