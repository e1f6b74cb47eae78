#include "platform/browser/webkit/webkit_browser.h"

#include "platform/host/desktop/gtk.h"

#include <webkit/webkit.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/host/desktop/desktop.h"

namespace browser::webkit {
namespace {

class WebKitBrowser : public BrowserControl {
public:
    // The WebKit view is made once a window is on the screen (see
    // desktop::after_first_frame); until then a navigation waits for it.
    WebKitBrowser() : alive_(std::make_shared<bool>(true)) {
        std::weak_ptr<bool> alive = alive_;
        desktop::after_first_frame([this, alive] {
            if (!alive.expired()) make_view();
        });
    }

    ~WebKitBrowser() override {
        if (placed_in_) desktop::remove_child_view(placed_in_);
        if (view_) {
            g_signal_handlers_disconnect_by_data(view_, this);
            webkit_web_view_stop_loading(view_);
            g_object_unref(view_);
        }
    }

    void Navigate(const std::string& address) override {
        if (view_) {
            webkit_web_view_load_uri(view_, address.c_str());
        } else {
            pending_address_ = address;  // the latest wins, as it would on a live view
        }
    }

    void window_changed() override {
        if (!window_ || !view_) return;
        if (placed_in_ != window_) {
            if (placed_in_) desktop::remove_child_view(placed_in_);
            placed_in_ = window_;
            desktop::add_child_view(placed_in_, GTK_WIDGET(view_));
        } else {
            desktop::child_view_changed(placed_in_);
        }
    }

    void window_destroyed() override {
        if (placed_in_) desktop::remove_child_view(placed_in_);
        placed_in_ = HWND();
    }

private:
    void make_view() {
        if (view_) return;
        view_ = WEBKIT_WEB_VIEW(g_object_ref_sink(webkit_web_view_new()));
        g_signal_connect(view_, "decide-policy", G_CALLBACK(on_decide_policy), this);
        g_signal_connect(view_, "create", G_CALLBACK(on_create), this);
        window_changed();
        if (pending_address_) {
            std::string address = std::move(*pending_address_);
            pending_address_.reset();
            webkit_web_view_load_uri(view_, address.c_str());
        }
    }

    // A page asks for a new window: the answer names the control that shows the
    // page instead, this one unless the handler says otherwise; no second GTK
    // window ever opens.
    void open_requested(const char* uri) {
        if (!uri || !*uri) return;
        if (BrowserControl* target = new_window_target()) target->Navigate(uri);
    }

    // Links with a target of their own ("_blank") arrive here first.
    static gboolean on_decide_policy(WebKitWebView*, WebKitPolicyDecision* decision, WebKitPolicyDecisionType type,
                                     gpointer self) {
        if (type != WEBKIT_POLICY_DECISION_TYPE_NEW_WINDOW_ACTION) return FALSE;
        WebKitNavigationAction* action =
            webkit_navigation_policy_decision_get_navigation_action(WEBKIT_NAVIGATION_POLICY_DECISION(decision));
        std::string uri = webkit_uri_request_get_uri(webkit_navigation_action_get_request(action));
        webkit_policy_decision_ignore(decision);
        static_cast<WebKitBrowser*>(self)->open_requested(uri.c_str());
        return TRUE;
    }

    // Script's window.open() asks to create a view; we create none.
    static GtkWidget* on_create(WebKitWebView*, WebKitNavigationAction* action, gpointer self) {
        static_cast<WebKitBrowser*>(self)->open_requested(
            webkit_uri_request_get_uri(webkit_navigation_action_get_request(action)));
        return nullptr;
    }

    std::shared_ptr<bool> alive_;  // lets a task that outlives us see that
    WebKitWebView* view_ = nullptr;
    HWND placed_in_;
    std::optional<std::string> pending_address_;
};

}  // namespace

std::unique_ptr<BrowserControl> make_control() { return std::make_unique<WebKitBrowser>(); }

}  // namespace browser::webkit
