// Pixels, fills, frames, focus rectangles, lines and simple shapes.

#include <string>

#include "tests/gdi/gdi_fixtures.h"

namespace {

using testsupport::GdiTest;
using testsupport::PixelIs;
using gditest::MemorySurface;
using ShapeTest = GdiTest;

constexpr COLORREF kBg = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(0, 0, 128);

// The surface as text: '#' where the pixel differs from the background.
std::string picture(const MemorySurface& s) {
    std::string out;
    for (int y = 0; y < s.height; ++y) {
        for (int x = 0; x < s.width; ++x) out += s.at(x, y) == kBg ? '.' : '#';
        out += '\n';
    }
    return out;
}

TEST_F(ShapeTest, SetPixelAndGetPixelStayInsideTheSurfaceAndClip) {
    MemorySurface s(4, 3);
    s.fill(kBg);
    EXPECT_EQ(SetPixel(s.dc, 3, 2, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(GetPixel(s.dc, 3, 2), RGB(1, 2, 3));
    for (POINT p : {POINT{-1, 0}, POINT{0, -1}, POINT{4, 0}, POINT{0, 3}, POINT{INT32_MIN, INT32_MAX}}) {
        EXPECT_EQ(SetPixel(s.dc, p.x, p.y, 0), CLR_INVALID);
        EXPECT_EQ(GetPixel(s.dc, p.x, p.y), CLR_INVALID);
    }
    ExcludeClipRect(s.dc, 0, 0, 1, 1);
    EXPECT_EQ(SetPixel(s.dc, 0, 0, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(s.dc, 0, 0), CLR_INVALID);
    EXPECT_EQ(s.at(0, 0), kBg);
    EXPECT_EQ(GetPixel(HDC(), 0, 0), CLR_INVALID);
    // On a monochrome surface a colour becomes the nearer of black and white.
    MemorySurface mono(2, 1, true);
    EXPECT_EQ(SetPixel(mono.dc, 0, 0, RGB(200, 200, 200)), RGB(255, 255, 255));
    EXPECT_EQ(SetPixel(mono.dc, 1, 0, RGB(0, 0, 128)), RGB(0, 0, 0));
}

TEST_F(ShapeTest, FillRectExcludesRightAndBottomAndTakesSystemColourBrushes) {
    MemorySurface s(6, 5);
    s.fill(kBg);
    HBRUSH brush = CreateSolidBrush(kInk);
    RECT r{1, 1, 4, 3};
    EXPECT_EQ(FillRect(s.dc, &r, brush), 1);
    EXPECT_EQ(picture(s),
              "......\n"
              ".###..\n"
              ".###..\n"
              "......\n"
              "......\n");
    RECT all{0, 0, 6, 5};
    EXPECT_EQ(FillRect(s.dc, &all, HBRUSH(COLOR_BTNFACE + 1)), 1);
    EXPECT_TRUE(PixelIs(s.dc, 5, 4, GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(FillRect(s.dc, &all, GetSysColorBrush(COLOR_BTNSHADOW)), 1);
    EXPECT_TRUE(PixelIs(s.dc, 0, 0, GetSysColor(COLOR_BTNSHADOW)));
    EXPECT_EQ(FillRect(s.dc, nullptr, brush), 0);
    EXPECT_EQ(FillRect(s.dc, &all, HBRUSH()), 0);
    EXPECT_EQ(FillRect(s.dc, &all, HBRUSH(0x00ABCDEF)), 0);
    DeleteObject(brush);
}

TEST_F(ShapeTest, FrameRectDrawsOnePixelJustInside) {
    struct Case {
        RECT r;
        const char* expected;
    } cases[] = {
        {{1, 1, 5, 4},
         "......\n"
         ".####.\n"
         ".#..#.\n"
         ".####.\n"
         "......\n"},
        {{0, 0, 1, 1},
         "#.....\n"
         "......\n"
         "......\n"
         "......\n"
         "......\n"},
        {{2, 2, 2, 4},
         "......\n"
         "......\n"
         "......\n"
         "......\n"
         "......\n"},
        {{4, 3, 9, 9},
         "......\n"
         "......\n"
         "......\n"
         "....##\n"
         "....#.\n"},
    };
    HBRUSH brush = CreateSolidBrush(kInk);
    for (const auto& c : cases) {
        MemorySurface s(6, 5);
        s.fill(kBg);
        EXPECT_EQ(FrameRect(s.dc, &c.r, brush), 1);
        EXPECT_EQ(picture(s), c.expected);
    }
    DeleteObject(brush);
}

TEST_F(ShapeTest, FocusRectIsDottedAndUndoesItself) {
    MemorySurface s(7, 6);
    s.fill(gditest::pattern_color);
    const std::vector<std::uint32_t> before = s.surface().pixels;
    RECT r{1, 1, 6, 5};
    ASSERT_TRUE(DrawFocusRect(s.dc, &r));
    std::string dots;
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 7; ++x) dots += s.surface().row(y)[x] == before[y * 7 + x] ? '.' : '#';
        dots += '\n';
    }
    EXPECT_EQ(dots,
              ".......\n"
              ".#.#.#.\n"
              ".......\n"
              ".#...#.\n"
              "..#.#..\n"
              ".......\n");
    ASSERT_TRUE(DrawFocusRect(s.dc, &r));
    EXPECT_EQ(s.surface().pixels, before) << "a second focus rectangle restores every pixel";
    // Rectangles one pixel wide or tall, or hanging off the surface, visit every pixel once too.
    for (RECT thin : {RECT{2, 0, 3, 6}, RECT{0, 3, 7, 4}, RECT{3, 3, 4, 4}, RECT{-3, -2, 4, 3}, RECT{5, 4, 20, 20}}) {
        DrawFocusRect(s.dc, &thin);
        DrawFocusRect(s.dc, &thin);
        EXPECT_EQ(s.surface().pixels, before);
    }
    EXPECT_FALSE(DrawFocusRect(s.dc, nullptr));
}

TEST_F(ShapeTest, InvertRectFlipsEveryColourBitInside) {
    MemorySurface s(3, 2);
    s.fill(RGB(0x12, 0x34, 0x56));
    RECT r{1, 0, 5, 1};
    EXPECT_TRUE(InvertRect(s.dc, &r));
    EXPECT_TRUE(PixelIs(s.dc, 1, 0, RGB(0xED, 0xCB, 0xA9)));
    EXPECT_TRUE(PixelIs(s.dc, 0, 0, RGB(0x12, 0x34, 0x56)));
    EXPECT_TRUE(PixelIs(s.dc, 1, 1, RGB(0x12, 0x34, 0x56)));
    EXPECT_EQ(s.surface().row(0)[2] >> 24, 0u) << "the X byte stays 0";
}

TEST_F(ShapeTest, LinesLeaveOutTheEndPoint) {
    MemorySurface s(6, 5);
    s.fill(kBg);
    HPEN pen = CreatePen(PS_SOLID, 1, kInk);
    HGDIOBJ old = SelectObject(s.dc, pen);
    POINT prev;
    MoveToEx(s.dc, 0, 0, nullptr);
    EXPECT_TRUE(LineTo(s.dc, 4, 0));
    EXPECT_TRUE(LineTo(s.dc, 4, 4));
    MoveToEx(s.dc, 0, 4, &prev);
    EXPECT_EQ(prev.x, 4);
    EXPECT_EQ(prev.y, 4);
    EXPECT_TRUE(LineTo(s.dc, 3, 1));
    EXPECT_EQ(picture(s),
              "#####.\n"
              "....#.\n"
              "..#.#.\n"
              ".#..#.\n"
              "#.....\n");
    SelectObject(s.dc, GetStockObject(NULL_PEN));
    EXPECT_TRUE(LineTo(s.dc, 0, 1));
    EXPECT_EQ(s.at(2, 1), kBg);
    SelectObject(s.dc, pen);
    EXPECT_TRUE(LineTo(s.dc, INT32_MIN, INT32_MAX)) << "absurd lines draw nothing and do not hang";
    SelectObject(s.dc, old);
    DeleteObject(pen);
}

TEST_F(ShapeTest, RectangleEllipseAndPolygonFillWithBrushAndOutlineWithPen) {
    MemorySurface s(8, 6);
    HBRUSH brush = CreateSolidBrush(RGB(0, 128, 0));
    HPEN pen = CreatePen(PS_SOLID, 1, kInk);
    HGDIOBJ old_brush = SelectObject(s.dc, brush), old_pen = SelectObject(s.dc, pen);

    s.fill(kBg);
    EXPECT_TRUE(Rectangle(s.dc, 1, 1, 6, 5));
    EXPECT_TRUE(PixelIs(s.dc, 1, 1, kInk));
    EXPECT_TRUE(PixelIs(s.dc, 5, 4, kInk));
    EXPECT_TRUE(PixelIs(s.dc, 2, 2, RGB(0, 128, 0)));
    EXPECT_TRUE(PixelIs(s.dc, 6, 1, kBg));
    EXPECT_TRUE(PixelIs(s.dc, 1, 5, kBg));

    s.fill(kBg);
    EXPECT_TRUE(Ellipse(s.dc, 0, 0, 7, 6));
    EXPECT_TRUE(PixelIs(s.dc, 0, 0, kBg));
    EXPECT_TRUE(PixelIs(s.dc, 3, 0, kInk));
    EXPECT_TRUE(PixelIs(s.dc, 3, 3, RGB(0, 128, 0)));
    EXPECT_TRUE(PixelIs(s.dc, 7, 3, kBg));

    s.fill(kBg);
    const POINT triangle[] = {{0, 0}, {6, 0}, {0, 6}};
    EXPECT_TRUE(Polygon(s.dc, triangle, 3));
    EXPECT_TRUE(PixelIs(s.dc, 1, 1, RGB(0, 128, 0)));
    EXPECT_TRUE(PixelIs(s.dc, 0, 3, kInk));
    EXPECT_TRUE(PixelIs(s.dc, 5, 5, kBg));
    EXPECT_FALSE(Polygon(s.dc, triangle, 1));
    EXPECT_FALSE(Polygon(s.dc, nullptr, 3));

    SelectObject(s.dc, old_brush);
    SelectObject(s.dc, old_pen);
    DeleteObject(brush);
    DeleteObject(pen);
}

TEST_F(ShapeTest, FillRgnAndFrameRgnFollowTheRegion) {
    MemorySurface s(7, 5);
    s.fill(kBg);
    HBRUSH brush = CreateSolidBrush(kInk);
    HRGN rgn = CreateRectRgn(0, 0, 3, 3);
    HRGN other = CreateRectRgn(3, 2, 6, 5);
    CombineRgn(rgn, rgn, other, RGN_OR);
    EXPECT_TRUE(FrameRgn(s.dc, rgn, brush, 1, 1));
    EXPECT_EQ(picture(s),
              "###....\n"
              "#.#....\n"
              "######.\n"
              "...#.#.\n"
              "...###.\n");
    s.fill(kBg);
    EXPECT_TRUE(FillRgn(s.dc, other, brush));
    EXPECT_TRUE(PixelIs(s.dc, 4, 3, kInk));
    EXPECT_TRUE(PixelIs(s.dc, 2, 2, kBg));
    // Wider frames, and absurd widths on a huge region, stay quick and defined.
    s.fill(kBg);
    EXPECT_TRUE(FrameRgn(s.dc, other, brush, 1, 2));
    EXPECT_EQ(s.at(4, 3), kInk) << "within two rows of the top";
    HRGN huge = CreateRectRgn(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
    EXPECT_TRUE(FrameRgn(s.dc, huge, brush, INT32_MAX, INT32_MAX));
    DeleteObject(huge);
    EXPECT_FALSE(FrameRgn(s.dc, rgn, brush, 0, 1));
    EXPECT_FALSE(FillRgn(s.dc, HRGN(), brush));
    DeleteObject(rgn);
    DeleteObject(other);
    DeleteObject(brush);
}

}  // namespace
