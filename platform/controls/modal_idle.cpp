#include "platform/controls/modal_idle.h"

#include "platform/host/headless/headless_host.h"
#include "platform/host/host.h"
#include "platform/user/internal.h"

namespace controls {

IdleOutcome wait_for_work() {
    host::Host& h = host::current();
    const std::int64_t due = user::next_timer_due_in();
    if (due >= 0) {
        // A real host sleeps until input or the timer; the headless host jumps its clock to the timer.
        h.wait_for_events(due);
        return IdleOutcome::MoreWork;
    }
    // No timer runs: a real host may still get input; on the headless host nothing can ever arrive.
    if (&h == &headless::headless_host()) return IdleOutcome::NothingLeft;
    h.wait_for_events(-1);
    return IdleOutcome::MoreWork;
}

}  // namespace controls
