#include "platform/user/wm_state.h"

#include "platform/user/internal.h"

#include <algorithm>

namespace user {

State& state() {
    static State s;
    return s;
}

Window* find_window(HWND h) {
    if (!h) return nullptr;
    Window* w = state().windows.find(h.value);
    return w && !w->dead ? w : nullptr;
}

Window* top_level_of(Window* w) {
    while (w && w->parent) w = find_window(w->parent);
    return w;
}

bool is_really_visible(const Window* w) {
    while (w) {
        if (!w->visible_bit()) return false;
        if (!w->parent) return true;
        w = find_window(w->parent);
    }
    return false;
}

bool is_descendant(const Window* ancestor, const Window* w) {
    if (!ancestor || !w) return false;
    for (const Window* p = find_window(w->parent); p; p = find_window(p->parent)) {
        if (p == ancestor) return true;
    }
    return false;
}

RECT window_rect_on_screen(const Window* w) {
    RECT r = w->rect;
    for (const Window* p = find_window(w->parent); p; p = find_window(p->parent)) {
        int dx = p->rect.left + p->client.left;
        int dy = p->rect.top + p->client.top;
        r.left += dx;
        r.right += dx;
        r.top += dy;
        r.bottom += dy;
    }
    return r;
}

RECT client_rect_on_screen(const Window* w) {
    RECT wr = window_rect_on_screen(w);
    return RECT{wr.left + w->client.left, wr.top + w->client.top, wr.left + w->client.right,
                wr.top + w->client.bottom};
}

POINT window_origin_on_surface(const Window* w) {
    RECT wr = window_rect_on_screen(w);
    const Window* top = w;
    while (top->parent) top = find_window(top->parent);
    return POINT{wr.left - top->rect.left, wr.top - top->rect.top};
}

LRESULT deliver(Window* w, UINT msg, WPARAM wp, LPARAM lp) {
    WNDPROC proc = w->proc;
    if (!proc) return 0;
    State& s = state();
    const bool outer_posted = s.current_delivery_posted;
    s.current_delivery_posted = s.next_delivery_posted;
    s.next_delivery_posted = false;
    ++w->busy;
    LRESULT result = proc(w->self, msg, wp, lp);
    --w->busy;
    s.current_delivery_posted = outer_posted;
    release_if_unused(w);
    return result;
}

void release_if_unused(Window* w) {
    if (w->dead && w->busy == 0) state().windows.erase(w->self.value);
}

bool current_message_posted() { return state().current_delivery_posted; }

std::vector<HWND>& sibling_list(Window* w) {
    if (Window* p = find_window(w->parent)) return p->children;
    return state().top_levels;
}

}  // namespace user
