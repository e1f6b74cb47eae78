// Sending, posting and the queue. Delivery order: posted messages, then input,
// then WM_QUIT, then WM_PAINT, then WM_TIMER.

#include <algorithm>

#include "platform/host/host.h"
#include "platform/user/internal.h"
#include "platform/user/timer_queue.h"
#include "platform/user/wm_state.h"

namespace user {

namespace {

// A pump that never runs dry (a procedure that invalidates itself while it
// paints, say) stops after this many messages and carries on next time.
constexpr int kMaxMessagesPerPump = 100000;

bool in_range(UINT msg, UINT lo, UINT hi) { return (lo == 0 && hi == 0) || (msg >= lo && msg <= hi); }

bool matches(const MSG& m, HWND filter, UINT lo, UINT hi) {
    if (!in_range(m.message, lo, hi)) return false;
    return !filter || m.hwnd == filter || IsChild(filter, m.hwnd);
}

bool take_from(std::deque<MSG>& queue, MSG* out, HWND filter, UINT lo, UINT hi, bool remove) {
    for (auto it = queue.begin(); it != queue.end(); ++it) {
        if (!matches(*it, filter, lo, hi)) continue;
        *out = *it;
        if (remove) queue.erase(it);
        return true;
    }
    return false;
}

void stamp(MSG* msg) {
    State& s = state();
    msg->time = static_cast<DWORD>(host::current().now_ms());
    msg->pt = s.cursor;
}

}  // namespace

bool pump_due(int* exit_code) {
    MSG msg;
    for (int i = 0; i < kMaxMessagesPerPump && PeekMessageA(&msg, HWND(), 0, 0, PM_REMOVE); ++i) {
        if (msg.message == WM_QUIT) {
            if (exit_code) *exit_code = static_cast<int>(msg.wParam);
            notify_damage();
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    notify_damage();
    return true;
}

}  // namespace user

using namespace user;

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Window* w = find_window(hwnd);
    if (!w) return 0;
    return deliver(w, msg, wp, lp);
}

BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (hwnd && !find_window(hwnd)) return FALSE;
    MSG m;
    m.hwnd = hwnd;
    m.message = msg;
    m.wParam = wp;
    m.lParam = lp;
    stamp(&m);
    state().posted.push_back(m);
    return TRUE;
}

void PostQuitMessage(int exit_code) {
    state().quit_posted = true;
    state().quit_code = exit_code;
}

BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT filter_min, UINT filter_max, UINT remove) {
    if (!msg) return FALSE;
    State& s = state();
    const bool take = (remove & PM_REMOVE) != 0;
    if (take_from(s.posted, msg, hwnd, filter_min, filter_max, take)) return TRUE;
    if (take_from(s.input, msg, hwnd, filter_min, filter_max, take)) return TRUE;
    if (s.quit_posted && in_range(WM_QUIT, filter_min, filter_max)) {
        *msg = MSG{};
        msg->message = WM_QUIT;
        msg->wParam = static_cast<WPARAM>(s.quit_code);
        stamp(msg);
        if (take) s.quit_posted = false;
        return TRUE;
    }
    if (in_range(WM_PAINT, filter_min, filter_max)) {
        // A frame handler that invalidates its own frame again must not hold the queue.
        for (int frames = 0; frames < 1000; ++frames) {
            Window* w = next_paint_target();
            if (!w) break;
            if (!w->update.empty() || w->internal_paint) {
                if (hwnd && w->self != hwnd && !IsChild(hwnd, w->self)) break;
                *msg = MSG{};
                msg->hwnd = w->self;
                msg->message = WM_PAINT;
                stamp(msg);
                return TRUE;
            }
            // Only the frame is invalid: it is repainted at once.
            send_frame_paint(w);
        }
    }
    if (in_range(WM_TIMER, filter_min, filter_max)) {
        *msg = MSG{};
        if (take_timer_message(msg, hwnd, take)) {
            stamp(msg);
            return TRUE;
        }
    }
    return FALSE;
}

BOOL GetMessageA(MSG* msg, HWND hwnd, UINT filter_min, UINT filter_max) {
    if (!msg) return -1;
    while (!PeekMessageA(msg, hwnd, filter_min, filter_max, PM_REMOVE)) {
        notify_damage();
        host::current().wait_for_events(next_timer_due_in_for(hwnd));
    }
    return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL WaitMessage() {
    MSG msg;
    while (!PeekMessageA(&msg, HWND(), 0, 0, PM_NOREMOVE)) {
        notify_damage();
        host::current().wait_for_events(next_timer_due_in());
    }
    return TRUE;
}

BOOL TranslateMessage(const MSG* msg) {
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
    // Printable characters come from the host as committed text (input_text);
    // only the control keys that have a character of their own are made here.
    WPARAM ch = 0;
    switch (msg->wParam) {
    case VK_BACK: ch = 0x08; break;
    case VK_TAB: ch = 0x09; break;
    case VK_RETURN: ch = 0x0D; break;
    case VK_ESCAPE: ch = 0x1B; break;
    default: return FALSE;
    }
    MSG m = *msg;
    m.message = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    m.wParam = ch;
    state().posted.push_front(m);
    return TRUE;
}

LRESULT DispatchMessageA(const MSG* msg) {
    if (!msg) return 0;
    State& s = state();
    s.message_time = msg->time;
    if (msg->message == WM_TIMER && msg->lParam) {
        // Only a callback that belongs to a live timer is ever called.
        if (!is_live_timer_proc(msg->hwnd, msg->wParam, msg->lParam)) return 0;
        ++s.dispatch_depth;
        reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
        --s.dispatch_depth;
        notify_damage();
        return 0;
    }
    Window* w = find_window(msg->hwnd);
    if (!w) return 0;
    LRESULT result = 0;
    ++s.dispatch_depth;
    if (msg->message == WM_PAINT) {
        paint_now(w, true);
    } else {
        s.next_delivery_posted = true;
        result = deliver(w, msg->message, msg->wParam, msg->lParam);
    }
    --s.dispatch_depth;
    notify_damage();
    return result;
}

DWORD GetTickCount() { return static_cast<DWORD>(host::current().now_ms()); }
DWORD GetMessageTime() { return state().message_time; }
