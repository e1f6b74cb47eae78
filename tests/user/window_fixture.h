#pragma once
// Small helpers shared by the window-manager tests.

#include "platform/headless.h"
#include "platform/win32.h"
#include "tests/support/message_log.h"
#include "tests/support/test_support.h"

namespace usertest {

using namespace testsupport;

// A test with a live message log and helpers that make recording windows.
class WindowTest : public testsupport::PlatformTest {
protected:
    MessageLog log;

    HWND top_level(int x = 0, int y = 0, int w = 200, int h = 150, DWORD style = WS_OVERLAPPED | WS_VISIBLE,
                   const char* text = "top") {
        return CreateWindowExA(0, recorder_class(), text, style, x, y, w, h, HWND(), HMENU(), HINSTANCE(), nullptr);
    }
    HWND child(HWND parent, int x, int y, int w, int h, DWORD style = WS_CHILD | WS_VISIBLE, int id = 0,
               DWORD ex_style = 0) {
        return CreateWindowExA(ex_style, recorder_class(), "", style, x, y, w, h, parent,
                               HMENU(static_cast<std::uint32_t>(id)), HINSTANCE(), nullptr);
    }
};

}  // namespace usertest
