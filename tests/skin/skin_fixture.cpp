#include "tests/skin/skin_fixture.h"

#include "platform/headless.h"

namespace skintest {

std::vector<LoggedMessage>& MessageLog() {
    static std::vector<LoggedMessage> log;
    return log;
}

HWND& DestroyOnFontRequest() {
    static HWND hwnd;
    return hwnd;
}

HBRUSH TestListBrush() { return HBRUSH(GetStockObject(LTGRAY_BRUSH)); }

LRESULT RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    MessageLog().push_back({hwnd, msg, wParam, lParam});
    switch (msg) {
    case BM_SETSTYLE: {
        const LONG_PTR style = GetWindowLongA(hwnd, GWL_STYLE);
        SetWindowLongA(hwnd, GWL_STYLE, (style & ~LONG_PTR{0xF}) | static_cast<LONG_PTR>(wParam & 0xF));
        return 0;
    }
    case WM_GETFONT:
        if (hwnd == DestroyOnFontRequest()) {
            DestroyOnFontRequest() = HWND();
            DestroyWindow(hwnd);
        }
        return 0;
    case kEchoMessage:
        return lParam + 1;
    case WM_CTLCOLORLISTBOX:
        return HandleToLong(TestListBrush());
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

void EnsureClass(const char* name) {
    WNDCLASSA existing;
    if (GetClassInfoA(HINSTANCE(), name, &existing)) return;
    WNDCLASSA wc;
    wc.lpfnWndProc = &RecordingProc;
    wc.lpszClassName = name;
    wc.hbrBackground = HBRUSH(static_cast<std::uint32_t>(COLOR_BTNFACE + 1));
    ASSERT_NE(RegisterClassA(&wc), 0) << name;
}

int CountMessages(HWND hwnd, UINT msg) {
    int n = 0;
    for (const LoggedMessage& m : MessageLog()) n += (m.hwnd == hwnd && m.msg == msg) ? 1 : 0;
    return n;
}

void SkinTest::SetUp() {
    PlatformTest::SetUp();
    MessageLog().clear();
    for (const char* name : {"Form", "ThunderCommandButton", "ThunderCheckBox", "ThunderOptionButton",
                             "ThunderComboBox", "ThunderDriveListBox", "MSVB_Lib_Header", "ProgressBarWndClass",
                             "DBListWndClass", "ApexGridX", "TestTextBox", "TestFrame"}) {
        EnsureClass(name);
    }
}

void SkinTest::TearDown() {
    // Destroying the windows detaches them; a test that built the images with
    // SkinForm(0) and attached nothing releases them here.
    headless::reset();
    if (mSkinner::IsSkinInitialised()) mSkinner::ReleaseSkinImages();
    EXPECT_EQ(mSkinner::SkinnedWindowCount(), 0);
    MessageLog().clear();
    DestroyOnFontRequest() = HWND();
    PlatformTest::TearDown();
}

HWND SkinTest::MakeTopLevel(const char* className, int width, int height, DWORD style) {
    return CreateWindowExA(0, className, "Test form", WS_OVERLAPPED | WS_VISIBLE | style, 0, 0, width, height,
                           HWND(), HMENU(), HINSTANCE(), nullptr);
}

HWND SkinTest::MakeChild(HWND parent, const char* className, const char* text, int x, int y, int width,
                         int height, DWORD style, DWORD exStyle) {
    return CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                           HMENU(), HINSTANCE(), nullptr);
}

}  // namespace skintest
