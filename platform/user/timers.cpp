// Window and thread timers on the host's clock. A timer has at most one
// WM_TIMER waiting: ticks that fall due while one waits are merged into it.

#include <algorithm>

#include "platform/host/host.h"
#include "platform/user/timer_queue.h"
#include "platform/user/wm_state.h"

namespace user {

namespace {

constexpr UINT kMinimumPeriod = 10;
constexpr UINT kMaximumPeriod = 0x7FFFFFFF;

Timer* find_timer(HWND hwnd, UINT_PTR id) {
    for (Timer& t : state().timers) {
        if (t.hwnd == hwnd && t.id == id) return &t;
    }
    return nullptr;
}

}  // namespace

void mark_due_timers() {
    std::uint64_t now = host::current().now_ms();
    for (Timer& t : state().timers) {
        if (t.pending || t.due > now) continue;
        t.pending = true;
        t.due += t.period;
        if (t.due <= now) t.due = now + t.period;
    }
}

bool take_timer_message(MSG* msg, HWND filter, bool remove) {
    mark_due_timers();
    for (Timer& t : state().timers) {
        if (!t.pending) continue;
        if (filter && t.hwnd != filter && !IsChild(filter, t.hwnd)) continue;
        msg->hwnd = t.hwnd;
        msg->message = WM_TIMER;
        msg->wParam = t.id;
        msg->lParam = reinterpret_cast<LPARAM>(t.proc);
        if (remove) t.pending = false;
        return true;
    }
    return false;
}

bool is_live_timer_proc(HWND hwnd, UINT_PTR id, LPARAM proc) {
    Timer* t = find_timer(hwnd, id);
    return t && t->proc && reinterpret_cast<LPARAM>(t->proc) == proc;
}

std::int64_t next_timer_due_in() { return next_timer_due_in_for(HWND()); }

std::int64_t next_timer_due_in_for(HWND filter) {
    std::uint64_t now = host::current().now_ms();
    std::int64_t best = -1;
    for (const Timer& t : state().timers) {
        if (filter && t.hwnd != filter && !IsChild(filter, t.hwnd)) continue;
        std::int64_t in = t.pending || t.due <= now ? 0 : static_cast<std::int64_t>(t.due - now);
        if (best < 0 || in < best) best = in;
    }
    return best;
}

std::int64_t next_timer_due_at() {
    std::int64_t best = -1;
    for (const Timer& t : state().timers) {
        if (t.pending) continue;
        if (best < 0 || static_cast<std::int64_t>(t.due) < best) best = static_cast<std::int64_t>(t.due);
    }
    return best;
}

void kill_timers_of(HWND h) {
    auto& timers = state().timers;
    timers.erase(std::remove_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.hwnd == h; }),
                 timers.end());
}

void kill_all_timers() {
    state().timers.clear();
    state().next_thread_timer_id = 1;
}

}  // namespace user

using namespace user;

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse_ms, TIMERPROC proc) {
    State& s = state();
    if (hwnd && !find_window(hwnd)) return 0;
    if (!hwnd && !find_timer(HWND(), id)) {
        // Thread timers get an identifier of their own.
        id = s.next_thread_timer_id++;
        while (find_timer(HWND(), id)) id = s.next_thread_timer_id++;
    }
    UINT period = std::clamp(elapse_ms, kMinimumPeriod, kMaximumPeriod);
    std::uint64_t now = host::current().now_ms();
    Timer* t = find_timer(hwnd, id);
    if (!t) {
        s.timers.push_back(Timer{});
        t = &s.timers.back();
        t->hwnd = hwnd;
        t->id = id;
    }
    // Setting an existing timer again starts its period afresh.
    t->period = period;
    t->proc = proc;
    t->due = now + period;
    t->pending = false;
    return id ? id : 1;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    auto& timers = state().timers;
    auto it = std::find_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    if (it == timers.end()) return FALSE;
    timers.erase(it);
    return TRUE;
}
