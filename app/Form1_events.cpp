// Form1's event handlers, and the table that ties them to the form.

#include <string>

#include "app/Form1.h"
#include "app/gateway.h"
#include "skin/mSkinner.h"

namespace app::Form1 {
namespace {

std::string WindowText(HWND hwnd) {
    int length = GetWindowTextLengthA(hwnd);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

browser::BrowserControl* WebBrowser1Of(forms::Form& form) {
    return browser::control_of(form.control("WebBrowser1"));
}

// Opens what Text2 holds, through the gateway.
void NavigateToAddressBox(forms::Form& form) {
    if (browser::BrowserControl* WebBrowser1 = WebBrowser1Of(form))
        WebBrowser1->Navigate(RequestAddress(WindowText(form.control("Text2"))));
}

// The browser's events are connected when the form is built, before its load
// event, as a form designer connects its controls' events.
void ConnectWebBrowser1(forms::Form& form) {
    browser::BrowserControl* WebBrowser1 = WebBrowser1Of(form);
    if (!WebBrowser1) return;
    WebBrowser1->on_new_window = [WebBrowser1](browser::BrowserControl** ppDisp, bool* Cancel) {
        WebBrowser1_NewWindow2(*WebBrowser1, ppDisp, Cancel);
    };
}

}  // namespace

void Form_Load(forms::Form& form) {
    mSkinner::SkinForm(form.hwnd());  // the result tells nothing the window needs
    NavigateToAddressBox(form);
}

void Command2_Click(forms::Form& form) { NavigateToAddressBox(form); }

void Command1_Click(forms::Form&) { forms::end_program(0); }

void WebBrowser1_NewWindow2(browser::BrowserControl& WebBrowser1, browser::BrowserControl** ppDisp, bool*) {
    // The control's own object receives the new page, so it replaces the page shown
    // here; the cancel flag stays as it came (false).
    if (ppDisp) *ppDisp = &WebBrowser1;
}

forms::FormEvents Events() {
    forms::FormEvents events;
    events.load = [](forms::Form& form) {
        ConnectWebBrowser1(form);
        Form_Load(form);
    };
    events.click = [](forms::Form& form, const std::string& control) {
        if (control == "Command1") {
            Command1_Click(form);
        } else if (control == "Command2") {
            Command2_Click(form);
        }
    };
    return events;
}

forms::Form* Load() { return forms::load_form(Definition(), Events()); }

}  // namespace app::Form1
