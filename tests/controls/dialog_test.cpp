// Dialog boxes: creation from a table, the modal loop and WM_ENTERIDLE,
// keyboard navigation, EndDialog, and MessageBoxA.

#include <cstring>

#include "tests/controls/control_fixture.h"

namespace controltest {
namespace {

const DLGITEMTEMPLATEA kItems[] = {
    {"Static", "Name:", SS_LEFT, 0, 10, 10, 60, 16, 100},
    {"Edit", "", WS_TABSTOP | ES_AUTOHSCROLL, 0, 80, 10, 100, 20, 101},
    {"Button", "Remember", WS_TABSTOP | BS_AUTOCHECKBOX, 0, 80, 36, 100, 20, 102},
    {"Button", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 40, 70, 70, 24, IDOK},
    {"Button", "Cancel", WS_TABSTOP, 0, 120, 70, 70, 24, IDCANCEL},
};

DLGTEMPLATEA sample_template() {
    DLGTEMPLATEA t;
    t.style = WS_POPUP | WS_CAPTION;
    t.caption = "Sample";
    t.x = 20;
    t.y = 20;
    t.cx = 200;
    t.cy = 110;
    t.items = kItems;
    t.itemCount = 5;
    return t;
}

// A dialog procedure that ends with the id of whatever button is clicked.
INT_PTR ending_proc(HWND dialog, UINT msg, WPARAM wp, LPARAM) {
    if (msg == WM_INITDIALOG) return TRUE;
    if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wp));
        return TRUE;
    }
    return FALSE;
}

class DialogTest : public ControlTest {};

int g_ticks = 0;
void count_tick(HWND, UINT, UINT_PTR, DWORD) { ++g_ticks; }

TEST_F(DialogTest, ModelessCreationFromATable) {
    DLGTEMPLATEA t = sample_template();
    t.style |= WS_VISIBLE;
    HWND dialog = CreateDialogIndirectParamA(HINSTANCE(), &t, parent, ending_proc, 0);
    ASSERT_TRUE(dialog);
    char cls[16] = {};
    GetClassNameA(dialog, cls, sizeof cls);
    EXPECT_STREQ(cls, "#32770");
    EXPECT_EQ(GetParent(dialog), parent) << "owned by the parent";
    RECT rc{};
    GetWindowRect(dialog, &rc);
    EXPECT_EQ(rc.left, 20);
    EXPECT_EQ(rc.right - rc.left, 200);
    HWND edit = GetDlgItem(dialog, 101);
    EXPECT_EQ(GetFocus(), edit) << "WM_INITDIALOG answered TRUE: the first tab stop has the focus";
    EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0), MAKELRESULT(IDOK, static_cast<int>(DC_HASDEFID)));
    EXPECT_TRUE(SetDlgItemTextA(dialog, 101, "abc"));
    char text[8] = {};
    EXPECT_EQ(GetDlgItemTextA(dialog, 101, text, sizeof text), 3u);
    EXPECT_STREQ(text, "abc");
    EXPECT_EQ(GetDlgItemTextA(dialog, 999, text, sizeof text), 0u);
    EXPECT_EQ(SendDlgItemMessageA(dialog, 102, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    DestroyWindow(dialog);
}

TEST_F(DialogTest, TabOrderFollowsTheTableAndSkipsWhatCannotTakeFocus) {
    DLGTEMPLATEA t = sample_template();
    t.style |= WS_VISIBLE;
    HWND dialog = CreateDialogIndirectParamA(HINSTANCE(), &t, parent, ending_proc, 0);
    EnableWindow(GetDlgItem(dialog, 102), FALSE);
    const int forward[] = {IDOK, IDCANCEL, 101, IDOK};
    for (int id : forward) {
        headless::key_press(VK_TAB);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, id)) << "Tab to " << id;
    }
    press_key(VK_TAB, true);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, 101)) << "Shift+Tab goes back";
    EXPECT_EQ(GetNextDlgTabItem(dialog, HWND(), TRUE), GetDlgItem(dialog, IDCANCEL));
    EXPECT_EQ(GetNextDlgTabItem(HWND(), HWND(), FALSE), HWND());
    DestroyWindow(dialog);
}

