// What TextOutA and DrawTextA put on the surface.

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "platform/gdi/text/font_engine.h"
#include "platform/gdi/text/glyph_painter.h"
#include "tests/gdi/text_fixture.h"

namespace {

using texttest::kBlack;
using texttest::kWhite;
using texttest::TextTest;
using texttest::to_string;

constexpr UINT kCaption = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;  // 0x8025
constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

bool same_rect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(TextTest, CjkCaptionsShowAsDistinctGlyphsNotBoxes) {
    // Each character drawn alone: distinct characters leave distinct ink, and
    // none of them is the missing-glyph box of a character no face has.
    const RECT cell{0, 0, 20, 20};
    auto draw = [&](const char* s) {
        clear(kWhite);
        TextOutA(dc_, 2, 2, s, -1);
        return picture(cell);
    };
    const std::string box = draw("\xF4\x8F\xBF\xBD");  // U+10FFFD
    const std::string pictures[] = {draw("转"), draw("到"), draw("退"), draw("出"), draw("地"), draw("址"), draw("栏")};
    for (std::size_t i = 0; i < std::size(pictures); ++i) {
        EXPECT_NE(pictures[i], box) << "character " << i << " drawn as a box:\n" << pictures[i];
        for (std::size_t j = i + 1; j < std::size(pictures); ++j) EXPECT_NE(pictures[i], pictures[j]) << i << " vs " << j;
    }
}

// How far c lies from bg toward ink (0..1), or -1 when it is not on that line
// (each channel within 1 of the same mix).
double mix_of(COLORREF c, COLORREF bg, COLORREF ink) {
    const int channels[3][3] = {{GetRValue(c), GetRValue(bg), GetRValue(ink)},
                                {GetGValue(c), GetGValue(bg), GetGValue(ink)},
                                {GetBValue(c), GetBValue(bg), GetBValue(ink)}};
    double t = 0;
    int widest = 0;
    for (const auto& ch : channels) {
        if (std::abs(ch[2] - ch[1]) > widest) {
            widest = std::abs(ch[2] - ch[1]);
            t = double(ch[0] - ch[1]) / (ch[2] - ch[1]);
        }
    }
    for (const auto& ch : channels) {
        if (std::abs(ch[1] + t * (ch[2] - ch[1]) - ch[0]) > 1.0) return -1;
    }
    return t;
}

TEST_F(TextTest, TextOutBlendsTheTextColourIntoItsCellAtXY) {
    SetTextColor(dc_, kRed);
    SetBkColor(dc_, kBlue);
    const SIZE size = extent("HI 转");
    struct Case {
        int mode;
        COLORREF cell_colour;  // what the cell shows where there is no ink
    } cases[] = {{OPAQUE, kBlue}, {TRANSPARENT, kWhite}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode == OPAQUE ? "OPAQUE" : "TRANSPARENT");
        clear(kWhite);
        SetBkMode(dc_, c.mode);
        ASSERT_TRUE(TextOutA(dc_, 10, 5, "HI 转", -1));
        const RECT cell{10, 5, 10 + size.cx, 5 + size.cy};
        EXPECT_EQ(ink(kWhite) - ink_in(cell, kWhite), 0) << "ink outside " << to_string(cell);
        // The blank between "I" and "转" and the cell's corners show the cell colour.
        EXPECT_TRUE(testsupport::PixelIs(dc_, 10 + extent("HI").cx + 1, 5 + size.cy / 2, c.cell_colour));
        EXPECT_TRUE(testsupport::PixelIs(dc_, 10, 5, c.cell_colour));
        EXPECT_TRUE(testsupport::PixelIs(dc_, 10 + size.cx - 1, 5 + size.cy - 1, c.cell_colour));
        // Every pixel of the cell is a mix of the cell colour and the text
        // colour (anti-aliased edges in between), and the strokes are mostly ink.
        int strong = 0, partial = 0;
        for (int y = cell.top; y < cell.bottom; ++y)
            for (int x = cell.left; x < cell.right; ++x) {
                const double t = mix_of(GetPixel(dc_, x, y), c.cell_colour, kRed);
                ASSERT_GE(t, 0) << "pixel (" << x << ", " << y << ") is 0x" << std::hex << GetPixel(dc_, x, y);
                strong += t > 0.5;
                partial += t > 0.02 && t < 0.98;
            }
        EXPECT_GE(strong, 30);
        EXPECT_GT(partial, 0);
    }
}

