// DrawBar on the main window's bar (705 × 25 pixels, caption with its shadow effect).
// Run: QT_QPA_PLATFORM=offscreen build/bench/widgets/bench_widgets
#include "toolkit/Clock.h"
#include "toolkit/ControlHost.h"
#include "toolkit/ControlSite.h"
#include "toolkit/Region.h"
#include "toolkit/Surface.h"
#include "widgets/ProgressBar/ProgressBar.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace rewrix;

namespace {

// A site without a window, so that the figure is the drawing alone.
class BareSite : public ControlSite {
public:
    BareSite() : surface_(705, 25) {}
    Surface& surface() override { return surface_; }
    void present() override {}
    void setWindowRegion(const Region& region) override { region_ = region; }
    FontDesc ambientFont() const override { return {}; }
    QString displayName() const override { return QStringLiteral("ProgressBar1"); }
    bool userMode() const override { return true; }
    bool displayAsDefault() const override { return false; }
    bool isCancel() const override { return false; }
    Colour ambientBackColour() const override { return SystemColourRef(15); }
    void propertyChanged(const QString&) override {}
    Clock& clock() override { return clock_; }
    void setMouseCapture(bool) override {}
    bool hasMouseCapture() const override { return false; }
    void setMousePointer(MousePointer) override {}
    bool setMouseIcon(const Picture&) override { return false; }
    void setAccessKeys(const QString&) override {}
    bool enabled() const override { return true; }
    void setEnabled(bool) override {}
    bool hasFocus() const override { return false; }
    bool parentActive() const override { return true; }
    std::uintptr_t windowHandle() const override { return 1; }
    std::uintptr_t parentWindowHandle() const override { return 0; }
    Point mapToScreen(Point p) const override { return p; }
    bool cursorInside() const override { return false; }

private:
    Surface surface_;
    Region region_;
    ManualClock clock_;
};

void Configure(ProgressBar& bar, int textStyle) {
    bar.InitialiseNew();
    bar.setText(QStringLiteral("伪原创处理中...."));
    bar.setTextStyle(textStyle);
    bar.setMax(100000);
}

// Every iteration a new value, so every DrawBar paints the whole picture.
void BM_DrawBar(benchmark::State& state) {
    BareSite site;
    ProgressBar bar(site);
    Configure(bar, static_cast<int>(state.range(0)));
    int v = 0;
    for (auto _ : state) {
        bar.setValue(v);
        v = (v + 37) % 100000;
    }
}
BENCHMARK(BM_DrawBar)
    ->Arg(ProgressBar::ShowText)
    ->Arg(ProgressBar::ShowPercent)
    ->Unit(benchmark::kMicrosecond);

// The same value again: the picture would not change, so its pixels are not painted again.
void BM_DrawBarUnchanged(benchmark::State& state) {
    BareSite site;
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
