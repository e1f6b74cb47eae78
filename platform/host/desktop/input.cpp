#include "platform/host/desktop/input.h"

#include <set>
#include <string>

#include "platform/host/desktop/keymap.h"
#include "platform/user/internal.h"

namespace desktop {
namespace {

struct InputState {
    HWND top_level;
    GtkWidget* view = nullptr;
    bool takes_focus = true;
    GtkIMContext* im = nullptr;
    std::set<int> keys_down;  // released by hand when the view loses the keyboard

    ~InputState() {
        if (im) {
            gtk_im_context_set_client_widget(im, nullptr);
            g_object_unref(im);
        }
    }
};

POINT to_screen(const InputState& st, double x, double y) {
    POINT origin{};
    ClientToScreen(st.top_level, &origin);
    return POINT{origin.x + static_cast<LONG>(x), origin.y + static_cast<LONG>(y)};
}

// ---- Pointer ----

void on_motion(GtkEventControllerMotion*, double x, double y, gpointer data) {
    auto* st = static_cast<InputState*>(data);
    user::input_mouse_move(to_screen(*st, x, y));
}

void on_leave(GtkEventControllerMotion*, gpointer) { user::input_mouse_left(); }

// Presses and releases come raw: a click gesture would give up on a release that
// follows a drag, and a push button must see the release wherever it happens.
gboolean on_pointer_event(GtkEventControllerLegacy* controller, GdkEvent* event, gpointer data) {
    auto* st = static_cast<InputState*>(data);
    GdkEventType type = gdk_event_get_event_type(event);
    if (type != GDK_BUTTON_PRESS && type != GDK_BUTTON_RELEASE) return FALSE;

    double sx = 0, sy = 0;
    if (!gdk_event_get_position(event, &sx, &sy)) return FALSE;
    // Event positions are on the GDK surface; move them into the view.
    GtkWidget* view = gtk_event_controller_get_widget(GTK_EVENT_CONTROLLER(controller));
    GtkNative* native = gtk_widget_get_native(view);
    double nx = 0, ny = 0;
    gtk_native_get_surface_transform(native, &nx, &ny);
    double vx = 0, vy = 0;
    if (!gtk_widget_translate_coordinates(GTK_WIDGET(native), view, sx - nx, sy - ny, &vx, &vy)) return FALSE;

    int button;
    switch (gdk_button_event_get_button(event)) {
        case GDK_BUTTON_PRIMARY: button = 0; break;
        case GDK_BUTTON_SECONDARY: button = 1; break;
        case GDK_BUTTON_MIDDLE: button = 2; break;
        default: return FALSE;
    }
    if (type == GDK_BUTTON_PRESS && st->takes_focus) gtk_widget_grab_focus(view);
    user::input_mouse_button(to_screen(*st, vx, vy), button, type == GDK_BUTTON_PRESS);
    return TRUE;
}

// ---- Keyboard and text ----

// The key's unshifted value, so that Shift+1 is the key '1' and not '!'.
unsigned base_keyval(GtkEventControllerKey* controller, unsigned keyval, unsigned keycode) {
    GdkDisplay* display = gtk_widget_get_display(gtk_event_controller_get_widget(GTK_EVENT_CONTROLLER(controller)));
    GdkKeymapKey* keys = nullptr;
    guint* keyvals = nullptr;
    int n = 0;
    unsigned result = keyval;
    if (gdk_display_map_keycode(display, keycode, &keys, &keyvals, &n)) {
        for (int i = 0; i < n; ++i) {
            if (keys[i].group == 0 && keys[i].level == 0) {
                result = keyvals[i];
                break;
            }
        }
        g_free(keys);
        g_free(keyvals);
    }
    return result;
}

// Printable characters only: the window manager makes the characters of
// Backspace, Tab, Enter and Escape from their keys itself.
void send_text(unsigned keyval) {
    gunichar ch = gdk_keyval_to_unicode(keyval);
    if (ch < 0x20 || ch == 0x7F) return;
    char utf8[8] = {};
    g_unichar_to_utf8(ch, utf8);
    user::input_text(utf8);
}

gboolean on_key_pressed(GtkEventControllerKey* controller, unsigned keyval, unsigned keycode,
                        GdkModifierType state, gpointer data) {
    auto* st = static_cast<InputState*>(data);
    int vk = virtual_key_from_keyval(base_keyval(controller, keyval, keycode));
    if (vk) {
        st->keys_down.insert(vk);
        user::input_key(vk, true);
    }
    // Text comes after its key, as a keyboard delivers it: an input method may take
    // the key and commit text later; otherwise a key with a character types it,
    // unless Ctrl or Alt makes it a command.
    GdkEvent* event = gtk_event_controller_get_current_event(GTK_EVENT_CONTROLLER(controller));
    if (event && gtk_im_context_filter_keypress(st->im, event)) return TRUE;
    if (!(state & (GDK_CONTROL_MASK | GDK_ALT_MASK))) send_text(keyval);
    return vk != 0;
}

void on_key_released(GtkEventControllerKey* controller, unsigned keyval, unsigned keycode, GdkModifierType,
                     gpointer data) {
    auto* st = static_cast<InputState*>(data);
    if (GdkEvent* event = gtk_event_controller_get_current_event(GTK_EVENT_CONTROLLER(controller)))
        gtk_im_context_filter_keypress(st->im, event);
    int vk = virtual_key_from_keyval(base_keyval(controller, keyval, keycode));
    if (vk && st->keys_down.erase(vk)) user::input_key(vk, false);
}

void on_commit(GtkIMContext*, const char* text, gpointer) {
    if (text && *text) user::input_text(text);
}

void on_focus_enter(GtkEventControllerFocus*, gpointer data) {
    gtk_im_context_focus_in(static_cast<InputState*>(data)->im);
}

// Keys held when the keyboard goes elsewhere would otherwise stay down for good.
void on_focus_leave(GtkEventControllerFocus*, gpointer data) {
    auto* st = static_cast<InputState*>(data);
    gtk_im_context_focus_out(st->im);
    std::set<int> held;
    held.swap(st->keys_down);
    for (int vk : held) user::input_key(vk, false);
}

void free_state(gpointer data) { delete static_cast<InputState*>(data); }

}  // namespace

void connect_input(GtkWidget* view, HWND top_level, bool takes_focus) {
    auto* st = new InputState();
    st->top_level = top_level;
    st->takes_focus = takes_focus;
    st->view = view;
    st->im = gtk_im_multicontext_new();
    gtk_im_context_set_client_widget(st->im, view);
    g_signal_connect(st->im, "commit", G_CALLBACK(on_commit), st);
    g_object_set_data_full(G_OBJECT(view), "zelvio-input", st, free_state);

    GtkEventController* motion = gtk_event_controller_motion_new();
    g_signal_connect(motion, "motion", G_CALLBACK(on_motion), st);
    g_signal_connect(motion, "leave", G_CALLBACK(on_leave), st);
    gtk_widget_add_controller(view, motion);

    GtkEventController* buttons = gtk_event_controller_legacy_new();
    g_signal_connect(buttons, "event", G_CALLBACK(on_pointer_event), st);
    gtk_widget_add_controller(view, buttons);

    GtkEventController* keys = gtk_event_controller_key_new();
    g_signal_connect(keys, "key-pressed", G_CALLBACK(on_key_pressed), st);
    g_signal_connect(keys, "key-released", G_CALLBACK(on_key_released), st);
    gtk_widget_add_controller(view, keys);

    GtkEventController* focus = gtk_event_controller_focus_new();
    g_signal_connect(focus, "enter", G_CALLBACK(on_focus_enter), st);
    g_signal_connect(focus, "leave", G_CALLBACK(on_focus_leave), st);
    gtk_widget_add_controller(view, focus);
}

}  // namespace desktop
