// Synonym replacement at dictionary scale, next to the plain entry-after-entry
// pass for the ratio.
//   bench_engine --benchmark_filter=ReplaceSynonyms --benchmark_repetitions=5
#include <benchmark/benchmark.h>

#include "BenchArticle.h"
#include "engine/LoadDict.h"
#include "engine/ReplaceSynonyms.h"
#include "engine/WordAutomaton.h"

namespace {

using namespace rewrix;

const bench::SyntheticDictionary& Synthetic() {
    static const bench::SyntheticDictionary dictionary = bench::MakeSyntheticDictionary();
    return dictionary;
}

const engine::DictTable& Shipped() {
    static const engine::DictTable table =
        engine::LoadDict(REWRIX_SOURCE_DIR "/program/data/dict.dict");
    return table;
}

template <typename Replace>
void Run(benchmark::State& state, const engine::DictTable& table,
         const std::vector<std::u16string>& vocabulary, Replace replace) {
    const std::u16string article =
        bench::MakeArticle(static_cast<std::size_t>(state.range(0)), vocabulary);
    engine::NullProgress progress;
    std::size_t length = 0;
    for (auto _ : state) {
        std::u16string result = replace(article, table, progress);
        length = result.size();
        benchmark::DoNotOptimize(result);
    }
    state.counters["entries"] = table.Count();
    state.counters["article"] = static_cast<double>(article.size());
    state.counters["result"] = static_cast<double>(length);
}

std::u16string Fast(const std::u16string& text, const engine::DictTable& table,
                    engine::Progress& progress) {
    return engine::ReplaceSynonyms(text, table, progress);
}

std::u16string Plain(const std::u16string& text, const engine::DictTable& table,
                     engine::Progress& progress) {
    return engine::ReplaceSynonymsReference(text, table, progress);
}

// 300,000 entries, one in a hundred present.
void BM_ReplaceSynonyms300k(benchmark::State& state) {
    Run(state, Synthetic().full, Synthetic().present, Fast);
}
BENCHMARK(BM_ReplaceSynonyms300k)
    ->Arg(2'000)
    ->Arg(20'000)
    ->Arg(200'000)
    ->Unit(benchmark::kMillisecond);

void BM_ReplaceSynonymsReference300k(benchmark::State& state) {
    Run(state, Synthetic().full, Synthetic().present, Plain);
}
BENCHMARK(BM_ReplaceSynonymsReference300k)
    ->Arg(2'000)
    ->Arg(20'000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The 30,000 entries of the base alone: the 300,000 above are these plus
// 270,000 absent words.
void BM_ReplaceSynonyms30k(benchmark::State& state) {
    Run(state, Synthetic().base, Synthetic().present, Fast);
}
BENCHMARK(BM_ReplaceSynonyms30k)->Arg(20'000)->Unit(benchmark::kMillisecond);

// The dictionary the program ships, on an article made of its own words.
void BM_ReplaceSynonymsShipped(benchmark::State& state) {
    std::vector<std::u16string> words;
    for (const engine::DictTable::Entry& e : Shipped().Entries()) {
        words.push_back(e.word);
    }
    Run(state, Shipped(), words, Fast);
}
BENCHMARK(BM_ReplaceSynonymsShipped)
    ->Arg(2'000)
    ->Arg(20'000)
    ->Arg(200'000)
    ->Unit(benchmark::kMillisecond);

void BM_ReplaceSynonymsReferenceShipped(benchmark::State& state) {
    std::vector<std::u16string> words;
    for (const engine::DictTable::Entry& e : Shipped().Entries()) {
        words.push_back(e.word);
    }
    Run(state, Shipped(), words, Plain);
}
BENCHMARK(BM_ReplaceSynonymsReferenceShipped)->Arg(20'000)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// The worst case for skipping: every entry is present and changes the whole
// article, (甲, 乙) then (乙, 甲) and so on, 2,000 entries over 20,000 characters.
const engine::DictTable& PingPong() {
    static const engine::DictTable table = [] {
        engine::DictTable t;
        for (int i = 0; i < 1'000; ++i) {
            t.Add(u"甲", u"乙");
            t.Add(u"乙", u"甲");
        }
        return t;
    }();
    return table;
}

void BM_ReplaceSynonymsEveryEntryPresent(benchmark::State& state) {
    Run(state, PingPong(), {u"甲甲甲甲"}, Fast);
}
BENCHMARK(BM_ReplaceSynonymsEveryEntryPresent)->Arg(20'000)->Unit(benchmark::kMillisecond);

void BM_ReplaceSynonymsReferenceEveryEntryPresent(benchmark::State& state) {
    Run(state, PingPong(), {u"甲甲甲甲"}, Plain);
}
BENCHMARK(BM_ReplaceSynonymsReferenceEveryEntryPresent)->Arg(20'000)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// The automaton alone, as LoadDict builds it for 300,000 entries.
void BM_WordAutomaton300k(benchmark::State& state) {
    const std::vector<engine::DictTable::Entry>& entries = Synthetic().full.Entries();
    for (auto _ : state) {
        engine::WordAutomaton automaton(entries);
        benchmark::DoNotOptimize(automaton.WordCount());
    }
}
BENCHMARK(BM_WordAutomaton300k)->Unit(benchmark::kMillisecond);

} // namespace
