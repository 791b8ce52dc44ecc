#pragma once

// Articles and dictionaries shaped like users' work, the same in every run.
//
// The synthetic dictionary has 300,000 entries of two to four CJK characters:
// a base of 30,000 entries, every tenth of which occurs in the article, with
// nine words that occur nowhere after each base entry. So about one word in
// a hundred of the whole table is in the article, and the base alone is a
// 30,000-entry dictionary with the same words present. Articles and the
// words they may hold use U+4E00..U+7FFF; the absent words start with a
// character from U+8000..U+9FA5, so that they can never be in the text, not
// even after replacements.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "engine/DictTable.h"

namespace rewrix::bench {

inline std::u16string RandomCjk(std::mt19937& random, int minLength, int maxLength,
                                char16_t first = 0x4E00, char16_t last = 0x7FFF) {
    std::uniform_int_distribution<int> length(minLength, maxLength), character(first, last);
    std::u16string word;
    for (int n = length(random); n > 0; --n) {
        word.push_back(static_cast<char16_t>(character(random)));
    }
    return word;
}

struct SyntheticDictionary {
    engine::DictTable base;              // 30,000 entries
    engine::DictTable full;              // the base with 270,000 absent words among it
    std::vector<std::u16string> present; // the words the article is made to hold
};

inline SyntheticDictionary MakeSyntheticDictionary() {
    std::mt19937 random(7);
    SyntheticDictionary d;
    for (int i = 0; i < 30'000; ++i) {
        std::u16string word = RandomCjk(random, 2, 4);
        std::u16string replacement = RandomCjk(random, 2, 4);
        if (i % 10 == 0) {
            d.present.push_back(word);
        }
        d.base.Add(word, replacement);
        d.full.Add(word, replacement);
        for (int k = 0; k < 9; ++k) {
            std::u16string absent =
                RandomCjk(random, 1, 1, 0x8000, 0x9FA5) + RandomCjk(random, 1, 3);
            d.full.Add(absent, RandomCjk(random, 2, 4));
        }
    }
    d.base.Automaton(); // as LoadDict does: built once, before any rewrite
    d.full.Automaton();
    return d;
}

// An article of about `length` code units: paragraphs of three to eight
// sentences separated by CR LF, sentences of words ending in "，" or "。".
// Four words in ten are taken in turn from `vocabulary`, the rest are
// random one- to three-character fillers.
inline std::u16string MakeArticle(std::size_t length, const std::vector<std::u16string>& vocabulary,
                                  unsigned seed = 11) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> percent(0, 99), sentences(3, 8), words(4, 12);
    std::size_t next = 0;
    std::u16string article;
    while (article.size() < length) {
        if (!article.empty()) {
            article += u"\r\n";
        }
        for (int s = sentences(random); s > 0; --s) {
            for (int w = words(random); w > 0; --w) {
                if (!vocabulary.empty() && percent(random) < 40) {
                    article += vocabulary[next++ % vocabulary.size()];
                } else {
                    article += RandomCjk(random, 1, 3);
                }
            }
            article += percent(random) < 60 ? u"，" : u"。";
        }
    }
    return article;
}

} // namespace rewrix::bench
