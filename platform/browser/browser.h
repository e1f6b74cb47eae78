#pragma once
// The web browser control: a window of class "ZelvioWebView" (outside every skin
// family) that shows pages. The desktop build backs it with a WebKitGTK 6.0 view
// placed over the window's client area; tests use a recording control.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace browser {

inline constexpr const char* kWindowClass = "ZelvioWebView";

class BrowserControl {
public:
    virtual ~BrowserControl() = default;
    // Starts loading address; returns at once (loading is asynchronous).
    virtual void Navigate(const std::string& address) = 0;

    // Raised when a page asks for a new window. The handler may set *target to a
    // control that is to receive the new page; left null, the page is refused
    // unless *cancel stays false, in which case it opens in this control.
    // (The program answers with the control itself, so no second window opens.)
    std::function<void(BrowserControl** target, bool* cancel)> on_new_window;

    // The window that hosts the control (0 before it is attached to one).
    HWND window() const { return window_; }

    // Asks on_new_window where a new-window request should open: the control the
    // handler named, this control when it named none, null when it cancelled.
    BrowserControl* new_window_target();

    // Called by the "ZelvioWebView" window procedure: the window moved, was
    // resized, shown or hidden (read its state afresh), or is being destroyed
    // (window() is already 0 when window_destroyed runs).
    virtual void window_changed() {}
    virtual void window_destroyed() {}

protected:
    HWND window_;
    friend void attach(HWND, BrowserControl*);
};

// Ties a control to its host window; the window's WM_DESTROY detaches it.
void attach(HWND window, BrowserControl* control);
BrowserControl* control_of(HWND window);

// Registers the "ZelvioWebView" window class (idempotent).
void register_window_class();

// Makes the control of every new "ZelvioWebView" window; the window owns it and
// destroys it with itself. Without a factory (or with an empty one) each window
// gets a RecordingBrowser.
using ControlFactory = std::function<std::unique_ptr<BrowserControl>()>;
void set_control_factory(ControlFactory factory);

// A control that records what it is asked to do: for tests.
class RecordingBrowser : public BrowserControl {
public:
    void Navigate(const std::string& address) override { navigations.push_back(address); }
    // Simulates a page asking for a new window for address; returns the control
    // the request was answered with (this one, another, or null when refused).
    BrowserControl* request_new_window(const std::string& address);
    std::vector<std::string> navigations;
};

}  // namespace browser
