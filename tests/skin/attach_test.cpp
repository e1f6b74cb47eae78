// Attach and detach: which windows are attached, the properties each family
// carries, what detach gives back, and the engine's own bookkeeping.

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "platform/headless.h"
#include "tests/skin/skin_fixture.h"

namespace {

using mSkinner::SkinnedWindowCount;
using skintest::SkinTest;

const char* const kAllProperties[] = {"PROCADDR", "OLDSTYLE", "MOUSEFLAG", "TIMERID", "OLDSTATE",
                                      "ALPHALEVEL", "HDINDEX", "HMINDEX", "HDC0", "HDC1",
                                      "HDC2", "HDC3", "BMP0", "BMP1", "BMP2",
                                      "BMP3"};

// The properties present on hwnd, by name.
std::vector<std::string> PresentProperties(HWND hwnd) {
    std::vector<std::string> present;
    for (const char* name : kAllProperties) {
        if (GetPropA(hwnd, name) != 0) present.push_back(name);
    }
    return present;
}

WNDPROC ProcOf(HWND hwnd) { return reinterpret_cast<WNDPROC>(GetWindowLongA(hwnd, GWL_WNDPROC)); }

struct FamilyStateCase {
    const char* className;
    DWORD style;
    // Property values right after attach; names not listed must read 0.
    std::vector<std::pair<const char*, LONG_PTR>> values;
};

TEST_F(SkinTest, AttachGivesEachFamilyItsPropertiesAndDetachTakesThemAway) {
    const FamilyStateCase cases[] = {
        {"ThunderCommandButton", 0, {{"MOUSEFLAG", 0}, {"TIMERID", 0}, {"OLDSTATE", 0}, {"ALPHALEVEL", 0}}},
        {"ThunderCommandButton", WS_DISABLED, {{"OLDSTATE", 3}, {"OLDSTYLE", WS_CHILD | WS_VISIBLE | WS_DISABLED}}},
        {"ThunderCheckBox", 0, {{"MOUSEFLAG", 0}, {"OLDSTATE", 0}}},
        {"ThunderOptionButton", 0, {{"MOUSEFLAG", 0}, {"OLDSTATE", 0}}},
        {"ThunderComboBox", 0, {{"MOUSEFLAG", 0}, {"OLDSTATE", 0}}},
        {"ThunderDriveListBox", 0, {{"MOUSEFLAG", 0}, {"OLDSTATE", 0}}},
        {"MSVB_Lib_Header", 0, {{"MOUSEFLAG", 0}, {"HDINDEX", -1}, {"HMINDEX", -1}}},
        {"ProgressBarWndClass", 0, {}},
        {"DBListWndClass", 0, {}},
        {"ApexGridX", 0, {}},
        {"TestTextBox", 0, {}},
    };
    HWND form = MakeTopLevel("Form", 200, 100);
    for (const FamilyStateCase& c : cases) {
        SCOPED_TRACE(c.className);
        HWND hwnd = MakeChild(form, c.className, "Go", 10, 10, 49, 25, c.style);
        const WNDPROC own = ProcOf(hwnd);
        ASSERT_EQ(mSkinner::SkinForm(hwnd), 1);
        EXPECT_EQ(SkinnedWindowCount(), 1);
        EXPECT_EQ(reinterpret_cast<WNDPROC>(GetPropA(hwnd, "PROCADDR")), own);
        EXPECT_EQ(ProcOf(hwnd), &mSkinner::SkinWindowProc);
        for (const auto& [name, value] : c.values) EXPECT_EQ(GetPropA(hwnd, name), value) << name;

        ASSERT_EQ(mSkinner::UnskinWindow(hwnd), 1);
        EXPECT_EQ(PresentProperties(hwnd), std::vector<std::string>{});
        EXPECT_EQ(ProcOf(hwnd), own);
        EXPECT_EQ(SkinnedWindowCount(), 0);
        EXPECT_FALSE(mSkinner::IsSkinInitialised()) << "the last detach releases the images";
        EXPECT_FALSE(mSkinner::SkinImage(mSkinner::SkinImageId::ButtonFace));
        DestroyWindow(hwnd);
    }
}

TEST_F(SkinTest, PlainPushButtonGetsFacesOwnerDrawAndRoundedRegion) {
    HWND form = MakeTopLevel("Form", 200, 100);
    HWND button = MakeChild(form, "ThunderCommandButton", "Go", 10, 10, 49, 25, BS_DEFPUSHBUTTON);
    const int objectsBefore = headless::gdi_object_count();
    skintest::MessageLog().clear();
    ASSERT_EQ(mSkinner::SkinWindow(button), 1);

    // What the button's own procedure hears from the attach, in order: a font
    // request per face, the owner-draw switch with redraw, then the frame paint
    // passed on by the router.
    std::vector<std::tuple<UINT, WPARAM, LPARAM>> engineMessages;
    for (const skintest::LoggedMessage& m : skintest::MessageLog()) {
        if (m.hwnd == button && (m.msg == WM_GETFONT || m.msg == BM_SETSTYLE || m.msg == WM_NCPAINT)) {
            engineMessages.emplace_back(m.msg, m.wParam, m.lParam);
        }
    }
    const std::vector<std::tuple<UINT, WPARAM, LPARAM>> expected = {
        {WM_GETFONT, 0, 0}, {WM_GETFONT, 0, 0}, {WM_GETFONT, 0, 0},  {WM_GETFONT, 0, 0},
        {BM_SETSTYLE, BS_OWNERDRAW, -1}, {WM_NCPAINT, 1, 0},
    };
    EXPECT_EQ(engineMessages, expected);

    EXPECT_EQ(GetPropA(button, "OLDSTYLE"), WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON);
    EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    for (int i = 0; i < 4; ++i) {
        const std::string dcName = "HDC" + std::to_string(i), bmpName = "BMP" + std::to_string(i);
        HDC face = LongToHandle<HDC>(GetPropA(button, dcName.c_str()));
        HBITMAP bitmap = LongToHandle<HBITMAP>(GetPropA(button, bmpName.c_str()));
        ASSERT_TRUE(face && bitmap) << i;
        EXPECT_EQ(GetObjectType(HGDIOBJ(face.value)), OBJ_MEMDC);
        EXPECT_EQ(GetCurrentObject(face, OBJ_BITMAP), HGDIOBJ(bitmap)) << "BMP" << i << " is selected into HDC" << i;
    }
    // Four DCs and four bitmaps; the region belongs to the window.
    EXPECT_EQ(headless::gdi_object_count(), objectsBefore + 8 + 1);

    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(button, shape), RGN_ERROR);
    EXPECT_FALSE(PtInRegion(shape, 0, 0)) << "the corner is cut";
    EXPECT_TRUE(PtInRegion(shape, 1, 1));
    EXPECT_TRUE(PtInRegion(shape, 24, 0));
    EXPECT_TRUE(PtInRegion(shape, 48, 12));
    EXPECT_FALSE(PtInRegion(shape, 48, 24));
    DeleteObject(shape);

