// The edit box's text model: stepping by whole characters, assembling typed
// bytes, and breaking lines.

#include <gtest/gtest.h>

#include "platform/controls/edit_text.h"

namespace et = controls::edit_text;

namespace {

struct StepCase {
    const char* name;
    std::string text;
    std::size_t from;
    std::size_t next;
    std::size_t prev;
};

TEST(EditText, StepsByWholeCharacters) {
    const StepCase cases[] = {
        {"ascii", "ab", 1, 2, 0},
        {"two-byte", "a\xC3\xA9z", 1, 3, 0},           // é
        {"three-byte", "\xE9\x80\x80 ", 0, 3, 0},      // 退
        {"after three-byte", "\xE9\x80\x80 ", 3, 4, 0},
        {"four-byte", "x\xF0\x9F\x98\x80y", 5, 6, 1},  // an emoji
        {"CR LF is one step", "a\r\nb", 1, 3, 0},
        {"back over CR LF", "a\r\nb", 3, 4, 1},
        {"end of text", "ab", 2, 2, 1},
        {"stray continuation byte", "a\x80z", 1, 2, 0},
        {"truncated sequence", "a\xE9\x80", 1, 3, 0},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(et::next_char(c.text, c.from), c.next);
        EXPECT_EQ(et::prev_char(c.text, c.from), c.prev);
    }
}

TEST(EditText, CharStartSnapsInsideSequences) {
    std::string text = "a\xE9\x80\x80\r\nb";
    EXPECT_EQ(et::char_start(text, 2), 1u);
    EXPECT_EQ(et::char_start(text, 3), 1u);
    EXPECT_EQ(et::char_start(text, 5), 4u);  // the LF of a CR LF pair
    EXPECT_EQ(et::char_start(text, 99), text.size());
}

TEST(EditText, AssemblerWaitsForTheLastByte) {
    et::Utf8Assembler a;
    EXPECT_EQ(a.feed(0xE8), "");
    EXPECT_EQ(a.feed(0xBD), "");
    EXPECT_EQ(a.feed(0xAC), "\xE8\xBD\xAC");  // 转
    EXPECT_EQ(a.feed('x'), "x");
    // A new lead byte drops the unfinished character; a lone continuation is dropped.
    EXPECT_EQ(a.feed(0xE8), "");
    EXPECT_EQ(a.feed('y'), "y");
    EXPECT_EQ(a.feed(0x80), "");
    EXPECT_EQ(a.feed(0xFF), "");
}

TEST(EditText, LineBreaksAreNormalisedToCrLf) {
    EXPECT_EQ(et::normalise_line_breaks("a\nb\rc\r\nd"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(et::first_line("one\r\ntwo"), "one");
    EXPECT_EQ(et::first_line("single"), "single");
}

// Every character 10 pixels wide.
int ten(std::string_view, std::size_t) { return 10; }

struct LayoutCase {
    const char* name;
    std::string text;
    int wrap;
    std::vector<std::string> lines;
};

TEST(EditText, LayoutBreaksAtCrLfAndWrapsWords) {
    const LayoutCase cases[] = {
        {"empty text has one line", "", 0, {""}},
        {"hard breaks", "ab\r\ncd\r\n", 0, {"ab", "cd", ""}},
        {"lone LF", "ab\ncd", 0, {"ab", "cd"}},
        {"wraps after the blank", "one two three", 80, {"one two ", "three"}},
        {"a long word is cut", "abcdefghij", 40, {"abcd", "efgh", "ij"}},
        {"no wrap width", "one two three", 0, {"one two three"}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<et::Line> lines = et::layout_lines(c.text, c.wrap, ten);
        std::vector<std::string> shown;
        for (const et::Line& l : lines) shown.push_back(c.text.substr(l.start, l.end - l.start));
        EXPECT_EQ(shown, c.lines);
        for (std::size_t i = 1; i < lines.size(); ++i) EXPECT_EQ(lines[i].start, lines[i - 1].next);
    }
}

}  // namespace
