#pragma once
// One GTK window for one top-level window of ours. Its content is a fixed layer
// holding the surface view at the origin and, above it, any native child views.

#include "platform/host/desktop/gtk.h"

#include "platform/user/internal.h"

namespace desktop {

class WindowIcons;

class TopLevelWindow {
public:
    TopLevelWindow(HWND top_level, WindowIcons& icons);
    ~TopLevelWindow();
    TopLevelWindow(const TopLevelWindow&) = delete;
    TopLevelWindow& operator=(const TopLevelWindow&) = delete;

    // Caption, icon, size and visibility from the window manager.
    void update(const user::TopLevelInfo& info);
    // Something was drawn into the surface.
    void surface_damaged();

    HWND top_level() const { return top_level_; }
    GtkWidget* window() const { return window_; }
    // Where child views go (above the surface view).
    GtkFixed* layer() const { return GTK_FIXED(layer_); }

private:
    static gboolean on_close_request(GtkWindow*, gpointer self);
    static void on_realize(GtkWidget*, gpointer self);
    static void on_after_paint(GdkFrameClock*, gpointer self);
    void take_surface();

    HWND top_level_;
    WindowIcons& icons_;
    GtkWidget* window_ = nullptr;
    GtkWidget* layer_ = nullptr;
    GtkWidget* view_ = nullptr;
    gdi::SurfacePtr surface_;
    std::string caption_;
    std::string icon_name_;
    bool shown_ = false;
    GdkFrameClock* frame_clock_ = nullptr;  // watched until the first frame
    gulong after_paint_handler_ = 0;
};

}  // namespace desktop
