// zelvio: Form1 on the desktop, its browser a WebKitGTK view.

#include <csignal>
#include <cstdio>

#include "app/Form1.h"
#include "platform/browser/webkit/webkit_browser.h"
#include "platform/forms/forms.h"
#include "platform/host/desktop/desktop.h"

#include <glib-unix.h>

namespace {

// Asked to stop (Ctrl+C in the terminal, the session ending): end the way the
// exit button does, so that the windows go and the host cleans up after itself.
gboolean EndOnSignal(gpointer signal_number) {
    forms::end_program(128 + GPOINTER_TO_INT(signal_number));
    return G_SOURCE_REMOVE;
}

}  // namespace

int main() {
    if (!desktop::install()) {
        std::fprintf(stderr, "zelvio: cannot open the display\n");
        return 1;
    }
    for (int signal_number : {SIGINT, SIGTERM, SIGHUP})
        g_unix_signal_add(signal_number, EndOnSignal, GINT_TO_POINTER(signal_number));
    browser::register_window_class();
    browser::set_control_factory(browser::webkit::make_control);

    int code = 1;
    if (app::Form1::Load()) code = forms::run();

    browser::set_control_factory({});
    desktop::uninstall();
    return code;
}
