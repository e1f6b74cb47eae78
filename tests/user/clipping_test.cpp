// What windows show on their top-level's screen surface: every DC is clipped
// to the visible part of its window.

#include <cstdio>
#include <string>

#include "tests/user/window_fixture.h"

namespace usertest {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);

void fill_window(HWND h, COLORREF colour, bool whole_window = false) {
    HDC dc = whole_window ? GetWindowDC(h) : GetDC(h);
    RECT r{-1000, -1000, 1000, 1000};
    HBRUSH b = CreateSolidBrush(colour);
    FillRect(dc, &r, b);
    DeleteObject(b);
    ReleaseDC(h, dc);
}

using ClippingTest = WindowTest;

TEST_F(ClippingTest, ASiblingAboveIsNotPaintedOver) {
    HWND top = top_level(0, 0, 100, 100);
    HWND above = child(top, 10, 10, 20, 20);
    HWND below = child(top, 0, 0, 50, 50);
    headless::pump();
    fill_window(above, kBlue);
    fill_window(below, kRed);
    EXPECT_TRUE(ScreenPixelIs(top, 15, 15, kBlue)) << "the sibling above keeps its pixels";
    EXPECT_TRUE(ScreenPixelIs(top, 5, 5, kRed));
    EXPECT_TRUE(ScreenPixelIs(top, 49, 49, kRed));
    EXPECT_FALSE(ScreenPixelIs(top, 50, 50, kRed)) << "outside the window";
}

TEST_F(ClippingTest, ARoundedRegionShapesWhatTheWindowShows) {
    HWND top = top_level(0, 0, 100, 100);
    HWND round = child(top, 10, 10, 40, 30);
    SetWindowRgn(round, CreateRoundRectRgn(0, 0, 41, 31, 12, 12), TRUE);
    headless::pump();
    fill_window(top, kGreen);
    fill_window(round, kRed, true);
    EXPECT_TRUE(ScreenPixelIs(top, 10, 10, kGreen)) << "the corner is cut away";
    EXPECT_TRUE(ScreenPixelIs(top, 30, 25, kRed));
    EXPECT_TRUE(ScreenPixelIs(top, 10, 25, kRed)) << "the middle of the left edge is inside";
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(round, copy), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(copy, 20, 15));
    EXPECT_FALSE(PtInRegion(copy, 0, 0));
    DeleteObject(copy);
    EXPECT_EQ(SetWindowRgn(round, HRGN(), TRUE), 1) << "a null region removes the shape";
    fill_window(round, kBlue, true);
    EXPECT_TRUE(ScreenPixelIs(top, 10, 10, kBlue));
}

TEST_F(ClippingTest, ClipChildrenKeepsAParentOffItsChildren) {
    HWND top = top_level(0, 0, 100, 100);
    HWND clipping = child(top, 0, 0, 50, 50, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN);
    HWND plain = child(top, 50, 0, 50, 50);
    HWND inside_clipping = child(clipping, 10, 10, 10, 10);
    HWND inside_plain = child(plain, 10, 10, 10, 10);
    headless::pump();
    fill_window(inside_clipping, kBlue);
    fill_window(inside_plain, kBlue);
    fill_window(clipping, kRed);
    fill_window(plain, kRed);
    EXPECT_TRUE(ScreenPixelIs(top, 15, 15, kBlue)) << "WS_CLIPCHILDREN";
    EXPECT_TRUE(ScreenPixelIs(top, 65, 15, kRed)) << "without it the parent paints over";
    EXPECT_TRUE(ScreenPixelIs(top, 5, 5, kRed));
}

TEST_F(ClippingTest, ChildrenAreClippedToTheirParentsClientArea) {
    HWND top = top_level(0, 0, 100, 100);
    HWND framed = child(top, 10, 10, 40, 40, WS_CHILD | WS_VISIBLE | WS_BORDER);
    HWND overflowing = child(framed, -5, -5, 100, 100);
    headless::pump();
    fill_window(top, kGreen);
    fill_window(overflowing, kRed);
    EXPECT_TRUE(ScreenPixelIs(top, 11, 11, kRed));
    EXPECT_TRUE(ScreenPixelIs(top, 48, 48, kRed));
    EXPECT_TRUE(ScreenPixelIs(top, 10, 10, kGreen)) << "the parent's border";
    EXPECT_TRUE(ScreenPixelIs(top, 60, 60, kGreen)) << "outside the parent";
}

COLORREF paint_colour;
LRESULT paint_everything(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, &ps);
        RECT all{0, 0, 1000, 1000};
        HBRUSH b = CreateSolidBrush(paint_colour);
        FillRect(dc, &all, b);
        DeleteObject(b);
        EndPaint(h, &ps);
        return 0;
    }
    return DefWindowProcA(h, m, w, l);
}

