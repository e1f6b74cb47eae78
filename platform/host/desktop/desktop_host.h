#pragma once
// The host::Host of the desktop: GTK windows, the GLib main loop as the wait of
// the message loop, the GTK clipboard.

#include <cstdint>
#include <memory>
#include <unordered_map>

#include "platform/host/desktop/clipboard.h"
#include "platform/host/desktop/top_level_window.h"
#include "platform/host/desktop/window_icon.h"
#include "platform/host/host.h"

namespace desktop {

class DesktopHost : public host::Host {
public:
    explicit DesktopHost(GdkDisplay* display);
    ~DesktopHost() override;

    // The installed desktop host, or null.
    static DesktopHost* instance();

    std::uint64_t now_ms() override;
    void wait_for_events(std::int64_t timeout_ms) override;
    void top_level_changed(HWND top_level) override;
    void top_level_destroyed(HWND top_level) override;
    void surface_damaged(HWND top_level) override;
    std::string clipboard_text() override;
    void set_clipboard_text(const std::string& utf8) override;

    // The GTK window showing top_level, or null when it has none (yet).
    TopLevelWindow* window_for(HWND top_level);

private:
    std::int64_t start_us_;
    Clipboard clipboard_;
    WindowIcons icons_;
    std::unordered_map<std::uint32_t, std::unique_ptr<TopLevelWindow>> windows_;
};

// Child views hear of their top-level window's GTK window appearing or going.
void place_child_views_of(HWND top_level);
void drop_child_views_of(HWND top_level);
void drop_all_child_views();

// A window put its first frame on the screen: tasks waiting for it may run.
void first_frame_shown();
// Forgets tasks that never ran (the host is going away).
void drop_first_frame_tasks();

}  // namespace desktop
