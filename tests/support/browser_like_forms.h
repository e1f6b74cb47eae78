#pragma once
// Forms laid out like the browser window (twips), shared by the tests and the
// benchmarks of the forms runtime, the standard controls and the skin engine.
// Header-only, so the benchmarks can use it without the test support library.

#include "platform/forms/forms.h"

namespace testsupport {

// One control of a form table; the trailing fields are often left at zero.
inline forms::ControlDef MakeControl(forms::ControlKind kind, const char* name, const char* parent, int left, int top,
                                     int width, int height, const char* caption, int tab_index, int stacking,
                                     DWORD style = 0, DWORD ex_style = 0, const char* class_name = "") {
    forms::ControlDef d;
    d.kind = kind;
    d.name = name;
    d.parent = parent;
    d.left = left;
    d.top = top;
    d.width = width;
    d.height = height;
    d.caption = caption;
    d.tab_index = tab_index;
    d.stacking = stacking;
    d.style = style;
    d.ex_style = ex_style;
    d.class_name = class_name;
    return d;
}

// The browser window without its browser area: a frame holding the address box
// and the go button at the top, a multi-line text box and the exit button over
// it at the bottom. No caption; callers name the form.
inline forms::FormDef BrowserLikeForm() {
    using forms::ControlKind;
    forms::FormDef def;
    def.client_width = 4110;
    def.client_height = 8595;
    def.controls = {
        MakeControl(ControlKind::TextBox, "Text1", "", 0, 7230, 4100, 1335, "about\r\ntext", 1, 2, ES_MULTILINE | WS_VSCROLL),
        MakeControl(ControlKind::CommandButton, "Command1", "", 3240, 8040, 735, 375, "退 出", 2, 1),
        MakeControl(ControlKind::Frame, "Frame1", "", 0, 0, 4095, 735, "地址栏", 3, 0),
        MakeControl(ControlKind::TextBox, "Text2", "Frame1", 120, 240, 2895, 375, "http://wap.example/", 4, 1),
        MakeControl(ControlKind::CommandButton, "Command2", "Frame1", 3120, 240, 735, 375, "转到", 5, 0),
    };
    return def;
}

// The browser window with its browser area, stacked as the program stacks it:
// the browser area is a plain window of `browser_class`. Six controls, two of
// them push buttons.
inline forms::FormDef BrowserWindowForm(const char* browser_class) {
    using forms::ControlKind;
    forms::FormDef def;
    def.caption = "Zelvio";
    def.client_width = 4110;
    def.client_height = 8595;
    def.controls = {
        MakeControl(ControlKind::Custom, "WebBrowser1", "", 0, 720, 4095, 6495, "", 0, 3, 0, 0, browser_class),
        MakeControl(ControlKind::TextBox, "Text1", "", 0, 7230, 4100, 1335, "about", 1, 2, ES_MULTILINE, WS_EX_CLIENTEDGE),
        MakeControl(ControlKind::CommandButton, "Command1", "", 3240, 8040, 735, 375, "退 出", 2, 1),
        MakeControl(ControlKind::Frame, "Frame1", "", 0, 0, 4095, 735, "地址栏", 3, 0),
        MakeControl(ControlKind::TextBox, "Text2", "Frame1", 120, 240, 2895, 375, "http://wap.example/", 4, 0, 0,
                    WS_EX_CLIENTEDGE),
        MakeControl(ControlKind::CommandButton, "Command2", "Frame1", 3120, 240, 735, 375, "转到", 5, 1),
    };
    return def;
}

}  // namespace testsupport
