// The convert command on an article of HTML paragraphs.
//   bench_engine --benchmark_filter=ToTraditional
#include <benchmark/benchmark.h>

#include <random>

#include "engine/ToTraditional.h"

namespace {

void BM_ToTraditional(benchmark::State& state) {
    const std::u16string sample =
        u"贸易伙伴在这里发展，头发干燥。里面的后来只有一个钟表，台风刮过了云彩；";
    std::mt19937 random(3);
    std::uniform_int_distribution<std::size_t> pick(0, sample.size() - 1);
    std::u16string html;
    while (html.size() < static_cast<std::size_t>(state.range(0))) {
        html += u"<p style=\"text-indent:2em\">";
        for (int i = 0; i < 60; ++i) {
            html.push_back(sample[pick(random)]);
        }
        html += u"</p>\r\n";
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(rewrix::engine::ToTraditional(html));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * 2);
}
// 524,288 code units are 1 MB of HTML.
BENCHMARK(BM_ToTraditional)->Arg(50'000)->Arg(524'288)->Unit(benchmark::kMillisecond);

} // namespace
