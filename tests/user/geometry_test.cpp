// Moving, sizing, showing and the non-client area.

#include <string>
#include <vector>

#include "tests/user/window_fixture.h"

namespace usertest {
namespace {

using GeometryTest = WindowTest;

TEST_F(GeometryTest, SetWindowPosSendsChangingCalcChangedMoveSize) {
    HWND top = top_level();
    HWND c = child(top, 0, 0, 50, 20);
    headless::pump();
    log.clear();
    EXPECT_TRUE(SetWindowPos(c, HWND(), 10, 20, 30, 40, SWP_NOZORDER | SWP_NOACTIVATE));
    EXPECT_TRUE(log.matches({
        {WM_WINDOWPOSCHANGING, sent},
        {WM_NCCALCSIZE, sent | wparam, FALSE},
        {WM_WINDOWPOSCHANGED, sent},
        {WM_MOVE, sent | defproc | lparam, 0, MAKELPARAM(10, 20)},
        {WM_SIZE, sent | defproc | wparam | lparam, SIZE_RESTORED, MAKELPARAM(30, 40)},
    }));
    log.clear();
    MoveWindow(c, 10, 20, 30, 40, TRUE);
    EXPECT_TRUE(log.matches({{WM_WINDOWPOSCHANGING, sent}, {WM_WINDOWPOSCHANGED, sent}}))
        << "no move or size when nothing changed";
}

LRESULT clamp_width(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_WINDOWPOSCHANGING) reinterpret_cast<WINDOWPOS*>(l)->cx = 25;
    return DefWindowProcA(h, m, w, l);
}

TEST_F(GeometryTest, ChangingMayAlterThePosition) {
    HWND top = top_level();
    HWND c = child(top, 0, 0, 50, 20);
    log.set_handler(clamp_width);
    SetWindowPos(c, HWND(), 0, 0, 80, 20, SWP_NOZORDER | SWP_NOMOVE);
    log.set_handler(nullptr);
    RECT r;
    GetClientRect(c, &r);
    EXPECT_EQ(r.right, 25);
}

TEST_F(GeometryTest, ZOrderFollowsInsertAfter) {
    HWND top = top_level();
    HWND a = child(top, 0, 0, 10, 10);
    HWND b = child(top, 0, 0, 10, 10);
    HWND c = child(top, 0, 0, 10, 10);
    auto order = [&] {
        std::vector<HWND> v;
        for (HWND h = GetWindow(top, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) v.push_back(h);
        return v;
    };
    SetWindowPos(c, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(order(), (std::vector<HWND>{c, a, b}));
    SetWindowPos(c, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(order(), (std::vector<HWND>{a, b, c}));
    SetWindowPos(a, b, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(order(), (std::vector<HWND>{b, a, c}));
}

TEST_F(GeometryTest, ShowAndHideSendShowWindowOnlyOnChange) {
    HWND top = top_level();
    HWND c = child(top, 0, 0, 10, 10, WS_CHILD);
    log.only({WM_SHOWWINDOW});
    log.clear();
    EXPECT_FALSE(ShowWindow(c, SW_SHOW)) << "it was hidden";
    EXPECT_TRUE(ShowWindow(c, SW_SHOW));
    EXPECT_TRUE(ShowWindow(c, SW_HIDE));
    EXPECT_TRUE(log.matches({{WM_SHOWWINDOW, sent | wparam, TRUE}, {WM_SHOWWINDOW, sent | wparam, FALSE}}));
    EXPECT_FALSE(IsWindowVisible(c));
    ShowWindow(c, SW_SHOW);
    ShowWindow(top, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(c)) << "a hidden parent hides its children";
}

struct FrameCase {
    const char* what;
    DWORD style;
    DWORD ex_style;
    RECT client;  // of a 100 x 80 child
};

class FrameTest : public WindowTest, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(FrameTest, NonClientAreaLeavesThisClientRectangle) {
    const FrameCase& f = GetParam();
    HWND top = top_level(0, 0, 300, 300);
    HWND c = child(top, 10, 10, 100, 80, WS_CHILD | WS_VISIBLE | f.style, 0, f.ex_style);
    RECT r;
    GetClientRect(c, &r);
    POINT origin{0, 0};
    ClientToScreen(c, &origin);
    EXPECT_EQ(origin.x - 10, f.client.left) << f.what;
    EXPECT_EQ(origin.y - 10, f.client.top) << f.what;
    EXPECT_EQ(r.right, f.client.right - f.client.left) << f.what;
    EXPECT_EQ(r.bottom, f.client.bottom - f.client.top) << f.what;
}

INSTANTIATE_TEST_SUITE_P(Styles, FrameTest,
                         ::testing::Values(FrameCase{"Plain", 0, 0, {0, 0, 100, 80}},
                                           FrameCase{"Border", WS_BORDER, 0, {1, 1, 99, 79}},
                                           FrameCase{"ClientEdge", 0, WS_EX_CLIENTEDGE, {2, 2, 98, 78}},
                                           FrameCase{"BorderAndClientEdge", WS_BORDER, WS_EX_CLIENTEDGE, {3, 3, 97, 77}},
                                           FrameCase{"VerticalBar", WS_VSCROLL, 0, {0, 0, 83, 80}},
                                           FrameCase{"BothBarsAndEdge", WS_VSCROLL | WS_HSCROLL,
                                                     WS_EX_CLIENTEDGE, {2, 2, 81, 61}}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(GeometryTest, TopLevelWindowsHaveNoFrameOfOurs) {
    HWND top = top_level(0, 0, 200, 100, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    RECT w, c;
    GetWindowRect(top, &w);
    GetClientRect(top, &c);
    EXPECT_EQ(w.right - w.left, c.right);
    EXPECT_EQ(w.bottom - w.top, c.bottom);
}

TEST_F(GeometryTest, ScrollBarsKeepRangeAndPositionAndReportClicks) {
    HWND top = top_level(0, 0, 300, 300);
    HWND c = child(top, 0, 0, 100, 100, WS_CHILD | WS_VISIBLE | WS_VSCROLL);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = 99;
    si.nPage = 10;
    si.nPos = 500;
    EXPECT_EQ(SetScrollInfo(c, SB_VERT, &si, TRUE), 90) << "the position stops where the last page fits";
    EXPECT_EQ(SetScrollPos(c, SB_VERT, 20, TRUE), 90);
    EXPECT_EQ(GetScrollPos(c, SB_VERT), 20);
    SCROLLINFO out;
    out.fMask = SIF_ALL;
    EXPECT_TRUE(GetScrollInfo(c, SB_VERT, &out));
    EXPECT_EQ(out.nMax, 99);
    EXPECT_EQ(out.nPage, 10u);
    EXPECT_FALSE(GetScrollInfo(c, SB_CTL, &out));
    log.only({WM_VSCROLL});
    log.clear();
    headless::click(91, 3);   // the up arrow
    headless::click(91, 96);  // the down arrow
    headless::click(91, 70);  // the track below the thumb
    EXPECT_TRUE(log.matches({
        {WM_VSCROLL, posted | wparam, SB_LINEUP},
        {WM_VSCROLL, posted | wparam, SB_ENDSCROLL},
        {WM_VSCROLL, posted | wparam, SB_LINEDOWN},
        {WM_VSCROLL, posted | wparam, SB_ENDSCROLL},
        {WM_VSCROLL, posted | wparam, SB_PAGEDOWN},
        {WM_VSCROLL, posted | wparam, SB_ENDSCROLL},
    }));
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 17);

    // The thumb (8 pixels at y 29..36 for position 20) follows a drag, clamped to the track.
    log.only({WM_VSCROLL, WM_MOUSEMOVE});
    log.clear();
    headless::mouse_down(91, 30);
    headless::mouse_move(91, 59);
    headless::mouse_move(91, 200);
    headless::mouse_up(91, 200);
    EXPECT_TRUE(log.matches({
        {WM_VSCROLL, posted | wparam, MAKEWPARAM(SB_THUMBTRACK, 20)},
        {WM_VSCROLL, posted | wparam, MAKEWPARAM(SB_THUMBTRACK, 63)},
        {WM_VSCROLL, posted | wparam, MAKEWPARAM(SB_THUMBTRACK, 90)},
        {WM_VSCROLL, posted | wparam, MAKEWPARAM(SB_THUMBPOSITION, 90)},
        {WM_VSCROLL, posted | wparam, SB_ENDSCROLL},
    })) << "no WM_MOUSEMOVE while the bar holds the mouse";
    EXPECT_EQ(GetScrollPos(c, SB_VERT), 20) << "the window moves the position itself";

    // A held arrow repeats after 400 ms, then every 50 ms.
    log.clear();
    headless::mouse_down(91, 96);
    headless::advance(500);
    headless::mouse_up(91, 96);
    headless::advance(500);
    EXPECT_TRUE(log.matches({
        {WM_VSCROLL, posted | wparam, SB_LINEDOWN},
        {WM_VSCROLL, posted | wparam, SB_LINEDOWN},
        {WM_VSCROLL, posted | wparam, SB_LINEDOWN},
        {WM_VSCROLL, posted | wparam, SB_LINEDOWN},
        {WM_VSCROLL, posted | wparam, SB_ENDSCROLL},
    }));
}

TEST(SystemMetrics, TableValues) {
    struct M {
        int index, value;
    };
    for (M m : {M{SM_CXVSCROLL, 17}, M{SM_CYHSCROLL, 17}, M{SM_CXMENUCHECK, 13}, M{SM_CYMENUCHECK, 13},
                M{SM_CXEDGE, 2}, M{SM_CXBORDER, 1}, M{SM_CXSCREEN, 1920}, M{SM_CYSCREEN, 1080},
                M{SM_CXDOUBLECLK, 4}, M{9999, 0}}) {
        EXPECT_EQ(GetSystemMetrics(m.index), m.value) << m.index;
    }
}

TEST(RectHelpers, EdgesAreExclusive) {
    RECT a{0, 0, 10, 10}, b{5, 5, 20, 20}, out;
    EXPECT_TRUE(IntersectRect(&out, &a, &b));
    const RECT expected{5, 5, 10, 10};
    EXPECT_TRUE(EqualRect(&out, &expected));
    EXPECT_EQ(out.left, 5);
    EXPECT_EQ(out.right, 10);
    RECT far{10, 0, 20, 10};
    EXPECT_FALSE(IntersectRect(&out, &a, &far)) << "touching edges do not overlap";
    EXPECT_TRUE(IsRectEmpty(&out));
    EXPECT_TRUE(PtInRect(&a, POINT{0, 0}));
    EXPECT_FALSE(PtInRect(&a, POINT{10, 5}));
    EXPECT_TRUE(UnionRect(&out, &a, &far));
    EXPECT_EQ(out.right, 20);
    RECT left_half{0, 0, 5, 10};
    EXPECT_TRUE(SubtractRect(&out, &a, &left_half));
    EXPECT_EQ(out.left, 5);
    RECT middle{3, 3, 6, 6};
    SubtractRect(&out, &a, &middle);
    EXPECT_EQ(out.left, 0) << "a hole leaves the rectangle whole";
    EXPECT_FALSE(IntersectRect(nullptr, &a, &b));
    RECT edge{0x7FFFFFF0, 0, 0x7FFFFFFF, 1};
    EXPECT_TRUE(OffsetRect(&edge, 0x20, 0)) << "wraps, as 32-bit integers do, instead of overflowing";
    EXPECT_LT(edge.left, 0);
    EXPECT_TRUE(InflateRect(&edge, static_cast<int>(0x80000000u), 0));
}

}  // namespace
}  // namespace usertest
