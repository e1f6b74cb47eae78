#pragma once
// What shows one top-level window of ours on the desktop.
//
// A window with a caption (a form, a dialog box) gets a GTK window of its own
// whose content is a fixed layer: the surface view at the origin and, above it,
// native child views. A caption-less pop-up with an owner (a combo box's list) is
// drawn inside its owner's GTK window instead, as the uppermost view of that
// layer: GTK 4 cannot place a window of its own at a screen position, and a
// drop-down list has to appear exactly under its combo box.

#include "platform/host/desktop/gtk.h"
#include "platform/user/internal.h"

namespace desktop {

class WindowIcons;

class TopLevelWindow {
public:
    // A window of its own.
    TopLevelWindow(HWND top_level, WindowIcons& icons);
    // A pop-up drawn inside owner's window.
    TopLevelWindow(HWND top_level, WindowIcons& icons, TopLevelWindow& owner);
    ~TopLevelWindow();
    TopLevelWindow(const TopLevelWindow&) = delete;
    TopLevelWindow& operator=(const TopLevelWindow&) = delete;

    // Caption, icon, size, position (pop-ups) and visibility from the window manager.
    void update(const user::TopLevelInfo& info);
    // Something was drawn into the surface.
    void surface_damaged();

    HWND top_level() const { return top_level_; }
    bool embedded() const { return window_ == nullptr; }
    // The window that holds the layer: this one, or the owner of a pop-up.
    HWND layer_owner() const { return layer_owner_; }
    // Where child views go (above the surface view).
    GtkFixed* layer() const { return GTK_FIXED(layer_); }

    // Whether a window with this info is drawn inside its owner's window.
    static bool draws_inside_owner(const user::TopLevelInfo& info);

private:
    static gboolean on_close_request(GtkWindow*, gpointer self);
    static void on_realize(GtkWidget*, gpointer self);
    static void on_active_changed(GObject*, GParamSpec*, gpointer self);
    static void on_after_paint(GdkFrameClock*, gpointer self);
    void take_surface();
    void place_in_owner(const user::TopLevelInfo& info);

    HWND top_level_;
    HWND layer_owner_;
    WindowIcons& icons_;
    GtkWidget* window_ = nullptr;  // null for a pop-up drawn inside its owner
    GtkWidget* layer_ = nullptr;   // ours, or the owner's
    GtkWidget* view_ = nullptr;    // our reference
    gdi::SurfacePtr surface_;
    std::string caption_;
    std::string icon_name_;
    bool shown_ = false;
    GdkFrameClock* frame_clock_ = nullptr;  // watched until the first frame
    gulong after_paint_handler_ = 0;
};

}  // namespace desktop
