#pragma once
// The browser control of the desktop build: a WebKitGTK 6.0 view over the client
// area of its "ZelvioWebView" window. Web content runs in WebKit's own processes
// inside WebKit's sandbox, which we leave on.

#include <memory>

#include "platform/browser/browser.h"

namespace browser::webkit {

// A new control (for browser::set_control_factory). Needs the desktop host.
std::unique_ptr<BrowserControl> make_control();

}  // namespace browser::webkit
