// Drawing-service speed, each measured beside a peer on the same sizes:
//   AlphaBlend (constant alpha)   vs pixman OVER through a constant mask
//   BitBlt SRCCOPY                vs memcpy of the same bytes
//   StretchBlt nearest            vs pixman nearest-scaled SRC
//   the skin's seven-blit colour-keyed copy, DrawTransparentImage (no peer; target < 20 us)
// Run with --benchmark_repetitions=10 --benchmark_report_aggregates_only=true for medians.

#include <benchmark/benchmark.h>
#include <pixman.h>

#include <cstring>
#include <vector>

#include "platform/gdi/internal.h"
#include "skin/mSkinner.h"
#include "tests/support/memory_surface.h"

namespace {

struct Size {
    int w, h;
};
constexpr Size kSizes[] = {{49, 25}, {274, 573}, {1920, 1080}};

void sizes(benchmark::internal::Benchmark* b) {
    for (Size s : kSizes) b->Args({s.w, s.h});
}

// A memory DC with a colour bitmap filled with something that is not all one value.
struct Canvas : testsupport::MemorySurface {
    Canvas(int w, int h) : MemorySurface(w, h) {
        std::uint32_t v = 0x12345u;
        for (auto& p : surface().pixels) p = (v = v * 1664525u + 1013904223u) & 0xFFFFFF;
    }
    pixman_image_t* pixman() {
        gdi::Surface& s = surface();
        return pixman_image_create_bits(PIXMAN_x8r8g8b8, s.width, s.height, s.pixels.data(), s.width * 4);
    }
};

void set_bytes(benchmark::State& state, int w, int h) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * w * h * 4);
}

// ---- AlphaBlend vs pixman OVER with a constant mask ----

void BM_AlphaBlend(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    Canvas src(w, h), dst(w, h);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 140, 0};
    for (auto _ : state) {
        AlphaBlend(dst.dc, 0, 0, w, h, src.dc, 0, 0, w, h, blend);
        benchmark::ClobberMemory();
    }
    set_bytes(state, w, h);
}
BENCHMARK(BM_AlphaBlend)->Apply(sizes);

void BM_PixmanOverConstantMask(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    Canvas src(w, h), dst(w, h);
    pixman_image_t* s = src.pixman();
    pixman_image_t* d = dst.pixman();
    const pixman_color_t alpha{0, 0, 0, static_cast<std::uint16_t>(140 * 257)};
    pixman_image_t* mask = pixman_image_create_solid_fill(&alpha);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_OVER, s, mask, d, 0, 0, 0, 0, 0, 0, w, h);
        benchmark::ClobberMemory();
    }
    pixman_image_unref(mask);
    pixman_image_unref(s);
    pixman_image_unref(d);
    set_bytes(state, w, h);
}
BENCHMARK(BM_PixmanOverConstantMask)->Apply(sizes);

// ---- BitBlt SRCCOPY vs memcpy ----

void BM_BitBltSrcCopy(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    Canvas src(w, h), dst(w, h);
    for (auto _ : state) {
        BitBlt(dst.dc, 0, 0, w, h, src.dc, 0, 0, SRCCOPY);
        benchmark::ClobberMemory();
    }
    set_bytes(state, w, h);
}
BENCHMARK(BM_BitBltSrcCopy)->Apply(sizes);

void BM_Memcpy(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    std::vector<std::uint32_t> src(static_cast<std::size_t>(w) * h, 0x123456u), dst(src.size());
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), src.size() * sizeof(std::uint32_t));
        benchmark::ClobberMemory();
    }
    set_bytes(state, w, h);
}
BENCHMARK(BM_Memcpy)->Apply(sizes);

// ---- StretchBlt vs pixman nearest ----

struct Stretch {
    int sw, sh, dw, dh;
};

void stretches(benchmark::internal::Benchmark* b) {
    b->Args({7, 21, 49, 25});
    b->Args({1, 15, 1920, 1080});
}

void BM_StretchBltNearest(benchmark::State& state) {
    const Stretch s{static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                    static_cast<int>(state.range(2)), static_cast<int>(state.range(3))};
    Canvas src(s.sw, s.sh), dst(s.dw, s.dh);
    for (auto _ : state) {
        StretchBlt(dst.dc, 0, 0, s.dw, s.dh, src.dc, 0, 0, s.sw, s.sh, SRCCOPY);
        benchmark::ClobberMemory();
    }
    set_bytes(state, s.dw, s.dh);
}
BENCHMARK(BM_StretchBltNearest)->Apply(stretches);

void BM_PixmanNearestSrc(benchmark::State& state) {
    const Stretch s{static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                    static_cast<int>(state.range(2)), static_cast<int>(state.range(3))};
    Canvas src(s.sw, s.sh), dst(s.dw, s.dh);
    pixman_image_t* from = src.pixman();
    pixman_image_t* to = dst.pixman();
    pixman_transform_t scale;
    pixman_transform_init_scale(&scale, pixman_int_to_fixed(s.sw) / s.dw, pixman_int_to_fixed(s.sh) / s.dh);
    pixman_image_set_transform(from, &scale);
    pixman_image_set_filter(from, PIXMAN_FILTER_NEAREST, nullptr, 0);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_SRC, from, nullptr, to, 0, 0, 0, 0, 0, 0, s.dw, s.dh);
        benchmark::ClobberMemory();
    }
    pixman_image_unref(from);
    pixman_image_unref(to);
    set_bytes(state, s.dw, s.dh);
}
BENCHMARK(BM_PixmanNearestSrc)->Apply(stretches);

// ---- The skin's colour-keyed copy: three DCs, three bitmaps and a halftone palette made and freed each time ----

void BM_TransparentCopy49x25(benchmark::State& state) {
    Canvas src(49, 25), dst(49, 25);
    for (int i = 0; i < 49 * 25; i += 3) src.surface().pixels[i] = 0xFF00FF;
    for (auto _ : state) {
        mSkinner::DrawTransparentImage(dst.dc, 0, 0, 49, 25, src.dc, 0, 0, RGB(255, 0, 255), HPALETTE());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_TransparentCopy49x25);

}  // namespace

BENCHMARK_MAIN();
