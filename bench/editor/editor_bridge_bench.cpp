// The time one SetEditorHtml and one GetEditorHtml take for articles of growing size, so
// that the bridge's time limit leaves room for the largest article a user would paste.

#include "bench/support/WindowBench.h"
#include "shell/EditorBridge.h"
#include "toolkit/BrowserPane.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

std::unique_ptr<rewrix::BrowserPane> pane;

QString article(int64_t paragraphs) {
    QString html;
    for (int64_t i = 0; i < paragraphs; ++i)
        html += QStringLiteral(
                    "<p>今天天气很好，我们一起去公园散步，<b>看见</b>许多人在锻炼身体。%1</p>")
                    .arg(i);
    return html;
}

void BM_SetEditorHtml(benchmark::State& state) {
    rewrix::EditorBridge bridge(*pane, std::chrono::seconds(60));
    const QString html = article(state.range(0));
    for (auto _ : state)
        bridge.SetEditorHtml(html);
    state.SetBytesProcessed(state.iterations() * html.size() * 2);
}
BENCHMARK(BM_SetEditorHtml)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_GetEditorHtml(benchmark::State& state) {
    rewrix::EditorBridge bridge(*pane, std::chrono::seconds(60));
    bridge.SetEditorHtml(article(state.range(0)));
    qsizetype size = 0;
    for (auto _ : state)
        size = bridge.GetEditorHtml().size();
    state.SetBytesProcessed(state.iterations() * size * 2);
}
BENCHMARK(BM_GetEditorHtml)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    rewrix::bench::PrepareOffscreenApplication();
    QApplication app(argc, argv);
    pane = std::make_unique<rewrix::BrowserPane>();
    pane->setLocalOnly(true);
    pane->Navigate(QStringLiteral(REWRIX_SOURCE_DIR "/program/edit/index.html"));
    if (!rewrix::bench::WaitUntilLoaded(*pane))
        return 1;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    pane.reset();
    return 0;
}
