// Memory DCs, the nine-slice draw and the colour-keyed copy, on small fixtures
// whose every pixel has its own colour, so a pixel taken from the wrong place shows.

#include <optional>

#include "platform/headless.h"
#include "tests/skin/skin_fixture.h"

namespace {

using testsupport::GdiTest;
using testsupport::PixelIs;

constexpr COLORREF kBackground = 0x123456;

// Source pixel (x, y) has its own colour, never the background or the key.
COLORREF SourceColor(int x, int y) { return RGB(10 + 20 * x, 10 + 20 * y, 7); }

HDC MakeSource(int width, int height) {
    HDC dc = mSkinner::CreateMemoryDC(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) SetPixel(dc, x, y, SourceColor(x, y));
    return dc;
}

HDC MakeFilled(int width, int height, COLORREF color) {
    HDC dc = mSkinner::CreateMemoryDC(width, height);
    mSkinner::FillSolidRect(dc, 0, 0, width, height, color);
    return dc;
}

// Destination pixel i of a stretched span of length dw samples source pixel
// floor((2i + 1) * sw / (2 dw)).
int Sample(int i, int sw, int dw) { return (2 * i + 1) * sw / (2 * dw); }

// Which source column (or row) a destination column shows, by where it lies:
// in the near margin, the far margin or the stretched middle.
int SourceIndex(int d, int destSize, int srcSize, int nearMargin, int farMargin) {
    if (d < nearMargin) return d;
    if (d >= destSize - farMargin) return srcSize - farMargin + (d - (destSize - farMargin));
    return nearMargin + Sample(d - nearMargin, srcSize - nearMargin - farMargin, destSize - nearMargin - farMargin);
}

TEST_F(GdiTest, MemoryDcIsAColourSurfaceThatTakesItsBitmapAlong) {
    const int before = headless::gdi_object_count();
    HDC dc = mSkinner::CreateMemoryDC(5, 3);
    ASSERT_TRUE(dc);
    EXPECT_EQ(headless::gdi_object_count(), before + 2);
    SetPixel(dc, 4, 2, 0x00FF7F);
    EXPECT_TRUE(PixelIs(dc, 4, 2, 0x00FF7F)) << "a colour bitmap, not a monochrome one";
    EXPECT_EQ(GetPixel(dc, 5, 2), CLR_INVALID) << "exactly 5 x 3";
    mSkinner::DeleteMemoryDC(dc);
    EXPECT_EQ(headless::gdi_object_count(), before);

    for (auto [w, h] : {std::pair{0, 5}, std::pair{5, 0}, std::pair{-3, 4}}) {
        EXPECT_FALSE(mSkinner::CreateMemoryDC(w, h)) << w << " x " << h;
    }
    EXPECT_EQ(headless::gdi_object_count(), before) << "a failed surface leaves nothing behind";
    mSkinner::DeleteMemoryDC(HDC());
}

struct SliceCase {
    const char* name;
    int srcWidth, srcHeight;
    int width, height;
    int left, top, right, bottom;
};

TEST_F(GdiTest, SlicedImageKeepsMarginsAndStretchesTheRest) {
    const SliceCase cases[] = {
        {"all margins 0, enlarged", 7, 7, 15, 11, 0, 0, 0, 0},
        {"all margins 0, shrunk", 7, 7, 3, 5, 0, 0, 0, 0},
        {"one middle column", 7, 4, 20, 4, 3, 0, 3, 0},
        {"exactly left + right wide", 7, 7, 6, 12, 3, 3, 3, 3},
        {"push-button face 49 x 25", 7, 21, 49, 25, 3, 3, 3, 3},
        {"uneven margins", 4, 18, 17, 21, 2, 1, 1, 1},
        {"same size", 13, 13, 13, 13, 5, 5, 5, 5},
    };
    for (const SliceCase& c : cases) {
        SCOPED_TRACE(c.name);
        HDC src = MakeSource(c.srcWidth, c.srcHeight);
        HDC dst = MakeFilled(c.width + 4, c.height + 4, kBackground);
        EXPECT_NE(mSkinner::DrawSlicedImage(dst, 2, 2, c.width, c.height, src, 0, 0, c.srcWidth, c.srcHeight, c.left,
                                            c.top, c.right, c.bottom),
                  0);
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                const int sx = SourceIndex(x, c.width, c.srcWidth, c.left, c.right);
                const int sy = SourceIndex(y, c.height, c.srcHeight, c.top, c.bottom);
                ASSERT_TRUE(PixelIs(dst, 2 + x, 2 + y, SourceColor(sx, sy)));
            }
        }
        // Nothing outside the destination rectangle.
        EXPECT_TRUE(PixelIs(dst, 1, 1, kBackground));
        EXPECT_TRUE(PixelIs(dst, 2 + c.width, 2 + c.height, kBackground));
        mSkinner::DeleteMemoryDC(dst);
        mSkinner::DeleteMemoryDC(src);
    }
}

