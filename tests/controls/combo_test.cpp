// The combo box: dropping its list window, choosing from it with mouse and
// keys, the colours its list asks for, and out-of-range requests.

#include <cstring>

#include "tests/controls/control_fixture.h"

namespace controltest {
namespace {

class ComboTest : public ControlTest {
protected:
    HWND combo(DWORD style, int items = 3) {
        HWND cb = make("ComboBox", style | WS_TABSTOP, 10, 10, 120, 22, "", 4);
        const char* names[] = {"alpha", "beta", "gamma", "delta", "epsilon"};
        for (int i = 0; i < items; ++i) SendMessageA(cb, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(names[i % 5]));
        clear();
        return cb;
    }
    HWND list_window() {
        for (const Notice& n : notices)
            if (n.msg == WM_CTLCOLORLISTBOX) return LongToHandle<HWND>(n.lp);
        return HWND();
    }
};

TEST_F(ComboTest, FirstDropDownAsksForListColoursWithTheListWindow) {
    HWND cb = combo(CBS_DROPDOWNLIST);
    click(cb);
    EXPECT_TRUE(SendMessageA(cb, CB_GETDROPPEDSTATE, 0, 0));
    ASSERT_GE(count(WM_CTLCOLORLISTBOX), 1);
    HWND list = list_window();
    char cls[32] = {};
    GetClassNameA(list, cls, sizeof cls);
    EXPECT_STREQ(cls, "ComboLBox");
    // An owned pop-up, so that it can hang below the box; the window manager
    // names the owner's top-level window as its owner.
    EXPECT_FALSE(GetWindowLongA(list, GWL_STYLE) & WS_CHILD);
    EXPECT_TRUE(GetParent(list) == cb || GetParent(list) == parent);
    EXPECT_TRUE(IsWindowVisible(list));
    // It asks again before every paint.
    int asked = count(WM_CTLCOLORLISTBOX);
    InvalidateRect(list, nullptr, TRUE);
    headless::pump();
    EXPECT_EQ(count(WM_CTLCOLORLISTBOX), asked + 1);
    EXPECT_EQ(codes(), (std::vector<WORD>{CBN_SETFOCUS, CBN_DROPDOWN}));
    headless::key_press(VK_DOWN);
    EXPECT_TRUE(headless::save_png(list, testsupport::output_path("controls_combo_list.png")));
}

TEST_F(ComboTest, ListColoursComeFromTheParentsBrush) {
    HBRUSH brush = CreateSolidBrush(RGB(250, 240, 200));
    answer_brush = brush;
    HWND cb = combo(CBS_DROPDOWNLIST, 1);
    SendMessageA(cb, CB_SHOWDROPDOWN, TRUE, 0);
    headless::pump();
    HWND list = list_window();
    ASSERT_TRUE(list);
    RECT rc{};
    GetClientRect(list, &rc);
    // Right of the one item's text, the list shows the parent's brush.
    EXPECT_TRUE(testsupport::ScreenPixelIs(list, rc.right - 3, rc.bottom - 2, RGB(250, 240, 200)));
    DestroyWindow(parent);
    DeleteObject(brush);
}

TEST_F(ComboTest, ChoosingWithTheMouse) {
    HWND cb = combo(CBS_DROPDOWNLIST);
    click(cb);
    HWND list = list_window();
    ASSERT_TRUE(list);
    RECT lr{};
    GetWindowRect(list, &lr);
    int item_height = static_cast<int>(SendMessageA(cb, CB_GETITEMHEIGHT, 0, 0));
    // The release of the opening click landed on the box: the list stays open.
    EXPECT_TRUE(SendMessageA(cb, CB_GETDROPPEDSTATE, 0, 0));
    clear();
    headless::click(lr.left + 10, lr.top + 1 + item_height + item_height / 2);
    EXPECT_FALSE(SendMessageA(cb, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(SendMessageA(cb, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(codes(), (std::vector<WORD>{CBN_CLOSEUP, CBN_SELCHANGE}));
    EXPECT_FALSE(IsWindowVisible(list));
    char text[16] = {};
    GetWindowTextA(cb, text, sizeof text);
    EXPECT_STREQ(text, "beta");
}

TEST_F(ComboTest, AClickElsewhereClosesWithoutChoosing) {
    HWND cb = combo(CBS_DROPDOWNLIST);
    click(cb);
    clear();
    headless::click(300, 200);
    EXPECT_FALSE(SendMessageA(cb, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(SendMessageA(cb, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(codes(), std::vector<WORD>{CBN_CLOSEUP});
}

struct KeyCase {
    const char* name;
    DWORD style;
    std::vector<std::pair<int, bool>> keys;  // vk, Alt held
    LRESULT dropped;
    LRESULT selection;
};

TEST_F(ComboTest, Keyboard) {
    const KeyCase cases[] = {
        {"F4 opens", CBS_DROPDOWNLIST, {{VK_F4, false}}, TRUE, CB_ERR},
        {"Alt+Down opens", CBS_DROPDOWNLIST, {{VK_DOWN, true}}, TRUE, CB_ERR},
        {"Escape closes without a choice", CBS_DROPDOWNLIST, {{VK_F4, false}, {VK_DOWN, false}, {VK_ESCAPE, false}}, FALSE, CB_ERR},
        {"Enter takes the lit item", CBS_DROPDOWNLIST, {{VK_F4, false}, {VK_DOWN, false}, {VK_DOWN, false}, {VK_RETURN, false}}, FALSE, 1},
        {"Down on a closed box selects", CBS_DROPDOWNLIST, {{VK_DOWN, false}, {VK_DOWN, false}}, FALSE, 1},
        {"the edit field passes F4 on", CBS_DROPDOWN, {{VK_F4, false}}, TRUE, CB_ERR},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        HWND cb = combo(c.style);
        SetFocus(cb);
        for (auto [vk, alt] : c.keys) {
            if (alt) headless::key_down(VK_MENU);
            headless::key_press(vk);
            if (alt) headless::key_up(VK_MENU);
        }
        EXPECT_EQ(SendMessageA(cb, CB_GETDROPPEDSTATE, 0, 0), c.dropped);
        EXPECT_EQ(SendMessageA(cb, CB_GETCURSEL, 0, 0), c.selection);
        DestroyWindow(cb);
        headless::pump();
    }
}

TEST_F(ComboTest, DropDownHasAnEditChild) {
    HWND cb = combo(CBS_DROPDOWN);
    HWND edit = GetWindow(cb, GW_CHILD);
    char cls[16] = {};
    GetClassNameA(edit, cls, sizeof cls);
    EXPECT_STREQ(cls, "Edit");
    SendMessageA(cb, CB_SETCURSEL, 2, 0);
    char text[16] = {};
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "gamma");
    EXPECT_TRUE(codes().empty()) << "the box filling its own field is no edit";
    SetFocus(cb);
    EXPECT_EQ(GetFocus(), edit);
    headless::type_text("x");
    EXPECT_EQ(codes().back(), CBN_EDITCHANGE);
}

TEST_F(ComboTest, ItemMessagesAndOutOfRangeIndices) {
    HWND cb = combo(CBS_DROPDOWNLIST, 0);
    EXPECT_EQ(SendMessageA(cb, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("b")), 0);
    EXPECT_EQ(SendMessageA(cb, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("a")), 0);
    EXPECT_EQ(SendMessageA(cb, CB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("c")), 2);
    EXPECT_EQ(SendMessageA(cb, CB_ADDSTRING, 0, 0), 3) << "NULL text adds an empty item";
    EXPECT_EQ(SendMessageA(cb, CB_GETCOUNT, 0, 0), 4);
    char text[8] = "zzzzzzz";
    EXPECT_EQ(SendMessageA(cb, CB_GETLBTEXT, 99, reinterpret_cast<LPARAM>(text)), CB_ERR);
    EXPECT_EQ(SendMessageA(cb, CB_GETLBTEXT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text)), CB_ERR);
    EXPECT_EQ(SendMessageA(cb, CB_GETLBTEXT, 0, 0), CB_ERR);
    EXPECT_STREQ(text, "zzzzzzz");
    EXPECT_EQ(SendMessageA(cb, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text)), 1);
    EXPECT_STREQ(text, "b");
    EXPECT_EQ(SendMessageA(cb, CB_SETCURSEL, 2, 0), 2);
    EXPECT_EQ(SendMessageA(cb, CB_SETCURSEL, 99, 0), CB_ERR);
    EXPECT_EQ(SendMessageA(cb, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(SendMessageA(cb, CB_SETCURSEL, 2, 0), 2);
    EXPECT_EQ(SendMessageA(cb, CB_DELETESTRING, 0, 0), 3);
    EXPECT_EQ(SendMessageA(cb, CB_GETCURSEL, 0, 0), 1) << "the selection follows its item";
    EXPECT_EQ(SendMessageA(cb, CB_DELETESTRING, 99, 0), CB_ERR);
    EXPECT_EQ(SendMessageA(cb, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("C")), 1);
    SendMessageA(cb, CB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessageA(cb, CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageA(cb, CB_GETCURSEL, 0, 0), CB_ERR);
    SendMessageA(cb, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_TRUE(SendMessageA(cb, CB_GETDROPPEDSTATE, 0, 0)) << "an empty list still drops";
}

TEST_F(ComboTest, DestroyedWhileDroppedTakesItsListAlong) {
    HWND cb = combo(CBS_DROPDOWNLIST);
    click(cb);
    HWND list = list_window();
    ASSERT_TRUE(IsWindow(list));
    ASSERT_EQ(GetCapture(), list);
    DestroyWindow(cb);
    EXPECT_FALSE(IsWindow(list));
    EXPECT_EQ(GetCapture(), HWND());
    headless::click(50, 50);
    EXPECT_EQ(headless::window_count(), 1);
}

TEST_F(ComboTest, SimpleComboShowsItsListAlways) {
    HWND cb = make("ComboBox", CBS_SIMPLE, 10, 10, 120, 100, "", 4);
    SendMessageA(cb, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("one"));
    SendMessageA(cb, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("two"));
    headless::pump();
    HWND list = HWND();
    for (HWND h = GetWindow(cb, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        char cls[16] = {};
        GetClassNameA(h, cls, sizeof cls);
        if (std::strcmp(cls, "ComboLBox") == 0) list = h;
    }
    ASSERT_TRUE(list);
    EXPECT_TRUE(IsWindowVisible(list));
    clear();
    RECT lr{};
    GetWindowRect(list, &lr);
    int item_height = static_cast<int>(SendMessageA(cb, CB_GETITEMHEIGHT, 0, 0));
    headless::click(lr.left + 10, lr.top + 2 + item_height + item_height / 2);
    EXPECT_EQ(SendMessageA(cb, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(codes().back(), CBN_SELCHANGE);
    EXPECT_FALSE(SendMessageA(cb, CB_GETDROPPEDSTATE, 0, 0));
}

}  // namespace
}  // namespace controltest
