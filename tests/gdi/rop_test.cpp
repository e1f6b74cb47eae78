// Raster operations: every code by its truth table, through the span routines
// and through BitBlt / PatBlt.

#include <cstdio>
#include <random>
#include <vector>

#include "platform/gdi/pixel/kernels.h"
#include "tests/gdi/gdi_fixtures.h"

namespace {

using testsupport::GdiTest;
using gdi::pixel::rop_reference;

TEST(RopReference, NamedCodesMeanWhatTheyAreCalled) {
    const std::uint32_t p = 0x00F0F0F0, s = 0x00CCCCCC, d = 0x00AAAAAA, m = 0x00FFFFFF;
    struct Case {
        DWORD rop;
        std::uint32_t expected;
    } cases[] = {
        {SRCCOPY, s},           {SRCAND, d & s},        {SRCPAINT, d | s},         {SRCINVERT, d ^ s},
        {0x00220326, d & ~s & m}, {NOTSRCCOPY, ~s & m}, {PATCOPY, p},            {PATINVERT, p ^ d},
        {DSTINVERT, ~d & m},    {BLACKNESS, 0},         {WHITENESS, m},            {SRCERASE, s & ~d & m},
        {MERGECOPY, p & s},     {MERGEPAINT, (~s | d) & m},
    };
    for (auto c : cases)
        EXPECT_EQ(rop_reference(static_cast<std::uint8_t>(c.rop >> 16), p, s, d), c.expected)
            << std::hex << "rop 0x" << c.rop;
}

// Every byte value against the bit-by-bit reference, for the routine BitBlt
// picks and for the generic one, over pixels that hold every combination of bits.
TEST(RopSpans, AllCodesMatchTheTruthTable) {
    std::mt19937 rng(7);
    std::vector<std::uint32_t> src(64), dst(64);
    for (auto& v : src) v = rng() & 0xFFFFFF;
    for (auto& v : dst) v = rng() & 0xFFFFFF;
    src[0] = 0x00CCCCCC, dst[0] = 0x00AAAAAA;
    for (std::uint32_t pattern : {0x00F0F0F0u, 0x00123456u}) {
        for (int code = 0; code < 256; ++code) {
            const auto rop = static_cast<std::uint8_t>(code);
            std::vector<std::uint32_t> fast = dst, generic = dst;
            gdi::pixel::rop_span_for(rop)(fast.data(), src.data(), pattern, 64, rop);
            gdi::pixel::rop_span_generic(generic.data(), src.data(), pattern, 64, rop);
            for (int i = 0; i < 64; ++i) {
                const std::uint32_t want = rop_reference(rop, pattern, src[i], dst[i]);
                ASSERT_EQ(fast[i], want) << "rop 0x" << std::hex << code << " pixel " << std::dec << i;
                ASSERT_EQ(generic[i], want) << "generic rop 0x" << std::hex << code << " pixel " << std::dec << i;
            }
        }
    }
}

TEST(RopSpans, SourceAndPatternUseFollowTheTable) {
    using gdi::pixel::rop_uses_pattern;
    using gdi::pixel::rop_uses_source;
    EXPECT_TRUE(rop_uses_source(0xCC));
    EXPECT_FALSE(rop_uses_pattern(0xCC));
    EXPECT_TRUE(rop_uses_pattern(0xF0));
    EXPECT_FALSE(rop_uses_source(0xF0));
    for (std::uint8_t r : {0x00, 0xFF, 0x55, 0xAA}) {
        EXPECT_FALSE(rop_uses_source(r)) << int(r);
        EXPECT_FALSE(rop_uses_pattern(r)) << int(r);
    }
}

using RopBlitTest = GdiTest;

// All 256 codes through BitBlt, with the brush as pattern.
TEST_F(RopBlitTest, BitBltAppliesEveryCodeWithTheBrushAsPattern) {
    gditest::MemorySurface src(8, 8), dst(8, 8);
    src.fill(gditest::pattern_color);
    HBRUSH brush = CreateSolidBrush(RGB(0x12, 0x9A, 0xF0));
    HGDIOBJ old_brush = SelectObject(dst.dc, brush);
    const std::uint32_t pattern = gdi::pixel_from_colorref(RGB(0x12, 0x9A, 0xF0));
    for (int code = 0; code < 256; ++code) {
        dst.fill([](int x, int y) { return RGB(255 - x * 9, y * 20, 77); });
        std::vector<std::uint32_t> before = dst.surface().pixels;
        ASSERT_TRUE(BitBlt(dst.dc, 1, 2, 6, 5, src.dc, 0, 1, static_cast<DWORD>(code) << 16)) << code;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                const std::uint32_t d0 = before[y * 8 + x];
                const bool inside = x >= 1 && x < 7 && y >= 2 && y < 7;
                const std::uint32_t want =
                    inside ? rop_reference(static_cast<std::uint8_t>(code), pattern, src.surface().row(y - 1)[x - 1], d0)
                           : d0;
                ASSERT_EQ(dst.surface().row(y)[x], want)
                    << "rop 0x" << std::hex << code << std::dec << " at (" << x << ", " << y << ")";
            }
    }
    SelectObject(dst.dc, old_brush);
    DeleteObject(brush);
}

TEST_F(RopBlitTest, PatBltTakesOnlyCodesWithoutASource) {
    gditest::MemorySurface dst(4, 4);
    dst.fill(RGB(10, 20, 30));
    HBRUSH brush = CreateSolidBrush(RGB(200, 100, 50));
    HGDIOBJ old = SelectObject(dst.dc, brush);
    EXPECT_TRUE(PatBlt(dst.dc, 1, 1, 2, 2, PATCOPY));
    EXPECT_TRUE(testsupport::PixelIs(dst.dc, 1, 1, RGB(200, 100, 50)));
    EXPECT_TRUE(testsupport::PixelIs(dst.dc, 0, 0, RGB(10, 20, 30)));
    EXPECT_TRUE(PatBlt(dst.dc, 0, 0, 1, 1, DSTINVERT));
    EXPECT_TRUE(testsupport::PixelIs(dst.dc, 0, 0, RGB(245, 235, 225)));
    EXPECT_TRUE(PatBlt(dst.dc, 3, 3, 1, 1, WHITENESS));
    EXPECT_TRUE(testsupport::PixelIs(dst.dc, 3, 3, RGB(255, 255, 255)));
    EXPECT_FALSE(PatBlt(dst.dc, 0, 0, 4, 4, SRCCOPY)) << "needs a source";
    EXPECT_FALSE(PatBlt(dst.dc, 0, 0, 0, 4, PATCOPY));
    EXPECT_FALSE(PatBlt(dst.dc, 0, 0, 4, -4, PATCOPY));
    // A hollow brush paints nothing.
    SelectObject(dst.dc, GetStockObject(NULL_BRUSH));
    EXPECT_TRUE(PatBlt(dst.dc, 0, 0, 4, 4, PATCOPY));
    EXPECT_TRUE(testsupport::PixelIs(dst.dc, 1, 1, RGB(200, 100, 50)));
    SelectObject(dst.dc, old);
    DeleteObject(brush);
}

}  // namespace
