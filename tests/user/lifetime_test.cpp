// Classes, creation and destruction.

#include <cstring>
#include <string>

#include "tests/user/window_fixture.h"

namespace usertest {
namespace {

LRESULT plain_proc(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProcA(h, m, w, l); }

ATOM register_plain(const char* name, int extra = 0, UINT style = 0) {
    WNDCLASSA wc;
    wc.style = style;
    wc.lpfnWndProc = plain_proc;
    wc.cbWndExtra = extra;
    wc.lpszClassName = name;
    return RegisterClassA(&wc);
}

using ClassTest = PlatformTest;

TEST_F(ClassTest, NamesCompareCaseInsensitivelyAndRegisterOnce) {
    EXPECT_NE(register_plain("MyClass"), 0);
    EXPECT_EQ(register_plain("MYCLASS"), 0) << "a second class of the same name";
    HWND w = CreateWindowExA(0, "myclass", "", 0, 0, 0, 10, 10, HWND(), HMENU(), HINSTANCE(), nullptr);
    ASSERT_TRUE(IsWindow(w));
    char name[32];
    EXPECT_EQ(GetClassNameA(w, name, sizeof name), 7);
    EXPECT_STREQ(name, "MyClass");
    EXPECT_FALSE(UnregisterClassA("MyClass", HINSTANCE())) << "a class with live windows stays";
    DestroyWindow(w);
    EXPECT_TRUE(UnregisterClassA("myCLASS", HINSTANCE()));
    EXPECT_FALSE(CreateWindowExA(0, "MyClass", "", 0, 0, 0, 10, 10, HWND(), HMENU(), HINSTANCE(), nullptr));
}

TEST_F(ClassTest, RefusesIncompleteClasses) {
    WNDCLASSA wc;
    EXPECT_EQ(RegisterClassA(nullptr), 0);
    EXPECT_EQ(RegisterClassA(&wc), 0) << "no name, no procedure";
    wc.lpszClassName = "NoProc";
    EXPECT_EQ(RegisterClassA(&wc), 0);
    wc.lpfnWndProc = plain_proc;
    wc.cbWndExtra = -4;
    EXPECT_EQ(RegisterClassA(&wc), 0);
}

TEST_F(ClassTest, SuperclassReusesTheProcedureUnderANewName) {
    register_plain("Base", 16, CS_DBLCLKS);
    WNDCLASSA info;
    ASSERT_TRUE(GetClassInfoA(HINSTANCE(), "base", &info));
    EXPECT_EQ(info.lpfnWndProc, &plain_proc);
    EXPECT_EQ(info.cbWndExtra, 16);
    EXPECT_EQ(info.style, CS_DBLCLKS);
    info.lpszClassName = "Derived";
    EXPECT_NE(RegisterClassA(&info), 0);
    HWND w = CreateWindowExA(0, "Derived", "", 0, 0, 0, 10, 10, HWND(), HMENU(), HINSTANCE(), nullptr);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongA(w, GWL_WNDPROC)), &plain_proc);
    EXPECT_FALSE(GetClassInfoA(HINSTANCE(), "Missing", &info));
}

TEST_F(ClassTest, ExtraBytesHoldPointerSizedValues) {
    register_plain("Extra", 12);
    HWND w = CreateWindowExA(0, "Extra", "", 0, 0, 0, 10, 10, HWND(), HMENU(), HINSTANCE(), nullptr);
    EXPECT_EQ(GetWindowLongA(w, 0), 0) << "extra bytes start zeroed";
    const LONG_PTR big = static_cast<LONG_PTR>(0x1234567890LL);
    EXPECT_EQ(SetWindowLongA(w, 0, big), 0);
    EXPECT_EQ(GetWindowLongA(w, 0), big);
    // The last four bytes still make a 32-bit slot.
    SetWindowLongA(w, 8, -7);
    EXPECT_EQ(GetWindowLongA(w, 8), -7);
    EXPECT_EQ(GetWindowLongA(w, 0), big) << "writing the 32-bit slot left the first one alone";
    EXPECT_EQ(SetWindowLongA(w, 10, 1), 0) << "past the end";
    EXPECT_EQ(GetWindowLongA(w, 12), 0);
    EXPECT_EQ(GetWindowLongA(w, -100), 0) << "unknown index";
    EXPECT_EQ(SetWindowLongA(w, -100, 5), 0);
}

