// The fast synonym pass against the plain one, on seeded random cases: short
// words over a small alphabet so that entries chain, overlap, delete and
// create each other's words, cut into blocks of every size so that words run
// across block boundaries and grown blocks are split.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <sstream>

#include "RecordingProgress.h"
#include "engine/ReplaceSynonyms.h"
#include "engine/SynonymPass.h"

using namespace rewrix::engine;

namespace {

std::string Show(std::u16string_view text) {
    std::ostringstream out;
    for (char16_t c : text) {
        if (c >= 0x20 && c < 0x7F) {
            out << static_cast<char>(c);
        } else {
            out << "\\u" << std::hex << static_cast<int>(c) << std::dec;
        }
    }
    return out.str();
}

std::string Show(const std::u16string& text, const DictTable& table) {
    std::string shown = "text \"" + Show(text) + "\", table";
    for (const DictTable::Entry& e : table.Entries()) {
        shown += " (" + Show(e.word) + "|" + Show(e.replacement) + ")";
    }
    return shown;
}

struct Generator {
    std::mt19937 random;
    std::u16string alphabet;
    bool grows; // whether a replacement may be longer than its word

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    std::u16string Text(int maxLength) {
        std::u16string text(Below(maxLength + 1), u' ');
        for (char16_t& c : text) {
            c = alphabet[Below(static_cast<int>(alphabet.size()))];
        }
        return text;
    }

    std::u16string Word(int maxLength) {
        std::u16string word = Text(maxLength - 1);
        word.push_back(alphabet[Below(static_cast<int>(alphabet.size()))]);
        return word;
    }

    DictTable Table(int maxEntries, int maxWord) {
        DictTable table;
        for (int n = Below(maxEntries + 1); n > 0; --n) {
            std::u16string word = Below(10) == 0 ? u"" : Word(maxWord);
            if (table.Count() > 0 && Below(5) == 0) {
                word = table.Word(Below(table.Count())); // the same word again
            }
            std::u16string replacement = Below(4) == 0 ? u"" : Word(maxWord);
            if (table.Count() > 0 && Below(5) == 0) {
                replacement = table.Word(Below(table.Count())); // feeds an earlier entry
            }
            if (!grows && replacement.size() > word.size()) {
                replacement.resize(word.size());
            }
            table.Add(word, replacement);
        }
        return table;
    }
};

// Runs the fast pass in every layout and checks text and reports against the plain pass.
void ExpectSameAsPlain(const std::u16string& text, const DictTable& table) {
    // Tiny blocks make every change a split, which is slow on long texts.
    static const std::vector<SynonymPass::Layout> tiny = {{1, 1}, {1, 3}, {2, 2},
                                                          {3, 7}, {5, 9}, {}};
    static const std::vector<SynonymPass::Layout> small = {{16, 48}, {}};
    RecordingProgress plain;
    const std::u16string expected = ReplaceSynonymsReference(text, table, plain);
    const bool isLong = std::max(text.size(), expected.size()) > 2000;
    for (const SynonymPass::Layout& layout : isLong ? small : tiny) {
        RecordingProgress fast;
        const std::u16string result = SynonymPass(table, layout).Run(text, fast, {});
        ASSERT_EQ(Show(result), Show(expected))
            << Show(text, table) << ", blocks " << layout.blockSize << "/" << layout.splitSize;
        ASSERT_EQ(fast.calls, plain.calls) << Show(text, table);
    }
}

} // namespace

