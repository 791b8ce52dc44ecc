#include <gtest/gtest.h>
#include <set>

#include "RecordingProgress.h"
#include "engine/RewriteChain.h"

using namespace rewrix::engine;
using Calls = std::vector<std::string>;

namespace {

DictTable Dict() {
    DictTable table;
    table.Add(u"美丽", u"漂亮");
    table.Add(u"漂亮", u"好看");
    return table;
}

} // namespace

TEST(RewriteChain, TextsUnderTenCharactersAreLeftAlone) {
    RecordingProgress progress;
    RandomSource random(1), untouched(1);
    int yields = 0;
    EXPECT_EQ(
        RewriteChain(
            u"123456789", Separator::Paragraph, true, Dict(), progress, [&] { ++yields; }, random),
        std::nullopt);
    EXPECT_TRUE(progress.calls.empty());
    EXPECT_EQ(yields, 0);
    EXPECT_EQ(random.Next(), untouched.Next());

    EXPECT_EQ(RewriteChain(u"美丽的风景很美丽哦", Separator::None, true, Dict(), progress),
              std::nullopt);
    EXPECT_EQ(RewriteChain(u"美丽的风景很美丽哦！", Separator::None, true, Dict(), progress),
              u"好看的风景很好看哦！");
}

TEST(RewriteChain, FiveLineBreaksBecomeAnEmptyResult) {
    NullProgress progress;
    std::optional<std::u16string> result =
        RewriteChain(u"\r\n\r\n\r\n\r\n\r\n", Separator::Paragraph, true, Dict(), progress);
    ASSERT_TRUE(result);
    EXPECT_EQ(*result, u"");
}

TEST(RewriteChain, WithoutOptionsOnlyLineBreaksAreTidied) {
    NullProgress progress;
    EXPECT_EQ(RewriteChain(u"\r\n\r\n美丽A\r\n\r\n\r\nB\r\n \r\nC\nD\r\n", Separator::None, false,
                           Dict(), progress),
              u"美丽A\r\nB\r\n \r\nC\nD");
}

TEST(RewriteChain, ParagraphsLoseTheirBlankLinesAndComeBackShuffled) {
    NullProgress progress;
    RandomSource random(4);
    std::set<std::u16string> seen;
    for (int run = 0; run < 20; ++run) {
        auto result = RewriteChain(u"第一段美丽\r\n\r\n第二段\r\n\r\n\r\n第三段",
                                   Separator::Paragraph, true, Dict(), progress, {}, random);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->size(), std::u16string(u"第一段好看\r\n第二段\r\n第三段").size());
        EXPECT_NE(result->find(u"第一段好看"), std::u16string::npos);
        EXPECT_EQ(result->find(u"\r\n\r\n"), std::u16string::npos);
        seen.insert(*result);
    }
    EXPECT_GT(seen.size(), 1u);
}

TEST(RewriteChain, ReportsTheShuffleThenTheSynonyms) {
    RecordingProgress progress;
    int yields = 0;
    RewriteChain(u"一。二。三。四。五。", Separator::Sentence, true, Dict(), progress,
                 [&] { ++yields; });
    EXPECT_EQ(progress.calls, (Calls{"Value 0", "Max 5", "Value 0", "Value 4", "Value 5", "Value 0",
                                     "Max 1", "Text busy", "Value 0"}));
    EXPECT_EQ(yields, 2);

    RecordingProgress withoutSynonyms;
    RewriteChain(u"0123456789", Separator::None, false, Dict(), withoutSynonyms);
    EXPECT_EQ(withoutSynonyms.calls, (Calls{"Value 0", "Value 0", "Value 0"}));
}

TEST(RewriteChain, BadArticlesGetASoundResult) {
    std::u16string lone = u"\xD800文\xDFFF";
    std::u16string emoji;
    for (int i = 0; i < 20; ++i) {
        emoji += u"😀美丽。";
    }
    struct Case {
        std::u16string text;
        std::optional<std::u16string> result;
    } cases[] = {
        {u"", std::nullopt},
        {u"\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n", u""},
        {lone + lone + lone + lone, lone + lone + lone + lone},
    };
    for (const Case& c : cases) {
        NullProgress progress;
        EXPECT_EQ(RewriteChain(c.text, Separator::Sentence, true, Dict(), progress), c.result);
    }
    NullProgress progress;
    std::optional<std::u16string> shuffled =
        RewriteChain(emoji, Separator::Sentence, true, Dict(), progress);
    ASSERT_TRUE(shuffled);
    // The empty piece after the last full stop leaves "。。" only between sentences.
    EXPECT_GE(shuffled->size(), emoji.size() - 1);
    EXPECT_LE(shuffled->size(), emoji.size());
    EXPECT_FALSE(shuffled->ends_with(u"。"));
    EXPECT_EQ(shuffled->find(u"美丽"), std::u16string::npos);
}

TEST(RewriteChain, TenMegabytesOfSentences) {
    std::u16string article;
    while (article.size() < 5'000'000) { // UTF-16: ten megabytes
        article += u"这是美丽的一句话😀\r\n还有一句。";
    }
    NullProgress progress;
    std::optional<std::u16string> result =
        RewriteChain(article, Separator::Sentence, true, Dict(), progress);
    ASSERT_TRUE(result);
    EXPECT_GE(result->size(), article.size() - 1);
    EXPECT_LE(result->size(), article.size());
    EXPECT_EQ(result->find(u"美丽"), std::u16string::npos);
}
