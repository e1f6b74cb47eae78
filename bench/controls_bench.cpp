// The standard controls and the forms runtime: building a form like the
// browser window, typing into a busy edit box, repainting one of each control.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/forms/forms.h"
#include "platform/headless.h"
#include "platform/win32.h"
#include "tests/support/browser_like_forms.h"

namespace {

using testsupport::MakeControl;

forms::FormDef browser_like() {
    forms::FormDef def = testsupport::BrowserLikeForm();
    def.caption = "Bench";
    return def;
}

// Load (create, load event, show), first paint, and end.
void BM_LoadAndEndBrowserForm(benchmark::State& state) {
    headless::reset();
    forms::reset();
    const forms::FormDef def = browser_like();
    for (auto _ : state) {
        forms::Form* form = forms::load_form(def, {});
        headless::pump();
        benchmark::DoNotOptimize(form);
        forms::end_program(0);
    }
    forms::reset();
    headless::reset();
}
BENCHMARK(BM_LoadAndEndBrowserForm)->Unit(benchmark::kMicrosecond);

// One character typed at the end of a multi-line box holding 2 KB of text, with its repaint.
void BM_TypeIntoBusyEditBox(benchmark::State& state) {
    headless::reset();
    std::string text;
    while (text.size() < 2048) text += "The quick brown fox jumps over the lazy dog. ";
    HWND top = CreateWindowExA(0, "Static", "", WS_VISIBLE, 0, 0, 300, 200, HWND(), HMENU(), HINSTANCE(), nullptr);
    HWND edit = CreateWindowExA(0, "Edit", text.c_str(), WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL, 0, 0, 300,
                                200, top, HMENU(), HINSTANCE(), nullptr);
    SendMessageA(edit, WM_SETFONT, static_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT).value), FALSE);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 2048, 2048);
    headless::pump();
    int n = 0;
    for (auto _ : state) {
        SendMessageA(edit, WM_CHAR, (++n % 2) ? 'x' : ' ', 0);
        headless::pump();
    }
    headless::reset();
}
BENCHMARK(BM_TypeIntoBusyEditBox)->Unit(benchmark::kMicrosecond);

// Every window of a form with one of each control painted again.
void BM_RepaintEveryControl(benchmark::State& state) {
    using forms::ControlKind;
    headless::reset();
    forms::reset();
    forms::FormDef def;
    def.client_width = 6000;
    def.client_height = 5400;
    def.controls = {
        MakeControl(ControlKind::CommandButton, "Command1", "", 120, 120, 1200, 375, "Command", 0, 0),
        MakeControl(ControlKind::CheckBox, "Check1", "", 120, 600, 1800, 300, "Check box", 1, 0),
        MakeControl(ControlKind::OptionButton, "Option1", "", 120, 960, 1800, 300, "Option", 2, 0),
        MakeControl(ControlKind::TextBox, "Text1", "", 120, 1740, 2400, 375, "text box", 4, 0),
        MakeControl(ControlKind::ComboBox, "Combo1", "", 120, 2250, 2400, 315, "combo", 5, 0),
        MakeControl(ControlKind::ListBox, "List1", "", 120, 3150, 2400, 1200, "", 7, 0),
        MakeControl(ControlKind::Frame, "Frame1", "", 3000, 120, 2800, 1500, "Frame", 8, 0),
        MakeControl(ControlKind::Label, "Label1", "", 3000, 1800, 2800, 300, "A label", 10, 0),
        MakeControl(ControlKind::ProgressBar, "Progress1", "", 3000, 2250, 2800, 300, "", 11, 0),
        MakeControl(ControlKind::Header, "Header1", "", 3000, 2700, 2800, 330, "", 12, 0),
    };
    forms::Form* form = forms::load_form(def, {});
    headless::pump();
    for (auto _ : state) {
        RedrawWindow(form->hwnd(), nullptr, HRGN(), RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
        headless::pump();
    }
    forms::end_program(0);
    forms::reset();
    headless::reset();
}
BENCHMARK(BM_RepaintEveryControl)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
