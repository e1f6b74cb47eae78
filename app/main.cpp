// zelvio: Form1 on the desktop, its browser a WebKitGTK view.

#include <cstdio>

#include "app/Form1.h"
#include "platform/browser/webkit/webkit_browser.h"
#include "platform/forms/forms.h"
#include "platform/host/desktop/desktop.h"

int main() {
    if (!desktop::install()) {
        std::fprintf(stderr, "zelvio: cannot open the display\n");
        return 1;
    }
    browser::register_window_class();
    browser::set_control_factory(browser::webkit::make_control);

    int code = 1;
    if (app::Form1::Load()) code = forms::run();

    browser::set_control_factory({});
    desktop::uninstall();
    return code;
}