TEST_F(ClassTest, GetClassNameCopiesAtMostSizeMinusOne) {
    register_plain("Truncated");
    HWND w = CreateWindowExA(0, "Truncated", "", 0, 0, 0, 10, 10, HWND(), HMENU(), HINSTANCE(), nullptr);
    char buf[8];
    std::memset(buf, 'x', sizeof buf);
    EXPECT_EQ(GetClassNameA(w, buf, 4), 3);
    EXPECT_STREQ(buf, "Tru");
    EXPECT_EQ(buf[4], 'x') << "nothing written past size";
    EXPECT_EQ(GetClassNameA(w, buf, 0), 0);
    EXPECT_EQ(GetClassNameA(w, nullptr, 8), 0);
    DestroyWindow(w);
    EXPECT_EQ(GetClassNameA(w, buf, sizeof buf), 0) << "dead handle";
}

TEST_F(WindowTest, CreationSendsItsMessagesInOrder) {
    HWND top = top_level();
    log.clear();
    CREATESTRUCTA seen{};
    HWND c = CreateWindowExA(0, recorder_class(), "child", WS_CHILD | WS_VISIBLE, 5, 6, 50, 20, top, HMENU(42u),
                             HINSTANCE(), &seen);
    ASSERT_TRUE(IsWindow(c));
    EXPECT_TRUE(log.matches({
        {WM_NCCREATE, sent},
        {WM_NCCALCSIZE, sent | wparam, FALSE},
        {WM_CREATE, sent},
        {WM_SIZE, sent | wparam | lparam, SIZE_RESTORED, MAKELPARAM(50, 20)},
        {WM_MOVE, sent | lparam, 0, MAKELPARAM(5, 6)},
        {WM_SHOWWINDOW, sent | wparam, TRUE},
        {WM_WINDOWPOSCHANGING, sent},
        {WM_WINDOWPOSCHANGED, sent},
    }));
    EXPECT_EQ(GetDlgCtrlID(c), 42) << "a child's menu argument is its id";
    EXPECT_EQ(GetDlgItem(top, 42), c);
    EXPECT_EQ(GetParent(c), top);
    char text[16];
    EXPECT_EQ(GetWindowTextA(c, text, sizeof text), 5);
    EXPECT_STREQ(text, "child");
}

TEST_F(WindowTest, ShowingATopLevelWindowActivatesAndFocusesIt) {
    log.clear();
    HWND top = top_level();
    EXPECT_TRUE(log.matches({
        {WM_NCCREATE, sent},
        {WM_NCCALCSIZE, sent},
        {WM_CREATE, sent},
        {WM_SIZE, sent},
        {WM_MOVE, sent},
        {WM_SHOWWINDOW, sent | wparam, TRUE},
        {WM_WINDOWPOSCHANGING, sent},
        {WM_WINDOWPOSCHANGED, sent},
        {WM_NCACTIVATE, sent | wparam, TRUE},
        {WM_ACTIVATE, sent | wparam | lparam, WA_ACTIVE, 0},
        {WM_SETFOCUS, sent | defproc | wparam, 0},
    }));
    EXPECT_EQ(GetActiveWindow(), top);
    EXPECT_EQ(GetFocus(), top);
}

struct FailingCreation {
    const char* what;
    UINT message;
    LRESULT result;
};

class CreationFailure : public WindowTest, public ::testing::WithParamInterface<FailingCreation> {};

LRESULT fail_creation(HWND h, UINT m, WPARAM w, LPARAM l) {
    const FailingCreation& f = CreationFailure::GetParam();
    if (m == f.message) return f.result;
    return DefWindowProcA(h, m, w, l);
}

TEST_P(CreationFailure, FailsCleanly) {
    HWND top = top_level();
    int before = headless::window_count();
    log.clear();
    log.set_handler(fail_creation);
    HWND c = child(top, 0, 0, 10, 10);
    log.set_handler(nullptr);
    EXPECT_FALSE(c);
    EXPECT_EQ(headless::window_count(), before);
    EXPECT_EQ(log.entries().back().message, static_cast<UINT>(WM_NCDESTROY)) << "the half-made window is told it goes";
    const LoggedMessage& last = log.entries().back();
    EXPECT_FALSE(IsWindow(last.hwnd));
    EXPECT_EQ(GetWindow(top, GW_CHILD), HWND()) << "no trace left in the parent";
}

