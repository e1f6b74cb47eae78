// Plain fills, frames, focus marks and text, each taking position plus size.

#include "skin/mSkinner.h"

namespace mSkinner {

namespace {
RECT ToRect(LONG x, LONG y, LONG width, LONG height) { return RECT{x, y, x + width, y + height}; }
}  // namespace

LONG FillSolidRect(HDC hdc, LONG x, LONG y, LONG width, LONG height, COLORREF color) {
    const RECT rect = ToRect(x, y, width, height);
    HBRUSH brush = CreateSolidBrush(color);
    const int result = FillRect(hdc, &rect, brush);
    DeleteObject(brush);
    return result;
}

LONG FrameSolidRect(HDC hdc, LONG x, LONG y, LONG width, LONG height, COLORREF color) {
    const RECT rect = ToRect(x, y, width, height);
    HBRUSH brush = CreateSolidBrush(color);
    const int result = FrameRect(hdc, &rect, brush);
    DeleteObject(brush);
    return result;
}

LONG DrawFocusBox(HDC hdc, LONG x, LONG y, LONG width, LONG height) {
    const RECT rect = ToRect(x, y, width, height);
    return DrawFocusRect(hdc, &rect);
}

LONG DrawTextInRect(HDC hdc, const std::string& text, LONG x, LONG y, LONG width, LONG height, UINT format) {
    RECT rect = ToRect(x, y, width, height);
    return DrawTextA(hdc, text.c_str(), -1, &rect, format);
}

}  // namespace mSkinner
