// The small drawing and geometry helpers.

#include <limits>

#include "platform/headless.h"
#include "tests/skin/skin_fixture.h"

namespace {

using skintest::SkinTest;
using testsupport::PixelIs;

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    struct Case {
        double value;
        LONG rounded;
    };
    const Case cases[] = {{0.5, 0},  {1.5, 2},   {2.5, 2},   {3.5, 4},   {-0.5, 0}, {-1.5, -2},
                          {2.4, 2},  {2.6, 3},   {50.5, 50}, {51.5, 52}, {0.0, 0},  {1e12, 2147483647},
                          {-1e12, -2147483647 - 1}};
    for (const Case& c : cases) EXPECT_EQ(mSkinner::RoundHalfEven(c.value), c.rounded) << c.value;
    EXPECT_EQ(mSkinner::RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST_F(SkinTest, FillAndFrameDrawInsideTheirRectangleOnly) {
    HDC dc = mSkinner::CreateMemoryDC(10, 10);
    mSkinner::FillSolidRect(dc, 0, 0, 10, 10, 0xFFFFFF);
    EXPECT_NE(mSkinner::FillSolidRect(dc, 2, 2, 3, 4, 0x0000FF), 0);
    EXPECT_TRUE(PixelIs(dc, 2, 2, 0x0000FF));
    EXPECT_TRUE(PixelIs(dc, 4, 5, 0x0000FF));
    EXPECT_TRUE(PixelIs(dc, 5, 5, 0xFFFFFF)) << "right edge is exclusive";
    EXPECT_TRUE(PixelIs(dc, 4, 6, 0xFFFFFF)) << "bottom edge is exclusive";

    mSkinner::FillSolidRect(dc, 0, 0, 10, 10, 0xFFFFFF);
    EXPECT_NE(mSkinner::FrameSolidRect(dc, 1, 1, 8, 8, 0xD5A554), 0);
    EXPECT_TRUE(PixelIs(dc, 1, 1, 0xD5A554));
    EXPECT_TRUE(PixelIs(dc, 8, 8, 0xD5A554));
    EXPECT_TRUE(PixelIs(dc, 2, 2, 0xFFFFFF)) << "the inside is untouched";

    // Empty rectangles draw nothing.
    for (auto [w, h] : {std::pair{0, 5}, std::pair{5, 0}, std::pair{-2, 5}}) {
        mSkinner::FillSolidRect(dc, 3, 3, w, h, 0x000000);
        mSkinner::FrameSolidRect(dc, 3, 3, w, h, 0x000000);
    }
    for (int i = 0; i < 10; ++i) EXPECT_TRUE(PixelIs(dc, 3, i, i == 1 || i == 8 ? 0xD5A554 : 0xFFFFFF));
    mSkinner::DeleteMemoryDC(dc);
}

TEST_F(SkinTest, FocusBoxDrawnTwiceLeavesNoTrace) {
    HDC dc = mSkinner::CreateMemoryDC(10, 10);
    mSkinner::FillSolidRect(dc, 0, 0, 10, 10, 0xF0E0D0);
    mSkinner::DrawFocusBox(dc, 2, 2, 6, 6);
    int changed = 0;
    for (int x = 2; x < 8; ++x) changed += GetPixel(dc, x, 2) != 0xF0E0D0u;
    EXPECT_GT(changed, 0);
    EXPECT_LT(changed, 6) << "dotted, not solid";
    EXPECT_TRUE(PixelIs(dc, 4, 4, 0xF0E0D0)) << "the inside is untouched";
    mSkinner::DrawFocusBox(dc, 2, 2, 6, 6);
    for (int x = 0; x < 10; ++x) EXPECT_TRUE(PixelIs(dc, x, 2, 0xF0E0D0));
    mSkinner::DeleteMemoryDC(dc);
}

TEST_F(SkinTest, WindowSizeIsTheWholeWindowRectangle) {
    HWND form = MakeTopLevel("Form", 200, 100);
    HWND child = MakeChild(form, "TestTextBox", "", 30, 20, 49, 25, WS_BORDER);
    mSkinner::WindowSize size;
    EXPECT_NE(mSkinner::GetWindowSize(child, size), 0);
    EXPECT_EQ(size.Left, 30);
    EXPECT_EQ(size.Top, 20);
    EXPECT_EQ(size.Right, 79);
    EXPECT_EQ(size.Bottom, 45);
    EXPECT_EQ(size.Width, 49);
    EXPECT_EQ(size.Height, 25);

    DestroyWindow(child);
    size.Width = 5;
    EXPECT_EQ(mSkinner::GetWindowSize(child, size), 0);
    EXPECT_EQ(size.Left, 0);
    EXPECT_EQ(size.Width, 0);
    EXPECT_EQ(size.Height, 0);
}

TEST_F(SkinTest, CaptionIsTheWholeWindowText) {
    HWND form = MakeTopLevel("Form", 200, 100);
    const std::string longText(3000, 'w');
    for (const char* text : {"", "退 出", "Go", "&Exit", longText.c_str()}) {
        HWND child = MakeChild(form, "TestTextBox", text, 0, 0, 50, 20);
        EXPECT_EQ(mSkinner::GetWindowCaption(child), text);
        DestroyWindow(child);
    }
    EXPECT_EQ(mSkinner::GetWindowCaption(HWND()), "");
    EXPECT_EQ(mSkinner::GetWindowCaption(form), "Test form");
}

TEST_F(SkinTest, ClientOffsetIsHalfTheFrameRoundedToEven) {
    HWND form = MakeTopLevel("Form", 300, 300);
    struct Case {
        const char* name;
        DWORD style, exStyle;
    };
    const Case cases[] = {
        {"client edge", 0, WS_EX_CLIENTEDGE},
        {"client edge and vertical scroll bar", WS_VSCROLL, WS_EX_CLIENTEDGE},
        {"client edge and both scroll bars", WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE},
    };
    for (const Case& c : cases) {
        HWND box = MakeChild(form, "TestTextBox", "", 10, 10, 100, 60, c.style, c.exStyle);
        LONG x = -1, y = -1;
        EXPECT_EQ(mSkinner::GetClientOffset(box, x, y), 1);
        EXPECT_EQ(x, 2) << c.name;
        EXPECT_EQ(y, 2) << c.name;
        DestroyWindow(box);
    }
    HWND plain = MakeChild(form, "TestTextBox", "", 10, 10, 100, 60);
    LONG x = -1, y = -1;
    mSkinner::GetClientOffset(plain, x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    DestroyWindow(plain);
    x = y = -1;
    EXPECT_EQ(mSkinner::GetClientOffset(plain, x, y), 1) << "a dead window";
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
}

}  // namespace
