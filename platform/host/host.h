#pragma once
// Where top-level windows are shown. The window manager talks to exactly one host
// at a time: the headless host (the default: tests, virtual clock) or the desktop
// host (GTK 4 windows, GLib main loop). Hosts feed input back through
// platform/user/internal.h.

#include <cstdint>
#include <string>

#include "platform/win32/types.h"

namespace host {

class Host {
public:
    virtual ~Host() = default;

    // Milliseconds on the host's clock.
    virtual std::uint64_t now_ms() = 0;
    // Waits until input may have arrived or timeout_ms has passed (-1: no limit).
    // The headless host returns at once: its clock moves only when a test moves it.
    virtual void wait_for_events(std::int64_t timeout_ms) = 0;

    // A top-level window appeared, changed (position, size, visibility, text or
    // icon) or is going away.
    virtual void top_level_changed(HWND top_level) = 0;
    virtual void top_level_destroyed(HWND top_level) = 0;
    // Something was drawn into the top-level's screen surface; the damage box is
    // on the surface (gdi::Surface::take_damage).
    virtual void surface_damaged(HWND top_level) = 0;

    virtual std::string clipboard_text() = 0;
    virtual void set_clipboard_text(const std::string& utf8) = 0;
};

// The current host; the headless one until another is installed.
Host& current();
void install(Host* h);  // null puts the headless host back

}  // namespace host
