// The input path both hosts feed (screen coordinates), capture, mouse-leave
// tracking, the key state and hit testing.

#include <cstdlib>

#include "platform/host/host.h"
#include "platform/user/internal.h"
#include "platform/user/wm_state.h"

namespace user {

namespace {

constexpr std::uint64_t kDoubleClickTime = 500;

bool shape_contains(const Window* w, POINT screen) {
    RECT r = window_rect_on_screen(w);
    if (screen.x < r.left || screen.x >= r.right || screen.y < r.top || screen.y >= r.bottom) return false;
    return !w->shape || w->shape->contains(screen.x - r.left, screen.y - r.top);
}

// The deepest visible window under a screen point. With stop_at_disabled, the
// walk does not enter disabled children (their parent is the answer).
Window* hit_in(Window* w, POINT screen, bool stop_at_disabled) {
    if (!w->visible_bit() || !shape_contains(w, screen)) return nullptr;
    RECT c = client_rect_on_screen(w);
    if (screen.x >= c.left && screen.x < c.right && screen.y >= c.top && screen.y < c.bottom) {
        for (HWND ch : w->children) {
            Window* cw = find_window(ch);
            if (!cw) continue;
            Window* found = hit_in(cw, screen, stop_at_disabled);
            if (!found) continue;
            return stop_at_disabled && (cw->style & WS_DISABLED) ? w : found;
        }
    }
    return w;
}

Window* hit(POINT screen, bool stop_at_disabled) {
    for (HWND t : state().top_levels) {
        if (Window* w = find_window(t)) {
            if (Window* found = hit_in(w, screen, stop_at_disabled)) return found;
        }
    }
    return nullptr;
}

// Input reaches a window only when it and its ancestors are enabled.
bool takes_input(const Window* w) {
    for (; w; w = find_window(w->parent)) {
        if (w->style & WS_DISABLED) return false;
    }
    return true;
}

WPARAM modifier_flags() {
    State& s = state();
    WPARAM f = static_cast<WPARAM>(s.buttons_down);
    if (s.key_down[VK_SHIFT]) f |= MK_SHIFT;
    if (s.key_down[VK_CONTROL]) f |= MK_CONTROL;
    return f;
}

void queue_input(Window* w, UINT msg, WPARAM wp, LPARAM lp) {
    MSG m;
    m.hwnd = w ? w->self : HWND();
    m.message = msg;
    m.wParam = wp;
    m.lParam = lp;
    m.time = static_cast<DWORD>(host::current().now_ms());
    m.pt = state().cursor;
    state().input.push_back(m);
}

LPARAM client_point(Window* w, POINT screen) {
    RECT c = client_rect_on_screen(w);
    return MAKELPARAM(wrap_sub(screen.x, c.left), wrap_sub(screen.y, c.top));
}

void post_leave(HWND h) {
    state().leave = TrackedLeave{};
    PostMessageA(h, WM_MOUSELEAVE, 0, 0);
}

// A tracked window whose area the cursor has left gets its WM_MOUSELEAVE,
// unless it holds the capture: then it waits for the capture to end.
void check_leave() {
    State& s = state();
    if (!s.leave.hwnd) return;
    if (!find_window(s.leave.hwnd)) {
        s.leave = TrackedLeave{};
        return;
    }
    Window* under = hit(s.cursor, false);
    bool inside = under && under->self == s.leave.hwnd;
    if (inside || s.capture == s.leave.hwnd) return;  // ReleaseCapture looks again
    post_leave(s.leave.hwnd);
}

}  // namespace

void recheck_leave() { check_leave(); }

void cancel_tracking_of(HWND h) {
    if (state().leave.hwnd == h) state().leave = TrackedLeave{};
}

void input_mouse_move(POINT screen) {
    State& s = state();
    s.cursor = screen;
    check_leave();
    if (scroll_bar_drag(screen)) return;  // the bar has the mouse while it is held
    Window* target = find_window(s.capture);
    if (!target) {
        target = hit(screen, false);
        if (target && !takes_input(target)) target = nullptr;
    }
    if (!target) return;
    // Moves that pile up before the program looks merge into the latest one.
    auto& q = s.input;
    if (!q.empty() && q.back().message == WM_MOUSEMOVE && q.back().hwnd == target->self &&
        q.back().wParam == modifier_flags()) {
        q.back().lParam = client_point(target, screen);
        q.back().pt = screen;
        return;
    }
    queue_input(target, WM_MOUSEMOVE, modifier_flags(), client_point(target, screen));
}

void input_mouse_button(POINT screen, int button, bool down) {
    State& s = state();
    if (button < 0 || button > 2) return;
    s.cursor = screen;
    static constexpr int kFlag[3] = {MK_LBUTTON, MK_RBUTTON, MK_MBUTTON};
    static constexpr int kVk[3] = {VK_LBUTTON, VK_RBUTTON, 0x04};
    if (down) {
        s.buttons_down |= kFlag[button];
    } else {
        s.buttons_down &= ~kFlag[button];
    }
    s.key_down[kVk[button]] = down ? 1 : 0;
    check_leave();

    if (!down && button == 0 && scroll_bar_release(screen)) return;

    Window* target = find_window(s.capture);
    if (!target) {
        target = hit(screen, false);
        // A press on a disabled window goes nowhere.
        if (target && !takes_input(target)) target = nullptr;
    }
    if (!target) return;
    HWND target_handle = target->self;

    UINT msg;
    if (button == 0) msg = down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    else if (button == 1) msg = down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    else msg = down ? WM_MBUTTONDOWN : WM_MBUTTONUP;

    if (down) {
        // A press on an inactive top-level's tree activates it, unless the
        // window it lands on answers WM_MOUSEACTIVATE otherwise.
        Window* top = top_level_of(target);
        if (top && s.active != top->self && !(top->ex_style & WS_EX_NOACTIVATE)) {
            HWND top_handle = top->self;
            LRESULT answer = deliver(target, WM_MOUSEACTIVATE, HandleToLong(top_handle), MAKELPARAM(HTCLIENT, msg));
            if (answer != MA_NOACTIVATE && answer != MA_NOACTIVATEANDEAT) {
                if (Window* t = find_window(top_handle)) activate_window(t, true);
            }
            if (answer == MA_ACTIVATEANDEAT || answer == MA_NOACTIVATEANDEAT) return;
        }
        if (!(target = find_window(target_handle))) return;
        if (!s.capture && button == 0 && (target->style & (WS_VSCROLL | WS_HSCROLL))) {
            LRESULT part = nonclient_hit_test(target, screen);
            if ((part == HTVSCROLL || part == HTHSCROLL) && scroll_bar_press(target, screen)) return;
        }
    }

    if (down) {
        std::uint64_t now = host::current().now_ms();
        bool second = s.last_press_valid && s.last_press_window == target_handle && s.last_press_button == button &&
                      now - s.last_press_time <= kDoubleClickTime &&
                      std::llabs(static_cast<long long>(screen.x) - s.last_press_point.x) <=
                          GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                      std::llabs(static_cast<long long>(screen.y) - s.last_press_point.y) <=
                          GetSystemMetrics(SM_CYDOUBLECLK) / 2;
        if (second && (target->cls->style & CS_DBLCLKS) && button != 2) {
            msg = button == 0 ? WM_LBUTTONDBLCLK : WM_RBUTTONDBLCLK;
            s.last_press_valid = false;  // a third press starts a new pair
        } else {
            s.last_press_valid = true;
            s.last_press_window = target_handle;
            s.last_press_button = button;
            s.last_press_point = screen;
            s.last_press_time = now;
        }
    }
    queue_input(target, msg, modifier_flags(), client_point(target, screen));
}

void input_mouse_left() {
    State& s = state();
    s.cursor = POINT{-32768, -32768};
    check_leave();
}

void input_key(int vk, bool down) {
    State& s = state();
    vk &= 0xFF;
    bool was_down = s.key_down[vk] != 0;
    s.key_down[vk] = down ? 1 : 0;
    if (down && !was_down) s.key_toggled[vk] ^= 1;
    Window* target = find_window(s.focus);
    if (!target) target = find_window(s.active);
    if (!target) return;
    bool alt = s.key_down[VK_MENU] || vk == VK_MENU;
    bool ctrl = s.key_down[VK_CONTROL] != 0;
    bool sys = alt && !ctrl;
    UINT msg = down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
    LPARAM lp = 1;
    if (alt) lp |= LPARAM(1) << 29;
    if (was_down) lp |= LPARAM(1) << 30;
    if (!down) lp |= LPARAM(1) << 31;
    queue_input(target, msg, static_cast<WPARAM>(vk), lp & 0xFFFFFFFF);
}

void input_text(const std::string& utf8) {
    State& s = state();
    Window* target = find_window(s.focus);
    if (!target) target = find_window(s.active);
    if (!target) return;
    for (unsigned char byte : utf8) queue_input(target, WM_CHAR, byte, 1);
}

}  // namespace user

