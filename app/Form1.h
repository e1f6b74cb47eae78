#pragma once
// Form1: the program's only window. An address bar (Frame1 with Text2 and the go
// button Command2) at the top, the browser WebBrowser1 filling most of the height,
// and the about text Text1 with the exit button Command1 at the bottom.

#include "platform/browser/browser.h"
#include "platform/forms/forms.h"

namespace app::Form1 {

inline constexpr const char* kCaption = "Zelvio3G手机Wap浏览器 V1.0";

// The layout table (twips), captions, tab order, stacking and icon.
forms::FormDef Definition();

// The four event handlers.
// Load: hands the window to the skin engine, then opens the address in Text2.
void Form_Load(forms::Form& form);
// The go button: opens the address in Text2 again.
void Command2_Click(forms::Form& form);
// The exit button: ends the program at once.
void Command1_Click(forms::Form& form);
// A page asks for a new window: it opens in WebBrowser1 itself.
void WebBrowser1_NewWindow2(browser::BrowserControl& WebBrowser1, browser::BrowserControl** ppDisp, bool* Cancel);

// The events table that ties the handlers to the form (and the browser's
// new-window request to its handler before Form_Load runs).
forms::FormEvents Events();

// Builds Form1, raises its load event and shows it; null when it could not be made.
// The "ZelvioWebView" class must be registered first (browser::register_window_class).
forms::Form* Load();

}  // namespace app::Form1
