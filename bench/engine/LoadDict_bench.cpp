// Loading the dictionary at start-up, and the plain synonym pass it feeds.
//   bench_engine --benchmark_filter=LoadDict
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <unistd.h>

#include "engine/LoadDict.h"
#include "engine/ReplaceSynonyms.h"
#include "platform/Cp936.h"

namespace {

namespace fs = std::filesystem;

// Words of two to four common CJK characters, all of them in code page 936.
std::u16string RandomWord(std::mt19937& random) {
    std::uniform_int_distribution<int> length(2, 4), character(0x4E00, 0x9FA5);
    std::u16string word;
    for (int n = length(random); n > 0; --n) {
        word.push_back(static_cast<char16_t>(character(random)));
    }
    return word;
}

// A dictionary file of `lines` "word|synonym" lines in code page 936, made once per size.
fs::path DictionaryFile(int lines) {
    fs::path path = fs::temp_directory_path() / ("rewrix-bench-" + std::to_string(::getpid()) +
                                                 "-" + std::to_string(lines) + ".dict");
    if (!fs::exists(path)) {
        std::mt19937 random(1);
        std::u16string text;
        for (int i = 0; i < lines; ++i) {
            text += RandomWord(random) + u"|" + RandomWord(random) + u"\r\n";
        }
        std::ofstream(path, std::ios::binary) << *rewrix::platform::EncodeCp936(text);
    }
    return path;
}

void BM_LoadDict(benchmark::State& state) {
    fs::path path = DictionaryFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        rewrix::engine::DictTable table = rewrix::engine::LoadDict(path);
        benchmark::DoNotOptimize(table.Count());
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(path));
    state.SetItemsProcessed(state.iterations() * state.range(0));
    fs::remove(path);
}
BENCHMARK(BM_LoadDict)->Arg(300'000)->Unit(benchmark::kMillisecond);

// The plain algorithm: one search of the article per entry.
void BM_ReplaceSynonymsReference(benchmark::State& state) {
    std::mt19937 random(2);
    rewrix::engine::DictTable table;
    for (int i = 0; i < state.range(0); ++i) {
        table.Add(RandomWord(random), RandomWord(random));
    }
    std::u16string article;
    while (article.size() < 5000) {
        article += RandomWord(random) + u"，";
    }
    rewrix::engine::NullProgress progress;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            rewrix::engine::ReplaceSynonymsReference(article, table, progress));
    }
}
BENCHMARK(BM_ReplaceSynonymsReference)->Arg(30'000)->Unit(benchmark::kMillisecond);

} // namespace
