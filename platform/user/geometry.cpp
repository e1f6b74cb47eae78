// Window and client rectangles, coordinate mapping, SetWindowPos, ShowWindow.

#include <algorithm>

#include "platform/gdi/internal.h"
#include "platform/host/host.h"
#include "platform/user/wm_state.h"

namespace user {

void recalc_client(Window* w) {
    HWND self = w->self;
    RECT r = w->rect;
    deliver(w, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&r));
    if (!(w = find_window(self))) return;
    // The client area stays inside the window rectangle.
    r.left = std::clamp(r.left, w->rect.left, w->rect.right);
    r.right = std::clamp(r.right, r.left, w->rect.right);
    r.top = std::clamp(r.top, w->rect.top, w->rect.bottom);
    r.bottom = std::clamp(r.bottom, r.top, w->rect.bottom);
    w->client = RECT{r.left - w->rect.left, r.top - w->rect.top, r.right - w->rect.left, r.bottom - w->rect.top};
}

void clamp_geometry(bool top_level, int* x, int* y, int* width, int* height) {
    constexpr int kCoordinate = 32767;
    constexpr int kTopLevelSide = 4096;
    const int side = top_level ? kTopLevelSide : kCoordinate;
    *x = std::clamp(*x, -kCoordinate, kCoordinate);
    *y = std::clamp(*y, -kCoordinate, kCoordinate);
    *width = std::clamp(*width, 0, side);
    *height = std::clamp(*height, 0, side);
}

void sync_surface(Window* w) {
    if (w->parent) {
        w->surface.reset();
        return;
    }
    int width = w->width(), height = w->height();
    if (w->surface && w->surface->width == width && w->surface->height == height) return;
    gdi::SurfacePtr fresh = width > 0 && height > 0 ? gdi::make_surface(width, height) : nullptr;
    // Keep what was shown where the old and new surfaces overlap until it is repainted.
    if (fresh && w->surface) {
        int cw = std::min(width, w->surface->width), ch = std::min(height, w->surface->height);
        for (int y = 0; y < ch; ++y) std::copy_n(w->surface->row(y), cw, fresh->row(y));
    }
    w->surface = std::move(fresh);
    for (HDC dc : w->dcs) gdi::update_window_dc(dc, POINT{}, gdi::Region());
}

namespace {

void move_in_z_order(Window* w, HWND after) {
    auto& list = sibling_list(w);
    auto it = std::find(list.begin(), list.end(), w->self);
    if (it == list.end()) return;
    list.erase(it);
    if (after == HWND_BOTTOM) {
        list.push_back(w->self);
        return;
    }
    auto pos = std::find(list.begin(), list.end(), after);
    if (after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST || pos == list.end()) {
        list.insert(list.begin(), w->self);
    } else {
        list.insert(pos + 1, w->self);
    }
}

gdi::Region screen_shape(const Window* w) {
    RECT r = window_rect_on_screen(w);
    if (!w->shape) return gdi::Region(r);
    gdi::Region shaped = *w->shape;
    shaped.offset(r.left, r.top);
    return shaped.intersected(gdi::Region(r));
}

}  // namespace

}  // namespace user

using namespace user;

