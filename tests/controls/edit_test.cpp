// The edit box: typing (multi-byte text included), selection, clipboard keys,
// multi-line text with CR LF and its scroll bar, and the text messages.

#include <cstring>

#include "tests/controls/control_fixture.h"

namespace controltest {
namespace {

class EditTest : public ControlTest {
protected:
    std::string text_of(HWND e) {
        char buffer[512] = {};
        GetWindowTextA(e, buffer, sizeof buffer);
        return buffer;
    }
    std::pair<DWORD, DWORD> selection(HWND e) {
        DWORD start = 0, end = 0;
        SendMessageA(e, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }
    HWND focused_edit(DWORD style, const char* text = "") {
        HWND e = make("Edit", style, 10, 10, 200, 24, text, 3);
        SetFocus(e);
        clear();
        return e;
    }
};

TEST_F(EditTest, TypingMultiByteTextInsertsWholeCharacters) {
    HWND e = focused_edit(ES_AUTOHSCROLL);
    headless::type_text("转到 ok");
    EXPECT_EQ(text_of(e), "转到 ok");
    EXPECT_EQ(GetWindowTextLengthA(e), 9);
    EXPECT_EQ(selection(e), (std::pair<DWORD, DWORD>{9, 9}));
    // Left steps over whole characters, Backspace removes a whole character.
    for (int i = 0; i < 4; ++i) headless::key_press(VK_LEFT);
    EXPECT_EQ(selection(e).first, 3u);
    headless::key_press(VK_BACK);
    EXPECT_EQ(text_of(e), "到 ok");
    headless::key_press(VK_DELETE);
    EXPECT_EQ(text_of(e), " ok");
    // EN_CHANGE after each change the user made.
    int changes = 0;
    for (WORD c : codes()) changes += c == EN_CHANGE;
    EXPECT_EQ(changes, 7) << "five characters typed, Backspace, Delete";
}

struct KeyCase {
    const char* name;
    std::vector<std::pair<int, int>> keys;  // vk, modifiers: 1 shift, 2 ctrl
    std::pair<DWORD, DWORD> selection;
};

TEST_F(EditTest, KeysMoveTheCaretAndSelect) {
    const KeyCase cases[] = {
        {"Home", {{VK_HOME, 0}}, {0, 0}},
        {"End", {{VK_HOME, 0}, {VK_END, 0}}, {11, 11}},
        {"Shift+Left twice", {{VK_LEFT, 1}, {VK_LEFT, 1}}, {9, 11}},
        {"Shift+Home", {{VK_HOME, 1}}, {0, 11}},
        {"Left collapses a selection", {{VK_HOME, 1}, {VK_LEFT, 0}}, {0, 0}},
        {"Ctrl+A", {{'A', 2}}, {0, 11}},
        {"Ctrl+Left jumps a word", {{VK_LEFT, 2}}, {6, 6}},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        HWND e = focused_edit(ES_AUTOHSCROLL, "hello world");
        SendMessageA(e, EM_SETSEL, 11, 11);
        for (auto [vk, mods] : c.keys) press_key(vk, mods & 1, mods & 2);
        EXPECT_EQ(selection(e), c.selection);
        DestroyWindow(e);
    }
}

TEST_F(EditTest, ClipboardKeys) {
    HWND e = focused_edit(ES_AUTOHSCROLL, "hello world");
    SendMessageA(e, EM_SETSEL, 0, 5);
    press_key('C', false, true);
    EXPECT_EQ(headless::clipboard_text(), "hello");
    press_key('X', false, true);
    EXPECT_EQ(text_of(e), " world");
    press_key(VK_END);
    press_key('V', false, true);
    EXPECT_EQ(text_of(e), " worldhello");
    // A single-line box pastes only the first line.
    headless::set_clipboard_text("one\r\ntwo");
    press_key('V', false, true);
    EXPECT_EQ(text_of(e), " worldhelloone");
}

TEST_F(EditTest, MouseSelects) {
    HWND e = focused_edit(ES_AUTOHSCROLL, "hello world");
    RECT rc{};
    GetWindowRect(e, &rc);
    headless::mouse_down(rc.left + 1, rc.top + 5);
    EXPECT_EQ(GetCapture(), e);
    headless::mouse_move(rc.right - 2, rc.top + 5);
    headless::mouse_up(rc.right - 2, rc.top + 5);
    EXPECT_EQ(selection(e), (std::pair<DWORD, DWORD>{0, 11}));
    EXPECT_EQ(GetCapture(), HWND());
}

TEST_F(EditTest, ReadOnlyRefusesChangesButCopies) {
    HWND e = focused_edit(ES_READONLY | ES_AUTOHSCROLL, "fixed");
    headless::type_text("x");
    press_key(VK_BACK);
    press_key('A', false, true);
    press_key('X', false, true);
    EXPECT_EQ(text_of(e), "fixed");
    EXPECT_EQ(headless::clipboard_text(), "") << "nothing is cut from a read-only box";
    press_key('C', false, true);
    EXPECT_EQ(headless::clipboard_text(), "fixed");
    SendMessageA(e, EM_SETREADONLY, FALSE, 0);
    headless::type_text("!");
    EXPECT_EQ(text_of(e), "!");
}

TEST_F(EditTest, CharacterStyles) {
    struct Case {
        const char* name;
        DWORD style;
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {
        {"digits only", ES_NUMBER | ES_AUTOHSCROLL, "a1b2转3", "123"},
        {"upper case", ES_UPPERCASE | ES_AUTOHSCROLL, "Abc转d", "ABC转D"},
        {"lower case", ES_LOWERCASE | ES_AUTOHSCROLL, "AbC", "abc"},
        {"password keeps the real text", ES_PASSWORD | ES_AUTOHSCROLL, "secret", "secret"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND e = focused_edit(c.style);
        headless::type_text(c.typed);
        EXPECT_EQ(text_of(e), c.kept);
        DestroyWindow(e);
    }
    // A password box shows stars and keeps its text off the clipboard.
    HWND secret = focused_edit(ES_PASSWORD | ES_AUTOHSCROLL, "");
    headless::type_text("pw");
    headless::set_clipboard_text("before");
    press_key('A', false, true);
    press_key('C', false, true);
    press_key('X', false, true);
    EXPECT_EQ(headless::clipboard_text(), "before");
    EXPECT_EQ(text_of(secret), "pw");
}

TEST_F(EditTest, EnterInASingleLineBoxDoesNothing) {
    HWND e = focused_edit(ES_AUTOHSCROLL, "address");
    press_key(VK_RETURN);
    headless::type_text("\r");
    EXPECT_EQ(text_of(e), "address");
    EXPECT_TRUE(codes().empty());
}

TEST_F(EditTest, ABoxThatDoesNotScrollRefusesWhatWouldNotFit) {
    HWND narrow = focused_edit(0);
    MoveWindow(narrow, 10, 10, 30, 24, TRUE);
    headless::type_text("wwwwwwwwwwwwwwwwwwww");
    int kept = GetWindowTextLengthA(narrow);
    EXPECT_GT(kept, 0);
    EXPECT_LT(kept, 20);
    HWND scrolling = focused_edit(ES_AUTOHSCROLL);
    MoveWindow(scrolling, 10, 40, 30, 24, TRUE);
    headless::type_text("wwwwwwwwwwwwwwwwwwww");
    EXPECT_EQ(GetWindowTextLengthA(scrolling), 20);
}

TEST_F(EditTest, MultiLineTextWrapsAndKeepsCrLf) {
    HWND e = make("Edit", ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, 10, 10, 120, 60, "one\r\ntwo", 3);
    SetFocus(e);
    press_key(VK_END, false, true);
    press_key(VK_RETURN);
    headless::type_text("three");
    EXPECT_EQ(text_of(e), "one\r\ntwo\r\nthree");
    EXPECT_EQ(SendMessageA(e, EM_GETLINECOUNT, 0, 0), 3);
    press_key(VK_UP);
    EXPECT_EQ(SendMessageA(e, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0), 1);
    press_key(VK_HOME);
    press_key(VK_LEFT);
    EXPECT_EQ(selection(e).first, 3u) << "Left from a line start skips the whole CR LF";

    // A long run of words wraps at a blank.
    SetWindowTextA(e, "word word word word word word word word word word word word");
    EXPECT_GT(SendMessageA(e, EM_GETLINECOUNT, 0, 0), 2);
}

TEST_F(EditTest, ScrollBarScrollsTheLines) {
    std::string many;
    for (int i = 0; i < 30; ++i) many += "line " + std::to_string(i) + "\r\n";
    HWND e = make("Edit", ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, 10, 10, 150, 80, many.c_str(), 3);
    SCROLLINFO si{};
    si.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(e, SB_VERT, &si));
    EXPECT_EQ(si.nMax, 30);
    EXPECT_GT(si.nPage, 0u);
    SendMessageA(e, WM_VSCROLL, SB_LINEDOWN, 0);
    SendMessageA(e, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(SendMessageA(e, EM_GETFIRSTVISIBLELINE, 0, 0), 2);
    EXPECT_EQ(GetScrollPos(e, SB_VERT), 2);
    SendMessageA(e, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(SendMessageA(e, EM_GETFIRSTVISIBLELINE, 0, 0), 31 - static_cast<int>(si.nPage));
    SendMessageA(e, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(SendMessageA(e, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    // Typing at the end brings the caret's line into view.
    SetFocus(e);
    press_key(VK_END, false, true);
    EXPECT_GT(SendMessageA(e, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

TEST_F(EditTest, TextMessagesWithOddArguments) {
    HWND e = make("Edit", ES_AUTOHSCROLL, 10, 10, 100, 24, "ab转", 3);
    char small[4] = {'x', 'x', 'x', 'x'};
    // Room for three bytes and the NUL: "ab" and the NUL, never half of 转.
    EXPECT_EQ(SendMessageA(e, WM_GETTEXT, sizeof small, reinterpret_cast<LPARAM>(small)), 2);
    EXPECT_STREQ(small, "ab");
    EXPECT_EQ(SendMessageA(e, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(small)), 0);
    EXPECT_EQ(SendMessageA(e, WM_GETTEXT, 10, 0), 0);
    SendMessageA(e, WM_SETTEXT, 0, 0);
    EXPECT_EQ(GetWindowTextLengthA(e), 0);
    std::string huge(100000, 'z');
    SetWindowTextA(e, huge.c_str());
    EXPECT_EQ(GetWindowTextLengthA(e), 100000);
    SendMessageA(e, EM_SETSEL, 5, 2);
    EXPECT_EQ(selection(e), (std::pair<DWORD, DWORD>{2, 5}));
    SendMessageA(e, EM_SETSEL, static_cast<WPARAM>(-5), 999999);
    SendMessageA(e, EM_REPLACESEL, 0, 0);
    SendMessageA(e, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("tail"));
    EXPECT_EQ(GetWindowTextLengthA(e), 100004);
    EXPECT_EQ(SendMessageA(e, EM_LINEINDEX, 99, 0), -1);
}

TEST_F(EditTest, SetTextAndReplaceSelNotifyTheParent) {
    HWND e = make("Edit", ES_AUTOHSCROLL, 10, 10, 100, 24, "", 3);
    clear();
    SetWindowTextA(e, "abc");
    SendMessageA(e, EM_SETSEL, 1, 2);
    SendMessageA(e, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("XY"));
    EXPECT_EQ(text_of(e), "aXYc");
    EXPECT_EQ(codes(), (std::vector<WORD>{EN_CHANGE, EN_UPDATE, EN_CHANGE}));
    EXPECT_TRUE(SendMessageA(e, EM_GETMODIFY, 0, 0) == 1);
}

}  // namespace
}  // namespace controltest