TEST_F(GdiTest, SlicedImageReadsFromItsSourceRectangle) {
    // The second face of a two-face column: rows 21 to 41 of the source.
    HDC src = MakeSource(7, 42);
    HDC dst = MakeFilled(7, 21, kBackground);
    mSkinner::DrawSlicedImage(dst, 0, 0, 7, 21, src, 0, 21, 7, 21, 3, 3, 3, 3);
    EXPECT_TRUE(PixelIs(dst, 0, 0, SourceColor(0, 21)));
    EXPECT_TRUE(PixelIs(dst, 6, 20, SourceColor(6, 41)));
    mSkinner::DeleteMemoryDC(dst);
    mSkinner::DeleteMemoryDC(src);
}

TEST_F(GdiTest, SlicedImageWithAnEmptySizeDrawsNothingAndMakesNothing) {
    HDC src = MakeSource(7, 7);
    HDC dst = MakeFilled(20, 20, kBackground);
    const int before = headless::gdi_object_count();
    struct Sizes {
        int w, h, sw, sh;
    };
    for (const Sizes& s : {Sizes{0, 10, 7, 7}, Sizes{10, 0, 7, 7}, Sizes{10, 10, 0, 7}, Sizes{10, 10, 7, 0},
                           Sizes{-4, 10, 7, 7}, Sizes{10, 10, 7, -1}}) {
        EXPECT_EQ(mSkinner::DrawSlicedImage(dst, 0, 0, s.w, s.h, src, 0, 0, s.sw, s.sh, 3, 3, 3, 3), 0);
        EXPECT_EQ(mSkinner::DrawSlicedImage(dst, 0, 0, s.w, s.h, src, 0, 0, s.sw, s.sh, 3, 3, 3, 3, 0xFF00FF), 0);
    }
    EXPECT_EQ(headless::gdi_object_count(), before);
    for (int i = 0; i < 20; ++i) EXPECT_TRUE(PixelIs(dst, i, i, kBackground));
    // Dead source and destination DCs: nothing drawn, nothing left behind.
    EXPECT_NE(mSkinner::DrawSlicedImage(HDC(), 0, 0, 10, 10, src, 0, 0, 7, 7, 3, 3, 3, 3), 1);
    HDC dead = mSkinner::CreateMemoryDC(7, 7);
    mSkinner::DeleteMemoryDC(dead);
    for (HDC source : {HDC(), dead}) {
        EXPECT_EQ(mSkinner::DrawSlicedImage(dst, 0, 0, 10, 10, source, 0, 0, 7, 7, 3, 3, 3, 3), 0);
        EXPECT_EQ(mSkinner::DrawSlicedImage(dst, 0, 0, 10, 10, source, 0, 0, 7, 7, 3, 3, 3, 3, 0xFF00FF), 0);
    }
    EXPECT_EQ(headless::gdi_object_count(), before);
    for (int i = 0; i < 20; ++i) EXPECT_TRUE(PixelIs(dst, i, i, kBackground)) << "a missing source draws nothing";
    mSkinner::DeleteMemoryDC(dst);
    mSkinner::DeleteMemoryDC(src);
}

TEST_F(GdiTest, KeyedSliceDropsKeyPixelsAfterStretching) {
    // A 3 x 3 source whose corners are the key, enlarged: the corners' copies vanish.
    HDC src = MakeSource(3, 3);
    for (auto [x, y] : {std::pair{0, 0}, std::pair{2, 0}, std::pair{0, 2}, std::pair{2, 2}}) SetPixel(src, x, y, 0xFF00FF);
    HDC dst = MakeFilled(9, 9, kBackground);
    EXPECT_EQ(mSkinner::DrawSlicedImage(dst, 0, 0, 9, 9, src, 0, 0, 3, 3, 1, 1, 1, 1, 0xFF00FF), 1);
    EXPECT_TRUE(PixelIs(dst, 0, 0, kBackground));
    EXPECT_TRUE(PixelIs(dst, 8, 8, kBackground));
    EXPECT_TRUE(PixelIs(dst, 4, 0, SourceColor(1, 0)));
    EXPECT_TRUE(PixelIs(dst, 4, 4, SourceColor(1, 1)));
    mSkinner::DeleteMemoryDC(dst);
    mSkinner::DeleteMemoryDC(src);
}