BOOL GetWindowRect(HWND hwnd, RECT* rc) {
    if (!rc) return FALSE;
    if (hwnd == GetDesktopWindow()) {
        *rc = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        return TRUE;
    }
    Window* w = find_window(hwnd);
    if (!w) return FALSE;
    *rc = window_rect_on_screen(w);
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rc) {
    if (!rc) return FALSE;
    if (hwnd == GetDesktopWindow()) return GetWindowRect(hwnd, rc);
    Window* w = find_window(hwnd);
    if (!w) return FALSE;
    *rc = RECT{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* pt) {
    Window* w = find_window(hwnd);
    if (!w || !pt) return FALSE;
    RECT c = client_rect_on_screen(w);
    pt->x = wrap_add(pt->x, c.left);
    pt->y = wrap_add(pt->y, c.top);
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* pt) {
    Window* w = find_window(hwnd);
    if (!w || !pt) return FALSE;
    RECT c = client_rect_on_screen(w);
    pt->x = wrap_sub(pt->x, c.left);
    pt->y = wrap_sub(pt->y, c.top);
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
    POINT origin_from{}, origin_to{};
    if (from && from != GetDesktopWindow()) {
        Window* w = find_window(from);
        if (!w) return 0;
        RECT c = client_rect_on_screen(w);
        origin_from = POINT{c.left, c.top};
    }
    if (to && to != GetDesktopWindow()) {
        Window* w = find_window(to);
        if (!w) return 0;
        RECT c = client_rect_on_screen(w);
        origin_to = POINT{c.left, c.top};
    }
    int dx = origin_from.x - origin_to.x, dy = origin_from.y - origin_to.y;
    if (points) {
        for (UINT i = 0; i < count; ++i) {
            points[i].x = wrap_add(points[i].x, dx);
            points[i].y = wrap_add(points[i].y, dy);
        }
    }
    return MAKELPARAM(dx, dy) & 0xFFFFFFFF;
}

BOOL SetWindowPos(HWND hwnd, HWND insert_after, int x, int y, int cx, int cy, UINT flags) {
    Window* w = find_window(hwnd);
    if (!w) return FALSE;
    WINDOWPOS wp;
    wp.hwnd = hwnd;
    wp.hwndInsertAfter = insert_after;
    wp.x = (flags & SWP_NOMOVE) ? w->rect.left : x;
    wp.y = (flags & SWP_NOMOVE) ? w->rect.top : y;
    wp.cx = (flags & SWP_NOSIZE) ? w->width() : std::max(cx, 0);
    wp.cy = (flags & SWP_NOSIZE) ? w->height() : std::max(cy, 0);
    wp.flags = flags;
    if (!(flags & SWP_NOSENDCHANGING)) {
        deliver(w, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
        if (!(w = find_window(hwnd))) return FALSE;
    }
    flags = wp.flags;
    clamp_geometry(!w->parent, &wp.x, &wp.y, &wp.cx, &wp.cy);

    const bool top = !w->parent;
    const bool was_visible = is_really_visible(w);
    const gdi::Region old_area = was_visible ? screen_shape(w) : gdi::Region();
    const RECT old_rect = w->rect;
    RECT new_rect{wp.x, wp.y, wp.x + wp.cx, wp.y + wp.cy};
    if (flags & SWP_NOMOVE) new_rect = RECT{old_rect.left, old_rect.top, old_rect.left + wp.cx, old_rect.top + wp.cy};
    if (flags & SWP_NOSIZE) new_rect.right = new_rect.left + w->width(), new_rect.bottom = new_rect.top + w->height();
    const bool moved = new_rect.left != old_rect.left || new_rect.top != old_rect.top;
    const bool sized = (new_rect.right - new_rect.left) != w->width() || (new_rect.bottom - new_rect.top) != w->height();
    bool z_changed = false;

    if (moved || sized || (flags & SWP_FRAMECHANGED)) {
        w->rect = new_rect;
        recalc_client(w);
        if (!(w = find_window(hwnd))) return FALSE;
        if (sized) sync_surface(w);
    }
    if (!(flags & SWP_NOZORDER)) {
        auto& list = sibling_list(w);
        auto before = list;
        move_in_z_order(w, insert_after);
        z_changed = before != list;
    }
    bool shown = false, hidden = false;
    if ((flags & SWP_SHOWWINDOW) && !w->visible_bit()) {
        w->style |= WS_VISIBLE;
        shown = true;
    } else if ((flags & SWP_HIDEWINDOW) && w->visible_bit()) {
        w->style &= ~WS_VISIBLE;
        hidden = true;
    }

    const bool now_visible = is_really_visible(w);
    const bool changed = moved || sized || z_changed || shown || hidden || (flags & SWP_FRAMECHANGED);
    if (changed && !(flags & SWP_NOREDRAW)) {
        if (!top && was_visible) {
            // What the window no longer covers shows its parent and the siblings below.
            gdi::Region uncovered = now_visible ? old_area.subtracted(screen_shape(w)) : old_area;
            if (z_changed) uncovered = old_area;
            if (Window* p = find_window(w->parent); p && !uncovered.empty()) invalidate_screen_area(p, uncovered);
        }
        // A top-level window's surface moves with it: only a new size or showing needs a repaint.
        if (now_visible && (!top || sized || shown || (flags & SWP_FRAMECHANGED))) {
            invalidate_window(w, nullptr, true, true, true);
        }
    }
    if (!(w = find_window(hwnd))) return FALSE;

    if (!moved) wp.flags |= SWP_NOMOVE;
    if (!sized) wp.flags |= SWP_NOSIZE;
    wp.x = w->rect.left;
    wp.y = w->rect.top;
    wp.cx = w->width();
    wp.cy = w->height();
    deliver(w, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
    if (!(w = find_window(hwnd))) return TRUE;

    if (hidden) window_going_away(w);
    if (!(w = find_window(hwnd))) return TRUE;
    if (shown && top && !(flags & SWP_NOACTIVATE) && !(w->ex_style & WS_EX_NOACTIVATE)) activate_window(w, false);
    if (top && (changed || moved)) host::current().top_level_changed(hwnd);
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(hwnd, HWND(), x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL ShowWindow(HWND hwnd, int cmd) {
    Window* w = find_window(hwnd);
    if (!w) return FALSE;
    const BOOL was_visible = w->visible_bit() ? TRUE : FALSE;
    const bool show = cmd != SW_HIDE;
    const bool activates = show && cmd != SW_SHOWNA && cmd != SW_SHOWNOACTIVATE && cmd != SW_SHOWMINIMIZED &&
                           cmd != SW_MINIMIZE;
    if (show == static_cast<bool>(was_visible)) {
        if (show && activates && !w->parent && state().active != hwnd && !(w->ex_style & WS_EX_NOACTIVATE))
            activate_window(w, false);
        return was_visible;
    }
    deliver(w, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    if (!find_window(hwnd)) return was_visible;
    UINT flags = (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW) | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;
    if (!activates) flags |= SWP_NOACTIVATE;
    SetWindowPos(hwnd, HWND(), 0, 0, 0, 0, flags);
    return was_visible;
}

BOOL IsWindowVisible(HWND hwnd) {
    Window* w = find_window(hwnd);
    return w && is_really_visible(w) ? TRUE : FALSE;
}
