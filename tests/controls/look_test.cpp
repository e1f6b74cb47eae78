// The classic look of each control in its normal, pressed, focused and
// disabled states, by a few telling pixels of the screen surface. The parent
// sits at 0, 0, so screen pixels are parent-client pixels.

#include "tests/controls/control_fixture.h"

namespace controltest {
namespace {

class ControlLook : public ControlTest {
protected:
    COLORREF sys(int index) { return GetSysColor(index); }
    ::testing::AssertionResult at(int x, int y, COLORREF c) { return testsupport::ScreenPixelIs(parent, x, y, c); }
    ::testing::AssertionResult not_at(int x, int y, COLORREF c) {
        COLORREF actual = testsupport::ScreenPixel(parent, x, y);
        if (actual != c) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "screen pixel (" << x << ", " << y << ") should not be 0x" << std::hex << c;
    }
    // Pixels inside rc (screen) exactly of colour c.
    int pixels_of(RECT rc, COLORREF c) {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x) n += testsupport::ScreenPixel(parent, x, y) == c;
        return n;
    }
};

TEST_F(ControlLook, PushButton) {
    HWND b = make("Button", BS_PUSHBUTTON, 10, 10, 80, 24, "OK");
    // Normal: white and light above-left, black and shadow below-right, face inside.
    EXPECT_TRUE(at(10, 10, sys(COLOR_BTNHIGHLIGHT)));
    EXPECT_TRUE(at(11, 11, sys(COLOR_3DLIGHT)));
    EXPECT_TRUE(at(89, 33, sys(COLOR_3DDKSHADOW)));
    EXPECT_TRUE(at(88, 32, sys(COLOR_BTNSHADOW)));
    EXPECT_TRUE(at(12, 16, sys(COLOR_BTNFACE)));
    EXPECT_TRUE(at(13, 13, sys(COLOR_BTNFACE))) << "no focus rectangle yet";
    EXPECT_GT(pixels_of(RECT{30, 14, 70, 30}, sys(COLOR_BTNTEXT)), 0) << "a black caption";

    // Pressed: a black ring with the shadow inside.
    POINT c = centre(b);
    headless::mouse_down(c.x, c.y);
    EXPECT_TRUE(at(10, 10, sys(COLOR_3DDKSHADOW)));
    EXPECT_TRUE(at(11, 11, sys(COLOR_BTNSHADOW)));
    // Focused (the press took the focus): the dotted rectangle 3 pixels in.
    headless::mouse_up(c.x, c.y);
    EXPECT_TRUE(at(10, 10, sys(COLOR_BTNHIGHLIGHT)));
    EXPECT_TRUE(not_at(13, 13, sys(COLOR_BTNFACE)) || not_at(14, 13, sys(COLOR_BTNFACE)));

    // Disabled: grey caption, no black text.
    EnableWindow(b, FALSE);
    headless::pump();
    EXPECT_EQ(pixels_of(RECT{30, 14, 70, 30}, sys(COLOR_BTNTEXT)), 0);
    EXPECT_GT(pixels_of(RECT{30, 14, 70, 30}, sys(COLOR_GRAYTEXT)), 0);
}

TEST_F(ControlLook, DefaultPushButtonWearsABlackRing) {
    make("Button", BS_DEFPUSHBUTTON, 10, 10, 80, 24, "OK");
    EXPECT_TRUE(at(10, 10, sys(COLOR_3DDKSHADOW)));
    EXPECT_TRUE(at(11, 11, sys(COLOR_BTNHIGHLIGHT)));
}

TEST_F(ControlLook, CheckBox) {
    // 13 x 13 box at (10, 14): 20 - 13 leaves 7 rows, halved to 3.5 and rounded to the even 4.
    HWND b = make("Button", BS_AUTOCHECKBOX, 10, 10, 100, 20, "Check");
    EXPECT_TRUE(at(10, 14, sys(COLOR_BTNSHADOW)));
    EXPECT_TRUE(at(22, 26, sys(COLOR_BTNHIGHLIGHT)));
    EXPECT_TRUE(at(11, 15, sys(COLOR_3DDKSHADOW)));
    EXPECT_TRUE(at(12, 16, sys(COLOR_WINDOW)));
    EXPECT_TRUE(at(13, 19, sys(COLOR_WINDOW))) << "no tick yet";
    SendMessageA(b, BM_SETCHECK, BST_CHECKED, 0);
    headless::pump();
    EXPECT_TRUE(at(13, 19, sys(COLOR_WINDOWTEXT)));
    // Pressed: the inside turns to the face colour.
    POINT c = centre(b);
    headless::mouse_down(c.x, c.y);
    EXPECT_TRUE(at(12, 16, sys(COLOR_BTNFACE)));
    headless::mouse_up(c.x, c.y);
    // Focused: a dotted rectangle around the caption, which starts 4 pixels right of the box.
    EXPECT_TRUE(not_at(26, 19, sys(COLOR_BTNFACE)) || not_at(26, 20, sys(COLOR_BTNFACE)));
    // Disabled: grey tick on the face colour (the click unchecked it; check it again).
    SendMessageA(b, BM_SETCHECK, BST_CHECKED, 0);
    EnableWindow(b, FALSE);
    headless::pump();
    EXPECT_TRUE(at(12, 16, sys(COLOR_BTNFACE)));
    EXPECT_TRUE(at(13, 19, sys(COLOR_BTNSHADOW)));
}

TEST_F(ControlLook, OptionButton) {
    // 13 x 13 circle at (10, 14); its centre pixel (16, 20) carries the dot.
    HWND b = make("Button", BS_AUTORADIOBUTTON, 10, 10, 100, 20, "Option");
    EXPECT_TRUE(at(10, 20, sys(COLOR_BTNSHADOW)));
    EXPECT_TRUE(at(22, 20, sys(COLOR_BTNHIGHLIGHT)));
    EXPECT_TRUE(at(16, 20, sys(COLOR_WINDOW)));
    click(b);
    EXPECT_TRUE(at(16, 20, sys(COLOR_WINDOWTEXT)));
    EnableWindow(b, FALSE);
    headless::pump();
    EXPECT_TRUE(at(16, 20, sys(COLOR_BTNSHADOW)));
    EXPECT_TRUE(at(14, 18, sys(COLOR_BTNFACE)));
}

TEST_F(ControlLook, LeftTextPutsTheBoxOnTheRight) {
    make("Button", BS_AUTOCHECKBOX | BS_LEFTTEXT, 10, 10, 100, 20, "Check");
    EXPECT_TRUE(at(110 - 13, 14, sys(COLOR_BTNSHADOW)));
    EXPECT_TRUE(at(10, 14, sys(COLOR_BTNFACE)));
}

TEST_F(ControlLook, StaticText) {
    HWND label = make("Static", SS_CENTER, 10, 10, 100, 20, "Label");
    RECT text{10, 10, 110, 30};
    EXPECT_GT(pixels_of(text, sys(COLOR_WINDOWTEXT)), 0);
    EXPECT_TRUE(at(12, 12, sys(COLOR_BTNFACE))) << "centred: the left end is background";
    EnableWindow(label, FALSE);
    headless::pump();
    EXPECT_EQ(pixels_of(text, sys(COLOR_WINDOWTEXT)), 0);
    EXPECT_GT(pixels_of(text, sys(COLOR_GRAYTEXT)), 0);
}

TEST_F(ControlLook, GroupBoxAndFrameDrawAnEtchedLine) {
    make("Button", BS_GROUPBOX, 10, 10, 100, 60, "Group");
    make("Frame", 0, 150, 10, 100, 60, "Frame");
    for (int left : {10, 150}) {
        EXPECT_TRUE(at(left, 50, sys(COLOR_BTNSHADOW)));
        EXPECT_TRUE(at(left + 1, 50, sys(COLOR_BTNHIGHLIGHT)));
        EXPECT_TRUE(at(left + 50, 68, sys(COLOR_BTNSHADOW)));
        EXPECT_TRUE(at(left + 50, 69, sys(COLOR_BTNHIGHLIGHT)));
    }
}

TEST_F(ControlLook, EditBox) {
    // Text starts 2 pixels in; the caret shows there while focused.
    HWND e = make("Edit", ES_AUTOHSCROLL, 10, 10, 100, 20, "    ");
    EXPECT_TRUE(at(50, 15, sys(COLOR_WINDOW)));
    EXPECT_TRUE(at(12, 14, sys(COLOR_WINDOW)));
    SetFocus(e);
    headless::pump();
    EXPECT_TRUE(at(12, 14, sys(COLOR_WINDOWTEXT))) << "the caret";
    SendMessageA(e, EM_SETSEL, 0, -1);
    headless::pump();
    EXPECT_TRUE(at(14, 14, sys(COLOR_HIGHLIGHT))) << "selected blanks";
    EnableWindow(e, FALSE);
    headless::pump();
    EXPECT_TRUE(at(50, 15, sys(COLOR_BTNFACE))) << "a disabled box sits on the face colour";
}

TEST_F(ControlLook, ParentBrushPaintsTheBackground) {
    HBRUSH brush = CreateSolidBrush(RGB(10, 200, 30));
    answer_brush = brush;
    make("Static", SS_LEFT, 10, 10, 80, 20, "");
    make("Edit", 0, 10, 40, 80, 20, "");
    EXPECT_TRUE(at(50, 15, RGB(10, 200, 30)));
    EXPECT_TRUE(at(50, 45, RGB(10, 200, 30)));
    DestroyWindow(parent);
    DeleteObject(brush);
}

TEST_F(ControlLook, DropDownListCombo) {
    HWND cb = make("ComboBox", CBS_DROPDOWNLIST, 10, 10, 120, 22, "");
    const int right = 10 + 120;
    EXPECT_TRUE(at(10, 10, sys(COLOR_BTNSHADOW))) << "sunken edge";
    EXPECT_TRUE(at(right - 19, 12, sys(COLOR_BTNHIGHLIGHT))) << "raised drop button";
    EXPECT_TRUE(at(15, 20, sys(COLOR_WINDOW)));
    SetFocus(cb);
    headless::pump();
    EXPECT_TRUE(at(15, 20, sys(COLOR_HIGHLIGHT))) << "the focused face is lit";
    SendMessageA(cb, CB_SHOWDROPDOWN, TRUE, 0);
    headless::pump();
    EXPECT_TRUE(at(right - 19, 12, sys(COLOR_3DDKSHADOW))) << "pushed drop button while dropped";
    SendMessageA(cb, CB_SHOWDROPDOWN, FALSE, 0);
    EnableWindow(cb, FALSE);
    headless::pump();
    RECT button{right - 17, 14, right - 4, 28};  // inside the button's bevel
    EXPECT_EQ(pixels_of(button, sys(COLOR_BTNTEXT)), 0);
    EXPECT_GT(pixels_of(button, sys(COLOR_GRAYTEXT)), 0) << "a grey arrow";
}

TEST_F(ControlLook, ListBoxSelectionAndFocus) {
    HWND lb = make("ListBox", 0, 10, 10, 100, 80, "");
    SendMessageA(lb, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("one"));
    SendMessageA(lb, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("two"));
    headless::pump();
    EXPECT_TRUE(at(105, 12, sys(COLOR_WINDOW)));
    SendMessageA(lb, LB_SETCURSEL, 0, 0);
    headless::pump();
    EXPECT_TRUE(at(105, 12, sys(COLOR_HIGHLIGHT)));
    SetFocus(lb);
    headless::pump();
    EXPECT_TRUE(not_at(10, 12, sys(COLOR_HIGHLIGHT)) || not_at(10, 13, sys(COLOR_HIGHLIGHT))) << "focus rectangle";
}

TEST_F(ControlLook, HeaderAndProgressBar) {
    HWND hd = make("SysHeader32", HDS_BUTTONS, 10, 10, 200, 20, "");
    HDITEMA item;
    item.mask = HDI_TEXT | HDI_WIDTH;
    item.cxy = 60;
    item.pszText = const_cast<char*>("Name");
    SendMessageA(hd, HDM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    headless::pump();
    EXPECT_TRUE(at(10, 10, sys(COLOR_BTNHIGHLIGHT)));
    EXPECT_TRUE(at(69, 29, sys(COLOR_BTNSHADOW)));
    headless::mouse_down(30, 20);
    EXPECT_TRUE(at(10, 10, sys(COLOR_3DDKSHADOW))) << "pressed item";
    headless::mouse_up(30, 20);

    HWND bar = make("msctls_progress32", PBS_SMOOTH, 10, 50, 102, 12, "");
    SendMessageA(bar, PBM_SETPOS, 50, 0);
    headless::pump();
    EXPECT_TRUE(at(20, 55, sys(COLOR_HIGHLIGHT)));
    EXPECT_TRUE(at(100, 55, sys(COLOR_BTNFACE)));
    HWND up = make("msctls_progress32", PBS_SMOOTH | PBS_VERTICAL, 150, 50, 12, 102, "");
    SendMessageA(up, PBM_SETPOS, 25, 0);
    headless::pump();
    EXPECT_TRUE(at(155, 145, sys(COLOR_HIGHLIGHT))) << "grows from the bottom";
    EXPECT_TRUE(at(155, 60, sys(COLOR_BTNFACE)));
}

}  // namespace
}  // namespace controltest
