// Buttons: what a click, the space bar and the BM_ messages do to each type.

#include "tests/controls/control_fixture.h"

namespace controltest {
namespace {

class ButtonTest : public ControlTest {};

struct ClickCase {
    const char* name;
    DWORD style;
    LRESULT check_after_one;
    LRESULT check_after_two;
};

TEST_F(ButtonTest, ClickChangesTheCheckOfAutomaticTypesAndNotifies) {
    const ClickCase cases[] = {
        {"push button", BS_PUSHBUTTON, BST_UNCHECKED, BST_UNCHECKED},
        {"check box keeps its state", BS_CHECKBOX, BST_UNCHECKED, BST_UNCHECKED},
        {"auto check box toggles", BS_AUTOCHECKBOX, BST_CHECKED, BST_UNCHECKED},
        {"auto 3-state cycles", BS_AUTO3STATE, BST_CHECKED, BST_INDETERMINATE},
        {"radio button keeps its state", BS_RADIOBUTTON, BST_UNCHECKED, BST_UNCHECKED},
        {"auto radio checks", BS_AUTORADIOBUTTON, BST_CHECKED, BST_CHECKED},
    };
    for (const ClickCase& c : cases) {
        SCOPED_TRACE(c.name);
        HWND b = make("Button", c.style, 10, 10, 90, 24, "Go", 7);
        clear();
        click(b);
        EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), c.check_after_one);
        // A second click after the double-click interval.
        headless::advance(600);
        click(b);
        EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), c.check_after_two);
        EXPECT_EQ(codes(), (std::vector<WORD>{BN_CLICKED, BN_CLICKED}));
        for (const Notice& n : notices) {
            if (n.msg != WM_COMMAND) continue;
            EXPECT_EQ(n.id, 7);
            EXPECT_EQ(n.lp, HandleToLong(b));
        }
        DestroyWindow(b);
    }
}

TEST_F(ButtonTest, PressCapturesAndReleaseElsewhereDoesNotClick) {
    HWND b = make("Button", BS_PUSHBUTTON, 10, 10, 90, 24, "Go");
    POINT c = centre(b);
    headless::mouse_down(c.x, c.y);
    EXPECT_EQ(GetCapture(), b);
    EXPECT_EQ(GetFocus(), b);  // a push button takes the focus when clicked
    EXPECT_TRUE(SendMessageA(b, BM_GETSTATE, 0, 0) & BST_PUSHED);
    headless::mouse_move(200, 200);
    EXPECT_FALSE(SendMessageA(b, BM_GETSTATE, 0, 0) & BST_PUSHED) << "dragged off: shown released";
    headless::mouse_move(c.x, c.y);
    EXPECT_TRUE(SendMessageA(b, BM_GETSTATE, 0, 0) & BST_PUSHED) << "back over it: pushed again";
    headless::mouse_move(200, 200);
    headless::mouse_up(200, 200);
    EXPECT_EQ(GetCapture(), HWND());
    EXPECT_TRUE(codes().empty());
}

TEST_F(ButtonTest, DoubleClickPressesAgain) {
    HWND b = make("Button", BS_PUSHBUTTON, 10, 10, 90, 24, "Go");
    click(b);
    click(b);  // within 500 ms and 4 pixels: a double-click
    EXPECT_EQ(codes(), (std::vector<WORD>{BN_CLICKED, BN_CLICKED}));
}

TEST_F(ButtonTest, SpaceBarPressesAndReleases) {
    HWND b = make("Button", BS_AUTOCHECKBOX, 10, 10, 90, 24, "Check");
    SetFocus(b);
    clear();
    headless::key_down(VK_SPACE);
    EXPECT_TRUE(SendMessageA(b, BM_GETSTATE, 0, 0) & BST_PUSHED);
    EXPECT_TRUE(codes().empty());
    headless::key_up(VK_SPACE);
    EXPECT_EQ(codes(), std::vector<WORD>{BN_CLICKED});
    EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(b, BM_GETSTATE, 0, 0), BST_CHECKED | BST_FOCUS);
}

