// The plain page's rewrite button on a started window: a 20,000-character
// article, paragraph shuffling and a 300,000-entry dictionary, with every
// progress redraw of the bar (offscreen).
//   QT_QPA_PLATFORM=offscreen bench_cmddo --benchmark_repetitions=5
#include "bench/engine/BenchArticle.h"
#include "bench/support/WindowBench.h"
#include "platform/Cp936.h"
#include "shell/FrmMain.h"
#include "shell/TextBox.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/ShippedProgramFiles.h"
#include "widgets/ProgressBar/ProgressBar.h"

#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <fstream>

using namespace rewrix;

namespace {

void BM_CmdDo_Click(benchmark::State& state) {
    const bench::SyntheticDictionary dictionary = bench::MakeSyntheticDictionary();
    QTemporaryDir dir;
    rewrix::test::PrepareProgramDir(dir.path());
    std::u16string lines;
    for (const engine::DictTable::Entry& e : dictionary.full.Entries()) {
        lines += e.word + u"|" + e.replacement + u"\r\n";
    }
    std::ofstream((dir.path() + QStringLiteral("/data/dict.dict")).toStdString(), std::ios::binary)
        << *platform::EncodeCp936(lines);

    FrmMainSettings settings;
    settings.programDir = dir.path();
    settings.productPage = ClosedAddress(QStringLiteral("/software/wyc/wyc.html"));
    settings.announcement = ClosedAddress(QStringLiteral("/software/wyc/info.txt"));
    settings.announcementGiveUp = std::chrono::milliseconds(200);
    FrmMain window(settings);
    if (!window.Form_Load()) {
        state.SkipWithError("the window did not start");
        return;
    }
    window.show();
    QApplication::processEvents();
    window.Option1->setChecked(true); // 段落随机打乱
    window.Check1->setChecked(true);  // 同义词替换

    const QString article = QString::fromStdU16String(
        bench::MakeArticle(static_cast<std::size_t>(state.range(0)), dictionary.present));
    const int drawsBefore = window.ProgressBar1->drawBarCalls();
    for (auto _ : state) {
        state.PauseTiming();
        window.TxtContent->SetText(article);
        QApplication::processEvents();
        state.ResumeTiming();
        window.CmdDo_Click();
    }
    state.counters["entries"] = window.DictTable().Count();
    state.counters["article"] = article.size();
    // DrawBar calls per click (a picture that would not change is not painted again).
    state.counters["bar_draws"] = benchmark::Counter(
        window.ProgressBar1->drawBarCalls() - drawsBefore, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CmdDo_Click)->Arg(20'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    bench::PrepareOffscreenApplication();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