TEST(SynonymPass, MatchesThePlainPassOnSeededRandomCases) {
    struct Family {
        std::u16string alphabet;
        int maxText, maxEntries, maxWord, cases;
        bool grows;
    } families[] = {
        {u"ab", 12, 8, 3, 1500, true},
        {u"abc", 30, 25, 4, 2000, true},
        {u"abcd", 60, 40, 5, 800, true},
        // CJK, and both halves of a surrogate pair as separate units.
        {u"头发展\xD83D\xDE00", 30, 20, 4, 600, true},
        // U+0000 inside words, and words longer than four units.
        {std::u16string(u"a\0b", 3), 24, 20, 6, 500, true},
        // Longer articles over several default-sized blocks; growth there
        // could make the plain pass itself run for minutes.
        {u"ab", 2500, 120, 4, 40, false},
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    int ran = 0;
    for (std::size_t f = 0; f < std::size(families); ++f) {
        Generator generate{std::mt19937(static_cast<unsigned>(1000 + f)), families[f].alphabet,
                           families[f].grows};
        for (int i = 0; i < families[f].cases && std::chrono::steady_clock::now() < deadline;
             ++i, ++ran) {
            const std::u16string text = generate.Text(families[f].maxText);
            const DictTable table = generate.Table(families[f].maxEntries, families[f].maxWord);
            ASSERT_NO_FATAL_FAILURE(ExpectSameAsPlain(text, table))
                << "family " << f << ", case " << i;
        }
    }
    EXPECT_GT(ran, 1000);
}

TEST(SynonymPass, MatchesThePlainPassOnChosenCases) {
    struct Case {
        std::u16string text;
        std::vector<std::pair<std::u16string, std::u16string>> entries;
    } cases[] = {
        // A deletion joins two halves of a later word; the join is at the far
        // end of the longest word's reach.
        {u"abxcd", {{u"x", u""}, {u"abcd", u"!"}}},
        {u"zzabxcdzz", {{u"x", u""}, {u"abcd", u"!"}, {u"zz", u"y"}}},
        // A replacement completes a word at either side of it.
        {u"abcXd", {{u"X", u"c"}, {u"abcc", u"!"}, {u"ccd", u"?"}}},
        // A word that runs across the end of a replacement and a block.
        {u"aaaaaaaaaa", {{u"aa", u"b"}, {u"ba", u"c"}, {u"bb", u"d"}, {u"dd", u"e"}}},
        // Growth that splits blocks, then a word across the splits.
        {u"aaaaaaaa", {{u"a", u"bbbb"}, {u"bbbbb", u"x"}, {u"b", u""}, {u"xx", u"y"}}},
        // The same word twice, the first entry bringing it back.
        {u"A-A", {{u"A", u"AA"}, {u"A", u"B"}, {u"AB", u"C"}}},
        // A word longer than the text, an empty word and an empty replacement.
        {u"ab", {{u"abcdef", u"x"}, {u"", u"y"}, {u"b", u""}, {u"a", u""}}},
        {u"头发😀头发", {{u"发😀头", u"髮"}, {u"头髮发", u"髮"}, {u"\xDE00", u"?"}}},
    };
    for (const Case& c : cases) {
        DictTable table;
        for (const auto& [word, replacement] : c.entries) {
            table.Add(word, replacement);
        }
        ASSERT_NO_FATAL_FAILURE(ExpectSameAsPlain(c.text, table));
    }
}

TEST(SynonymPass, MatchesThePlainPassOnADictionarySizedTable) {
    // 30,000 entries of CJK words, a third of them replaced by words of other
    // entries so that they chain, on an article made of the table's words.
    std::mt19937 random(99);
    auto word = [&] {
        std::u16string w;
        for (int n = std::uniform_int_distribution<int>(2, 4)(random); n > 0; --n) {
            w.push_back(
                static_cast<char16_t>(std::uniform_int_distribution<int>(0x4E00, 0x4FFF)(random)));
        }
        return w;
    };
    DictTable table;
    for (int i = 0; i < 30'000; ++i) {
        std::u16string w = word();
        std::u16string r = i > 0 && i % 3 == 0 ? table.Word(i / 2) : word();
        table.Add(w, r);
    }
    std::u16string article;
    while (article.size() < 6'000) {
        article += random() % 2 ? table.Word(random() % 30'000) : word();
        if (random() % 15 == 0) {
            article += u"。\r\n";
        }
    }
    RecordingProgress plain, fast;
    const std::u16string expected = ReplaceSynonymsReference(article, table, plain);
    EXPECT_EQ(ReplaceSynonyms(article, table, fast), expected);
    EXPECT_EQ(fast.calls, plain.calls);
    EXPECT_NE(expected, article);
}