    ASSERT_EQ(mSkinner::UnskinWindow(button), 1);
    EXPECT_EQ(GetWindowLongA(button, GWL_STYLE), WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON);
    HRGN none = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(button, none), RGN_ERROR) << "the shape is taken away";
    DeleteObject(none);
    EXPECT_EQ(headless::gdi_object_count(), objectsBefore) << "faces and images are freed";
}

TEST_F(SkinTest, NonPushButtonStyleKeepsItsOwnPaintingButGetsFaces) {
    HWND form = MakeTopLevel("Form", 200, 100);
    HWND box = MakeChild(form, "ThunderCommandButton", "Check", 10, 10, 80, 20, BS_AUTOCHECKBOX);
    ASSERT_EQ(mSkinner::SkinWindow(box), 1);
    EXPECT_EQ(GetWindowLongA(box, GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX);
    EXPECT_EQ(skintest::CountMessages(box, BM_SETSTYLE), 0);
    EXPECT_NE(GetPropA(box, "HDC3"), 0);
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(box, shape), RGN_ERROR);
    DeleteObject(shape);
}

TEST_F(SkinTest, FormAttachesEveryDescendantAndOnlyThePushButtonCarriesState) {
    HWND form = MakeTopLevel("Form", 274, 200);
    HWND frame = MakeChild(form, "TestFrame", "Frame", 0, 0, 200, 60);
    HWND text = MakeChild(frame, "TestTextBox", "address", 8, 16, 120, 25);
    HWND button = MakeChild(form, "ThunderCommandButton", "Exit", 200, 150, 49, 25);

    ASSERT_EQ(mSkinner::SkinForm(form), 1);
    EXPECT_EQ(SkinnedWindowCount(), 4);
    for (HWND hwnd : {form, frame, text}) {
        EXPECT_EQ(PresentProperties(hwnd), std::vector<std::string>{"PROCADDR"});
    }
    // The zero-valued state properties read like absent ones; the nonzero ones show.
    EXPECT_EQ(PresentProperties(button),
              (std::vector<std::string>{"PROCADDR", "OLDSTYLE", "HDC0", "HDC1", "HDC2", "HDC3", "BMP0", "BMP1",
                                        "BMP2", "BMP3"}));

    // Attached already: nothing happens, descendants are not visited again.
    EXPECT_EQ(mSkinner::SkinForm(form), 0);
    EXPECT_EQ(mSkinner::SkinWindow(button), 0);
    EXPECT_EQ(SkinnedWindowCount(), 4);
}

