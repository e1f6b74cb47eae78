#pragma once
// The desktop clipboard for the edit boxes.
//
// GDK reads the clipboard asynchronously, while an edit box's paste wants the text
// now. We keep a copy: read once at start and again whenever another program
// changes the clipboard; what we put there ourselves is the copy at once. A paste
// therefore never waits on the main loop (which would let other messages run in
// the middle of the edit box's paste).

#include <string>

#include "platform/host/desktop/gtk.h"

namespace desktop {

class Clipboard {
public:
    explicit Clipboard(GdkDisplay* display);
    ~Clipboard();
    Clipboard(const Clipboard&) = delete;
    Clipboard& operator=(const Clipboard&) = delete;

    const std::string& text() const { return text_; }
    void set_text(const std::string& utf8);

private:
    static void on_changed(GdkClipboard* clipboard, gpointer self);
    static void on_read(GObject* clipboard, GAsyncResult* result, gpointer self);
    void read();

    GdkClipboard* clipboard_ = nullptr;
    gulong changed_handler_ = 0;
    GCancellable* cancellable_ = nullptr;
    std::string text_;
};

}  // namespace desktop
