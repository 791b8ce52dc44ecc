#include "engine/ReplaceSynonyms.h"

#include "engine/SynonymPass.h"

namespace rewrix::engine {

std::u16string ReplaceSynonyms(const std::u16string& text, const DictTable& table,
                               Progress& progress, const YieldHook& yield) {
    return SynonymPass(table).Run(text, progress, yield);
}

std::u16string ReplaceAll(const std::u16string& text, std::u16string_view word,
                          std::u16string_view replacement) {
    if (word.empty()) {
        return text;
    }
    std::u16string result;
    result.reserve(text.size());
    std::size_t start = 0;
    std::size_t at;
    while ((at = text.find(word, start)) != std::u16string::npos) {
        result.append(text, start, at - start);
        result += replacement;
        start = at + word.size();
    }
    result.append(text, start);
    return result;
}

std::u16string ReplaceSynonymsReference(const std::u16string& text, const DictTable& table,
                                        Progress& progress, const YieldHook& yield) {
    const int32_t last = table.Count() - 1;
    progress.Value(0);
    // With no entries the last index is -1, which is "not 0": Max receives
    // -1 and the bar clamps it, as it always did.
    if (last != 0) {
        progress.Max(last);
    }
    progress.Text(kSynonymsBusyText);
    CallYield(yield);

    std::u16string current = text;
    for (int32_t i = 0; i <= last; ++i) {
        const std::u16string& word = table.Word(i);
        // The search comes first so that an absent word costs no new string.
        if (!word.empty() && current.find(word) != std::u16string::npos) {
            current = ReplaceAll(current, word, table.Replacement(i));
        }
        if (i % 20 == 0) {
            progress.Value(i);
        }
    }
    return current;
}

} // namespace rewrix::engine
