// Focus, enabling and activation.

#include "tests/user/window_fixture.h"

namespace usertest {
namespace {

using FocusTest = WindowTest;

TEST_F(FocusTest, FocusChangeTellsBothWindowsAboutEachOther) {
    HWND top = top_level();
    HWND a = child(top, 0, 0, 50, 20);
    HWND b = child(top, 0, 30, 50, 20);
    SetFocus(a);
    log.clear();
    EXPECT_EQ(SetFocus(b), a);
    EXPECT_TRUE(log.matches({
        {WM_KILLFOCUS, sent | wparam, static_cast<WPARAM>(b.value), 0, a},
        {WM_SETFOCUS, sent | wparam, static_cast<WPARAM>(a.value), 0, b},
    }));
    EXPECT_EQ(GetFocus(), b);
    log.clear();
    EXPECT_EQ(SetFocus(b), b);
    EXPECT_TRUE(log.matches({})) << "focusing the focus window again sends nothing";
}

TEST_F(FocusTest, DisablingTheFocusWindowMovesTheFocusAway) {
    HWND top = top_level();
    HWND a = child(top, 0, 0, 50, 20);
    SetFocus(a);
    log.clear();
    EXPECT_FALSE(EnableWindow(a, FALSE)) << "it was enabled";
    EXPECT_TRUE(log.matches({
        {WM_KILLFOCUS, sent | wparam, 0},
        {WM_ENABLE, sent | wparam, FALSE},
    }));
    EXPECT_EQ(GetFocus(), HWND());
    EXPECT_FALSE(IsWindowEnabled(a));
    log.clear();
    EXPECT_TRUE(EnableWindow(a, FALSE)) << "already disabled: nothing happens";
    EXPECT_TRUE(log.matches({}));
    EXPECT_TRUE(EnableWindow(a, TRUE));
    EXPECT_TRUE(log.matches({{WM_ENABLE, sent | wparam, TRUE}}));
}

TEST_F(FocusTest, ActivationNamesTheOtherWindowInLParam) {
    HWND first = top_level(0, 0);
    HWND second = top_level(300, 0, 200, 150, WS_OVERLAPPED);  // hidden: not active yet
    EXPECT_EQ(GetActiveWindow(), first);
    log.clear();
    EXPECT_EQ(SetActiveWindow(second), first);
    EXPECT_TRUE(log.matches({
        {WM_NCACTIVATE, sent | wparam, FALSE, 0, first},
        {WM_ACTIVATE, sent | wparam | lparam, WA_INACTIVE, HandleToLong(second), first},
        {WM_NCACTIVATE, sent | wparam, TRUE, 0, second},
        {WM_ACTIVATE, sent | wparam | lparam, WA_ACTIVE, HandleToLong(first), second},
        {WM_KILLFOCUS, sent | wparam, static_cast<WPARAM>(second.value), 0, first},
        {WM_SETFOCUS, sent | defproc | wparam, static_cast<WPARAM>(first.value), 0, second},
    }));
    EXPECT_EQ(GetForegroundWindow(), second);
}

TEST_F(FocusTest, ClosingTheActiveWindowActivatesTheNextOne) {
    HWND first = top_level(0, 0);
    HWND second = top_level(300, 0);
    EXPECT_EQ(GetActiveWindow(), second);
    log.only({WM_ACTIVATE});
    log.clear();
    DestroyWindow(second);
    EXPECT_TRUE(log.matches({
        {WM_ACTIVATE, sent | wparam | lparam, WA_INACTIVE, HandleToLong(first), second},
        {WM_ACTIVATE, sent | wparam | lparam, WA_ACTIVE, HandleToLong(second), first},
    }));
    EXPECT_EQ(GetActiveWindow(), first);
}

TEST_F(FocusTest, AShownPopupIsActivatedUnlessAskedNotTo) {
    HWND owner = top_level();
    HWND quiet = CreateWindowExA(0, recorder_class(), "", WS_POPUP, 10, 10, 30, 30, owner, HMENU(), HINSTANCE(), nullptr);
    ShowWindow(quiet, SW_SHOWNA);
    EXPECT_EQ(GetActiveWindow(), owner);
    ShowWindow(quiet, SW_HIDE);
    ShowWindow(quiet, SW_SHOW);
    EXPECT_EQ(GetActiveWindow(), quiet);
    ShowWindow(quiet, SW_HIDE);
    EXPECT_EQ(GetActiveWindow(), owner) << "hiding hands activation back to the owner";
    ShowWindow(quiet, SW_SHOWNA);
    HWND other = top_level(0, 0, 50, 50);
    SetActiveWindow(owner);
    EXPECT_EQ(WindowFromPoint(POINT{20, 20}), quiet) << "an owner brought forward keeps its pop-ups above it";
    (void)other;
}

LRESULT refuse_activation(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    return DefWindowProcA(h, m, w, l);
}

TEST_F(FocusTest, APressActivatesItsTopLevelUnlessRefused) {
    HWND first = top_level(0, 0, 100, 100);
    HWND c = child(first, 10, 10, 20, 20);
    HWND second = top_level(300, 0, 100, 100);
    ASSERT_EQ(GetActiveWindow(), second);
    log.set_parent(first);
    log.only({WM_MOUSEACTIVATE, WM_ACTIVATE, WM_LBUTTONDOWN});
    log.clear();
    headless::mouse_down(15, 15);
    EXPECT_TRUE(log.matches({
        {WM_MOUSEACTIVATE, sent | wparam, static_cast<WPARAM>(first.value), 0, c},
        {WM_MOUSEACTIVATE, sent | parent},  // the child's default procedure asks its parent
        {WM_ACTIVATE, sent | wparam, WA_INACTIVE, 0, second},
        {WM_ACTIVATE, sent | parent | wparam, WA_CLICKACTIVE},
        {WM_LBUTTONDOWN, posted, 0, 0, c},
    }));
    headless::mouse_up(15, 15);

    log.set_handler(refuse_activation);
    headless::mouse_down(310, 10);
    log.set_handler(nullptr);
    EXPECT_EQ(GetActiveWindow(), first) << "MA_NOACTIVATE";
    headless::mouse_up(310, 10);

    HWND list = CreateWindowExA(WS_EX_NOACTIVATE, recorder_class(), "", WS_POPUP | WS_VISIBLE, 0, 200, 50, 50, first,
                                HMENU(), HINSTANCE(), nullptr);
    headless::click(10, 210);
    EXPECT_EQ(GetActiveWindow(), first) << "neither showing nor clicking a WS_EX_NOACTIVATE window activates it";
    (void)list;
}

TEST_F(FocusTest, KeysGoToTheFocusWindowAndAltMakesSystemKeys) {
    HWND top = top_level();
    HWND a = child(top, 0, 0, 50, 20);
    SetFocus(a);
    log.only({WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_SYSKEYDOWN, WM_SYSKEYUP});
    log.clear();
    headless::key_press(VK_RETURN);
    headless::type_text("é");
    headless::key_down(VK_MENU);
    headless::key_press('X');
    headless::key_up(VK_MENU);
    EXPECT_TRUE(log.matches({
        {WM_KEYDOWN, posted | wparam, VK_RETURN, 0, a},
        {WM_CHAR, posted | wparam, 0x0D, 0, a},
        {WM_KEYUP, posted | wparam, VK_RETURN, 0, a},
        {WM_CHAR, posted | wparam, 0xC3, 0, a},  // one per UTF-8 byte
        {WM_CHAR, posted | wparam, 0xA9, 0, a},
        {WM_SYSKEYDOWN, posted | wparam, VK_MENU},
        {WM_SYSKEYDOWN, posted | wparam, 'X'},
        {WM_SYSKEYUP, posted | wparam, 'X'},
        {WM_SYSKEYUP, posted | wparam, VK_MENU},
    }));
    headless::key_down(VK_SHIFT);
    EXPECT_LT(GetKeyState(VK_SHIFT), 0) << "down: high bit set";
    headless::key_up(VK_SHIFT);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
}

}  // namespace
}  // namespace usertest
