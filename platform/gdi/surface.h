#pragma once
// A pixel surface: the storage behind a bitmap or a top-level window's screen.
// Colour surfaces hold 32-bit pixels laid out B, G, R, X in memory (cairo's RGB24),
// so a COLORREF 0x00BBGGRR becomes the pixel 0x00RRGGBB; the X byte is kept 0.
// A monochrome surface uses the same storage but holds only black (0x000000)
// and white (0xFFFFFF): 1 is white, 0 is black.

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/win32/types.h"

namespace gdi {

struct Surface {
    int width = 0;
    int height = 0;
    bool monochrome = false;
    std::vector<std::uint32_t> pixels;  // width * height, row-major, no padding
    // Bounding box of everything drawn since the host last took it (empty when
    // left >= right). The desktop host redraws only this part of a window.
    RECT damage{};

    std::uint32_t* row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
    const std::uint32_t* row(int y) const { return pixels.data() + static_cast<std::size_t>(y) * width; }
    void add_damage(const RECT& r);
    RECT take_damage();
};

using SurfacePtr = std::shared_ptr<Surface>;

// Fails (returns null) for sizes <= 0 or too large to allocate.
SurfacePtr make_surface(int width, int height, bool monochrome = false);

constexpr std::uint32_t pixel_from_colorref(COLORREF c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr COLORREF colorref_from_pixel(std::uint32_t p) {
    return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}

}  // namespace gdi
