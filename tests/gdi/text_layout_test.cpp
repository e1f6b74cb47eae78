// Where lines break, what the ellipsis keeps, what "&" prefixes become.

#include <string>
#include <vector>

#include "platform/gdi/text/font_engine.h"
#include "platform/gdi/text/text_layout.h"
#include "platform/win32.h"
#include <gtest/gtest.h>

namespace {

using gdi::text::layout_text;

gdi::text::Font& stock_font() {
    LOGFONTA lf;
    lf.lfHeight = -12;
    return gdi::text::font_for(lf);
}

std::vector<std::string> lines_of(const std::string& text, UINT format, int width) {
    const auto layout = layout_text(stock_font(), text, format, width);
    std::vector<std::string> out;
    for (std::size_t i = 0; i < layout.lines.size(); ++i) out.push_back(layout.line_text(i));
    return out;
}

int width_of(const std::string& text) { return gdi::text::measure_line(stock_font(), text); }

using Lines = std::vector<std::string>;

TEST(TextLayoutTest, LineEndsAndWordBreaks) {
    const int hello_world = width_of("hello world");
    const int cjk3 = width_of("地址栏");
    struct Case {
        const char* name;
        std::string text;
        UINT format;
        int width;
        Lines expected;
    } cases[] = {
        {"CR LF, LF and CR end lines", "one\r\ntwo\nthree\rfour", 0, 1000, {"one", "two", "three", "four"}},
        {"an empty line in the middle counts", "a\n\nb", 0, 1000, {"a", "", "b"}},
        {"a line end at the very end adds no line", "a\r\n", 0, 1000, {"a"}},
        {"single line ignores line ends", "a\r\nb", DT_SINGLELINE, 1000, {"a\r\nb"}},
        {"no wrapping without DT_WORDBREAK", "hello world foo", 0, 10, {"hello world foo"}},
        {"wraps at the last blank that fits", "hello world foo", DT_WORDBREAK, hello_world, {"hello world", "foo"}},
        {"blanks at the break vanish", "hello    world", DT_WORDBREAK, width_of("hello  "), {"hello", "world"}},
        {"a word wider than the line stays whole", "abcdefghij xy", DT_WORDBREAK, 20, {"abcdefghij", "xy"}},
        {"leading blanks of a paragraph stay", "  ab", DT_WORDBREAK, 1000, {"  ab"}},
        {"breaks between ideographs", "地址栏地址栏", DT_WORDBREAK, cjk3, {"地址栏", "地址栏"}},
        {"CJK after Latin breaks without a blank", "ab地址栏", DT_WORDBREAK, width_of("ab地"), {"ab地", "址栏"}},
        {"closing punctuation stays with its character", "地址。栏", DT_WORDBREAK, width_of("地址"),
         {"地", "址。", "栏"}},
        {"DT_SINGLELINE overrides DT_WORDBREAK", "hello world", DT_SINGLELINE | DT_WORDBREAK, 10, {"hello world"}},
        {"wrapping in a zero width puts each word on a line", "a b c", DT_WORDBREAK, 0, {"a", "b", "c"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lines_of(c.text, c.format | DT_NOPREFIX, c.width), c.expected) << c.name;
    }
}

TEST(TextLayoutTest, EllipsisKeepsTheStartAndFits) {
    const int dots = width_of("...");
    struct Case {
        std::string text;
        int width;
        std::string expected;
    } cases[] = {
        {"Hello world", width_of("Hello world"), "Hello world"},  // fits: untouched
        {"Hello world", width_of("Hello") + dots, "Hello..."},
        {"Hello world", width_of("Hello") + dots - 1, "Hell..."},
        {"转到地址栏", width_of("转到") + dots, "转到..."},     // whole characters only
        {"转到地址栏", width_of("转") + dots + 11, "转..."},
        {"Hello", dots - 1, "..."},  // not even the dots fit: the dots alone, to be clipped
        {"Hello", 0, "..."},
    };
    for (const auto& c : cases) {
        const auto layout = layout_text(stock_font(), c.text, DT_SINGLELINE | DT_END_ELLIPSIS, c.width);
        ASSERT_EQ(layout.lines.size(), 1u);
        EXPECT_EQ(layout.line_text(0), c.expected) << c.text << " in " << c.width;
        if (c.width >= dots) {
            EXPECT_LE(layout.lines[0].width, c.width) << c.text << " in " << c.width;
        }
    }
}

TEST(TextLayoutTest, PrefixesUnderlineTheNextCharacter) {
    struct Case {
        std::string text;
        UINT format;
        std::string shown;
        std::string underlined;  // one mark per shown character: '^' underlined
    } cases[] = {
        {"&File", 0, "File", "^..."},
        {"E&xit", 0, "Exit", ".^.."},
        {"&&Co", 0, "&Co", "..."},
        {"A&&&B", 0, "A&B", "..^"},
        {"end&", 0, "end", "..."},
        {"&转到", 0, "转到", "^."},
        {"&File", DT_NOPREFIX, "&File", "....."},
        {"&File", DT_HIDEPREFIX, "File", "^..."},  // the mark is kept; drawing hides it
    };
    for (const auto& c : cases) {
        const auto layout = layout_text(stock_font(), c.text, DT_SINGLELINE | c.format, 1000);
        EXPECT_EQ(layout.line_text(0), c.shown) << c.text;
        std::string marks;
        for (const auto& ch : layout.chars) marks += ch.prefixed ? '^' : '.';
        EXPECT_EQ(marks, c.underlined) << c.text;
    }
}

TEST(TextLayoutTest, TabsExpandToStopsOfEightAverageWidths) {
    const int stop = stock_font().metrics().ave_char_width * 8;
    const auto layout = layout_text(stock_font(), "a\tb\tc", DT_EXPANDTABS | DT_SINGLELINE, 1000);
    ASSERT_EQ(layout.chars.size(), 5u);
    EXPECT_EQ(layout.chars[2].x, stop);
    EXPECT_EQ(layout.chars[4].x, 2 * stop);
    // Without DT_EXPANDTABS a tab is one blank wide.
    const auto plain = layout_text(stock_font(), "a\tb", DT_SINGLELINE, 1000);
    EXPECT_EQ(plain.chars[2].x, width_of("a "));
}

TEST(TextLayoutTest, HundredThousandBytesLayOutInOnePass) {
    std::string text;
    while (text.size() < 100000) text += "转到 Go ";
    text.resize(100000);  // may cut the last character: it becomes U+FFFD
    const auto one_line = layout_text(stock_font(), text, DT_SINGLELINE | DT_END_ELLIPSIS, 45);
    ASSERT_EQ(one_line.lines.size(), 1u);
    EXPECT_TRUE(one_line.lines[0].ellipsis);
    EXPECT_EQ(one_line.line_text(0).substr(0, 6), "转到");

    const auto wrapped = layout_text(stock_font(), text, DT_WORDBREAK, 45);
    EXPECT_GT(wrapped.lines.size(), 1000u);
    for (const auto& line : wrapped.lines) ASSERT_LE(line.width, 45);
}

}  // namespace
