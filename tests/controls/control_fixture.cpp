#include "tests/controls/control_fixture.h"

#include <algorithm>

namespace controltest {

namespace {

ControlTest* g_recorder = nullptr;

}  // namespace

LRESULT ControlTest::parent_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    ControlTest* t = g_recorder;
    if (!t) return DefWindowProcA(hwnd, msg, wp, lp);
    switch (msg) {
    case WM_COMMAND:
        t->notices.push_back({msg, HIWORD(wp), LOWORD(wp), lp, 0});
        return 0;
    case WM_DRAWITEM: {
        const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        t->notices.push_back({msg, 0, static_cast<int>(wp), lp, dis ? dis->itemState : 0});
        return TRUE;
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
        t->notices.push_back({msg, 0, 0, lp, 0});
        if (t->answer_brush) return HandleToLong(t->answer_brush);
        return DefWindowProcA(hwnd, msg, wp, lp);
    case WM_ENTERIDLE:
        t->notices.push_back({msg, 0, static_cast<int>(wp), lp, 0});
        if (t->on_idle) t->on_idle(LongToHandle<HWND>(lp));
        return 0;
    default: return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

void ControlTest::SetUp() {
    PlatformTest::SetUp();
    g_recorder = this;
    WNDCLASSA wc{};
    wc.lpfnWndProc = parent_proc;
    wc.hbrBackground = HBRUSH(static_cast<std::uint32_t>(COLOR_BTNFACE + 1));
    wc.lpszClassName = "ControlTestParent";
    RegisterClassA(&wc);
    parent = CreateWindowExA(0, "ControlTestParent", "parent", WS_OVERLAPPED | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                             320, 240, HWND(), HMENU(), HINSTANCE(), nullptr);
    ASSERT_TRUE(IsWindow(parent));
    headless::pump();
    notices.clear();
}

void ControlTest::TearDown() {
    on_idle = nullptr;
    if (IsWindow(parent)) DestroyWindow(parent);
    UnregisterClassA("ControlTestParent", HINSTANCE());
    g_recorder = nullptr;
    PlatformTest::TearDown();
}

HWND ControlTest::make(const char* cls, DWORD style, int x, int y, int w, int h, const char* text, int id,
                       DWORD ex_style) {
    HWND hwnd = CreateWindowExA(ex_style, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                                HMENU(static_cast<std::uint32_t>(id)), HINSTANCE(), nullptr);
    headless::pump();
    return hwnd;
}

std::vector<WORD> ControlTest::codes() const {
    std::vector<WORD> out;
    for (const Notice& n : notices)
        if (n.msg == WM_COMMAND) out.push_back(n.code);
    return out;
}

int ControlTest::count(UINT msg) const {
    return static_cast<int>(std::count_if(notices.begin(), notices.end(), [msg](const Notice& n) { return n.msg == msg; }));
}

POINT ControlTest::centre(HWND child) {
    RECT rc{};
    GetWindowRect(child, &rc);
    return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

void ControlTest::click(HWND child) {
    POINT p = centre(child);
    headless::click(p.x, p.y);
}

void ControlTest::press_key(int vk, bool shift, bool ctrl) {
    if (shift) headless::key_down(VK_SHIFT);
    if (ctrl) headless::key_down(VK_CONTROL);
    headless::key_press(vk);
    if (ctrl) headless::key_up(VK_CONTROL);
    if (shift) headless::key_up(VK_SHIFT);
}

}  // namespace controltest