TEST_F(SkinTest, DestroyingTheFormDetachesDescendantsFirstAndReleasesEverything) {
    HWND form = MakeTopLevel("Form", 274, 200);
    HWND frame = MakeChild(form, "TestFrame", "Frame", 0, 0, 200, 60);
    HWND text = MakeChild(frame, "TestTextBox", "address", 8, 16, 120, 25);
    HWND button = MakeChild(form, "ThunderCommandButton", "Exit", 200, 150, 49, 25);
    const int objectsBefore = headless::gdi_object_count();
    const int windowsBefore = headless::window_count();
    ASSERT_EQ(mSkinner::SkinForm(form), 1);
    headless::pump();

    skintest::MessageLog().clear();
    DestroyWindow(form);

    // Each detach repaints the frame through the window's own procedure; the
    // form's own procedure then sees its WM_DESTROY with the skin gone.
    std::vector<HWND> detachOrder;
    int formDestroyAt = -1;
    const auto& log = skintest::MessageLog();
    for (int i = 0; i < static_cast<int>(log.size()); ++i) {
        if (log[i].msg == WM_NCPAINT && log[i].wParam == 1 && formDestroyAt < 0) detachOrder.push_back(log[i].hwnd);
        if (log[i].msg == WM_DESTROY && log[i].hwnd == form && formDestroyAt < 0) formDestroyAt = i;
    }
    ASSERT_GE(formDestroyAt, 0);
    ASSERT_FALSE(detachOrder.empty());
    EXPECT_EQ(detachOrder.back(), form) << "the form is detached last";
    for (HWND child : {frame, text, button}) {
        EXPECT_NE(std::find(detachOrder.begin(), detachOrder.end(), child), detachOrder.end());
    }

    EXPECT_EQ(SkinnedWindowCount(), 0);
    EXPECT_FALSE(mSkinner::IsSkinInitialised());
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(mSkinner::SkinImage(static_cast<mSkinner::SkinImageId>(i)));
    EXPECT_EQ(headless::window_count(), windowsBefore - 4);
    // Everything the skin made is gone: faces, regions and images.
    EXPECT_EQ(headless::gdi_object_count(), objectsBefore);

    // The next SkinForm builds the images again.
    HWND again = MakeTopLevel("Form", 50, 50);
    ASSERT_EQ(mSkinner::SkinForm(again), 1);
    EXPECT_TRUE(mSkinner::IsSkinInitialised());
    EXPECT_TRUE(mSkinner::SkinImage(mSkinner::SkinImageId::HeaderItem));
}

TEST_F(SkinTest, NullDeadAndUnattachedHandlesChangeNothing) {
    HWND form = MakeTopLevel("Form", 100, 100);
    HWND dead = MakeChild(form, "ThunderCommandButton", "x", 0, 0, 20, 20);
    DestroyWindow(dead);
    const int objectsBefore = headless::gdi_object_count();

    EXPECT_EQ(mSkinner::SkinForm(HWND()), 0);
    EXPECT_TRUE(mSkinner::IsSkinInitialised()) << "SkinForm(0) still prepares the engine";
    const int withImages = headless::gdi_object_count();
    EXPECT_EQ(withImages, objectsBefore + 10) << "five image DCs and their bitmaps";

    // A dead handle is refused: nothing counted, nothing created.
    EXPECT_EQ(mSkinner::SkinWindow(dead), 0);
    EXPECT_EQ(mSkinner::SkinForm(dead), 0);
    EXPECT_EQ(SkinnedWindowCount(), 0);
    EXPECT_EQ(headless::gdi_object_count(), withImages);

    EXPECT_EQ(mSkinner::UnskinWindow(HWND()), 0);
    EXPECT_EQ(mSkinner::UnskinWindow(dead), 0);
    EXPECT_EQ(mSkinner::UnskinWindow(form), 0) << "never attached";
    EXPECT_EQ(SkinnedWindowCount(), 0);
    EXPECT_TRUE(mSkinner::IsSkinInitialised()) << "an unattached detach releases nothing";
}