TEST(TextBlendTest, CoverageBlendRoundsEachChannelExactly) {
    // Against the formula, channel by channel, for every coverage.
    for (std::uint32_t a = 0; a < 256; ++a)
        for (std::uint32_t c = 0; c < 256; c += 5)
            for (std::uint32_t d = 0; d < 256; d += 3) {
                const std::uint32_t expected = (c * a + d * (255 - a) + 127) / 255;
                // Each channel of the ink and the destination differ, so a carry
                // between lanes would show.
                const std::uint32_t ink = (c << 16) | ((255 - c) << 8) | c;
                const std::uint32_t dst = (d << 16) | ((255 - d) << 8) | d;
                const std::uint32_t got = gdi::text::blend_pixel(dst, ink, a);
                const std::uint32_t expected_g = ((255 - c) * a + (255 - d) * (255 - a) + 127) / 255;
                ASSERT_EQ(got, (expected << 16) | (expected_g << 8) | expected)
                    << "a " << a << ", ink " << c << ", dst " << d;
            }
}

TEST_F(TextTest, AMonochromeBitmapGetsOnlyBlackAndWhite) {
    HDC mono_dc = CreateCompatibleDC(nullptr);
    HBITMAP mono = CreateBitmap(40, 20, 1, 1, nullptr);
    HGDIOBJ old = SelectObject(mono_dc, mono);
    RECT all{0, 0, 40, 20};
    HBRUSH white = CreateSolidBrush(kWhite);
    FillRect(mono_dc, &all, white);
    SetBkMode(mono_dc, TRANSPARENT);
    SetTextColor(mono_dc, RGB(40, 40, 40));  // nearer black than white
    TextOutA(mono_dc, 1, 1, "Go 转", -1);
    int black = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            const COLORREF c = GetPixel(mono_dc, x, y);
            ASSERT_TRUE(c == kBlack || c == kWhite) << "pixel (" << x << ", " << y << ") is 0x" << std::hex << c;
            black += c == kBlack;
        }
    EXPECT_GT(black, 20);
    SelectObject(mono_dc, old);
    DeleteObject(white);
    DeleteObject(mono);
    DeleteDC(mono_dc);
}

TEST_F(TextTest, DrawTextAlignsTheLineCellInTheRectangle) {
    // OPAQUE mode fills exactly the line's cell: its box shows where the line went.
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, kBlue);
    const SIZE size = extent("Go");
    const RECT rc{10, 6, 110, 46};  // 100 x 40
    struct Case {
        UINT format;
        LONG left, top;
    } cases[] = {
        {DT_SINGLELINE, 10, 6},
        {DT_SINGLELINE | DT_CENTER, 10 + (100 - size.cx) / 2, 6},
        {DT_SINGLELINE | DT_RIGHT, 110 - size.cx, 6},
        {DT_SINGLELINE | DT_VCENTER, 10, 6 + (40 - size.cy) / 2},
        {DT_SINGLELINE | DT_BOTTOM, 10, 46 - size.cy},
        {DT_SINGLELINE | DT_CENTER | DT_VCENTER, 10 + (100 - size.cx) / 2, 6 + (40 - size.cy) / 2},
        {DT_CENTER | DT_VCENTER, 10 + (100 - size.cx) / 2, 6},  // vertical placement needs DT_SINGLELINE
    };
    for (const auto& c : cases) {
        clear(kWhite);
        RECT r = rc;
        const int result = DrawTextA(dc_, "Go", -1, &r, c.format);
        const RECT expected{c.left, c.top, c.left + size.cx, c.top + size.cy};
        EXPECT_PRED2(same_rect, ink_box(), expected)
            << "format 0x" << std::hex << c.format << ": ink " << to_string(ink_box()) << ", expected "
            << to_string(expected);
        // The result is where the text ends below the rectangle's top.
        EXPECT_EQ(result, c.top - rc.top + size.cy) << "format 0x" << std::hex << c.format;
        EXPECT_TRUE(same_rect(r, rc)) << "the rectangle is only changed by DT_CALCRECT";
    }
}

