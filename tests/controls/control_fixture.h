#pragma once
// A visible top-level parent at 0, 0 (so screen and parent-client coordinates
// agree) that records what its controls tell it.

#include <functional>
#include <string>
#include <vector>

#include "platform/headless.h"
#include "platform/win32.h"
#include "tests/support/test_support.h"

namespace controltest {

struct Notice {
    UINT msg;     // WM_COMMAND, WM_CTLCOLOR*, WM_DRAWITEM, WM_ENTERIDLE ...
    WORD code;    // HIWORD(wParam) of WM_COMMAND; 0 otherwise
    int id;       // LOWORD(wParam) of WM_COMMAND
    LPARAM lp;
    UINT item_state;  // WM_DRAWITEM: the DRAWITEMSTRUCT's itemState
};

class ControlTest : public testsupport::PlatformTest {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND make(const char* cls, DWORD style, int x, int y, int w, int h, const char* text = "", int id = 1,
              DWORD ex_style = 0);
    // WM_COMMAND notification codes the parent received, in order.
    std::vector<WORD> codes() const;
    int count(UINT msg) const;
    void clear() { notices.clear(); }
    // Centre of a child in screen coordinates.
    static POINT centre(HWND child);
    static void click(HWND child);
    static void press_key(int vk, bool shift = false, bool ctrl = false);

    HWND parent;
    std::vector<Notice> notices;
    // What the parent answers to WM_CTLCOLOR*: 0 lets the default apply.
    HBRUSH answer_brush;
    // Called from the parent's WM_ENTERIDLE with the dialog in lParam.
    std::function<void(HWND dialog)> on_idle;

private:
    static LRESULT parent_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

}  // namespace controltest