INSTANTIATE_TEST_SUITE_P(Handlers, CreationFailure,
                         ::testing::Values(FailingCreation{"NcCreateReturns0", WM_NCCREATE, 0},
                                           FailingCreation{"CreateReturnsMinus1", WM_CREATE, -1}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(WindowTest, ChildWithoutParentAndUnknownClassFail) {
    EXPECT_FALSE(CreateWindowExA(0, recorder_class(), "", WS_CHILD, 0, 0, 1, 1, HWND(), HMENU(), HINSTANCE(), nullptr));
    EXPECT_FALSE(CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 1, 1, HWND(), HMENU(), HINSTANCE(), nullptr));
    EXPECT_FALSE(CreateWindowExA(0, nullptr, "", 0, 0, 0, 1, 1, HWND(), HMENU(), HINSTANCE(), nullptr));
    EXPECT_EQ(headless::window_count(), 0);
}

TEST_F(WindowTest, DestroySendsDestroyDownTheTreeAndNcDestroyLast) {
    HWND top = top_level();
    HWND a = child(top, 0, 0, 50, 50);
    HWND a1 = child(a, 0, 0, 10, 10);
    HWND b = child(top, 60, 0, 50, 50);
    log.only({WM_DESTROY, WM_NCDESTROY});
    log.clear();
    EXPECT_TRUE(DestroyWindow(top));
    EXPECT_TRUE(log.matches({
        {WM_DESTROY, sent, 0, 0, top},
        {WM_DESTROY, sent, 0, 0, a},
        {WM_DESTROY, sent, 0, 0, a1},
        {WM_DESTROY, sent, 0, 0, b},
        {WM_NCDESTROY, sent, 0, 0, b},
        {WM_NCDESTROY, sent, 0, 0, a1},
        {WM_NCDESTROY, sent, 0, 0, a},
        {WM_NCDESTROY, sent, 0, 0, top},
    }));
    for (HWND h : {top, a, a1, b}) EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(headless::window_count(), 0);
    EXPECT_FALSE(DestroyWindow(top)) << "a second destroy finds nothing";
}

TEST_F(WindowTest, DestroyingAnOwnerDestroysItsPopupsFirst) {
    HWND owner = top_level();
    HWND popup = CreateWindowExA(0, recorder_class(), "", WS_POPUP | WS_VISIBLE, 10, 10, 30, 30, owner, HMENU(),
                                 HINSTANCE(), nullptr);
    EXPECT_EQ(GetParent(popup), owner) << "an owned pop-up names its owner as parent";
    EXPECT_EQ(GetWindow(popup, GW_OWNER), owner);
    log.only({WM_DESTROY});
    log.clear();
    DestroyWindow(owner);
    EXPECT_TRUE(log.matches({{WM_DESTROY, sent, 0, 0, popup}, {WM_DESTROY, sent, 0, 0, owner}}));
    EXPECT_FALSE(IsWindow(popup));
}

LRESULT destroy_again_on_destroy(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_DESTROY) {
        EXPECT_FALSE(DestroyWindow(h)) << "already on its way";
    }
    if (m == WM_LBUTTONDOWN) {
        DestroyWindow(h);
        // The window is gone, yet this handler keeps running safely.
        EXPECT_FALSE(IsWindow(h));
        EXPECT_EQ(SendMessageA(h, WM_USER, 0, 0), 0);
        return 0;
    }
    return DefWindowProcA(h, m, w, l);
}

TEST_F(WindowTest, WindowDestroyedInsideItsOwnHandler) {
    HWND top = top_level();
    HWND c = child(top, 10, 10, 40, 40);
    SetTimer(c, 1, 15, nullptr);
    SetPropA(c, "P", 1);
    SetCapture(c);
    SetFocus(c);
    log.set_handler(destroy_again_on_destroy);
    headless::click(20, 20);
    log.set_handler(nullptr);
    EXPECT_FALSE(IsWindow(c));
    EXPECT_EQ(GetCapture(), HWND());
    EXPECT_EQ(GetFocus(), top) << "the focus went back to the parent";
    headless::advance(100);  // the timer died with the window
    EXPECT_EQ(log.count(WM_TIMER), 0);
}

}  // namespace
}  // namespace usertest
