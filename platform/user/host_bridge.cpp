// What hosts read of top-level windows, the clipboard bridge and the full reset.

#include "platform/host/host.h"
#include "platform/user/internal.h"
#include "platform/user/timer_queue.h"
#include "platform/user/wm_state.h"

namespace user {

namespace {

Window* top_level(HWND h) {
    Window* w = find_window(h);
    return w && !w->parent ? w : nullptr;
}

}  // namespace

gdi::SurfacePtr top_level_surface(HWND h) {
    Window* w = top_level(h);
    return w ? w->surface : nullptr;
}

bool top_level_info(HWND h, TopLevelInfo* out) {
    Window* w = top_level(h);
    if (!w || !out) return false;
    out->rect = w->rect;
    out->visible = w->visible_bit();
    out->owner = w->owner;
    out->style = w->style;
    out->ex_style = w->ex_style;
    out->caption = w->text;
    out->icon_width = w->icon_width;
    out->icon_height = w->icon_height;
    out->icon_pixels = w->icon_pixels;
    return true;
}

void set_window_icon(HWND h, int width, int height, std::vector<std::uint32_t> pixels) {
    Window* w = top_level(h);
    if (!w) return;
    if (width <= 0 || height <= 0 || pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        w->icon_width = w->icon_height = 0;
        w->icon_pixels.clear();
    } else {
        w->icon_width = width;
        w->icon_height = height;
        w->icon_pixels = std::move(pixels);
    }
    host::current().top_level_changed(h);
}

std::string clipboard_text() { return host::current().clipboard_text(); }
void set_clipboard_text(const std::string& utf8) { host::current().set_clipboard_text(utf8); }

void reset_window_manager() {
    State& s = state();
    // Pop-ups owned by others go with their owners; a few rounds catch windows
    // that procedures create while being destroyed.
    for (int round = 0; round < 8 && !s.top_levels.empty(); ++round) {
        for (HWND t : std::vector<HWND>(s.top_levels)) DestroyWindow(t);
    }
    s.posted.clear();
    s.input.clear();
    s.quit_posted = false;
    s.quit_code = 0;
    kill_all_timers();
    s.capture = s.focus = s.active = HWND();
    s.leave = TrackedLeave{};
    s.cursor = POINT{};
    std::fill(std::begin(s.key_down), std::end(s.key_down), 0);
    std::fill(std::begin(s.key_toggled), std::end(s.key_toggled), 0);
    s.buttons_down = 0;
    scroll_bar_cancel();
    s.last_press_valid = false;
    release_screen_dcs();
    unregister_all_classes();
    restore_module_exports();
}

}  // namespace user
