// Constant-alpha blending: the kernels against the exact formula, and AlphaBlend.

#include <vector>

#include "platform/gdi/pixel/kernels.h"
#include "tests/gdi/gdi_fixtures.h"

namespace {

using testsupport::GdiTest;
using testsupport::PixelIs;
using gditest::MemorySurface;

constexpr int exact(int s, int d, int a) { return (s * a + d * (255 - a) + 127) / 255; }  // round half up; x/255 never ties

// Every source byte against every destination byte at every alpha, for each
// kernel this machine can run.
TEST(BlendKernel, ExhaustivelyMatchesTheRoundedFormula) {
    struct Kernel {
        const char* name;
        void (*fn)(std::uint32_t*, const std::uint32_t*, int, std::uint8_t);
        bool available;
    } kernels[] = {
        {"baseline", gdi::pixel::blend_span_baseline, true},
        {"avx2", gdi::pixel::blend_span_avx2, gdi::pixel::cpu_has_avx2()},
        {"dispatched", gdi::pixel::blend_span, true},
    };
    // 65536 pixels hold every (s, d) byte pair in each channel; odd widths reach the loop tails.
    std::vector<std::uint32_t> src(65536), dst0(65536), dst(65536);
    for (int i = 0; i < 65536; ++i) {
        const std::uint32_t s = static_cast<std::uint32_t>(i >> 8), d = static_cast<std::uint32_t>(i & 0xFF);
        src[i] = s | (d << 8) | (s << 16);
        dst0[i] = d | (s << 8) | ((255 - d) << 16);
    }
    for (const auto& k : kernels) {
        if (!k.available) continue;
        for (int a = 0; a < 256; ++a) {
            dst = dst0;
            k.fn(dst.data(), src.data(), 65535, static_cast<std::uint8_t>(a));
            for (int i = 0; i < 65535; ++i) {
                const int s = i >> 8, d = i & 0xFF;
                const std::uint32_t want = static_cast<std::uint32_t>(exact(s, d, a)) |
                                           (static_cast<std::uint32_t>(exact(d, s, a)) << 8) |
                                           (static_cast<std::uint32_t>(exact(s, 255 - d, a)) << 16);
                if (dst[i] != want)
                    FAIL() << k.name << ": alpha " << a << ", s " << s << ", d " << d << " gives 0x" << std::hex
                           << dst[i] << ", expected 0x" << want;
            }
            ASSERT_EQ(dst[65535], dst0[65535]) << k.name << " wrote past the span";
        }
    }
}

using AlphaBlendTest = GdiTest;

TEST_F(AlphaBlendTest, ConstantAlphaAtZeroHalfAndFull) {
    MemorySurface src(3, 1), dst(3, 1);
    const COLORREF s = RGB(200, 100, 7), d = RGB(10, 250, 128);
    struct Case {
        BYTE alpha;
        COLORREF expected;
    } cases[] = {
        {0, d},
        {128, RGB(exact(200, 10, 128), exact(100, 250, 128), exact(7, 128, 128))},
        {255, s},
    };
    for (auto c : cases) {
        src.fill(s);
        dst.fill(d);
        ASSERT_TRUE(AlphaBlend(dst.dc, 0, 0, 3, 1, src.dc, 0, 0, 3, 1, BLENDFUNCTION{AC_SRC_OVER, 0, c.alpha, 0}));
        for (int x = 0; x < 3; ++x) EXPECT_TRUE(PixelIs(dst.dc, x, 0, c.expected)) << "alpha " << int(c.alpha);
    }
    EXPECT_EQ(RGB(exact(200, 10, 128), 0, 0), RGB(105, 0, 0)) << "(200 * 128 + 10 * 127) / 255 = 105.4";
}

TEST_F(AlphaBlendTest, ScalesWithTheStretchMappingAndClips) {
    MemorySurface src(2, 2), dst(6, 4);
    src.fill(gditest::pattern_color);
    dst.fill(RGB(0, 0, 0));
    ASSERT_TRUE(AlphaBlend(dst.dc, -2, 0, 8, 4, src.dc, 0, 0, 2, 2, BLENDFUNCTION{AC_SRC_OVER, 0, 255, 0}));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_TRUE(PixelIs(dst.dc, x, y, gditest::pattern_color((x + 2) / 4, y / 2)));
    dst.fill(RGB(0, 0, 0));
    ASSERT_TRUE(AlphaBlend(dst.dc, 0, 0, 6, 4, src.dc, 0, 0, 2, 2, BLENDFUNCTION{AC_SRC_OVER, 0, 51, 0}));
    const COLORREF s = gditest::pattern_color(1, 1);
    EXPECT_TRUE(PixelIs(dst.dc, 5, 3, RGB(exact(GetRValue(s), 0, 51), exact(GetGValue(s), 0, 51),
                                          exact(GetBValue(s), 0, 51))));
}

TEST_F(AlphaBlendTest, RefusesWhatItCannotDo) {
    MemorySurface src(2, 2), dst(2, 2), mono(2, 2, true);
    dst.fill(RGB(1, 2, 3));
    const BLENDFUNCTION half{AC_SRC_OVER, 0, 128, 0};
    struct Case {
        const char* name;
        BOOL result;
    } cases[] = {
        {"per-pixel alpha", AlphaBlend(dst.dc, 0, 0, 2, 2, src.dc, 0, 0, 2, 2, BLENDFUNCTION{AC_SRC_OVER, 0, 128, AC_SRC_ALPHA})},
        {"unknown op", AlphaBlend(dst.dc, 0, 0, 2, 2, src.dc, 0, 0, 2, 2, BLENDFUNCTION{1, 0, 128, 0})},
        {"flags", AlphaBlend(dst.dc, 0, 0, 2, 2, src.dc, 0, 0, 2, 2, BLENDFUNCTION{AC_SRC_OVER, 1, 128, 0})},
        {"monochrome source", AlphaBlend(dst.dc, 0, 0, 2, 2, mono.dc, 0, 0, 2, 2, half)},
        {"dead source", AlphaBlend(dst.dc, 0, 0, 2, 2, HDC(0x00ABCDEF), 0, 0, 2, 2, half)},
        {"zero size", AlphaBlend(dst.dc, 0, 0, 0, 2, src.dc, 0, 0, 2, 2, half)},
        {"negative source size", AlphaBlend(dst.dc, 0, 0, 2, 2, src.dc, 0, 0, 2, -2, half)},
    };
    for (auto c : cases) EXPECT_FALSE(c.result) << c.name;
    EXPECT_TRUE(PixelIs(dst.dc, 0, 0, RGB(1, 2, 3)));
}

}  // namespace