TEST_F(ClippingTest, BeginPaintDrawsOnlyInsideTheUpdateRegion) {
    HWND top = top_level(0, 0, 100, 100, WS_OVERLAPPED | WS_VISIBLE | WS_CLIPCHILDREN);
    headless::pump();
    fill_window(top, kGreen);
    paint_colour = kRed;
    log.set_handler(paint_everything);
    RECT dirty{20, 20, 30, 30};
    InvalidateRect(top, &dirty, FALSE);
    headless::pump();
    log.set_handler(nullptr);
    EXPECT_TRUE(ScreenPixelIs(top, 25, 25, kRed));
    EXPECT_TRUE(ScreenPixelIs(top, 29, 29, kRed));
    EXPECT_TRUE(ScreenPixelIs(top, 30, 30, kGreen)) << "right and bottom are outside";
    EXPECT_TRUE(ScreenPixelIs(top, 19, 25, kGreen));
    RECT update;
    EXPECT_FALSE(GetUpdateRect(top, &update, FALSE)) << "validated";
}

TEST_F(ClippingTest, EraseFillsWithTheClassBrush) {
    HWND top = top_level(0, 0, 60, 60);
    headless::pump();
    EXPECT_TRUE(ScreenPixelIs(top, 30, 30, GetSysColor(COLOR_BTNFACE)));
    HWND bordered = child(top, 10, 10, 20, 20, WS_CHILD | WS_VISIBLE | WS_BORDER);
    headless::pump();
    EXPECT_TRUE(ScreenPixelIs(top, 10, 10, GetSysColor(COLOR_WINDOWFRAME))) << "the border";
    (void)bordered;
}

TEST_F(ClippingTest, ResizingATopLevelWindowReplacesItsSurface) {
    HWND top = top_level(0, 0, 60, 40);
    headless::pump();
    MoveWindow(top, 0, 0, 120, 90, TRUE);
    headless::pump();
    EXPECT_TRUE(ScreenPixelIs(top, 119, 89, GetSysColor(COLOR_BTNFACE))) << "the new part was painted";
}

}  // namespace
}  // namespace usertest

namespace usertest {
namespace {

TEST_F(WindowTest, SnapshotsWriteWhatTheSurfaceShows) {
    HWND top = top_level(0, 0, 40, 30);
    headless::pump();
    const std::string path = output_path("user_snapshot.png");
    std::remove(path.c_str());
    EXPECT_TRUE(headless::save_png(top, path));
    FILE* f = std::fopen(path.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    unsigned char magic[4] = {};
    EXPECT_EQ(std::fread(magic, 1, 4, f), 4u);
    std::fclose(f);
    EXPECT_EQ(magic[1], 'P');
    HDC dc = GetDC(top);
    EXPECT_TRUE(headless::save_dc_png(dc, path)) << "a window DC shows its top-level's surface";
    ReleaseDC(top, dc);
    EXPECT_FALSE(headless::save_png(HWND(), path));
    EXPECT_FALSE(headless::save_dc_png(HDC(), path));
    EXPECT_FALSE(headless::save_bitmap_png(HBITMAP(), path));
    EXPECT_FALSE(headless::save_png(top, "/nonexistent-dir/x.png"));
}

}  // namespace
}  // namespace usertest

namespace usertest {
namespace {

TEST_F(WindowTest, MovingAChildRepaintsWhatItUncovered) {
    WNDCLASSA wc;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hbrBackground = HBRUSH(static_cast<std::uint32_t>(COLOR_WINDOW + 1));
    wc.lpszClassName = "WhiteBox";
    RegisterClassA(&wc);
    HWND top = top_level(0, 0, 100, 100);
    HWND box = CreateWindowExA(0, "WhiteBox", "", WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, top, HMENU(), HINSTANCE(),
                               nullptr);
    headless::pump();
    const COLORREF face = GetSysColor(COLOR_BTNFACE), white = GetSysColor(COLOR_WINDOW);
    ASSERT_TRUE(ScreenPixelIs(top, 15, 15, white));
    MoveWindow(box, 50, 50, 20, 20, TRUE);
    headless::pump();
    EXPECT_TRUE(ScreenPixelIs(top, 15, 15, face)) << "the parent repainted the old place";
    EXPECT_TRUE(ScreenPixelIs(top, 55, 55, white));
    ShowWindow(box, SW_HIDE);
    headless::pump();
    EXPECT_TRUE(ScreenPixelIs(top, 55, 55, face)) << "hiding uncovers too";
    RECT update;
    EXPECT_FALSE(GetUpdateRect(top, &update, FALSE));
}

}  // namespace
}  // namespace usertest
