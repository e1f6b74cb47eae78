// BitBlt and StretchBlt: the clipping prologue, copies partly outside either
// surface, overlapping copies, depth conversions, the stretch mapping, damage.

#include "platform/gdi/clip.h"
#include "platform/gdi/pixel/kernels.h"
#include "tests/gdi/gdi_fixtures.h"

namespace {

using testsupport::GdiTest;
using testsupport::PixelIs;
using gditest::MemorySurface;
using gditest::pattern_color;

TEST(ClipPrologue, CutsToBothSurfacesAndMovesTheSourceAlong) {
    struct Case {
        const char* name;
        std::int64_t dx, dy, w, h, sx, sy;
        bool drawn;
        RECT dst;
        POINT src;
    } cases[] = {
        {"inside", 2, 3, 4, 5, 1, 1, true, {2, 3, 6, 8}, {1, 1}},
        {"negative destination origin", -3, -2, 6, 6, 0, 0, true, {0, 0, 3, 4}, {3, 2}},
        {"negative source origin", 0, 0, 6, 6, -4, -1, true, {4, 1, 6, 6}, {0, 0}},
        {"past the destination's far edges", 8, 7, 10, 10, 0, 0, true, {8, 7, 10, 10}, {0, 0}},
        {"past the source's far edges", 0, 0, 10, 10, 15, 16, true, {0, 0, 5, 4}, {15, 16}},
        {"wholly left of the destination", -10, 0, 5, 5, 0, 0, false, {}, {}},
        {"wholly beyond the source", 0, 0, 5, 5, 20, 0, false, {}, {}},
        {"zero width", 0, 0, 0, 5, 0, 0, false, {}, {}},
        {"negative height", 0, 0, 5, -5, 0, 0, false, {}, {}},
        {"huge", INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN, 0, false, {}, {}},
    };
    for (const auto& c : cases) {
        gdi::ClippedBlit out{};
        // destination 10 x 10, source 20 x 20
        bool drawn = gdi::clip_blit(c.dx, c.dy, c.w, c.h, 10, 10, c.sx, c.sy, 20, 20, &out);
        ASSERT_EQ(drawn, c.drawn) << c.name;
        if (!drawn) continue;
        EXPECT_EQ(out.dst.left, c.dst.left) << c.name;
        EXPECT_EQ(out.dst.top, c.dst.top) << c.name;
        EXPECT_EQ(out.dst.right, c.dst.right) << c.name;
        EXPECT_EQ(out.dst.bottom, c.dst.bottom) << c.name;
        EXPECT_EQ(out.src.x, c.src.x) << c.name;
        EXPECT_EQ(out.src.y, c.src.y) << c.name;
    }
}

TEST(ClipPrologue, SpansFollowTheClipRegion) {
    // A clip with a hole: the spans of one row come out left to right, and the
    // rows below the first in a band say they continue it.
    const gdi::Region clip = gdi::Region::rect(0, 0, 10, 4).subtracted(gdi::Region::rect(3, 1, 5, 3));
    std::vector<std::string> seen;
    RECT box = gdi::for_each_span(clip, RECT{2, 0, 8, 3}, [&](int y, int x0, int x1, bool continues) {
        seen.push_back(std::to_string(y) + ":" + std::to_string(x0) + "-" + std::to_string(x1) + (continues ? "+" : ""));
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"0:2-8", "1:2-3", "1:5-8", "2:2-3+", "2:5-8+"}));
    EXPECT_EQ(box.left, 2);
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.right, 8);
    EXPECT_EQ(box.bottom, 3);
}

using BlitTest = GdiTest;

TEST_F(BlitTest, CopyPartlyOutsideBothSurfacesCopiesWhatOverlaps) {
    MemorySurface src(6, 6), dst(8, 8);
    src.fill(pattern_color);
    const COLORREF bg = RGB(1, 1, 1);
    struct Case {
        int x, y, w, h, sx, sy;
    } cases[] = {{-2, -3, 6, 6, 0, 0}, {5, 6, 6, 6, 0, 0}, {0, 0, 8, 8, -3, -2}, {1, 1, 9, 9, 2, 3}};
    for (auto c : cases) {
        dst.fill(bg);
        EXPECT_TRUE(BitBlt(dst.dc, c.x, c.y, c.w, c.h, src.dc, c.sx, c.sy, SRCCOPY));
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                const int sx = x - c.x + c.sx, sy = y - c.y + c.sy;
                const bool copied = x >= c.x && x < c.x + c.w && y >= c.y && y < c.y + c.h && sx >= 0 && sy >= 0 &&
                                    sx < 6 && sy < 6;
                ASSERT_TRUE(PixelIs(dst.dc, x, y, copied ? pattern_color(sx, sy) : bg))
                    << "copy to (" << c.x << ", " << c.y << ") from (" << c.sx << ", " << c.sy << ")";
            }
    }
}

