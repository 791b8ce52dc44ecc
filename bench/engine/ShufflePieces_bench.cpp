// Shuffling the paragraphs of a long article.
//   bench_engine --benchmark_filter=ShufflePieces --benchmark_repetitions=5
#include <benchmark/benchmark.h>

#include "BenchArticle.h"
#include "engine/LineBreaks.h"
#include "engine/ShufflePieces.h"

namespace {

using namespace rewrix;

void BM_ShufflePieces(benchmark::State& state) {
    std::mt19937 random(5);
    std::u16string text;
    for (int64_t i = 0; i < state.range(0); ++i) {
        if (i > 0) {
            text += engine::kCrLf;
        }
        text += bench::RandomCjk(random, 20, 120) + u"。";
    }
    engine::NullProgress progress;
    engine::RandomSource source;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::ShufflePieces(text, engine::kCrLf, progress, {}, source));
    }
    state.counters["article"] = static_cast<double>(text.size());
}
BENCHMARK(BM_ShufflePieces)->Arg(10'000)->Unit(benchmark::kMillisecond);

} // namespace
