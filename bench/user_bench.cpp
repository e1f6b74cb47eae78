// Window-manager hot paths: a message through a chain of subclassing
// procedures, a property look-up on a busy window, a full repaint.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/headless.h"
#include "platform/win32.h"

namespace {

WNDPROC previous[3];

LRESULT innermost(HWND, UINT msg, WPARAM wp, LPARAM) { return msg == WM_USER ? static_cast<LRESULT>(wp) + 1 : 0; }
LRESULT subclass0(HWND h, UINT m, WPARAM w, LPARAM l) { return CallWindowProcA(previous[0], h, m, w, l); }
LRESULT subclass1(HWND h, UINT m, WPARAM w, LPARAM l) { return CallWindowProcA(previous[1], h, m, w, l); }
LRESULT subclass2(HWND h, UINT m, WPARAM w, LPARAM l) { return CallWindowProcA(previous[2], h, m, w, l); }

void register_class(const char* name, WNDPROC proc, int brush_colour) {
    WNDCLASSA wc;
    wc.lpfnWndProc = proc;
    wc.lpszClassName = name;
    wc.hbrBackground = HBRUSH(static_cast<std::uint32_t>(brush_colour + 1));
    RegisterClassA(&wc);
}

void BM_SendMessageThroughThreeSubclasses(benchmark::State& state) {
    headless::reset();
    register_class("BenchPlain", DefWindowProcA, COLOR_BTNFACE);
    HWND w = CreateWindowExA(0, "BenchPlain", "", 0, 0, 0, 10, 10, HWND(), HMENU(), HINSTANCE(), nullptr);
    SetWindowLongA(w, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&innermost));
    const WNDPROC layers[3] = {subclass0, subclass1, subclass2};
    for (int i = 0; i < 3; ++i)
        previous[i] = reinterpret_cast<WNDPROC>(SetWindowLongA(w, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(layers[i])));
    WPARAM x = 0;
    for (auto _ : state) {
        x = static_cast<WPARAM>(SendMessageA(w, WM_USER, x, 0));
        benchmark::DoNotOptimize(x);
    }
    SetWindowLongA(w, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&DefWindowProcA));
    headless::reset();
}
BENCHMARK(BM_SendMessageThroughThreeSubclasses);

void BM_GetPropAmongTwenty(benchmark::State& state) {
    headless::reset();
    register_class("BenchPlain", DefWindowProcA, COLOR_BTNFACE);
    HWND w = CreateWindowExA(0, "BenchPlain", "", 0, 0, 0, 10, 10, HWND(), HMENU(), HINSTANCE(), nullptr);
    // The skin's names, looked up last-stored first: the worst place in the list.
    const char* names[20] = {"OLDSTYLE", "MOUSEFLAG", "TIMERID", "OLDSTATE", "ALPHALEVEL", "HDINDEX", "HMINDEX",
                             "HDC0",     "HDC1",      "HDC2",    "HDC3",     "BMP0",       "BMP1",    "BMP2",
                             "BMP3",     "EXTRA1",    "EXTRA2",  "EXTRA3",   "EXTRA4",     "PROCADDR"};
    for (int i = 0; i < 20; ++i) SetPropA(w, names[i], i + 1);
    for (auto _ : state) {
        LONG_PTR v = GetPropA(w, names[19]);
        benchmark::DoNotOptimize(v);
    }
    headless::reset();
}
BENCHMARK(BM_GetPropAmongTwenty);

// The browser window's size with its six controls: every window erases and
// paints its frame; the children are framed like the form's text boxes.
void BM_FullRepaintOfAFormWithSixChildren(benchmark::State& state) {
    headless::reset();
    register_class("BenchForm", DefWindowProcA, COLOR_BTNFACE);
    register_class("BenchControl", DefWindowProcA, COLOR_WINDOW);
    HWND form = CreateWindowExA(0, "BenchForm", "Form1", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 274, 573, HWND(), HMENU(),
                                HINSTANCE(), nullptr);
    struct Child {
        int x, y, w, h;
        DWORD style, ex_style;
    };
    const Child children[6] = {
        {8, 8, 200, 21, WS_BORDER, WS_EX_CLIENTEDGE}, {212, 8, 54, 21, 0, 0},
        {8, 36, 258, 440, WS_BORDER, 0},              {8, 484, 258, 40, 0, WS_EX_CLIENTEDGE},
        {8, 530, 120, 24, 0, 0},                      {146, 530, 120, 24, WS_VSCROLL, WS_EX_CLIENTEDGE},
    };
    for (const Child& c : children) {
        CreateWindowExA(c.ex_style, "BenchControl", "", WS_CHILD | WS_VISIBLE | c.style, c.x, c.y, c.w, c.h, form,
                        HMENU(), HINSTANCE(), nullptr);
    }
    headless::pump();
    for (auto _ : state) {
        RedrawWindow(form, nullptr, HRGN(), RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        headless::pump();
    }
    headless::reset();
}
BENCHMARK(BM_FullRepaintOfAFormWithSixChildren)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
