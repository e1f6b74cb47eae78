// Parents, owners, z-order walks and enumeration.

#include <vector>

#include "tests/user/window_fixture.h"

namespace usertest {
namespace {

using TreeTest = WindowTest;

std::vector<HWND> visited;
HWND destroy_on_visit;
HWND stop_at;

BOOL record_child(HWND h, LPARAM) {
    visited.push_back(h);
    if (h == destroy_on_visit) DestroyWindow(h);
    return h == stop_at ? FALSE : TRUE;
}

TEST_F(TreeTest, EnumChildWindowsVisitsEveryDescendantDepthFirstInZOrder) {
    HWND top = top_level();
    HWND a = child(top, 0, 0, 50, 50);
    HWND a1 = child(a, 0, 0, 10, 10);
    HWND a2 = child(a, 10, 0, 10, 10);
    HWND b = child(top, 60, 0, 50, 50);
    HWND b1 = child(b, 0, 0, 10, 10);
    visited.clear();
    destroy_on_visit = stop_at = HWND();
    EXPECT_TRUE(EnumChildWindows(top, record_child, 0));
    EXPECT_EQ(visited, (std::vector<HWND>{a, a1, a2, b, b1})) << "first-created children stay on top";
    EXPECT_EQ(GetWindow(top, GW_CHILD), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
    EXPECT_EQ(GetWindow(b, GW_HWNDPREV), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDLAST), b);

    visited.clear();
    stop_at = a1;
    EnumChildWindows(top, record_child, 0);
    EXPECT_EQ(visited, (std::vector<HWND>{a, a1})) << "a callback returning 0 stops the walk";
}

TEST_F(TreeTest, EnumerationSurvivesACallbackThatDestroys) {
    HWND top = top_level();
    HWND a = child(top, 0, 0, 50, 50);
    HWND a1 = child(a, 0, 0, 10, 10);
    HWND b = child(top, 60, 0, 50, 50);
    visited.clear();
    stop_at = HWND();
    destroy_on_visit = a;
    EnumChildWindows(top, record_child, 0);
    EXPECT_EQ(visited, (std::vector<HWND>{a, b})) << "a1 died with a and is skipped";
    EXPECT_FALSE(IsWindow(a1));
    destroy_on_visit = HWND();
}

TEST_F(TreeTest, SetParentMovesAWindowAndRefusesCycles) {
    HWND top = top_level();
    HWND a = child(top, 0, 0, 50, 50);
    HWND a1 = child(a, 0, 0, 10, 10);
    HWND b = child(top, 60, 0, 50, 50);
    EXPECT_EQ(SetParent(a, a1), HWND()) << "into its own child";
    EXPECT_EQ(SetParent(a, a), HWND()) << "into itself";
    EXPECT_EQ(GetParent(a), top) << "refused calls change nothing";
    EXPECT_EQ(SetParent(a1, b), a);
    EXPECT_EQ(GetParent(a1), b);
    EXPECT_TRUE(IsChild(top, a1));
    EXPECT_FALSE(IsChild(a, a1));
    EXPECT_EQ(GetWindow(a, GW_CHILD), HWND());
    RECT r;
    GetWindowRect(a1, &r);
    EXPECT_EQ(r.left, 60) << "the position stays relative to the new parent";
}

TEST_F(TreeTest, CoordinatesMapBetweenWindows) {
    HWND top = top_level(100, 50);
    HWND a = child(top, 10, 20, 80, 60, WS_CHILD | WS_VISIBLE | WS_BORDER);
    RECT r;
    GetWindowRect(a, &r);
    EXPECT_EQ(r.left, 110);
    EXPECT_EQ(r.top, 70);
    EXPECT_EQ(r.right, 190);
    GetClientRect(a, &r);
    EXPECT_EQ(r.right, 78) << "one pixel of border each side";
    EXPECT_EQ(r.bottom, 58);
    POINT p{0, 0};
    ClientToScreen(a, &p);
    EXPECT_EQ(p.x, 111);
    EXPECT_EQ(p.y, 71);
    ScreenToClient(top, &p);
    EXPECT_EQ(p.x, 11);
    POINT q{0, 0};
    MapWindowPoints(a, top, &q, 1);
    EXPECT_EQ(q.x, 11);
    EXPECT_EQ(q.y, 21);
}

}  // namespace
}  // namespace usertest
