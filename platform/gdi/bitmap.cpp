// Bitmaps: colour (32 bits per pixel) and monochrome (1 bit per pixel).

#include <cstring>

#include "platform/gdi/internal.h"
#include "platform/gdi/objects.h"

namespace gdi {
namespace {

HBITMAP add_bitmap(SurfacePtr surface) {
    if (!surface) return HBITMAP();
    auto b = std::make_unique<BitmapObject>();
    b->surface = std::move(surface);
    return HBITMAP(add_object(std::move(b)));
}

}  // namespace
}  // namespace gdi

using namespace gdi;

// Always colour, whatever the DC holds: a DC's monochrome bitmap does not make
// its compatible bitmaps monochrome.
HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
    if (!find_dc(hdc)) return HBITMAP();
    return add_bitmap(make_surface(cx, cy, false));
}

// Rows of bits are padded to 16 bits (2 bytes) for 1 bpp; 32 bpp rows are
// B, G, R, X words.
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bits_per_pixel, const void* bits) {
    if (planes != 1 || (bits_per_pixel != 1 && bits_per_pixel != 32)) return HBITMAP();
    const bool mono = bits_per_pixel == 1;
    SurfacePtr s = make_surface(width, height, mono);
    if (!s) return HBITMAP();
    if (bits) {
        const auto* bytes = static_cast<const std::uint8_t*>(bits);
        if (mono) {
            const std::size_t stride = static_cast<std::size_t>((width + 15) / 16) * 2;
            for (int y = 0; y < height; ++y) {
                const std::uint8_t* src = bytes + stride * y;
                std::uint32_t* row = s->row(y);
                for (int x = 0; x < width; ++x) row[x] = (src[x >> 3] & (0x80 >> (x & 7))) ? 0xFFFFFFu : 0u;
            }
        } else {
            std::memcpy(s->pixels.data(), bytes, s->pixels.size() * sizeof(std::uint32_t));
            for (auto& p : s->pixels) p &= 0xFFFFFF;
        }
    }
    return add_bitmap(std::move(s));
}
