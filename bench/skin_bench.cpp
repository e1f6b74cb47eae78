// The skin engine's costs: attaching a form like the browser window from
// nothing (images built, faces rendered), one fade step of a push button, and
// one colour-keyed copy of a drop-button arrow.

#include <benchmark/benchmark.h>

#include "platform/forms/forms.h"
#include "platform/headless.h"
#include "platform/win32.h"
#include "skin/mSkinner.h"
#include "tests/support/browser_like_forms.h"

namespace {

LRESULT BenchControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == BM_SETSTYLE) {
        const LONG_PTR style = GetWindowLongA(hwnd, GWL_STYLE);
        SetWindowLongA(hwnd, GWL_STYLE, (style & ~LONG_PTR{0xF}) | static_cast<LONG_PTR>(wParam & 0xF));
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// The standard classes when the window manager has them, stand-ins otherwise.
void EnsureClass(const char* name) {
    WNDCLASSA existing;
    if (GetClassInfoA(HINSTANCE(), name, &existing)) return;
    WNDCLASSA wc;
    wc.lpfnWndProc = &BenchControlProc;
    wc.lpszClassName = name;
    wc.hbrBackground = HBRUSH(static_cast<std::uint32_t>(COLOR_BTNFACE + 1));
    RegisterClassA(&wc);
}

HWND Child(HWND parent, const char* cls, const char* text, int x, int y, int w, int h) {
    return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE, x, y, w, h, parent, HMENU(), HINSTANCE(), nullptr);
}

// A form laid out like the browser window, made by the forms runtime from the
// same kinds of control: a frame holding the address box and the go button, the
// browser area, the about text and the exit button. Six controls, two of them
// push buttons.
HWND MakeBrowserLikeForm() {
    EnsureClass("BenchBrowser");
    forms::reset();
    forms::FormDef def = testsupport::BrowserWindowForm("BenchBrowser");
    forms::Form* form = forms::load_form(def, forms::FormEvents{});
    return form ? form->hwnd() : HWND();
}

void BM_SkinFormFromNothing(benchmark::State& state) {
    headless::reset();
    HWND form = MakeBrowserLikeForm();
    headless::pump();
    for (auto _ : state) {
        benchmark::DoNotOptimize(mSkinner::SkinForm(form));
        state.PauseTiming();
        mSkinner::UnskinWindow(form);  // the last detach releases the images too
        headless::pump();
        state.ResumeTiming();
    }
    headless::reset();
    forms::reset();
}
BENCHMARK(BM_SkinFormFromNothing)->Unit(benchmark::kMicrosecond);

void BM_DrawPushButtonAlpha128(benchmark::State& state) {
    headless::reset();
    EnsureClass("Form");
    EnsureClass("Button");
    HWND form = CreateWindowExA(0, "Form", "", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 200, 100, HWND(), HMENU(),
                                HINSTANCE(), nullptr);
    HWND button = Child(form, "Button", "Go", 10, 10, 49, 25);
    mSkinner::SkinForm(form);
    headless::pump();
    SetPropA(button, "OLDSTATE", 1);
    SetPropA(button, "ALPHALEVEL", 128);
    for (auto _ : state) benchmark::DoNotOptimize(mSkinner::DrawPushButton(button, HDC()));
    headless::reset();
}
BENCHMARK(BM_DrawPushButtonAlpha128);

void BM_DrawTransparentImageArrow(benchmark::State& state) {
    headless::reset();
    mSkinner::SkinForm(HWND());
    HDC target = mSkinner::CreateMemoryDC(17, 21);
    HDC arrows = mSkinner::SkinImage(mSkinner::SkinImageId::ComboButton);
    for (auto _ : state) {
        mSkinner::DrawTransparentImage(target, 5, 8, 7, 4, arrows, 8, 0, mSkinner::SkinKeyColor, HPALETTE());
    }
    mSkinner::DeleteMemoryDC(target);
    mSkinner::ReleaseSkinImages();
}
BENCHMARK(BM_DrawTransparentImageArrow);

}  // namespace

BENCHMARK_MAIN();
