// Plain fills, frames, focus marks and text, each taking position plus size.

#include "skin/mSkinner.h"

namespace mSkinner {

namespace {

RECT ToRect(LONG x, LONG y, LONG width, LONG height) { return RECT{x, y, x + width, y + height}; }

// Paints the rectangle with a solid brush made for this one call.
LONG PaintWithSolidBrush(HDC hdc, LONG x, LONG y, LONG width, LONG height, COLORREF color,
                         int (*paint)(HDC, const RECT*, HBRUSH)) {
    const RECT rect = ToRect(x, y, width, height);
    HBRUSH brush = CreateSolidBrush(color);
    const int result = paint(hdc, &rect, brush);
    DeleteObject(brush);
    return result;
}

}  // namespace

LONG FillSolidRect(HDC hdc, LONG x, LONG y, LONG width, LONG height, COLORREF color) {
    return PaintWithSolidBrush(hdc, x, y, width, height, color, &FillRect);
}

LONG FrameSolidRect(HDC hdc, LONG x, LONG y, LONG width, LONG height, COLORREF color) {
    return PaintWithSolidBrush(hdc, x, y, width, height, color, &FrameRect);
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