TEST_F(BlitTest, OverlappingCopiesWithinOneSurfaceAreCorrect) {
    MemorySurface s(12, 12);
    struct Case {
        int dx, dy;
    } moves[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {2, 3}, {-3, -2}};
    for (auto m : moves) {
        s.fill(pattern_color);
        EXPECT_TRUE(BitBlt(s.dc, 3 + m.dx, 3 + m.dy, 6, 6, s.dc, 3, 3, SRCCOPY));
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 6; ++x)
                ASSERT_TRUE(PixelIs(s.dc, 3 + m.dx + x, 3 + m.dy + y, pattern_color(3 + x, 3 + y)))
                    << "move by (" << m.dx << ", " << m.dy << ")";
        // The same through a stretch that enlarges over its own source.
        s.fill(pattern_color);
        EXPECT_TRUE(StretchBlt(s.dc, 0, 0, 10, 10, s.dc, 0, 0, 5, 5, SRCCOPY));
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) ASSERT_TRUE(PixelIs(s.dc, x, y, pattern_color(x / 2, y / 2)));
    }
}

// Copies of whole rows between equally wide surfaces move one block; they must
// still get overlaps and clips right.
TEST_F(BlitTest, WholeRowCopiesHonourOverlapAndClip) {
    MemorySurface s(5, 8);
    s.fill(pattern_color);
    ASSERT_TRUE(BitBlt(s.dc, 0, 2, 5, 6, s.dc, 0, 0, SRCCOPY));
    for (int y = 2; y < 8; ++y)
        for (int x = 0; x < 5; ++x) ASSERT_TRUE(PixelIs(s.dc, x, y, pattern_color(x, y - 2)));
    s.fill(pattern_color);
    ASSERT_TRUE(BitBlt(s.dc, 0, 0, 5, 6, s.dc, 0, 2, SRCCOPY));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 5; ++x) ASSERT_TRUE(PixelIs(s.dc, x, y, pattern_color(x, y + 2)));

    MemorySurface src(5, 4), dst(5, 4);
    src.fill(pattern_color);
    struct Clip {
        RECT r;
    } clips[] = {{{0, 1, 5, 3}}, {{1, 0, 5, 4}}, {{0, 0, 4, 4}}};
    for (auto c : clips) {
        dst.fill(RGB(0, 0, 0));
        SelectClipRgn(dst.dc, HRGN());
        IntersectClipRect(dst.dc, c.r.left, c.r.top, c.r.right, c.r.bottom);
        ASSERT_TRUE(BitBlt(dst.dc, 0, 0, 5, 4, src.dc, 0, 0, SRCCOPY));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x) {
                const bool inside = x >= c.r.left && x < c.r.right && y >= c.r.top && y < c.r.bottom;
                ASSERT_EQ(dst.at(x, y), inside ? pattern_color(x, y) : RGB(0, 0, 0)) << "(" << x << ", " << y << ")";
            }
    }
}

TEST_F(BlitTest, ColourToMonochromeMakesTheSourceBackgroundWhite) {
    MemorySurface src(4, 1), mono(4, 1, true);
    const COLORREF key = RGB(255, 0, 255);
    src.set(0, 0, key);
    src.set(1, 0, RGB(255, 255, 255));  // white is not the key: it becomes black
    src.set(2, 0, key);
    src.set(3, 0, RGB(0, 0, 0));
    SetBkColor(src.dc, key);
    SetTextColor(src.dc, RGB(1, 2, 3));  // the text colour plays no part
    ASSERT_TRUE(BitBlt(mono.dc, 0, 0, 4, 1, src.dc, 0, 0, SRCCOPY));
    const COLORREF expected[] = {RGB(255, 255, 255), 0, RGB(255, 255, 255), 0};
    for (int x = 0; x < 4; ++x) EXPECT_TRUE(PixelIs(mono.dc, x, 0, expected[x]));
}

TEST_F(BlitTest, MonochromeToColourUsesTheDestinationsColours) {
    const unsigned char bits[] = {0b10100000, 0};
    HBITMAP mono_bmp = CreateBitmap(4, 1, 1, 1, bits);
    HDC mono = CreateCompatibleDC(HDC());
    HGDIOBJ old = SelectObject(mono, mono_bmp);
    MemorySurface dst(4, 1);
    SetBkColor(dst.dc, RGB(10, 200, 30));   // white (1) becomes this
    SetTextColor(dst.dc, RGB(90, 0, 250));  // black (0) becomes this
    SetBkColor(mono, RGB(1, 1, 1));         // the source DC's colours play no part
    SetTextColor(mono, RGB(2, 2, 2));
    ASSERT_TRUE(BitBlt(dst.dc, 0, 0, 4, 1, mono, 0, 0, SRCCOPY));
    const COLORREF expected[] = {RGB(10, 200, 30), RGB(90, 0, 250), RGB(10, 200, 30), RGB(90, 0, 250)};
    for (int x = 0; x < 4; ++x) EXPECT_TRUE(PixelIs(dst.dc, x, 0, expected[x]));
    SelectObject(mono, old);
    DeleteObject(mono_bmp);
    DeleteDC(mono);
}

