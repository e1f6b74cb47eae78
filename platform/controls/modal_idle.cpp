#include "platform/controls/modal_idle.h"

#include <chrono>
#include <thread>

#include "platform/headless.h"
#include "platform/host/host.h"
#include "platform/user/internal.h"

namespace controls {

namespace {

bool anything_queued() {
    MSG m{};
    return PeekMessageA(&m, HWND(), 0, 0, PM_NOREMOVE) != FALSE;
}

// A host whose wait came back at once with nothing to do either woke for a
// reason of its own or never waits. A real clock moves while we sleep a
// moment; the headless host's virtual clock does not.
bool clock_stands_still(host::Host& h) {
    std::uint64_t before = h.now_ms();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return h.now_ms() == before;
}

}  // namespace

IdleOutcome wait_for_work() {
    host::Host& h = host::current();
    const std::int64_t due = user::next_timer_due_in();
    const std::uint64_t before = h.now_ms();
    h.wait_for_events(due);
    if (anything_queued() || h.now_ms() != before) return IdleOutcome::MoreWork;
    if (!clock_stands_still(h)) return IdleOutcome::MoreWork;
    if (due < 0) return IdleOutcome::NothingLeft;
    headless::advance(static_cast<std::uint32_t>(due > 0 ? due : 1));
    return IdleOutcome::MoreWork;
}

}  // namespace controls