using namespace user;

HWND SetCapture(HWND hwnd) {
    State& s = state();
    if (!find_window(hwnd)) return HWND();
    HWND old = s.capture;
    if (old == hwnd) return old;
    s.capture = hwnd;
    if (Window* ow = find_window(old)) deliver(ow, WM_CAPTURECHANGED, 0, HandleToLong(hwnd));
    return old;
}

BOOL ReleaseCapture() {
    State& s = state();
    HWND old = s.capture;
    if (!old) return TRUE;
    s.capture = HWND();
    if (Window* ow = find_window(old)) deliver(ow, WM_CAPTURECHANGED, 0, 0);
    // A leave held back while the window had the capture is due now.
    check_leave();
    return TRUE;
}

HWND GetCapture() { return find_window(state().capture) ? state().capture : HWND(); }

BOOL GetCursorPos(POINT* pt) {
    if (!pt) return FALSE;
    *pt = state().cursor;
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    input_mouse_move(POINT{x, y});
    return TRUE;
}

HWND WindowFromPoint(POINT pt) {
    Window* w = hit(pt, true);
    return w ? w->self : HWND();
}

HWND ChildWindowFromPointEx(HWND parent, POINT pt, UINT flags) {
    Window* p = find_window(parent);
    if (!p) return HWND();
    RECT cr{0, 0, p->client.right - p->client.left, p->client.bottom - p->client.top};
    if (pt.x < cr.left || pt.x >= cr.right || pt.y < cr.top || pt.y >= cr.bottom) return HWND();
    for (HWND c : p->children) {
        Window* cw = find_window(c);
        if (!cw) continue;
        if ((flags & CWP_SKIPINVISIBLE) && !cw->visible_bit()) continue;
        if ((flags & CWP_SKIPDISABLED) && (cw->style & WS_DISABLED)) continue;
        if ((flags & CWP_SKIPTRANSPARENT) && (cw->ex_style & WS_EX_TRANSPARENT)) continue;
        if (pt.x >= cw->rect.left && pt.x < cw->rect.right && pt.y >= cw->rect.top && pt.y < cw->rect.bottom) return c;
    }
    return parent;
}

