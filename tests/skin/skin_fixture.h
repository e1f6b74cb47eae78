#pragma once
// What the skin tests share: test window classes registered under the family
// class names (each runs one recording procedure), a message log, and a fixture
// that leaves no window, no GDI object and no skin state behind.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32.h"
#include "skin/mSkinner.h"
#include "tests/support/test_support.h"

namespace skintest {

// One message as the control's own procedure received it.
struct LoggedMessage {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<LoggedMessage>& MessageLog();

// The test controls' own answers.
inline constexpr UINT kEchoMessage = WM_USER + 7;  // returns lParam + 1
// The brush a test combo box chooses for its list.
HBRUSH TestListBrush();

// A window that destroys itself when it is first asked for its font (0: none).
HWND& DestroyOnFontRequest();

// The procedure behind every test class: logs, keeps BM_SETSTYLE's type bits,
// reports no font, answers kEchoMessage and WM_CTLCOLORLISTBOX.
LRESULT RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Registers name with RecordingProc unless a class of that name exists.
void EnsureClass(const char* name);

class SkinTest : public testsupport::PlatformTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A top-level window at 0, 0 (client area = window rectangle).
    HWND MakeTopLevel(const char* className, int width, int height, DWORD style = 0);
    HWND MakeChild(HWND parent, const char* className, const char* text, int x, int y, int width, int height,
                   DWORD style = 0, DWORD exStyle = 0);
};

// How many of the messages in the log are msg for hwnd.
int CountMessages(HWND hwnd, UINT msg);

}  // namespace skintest