// Destination pixel i samples source pixel floor((2i + 1) * sw / (2 dw)).
TEST_F(BlitTest, StretchSamplesPixelCentresEnlargingAndShrinking) {
    struct Case {
        int sw, sh, dw, dh;
    } cases[] = {{7, 21, 49, 25}, {3, 2, 10, 7}, {10, 7, 3, 2}, {5, 5, 5, 12}, {1, 15, 40, 30}, {40, 30, 1, 1}};
    for (auto c : cases) {
        MemorySurface src(c.sw, c.sh), dst(c.dw, c.dh);
        src.fill(pattern_color);
        ASSERT_TRUE(StretchBlt(dst.dc, 0, 0, c.dw, c.dh, src.dc, 0, 0, c.sw, c.sh, SRCCOPY));
        for (int y = 0; y < c.dh; ++y)
            for (int x = 0; x < c.dw; ++x) {
                const int sx = (2 * x + 1) * c.sw / (2 * c.dw), sy = (2 * y + 1) * c.sh / (2 * c.dh);
                ASSERT_TRUE(PixelIs(dst.dc, x, y, pattern_color(sx, sy)))
                    << c.sw << "x" << c.sh << " -> " << c.dw << "x" << c.dh;
            }
    }
}

TEST_F(BlitTest, StretchIntoAClippedAndOffsetPlaceKeepsTheMapping) {
    MemorySurface src(4, 4), dst(10, 10);
    src.fill(pattern_color);
    dst.fill(RGB(0, 0, 0));
    IntersectClipRect(dst.dc, 0, 0, 10, 5);
    // 8 x 8 drawn at (-2, -2): each source pixel covers 2 x 2; only y < 5 is drawn.
    ASSERT_TRUE(StretchBlt(dst.dc, -2, -2, 8, 8, src.dc, 0, 0, 4, 4, SRCCOPY));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool drawn = x < 6 && y < 5;
            ASSERT_EQ(dst.at(x, y), drawn ? pattern_color((x + 2) / 2, (y + 2) / 2) : RGB(0, 0, 0))
                << "(" << x << ", " << y << ")";
        }
    // A source rectangle partly outside the source: destination pixels sampling outside stay as they were.
    dst.fill(RGB(0, 0, 0));
    SelectClipRgn(dst.dc, HRGN());
    ASSERT_TRUE(StretchBlt(dst.dc, 0, 0, 8, 8, src.dc, 2, 2, 4, 4, SRCCOPY));
    EXPECT_TRUE(PixelIs(dst.dc, 3, 3, pattern_color(3, 3)));
    EXPECT_TRUE(PixelIs(dst.dc, 4, 3, RGB(0, 0, 0)));
    EXPECT_TRUE(PixelIs(dst.dc, 3, 4, RGB(0, 0, 0)));
}

TEST_F(BlitTest, StretchWithRasterOperationsAndConversions) {
    MemorySurface src(2, 1), dst(4, 1);
    src.set(0, 0, RGB(0x0F, 0x0F, 0x0F));
    src.set(1, 0, RGB(0xF0, 0x00, 0xF0));
    dst.fill(RGB(0x11, 0x22, 0x33));
    ASSERT_TRUE(StretchBlt(dst.dc, 0, 0, 4, 1, src.dc, 0, 0, 2, 1, SRCPAINT));
    EXPECT_TRUE(PixelIs(dst.dc, 1, 0, RGB(0x1F, 0x2F, 0x3F)));
    EXPECT_TRUE(PixelIs(dst.dc, 2, 0, RGB(0xF1, 0x22, 0xF3)));
    MemorySurface mono(4, 1, true);
    SetBkColor(src.dc, RGB(0xF0, 0x00, 0xF0));
    ASSERT_TRUE(StretchBlt(mono.dc, 0, 0, 4, 1, src.dc, 0, 0, 2, 1, SRCCOPY));
    EXPECT_TRUE(PixelIs(mono.dc, 1, 0, RGB(0, 0, 0)));
    EXPECT_TRUE(PixelIs(mono.dc, 2, 0, RGB(255, 255, 255)));
}