TEST_F(ButtonTest, AutoRadioButtonUnchecksItsGroup) {
    HWND a = make("Button", BS_AUTORADIOBUTTON | WS_GROUP, 10, 10, 90, 20, "A", 1);
    HWND b = make("Button", BS_AUTORADIOBUTTON, 10, 40, 90, 20, "B", 2);
    HWND c = make("Button", BS_AUTORADIOBUTTON, 10, 70, 90, 20, "C", 3);
    HWND other = make("Button", BS_AUTORADIOBUTTON | WS_GROUP, 10, 100, 90, 20, "Other group", 4);
    SendMessageA(a, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(other, BM_SETCHECK, BST_CHECKED, 0);
    click(c);
    EXPECT_EQ(SendMessageA(a, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(c, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(other, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(ButtonTest, SetStyleChangesOnlyTheTypeBits) {
    HWND b = make("Button", BS_PUSHBUTTON | WS_TABSTOP | BS_LEFTTEXT, 10, 10, 90, 24, "Go");
    SendMessageA(b, BM_SETSTYLE, BS_OWNERDRAW | WS_DISABLED, -1);
    LONG_PTR style = GetWindowLongA(b, GWL_STYLE);
    EXPECT_EQ(style & BS_TYPEMASK, static_cast<LONG_PTR>(BS_OWNERDRAW));
    EXPECT_TRUE(style & WS_TABSTOP);
    EXPECT_TRUE(style & BS_LEFTTEXT);
    EXPECT_FALSE(style & WS_DISABLED);
    EXPECT_TRUE(IsWindowEnabled(b));
}

TEST_F(ButtonTest, OwnerDrawAsksTheParentWithItsState) {
    HWND b = make("Button", BS_OWNERDRAW, 10, 10, 90, 24, "Go", 9);
    headless::pump();
    ASSERT_GE(count(WM_DRAWITEM), 1);
    EXPECT_EQ(notices.back().id, 9);
    EXPECT_EQ(notices.back().item_state, 0u);
    POINT c = centre(b);
    headless::mouse_down(c.x, c.y);
    EXPECT_EQ(notices.back().msg, static_cast<UINT>(WM_DRAWITEM));
    EXPECT_EQ(notices.back().item_state, ODS_SELECTED | ODS_FOCUS);
    headless::mouse_up(c.x, c.y);
    EnableWindow(b, FALSE);
    headless::pump();
    EXPECT_EQ(notices.back().item_state, static_cast<UINT>(ODS_DISABLED | ODS_FOCUS) & notices.back().item_state);
    EXPECT_TRUE(notices.back().item_state & ODS_DISABLED);
}

TEST_F(ButtonTest, FontAndClickMessages) {
    HWND b = make("Button", BS_PUSHBUTTON, 10, 10, 90, 24, "Go");
    EXPECT_EQ(SendMessageA(b, WM_GETFONT, 0, 0), 0) << "no font set yet";
    HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
    SendMessageA(b, WM_SETFONT, static_cast<WPARAM>(font.value), TRUE);
    EXPECT_EQ(SendMessageA(b, WM_GETFONT, 0, 0), static_cast<LRESULT>(font.value));
    SendMessageA(b, BM_CLICK, 0, 0);
    EXPECT_EQ(codes(), std::vector<WORD>{BN_CLICKED});
    EXPECT_EQ(GetCapture(), HWND());
    EnableWindow(b, FALSE);
    clear();
    SendMessageA(b, BM_CLICK, 0, 0);
    EXPECT_TRUE(codes().empty()) << "a disabled button cannot be clicked";
}

TEST_F(ButtonTest, BadCheckValuesAndTypesAreHarmless) {
    HWND push = make("Button", BS_PUSHBUTTON, 10, 10, 90, 24, "Go");
    HWND check = make("Button", BS_AUTOCHECKBOX, 10, 40, 90, 24, "Check");
    SendMessageA(push, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageA(push, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    SendMessageA(check, BM_SETCHECK, 77, 0);
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    SendMessageA(check, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED) << "two-state boxes have no third state";
    SetWindowTextA(push, nullptr);
    std::string long_text(10000, 'x');
    SetWindowTextA(push, long_text.c_str());
    headless::pump();
}

// A parent that destroys the button it hears about, from inside BN_CLICKED.
LRESULT destroying_parent(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) DestroyWindow(LongToHandle<HWND>(lp));
    return DefWindowProcA(hwnd, msg, wp, lp);
}

TEST_F(ButtonTest, DestroyedWhileHoldingTheCaptureOrInsideItsClick) {
    HWND b = make("Button", BS_PUSHBUTTON, 10, 10, 90, 24, "Go");
    POINT c = centre(b);
    headless::mouse_down(c.x, c.y);
    ASSERT_EQ(GetCapture(), b);
    DestroyWindow(b);
    EXPECT_EQ(GetCapture(), HWND());
    headless::mouse_up(c.x, c.y);

    SetWindowLongA(parent, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&destroying_parent));
    HWND doomed = make("Button", BS_AUTOCHECKBOX, 10, 10, 90, 24, "Go");
    click(doomed);
    EXPECT_FALSE(IsWindow(doomed));
}

}  // namespace
}  // namespace controltest
