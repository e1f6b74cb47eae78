#include "platform/host/desktop/top_level_window.h"

#include "platform/host/desktop/desktop_host.h"
#include "platform/host/desktop/input.h"
#include "platform/host/desktop/surface_view.h"
#include "platform/host/desktop/window_icon.h"

namespace desktop {

TopLevelWindow::TopLevelWindow(HWND top_level, WindowIcons& icons) : top_level_(top_level), icons_(icons) {
    window_ = gtk_window_new();
    g_object_ref_sink(window_);
    // Form1's layout does not follow a resize, so neither does the GTK window: it
    // takes the size of its surface.
    gtk_window_set_resizable(GTK_WINDOW(window_), FALSE);
    g_signal_connect(window_, "close-request", G_CALLBACK(on_close_request), this);
    g_signal_connect(window_, "realize", G_CALLBACK(on_realize), this);

    layer_ = gtk_fixed_new();
    gtk_window_set_child(GTK_WINDOW(window_), layer_);
    view_ = surface_view_new();
    gtk_fixed_put(GTK_FIXED(layer_), view_, 0, 0);
    connect_input(view_, top_level_);
    gtk_widget_grab_focus(view_);
}

TopLevelWindow::~TopLevelWindow() {
    if (after_paint_handler_) g_signal_handler_disconnect(frame_clock_, after_paint_handler_);
    g_signal_handlers_disconnect_by_data(window_, this);
    gtk_window_destroy(GTK_WINDOW(window_));
    g_object_unref(window_);
}

void TopLevelWindow::take_surface() {
    gdi::SurfacePtr s = user::top_level_surface(top_level_);
    if (s != surface_) {
        surface_ = s;
        if (surface_) surface_->take_damage();  // shown whole anyway
        surface_view_set_surface(view_, surface_);
    }
}

void TopLevelWindow::update(const user::TopLevelInfo& info) {
    if (info.caption != caption_) {
        caption_ = info.caption;
        gtk_window_set_title(GTK_WINDOW(window_), caption_.c_str());
    }
    std::string icon = icons_.name_for(info.icon_width, info.icon_height, info.icon_pixels);
    if (icon != icon_name_) {
        icon_name_ = icon;
        gtk_window_set_icon_name(GTK_WINDOW(window_), icon_name_.empty() ? nullptr : icon_name_.c_str());
    }
    take_surface();
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
