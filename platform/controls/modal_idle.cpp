#include "platform/controls/modal_idle.h"

#include <chrono>
#include <thread>

#include "platform/host/host.h"
#include "platform/user/internal.h"

namespace controls {

namespace {

// A real clock moves while we sleep a moment; the headless host's virtual
// clock moves only when told to.
bool clock_stands_still(host::Host& h) {
    std::uint64_t before = h.now_ms();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return h.now_ms() == before;
}

}  // namespace

IdleOutcome wait_for_work() {
    host::Host& h = host::current();
    const std::int64_t due = user::next_timer_due_in();
    if (due >= 0) {
        // A real host sleeps until input or the timer; the headless host jumps its clock to the timer.
        h.wait_for_events(due);
        return IdleOutcome::MoreWork;
    }
    // No timer runs: a real host may still get input; on the headless host nothing can ever arrive.
    if (clock_stands_still(h)) return IdleOutcome::NothingLeft;
    h.wait_for_events(-1);
    return IdleOutcome::MoreWork;
}

}  // namespace controls
