// Faces, metrics, measuring and the glyph cache.

#include <cstring>
#include <utility>
#include <string>

#include "platform/gdi/text/font_engine.h"
#include "tests/gdi/text_fixture.h"

namespace {

using texttest::TextTest;

LOGFONTA logfont(const char* face, LONG height, LONG weight = FW_NORMAL) {
    LOGFONTA lf;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    lf.lfHeight = height;
    lf.lfWeight = weight;
    return lf;
}

TEST(TextFontTest, NamedFaceIsUsedAndMissingNamesFallBackToTheCjkSans) {
    struct Case {
        const char* face;
        const char* family;
    } cases[] = {
        {"WenQuanYi Micro Hei", "WenQuanYi Micro Hei"},
        {"DejaVu Sans", "DejaVu Sans"},
        {"", "WenQuanYi Micro Hei"},
        {"MS Sans Serif", "WenQuanYi Micro Hei"},
        {"宋体", "WenQuanYi Micro Hei"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(gdi::text::font_for(logfont(c.face, -12)).primary_family(), c.family) << "face \"" << c.face << "\"";
    }
}

TEST(TextFontTest, CharactersTheFaceLacksComeFromAFallbackFace) {
    // DejaVu Sans has no ideographs: they must come from another face, at the
    // same size, not as the missing-glyph box.
    auto& dejavu = gdi::text::font_for(logfont("DejaVu Sans", -12));
    auto& wqy = gdi::text::font_for(logfont("WenQuanYi Micro Hei", -12));
    const auto& box = dejavu.rendered_glyph(0x10FFFD);  // a private-use character no face has
    for (char32_t cp : {U'转', U'到', U'退'}) {
        const auto& g = dejavu.rendered_glyph(cp);
        EXPECT_EQ(g.advance, wqy.advance(cp));
        EXPECT_NE(g.coverage, box.coverage) << "U+" << std::hex << static_cast<unsigned>(cp);
    }
}

TEST(TextFontTest, HeightsMapToPixelSizesAndCells) {
    struct Case {
        LONG lf_height;
        int pixel_size;  // em size
        int cell;        // tmHeight, 0: not fixed by the request
    } cases[] = {
        {-12, 12, 0}, {0, 12, 0}, {-16, 16, 0}, {-40, 40, 0}, {12, 0, 12}, {16, 0, 16}, {30, 0, 30},
    };
    for (const auto& c : cases) {
        const auto& m = gdi::text::font_for(logfont("WenQuanYi Micro Hei", c.lf_height)).metrics();
        SCOPED_TRACE("lfHeight " + std::to_string(c.lf_height));
        if (c.pixel_size) {
            EXPECT_EQ(m.pixel_size, c.pixel_size);
            EXPECT_GE(m.height, c.pixel_size);
        }
        if (c.cell) {
            EXPECT_EQ(m.height, c.cell);
        }
        EXPECT_EQ(m.height, m.ascent + m.descent);
        EXPECT_EQ(m.internal_leading, m.height - m.pixel_size);
    }
}

TEST(TextFontTest, AbsurdHeightsAreClampedNotHonoured) {
    for (LONG h : {LONG(INT32_MIN), LONG(INT32_MAX), LONG(-100000)}) {
        auto& font = gdi::text::font_for(logfont("", h));
        EXPECT_LE(font.metrics().pixel_size, 1024) << h;
        EXPECT_GT(font.rendered_glyph(U'W').rows, 0) << h;
    }
}

TEST_F(TextTest, TextMetricsOfTheStockFont) {
    TEXTMETRICA tm;
    ASSERT_TRUE(GetTextMetricsA(dc_, &tm));
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_EQ(tm.tmInternalLeading, tm.tmHeight - 12);
    EXPECT_GT(tm.tmAscent, tm.tmDescent);
    EXPECT_GT(tm.tmAveCharWidth, 0);
    EXPECT_GE(tm.tmMaxCharWidth, 12);  // an ideograph is a full em wide
    EXPECT_EQ(tm.tmWeight, FW_NORMAL);

    HFONT bold = CreateFontA(-20, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, "DejaVu Sans");
    HGDIOBJ old = SelectObject(dc_, bold);
    TEXTMETRICA big;
    ASSERT_TRUE(GetTextMetricsA(dc_, &big));
    EXPECT_EQ(big.tmHeight - big.tmInternalLeading, 20);
    EXPECT_EQ(big.tmWeight, FW_BOLD);
    EXPECT_EQ(big.tmItalic, 1);
    SelectObject(dc_, old);
    DeleteObject(bold);
}

TEST(TextFontTest, BoldAndItalicAreSynthesisedForAFaceWithoutThoseStyles) {
    // WenQuanYi Micro Hei has one style: bold is made by emboldening, italic by slanting.
    auto coverage_of = [](LONG weight, BYTE italic) {
        LOGFONTA lf = logfont("WenQuanYi Micro Hei", -16, weight);
        lf.lfItalic = italic;
        const auto& g = gdi::text::font_for(lf).rendered_glyph(U'H');
        int sum = 0;
        for (auto v : g.coverage) sum += v;
        return std::make_pair(sum, g.coverage);
    };
    const auto regular = coverage_of(FW_NORMAL, 0);
    EXPECT_GT(coverage_of(FW_BOLD, 0).first, regular.first * 11 / 10);
    EXPECT_NE(coverage_of(FW_NORMAL, 1).second, regular.second);
}

TEST_F(TextTest, ExtentsAddUpAndHaveTheCellHeight) {
    TEXTMETRICA tm;
    GetTextMetricsA(dc_, &tm);
    const SIZE ab = extent("ab转到");
    EXPECT_EQ(ab.cx, extent("a").cx + extent("b").cx + extent("转").cx + extent("到").cx);
    EXPECT_EQ(ab.cy, tm.tmHeight);
    EXPECT_EQ(extent("转").cx, 12);  // ideographs are one em
    EXPECT_EQ(extent("").cx, 0);
    EXPECT_EQ(extent("").cy, tm.tmHeight);
}

TEST_F(TextTest, ExtentLengthsAreBytesAndStopAtTheEndOrANul) {
    const SIZE one = extent("退");
    SIZE size{};
    struct Case {
        const char* text;
        int length;
        LONG expected;
    } cases[] = {
        {"退 出", 3, one.cx},                     // three bytes: one character
        {"退 出", -1, extent("退 出").cx},         // NUL-terminated
        {"退", 2, extent("\xEF\xBF\xBD\xEF\xBF\xBD").cx},  // a cut character: one U+FFFD per byte
        {"ab\0cd", 5, extent("ab").cx},            // an explicit length stops at a NUL
        {"\xFF", 1, extent("\xEF\xBF\xBD").cx},    // an invalid byte measures as U+FFFD
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(GetTextExtentPoint32A(dc_, c.text, c.length, &size));
        EXPECT_EQ(size.cx, c.expected) << "\"" << c.text << "\" length " << c.length;
    }
}

TEST_F(TextTest, MeasuringFailsCleanlyOnBadArguments) {
    SIZE size{};
    TEXTMETRICA tm;
    EXPECT_FALSE(GetTextExtentPoint32A(dc_, nullptr, 3, &size));
    EXPECT_TRUE(GetTextExtentPoint32A(dc_, nullptr, 0, &size));
    EXPECT_FALSE(GetTextExtentPoint32A(dc_, "a", 1, nullptr));
    EXPECT_FALSE(GetTextMetricsA(dc_, nullptr));

    HDC dead = CreateCompatibleDC(nullptr);
    DeleteDC(dead);
    for (HDC bad : {dead, HDC()}) {
        EXPECT_FALSE(GetTextExtentPoint32A(bad, "a", 1, &size));
        EXPECT_FALSE(GetTextMetricsA(bad, &tm));
    }

    // A DC without a bitmap still measures.
    HDC bare = CreateCompatibleDC(nullptr);
    EXPECT_TRUE(GetTextExtentPoint32A(bare, "abc", 3, &size));
    EXPECT_EQ(size.cx, extent("abc").cx);
    EXPECT_TRUE(GetTextMetricsA(bare, &tm));
    DeleteDC(bare);
}

TEST_F(TextTest, UnderlinedAndStruckOutFontsDrawARuleAcrossTheText) {
    struct Case {
        BYTE underline, strikeout;
        bool below_baseline;
    } cases[] = {{1, 0, true}, {0, 1, false}};
    for (const auto& c : cases) {
        HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, c.underline, c.strikeout, DEFAULT_CHARSET, 0, 0, 0, 0,
                                 "WenQuanYi Micro Hei");
        HGDIOBJ old = SelectObject(dc_, font);
        TEXTMETRICA tm;
        GetTextMetricsA(dc_, &tm);
        const LONG width = extent("a b c").cx;
        clear(texttest::kWhite);
        TextOutA(dc_, 0, 0, "a b c", -1);
        // Some row on the right side of the baseline is solid from the first pixel to the last.
        bool found = false;
        const int from = c.below_baseline ? tm.tmAscent : 0;
        const int to = c.below_baseline ? tm.tmHeight : tm.tmAscent;
        for (int y = from; y < to && !found; ++y) found = ink_in(RECT{0, y, width, y + 1}) == width;
        EXPECT_TRUE(found) << (c.underline ? "underline" : "strike-out") << "\n" << picture(RECT{0, 0, width, tm.tmHeight});
        SelectObject(dc_, old);
        DeleteObject(font);
    }
}

TEST_F(TextTest, DrawingACaptionTwiceRasterisesNothingTheSecondTime) {
    RECT rc{0, 0, 49, 25};
    const char* caption = "Go 转到 &Exit";
    DrawTextA(dc_, caption, -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    const auto after_first = gdi::text::glyphs_rasterised();
    DrawTextA(dc_, caption, -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_EQ(gdi::text::glyphs_rasterised(), after_first);
}

}  // namespace
