// System colours: the classic grey 3-D scheme, one table for everything.

#include "platform/gdi/internal.h"

namespace {

constexpr int kColorCount = COLOR_MENUBAR + 1;

COLORREF (&table())[kColorCount] {
    static COLORREF colors[kColorCount] = {
        RGB(192, 192, 192),  // COLOR_SCROLLBAR
        RGB(0, 128, 128),    // COLOR_BACKGROUND
        RGB(0, 0, 128),      // COLOR_ACTIVECAPTION
        RGB(128, 128, 128),  // COLOR_INACTIVECAPTION
        RGB(192, 192, 192),  // COLOR_MENU
        RGB(255, 255, 255),  // COLOR_WINDOW
        RGB(0, 0, 0),        // COLOR_WINDOWFRAME
        RGB(0, 0, 0),        // COLOR_MENUTEXT
        RGB(0, 0, 0),        // COLOR_WINDOWTEXT
        RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
        RGB(192, 192, 192),  // COLOR_ACTIVEBORDER
        RGB(192, 192, 192),  // COLOR_INACTIVEBORDER
        RGB(128, 128, 128),  // COLOR_APPWORKSPACE
        RGB(0, 0, 128),      // COLOR_HIGHLIGHT
        RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
        RGB(192, 192, 192),  // COLOR_BTNFACE
        RGB(128, 128, 128),  // COLOR_BTNSHADOW
        RGB(128, 128, 128),  // COLOR_GRAYTEXT
        RGB(0, 0, 0),        // COLOR_BTNTEXT
        RGB(192, 192, 192),  // COLOR_INACTIVECAPTIONTEXT
        RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
        RGB(0, 0, 0),        // COLOR_3DDKSHADOW
        RGB(223, 223, 223),  // COLOR_3DLIGHT
        RGB(0, 0, 0),        // COLOR_INFOTEXT
        RGB(255, 255, 225),  // COLOR_INFOBK
        RGB(192, 192, 192),  // 25: unused, kept as the face colour
        RGB(0, 0, 255),      // COLOR_HOTLIGHT
        RGB(16, 132, 208),   // COLOR_GRADIENTACTIVECAPTION
        RGB(181, 181, 181),  // COLOR_GRADIENTINACTIVECAPTION
        RGB(0, 0, 128),      // COLOR_MENUHILIGHT
        RGB(192, 192, 192),  // COLOR_MENUBAR
    };
    return colors;
}

}  // namespace

DWORD GetSysColor(int index) {
    if (index < 0 || index >= kColorCount) return 0;
    return table()[index];
}

BOOL SetSysColors(int count, const int* indices, const COLORREF* colors) {
    if (count < 0 || (count > 0 && (!indices || !colors))) return FALSE;
    for (int i = 0; i < count; ++i)
        if (indices[i] >= 0 && indices[i] < kColorCount) table()[indices[i]] = colors[i] & 0xFFFFFF;
    return TRUE;
}

HRESULT OleTranslateColor(OLE_COLOR color, HPALETTE, COLORREF* result) {
    COLORREF out;
    if ((color & 0xFF000000u) == 0) {
        out = color;
    } else if ((color & 0xFFFFFF00u) == 0x80000000u && (color & 0xFF) < kColorCount) {
        out = GetSysColor(static_cast<int>(color & 0xFF));
    } else {
        return E_INVALIDARG;
    }
    if (result) *result = out;
    return S_OK;
}
