#include "platform/host/headless/headless_host.h"

#include <cstdio>
#include <cstdlib>

#include "platform/user/internal.h"

namespace headless {

HeadlessHost& headless_host() {
    static HeadlessHost h;
    return h;
}

void HeadlessHost::wait_for_events(std::int64_t timeout_ms) {
    if (timeout_ms < 0) {
        std::fprintf(stderr, "headless host: the program waits for input that can never come (no timer runs)\n");
        std::abort();
    }
    clock_ += static_cast<std::uint64_t>(timeout_ms);
}

void HeadlessHost::surface_damaged(HWND top_level) {
    // Nothing is shown: the damage is simply taken.
    if (auto s = user::top_level_surface(top_level)) s->take_damage();
}

}  // namespace headless
