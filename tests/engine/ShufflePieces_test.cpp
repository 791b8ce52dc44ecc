#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "RecordingProgress.h"
#include "engine/LineBreaks.h"
#include "engine/ShufflePieces.h"

using namespace rewrix::engine;
using Calls = std::vector<std::string>;

namespace {

std::vector<std::u16string> Sorted(std::u16string_view text, std::u16string_view separator) {
    std::vector<std::u16string> pieces;
    for (std::u16string_view piece : SplitPieces(text, separator)) {
        pieces.emplace_back(piece);
    }
    std::sort(pieces.begin(), pieces.end());
    return pieces;
}

} // namespace

TEST(ShufflePieces, ParagraphsComeBackOnceEachInANewOrder) {
    std::set<std::u16string> orders;
    RandomSource random(1);
    for (int run = 0; run < 30; ++run) {
        NullProgress progress;
        std::u16string result = ShufflePieces(u"P1\r\nP2\r\nP3", u"\r\n", progress, {}, random);
        EXPECT_EQ(Sorted(result, u"\r\n"), (std::vector<std::u16string>{u"P1", u"P2", u"P3"}));
        orders.insert(result);
    }
    EXPECT_EQ(orders.size(), 6u);
}

TEST(ShufflePieces, AnEmptySentenceLeavesATraceOnlyBetweenSentences) {
    std::set<std::u16string> results;
    RandomSource random(2);
    for (int run = 0; run < 200; ++run) {
        NullProgress progress;
        results.insert(ShufflePieces(u"S1。S2。S3。", u"。", progress, {}, random));
    }
    for (const std::u16string& r : results) {
        EXPECT_FALSE(r.ends_with(u"。"));
        EXPECT_FALSE(r.starts_with(u"。"));
        std::u16string collapsed = r;
        for (std::size_t at; (at = collapsed.find(u"。。")) != std::u16string::npos;) {
            collapsed.erase(at, 1);
        }
        EXPECT_EQ(Sorted(collapsed, u"。"), (std::vector<std::u16string>{u"S1", u"S2", u"S3"}));
    }
    EXPECT_TRUE(std::any_of(results.begin(), results.end(),
                            [](const std::u16string& r) { return r.find(u"。。") != r.npos; }));
}

TEST(ShufflePieces, SentencesKeepTheirLineBreaksAndOnlyTheFullStopSeparates) {
    RandomSource random(5);
    std::set<std::u16string> results;
    for (int run = 0; run < 100; ++run) {
        NullProgress progress;
        results.insert(ShufflePieces(u"A。\r\nB！C.D？", u"。", progress, {}, random));
    }
    EXPECT_EQ(results, (std::set<std::u16string>{u"A。\r\nB！C.D？", u"\r\nB！C.D？。A"}));
}

TEST(ShufflePieces, ReportsEveryFourthPlaceAndTheLast) {
    RecordingProgress nine;
    int yields = 0;
    ShufflePieces(u"1。2。3。4。5。6。7。8。9", u"。", nine, [&] {
        ++yields;
        EXPECT_TRUE(nine.calls.empty()); // the yield comes before any report
    });
    EXPECT_EQ(nine.calls, (Calls{"Value 0", "Max 8", "Value 0", "Value 4", "Value 8", "Value 8"}));
    EXPECT_EQ(yields, 1);

    RecordingProgress one;
    ShufflePieces(u"no separator here", u"。", one);
    EXPECT_EQ(one.calls, (Calls{"Value 0", "Value 0", "Value 0"}));
}

TEST(ShufflePieces, EmptySeparatorKeepsTheTextButDrawsOneNumber) {
    RandomSource random(9), reference(9);
    NullProgress progress;
    EXPECT_EQ(ShufflePieces(u"A。B\r\nC", u"", progress, {}, random), u"A。B\r\nC");
    reference.Next();
    EXPECT_EQ(random.Next(), reference.Next());

    RecordingProgress silent;
    EXPECT_EQ(ShufflePieces(u"", u"\r\n", silent, {}, random), u"");
    EXPECT_TRUE(silent.calls.empty());
}

TEST(ShufflePieces, TheSameStartGivesTheSameShuffle) {
    std::u16string text = u"一。二。三。四。五。六。七。八";
    RandomSource first, second;
    NullProgress progress;
    EXPECT_EQ(ShufflePieces(text, u"。", progress, {}, first),
              ShufflePieces(text, u"。", progress, {}, second));
}
