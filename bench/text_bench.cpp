// Text drawing with warm caches: what a push button's face costs to caption,
// and how a caption of 100,000 bytes fares.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/win32.h"

namespace {

constexpr UINT kCaption = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;  // 0x8025

// A 49 x 25 button face with the stock font, text drawn transparently.
class ButtonFace {
public:
    ButtonFace() {
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateCompatibleBitmap(dc_, 49, 25);
        old_ = SelectObject(dc_, bitmap_);
        SetBkMode(dc_, TRANSPARENT);
        SetTextColor(dc_, RGB(0, 0, 0));
    }
    ~ButtonFace() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    int draw(const char* text, UINT format = kCaption) {
        RECT rc{2, 2, 47, 23};  // the caption rectangle: 2 pixels in on each side
        return DrawTextA(dc_, text, -1, &rc, format);
    }
    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

void run_caption(benchmark::State& state, const char* caption) {
    ButtonFace face;
    face.draw(caption);  // warm the font, glyph and coverage caches
    for (auto _ : state) benchmark::DoNotOptimize(face.draw(caption));
    state.SetItemsProcessed(state.iterations());
}

void BM_DrawTextCaptionCjk(benchmark::State& state) { run_caption(state, "退 出"); }
void BM_DrawTextCaptionLatin(benchmark::State& state) { run_caption(state, "Go"); }
void BM_DrawTextCaptionEllipsis(benchmark::State& state) { run_caption(state, "Connecting to the gateway"); }
BENCHMARK(BM_DrawTextCaptionCjk);
BENCHMARK(BM_DrawTextCaptionLatin);
BENCHMARK(BM_DrawTextCaptionEllipsis);

std::string long_text() {
    std::string text;
    while (text.size() < 100000) text += "Go 转到 地址栏 ";
    text.resize(100000);
    return text;
}

void BM_DrawText100kBytes(benchmark::State& state) {
    ButtonFace face;
    const std::string text = long_text();
    const UINT format = static_cast<UINT>(state.range(0));
    face.draw(text.c_str(), format);
    for (auto _ : state) benchmark::DoNotOptimize(face.draw(text.c_str(), format));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_DrawText100kBytes)->Arg(kCaption)->Arg(DT_WORDBREAK)->Unit(benchmark::kMicrosecond);

void BM_GetTextExtentCaption(benchmark::State& state) {
    ButtonFace face;
    SIZE size;
    for (auto _ : state) {
        GetTextExtentPoint32A(face.dc(), "Connecting to the gateway", 25, &size);
        benchmark::DoNotOptimize(size);
    }
}
BENCHMARK(BM_GetTextExtentCaption);

}  // namespace

BENCHMARK_MAIN();
