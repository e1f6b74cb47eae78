// Off-screen surfaces: a memory DC with a display-compatible bitmap that lives
// and dies with it.

#include "skin/mSkinner.h"

namespace mSkinner {

HDC CreateMemoryDC(LONG width, LONG height) {
    HDC display = CreateDCA("DISPLAY", "", "", nullptr);
    if (!display) return HDC();
    HDC memory = CreateCompatibleDC(display);
    if (!memory) {
        DeleteDC(display);
        return HDC();
    }
    HBITMAP bitmap = CreateCompatibleBitmap(display, width, height);
    if (!bitmap) {
        DeleteDC(memory);
        DeleteDC(display);
        return HDC();
    }
    SelectObject(memory, bitmap);
    DeleteDC(display);
    return memory;
}

void DeleteMemoryDC(HDC hdc) {
    // The caller holds only the DC; the bitmap is whatever is selected into it.
    HGDIOBJ bitmap = GetCurrentObject(hdc, OBJ_BITMAP);
    if (!DeleteDC(hdc)) return;
    DeleteObject(bitmap);
}

}  // namespace mSkinner
