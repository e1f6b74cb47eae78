// The router: messages it does not handle reach the control unchanged; WM_DESTROY
// detaches first; windows that turn up later are attached through their owner.

#include "platform/headless.h"
#include "tests/skin/skin_fixture.h"

namespace {

using skintest::SkinTest;

TEST_F(SkinTest, UnhandledMessagesReachTheControlUnchanged) {
    HWND form = MakeTopLevel("Form", 100, 100);
    HWND button = MakeChild(form, "ThunderCommandButton", "Go", 10, 10, 49, 25);
    ASSERT_EQ(mSkinner::SkinForm(form), 1);

    struct Case {
        UINT msg;
        WPARAM wParam;
        LPARAM lParam;
    };
    const Case cases[] = {
        {skintest::kEchoMessage, 0x1234, -5},
        {skintest::kEchoMessage, ~WPARAM{0}, 0x7FFFFFFF},
        {WM_CHAR, 'a', 1},
    };
    for (HWND hwnd : {form, button}) {
        for (const Case& c : cases) {
            skintest::MessageLog().clear();
            const LRESULT result = SendMessageA(hwnd, c.msg, c.wParam, c.lParam);
            ASSERT_EQ(skintest::MessageLog().size(), 1u);
            const skintest::LoggedMessage& got = skintest::MessageLog()[0];
            EXPECT_EQ(got.hwnd, hwnd);
            EXPECT_EQ(got.msg, c.msg);
            EXPECT_EQ(got.wParam, c.wParam);
            EXPECT_EQ(got.lParam, c.lParam);
            if (c.msg == skintest::kEchoMessage) {
                EXPECT_EQ(result, c.lParam + 1);
            }
        }
    }
    // WM_SETTEXT changes the text as the control's own procedure does it.
    EXPECT_TRUE(SendMessageA(button, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Stop")));
    EXPECT_EQ(mSkinner::GetWindowCaption(button), "Stop");
}

TEST_F(SkinTest, WindowWhosePreviousProcedureVanishedGetsDefaultProcessing) {
    HWND box = MakeTopLevel("TestTextBox", 100, 100);
    ASSERT_EQ(mSkinner::SkinForm(box), 1);
    const LONG_PTR saved = RemovePropA(box, "PROCADDR");
    ASSERT_NE(saved, 0);

    skintest::MessageLog().clear();
    EXPECT_EQ(SendMessageA(box, skintest::kEchoMessage, 0, 41), 0) << "default processing, not the control's";
    EXPECT_TRUE(skintest::MessageLog().empty());

    // Put it back so the window detaches normally.
    SetPropA(box, "PROCADDR", saved);
    EXPECT_EQ(SendMessageA(box, skintest::kEchoMessage, 0, 41), 42);
}

TEST_F(SkinTest, DestroyDetachesBeforeTheControlSeesIt) {
    HWND form = MakeTopLevel("Form", 100, 100);
    HWND button = MakeChild(form, "ThunderCommandButton", "Go", 10, 10, 49, 25);
    ASSERT_EQ(mSkinner::SkinWindow(button), 1);
    mSkinner::StartSkinTimer(button);
    const int objectsWithFaces = headless::gdi_object_count();

    // What the control's own procedure finds when its WM_DESTROY arrives.
    static LONG_PTR procAddrAtDestroy;
    static LONG_PTR faceAtDestroy;
    static WNDPROC procAtDestroy;
    procAddrAtDestroy = faceAtDestroy = -1;
    procAtDestroy = nullptr;
    struct Spy {
        static LRESULT Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
            if (m == WM_DESTROY) {
                procAddrAtDestroy = GetPropA(h, "PROCADDR");
                faceAtDestroy = GetPropA(h, "HDC0");
                procAtDestroy = reinterpret_cast<WNDPROC>(GetWindowLongA(h, GWL_WNDPROC));
            }
            return skintest::RecordingProc(h, m, w, l);
        }
    };
    // Put the spy behind the router: it becomes the procedure detach restores.
    SetPropA(button, "PROCADDR", reinterpret_cast<LONG_PTR>(&Spy::Proc));

    DestroyWindow(button);
    EXPECT_EQ(procAddrAtDestroy, 0);
    EXPECT_EQ(faceAtDestroy, 0);
    EXPECT_EQ(procAtDestroy, &Spy::Proc);
    EXPECT_EQ(mSkinner::SkinnedWindowCount(), 0);
    // Faces, images and the timer are gone with it.
    EXPECT_LT(headless::gdi_object_count(), objectsWithFaces);
    headless::advance(100);
}

TEST_F(SkinTest, EnterIdleAttachesTheWaitingDialogWithItsControls) {
    HWND owner = MakeTopLevel("Form", 200, 200);
    ASSERT_EQ(mSkinner::SkinForm(owner), 1);
    skintest::EnsureClass("#32770");
    skintest::EnsureClass("Button");
    HWND dialog = CreateWindowExA(0, "#32770", "Question", WS_POPUP | WS_VISIBLE, 20, 20, 150, 80, owner, HMENU(),
                                  HINSTANCE(), nullptr);
    HWND ok = MakeChild(dialog, "Button", "OK", 10, 40, 60, 24, BS_DEFPUSHBUTTON);
    HWND cancel = MakeChild(dialog, "Button", "Cancel", 80, 40, 60, 24);

    const LRESULT result = SendMessageA(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, HandleToLong(dialog));
    EXPECT_EQ(result, DefWindowProcA(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, HandleToLong(dialog)));
    EXPECT_EQ(skintest::CountMessages(owner, WM_ENTERIDLE), 1) << "the owner's own procedure ran";
    for (HWND hwnd : {dialog, ok, cancel}) EXPECT_NE(GetPropA(hwnd, "PROCADDR"), 0);
    EXPECT_NE(GetPropA(ok, "HDC0"), 0);
    EXPECT_EQ(mSkinner::SkinnedWindowCount(), 4);

    // Later idle messages find it attached; lParam 0 attaches nothing.
    SendMessageA(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, HandleToLong(dialog));
    SendMessageA(owner, WM_ENTERIDLE, MSGF_MENU, 0);
    EXPECT_EQ(mSkinner::SkinnedWindowCount(), 4);
}

TEST_F(SkinTest, ListColourRequestAttachesTheDropDownOnceAndKeepsTheComboBrush) {
    HWND form = MakeTopLevel("Form", 200, 200);
    HWND combo = MakeChild(form, "ThunderComboBox", "", 10, 10, 120, 21);
    ASSERT_EQ(mSkinner::SkinForm(form), 1);
    skintest::EnsureClass("ComboLBox");
    HWND list = CreateWindowExA(0, "ComboLBox", "", WS_POPUP, 10, 31, 120, 80, combo, HMENU(), HINSTANCE(), nullptr);
    ASSERT_TRUE(list);
    HDC listDC = GetDC(list);

    for (int i = 0; i < 3; ++i) {
        const LRESULT brush = SendMessageA(combo, WM_CTLCOLORLISTBOX, HandleToLong(listDC), HandleToLong(list));
        EXPECT_EQ(brush, HandleToLong(skintest::TestListBrush())) << "request " << i;
        EXPECT_NE(GetPropA(list, "PROCADDR"), 0);
        EXPECT_EQ(mSkinner::SkinnedWindowCount(), 3) << "form, combo box and its list, counted once";
    }
    EXPECT_EQ(skintest::CountMessages(combo, WM_CTLCOLORLISTBOX), 3);
    ReleaseDC(list, listDC);
}

TEST_F(SkinTest, LeftButtonReleaseReachesTheControl) {
    HWND form = MakeTopLevel("Form", 200, 200);
    HWND option = MakeChild(form, "ThunderOptionButton", "A", 10, 10, 80, 20);
    MakeChild(form, "ThunderOptionButton", "B", 10, 40, 80, 20);
    ASSERT_EQ(mSkinner::SkinForm(form), 1);
    skintest::MessageLog().clear();
    SendMessageA(option, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(skintest::CountMessages(option, WM_LBUTTONUP), 1);
    // A window without a parent enumerates its own children.
    SendMessageA(form, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(skintest::CountMessages(form, WM_LBUTTONUP), 1);
}

}  // namespace
