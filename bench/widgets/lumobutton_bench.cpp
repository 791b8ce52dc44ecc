// A redraw of the main window's first image button (121 × 33, the soft blue style in the silver
// scheme, its caption in Tahoma 8.25 points) with the cursor over it.
// Run: QT_QPA_PLATFORM=offscreen build/bench/widgets/bench_lumobutton
#include "toolkit/OffscreenSite.h"
#include "toolkit/PropertyBag.h"
#include "toolkit/SystemColours.h"
#include "widgets/lumobutton/lumobutton.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace rewrix;

namespace {

// The cursor stays over the button.
class HoveredSite : public OffscreenSite {
public:
    using OffscreenSite::OffscreenSite;
    bool cursorInside() const override { return true; }
};

void Configure(lumobutton& button) {
    SetSystemColourSource(SystemColourSource::Classic);
    button.LoadProperties(PropertyBag{});
    FontDesc font;
    font.face = QStringLiteral("Tahoma");
    font.points = 8.25;
    font.charset = 0;
    button.SetFont(font);
    button.SetButtonStyle(3);
    button.SetColorScheme(2);
    button.SetBackColor(Rgb(227, 227, 227));
    button.SetPicturePushOnHover(true);
    button.SetPictureEffectOnOver(0);
    button.SetPictureEffectOnDown(0);
    button.SetCaption(QStringLiteral("切换到高级模式"));
}

void BM_RedrawSoftBlueHot(benchmark::State& state) {
    HoveredSite site(QStringLiteral("lumobutton1"), 121, 33);
    lumobutton button(site);
    Configure(button);
    button.MouseMove(0, 0, 60, 16);
    if (button.State().DrawState != Hot)
        state.SkipWithError("the button is not hot");
    for (auto _ : state)
        button.Redraw();
}
BENCHMARK(BM_RedrawSoftBlueHot)->Unit(benchmark::kMicrosecond);

// The same with a 16 × 16 picture to the left of the caption.
void BM_RedrawSoftBlueHotWithPicture(benchmark::State& state) {
    HoveredSite site(QStringLiteral("lumobutton1"), 121, 33);
    lumobutton button(site);
    Configure(button);
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(qRgb(40, 120, 200));
    button.SetPictureNormal(PictureObject::FromImage(image));
    button.MouseMove(0, 0, 60, 16);
    for (auto _ : state)
        button.Redraw();
}
BENCHMARK(BM_RedrawSoftBlueHotWithPicture)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
