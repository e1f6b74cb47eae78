#include "tests/support/message_log.h"

#include <algorithm>
#include <cstdio>

#include "platform/user/internal.h"

namespace testsupport {

namespace {

MessageLog* active_log = nullptr;

struct Name {
    UINT message;
    const char* name;
};
constexpr Name kNames[] = {
    {WM_CREATE, "WM_CREATE"}, {WM_DESTROY, "WM_DESTROY"}, {WM_MOVE, "WM_MOVE"}, {WM_SIZE, "WM_SIZE"},
    {WM_ACTIVATE, "WM_ACTIVATE"}, {WM_SETFOCUS, "WM_SETFOCUS"}, {WM_KILLFOCUS, "WM_KILLFOCUS"},
    {WM_ENABLE, "WM_ENABLE"}, {WM_SETTEXT, "WM_SETTEXT"}, {WM_GETTEXT, "WM_GETTEXT"},
    {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"}, {WM_PAINT, "WM_PAINT"}, {WM_CLOSE, "WM_CLOSE"},
    {WM_ERASEBKGND, "WM_ERASEBKGND"}, {WM_SHOWWINDOW, "WM_SHOWWINDOW"}, {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
    {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"}, {WM_NCCREATE, "WM_NCCREATE"}, {WM_NCDESTROY, "WM_NCDESTROY"},
    {WM_NCCALCSIZE, "WM_NCCALCSIZE"}, {WM_NCHITTEST, "WM_NCHITTEST"}, {WM_NCPAINT, "WM_NCPAINT"},
    {WM_NCACTIVATE, "WM_NCACTIVATE"}, {WM_KEYDOWN, "WM_KEYDOWN"}, {WM_KEYUP, "WM_KEYUP"}, {WM_CHAR, "WM_CHAR"},
    {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"}, {WM_SYSKEYUP, "WM_SYSKEYUP"}, {WM_TIMER, "WM_TIMER"},
    {WM_HSCROLL, "WM_HSCROLL"}, {WM_VSCROLL, "WM_VSCROLL"}, {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
    {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"}, {WM_LBUTTONUP, "WM_LBUTTONUP"}, {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
    {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"}, {WM_RBUTTONUP, "WM_RBUTTONUP"}, {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
    {WM_MOUSELEAVE, "WM_MOUSELEAVE"}, {WM_COMMAND, "WM_COMMAND"}, {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
};

std::string describe(UINT message, unsigned flags, WPARAM wp, LPARAM lp) {
    std::string s = message_name(message);
    if (flags & sent) s += " sent";
    if (flags & posted) s += " posted";
    if (flags & parent) s += " parent";
    if (flags & defproc) s += " defproc";
    char buf[64];
    if (flags & wparam) {
        std::snprintf(buf, sizeof buf, " wp=%#llx", static_cast<unsigned long long>(wp));
        s += buf;
    }
    if (flags & lparam) {
        std::snprintf(buf, sizeof buf, " lp=%#llx", static_cast<unsigned long long>(lp));
        s += buf;
    }
    return s;
}

bool entry_matches(const ExpectedMessage& e, const LoggedMessage& got, HWND parent_window) {
    if (e.message != got.message) return false;
    const unsigned kind = sent | posted | defproc;
    if ((e.flags & kind) != (got.flags & kind)) return false;
    if (((e.flags & parent) != 0) != (parent_window && got.hwnd == parent_window)) return false;
    if ((e.flags & wparam) && e.wp != got.wp) return false;
    if ((e.flags & lparam) && e.lp != got.lp) return false;
    if (e.hwnd && e.hwnd != got.hwnd) return false;
    return true;
}

}  // namespace

std::string message_name(UINT message) {
    for (const Name& n : kNames) {
        if (n.message == message) return n.name;
    }
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%04X", message);
    return buf;
}

const char* recorder_class() {
    static constexpr const char* kName = "MessageRecorder";
    WNDCLASSA existing;
    if (!GetClassInfoA(HINSTANCE(), kName, &existing)) {
        WNDCLASSA wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &MessageLog::recording_proc;
        wc.hbrBackground = HBRUSH(static_cast<std::uint32_t>(COLOR_BTNFACE + 1));
        wc.lpszClassName = kName;
        RegisterClassA(&wc);
    }
    return kName;
}

MessageLog::MessageLog() { active_log = this; }

MessageLog::~MessageLog() {
    if (active_log == this) active_log = nullptr;
}

int MessageLog::count(UINT message) const {
    return static_cast<int>(std::count_if(entries_.begin(), entries_.end(),
                                          [&](const LoggedMessage& m) { return m.message == message; }));
}

LRESULT MessageLog::recording_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    MessageLog* log = active_log;
    if (!log) return DefWindowProcA(hwnd, msg, wp, lp);
    if (log->only_.empty() || std::find(log->only_.begin(), log->only_.end(), msg) != log->only_.end()) {
        unsigned flags = user::current_message_posted() ? posted : sent;
        if (log->defproc_depth_ > 0 && log->defproc_window_ == hwnd) flags |= defproc;
        if (log->parent_ && hwnd == log->parent_) flags |= parent;
        log->entries_.push_back(LoggedMessage{hwnd, msg, flags, wp, lp});
    }
    if (log->handler_) return log->handler_(hwnd, msg, wp, lp);
    HWND saved = log->defproc_window_;
    log->defproc_window_ = hwnd;
    ++log->defproc_depth_;
    LRESULT r = DefWindowProcA(hwnd, msg, wp, lp);
    if (active_log == log) {
        --log->defproc_depth_;
        log->defproc_window_ = saved;
    }
    return r;
}

::testing::AssertionResult MessageLog::matches(const std::vector<ExpectedMessage>& expected,
                                               std::source_location where) const {
    // Walk both sequences; an optional expected entry may be skipped.
    std::size_t i = 0, j = 0;
    bool ok = true;
    while (i < expected.size() || j < entries_.size()) {
        if (i < expected.size() && j < entries_.size() && entry_matches(expected[i], entries_[j], parent_)) {
            ++i, ++j;
        } else if (i < expected.size() && (expected[i].flags & optional)) {
            ++i;
        } else {
            ok = false;
            break;
        }
    }
    if (ok) return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure();
    failure << "message sequence differs (" << where.file_name() << ":" << where.line() << "), first at row "
            << (std::min(i, j) + 1) << "\n";
    char line[200];
    std::snprintf(line, sizeof line, "  %-4s %-44s | %s\n", "#", "expected", "received");
    failure << line;
    std::size_t rows = std::max(expected.size(), entries_.size());
    for (std::size_t k = 0; k < rows; ++k) {
        std::string e = k < expected.size()
                            ? describe(expected[k].message, expected[k].flags, expected[k].wp, expected[k].lp) +
                                  (expected[k].flags & optional ? " (optional)" : "")
                            : "";
        std::string g;
        if (k < entries_.size()) {
            const LoggedMessage& m = entries_[k];
            unsigned shown = m.flags | (k < expected.size() ? expected[k].flags & (wparam | lparam) : 0u);
            g = describe(m.message, shown, m.wp, m.lp);
        }
        std::snprintf(line, sizeof line, "  %-4zu %-44s %s %s\n", k + 1, e.c_str(),
                      (k == i || k == j) ? "|>" : "| ", g.c_str());
        failure << line;
    }
    return failure;
}

}  // namespace testsupport