TEST_F(TextTest, ALongCaptionEndsInAnEllipsisInsideTheRectangle) {
    const char* caption = "Connecting to the gateway";
    const RECT rc{20, 10, 69, 35};  // a 49 x 25 button caption
    RECT r = rc;
    EXPECT_GT(DrawTextA(dc_, caption, -1, &r, kCaption), 0);
    const RECT box = ink_box();
    EXPECT_GE(box.left, rc.left);
    EXPECT_LE(box.right, rc.right);
    EXPECT_GT(ink(), 0);

    // It is the start of the caption followed by three dots: draw that at the
    // same place and compare.
    const std::string shown = picture(rc);
    for (std::size_t keep = std::strlen(caption); keep > 0; --keep) {
        const std::string candidate = std::string(caption, keep) + "...";
        if (extent(candidate).cx > 49) continue;
        clear(kWhite);
        RECT again = rc;
        DrawTextA(dc_, candidate.c_str(), -1, &again, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EXPECT_EQ(picture(rc), shown) << "expected \"" << candidate << "\"";
        break;
    }
}

TEST_F(TextTest, PrefixUnderlinesTheRightCharacter) {
    TEXTMETRICA tm;
    GetTextMetricsA(dc_, &tm);
    const int e_width = extent("E").cx;
    const int x_width = extent("x").cx;
    auto underline_row_ink = [&](int from, int to) {
        int n = 0;
        for (int y = tm.tmAscent + 1; y < tm.tmHeight; ++y)  // below the baseline
            for (int x = from; x < to; ++x) n += GetPixel(dc_, x, y) == kBlack;
        return n;
    };
    RECT rc{0, 0, 100, 20};
    // "E&xit": the full-black underline runs under "x" only.
    DrawTextA(dc_, "E&xit", -1, &rc, DT_SINGLELINE);
    EXPECT_GE(underline_row_ink(e_width, e_width + x_width), x_width) << picture(RECT{0, 0, 30, tm.tmHeight});
    EXPECT_EQ(underline_row_ink(0, e_width), 0);
    EXPECT_EQ(underline_row_ink(e_width + x_width, 100), 0);

    // "&&" is one "&", with no underline; DT_HIDEPREFIX hides the mark.
    const struct {
        const char* text;
        UINT format;
        const char* same_as;
    } cases[] = {
        {"A&&B", DT_SINGLELINE, "A&B"},
        {"E&xit", DT_SINGLELINE | DT_HIDEPREFIX, "Exit"},
        {"Exit&", DT_SINGLELINE, "Exit"},
        {"E&xit", DT_SINGLELINE | DT_NOPREFIX, "E&xit"},
    };
    for (const auto& c : cases) {
        clear(kWhite);
        rc = RECT{0, 0, 100, 20};
        DrawTextA(dc_, c.text, -1, &rc, c.format);
        const std::string got = picture(RECT{0, 0, 60, 20});
        clear(kWhite);
        TextOutA(dc_, 0, 0, c.same_as, -1);
        EXPECT_EQ(got, picture(RECT{0, 0, 60, 20})) << c.text << " should look like " << c.same_as;
    }
}

TEST_F(TextTest, CalcRectMeasuresAndDrawsNothing) {
    TEXTMETRICA tm;
    GetTextMetricsA(dc_, &tm);
    struct Case {
        const char* text;
        UINT format;
        LONG width, height;
    } cases[] = {
        {"Go 转到", DT_SINGLELINE, extent("Go 转到").cx, tm.tmHeight},
        {"one\ntwo three", 0, extent("two three").cx, 2 * tm.tmHeight},
        {"two three", DT_WORDBREAK, extent("three").cx, 2 * tm.tmHeight},
        {"Connecting to the gateway", DT_SINGLELINE | DT_END_ELLIPSIS, extent("Connec...").cx, tm.tmHeight},
        {"", DT_SINGLELINE, 0, 0},
    };
    for (const auto& c : cases) {
        RECT r{5, 7, 5 + 49, 7 + 25};
        const int result = DrawTextA(dc_, c.text, -1, &r, c.format | DT_CALCRECT);
        EXPECT_EQ(result, c.height) << c.text;
        EXPECT_PRED2(same_rect, r, (RECT{5, 7, 5 + c.width, 7 + c.height})) << c.text << ": " << to_string(r);
    }
    EXPECT_EQ(ink(), 0);
}

TEST_F(TextTest, TextIsClippedToTheRectangleUnlessNoClip) {
    const RECT rc{10, 10, 30, 30};
    RECT r = rc;
    DrawTextA(dc_, "WWWWWWWWWWWW", -1, &r, DT_SINGLELINE);
    const RECT box = ink_box();
    EXPECT_LE(box.right, 30) << to_string(box);
    EXPECT_GT(box.right, 25);

    clear(kWhite);
    r = rc;
    DrawTextA(dc_, "WWWWWWWWWWWW", -1, &r, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(ink_box().right, 40);
}

TEST_F(TextTest, TextIsClippedToTheDcClipRegion) {
    // Two separate strips: ink only inside them.
    HRGN clip = CreateRectRgn(0, 0, 20, 60);
    HRGN right = CreateRectRgn(40, 0, 60, 60);
    CombineRgn(clip, clip, right, RGN_OR);
    SelectClipRgn(dc_, clip);
    TextOutA(dc_, 0, 5, "WWWWWWWWWWWWWWWW", -1);
    // GetPixel reports CLR_INVALID outside the clip: read with the clip removed.
    SelectClipRgn(dc_, HRGN());
    EXPECT_GT(ink_in(RECT{0, 0, 20, 60}), 0);
    EXPECT_GT(ink_in(RECT{40, 0, 60, 60}), 0);
    EXPECT_EQ(ink_in(RECT{20, 0, 40, 60}), 0);
    EXPECT_EQ(ink_in(RECT{60, 0, kWidth, 60}), 0);
    DeleteObject(clip);
    DeleteObject(right);
}

TEST_F(TextTest, DrawingAddsDamageCoveringTheInk) {
    auto surface = gdi::dc_surface(dc_);
    surface->take_damage();
    TextOutA(dc_, 30, 20, "Damage", -1);
    const RECT ink_rect = ink_box();
    const RECT damage = surface->take_damage();
    EXPECT_LE(damage.left, ink_rect.left);
    EXPECT_LE(damage.top, ink_rect.top);
    EXPECT_GE(damage.right, ink_rect.right);
    EXPECT_GE(damage.bottom, ink_rect.bottom);
}

TEST_F(TextTest, BadArgumentsDrawNothingAndDoNotCrash) {
    RECT rc{0, 0, 100, 30};
    HDC dead = CreateCompatibleDC(nullptr);
    DeleteDC(dead);
    EXPECT_EQ(DrawTextA(dc_, nullptr, -1, &rc, kCaption), 0);
    EXPECT_EQ(DrawTextA(dc_, "Go", -1, nullptr, kCaption), 0);
    EXPECT_EQ(DrawTextA(dead, "Go", -1, &rc, kCaption), 0);
    EXPECT_EQ(DrawTextA(HDC(), "Go", -1, &rc, kCaption), 0);
    EXPECT_EQ(DrawTextA(dc_, "Go", 0, &rc, kCaption), 0);
    EXPECT_EQ(DrawTextA(dc_, "", -1, &rc, kCaption), 0);
    EXPECT_FALSE(TextOutA(dead, 0, 0, "Go", 2));
    EXPECT_FALSE(TextOutA(dc_, 0, 0, nullptr, 2));
    EXPECT_TRUE(TextOutA(dc_, 0, 0, nullptr, 0));
    // Empty, inverted and far-away rectangles draw nothing (but still lay out).
    for (RECT r : {RECT{10, 10, 10, 10}, RECT{50, 20, 10, 5}, RECT{INT32_MIN, INT32_MIN, INT32_MIN + 5, INT32_MIN + 5},
                   RECT{INT32_MAX - 5, INT32_MAX - 5, INT32_MAX, INT32_MAX}}) {
        RECT copy = r;
        DrawTextA(dc_, "Go 转到", -1, &copy, kCaption);
        DrawTextA(dc_, "Go 转到", -1, &copy, DT_WORDBREAK);
    }
    TextOutA(dc_, INT32_MAX - 3, INT32_MIN + 3, "Go", 2);
    EXPECT_EQ(ink(), 0);

    // A DC without a bitmap lays out and draws nowhere.
    HDC bare = CreateCompatibleDC(nullptr);
    TEXTMETRICA tm;
    GetTextMetricsA(bare, &tm);
    EXPECT_EQ(DrawTextA(bare, "Go", -1, &rc, DT_SINGLELINE), tm.tmHeight);
    EXPECT_TRUE(TextOutA(bare, 0, 0, "Go", 2));
    DeleteDC(bare);
}

TEST_F(TextTest, NothingIsReadPastTheTextsEnd) {
    // Heap buffers of exactly the text's size: the address sanitizer catches a
    // read of one byte more.
    auto exact = [](const std::string& s) {
        auto buf = std::make_unique<char[]>(s.size());
        std::memcpy(buf.get(), s.data(), s.size());
        return buf;
    };
    RECT rc{0, 0, 100, 30};
    auto terminated = exact(std::string("转到\0", 7));
    EXPECT_GT(DrawTextA(dc_, terminated.get(), -1, &rc, kCaption), 0);
    auto counted = exact("Go \xE8\xBD");  // ends inside a character
    EXPECT_GT(DrawTextA(dc_, counted.get(), 5, &rc, kCaption), 0);
    SIZE size;
    EXPECT_TRUE(GetTextExtentPoint32A(dc_, counted.get(), 5, &size));
    EXPECT_TRUE(TextOutA(dc_, 0, 0, counted.get(), 5));
    // A count larger than the string stops at its NUL.
    auto short_string = exact(std::string("Go\0", 3));
    EXPECT_TRUE(GetTextExtentPoint32A(dc_, short_string.get(), 1000, &size));
    EXPECT_EQ(size.cx, extent("Go").cx);
}

TEST_F(TextTest, AHundredThousandByteCaptionIsCutAndDrawn) {
    std::string text;
    while (text.size() < 100000) text += "Go 转到 \xFF ";  // with an invalid byte in every word
    text.resize(100000);
    for (UINT format : {kCaption, UINT(DT_WORDBREAK), UINT(DT_SINGLELINE), UINT(DT_WORDBREAK | DT_END_ELLIPSIS)}) {
        clear(kWhite);
        RECT rc{20, 10, 69, 35};
        EXPECT_GT(DrawTextA(dc_, text.c_str(), -1, &rc, format), 0) << std::hex << format;
        const RECT box = ink_box();
        EXPECT_GT(ink(), 0);
        EXPECT_GE(box.left, 20);
        EXPECT_LE(box.right, 69);
        EXPECT_GE(box.top, 10);
        EXPECT_LE(box.bottom, 35);
    }
    EXPECT_TRUE(TextOutA(dc_, 0, 0, text.c_str(), static_cast<int>(text.size())));
}

}  // namespace
