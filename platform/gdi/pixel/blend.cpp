#include <immintrin.h>

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

// The same arithmetic written out for AVX2: bytes are widened within each
// 128-bit lane and packed back within it, so no cross-lane shuffle is needed.
__attribute__((target("avx2"))) void blend_span_avx2(std::uint32_t* d, const std::uint32_t* s, int n,
                                                     std::uint8_t a) {
    const __m256i fa = _mm256_set1_epi16(a), fd = _mm256_set1_epi16(static_cast<short>(255 - a));
    const __m256i half = _mm256_set1_epi16(128), zero = _mm256_setzero_si256();
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        const __m256i sv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
        const __m256i dv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d + i));
        __m256i lo = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpacklo_epi8(sv, zero), fa),
                                      _mm256_mullo_epi16(_mm256_unpacklo_epi8(dv, zero), fd));
        __m256i hi = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpackhi_epi8(sv, zero), fa),
                                      _mm256_mullo_epi16(_mm256_unpackhi_epi8(dv, zero), fd));
        lo = _mm256_add_epi16(lo, half);
        hi = _mm256_add_epi16(hi, half);
        lo = _mm256_srli_epi16(_mm256_add_epi16(lo, _mm256_srli_epi16(lo, 8)), 8);
        hi = _mm256_srli_epi16(_mm256_add_epi16(hi, _mm256_srli_epi16(hi, 8)), 8);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i), _mm256_packus_epi16(lo, hi));
    }
    blend_bytes(d + i, s + i, n - i, a);
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