TEST_F(DialogTest, ModalLoopSendsEnterIdleToTheDisabledOwner) {
    DLGTEMPLATEA t = sample_template();
    int idles = 0;
    bool owner_enabled_while_idle = true;
    HWND seen;
    on_idle = [&](HWND dialog) {
        seen = dialog;
        owner_enabled_while_idle = IsWindowEnabled(parent) != FALSE;
        // Each idle posts a message, so the loop has work and comes back idle again.
        if (++idles == 3) SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        else PostMessageA(dialog, WM_NULL, 0, 0);
    };
    INT_PTR result = DialogBoxIndirectParamA(HINSTANCE(), &t, parent, ending_proc, 0);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(idles, 3);
    EXPECT_FALSE(owner_enabled_while_idle);
    ASSERT_EQ(count(WM_ENTERIDLE), 3);
    for (const Notice& n : notices) {
        if (n.msg == WM_ENTERIDLE) {
            EXPECT_EQ(n.id, static_cast<int>(MSGF_DIALOGBOX));
            EXPECT_EQ(n.lp, HandleToLong(seen));
        }
    }
    EXPECT_FALSE(IsWindow(seen)) << "the dialog is gone after the loop";
    EXPECT_TRUE(IsWindowEnabled(parent));
}

TEST_F(DialogTest, KeysDriveAModalDialog) {
    struct Case {
        const char* name;
        std::vector<int> keys;
        INT_PTR result;
    };
    const Case cases[] = {
        {"Enter presses the default button", {VK_RETURN}, IDOK},
        {"Escape cancels", {VK_ESCAPE}, IDCANCEL},
        {"Enter on a focused push button presses it", {VK_TAB, VK_TAB, VK_TAB, VK_RETURN}, IDCANCEL},
        {"Space on a focused push button", {VK_TAB, VK_TAB, VK_TAB, VK_SPACE}, IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DLGTEMPLATEA t = sample_template();
        on_idle = [&](HWND) {
            for (int vk : c.keys) headless::key_press(vk);
        };
        EXPECT_EQ(DialogBoxIndirectParamA(HINSTANCE(), &t, parent, ending_proc, 0), c.result);
    }
}

TEST_F(DialogTest, PostedKeysGoThroughIsDialogMessage) {
    // Keys that arrive through the queue meet the modal loop's IsDialogMessageA
    // before any control sees them.
    DLGTEMPLATEA t = sample_template();
    int focused_after_tab = 0;
    int idles = 0;
    on_idle = [&](HWND) {
        ++idles;
        if (idles == 1) PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        if (idles == 2) {
            focused_after_tab = GetDlgCtrlID(GetFocus());
            PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
        }
    };
    EXPECT_EQ(DialogBoxIndirectParamA(HINSTANCE(), &t, parent, ending_proc, 0), IDCANCEL);
    EXPECT_EQ(idles, 2);
    EXPECT_EQ(focused_after_tab, 102) << "Tab moved from the edit box to the check box";
}

TEST_F(DialogTest, FocusComesBackAfterANestedMessageBox) {
    DLGTEMPLATEA t = sample_template();
    int idles = 0;
    int focused_after_box = 0;
    on_idle = [&](HWND dialog) {
        ++idles;
        if (idles == 1) {
            SetFocus(GetDlgItem(dialog, IDCANCEL));
            // The message box is owned by the dialog: its own idles go to the dialog, which
            // has no idle handler, so the headless loop cancels it at once.
            MessageBoxA(dialog, "Sure?", "Question", MB_OKCANCEL);
            focused_after_box = GetDlgCtrlID(GetFocus());
            EndDialog(dialog, IDOK);
        }
    };
    EXPECT_EQ(DialogBoxIndirectParamA(HINSTANCE(), &t, parent, ending_proc, 0), IDOK);
    EXPECT_EQ(focused_after_box, IDCANCEL);
}

TEST_F(DialogTest, ClosedOrDestroyedFromInsideEnterIdle) {
    DLGTEMPLATEA t = sample_template();
    on_idle = [](HWND dialog) { EndDialog(dialog, 42); };
    EXPECT_EQ(DialogBoxIndirectParamA(HINSTANCE(), &t, parent, ending_proc, 0), 42);
    on_idle = [](HWND dialog) { DestroyWindow(dialog); };
    EXPECT_EQ(DialogBoxIndirectParamA(HINSTANCE(), &t, parent, ending_proc, 0), IDCANCEL);
    EXPECT_TRUE(IsWindowEnabled(parent));
    EXPECT_EQ(headless::window_count(), 1);
}

TEST_F(DialogTest, HeadlessLoopWithNothingToDoCancels) {
    DLGTEMPLATEA t = sample_template();
    // No idle handler and no timer: nothing can ever press a button.
    EXPECT_EQ(DialogBoxIndirectParamA(HINSTANCE(), &t, parent, ending_proc, 0), IDCANCEL);
    // With a timer the virtual clock jumps to it instead.
    g_ticks = 0;
    int idles = 0;
    on_idle = [&](HWND dialog) {
        if (++idles == 1) SetTimer(parent, 5, 1000, count_tick);
        if (g_ticks == 2) EndDialog(dialog, IDOK);
    };
    EXPECT_EQ(DialogBoxIndirectParamA(HINSTANCE(), &t, parent, ending_proc, 0), IDOK);
    EXPECT_EQ(g_ticks, 2);
    EXPECT_GE(headless::now(), 2000u);
    KillTimer(parent, 5);
}

TEST_F(DialogTest, BadArguments) {
    EXPECT_EQ(CreateDialogIndirectParamA(HINSTANCE(), nullptr, parent, ending_proc, 0), HWND());
    EXPECT_EQ(DialogBoxIndirectParamA(HINSTANCE(), nullptr, parent, ending_proc, 0), -1);
    DLGTEMPLATEA t = sample_template();
    EXPECT_EQ(DialogBoxIndirectParamA(HINSTANCE(), &t, HWND(0x12345u), ending_proc, 0), -1) << "dead owner";
    DLGITEMTEMPLATEA bad[] = {{"NoSuchClass", "", 0, 0, 0, 0, 10, 10, 1}};
    t.items = bad;
    t.itemCount = 1;
    EXPECT_EQ(CreateDialogIndirectParamA(HINSTANCE(), &t, parent, ending_proc, 0), HWND());
    t.itemCount = -3;
    EXPECT_EQ(CreateDialogIndirectParamA(HINSTANCE(), &t, parent, ending_proc, 0), HWND());
    EXPECT_FALSE(EndDialog(parent, 1)) << "not a dialog";
    EXPECT_FALSE(EndDialog(HWND(), 1));
    EXPECT_FALSE(IsDialogMessageA(HWND(), nullptr));
    EXPECT_EQ(headless::window_count(), 1);
}

TEST_F(DialogTest, MessageBoxButtonsAndLayout) {
    struct Case {
        UINT type;
        int press;  // button id clicked from WM_ENTERIDLE, 0 for Escape
        int result;
    };
    const Case cases[] = {
        {MB_OK, IDOK, IDOK},           {MB_OK, 0, IDOK},
        {MB_OKCANCEL, IDCANCEL, IDCANCEL}, {MB_OKCANCEL, 0, IDCANCEL},
        {MB_YESNO, IDYES, IDYES},      {MB_YESNO, IDNO, IDNO},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.type) + " pressing " + std::to_string(c.press));
        RECT box{};
        std::string caption;
        on_idle = [&](HWND dialog) {
            GetWindowRect(dialog, &box);
            char text[32] = {};
            GetWindowTextA(dialog, text, sizeof text);
            caption = text;
            if (c.press) {
                HWND button = GetDlgItem(dialog, c.press);
                ASSERT_TRUE(button);
                click(button);
            } else {
                headless::key_press(VK_ESCAPE);
            }
        };
        EXPECT_EQ(MessageBoxA(parent, "Something happened.\r\nSecond line.", "Zelvio", c.type), c.result);
        EXPECT_GE(box.right - box.left, 160) << "room for the buttons";
        EXPECT_EQ(caption, "Zelvio");
        // Centred on the owner (320 x 240 at 0, 0).
        EXPECT_NEAR((box.left + box.right) / 2, 160, 1);
        EXPECT_NEAR((box.top + box.bottom) / 2, 120, 1);
    }
}

TEST_F(DialogTest, MessageBoxIsSizedToItsText) {
    auto width_for = [&](const char* text) {
        int width = 0;
        on_idle = [&](HWND dialog) {
            RECT rc{};
            GetWindowRect(dialog, &rc);
            width = rc.right - rc.left;
            EndDialog(dialog, IDOK);
        };
        MessageBoxA(parent, text, "t", MB_OK);
        return width;
    };
    on_idle = [](HWND dialog) {
        headless::pump();
        EXPECT_TRUE(headless::save_png(dialog, testsupport::output_path("controls_message_box.png")));
        EndDialog(dialog, IDOK);
    };
    MessageBoxA(parent, "转到 the gateway?\r\nA second line.", "Zelvio", MB_YESNO);
    int narrow = width_for("Hi");
    int wide = width_for("A much longer message that needs a wider box than two letters do");
    EXPECT_GT(wide, narrow);
}

TEST_F(DialogTest, MessageBoxWithNullTextAndNoOwner) {
    EXPECT_EQ(MessageBoxA(HWND(), nullptr, nullptr, MB_YESNO), IDCANCEL) << "headless, nobody answers";
    EXPECT_EQ(headless::window_count(), 1);
}

}  // namespace
}  // namespace controltest