HWND ChildWindowFromPoint(HWND parent, POINT pt) { return ChildWindowFromPointEx(parent, pt, CWP_ALL); }

BOOL TrackMouseEvent(TRACKMOUSEEVENT* tme) {
    State& s = state();
    if (!tme || tme->cbSize != sizeof(TRACKMOUSEEVENT)) return FALSE;
    if (tme->dwFlags & TME_QUERY) {
        bool tracking = s.leave.hwnd && find_window(s.leave.hwnd);
        tme->dwFlags = tracking ? TME_LEAVE : 0;
        tme->hwndTrack = tracking ? s.leave.hwnd : HWND();
        tme->dwHoverTime = 0;
        return TRUE;
    }
    Window* w = find_window(tme->hwndTrack);
    if (!w) return FALSE;
    if (tme->dwFlags & TME_CANCEL) {
        if ((tme->dwFlags & TME_LEAVE) && s.leave.hwnd == tme->hwndTrack) s.leave = TrackedLeave{};
        return TRUE;
    }
    if (tme->dwFlags & TME_LEAVE) {
        s.leave = TrackedLeave{tme->hwndTrack};
        // Asked while the cursor is already elsewhere: the leave is due at once.
        check_leave();
    }
    return TRUE;
}

BOOL _TrackMouseEvent(TRACKMOUSEEVENT* tme) { return TrackMouseEvent(tme); }

SHORT GetKeyState(int vk) {
    if (vk < 0 || vk > 0xFF) return 0;
    State& s = state();
    int v = (s.key_down[vk] ? 0x8000 : 0) | (s.key_toggled[vk] ? 1 : 0);
    return static_cast<SHORT>(v);
}
