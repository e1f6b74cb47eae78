// Invalidation, WM_PAINT bookkeeping and window DCs on the top-level's screen
// surface.

#include <algorithm>

#include "platform/gdi/internal.h"
#include "platform/host/host.h"
#include "platform/user/wm_state.h"

namespace user {

namespace {

RECT offset_rect(RECT r, int dx, int dy) { return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

RECT client_size_rect(const Window* w) {
    return RECT{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
}

// A window's shape on its top-level's surface: its rectangle cut by its region.
gdi::Region shape_on_surface(const Window* w) {
    POINT o = window_origin_on_surface(w);
    gdi::Region r(RECT{o.x, o.y, o.x + w->width(), o.y + w->height()});
    if (w->shape) {
        gdi::Region s = *w->shape;
        s.offset(o.x, o.y);
        r = r.intersected(s);
    }
    return r;
}

// What of the window shows on its top-level's surface (surface coordinates).
gdi::Region visible_region(Window* w, bool client_only) {
    Window* top = top_level_of(w);
    if (!top || !top->surface || !is_really_visible(w)) return gdi::Region();
    POINT o = window_origin_on_surface(w);
    RECT base = client_only ? offset_rect(w->client, o.x, o.y) : RECT{o.x, o.y, o.x + w->width(), o.y + w->height()};
    gdi::Region vis(base);
    if (w->shape) {
        gdi::Region s = *w->shape;
        s.offset(o.x, o.y);
        vis = vis.intersected(s);
    }
    if (w->style & WS_CLIPCHILDREN) {
        for (HWND c : w->children) {
            if (Window* cw = find_window(c); cw && cw->visible_bit()) vis = vis.subtracted(shape_on_surface(cw));
        }
    }
    for (Window* cur = w; cur->parent;) {
        Window* p = find_window(cur->parent);
        if (!p) break;
        POINT po = window_origin_on_surface(p);
        vis = vis.intersected(gdi::Region(offset_rect(p->client, po.x, po.y)));
        if (p->shape) {
            gdi::Region s = *p->shape;
            s.offset(po.x, po.y);
            vis = vis.intersected(s);
        }
        for (HWND sib : p->children) {
            if (sib == cur->self) break;
            if (Window* sw = find_window(sib); sw && sw->visible_bit()) vis = vis.subtracted(shape_on_surface(sw));
        }
        cur = p;
    }
    return vis.intersected(gdi::Region::rect(0, 0, top->surface->width, top->surface->height));
}

bool needs_paint(const Window* w) { return !w->update.empty() || w->internal_paint; }

void update_tree(Window* w, bool children) {
    HWND self = w->self;
    if (is_really_visible(w) && (needs_paint(w) || w->frame_pending)) paint_now(w, false);
    if (!children || !(w = find_window(self))) return;
    for (HWND c : std::vector<HWND>(w->children)) {
        if (Window* cw = find_window(c)) update_tree(cw, true);
    }
}

Window* find_paint_target(Window* w) {
    if (!w->visible_bit()) return nullptr;
    if (needs_paint(w) || w->frame_pending) return w;
    for (HWND c : w->children) {
        if (Window* cw = find_window(c)) {
            if (Window* t = find_paint_target(cw)) return t;
        }
    }
    return nullptr;
}

std::vector<HDC>& screen_dcs() {
    static std::vector<HDC> dcs;
    return dcs;
}

}  // namespace

void invalidate_window(Window* w, const gdi::Region* client_area, bool erase, bool frame, bool children) {
    if (!is_really_visible(w)) return;
    gdi::Region all(client_size_rect(w));
    gdi::Region area = client_area ? client_area->intersected(all) : all;
    if (!area.empty()) {
        w->update = w->update.united(area);
        if (erase) w->erase_pending = true;
    }
    if (frame) w->frame_pending = true;
    if (!children) return;
    gdi::Region reach = client_area ? *client_area : all;
    for (HWND c : w->children) {
        Window* cw = find_window(c);
        if (!cw || !cw->visible_bit()) continue;
        // The area in the child's client coordinates.
        gdi::Region sub = reach;
        sub.offset(-(cw->rect.left + cw->client.left), -(cw->rect.top + cw->client.top));
        RECT window_in_client = offset_rect(RECT{0, 0, cw->width(), cw->height()}, -cw->client.left, -cw->client.top);
        if (!sub.intersects(window_in_client)) continue;
        bool touches_frame = !sub.intersected(gdi::Region(window_in_client)).subtracted(gdi::Region(client_size_rect(cw))).empty();
        invalidate_window(cw, &sub, erase, touches_frame, true);
    }
}

void invalidate_screen_area(Window* w, const gdi::Region& screen_area) {
    RECT c = client_rect_on_screen(w);
    gdi::Region area = screen_area;
    area.offset(-c.left, -c.top);
    RECT wr = window_rect_on_screen(w);
    bool frame = !screen_area.intersected(gdi::Region(wr)).subtracted(gdi::Region(c)).empty();
    invalidate_window(w, &area, true, frame, true);
}

// Sends WM_PAINT (and WM_NCPAINT first when the frame is invalid) to w now.
void paint_now(Window* w, bool from_queue) {
    HWND self = w->self;
    if (w->frame_pending) {
        w->frame_pending = false;
        deliver(w, WM_NCPAINT, 1, 0);
        if (!(w = find_window(self))) return;
    }
    if (!needs_paint(w)) return;
    w->began_paint = false;
    state().next_delivery_posted = from_queue;
    deliver(w, WM_PAINT, 0, 0);
    if ((w = find_window(self))) {
        // A procedure that neither painted nor validated would get WM_PAINT forever.
        if (!w->began_paint) {
            w->update = gdi::Region();
            w->erase_pending = false;
        }
        w->internal_paint = false;
    }
}

void notify_damage() {
    // The host hears of drawing once per dispatched message, when it returns.
    if (state().dispatch_depth > 0) return;
    for (HWND t : std::vector<HWND>(state().top_levels)) {
        Window* w = find_window(t);
        if (w && w->surface && w->surface->damage.left < w->surface->damage.right &&
            w->surface->damage.top < w->surface->damage.bottom) {
            host::current().surface_damaged(t);
        }
    }
}

HDC make_window_dc(Window* w, bool client_only, const gdi::Region* limit) {
    Window* top = top_level_of(w);
    if (!top || !top->surface) return HDC();
    gdi::Region vis = visible_region(w, client_only);
    POINT origin = window_origin_on_surface(w);
    if (client_only) origin.x += w->client.left, origin.y += w->client.top;
    if (limit) {
        gdi::Region l = *limit;
        l.offset(origin.x, origin.y);
        vis = vis.intersected(l);
    }
    HDC dc = gdi::create_window_dc(top->surface, origin, vis, w->self);
    if (dc) w->dcs.push_back(dc);
    return dc;
}


// The next window that wants WM_PAINT or WM_NCPAINT, parents before children.
Window* next_paint_target() {
    for (HWND t : state().top_levels) {
        if (Window* w = find_window(t)) {
            if (Window* target = find_paint_target(w)) return target;
        }
    }
    return nullptr;
}

void send_frame_paint(Window* w) {
    w->frame_pending = false;
    deliver(w, WM_NCPAINT, 1, 0);
}

void release_screen_dcs() {
    for (HDC dc : screen_dcs()) DeleteDC(dc);
    screen_dcs().clear();
}

}  // namespace user

using namespace user;

BOOL InvalidateRect(HWND hwnd, const RECT* rc, BOOL erase) {
    Window* w = find_window(hwnd);
    if (!w) return FALSE;
    gdi::Region area = rc ? gdi::Region(*rc) : gdi::Region(client_size_rect(w));
    invalidate_window(w, &area, erase != FALSE, false, !(w->style & WS_CLIPCHILDREN));
    return TRUE;
}

BOOL InvalidateRgn(HWND hwnd, HRGN rgn, BOOL erase) {
    Window* w = find_window(hwnd);
    if (!w) return FALSE;
    if (!rgn) return InvalidateRect(hwnd, nullptr, erase);
    const gdi::Region* r = gdi::region_of(rgn);
    if (!r) return FALSE;
    invalidate_window(w, r, erase != FALSE, false, !(w->style & WS_CLIPCHILDREN));
    return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rc) {
    Window* w = find_window(hwnd);
    if (!w) return FALSE;
    w->update = rc ? w->update.subtracted(gdi::Region(*rc)) : gdi::Region();
    if (w->update.empty()) w->erase_pending = false;
    w->began_paint = true;
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, RECT* rc, BOOL erase) {
    Window* w = find_window(hwnd);
    if (!w) return FALSE;
    RECT box = w->update.bounds();
    if (rc) *rc = box;
    if (erase && w->erase_pending && !w->update.empty()) {
        gdi::Region area = w->update;
        HDC dc = make_window_dc(w, true, &area);
        w->erase_pending = false;
        HWND self = w->self;
        deliver(w, WM_ERASEBKGND, static_cast<WPARAM>(dc.value), 0);
        if (dc) ReleaseDC(self, dc);
    }
    return box.left < box.right && box.top < box.bottom ? TRUE : FALSE;
}

BOOL UpdateWindow(HWND hwnd) {
    Window* w = find_window(hwnd);
    if (!w) return FALSE;
    update_tree(w, true);
    return TRUE;
}

BOOL RedrawWindow(HWND hwnd, const RECT* rc, HRGN rgn, UINT flags) {
    if (!hwnd) {
        for (HWND t : std::vector<HWND>(state().top_levels)) RedrawWindow(t, rc, rgn, flags);
        return TRUE;
    }
    Window* w = find_window(hwnd);
    if (!w) return FALSE;
    gdi::Region area(client_size_rect(w));
    if (rgn) {
        const gdi::Region* r = gdi::region_of(rgn);
        if (!r) return FALSE;
        area = *r;
    } else if (rc) {
        area = gdi::Region(*rc);
    }
    bool children = (flags & RDW_ALLCHILDREN) ? true
                    : (flags & RDW_NOCHILDREN) ? false
                                               : !(w->style & WS_CLIPCHILDREN);
    if (flags & RDW_INVALIDATE) {
        invalidate_window(w, &area, (flags & RDW_ERASE) != 0, (flags & RDW_FRAME) != 0, children);
        if ((flags & RDW_INTERNALPAINT) && is_really_visible(w)) w->internal_paint = true;
    } else if (flags & RDW_INTERNALPAINT) {
        if (is_really_visible(w)) w->internal_paint = true;
    }
    if (flags & RDW_VALIDATE) {
        w->update = w->update.subtracted(area);
        if (w->update.empty() || (flags & RDW_NOERASE)) w->erase_pending = false;
        if (flags & RDW_NOINTERNALPAINT) w->internal_paint = false;
        if (flags & RDW_NOFRAME) w->frame_pending = false;
        if (children) {
            for (HWND c : w->children) RedrawWindow(c, nullptr, HRGN(), flags & ~RDW_UPDATENOW);
        }
    }
    if (flags & RDW_UPDATENOW) {
        update_tree(w, children);
    }
    return TRUE;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
    Window* w = find_window(hwnd);
    if (!w || !ps) return HDC();
    if (w->frame_pending) {
        send_frame_paint(w);
        if (!(w = find_window(hwnd))) return HDC();
    }
    gdi::Region area = w->update;
    bool erase = w->erase_pending;
    w->update = gdi::Region();
    w->erase_pending = false;
    w->internal_paint = false;
    w->began_paint = true;
    HDC dc = make_window_dc(w, true, &area);
    *ps = PAINTSTRUCT{};
    ps->hdc = dc;
    ps->rcPaint = area.bounds();
    ps->fErase = FALSE;
    if (erase) {
        LRESULT erased = deliver(w, WM_ERASEBKGND, static_cast<WPARAM>(dc.value), 0);
        ps->fErase = erased ? FALSE : TRUE;
    }
    return dc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
    if (!ps) return FALSE;
    if (ps->hdc) ReleaseDC(hwnd, ps->hdc);
    return TRUE;
}

HDC GetDC(HWND hwnd) {
    if (!hwnd) {
        HDC dc = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
        if (dc) screen_dcs().push_back(dc);
        return dc;
    }
    Window* w = find_window(hwnd);
    return w ? make_window_dc(w, true, nullptr) : HDC();
}

HDC GetWindowDC(HWND hwnd) {
    if (!hwnd) return GetDC(hwnd);
    Window* w = find_window(hwnd);
    return w ? make_window_dc(w, false, nullptr) : HDC();
}

int ReleaseDC(HWND hwnd, HDC hdc) {
    if (!hdc) return 0;
    auto& screens = screen_dcs();
    if (auto it = std::find(screens.begin(), screens.end(), hdc); it != screens.end()) {
        screens.erase(it);
        DeleteDC(hdc);
        return 1;
    }
    (void)hwnd;
    // The DC names its window; a mismatched hwnd is forgiven, as nothing else could own it.
    Window* owner = find_window(gdi::window_dc_owner(hdc));
    if (!owner) return 0;
    auto it = std::find(owner->dcs.begin(), owner->dcs.end(), hdc);
    if (it == owner->dcs.end()) return 0;
    owner->dcs.erase(it);
    DeleteDC(hdc);
    return 1;
}
