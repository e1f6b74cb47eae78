// Push-button faces and what the screen shows of them.

#include <string>

#include "platform/headless.h"
#include "tests/skin/skin_fixture.h"

namespace {

using skintest::SkinTest;
using testsupport::PixelIs;
using testsupport::ScreenPixel;
using testsupport::ScreenPixelIs;

constexpr int kW = 49, kH = 25;

HDC Face(HWND button, int state) {
    return LongToHandle<HDC>(GetPropA(button, ("HDC" + std::to_string(state)).c_str()));
}

// Which pixel of a 7 x 21 face frame a face pixel shows: 3-pixel margins kept,
// the rest stretched by nearest-neighbour sampling at pixel centres.
int FramePixel(int d, int size, int frameSize) {
    constexpr int margin = 3;
    if (d < margin) return d;
    if (d >= size - margin) return frameSize - (size - d);
    const int span = frameSize - 2 * margin, destSpan = size - 2 * margin;
    return margin + (2 * (d - margin) + 1) * span / (2 * destSpan);
}

COLORREF Blend(COLORREF source, COLORREF dest, int alpha) {
    COLORREF out = 0;
    for (int shift : {0, 8, 16}) {
        const int s = (source >> shift) & 0xFF, d = (dest >> shift) & 0xFF;
        const int v = (s * alpha + d * (255 - alpha) + 127) / 255;
        out |= static_cast<COLORREF>(v) << shift;
    }
    return out;
}

class PushButtonTest : public SkinTest {
protected:
    HWND form{};
    HWND MakeButton(const char* caption, int x, int y, DWORD style = 0) {
        return MakeChild(form, "ThunderCommandButton", caption, x, y, kW, kH, style);
    }
    void SetUp() override {
        SkinTest::SetUp();
        form = MakeTopLevel("Form", 200, 100);
    }
};

TEST_F(PushButtonTest, FacesAreTheSlicedFramesInEveryState) {
    HWND button = MakeButton("", 10, 10);
    ASSERT_EQ(mSkinner::SkinForm(form), 1);
    HDC art = mSkinner::SkinImage(mSkinner::SkinImageId::ButtonFace);
    for (int state = 0; state < 4; ++state) {
        SCOPED_TRACE("face " + std::to_string(state));
        HDC face = Face(button, state);
        for (int y = 0; y < kH; ++y) {
            for (int x = 0; x < kW; ++x) {
                const COLORREF expected = GetPixel(art, FramePixel(x, kW, 7), 21 * state + FramePixel(y, kH, 21));
                ASSERT_TRUE(PixelIs(face, x, y, expected));
            }
        }
    }
    // Corners, edges and the inside, by the art's own colours.
    EXPECT_TRUE(PixelIs(Face(button, 0), 0, 0, 0xF9E1BF));
    EXPECT_TRUE(PixelIs(Face(button, 0), 48, 24, 0xFBE7CA));
    EXPECT_TRUE(PixelIs(Face(button, 0), 0, 12, 0xD58F1B));
    EXPECT_TRUE(PixelIs(Face(button, 3), 24, 0, 0xE8C387));
}

// Pixels of a face that are not the background art: the caption and the focus mark.
std::vector<POINT> ChangedPixels(HDC face, HDC reference) {
    std::vector<POINT> changed;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            if (GetPixel(face, x, y) != GetPixel(reference, x, y)) changed.push_back(POINT{x, y});
    return changed;
}

TEST_F(PushButtonTest, CaptionIsBlackAndGreyBlueWhenDisabled) {
    HWND plain = MakeButton("", 10, 10);
    HWND captioned = MakeButton("■■■", 70, 10);
    ASSERT_EQ(mSkinner::SkinForm(form), 1);
    for (int state = 0; state < 4; ++state) {
        const COLORREF caption = state == 3 ? 0x968A79 : 0x000000;
        const std::vector<POINT> text = ChangedPixels(Face(captioned, state), Face(plain, state));
        ASSERT_FALSE(text.empty()) << "face " << state;
        int full = 0;
        for (POINT p : text) {
            const COLORREF c = GetPixel(Face(captioned, state), p.x, p.y);
            full += c == caption;
            EXPECT_TRUE(p.x >= 2 && p.x < kW - 2 && p.y >= 2 && p.y < kH - 2) << "text inside the caption box";
        }
        EXPECT_GT(full, 0) << "face " << state << " shows its caption colour";
    }
}

TEST_F(PushButtonTest, OverlongCaptionIsCutOnOneLine) {
    HWND plain = MakeButton("", 10, 10);
    HWND captioned = MakeButton("A caption far too long for this button", 70, 10);
    ASSERT_EQ(mSkinner::SkinForm(form), 1);
    const std::vector<POINT> text = ChangedPixels(Face(captioned, 0), Face(plain, 0));
    ASSERT_FALSE(text.empty());
    int left = kW, right = 0, top = kH, bottom = 0;
    for (POINT p : text) {
        left = std::min<int>(left, p.x), right = std::max<int>(right, p.x);
        top = std::min<int>(top, p.y), bottom = std::max<int>(bottom, p.y);
    }
    EXPECT_GE(left, 2);
    EXPECT_LE(left, 6) << "the start of the text shows";
    EXPECT_LE(right, kW - 3);
    EXPECT_GE(right, kW - 12) << "the cut text runs to the right end";
    EXPECT_LT(bottom - top, 16) << "one line";
}

TEST_F(PushButtonTest, FocusedButtonCarriesADottedFocusRectangleInEveryFace) {
    HWND plain = MakeButton("", 10, 10);
    HWND focused = MakeButton("", 70, 10);
    SetFocus(focused);
    ASSERT_EQ(GetFocus(), focused);
    ASSERT_EQ(mSkinner::SkinForm(form), 1);
    for (int state = 0; state < 4; ++state) {
        const std::vector<POINT> mark = ChangedPixels(Face(focused, state), Face(plain, state));
        EXPECT_GT(mark.size(), 40u) << "face " << state;
        for (POINT p : mark) {
            const bool onBox = ((p.x == 2 || p.x == kW - 3) && p.y >= 2 && p.y <= kH - 3) ||
                               ((p.y == 2 || p.y == kH - 3) && p.x >= 2 && p.x <= kW - 3);
            EXPECT_TRUE(onBox) << "(" << p.x << ", " << p.y << ") face " << state;
        }
    }
}

TEST_F(PushButtonTest, DrawPushButtonBlendsTheFaceWithItsAlphaLevel) {
    HWND button = MakeButton("", 10, 10);
    ASSERT_EQ(mSkinner::SkinForm(form), 1);
    headless::pump();
    const COLORREF formBackground = ScreenPixel(form, 10, 10);  // the cut corner
    constexpr COLORREF kUnder = 0x204060;

    for (int alpha : {0, 128, 255}) {
        SCOPED_TRACE("alpha " + std::to_string(alpha));
        HDC windowDC = GetWindowDC(button);
        mSkinner::FillSolidRect(windowDC, 0, 0, kW, kH, kUnder);
        ReleaseDC(button, windowDC);
        SetPropA(button, "OLDSTATE", 1);
        SetPropA(button, "ALPHALEVEL", alpha);
        EXPECT_EQ(mSkinner::DrawPushButton(button, HDC()), 0);

        for (POINT p : {POINT{24, 12}, POINT{0, 12}, POINT{24, 1}, POINT{47, 23}}) {
            const COLORREF face = GetPixel(Face(button, 1), p.x, p.y);
            EXPECT_TRUE(ScreenPixelIs(form, 10 + p.x, 10 + p.y, Blend(face, kUnder, alpha)));
        }
        EXPECT_TRUE(ScreenPixelIs(form, 10, 10, formBackground)) << "outside the rounded region";
        EXPECT_EQ(GetPropA(button, "ALPHALEVEL"), alpha) << "the level is the caller's to change";
    }
}

TEST_F(PushButtonTest, DisabledButtonAlwaysShowsItsDisabledFace) {
    HWND button = MakeButton("", 10, 10, WS_DISABLED);
    HWND checkBox = MakeButton("", 70, 10, WS_DISABLED | BS_AUTOCHECKBOX);
    ASSERT_EQ(mSkinner::SkinForm(form), 1);
    EXPECT_EQ(GetPropA(button, "OLDSTATE"), 3);
    headless::pump();

    SetPropA(button, "OLDSTATE", 1);
    SetPropA(button, "ALPHALEVEL", 255);
    mSkinner::DrawPushButton(button, HDC());
    EXPECT_EQ(GetPropA(button, "OLDSTATE"), 3);
    EXPECT_TRUE(ScreenPixelIs(form, 10 + 24, 10 + 12, GetPixel(Face(button, 3), 24, 12)));

    // Not a push button by style: nothing drawn, but the state still follows.
    const COLORREF before = ScreenPixel(form, 70 + 24, 10 + 12);
    SetPropA(checkBox, "OLDSTATE", 1);
    SetPropA(checkBox, "ALPHALEVEL", 255);
    mSkinner::DrawPushButton(checkBox, HDC());
    EXPECT_EQ(GetPropA(checkBox, "OLDSTATE"), 3);
    EXPECT_TRUE(ScreenPixelIs(form, 70 + 24, 10 + 12, before));

    // Dead and unattached windows: nothing happens.
    EXPECT_EQ(mSkinner::DrawPushButton(HWND(), HDC()), 0);
    mSkinner::RenderButtonFaces(HWND());
}

TEST_F(PushButtonTest, PaintShowsTheFaceAtOnceAndEndsTheFade) {
    HWND button = MakeButton("", 10, 10);
    HWND checkBox = MakeButton("", 70, 10, BS_AUTOCHECKBOX);
    ASSERT_EQ(mSkinner::SkinForm(form), 1);
    headless::pump();

    mSkinner::StartSkinTimer(button);
    SetPropA(button, "OLDSTATE", 2);
    SetPropA(button, "ALPHALEVEL", 30);
    skintest::MessageLog().clear();
    InvalidateRect(button, nullptr, FALSE);
    InvalidateRect(checkBox, nullptr, FALSE);
    headless::pump();

    EXPECT_EQ(GetPropA(button, "TIMERID"), 0);
    EXPECT_EQ(GetPropA(button, "ALPHALEVEL"), 255);
    EXPECT_EQ(skintest::CountMessages(button, WM_PAINT), 0) << "the skin paints it alone";
    EXPECT_TRUE(ScreenPixelIs(form, 10 + 24, 10 + 12, GetPixel(Face(button, 2), 24, 12)));
    EXPECT_TRUE(ScreenPixelIs(form, 10 + 0, 10 + 12, GetPixel(Face(button, 2), 0, 12)));
    EXPECT_GE(skintest::CountMessages(checkBox, WM_PAINT), 1) << "other styles paint themselves";
    headless::advance(60);
    EXPECT_EQ(skintest::CountMessages(button, WM_TIMER), 0) << "no fade ticks after the paint";
}

TEST_F(PushButtonTest, FadeTimerStartsOnceStopsAndStartsAgain) {
    HWND button = MakeButton("", 10, 10);
    ASSERT_EQ(mSkinner::SkinForm(form), 1);
    headless::pump();  // the first paint after attach ends any fade: let it pass

    EXPECT_EQ(mSkinner::StartSkinTimer(button), 1);
    EXPECT_EQ(GetPropA(button, "TIMERID"), 1);
    EXPECT_EQ(mSkinner::StartSkinTimer(button), 0) << "a running timer is not started twice";
    headless::advance(45);
    EXPECT_EQ(skintest::CountMessages(button, WM_TIMER), 3) << "one tick every 15 ms";

    EXPECT_NE(mSkinner::StopSkinTimer(button), 0);
    EXPECT_EQ(GetPropA(button, "TIMERID"), 0);
    EXPECT_EQ(mSkinner::StopSkinTimer(button), 0) << "nothing to stop";
    headless::advance(45);
    EXPECT_EQ(skintest::CountMessages(button, WM_TIMER), 3);

    EXPECT_EQ(mSkinner::StartSkinTimer(button), 1);
    headless::advance(15);
    EXPECT_EQ(skintest::CountMessages(button, WM_TIMER), 4);

    // Detach stops a running timer before the properties go.
    ASSERT_EQ(mSkinner::UnskinWindow(form), 1);
    headless::advance(45);
    EXPECT_EQ(skintest::CountMessages(button, WM_TIMER), 4);
    EXPECT_EQ(mSkinner::StartSkinTimer(HWND()), 0);
    EXPECT_EQ(mSkinner::StopSkinTimer(HWND()), 0);
}

TEST_F(PushButtonTest, SystemCheckBoxInADialogGetsFacesButKeepsItsStyle) {
    skintest::EnsureClass("#32770");
    skintest::EnsureClass("Button");
    HWND dialog = CreateWindowExA(0, "#32770", "Options", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, HWND(), HMENU(),
                                  HINSTANCE(), nullptr);
    HWND box = MakeChild(dialog, "Button", "Remember", 10, 10, 120, 20, BS_AUTOCHECKBOX | WS_TABSTOP);
    HWND push = MakeChild(dialog, "Button", "OK", 10, 50, kW, kH, BS_DEFPUSHBUTTON);
    ASSERT_EQ(mSkinner::SkinForm(dialog), 1);

    EXPECT_EQ(GetWindowLongA(box, GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX);
    EXPECT_EQ(GetWindowLongA(push, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    for (HWND b : {box, push}) {
        for (int i = 0; i < 4; ++i) EXPECT_TRUE(Face(b, i)) << i;
        HRGN shape = CreateRectRgn(0, 0, 0, 0);
        EXPECT_NE(GetWindowRgn(b, shape), RGN_ERROR);
        DeleteObject(shape);
    }
    DestroyWindow(dialog);
    EXPECT_EQ(mSkinner::SkinnedWindowCount(), 0);
}

// The browser window's two push buttons beside an address box.
HWND MakeTwoButtonForm(HWND* exitButton) {
    HWND form = CreateWindowExA(0, "Form", "Two buttons", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 274, 120, HWND(),
                                HMENU(), HINSTANCE(), nullptr);
    auto child = [&](const char* cls, const char* text, int x, int y, int w, int h, DWORD ex) {
        return CreateWindowExA(ex, cls, text, WS_CHILD | WS_VISIBLE, x, y, w, h, form, HMENU(), HINSTANCE(), nullptr);
    };
    *exitButton = child("ThunderCommandButton", "退 出", 216, 80, kW, kH, 0);
    child("ThunderCommandButton", "转到", 208, 16, kW, kH, 0);
    child("TestTextBox", "", 8, 16, 193, 25, WS_EX_CLIENTEDGE);
    return form;
}

TEST_F(PushButtonTest, SkinnedButtonsShowRoundedBlueOutlines) {
    HWND exitButton;
    form = MakeTwoButtonForm(&exitButton);
    ASSERT_EQ(mSkinner::SkinForm(form), 1);
    headless::pump();
    EXPECT_TRUE(ScreenPixelIs(form, 216, 80 + 12, 0xD58F1B)) << "left outline";
    EXPECT_TRUE(ScreenPixelIs(form, 216 + 24, 80, 0xD58F1B)) << "top outline";
    EXPECT_TRUE(ScreenPixelIs(form, 216 + 48, 80 + 12, 0xD58F1B)) << "right outline";
    EXPECT_TRUE(ScreenPixelIs(form, 216, 80, GetSysColor(COLOR_BTNFACE))) << "the cut corner shows the form";
    EXPECT_TRUE(ScreenPixelIs(form, 216 + 48, 80 + 24, GetSysColor(COLOR_BTNFACE)));
    (void)exitButton;
}

TEST_F(PushButtonTest, SavesAPictureOfTwoSkinnedButtons) {
    HWND exitButton;
    form = MakeTwoButtonForm(&exitButton);
    ASSERT_EQ(mSkinner::SkinForm(form), 1);
    headless::pump();
    const std::string path = testsupport::output_path("skin_two_push_buttons.png");
    if (!headless::save_png(form, path)) GTEST_SKIP() << "this build of the headless host writes no snapshots";
    SUCCEED() << path;
}

}  // namespace
