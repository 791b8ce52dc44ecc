#include <gtest/gtest.h>

#include "engine/LineBreaks.h"

using namespace rewrix::engine;

TEST(ClearVBCRlF, StripsTheSeparatorFromBothEnds) {
    struct Case {
        std::u16string text, separator, result;
    } cases[] = {
        {u"\r\n\r\nA\r\nB\r\n", u"\r\n", u"A\r\nB"},
        {u"\r\n\r\n\r\n", u"\r\n", u""},
        {u"\nA\r", u"\r\n", u"\nA\r"},     // lone CR and LF stay
        {u"A\n\r\n", u"\r\n", u"A\n"},     // only the final pair goes
        {u"\r\r\nA", u"\r\n", u"\r\r\nA"}, // the start is not a pair
        {u"。A。B。。", u"。", u"A。B"},
        {u"xxAxx", u"xx", u"xxAxx"}, // a longer separator never matches
        {u"A\r\n", u"", u"A\r\n"},
        {u"", u"\r\n", u""},
        {u"。。。", u"。", u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClearVBCRlF(c.text, c.separator), c.result);
    }
}

namespace {

// Repeated halving, the way the rule is stated.
std::u16string CollapseByPasses(std::u16string text) {
    while (text.find(u"\r\n\r\n") != std::u16string::npos) {
        std::u16string next;
        std::size_t start = 0, at;
        while ((at = text.find(u"\r\n\r\n", start)) != std::u16string::npos) {
            next.append(text, start, at - start);
            next += u"\r\n";
            start = at + 4;
        }
        next.append(text, start);
        text = next;
    }
    return text;
}

} // namespace

TEST(CollapseCrLf, ShrinksRunsOfPairsAndNothingElse) {
    struct Case {
        std::u16string text, result;
    } cases[] = {
        {u"A\r\n\r\n\r\n\r\n\r\nB", u"A\r\nB"},
        {u"A\r\n \r\nB", u"A\r\n \r\nB"},
        {u"A\r\r\n\n\n\r\rB", u"A\r\r\n\n\n\r\rB"},
        {u"\r\n\r\n", u"\r\n"},
        {u"\r\r\n\r\n\n", u"\r\r\n\n"},
        {u"", u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CollapseCrLf(c.text), c.result);
    }
}

TEST(CollapseCrLf, MatchesRepeatedPassesOnEveryShortMixOfCrLfAndA) {
    const char16_t alphabet[] = {u'\r', u'\n', u'A'};
    for (int length = 0; length <= 8; ++length) {
        int total = 1;
        for (int i = 0; i < length; ++i) {
            total *= 3;
        }
        for (int code = 0; code < total; ++code) {
            std::u16string text;
            for (int i = 0, c = code; i < length; ++i, c /= 3) {
                text.push_back(alphabet[c % 3]);
            }
            ASSERT_EQ(CollapseCrLf(text), CollapseByPasses(text));
        }
    }
}

TEST(SplitPieces, KeepsEmptyPiecesAndTakesAnEmptySeparatorAsNone) {
    using V = std::vector<std::u16string_view>;
    EXPECT_EQ(SplitPieces(u"S1。S2。S3。", u"。"), (V{u"S1", u"S2", u"S3", u""}));
    EXPECT_EQ(SplitPieces(u"A\r\n\r\nB", u"\r\n"), (V{u"A", u"", u"B"}));
    EXPECT_EQ(SplitPieces(u"A。B", u""), (V{u"A。B"}));
    EXPECT_EQ(SplitPieces(u"", u"。"), (V{u""}));
}
