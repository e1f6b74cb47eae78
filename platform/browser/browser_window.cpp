// The "ZelvioWebView" window class: a plain child window whose client area a
// browser control covers. The window owns the control its factory made and tells
// it when it moves, shows, hides or goes away; the control does the rest.

#include <cstdint>
#include <unordered_map>
#include <utility>

#include "platform/browser/browser.h"

namespace browser {
namespace {

struct Attachment {
    BrowserControl* control = nullptr;
    std::unique_ptr<BrowserControl> owned;  // set when the window made the control
};

std::unordered_map<std::uint32_t, Attachment>& attachments() {
    static std::unordered_map<std::uint32_t, Attachment> table;
    return table;
}

ControlFactory& control_factory() {
    static ControlFactory factory;
    return factory;
}

std::unique_ptr<BrowserControl> make_control() {
    if (ControlFactory& f = control_factory()) {
        if (auto control = f()) return control;
    }
    return std::make_unique<RecordingBrowser>();
}

LRESULT web_view_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE: {
            std::unique_ptr<BrowserControl> control = make_control();
            BrowserControl* raw = control.get();
            attach(hwnd, raw);
            if (auto it = attachments().find(hwnd.value); it != attachments().end()) {
                it->second.owned = std::move(control);
                raw->window_changed();  // lets the control take its place at once
            }
            break;
        }
        case WM_WINDOWPOSCHANGED:
        case WM_SHOWWINDOW:
        case WM_MOVE:
        case WM_SIZE:
            if (BrowserControl* control = control_of(hwnd)) control->window_changed();
            break;
        case WM_DESTROY:
            attach(hwnd, nullptr);
            break;
        default:
            break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

BrowserControl* BrowserControl::new_window_target() {
    BrowserControl* target = nullptr;
    bool cancel = false;
    if (on_new_window) on_new_window(&target, &cancel);
    if (cancel) return nullptr;
    return target ? target : this;
}

void attach(HWND window, BrowserControl* control) {
    auto& table = attachments();
    std::unique_ptr<BrowserControl> keep;  // ownership that moves with the control
    // Whatever the window held before goes first; an owned control dies at the end
    // of this call, after it has been told and outside the table.
    Attachment old;
    if (auto it = table.find(window.value); it != table.end()) {
        old = std::move(it->second);
        table.erase(it);
        if (old.control == control) {
            keep = std::move(old.owned);
        } else if (old.control) {
            old.control->window_ = HWND();
            old.control->window_destroyed();
        }
    }
    if (!control || !window || !IsWindow(window)) return;
    // A control lives in one window at a time.
    for (auto it = table.begin(); it != table.end(); ++it) {
        if (it->second.control == control) {
            keep = std::move(it->second.owned);
            table.erase(it);
            break;
        }
    }
    control->window_ = window;
    Attachment& now = table[window.value];
    now.control = control;
    now.owned = std::move(keep);
}

BrowserControl* control_of(HWND window) {
    if (!window) return nullptr;
    auto& table = attachments();
    auto it = table.find(window.value);
    if (it == table.end()) return nullptr;
    if (!IsWindow(window)) return nullptr;
    return it->second.control;
}

void register_window_class() {
    WNDCLASSA existing{};
    if (GetClassInfoA(HINSTANCE(), kWindowClass, &existing)) return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = web_view_proc;
    wc.hbrBackground = HBRUSH(static_cast<std::uint32_t>(COLOR_WINDOW + 1));
    wc.lpszClassName = kWindowClass;
    RegisterClassA(&wc);
}

void set_control_factory(ControlFactory factory) { control_factory() = std::move(factory); }

BrowserControl* RecordingBrowser::request_new_window(const std::string& address) {
    BrowserControl* target = new_window_target();
    if (target) target->Navigate(address);
    return target;
}

}  // namespace browser
