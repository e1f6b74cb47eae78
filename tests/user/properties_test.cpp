// Window properties, window longs and subclassing.

#include <string>

#include "tests/user/window_fixture.h"

namespace usertest {
namespace {

using PropertyTest = WindowTest;

TEST_F(PropertyTest, ValuesReadBackAndMissingNamesReadZero) {
    HWND w = top_level();
    struct Case {
        const char* name;
        LONG_PTR value;
    };
    const Case cases[] = {{"PROCADDR", 0x7FFF1234}, {"OLDSTATE", -1}, {"ALPHALEVEL", 255}, {"HDC0", 0}};
    for (const Case& c : cases) EXPECT_TRUE(SetPropA(w, c.name, c.value)) << c.name;
    for (const Case& c : cases) EXPECT_EQ(GetPropA(w, c.name), c.value) << c.name;
    EXPECT_EQ(GetPropA(w, "MISSING"), 0);
    EXPECT_EQ(GetPropA(w, "oldstate"), 0) << "names compare exactly";
    EXPECT_EQ(GetPropA(w, "OLDSTAT"), 0) << "a prefix is another name";
    SetPropA(w, "OLDSTATE", 2);
    EXPECT_EQ(GetPropA(w, "OLDSTATE"), 2) << "setting again replaces";
    EXPECT_EQ(RemovePropA(w, "OLDSTATE"), 2);
    EXPECT_EQ(GetPropA(w, "OLDSTATE"), 0);
    EXPECT_EQ(RemovePropA(w, "OLDSTATE"), 0) << "removing twice";
    EXPECT_EQ(GetPropA(w, "ALPHALEVEL"), 255) << "the others stay";
}

TEST_F(PropertyTest, OddNamesHaveDefinedResults) {
    HWND w = top_level();
    EXPECT_FALSE(SetPropA(w, nullptr, 5));
    EXPECT_EQ(GetPropA(w, nullptr), 0);
    EXPECT_EQ(RemovePropA(w, nullptr), 0);
    EXPECT_FALSE(SetPropA(w, "", 5)) << "an empty name names nothing";
    const std::string huge(10000, 'A');
    EXPECT_FALSE(SetPropA(w, huge.c_str(), 5)) << "longer than an atom name";
    EXPECT_EQ(GetPropA(w, huge.c_str()), 0);
    const std::string longest(255, 'B');
    EXPECT_TRUE(SetPropA(w, longest.c_str(), 6));
    EXPECT_EQ(GetPropA(w, longest.c_str()), 6);
    // Integer atoms are names too, kept apart from strings.
    LPCSTR atom = reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(0xC001));
    EXPECT_TRUE(SetPropA(w, atom, 9));
    EXPECT_EQ(GetPropA(w, atom), 9);
    EXPECT_EQ(GetPropA(w, "#49153"), 9) << "an atom's number reads as its name";
}

TEST_F(PropertyTest, PropertiesGoWithTheWindow) {
    HWND w = top_level();
    SetPropA(w, "X", 1);
    DestroyWindow(w);
    EXPECT_EQ(GetPropA(w, "X"), 0);
    EXPECT_FALSE(SetPropA(w, "X", 1));
}

// Three procedures stacked by subclassing, each adding its mark to wParam's
// trail and passing on to the one before it.
WNDPROC previous[3];
LRESULT layer(int i, HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_USER) return CallWindowProcA(previous[i], h, m, w * 10 + static_cast<WPARAM>(i + 1), l);
    return CallWindowProcA(previous[i], h, m, w, l);
}
LRESULT layer0(HWND h, UINT m, WPARAM w, LPARAM l) { return layer(0, h, m, w, l); }
LRESULT layer1(HWND h, UINT m, WPARAM w, LPARAM l) { return layer(1, h, m, w, l); }
LRESULT layer2(HWND h, UINT m, WPARAM w, LPARAM l) { return layer(2, h, m, w, l); }
LRESULT innermost(HWND, UINT m, WPARAM w, LPARAM) { return m == WM_USER ? static_cast<LRESULT>(w) : 0; }

TEST_F(PropertyTest, SubclassingChainsProceduresAndUnwindsInReverse) {
    HWND w = top_level();
    SetWindowLongA(w, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&innermost));
    WNDPROC layers[3] = {layer0, layer1, layer2};
    for (int i = 0; i < 3; ++i) {
        previous[i] = reinterpret_cast<WNDPROC>(SetWindowLongA(w, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(layers[i])));
    }
    EXPECT_EQ(previous[0], &innermost);
    EXPECT_EQ(SendMessageA(w, WM_USER, 0, 0), 321) << "outermost first";
    for (int i = 2; i >= 0; --i) {
        EXPECT_EQ(reinterpret_cast<WNDPROC>(SetWindowLongA(w, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(previous[i]))),
                  layers[i]);
    }
    EXPECT_EQ(SendMessageA(w, WM_USER, 7, 0), 7);
    EXPECT_EQ(SetWindowLongA(w, GWL_WNDPROC, 0), 0) << "a window always keeps a procedure";
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongA(w, GWL_WNDPROC)), &innermost);
    SetWindowLongA(w, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&DefWindowProcA));
}

TEST_F(PropertyTest, StyleLongChangesOnlyTheBits) {
    HWND top = top_level();
    HWND c = child(top, 0, 0, 20, 20);
    log.clear();
    LONG_PTR style = GetWindowLongA(c, GWL_STYLE);
    EXPECT_EQ(static_cast<DWORD>(style) & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE);
    EXPECT_EQ(SetWindowLongA(c, GWL_STYLE, style | WS_DISABLED | 0xB), style);
    EXPECT_FALSE(IsWindowEnabled(c)) << "the bit is read back";
    SetWindowLongA(c, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_VISIBLE));
    EXPECT_FALSE(IsWindowVisible(c));
    EXPECT_TRUE(log.matches({})) << "no WM_ENABLE, WM_SHOWWINDOW or position messages";
    struct Long {
        int index;
        LONG_PTR value;
    };
    for (Long l : {Long{GWL_EXSTYLE, WS_EX_CLIENTEDGE}, Long{GWL_ID, 77}, Long{GWL_USERDATA, -5}}) {
        SetWindowLongA(c, l.index, l.value);
        EXPECT_EQ(GetWindowLongA(c, l.index), l.value) << l.index;
    }
    EXPECT_EQ(GetDlgCtrlID(c), 77);
}

TEST_F(PropertyTest, WindowTextIsUtf8AndNeverCutMidCharacter) {
    HWND w = top_level();
    EXPECT_TRUE(SetWindowTextA(w, "退 出"));
    EXPECT_EQ(GetWindowTextLengthA(w), 7) << "bytes, not characters";
    char buf[16];
    EXPECT_EQ(GetWindowTextA(w, buf, sizeof buf), 7);
    EXPECT_STREQ(buf, "退 出");
    EXPECT_EQ(GetWindowTextA(w, buf, 3), 0) << "two bytes would split the first character";
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(GetWindowTextA(w, buf, 5), 4);
    EXPECT_STREQ(buf, "退 ");
    EXPECT_TRUE(SetWindowTextA(w, nullptr));
    EXPECT_EQ(GetWindowTextLengthA(w), 0);
}

}  // namespace
}  // namespace usertest
