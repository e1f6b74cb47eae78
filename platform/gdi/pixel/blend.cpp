#include "platform/gdi/pixel/kernels.h"

namespace gdi::pixel {

namespace {

// Works on bytes widened to 16-bit lanes: s * a + d * (255 - a) is at most
// 255 * 255, and x / 255 rounded to nearest is (x + 128 + ((x + 128) >> 8)) >> 8,
// exact over that whole range, with every intermediate inside 16 bits.
__attribute__((always_inline)) inline void blend_bytes(std::uint32_t* d, const std::uint32_t* s, int n,
                                                       std::uint8_t a) {
    auto* db = reinterpret_cast<std::uint8_t*>(d);
    auto* sb = reinterpret_cast<const std::uint8_t*>(s);
    const int count = n * 4;
    const std::uint16_t fa = a, fd = static_cast<std::uint16_t>(255 - a);
    for (int i = 0; i < count; ++i) {
        std::uint16_t x = static_cast<std::uint16_t>(sb[i] * fa + db[i] * fd + 128);
        db[i] = static_cast<std::uint8_t>((x + (x >> 8)) >> 8);
    }
}

}  // namespace

void blend_span_baseline(std::uint32_t* d, const std::uint32_t* s, int n, std::uint8_t a) {
    blend_bytes(d, s, n, a);
}

__attribute__((target("avx2"))) void blend_span_avx2(std::uint32_t* d, const std::uint32_t* s, int n,
                                                     std::uint8_t a) {
    blend_bytes(d, s, n, a);
}

bool cpu_has_avx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}

void blend_span(std::uint32_t* d, const std::uint32_t* s, int n, std::uint8_t a) {
    static const auto chosen = cpu_has_avx2() ? blend_span_avx2 : blend_span_baseline;
    chosen(d, s, n, a);
}

}  // namespace gdi::pixel
