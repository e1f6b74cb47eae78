#include "platform/host/desktop/top_level_window.h"

#include <algorithm>

#include "platform/host/desktop/desktop_host.h"
#include "platform/host/desktop/input.h"
#include "platform/host/desktop/surface_view.h"
#include "platform/host/desktop/window_icon.h"

namespace desktop {

bool TopLevelWindow::draws_inside_owner(const user::TopLevelInfo& info) {
    return info.owner && (info.style & WS_POPUP) && (info.style & WS_CAPTION) != WS_CAPTION;
}

TopLevelWindow::TopLevelWindow(HWND top_level, WindowIcons& icons)
    : top_level_(top_level), layer_owner_(top_level), icons_(icons) {
    window_ = gtk_window_new();
    g_object_ref_sink(window_);
    // Form1's layout does not follow a resize, so neither does the GTK window: it
    // takes the size of its surface.
    gtk_window_set_resizable(GTK_WINDOW(window_), FALSE);
    g_signal_connect(window_, "close-request", G_CALLBACK(on_close_request), this);
    g_signal_connect(window_, "realize", G_CALLBACK(on_realize), this);
    g_signal_connect(window_, "notify::is-active", G_CALLBACK(on_active_changed), this);

    layer_ = gtk_fixed_new();
    gtk_widget_set_overflow(layer_, GTK_OVERFLOW_HIDDEN);
    gtk_window_set_child(GTK_WINDOW(window_), layer_);
    view_ = GTK_WIDGET(g_object_ref_sink(surface_view_new()));
    gtk_fixed_put(GTK_FIXED(layer_), view_, 0, 0);
    connect_input(view_, top_level_, true);
    gtk_widget_grab_focus(view_);
}

TopLevelWindow::TopLevelWindow(HWND top_level, WindowIcons& icons, TopLevelWindow& owner)
    : top_level_(top_level), layer_owner_(owner.layer_owner_), icons_(icons) {
    layer_ = GTK_WIDGET(g_object_ref(owner.layer_));
    view_ = GTK_WIDGET(g_object_ref_sink(surface_view_new()));
    // A pop-up never takes the keyboard: its owner keeps it, as the list of a
    // combo box leaves the focus in the combo box.
    connect_input(view_, top_level_, false);
}

TopLevelWindow::~TopLevelWindow() {
    if (after_paint_handler_) g_signal_handler_disconnect(frame_clock_, after_paint_handler_);
    if (gtk_widget_get_parent(view_) == layer_) gtk_fixed_remove(GTK_FIXED(layer_), view_);
    g_object_unref(view_);
    if (window_) {
        g_signal_handlers_disconnect_by_data(window_, this);
        gtk_window_destroy(GTK_WINDOW(window_));  // takes our layer with it
        g_object_unref(window_);
    } else {
        g_object_unref(layer_);  // the owner's; we held it in case the owner went first
    }
}

void TopLevelWindow::take_surface() {
    gdi::SurfacePtr s = user::top_level_surface(top_level_);
    if (s != surface_) {
        surface_ = s;
        if (surface_) surface_->take_damage();  // shown whole anyway
        surface_view_set_surface(view_, surface_);
    }
}

// A pop-up sits in its owner's layer at its offset from the owner's client area,
// above everything there, and is cut to the owner's window: a layer that grew
// would make the owner's window grow with it.
void TopLevelWindow::place_in_owner(const user::TopLevelInfo& info) {
    POINT owner_origin{};
    ClientToScreen(layer_owner_, &owner_origin);
    RECT owner_client{};
    GetClientRect(layer_owner_, &owner_client);
    int x = info.rect.left - owner_origin.x, y = info.rect.top - owner_origin.y;
    int width = std::min<int>(info.rect.right - info.rect.left, owner_client.right - x);
    int height = std::min<int>(info.rect.bottom - info.rect.top, owner_client.bottom - y);
    bool visible = info.visible && x >= 0 && y >= 0 && width > 0 && height > 0;

    if (!visible) {
        if (gtk_widget_get_parent(view_) == layer_) gtk_fixed_remove(GTK_FIXED(layer_), view_);
        shown_ = false;
        return;
    }
    gtk_widget_set_size_request(view_, width, height);
    gtk_widget_set_overflow(view_, GTK_OVERFLOW_HIDDEN);
    if (gtk_widget_get_parent(view_) != layer_) {
        gtk_fixed_put(GTK_FIXED(layer_), view_, x, y);
    } else {
        gtk_fixed_move(GTK_FIXED(layer_), view_, x, y);
        if (!shown_) gtk_widget_insert_before(view_, layer_, nullptr);  // uppermost again
    }
    shown_ = true;
}

void TopLevelWindow::update(const user::TopLevelInfo& info) {
    take_surface();
    if (!window_) {
        place_in_owner(info);
        return;
    }
    if (info.caption != caption_) {
        caption_ = info.caption;
        gtk_window_set_title(GTK_WINDOW(window_), caption_.c_str());
    }
    std::string icon = icons_.name_for(info.icon_width, info.icon_height, info.icon_pixels);
    if (icon != icon_name_) {
        icon_name_ = icon;
        gtk_window_set_icon_name(GTK_WINDOW(window_), icon_name_.empty() ? nullptr : icon_name_.c_str());
    }
    if (info.visible && !shown_) {
        shown_ = true;
        gtk_window_present(GTK_WINDOW(window_));
    } else if (!info.visible && shown_) {
        shown_ = false;
        gtk_widget_set_visible(window_, FALSE);
    }
}

void TopLevelWindow::surface_damaged() {
    gdi::SurfacePtr s = user::top_level_surface(top_level_);
    if (s != surface_) {
        take_surface();
        return;
    }
    if (surface_) surface_view_damage(view_, surface_->take_damage());
}

// The close box asks the window to close as the window manager would; the window
// (the form) decides, and the GTK window goes when ours is destroyed.
gboolean TopLevelWindow::on_close_request(GtkWindow*, gpointer self) {
    PostMessageA(static_cast<TopLevelWindow*>(self)->top_level_, WM_CLOSE, 0, 0);
    return TRUE;
}

// The desktop's window manager activated the window (a click on its title bar, a
// switch from another program): ours follows, so that the window and its controls
// show themselves active.
void TopLevelWindow::on_active_changed(GObject* window, GParamSpec*, gpointer self) {
    HWND top = static_cast<TopLevelWindow*>(self)->top_level_;
    if (gtk_window_is_active(GTK_WINDOW(window)) && GetActiveWindow() != top) SetActiveWindow(top);
}

void TopLevelWindow::on_realize(GtkWidget* widget, gpointer self) {
    auto* w = static_cast<TopLevelWindow*>(self);
    if (w->after_paint_handler_) return;
    w->frame_clock_ = gtk_widget_get_frame_clock(widget);
    if (w->frame_clock_)
        w->after_paint_handler_ = g_signal_connect(w->frame_clock_, "after-paint", G_CALLBACK(on_after_paint), self);
}

void TopLevelWindow::on_after_paint(GdkFrameClock* clock, gpointer self) {
    auto* w = static_cast<TopLevelWindow*>(self);
    g_signal_handler_disconnect(clock, w->after_paint_handler_);
    w->after_paint_handler_ = 0;
    first_frame_shown();
}

}  // namespace desktop
