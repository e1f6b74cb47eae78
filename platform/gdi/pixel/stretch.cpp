#include <immintrin.h>

#include "platform/gdi/pixel/kernels.h"

namespace gdi::pixel {

namespace {

__attribute__((always_inline)) inline void sample(std::uint32_t* d, const std::uint32_t* s, const int* map, int n) {
    for (int i = 0; i < n; ++i) d[i] = s[map[i]];
}

}  // namespace

// GCC does not turn the loop into gathers by itself, so the AVX2 path spells
// them out: eight pixels per gather.
__attribute__((target("avx2"))) void stretch_span_avx2(std::uint32_t* d, const std::uint32_t* s, const int* map,
                                                       int n) {
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        const __m256i index = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(map + i));
        const __m256i pixels = _mm256_i32gather_epi32(reinterpret_cast<const int*>(s), index, 4);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i), pixels);
    }
    sample(d + i, s, map + i, n - i);
}

void stretch_span_baseline(std::uint32_t* d, const std::uint32_t* s, const int* map, int n) { sample(d, s, map, n); }

void stretch_span(std::uint32_t* d, const std::uint32_t* s, const int* map, int n) {
    static const auto chosen = cpu_has_avx2() ? stretch_span_avx2 : stretch_span_baseline;
    chosen(d, s, map, n);
}

}  // namespace gdi::pixel
