#pragma once
// A memory DC with its own bitmap, for the drawing tests and benchmarks.
// Header-only, so the benchmarks can use it without the test support library.

#include <functional>

#include "platform/gdi/internal.h"

namespace testsupport {

// A memory DC holding a w x h bitmap (colour, or monochrome), released at scope end.
class MemorySurface {
public:
    MemorySurface(int w, int h, bool mono = false) : width(w), height(h) {
        dc = CreateCompatibleDC(HDC());
        bitmap = mono ? CreateBitmap(w, h, 1, 1, nullptr) : CreateCompatibleBitmap(dc, w, h);
        old = SelectObject(dc, bitmap);
    }
    ~MemorySurface() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    MemorySurface(const MemorySurface&) = delete;
    MemorySurface& operator=(const MemorySurface&) = delete;

    // Writes straight into the surface, so tests do not depend on the calls they test.
    void set(int x, int y, COLORREF c) { surface().row(y)[x] = gdi::pixel_from_colorref(c); }
    COLORREF at(int x, int y) const { return gdi::colorref_from_pixel(surface().row(y)[x]); }
    void fill(COLORREF c) {
        for (auto& p : surface().pixels) p = gdi::pixel_from_colorref(c);
    }
    void fill(const std::function<COLORREF(int, int)>& f) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) set(x, y, f(x, y));
    }
    gdi::Surface& surface() const { return *gdi::bitmap_surface(bitmap); }

    int width, height;
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ old;
};

}  // namespace testsupport
