#include "platform/gdi/surface.h"

#include <algorithm>
#include <limits>
#include <new>

namespace gdi {

namespace {
// Far beyond any screen or skin image; keeps width * height well inside size_t
// and every coordinate sum inside int.
constexpr int kMaxSide = 1 << 15;
}  // namespace

void Surface::add_damage(const RECT& r) {
    RECT c{std::max<LONG>(r.left, 0), std::max<LONG>(r.top, 0), std::min<LONG>(r.right, width),
           std::min<LONG>(r.bottom, height)};
    if (c.left >= c.right || c.top >= c.bottom) return;
    if (damage.left >= damage.right || damage.top >= damage.bottom) {
        damage = c;
        return;
    }
    damage.left = std::min(damage.left, c.left);
    damage.top = std::min(damage.top, c.top);
    damage.right = std::max(damage.right, c.right);
    damage.bottom = std::max(damage.bottom, c.bottom);
}

RECT Surface::take_damage() {
    RECT r = damage;
    damage = RECT{};
    return r;
}

SurfacePtr make_surface(int width, int height, bool monochrome) {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return nullptr;
    try {
        auto s = std::make_shared<Surface>();
        s->width = width;
        s->height = height;
        s->monochrome = monochrome;
        s->pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0u);
        return s;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

}  // namespace gdi