TEST_F(BlitTest, BadArgumentsDrawNothing) {
    MemorySurface src(4, 4), dst(4, 4);
    src.fill(RGB(9, 9, 9));
    dst.fill(RGB(1, 1, 1));
    const HDC dead(0x00ABCDEF);
    HDC empty = CreateCompatibleDC(HDC());  // holds only the stock bitmap
    struct Case {
        const char* name;
        BOOL result;
    } cases[] = {
        {"dead destination", BitBlt(dead, 0, 0, 4, 4, src.dc, 0, 0, SRCCOPY)},
        {"dead source", BitBlt(dst.dc, 0, 0, 4, 4, dead, 0, 0, SRCCOPY)},
        {"no source", BitBlt(dst.dc, 0, 0, 4, 4, HDC(), 0, 0, SRCCOPY)},
        {"source without bitmap", BitBlt(dst.dc, 0, 0, 4, 4, empty, 0, 0, SRCCOPY)},
        {"destination without bitmap", BitBlt(empty, 0, 0, 4, 4, src.dc, 0, 0, SRCCOPY)},
        {"zero width", BitBlt(dst.dc, 0, 0, 0, 4, src.dc, 0, 0, SRCCOPY)},
        {"negative height", BitBlt(dst.dc, 0, 0, 4, -1, src.dc, 0, 0, SRCCOPY)},
        {"stretch to zero", StretchBlt(dst.dc, 0, 0, 0, 4, src.dc, 0, 0, 4, 4, SRCCOPY)},
        {"stretch from negative", StretchBlt(dst.dc, 0, 0, 4, 4, src.dc, 0, 0, -4, 4, SRCCOPY)},
        {"stretch mirrored", StretchBlt(dst.dc, 4, 0, -4, 4, src.dc, 0, 0, 4, 4, SRCCOPY)},
    };
    for (auto c : cases) EXPECT_FALSE(c.result) << c.name;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) ASSERT_TRUE(PixelIs(dst.dc, x, y, RGB(1, 1, 1)));
    // Wholly outside is not an error; it just draws nothing.
    EXPECT_TRUE(BitBlt(dst.dc, 100, 100, 4, 4, src.dc, 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(dst.dc, INT32_MIN, INT32_MAX, INT32_MAX, INT32_MAX, src.dc, INT32_MAX, INT32_MIN, SRCCOPY));
    EXPECT_TRUE(StretchBlt(dst.dc, INT32_MIN, 0, INT32_MAX, 4, src.dc, INT32_MAX, 0, INT32_MAX, 4, SRCCOPY));
    DeleteDC(empty);
}

TEST_F(BlitTest, DamageIsTheClippedBoxOfEachOperation) {
    MemorySurface src(4, 4), dst(20, 20);
    dst.surface().take_damage();
    BitBlt(dst.dc, 15, -2, 10, 10, src.dc, 0, 0, SRCCOPY);
    RECT d = dst.surface().take_damage();
    EXPECT_EQ(d.left, 15);
    EXPECT_EQ(d.top, 0);
    EXPECT_EQ(d.right, 19);
    EXPECT_EQ(d.bottom, 2);
    SetPixel(dst.dc, 1, 1, 0);
    RECT fill{5, 5, 7, 9};
    FillRect(dst.dc, &fill, HBRUSH(GetStockObject(BLACK_BRUSH)));
    d = dst.surface().take_damage();
    EXPECT_EQ(d.left, 1);
    EXPECT_EQ(d.top, 1);
    EXPECT_EQ(d.right, 7);
    EXPECT_EQ(d.bottom, 9);
    BitBlt(dst.dc, 30, 30, 4, 4, src.dc, 0, 0, SRCCOPY);
    d = dst.surface().take_damage();
    EXPECT_GE(d.left, d.right) << "nothing drawn, nothing damaged";
}

}  // namespace

namespace {

// Both sampling kernels against the plain loop, over widths that end inside and on a vector.
TEST(StretchKernel, VariantsAgreeWithPlainSampling) {
    std::vector<std::uint32_t> src(37);
    for (std::size_t i = 0; i < src.size(); ++i) src[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF;
    struct Kernel {
        const char* name;
        void (*fn)(std::uint32_t*, const std::uint32_t*, const int*, int);
        bool available;
    } kernels[] = {
        {"baseline", gdi::pixel::stretch_span_baseline, true},
        {"avx2", gdi::pixel::stretch_span_avx2, gdi::pixel::cpu_has_avx2()},
    };
    for (const auto& k : kernels) {
        if (!k.available) continue;
        for (int n : {1, 7, 8, 9, 16, 31, 64}) {
            std::vector<int> map(n);
            for (int i = 0; i < n; ++i) map[i] = (i * 37 / n + (i % 3)) % 37;
            std::vector<std::uint32_t> out(n + 1, 0xABCDEF);
            k.fn(out.data(), src.data(), map.data(), n);
            for (int i = 0; i < n; ++i) ASSERT_EQ(out[i], src[map[i]]) << k.name << " width " << n << " pixel " << i;
            EXPECT_EQ(out[n], 0xABCDEFu) << k.name << " wrote past the span";
        }
    }
}

}  // namespace