struct KeyCase {
    const char* name;
    OLE_COLOR key;
    COLORREF keyedPixel;  // painted into the source at (1, 1) and (5, 3)
    bool keyedPixelKept;  // false: the destination shows through there
};

TEST_F(GdiTest, TransparentImageLeavesTheDestinationWhereTheKeyIs) {
    const KeyCase cases[] = {
        {"key colour present", 0xFF00FF, 0xFF00FF, false},
        {"key colour absent", 0x00FF00, 0xFF00FF, true},
        {"system colour key", 0x80000000 | COLOR_BTNFACE, GetSysColor(COLOR_BTNFACE), false},
        {"untranslatable key falls back to black", 0x01FFFFFF, 0x000000, false},
        {"only the low 24 bits count", 0x00FF00FF, 0xFF00FF, false},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        HDC src = MakeSource(7, 4);
        SetPixel(src, 1, 1, c.keyedPixel);
        SetPixel(src, 5, 3, c.keyedPixel);
        HDC dst = MakeFilled(11, 8, kBackground);
        mSkinner::DrawTransparentImage(dst, 2, 2, 7, 4, src, 0, 0, c.key, HPALETTE());
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 7; ++x) {
                const bool keyed = (x == 1 && y == 1) || (x == 5 && y == 3);
                const COLORREF expected = !keyed ? SourceColor(x, y) : c.keyedPixelKept ? c.keyedPixel : kBackground;
                EXPECT_TRUE(PixelIs(dst, 2 + x, 2 + y, expected));
            }
        }
        EXPECT_TRUE(PixelIs(dst, 1, 2, kBackground));
        EXPECT_TRUE(PixelIs(dst, 9, 5, kBackground));
        mSkinner::DeleteMemoryDC(dst);
        mSkinner::DeleteMemoryDC(src);
    }
}

TEST_F(GdiTest, TransparentImageOfAnAllKeySourceChangesNothing) {
    HDC src = MakeFilled(7, 4, 0xFF00FF);
    HDC dst = MakeSource(7, 4);
    mSkinner::DrawTransparentImage(dst, 0, 0, 7, 4, src, 0, 0, 0xFF00FF, HPALETTE());
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 7; ++x) EXPECT_TRUE(PixelIs(dst, x, y, SourceColor(x, y)));
    // Empty and negative sizes, dead DCs: no effect, nothing left behind.
    const int before = headless::gdi_object_count();
    mSkinner::DrawTransparentImage(dst, 0, 0, 0, 4, src, 0, 0, 0xFF00FF, HPALETTE());
    mSkinner::DrawTransparentImage(dst, 0, 0, 7, -4, src, 0, 0, 0xFF00FF, HPALETTE());
    mSkinner::DrawTransparentImage(HDC(), 0, 0, 7, 4, src, 0, 0, 0xFF00FF, HPALETTE());
    mSkinner::DrawTransparentImage(dst, 0, 0, 7, 4, HDC(), 0, 0, 0xFF00FF, HPALETTE());
    EXPECT_EQ(headless::gdi_object_count(), before);
    EXPECT_TRUE(PixelIs(dst, 3, 2, SourceColor(3, 2)));
    mSkinner::DeleteMemoryDC(dst);
    mSkinner::DeleteMemoryDC(src);
}

TEST_F(GdiTest, TransparentImageKeepsTheSourceDcColours) {
    HDC src = MakeSource(7, 4);
    SetBkColor(src, 0x0000FF);
    SetTextColor(src, 0x00FF00);
    HDC dst = MakeFilled(7, 4, kBackground);
    mSkinner::DrawTransparentImage(dst, 0, 0, 7, 4, src, 0, 0, 0xFF00FF, HPALETTE());
    EXPECT_EQ(GetBkColor(src), 0x0000FFu);
    EXPECT_EQ(GetTextColor(src), 0x00FF00u);
    mSkinner::DeleteMemoryDC(dst);
    mSkinner::DeleteMemoryDC(src);
}

}  // namespace
