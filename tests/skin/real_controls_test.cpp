// The engine on the real standard controls and the forms runtime: a form laid
// out like the browser window, a message box that enters its idle loop, and a
// combo box that drops its list.

#include <string>

#include "platform/forms/forms.h"
#include "platform/headless.h"
#include "tests/skin/skin_fixture.h"
#include "tests/support/browser_like_forms.h"

namespace {

using skintest::SkinTest;
using testsupport::ScreenPixelIs;

TEST_F(SkinTest, BrowserLikeFormIsSkinnedFromItsLoadEvent) {
    forms::reset();
    forms::Form* form = forms::load_form(testsupport::BrowserWindowForm("TestTextBox"), forms::FormEvents{
                                                                 .load = [](forms::Form& f) { mSkinner::SkinForm(f.hwnd()); },
                                                                 .click = nullptr,
                                                             });
    ASSERT_NE(form, nullptr);
    headless::pump();
    EXPECT_EQ(mSkinner::SkinnedWindowCount(), 7) << "the form and its six controls";

    for (const char* name : {"Command1", "Command2"}) {
        HWND button = form->control(name);
        EXPECT_NE(GetPropA(button, "HDC3"), 0) << name;
        EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << name;
    }
    for (const char* name : {"Text1", "Text2", "Frame1", "WebBrowser1"}) {
        EXPECT_NE(GetPropA(form->control(name), "PROCADDR"), 0) << name;
        EXPECT_EQ(GetPropA(form->control(name), "OLDSTYLE"), 0) << name;
    }

    // Command1 at (216, 536), 49 x 25: blue outline, rounded corners.
    EXPECT_TRUE(ScreenPixelIs(form->hwnd(), 216, 536 + 12, 0xD58F1B));
    EXPECT_TRUE(ScreenPixelIs(form->hwnd(), 216 + 24, 536, 0xD58F1B));
    headless::save_png(form->hwnd(), testsupport::output_path("skin_browser_like_form.png"));

    DestroyWindow(form->hwnd());
    EXPECT_EQ(mSkinner::SkinnedWindowCount(), 0);
    EXPECT_FALSE(mSkinner::IsSkinInitialised());
    forms::reset();
}

// The owner of a message box: on each idle message it looks whether the skin
// has attached the box yet, and closes the box once it has.
struct IdleWatch {
    static inline int idleMessages = 0;
    static inline bool boxAttached = false;
    static inline bool buttonHasFaces = false;
    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_ENTERIDLE && lParam != 0) {
            ++idleMessages;
            HWND box = LongToHandle<HWND>(lParam);
            if (GetPropA(box, "PROCADDR") != 0) {
                boxAttached = true;
                HWND ok = GetDlgItem(box, IDOK);
                buttonHasFaces = ok && GetPropA(ok, "HDC0") != 0 && GetPropA(ok, "PROCADDR") != 0;
                EndDialog(box, IDOK);
            }
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
};

TEST_F(SkinTest, MessageBoxIsAttachedWithItsButtonsOnItsFirstIdle) {
    WNDCLASSA wc;
    wc.lpfnWndProc = &IdleWatch::Proc;
    wc.lpszClassName = "IdleWatchForm";
    WNDCLASSA existing;
    if (!GetClassInfoA(HINSTANCE(), wc.lpszClassName, &existing)) {
        ASSERT_NE(RegisterClassA(&wc), 0);
    }
    IdleWatch::idleMessages = 0;
    IdleWatch::boxAttached = IdleWatch::buttonHasFaces = false;

    HWND owner = MakeTopLevel("IdleWatchForm", 300, 200);
    ASSERT_EQ(mSkinner::SkinForm(owner), 1);
    headless::pump();
    const int result = MessageBoxA(owner, "Leave the page?", "Zelvio", MB_OK);
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(IdleWatch::boxAttached);
    EXPECT_TRUE(IdleWatch::buttonHasFaces);
    EXPECT_GE(IdleWatch::idleMessages, 2) << "attached after the first idle message, seen on the next";
    EXPECT_EQ(mSkinner::SkinnedWindowCount(), 1) << "the box's windows were detached as it closed";
}

TEST_F(SkinTest, DroppedListIsAttachedOnceAndGetsTheComboBoxBrush) {
    HWND form = MakeTopLevel("Form", 200, 200);
    HWND combo = MakeChild(form, "ComboBox", "", 10, 10, 120, 200, CBS_DROPDOWNLIST | WS_VSCROLL);
    for (const char* item : {"one", "two", "three"}) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    ASSERT_EQ(mSkinner::SkinForm(form), 1);
    headless::pump();
    EXPECT_EQ(mSkinner::SkinnedWindowCount(), 2);

    skintest::MessageLog().clear();
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    headless::pump();
    ASSERT_TRUE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));

    // The list is an owned pop-up of class "ComboLBox".
    struct Finder {
        static BOOL Find(HWND hwnd, LPARAM out) {
            if (mSkinner::GetWindowClassName(hwnd) == "ComboLBox") *reinterpret_cast<HWND*>(out) = hwnd;
            return TRUE;
        }
    };
    HWND list;
    EnumWindows(&Finder::Find, reinterpret_cast<LPARAM>(&list));
    ASSERT_TRUE(list);
    EXPECT_NE(GetPropA(list, "PROCADDR"), 0);
    EXPECT_EQ(mSkinner::SkinnedWindowCount(), 3);

    // Every later request finds it attached, and the brush is the combo box's own.
    HDC listDC = GetDC(list);
    WNDPROC comboOwn = reinterpret_cast<WNDPROC>(GetPropA(combo, "PROCADDR"));
    const LRESULT own = CallWindowProcA(comboOwn, combo, WM_CTLCOLORLISTBOX, HandleToLong(listDC), HandleToLong(list));
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(SendMessageA(combo, WM_CTLCOLORLISTBOX, HandleToLong(listDC), HandleToLong(list)), own);
    }
    ReleaseDC(list, listDC);
    EXPECT_EQ(mSkinner::SkinnedWindowCount(), 3);
    SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    headless::pump();
}

}  // namespace
