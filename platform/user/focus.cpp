// Keyboard focus, activation of top-level windows, enabling.

#include <algorithm>

#include "platform/user/wm_state.h"

namespace user {

namespace {

bool inside(const Window* root, HWND h) {
    Window* w = find_window(h);
    return w && (w == root || is_descendant(root, w));
}

// Brings a top-level window to the front, keeping the pop-ups it owns above it.
void raise_with_owned(HWND top) {
    auto& tops = state().top_levels;
    std::vector<HWND> group{top};
    for (HWND t : tops) {
        Window* w = find_window(t);
        if (w && w->owner == top) group.insert(group.end() - 1, t);
    }
    tops.erase(std::remove_if(tops.begin(), tops.end(),
                              [&](HWND t) { return std::find(group.begin(), group.end(), t) != group.end(); }),
               tops.end());
    tops.insert(tops.begin(), group.begin(), group.end());
}

}  // namespace

void activate_window(Window* top, bool by_click) {
    State& s = state();
    if (!top || s.active == top->self) return;
    HWND new_active = top->self;
    HWND old = s.active;
    raise_with_owned(new_active);
    s.active = new_active;
    if (Window* ow = find_window(old)) {
        deliver(ow, WM_NCACTIVATE, FALSE, 0);
        if ((ow = find_window(old))) deliver(ow, WM_ACTIVATE, WA_INACTIVE, HandleToLong(new_active));
    }
    if (s.active != new_active) return;  // a handler activated something else meanwhile
    if (Window* nw = find_window(new_active)) {
        deliver(nw, WM_NCACTIVATE, TRUE, 0);
        if ((nw = find_window(new_active)))
            deliver(nw, WM_ACTIVATE, by_click ? WA_CLICKACTIVE : WA_ACTIVE, HandleToLong(old));
    }
    // The focus belongs to the active window's tree; a procedure that did not
    // take it there leaves nobody focused.
    if (Window* nw = find_window(new_active); nw && s.focus && !inside(nw, s.focus) && s.active == new_active) {
        SetFocus(HWND());
    }
}

void activate_another(Window* except) {
    State& s = state();
    Window* next = nullptr;
    if (Window* o = find_window(except->owner); o && !o->destroying && is_really_visible(o)) next = o;
    for (HWND t : s.top_levels) {
        if (next) break;
        Window* w = find_window(t);
        if (w && w != except && !w->destroying && w->visible_bit() && !(w->style & WS_DISABLED)) next = w;
    }
    if (next) {
        activate_window(next, false);
        return;
    }
    HWND old = s.active;
    HWND leaving = except->self;
    s.active = HWND();
    if (Window* ow = find_window(old)) {
        deliver(ow, WM_NCACTIVATE, FALSE, 0);
        if ((ow = find_window(old))) deliver(ow, WM_ACTIVATE, WA_INACTIVE, 0);
    }
    Window* gone = find_window(leaving);
    if (gone && s.focus && inside(gone, s.focus)) SetFocus(HWND());
}

void window_going_away(Window* w) {
    State& s = state();
    HWND self = w->self;
    if (s.capture && inside(w, s.capture)) ReleaseCapture();
    if (!(w = find_window(self))) return;
    if (s.focus && inside(w, s.focus)) {
        Window* p = find_window(w->parent);
        SetFocus(p && !p->destroying ? p->self : HWND());
    }
    if (!(w = find_window(self))) return;
    if (s.active == self) activate_another(w);
    // A tracked window that disappears from under the cursor has been left;
    // one that is being destroyed gets nothing more.
    if (s.leave.hwnd && inside(w, s.leave.hwnd)) {
        if (w->destroying) {
            s.leave = TrackedLeave{};
        } else {
            recheck_leave();
        }
    }
}

}  // namespace user

using namespace user;

HWND SetFocus(HWND hwnd) {
    State& s = state();
    HWND old = find_window(s.focus) ? s.focus : HWND();
    if (!hwnd) {
        s.focus = HWND();
        if (Window* ow = find_window(old)) deliver(ow, WM_KILLFOCUS, 0, 0);
        return old;
    }
    Window* w = find_window(hwnd);
    if (!w) return HWND();
    if (hwnd == old) return old;
    Window* top = top_level_of(w);
    if (top && s.active != top->self) {
        activate_window(top, false);
        if (!(w = find_window(hwnd))) return HWND();
        old = find_window(s.focus) ? s.focus : HWND();
        if (hwnd == old) return old;
    }
    s.focus = hwnd;
    if (Window* ow = find_window(old)) deliver(ow, WM_KILLFOCUS, HandleToLong(hwnd), 0);
    if (s.focus == hwnd) {
        if (Window* nw = find_window(hwnd)) deliver(nw, WM_SETFOCUS, HandleToLong(old), 0);
    }
    return old;
}

HWND GetFocus() { return find_window(state().focus) ? state().focus : HWND(); }

HWND SetActiveWindow(HWND hwnd) {
    Window* w = top_level_of(find_window(hwnd));
    if (!w) return HWND();
    HWND old = GetActiveWindow();
    activate_window(w, false);
    return old;
}

HWND GetActiveWindow() { return find_window(state().active) ? state().active : HWND(); }

BOOL SetForegroundWindow(HWND hwnd) {
    Window* w = top_level_of(find_window(hwnd));
    if (!w) return FALSE;
    activate_window(w, false);
    return TRUE;
}

HWND GetForegroundWindow() { return GetActiveWindow(); }

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    Window* w = find_window(hwnd);
    if (!w) return FALSE;
    const BOOL was_disabled = (w->style & WS_DISABLED) ? TRUE : FALSE;
    if (enable && was_disabled) {
        w->style &= ~WS_DISABLED;
        deliver(w, WM_ENABLE, TRUE, 0);
    } else if (!enable && !was_disabled) {
        w->style |= WS_DISABLED;
        State& s = state();
        // A disabled window keeps neither the focus nor the mouse.
        if (s.focus && (s.focus == hwnd || IsChild(hwnd, s.focus))) SetFocus(HWND());
        if (s.capture && (s.capture == hwnd || IsChild(hwnd, s.capture))) ReleaseCapture();
        if ((w = find_window(hwnd))) deliver(w, WM_ENABLE, FALSE, 0);
    }
    return was_disabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
    Window* w = find_window(hwnd);
    return w && !(w->style & WS_DISABLED) ? TRUE : FALSE;
}
