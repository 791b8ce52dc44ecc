// DrawBar on the main window's bar (705 × 25 pixels, caption with its shadow effect).
// Run: QT_QPA_PLATFORM=offscreen build/bench/widgets/bench_widgets
#include "toolkit/Clock.h"
#include "toolkit/ControlHost.h"
#include "toolkit/OffscreenSite.h"
#include "widgets/ProgressBar/ProgressBar.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace rewrix;

namespace {

void Configure(ProgressBar& bar, int textStyle) {
    bar.InitialiseNew();
    bar.setText(QStringLiteral("伪原创处理中...."));
    bar.setTextStyle(textStyle);
    bar.setMax(100000);
}

// Every iteration a value whose fill (and percent caption) differs from the last one, so every
// DrawBar paints the whole picture.
void BM_DrawBar(benchmark::State& state) {
    OffscreenSite site(QStringLiteral("ProgressBar1"), 705, 25);
    ProgressBar bar(site);
    Configure(bar, static_cast<int>(state.range(0)));
    int v = 0;
    for (auto _ : state) {
        bar.setValue(v);
        v = (v + 49999) % 100000;
    }
    if (bar.drawBarCalls() < static_cast<int>(state.iterations()))
        state.SkipWithError("fewer DrawBar calls than iterations");
}
BENCHMARK(BM_DrawBar)
    ->Arg(ProgressBar::ShowText)
    ->Arg(ProgressBar::ShowPercent)
    ->Unit(benchmark::kMicrosecond);

// The same value again: the picture would not change, so its pixels are not painted again.
void BM_DrawBarUnchanged(benchmark::State& state) {
    OffscreenSite site(QStringLiteral("ProgressBar1"), 705, 25);
    ProgressBar bar(site);
    Configure(bar, ProgressBar::ShowText);
    for (auto _ : state)
        bar.setValue(500);
}
BENCHMARK(BM_DrawBarUnchanged)->Unit(benchmark::kMicrosecond);

// Through a shown window: the setter with its notice, the drawing and the rate-limited present.
void BM_SetValueOnScreen(benchmark::State& state) {
    ControlHost host(QStringLiteral("ProgressBar1"));
    ProgressBar bar(host);
    host.setControl(&bar);
    host.resizeControl(705, 25);
    host.show();
    QApplication::processEvents();
    Configure(bar, ProgressBar::ShowText);
    int v = 0;
    for (auto _ : state) {
        bar.setValue(v);
        v = (v + 37) % 100000;
    }
    host.setControl(nullptr);
}
BENCHMARK(BM_SetValueOnScreen)->Unit(benchmark::kMicrosecond);

// A long loop stepping Value by one on a shown bar (300,000 steps over 705 pixels): most steps
// leave the picture as it is, and presenting is limited to about 60 frames a second.
void BM_StepValueOnScreen(benchmark::State& state) {
    ControlHost host(QStringLiteral("ProgressBar1"));
    ProgressBar bar(host);
    host.setControl(&bar);
    host.resizeControl(705, 25);
    host.show();
    QApplication::processEvents();
    Configure(bar, ProgressBar::ShowText);
    bar.setMax(300000);
    int v = 0;
    for (auto _ : state) {
        bar.setValue(v);
        v = (v + 1) % 300000;
    }
    host.setControl(nullptr);
}
BENCHMARK(BM_StepValueOnScreen)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
