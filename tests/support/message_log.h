#pragma once
// Message-sequence recording: windows of a recording class log every message
// they receive, and a test compares the log with a table of expected entries.
//
//   testsupport::MessageLog log;
//   HWND w = CreateWindowExA(0, testsupport::recorder_class(), ...);
//   ... log.clear(); act ...
//   EXPECT_TRUE(log.matches({{WM_KILLFOCUS, sent}, {WM_SETFOCUS, sent | wparam, HandleToLong(old)}}));
//
// On a mismatch both sequences are printed side by side with the test's line.

#include <gtest/gtest.h>

#include <initializer_list>
#include <source_location>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace testsupport {

enum MessageFlags : unsigned {
    sent = 1u << 0,      // delivered by SendMessageA or the window manager directly
    posted = 1u << 1,    // taken from the queue by DispatchMessageA
    parent = 1u << 2,    // received by the log's parent window (set_parent)
    defproc = 1u << 3,   // received while the window's DefWindowProcA was running
    wparam = 1u << 4,    // compare wParam
    lparam = 1u << 5,    // compare lParam
    optional = 1u << 6,  // may be missing; give the reason in `why`
};

struct ExpectedMessage {
    UINT message = 0;
    unsigned flags = sent;
    WPARAM wp = 0;
    LPARAM lp = 0;
    HWND hwnd{};  // when set, the window that must receive it
    const char* why = nullptr;
};

struct LoggedMessage {
    HWND hwnd;
    UINT message = 0;
    unsigned flags = 0;
    WPARAM wp = 0;
    LPARAM lp = 0;
};

// The class of the recording windows, registered on first use after each reset:
// its procedure logs into the live MessageLog and then calls DefWindowProcA.
// CS_DBLCLKS is set and the background is the button-face colour.
const char* recorder_class();

class MessageLog {
public:
    // Becomes the log that recording windows write to (one at a time).
    MessageLog();
    ~MessageLog();
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    void clear() { entries_.clear(); }
    void set_parent(HWND h) { parent_ = h; }
    // Only these messages are recorded when set (e.g. leave out WM_GETTEXT noise).
    void only(std::initializer_list<UINT> messages) { only_.assign(messages); }
    // A procedure to call instead of DefWindowProcA (to make handlers that
    // destroy, send or fail); it may call DefWindowProcA itself.
    void set_handler(WNDPROC handler) { handler_ = handler; }

    const std::vector<LoggedMessage>& entries() const { return entries_; }
    int count(UINT message) const;

    ::testing::AssertionResult matches(const std::vector<ExpectedMessage>& expected,
                                       std::source_location where = std::source_location::current()) const;

    static LRESULT recording_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

private:
    std::vector<LoggedMessage> entries_;
    std::vector<UINT> only_;
    HWND parent_;
    WNDPROC handler_ = nullptr;
    int defproc_depth_ = 0;
    HWND defproc_window_;
};

std::string message_name(UINT message);

}  // namespace testsupport