TEST_F(SkinTest, WindowDestroyedWhileBeingAttachedLeavesNothingBehind) {
    HWND form = MakeTopLevel("Form", 100, 100);
    HWND button = MakeChild(form, "ThunderCommandButton", "Go", 10, 10, 49, 25);
    ASSERT_EQ(mSkinner::SkinForm(HWND()), 0);  // the images exist before the count is taken
    const int objects = headless::gdi_object_count();
    const int windows = headless::window_count();

    skintest::DestroyOnFontRequest() = button;
    EXPECT_EQ(mSkinner::SkinWindow(button), 0) << "a window that is gone is not attached";
    EXPECT_FALSE(IsWindow(button));
    EXPECT_EQ(SkinnedWindowCount(), 0);
    EXPECT_EQ(headless::window_count(), windows - 1);
    EXPECT_EQ(headless::gdi_object_count(), objects) << "no face, bitmap or region is left over";
}

TEST_F(SkinTest, CountFollowsEveryAttachAndDetach) {
    HWND a = MakeTopLevel("TestTextBox", 10, 10);
    HWND b = MakeTopLevel("TestTextBox", 10, 10);
    ASSERT_EQ(mSkinner::SkinForm(a), 1);
    ASSERT_EQ(mSkinner::SkinForm(b), 1);
    EXPECT_EQ(SkinnedWindowCount(), 2);
    EXPECT_EQ(mSkinner::UnskinWindow(a), 1);
    EXPECT_TRUE(mSkinner::IsSkinInitialised());
    EXPECT_EQ(mSkinner::UnskinWindow(b), 1);
    EXPECT_EQ(SkinnedWindowCount(), 0);
    EXPECT_FALSE(mSkinner::IsSkinInitialised());
    // Detached windows can be attached again.
    EXPECT_EQ(mSkinner::SkinForm(a), 1);
}

TEST_F(SkinTest, LeaveTrackingProbeFindsUser32OrFallsBack) {
    EXPECT_EQ(mSkinner::IsApiExported("TrackMouseEvent", "User32"), -1);
    EXPECT_EQ(mSkinner::IsApiExported("_TrackMouseEvent", "comctl32"), -1);
    EXPECT_EQ(mSkinner::IsApiExported("NoSuchFunction", "User32"), 0);
    EXPECT_EQ(mSkinner::IsApiExported("TrackMouseEvent", "nosuchmodule"), 0);
    EXPECT_EQ(mSkinner::IsApiExported(nullptr, "User32"), 0);

    mSkinner::SkinForm(HWND());
    EXPECT_TRUE(mSkinner::UsesUser32LeaveTracking());
    mSkinner::ReleaseSkinImages();

    headless::hide_export("User32", "TrackMouseEvent");
    mSkinner::SkinForm(HWND());
    EXPECT_FALSE(mSkinner::UsesUser32LeaveTracking());
}

TEST_F(SkinTest, TenThousandAttachDetachCyclesLeaveNoWindowOrObjectBehind) {
    HWND form = MakeTopLevel("Form", 274, 200);
    HWND frame = MakeChild(form, "TestFrame", "Frame", 0, 0, 200, 60);
    MakeChild(frame, "TestTextBox", "address", 8, 16, 120, 25);
    MakeChild(form, "ThunderCommandButton", "Go", 200, 150, 49, 25);
    const int objects = headless::gdi_object_count();
    const int windows = headless::window_count();
    for (int i = 0; i < 10000; ++i) {
        ASSERT_EQ(mSkinner::SkinForm(form), 1) << "cycle " << i;
        ASSERT_EQ(mSkinner::UnskinWindow(form), 1) << "cycle " << i;
    }
    headless::pump();
    EXPECT_EQ(headless::gdi_object_count(), objects);
    EXPECT_EQ(headless::window_count(), windows);
    EXPECT_EQ(SkinnedWindowCount(), 0);
}

}  // namespace
