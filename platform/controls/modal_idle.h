#pragma once
// What a modal message loop does when its queue is empty.

namespace controls {

enum class IdleOutcome {
    MoreWork,     // something may be due now: look at the queue again
    NothingLeft,  // nothing will ever arrive (headless host, no timer running)
};

// On a real host: waits until input arrives or the next timer falls due.
// On the headless host, whose clock moves only when told to, the clock jumps
// to the next timer; when no timer runs at all nothing can ever arrive, and
// the answer is NothingLeft so that the loop can end instead of hanging.
IdleOutcome wait_for_work();

}  // namespace controls
