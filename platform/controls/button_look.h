#pragma once
// What a button looks like at one moment, and the painter that maps it to pixels.

#include <string>

#include "platform/win32.h"

namespace controls {

struct ButtonLook {
    DWORD type = 0;  // style & BS_TYPEMASK
    int check = 0;   // 0, 1, 2
    bool pushed = false;
    bool focused = false;
    bool disabled = false;
    bool left_text = false;  // BS_LEFTTEXT: the box goes right of the text
    std::string text;
    HFONT font;
};

// Paints the whole client area (group boxes: their frame and caption).
// background is the brush the parent chose with WM_CTLCOLOR*.
void paint_button(HDC hdc, const RECT& client, const ButtonLook& look, HBRUSH background);

// Where the caption of a check box or option button goes, and its box.
struct CheckLayout {
    RECT box;
    RECT text;
};
CheckLayout check_layout(const RECT& client, int glyph_size, bool left_text);

}  // namespace controls
