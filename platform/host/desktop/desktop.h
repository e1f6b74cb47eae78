#pragma once
// The desktop host: every top-level window of ours becomes a GTK 4 window showing
// its screen surface, GTK input enters the window manager's input path, timers
// run on the GLib main loop, and native views (the WebKitGTK view) can be placed
// over the client area of any window.

#include <functional>

#include "platform/host/desktop/gtk.h"

#include "platform/win32.h"

namespace desktop {

// Initialises GTK and makes the desktop host current. False when no display can
// be opened (the headless host stays current then).
bool install();
// Puts the headless host back and closes every GTK window; removes the icon files.
void uninstall();

// Places view over the client area of owner (a window of any depth) and keeps it
// there: call child_view_changed when owner moved, was resized, shown or hidden.
// The host holds a reference to view until remove_child_view.
void add_child_view(HWND owner, GtkWidget* view);
void child_view_changed(HWND owner);
void remove_child_view(HWND owner);

// Runs task from the main loop once a window of ours has put its first frame on
// the screen (at once, from the main loop, when one has already). Work that the
// first frame does not need, such as starting WebKit, waits here so that the
// window shows sooner.
void after_first_frame(std::function<void()> task);

}  // namespace desktop
