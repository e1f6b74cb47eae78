// The test harness of platform/headless.h over the headless host.

#include "platform/controls/system_classes.h"
#include "platform/gdi/internal.h"
#include "platform/headless.h"
#include "platform/host/headless/headless_host.h"
#include "platform/user/internal.h"
#include "platform/user/timer_queue.h"
#include "platform/user/wm_state.h"

namespace headless {

namespace {

// Delivers until the queue is dry. A WM_QUIT met on the way does not stop the
// rest; it is put back afterwards so that the test (or a message loop) sees it.
void pump_all() {
    bool quit = false;
    int code = 0;
    for (int i = 0; i < 64; ++i) {
        int c = 0;
        if (user::pump_due(&c)) break;
        quit = true;
        code = c;
    }
    if (quit) PostQuitMessage(code);
}

}  // namespace

void reset() {
    host::install(nullptr);
    user::reset_window_manager();
    headless_host().reset();
    controls::install_system_classes();
}

void pump() { pump_all(); }

void advance(std::uint32_t ms) {
    HeadlessHost& h = headless_host();
    const std::uint64_t target = h.now_ms() + ms;
    pump_all();
    for (;;) {
        std::int64_t due = user::next_timer_due_at();
        if (due < 0 || static_cast<std::uint64_t>(due) > target) break;
        if (static_cast<std::uint64_t>(due) > h.now_ms()) h.set_clock(static_cast<std::uint64_t>(due));
        pump_all();
    }
    h.set_clock(target);
    pump_all();
}

std::uint64_t now() { return headless_host().now_ms(); }

void mouse_move(int x, int y) {
    user::input_mouse_move(POINT{x, y});
    pump_all();
}

void mouse_down(int x, int y, int button) {
    user::input_mouse_button(POINT{x, y}, button, true);
    pump_all();
}

void mouse_up(int x, int y, int button) {
    user::input_mouse_button(POINT{x, y}, button, false);
    pump_all();
}

void click(int x, int y) {
    mouse_down(x, y);
    mouse_up(x, y);
}

void key_down(int vk) {
    user::input_key(vk, true);
    pump_all();
}

void key_up(int vk) {
    user::input_key(vk, false);
    pump_all();
}

void key_press(int vk) {
    key_down(vk);
    key_up(vk);
}

void type_text(const std::string& utf8) {
    user::input_text(utf8);
    pump_all();
}

void set_clipboard_text(const std::string& utf8) { headless_host().set_clipboard_text(utf8); }
std::string clipboard_text() { return headless_host().clipboard_text(); }

int gdi_object_count() { return gdi::live_object_count(); }
int window_count() { return user::state().live_window_count; }

void hide_export(const std::string& module, const std::string& function, bool hidden) {
    user::hide_module_export(module, function, hidden);
}

}  // namespace headless
