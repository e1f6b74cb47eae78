#include "platform/host/desktop/clipboard.h"

namespace desktop {

Clipboard::Clipboard(GdkDisplay* display) {
    clipboard_ = GDK_CLIPBOARD(g_object_ref(gdk_display_get_clipboard(display)));
    cancellable_ = g_cancellable_new();
    changed_handler_ = g_signal_connect(clipboard_, "changed", G_CALLBACK(on_changed), this);
    read();
}

Clipboard::~Clipboard() {
    // A read still on its way must not land in a dead object.
    g_cancellable_cancel(cancellable_);
    g_signal_handler_disconnect(clipboard_, changed_handler_);
    g_object_unref(cancellable_);
    g_object_unref(clipboard_);
}

void Clipboard::set_text(const std::string& utf8) {
    text_ = utf8;
    gdk_clipboard_set_text(clipboard_, utf8.c_str());
}

void Clipboard::on_changed(GdkClipboard* clipboard, gpointer self) {
    if (gdk_clipboard_is_local(clipboard)) return;  // our own set_text; the copy is current
    static_cast<Clipboard*>(self)->read();
}

void Clipboard::read() {
    gdk_clipboard_read_text_async(clipboard_, cancellable_, on_read, this);
}

void Clipboard::on_read(GObject* clipboard, GAsyncResult* result, gpointer self) {
    GError* error = nullptr;
    char* text = gdk_clipboard_read_text_finish(GDK_CLIPBOARD(clipboard), result, &error);
    if (error) {
        // Cancelled (we are gone) or nothing textual there: keep what we had unless
        // the clipboard is now empty of text.
        bool cancelled = g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED);
        g_error_free(error);
        if (!cancelled) static_cast<Clipboard*>(self)->text_.clear();
        return;
    }
    static_cast<Clipboard*>(self)->text_ = text ? text : "";
    g_free(text);
}

}  // namespace desktop
