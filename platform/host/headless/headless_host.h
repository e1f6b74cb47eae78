#pragma once
// The headless host: nothing is shown and the clock is virtual.

#include <cstdint>
#include <string>

#include "platform/host/host.h"

namespace headless {

class HeadlessHost : public host::Host {
public:
    std::uint64_t now_ms() override { return clock_; }
    // Waiting lets the virtual time pass until the next timer; waiting with
    // nothing that could ever arrive is a program that would hang, so it stops.
    void wait_for_events(std::int64_t timeout_ms) override;
    void top_level_changed(HWND) override {}
    void top_level_destroyed(HWND) override {}
    void surface_damaged(HWND top_level) override;
    std::string clipboard_text() override { return clipboard_; }
    void set_clipboard_text(const std::string& utf8) override { clipboard_ = utf8; }

    void set_clock(std::uint64_t ms) { clock_ = ms; }
    void reset() {
        clock_ = 0;
        clipboard_.clear();
    }

private:
    std::uint64_t clock_ = 0;
    std::string clipboard_;
};

HeadlessHost& headless_host();

}  // namespace headless
