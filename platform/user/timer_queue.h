#pragma once
// How the queue takes WM_TIMER messages from the timer list. Internal to platform/user/.

#include <cstdint>

#include "platform/win32.h"

namespace user {

void mark_due_timers();
// The first waiting WM_TIMER (lParam carries the callback, if any).
bool take_timer_message(MSG* msg, HWND filter, bool remove);
// True when proc is the callback of the live timer (hwnd, id): only such a
// callback is ever called from a WM_TIMER's lParam.
bool is_live_timer_proc(HWND hwnd, UINT_PTR id, LPARAM proc);
// Milliseconds until the next timer of filter's tree (any timer when 0) falls
// due, or -1: a filtered wait must not spin on another window's waiting tick.
std::int64_t next_timer_due_in_for(HWND filter);
// Clock time at which the next timer falls due, or -1.
std::int64_t next_timer_due_at();
void kill_all_timers();

}  // namespace user
