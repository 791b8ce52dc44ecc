// The synonym pass steps the bar's Value every twentieth entry: 15,000 sets for
// 300,000 entries, nearly all of which leave the picture as it was.
//   QT_QPA_PLATFORM=offscreen bench_widgets --benchmark_filter=Repeat --benchmark_repetitions=5
#include "toolkit/ControlHost.h"
#include "widgets/ProgressBar/ProgressBar.h"

#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

using namespace rewrix;

namespace {

// The main window's bar, shown, in the state the synonym pass puts it in.
struct ShownBar {
    ControlHost host{QStringLiteral("ProgressBar1")};
    ProgressBar bar{host};

    explicit ShownBar(std::int32_t max) {
        host.setControl(&bar);
        host.resizeControl(705, 25);
        host.show();
        QApplication::processEvents();
        bar.InitialiseNew();
        bar.setTextStyle(ProgressBar::ShowText);
        bar.setMax(max);
        bar.setText(QStringLiteral("伪原创处理中...."));
        QApplication::processEvents();
    }
    ~ShownBar() { host.setControl(nullptr); }
};

// The same value again and again.
void BM_RepeatSameValue(benchmark::State& state) {
    ShownBar shown(299'999);
    shown.bar.setValue(150'000);
    const int painted = shown.host.paintCount();
    for (auto _ : state) {
        shown.bar.setValue(150'000);
    }
    state.counters["paints"] = shown.host.paintCount() - painted;
}
BENCHMARK(BM_RepeatSameValue);

// New values that move no pixel: 300,000 entries over 705 pixels are about
// 425 values a pixel, about 21 steps of twenty.
void BM_RepeatValueWithinAPixel(benchmark::State& state) {
    ShownBar shown(299'999);
    shown.bar.setValue(150'000);
    const int painted = shown.host.paintCount();
    std::int32_t v = 0;
    for (auto _ : state) {
        shown.bar.setValue(150'001 + v);
        v = (v + 1) % 200;
    }
    state.counters["paints"] = shown.host.paintCount() - painted;
}
BENCHMARK(BM_RepeatValueWithinAPixel);

// The whole pass's sequence: 0, 20, ..., 299,980, every set redrawing where the fill moves.
void BM_RepeatPassSequence(benchmark::State& state) {
    ShownBar shown(299'999);
    for (auto _ : state) {
        for (std::int32_t v = 0; v < 300'000; v += 20) {
            shown.bar.setValue(v);
        }
    }
    state.counters["sets"] = benchmark::Counter(15'000.0 * static_cast<double>(state.iterations()),
                                                benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RepeatPassSequence)->Unit(benchmark::kMillisecond);

// A second of sets that all move the fill, never yielding: how many times a
// second the picture reaches the screen.
void BM_RepeatPresentRate(benchmark::State& state) {
    ShownBar shown(704);
    for (auto _ : state) {
        const int painted = shown.host.paintCount();
        QElapsedTimer clock;
        clock.start();
        std::int32_t v = 0, sets = 0;
        while (clock.elapsed() < 1000) {
            shown.bar.setValue(v);
            v = (v + 1) % 705;
            ++sets;
        }
        const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        state.counters["presents_per_s"] = (shown.host.paintCount() - painted) / seconds;
        state.counters["sets_per_s"] = sets / seconds;
    }
}
BENCHMARK(BM_RepeatPresentRate)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
