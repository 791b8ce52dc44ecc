#include <gtest/gtest.h>

#include "RecordingProgress.h"
#include "engine/ReplaceSynonyms.h"

using namespace rewrix::engine;
using Calls = std::vector<std::string>;

namespace {

DictTable Table(std::initializer_list<std::pair<std::u16string, std::u16string>> entries) {
    DictTable table;
    for (const auto& [word, replacement] : entries) {
        table.Add(word, replacement);
    }
    return table;
}

} // namespace

TEST(ReplaceSynonyms, ReportsProgressEveryTwentiethEntryAfterYielding) {
    DictTable table;
    for (int i = 0; i < 45; ++i) {
        table.Add(u"w" + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)), u"x");
    }
    RecordingProgress progress;
    int yields = 0;
    std::size_t reportsBeforeYield = 0;
    ReplaceSynonyms(u"text", table, progress, [&] {
        ++yields;
        reportsBeforeYield = progress.calls.size();
    });
    EXPECT_EQ(progress.calls,
              (Calls{"Value 0", "Max 44", "Text busy", "Value 0", "Value 20", "Value 40"}));
    EXPECT_EQ(yields, 1);
    EXPECT_EQ(reportsBeforeYield, 3u);
}

TEST(ReplaceSynonyms, SmallTablesReportAsTheirLastIndexSays) {
    RecordingProgress one;
    EXPECT_EQ(ReplaceSynonyms(u"A", Table({{u"A", u"B"}}), one), u"B");
    EXPECT_EQ(one.calls, (Calls{"Value 0", "Text busy", "Value 0"})); // Max kept

    // No entries: the last index is -1, which is not 0, so Max hears -1.
    RecordingProgress none;
    EXPECT_EQ(ReplaceSynonyms(u"text", DictTable(), none), u"text");
    EXPECT_EQ(none.calls, (Calls{"Value 0", "Max -1", "Text busy"}));
}

TEST(ReplaceSynonyms, AppliesEntriesInFileOrderOnePassEach) {
    struct Case {
        std::u16string text;
        DictTable table;
        std::u16string result;
    } cases[] = {
        {u"AAA", Table({{u"AA", u"x"}}), u"xA"},
        {u"A-A", Table({{u"A", u"AA"}}), u"AA-AA"},
        {u"aA", Table({{u"a", u"b"}}), u"bA"},
        {u"头发头发", Table({{u"发", u""}}), u"头头"},
        {u"A", Table({{u"A", u"B"}, {u"B", u"C"}}), u"C"},
        {u"A", Table({{u"A", u"B"}, {u"A", u"C"}}), u"B"},
        {u"AB", Table({{u"", u"x"}, {u"B", u"A"}, {u"AA", u"!"}}), u"!"},
        {u"<p class=\"A\">A</p>", Table({{u"A", u"B"}}), u"<p class=\"B\">B</p>"},
        {u"", Table({{u"A", u"B"}}), u""},
    };
    for (const Case& c : cases) {
        NullProgress progress;
        EXPECT_EQ(ReplaceSynonyms(c.text, c.table, progress), c.result);
    }
}

TEST(ReplaceSynonyms, TakesLoneSurrogatesAndEmojiAsPlainCodeUnits) {
    std::u16string lone(1, u'\xD83D');
    NullProgress progress;
    EXPECT_EQ(ReplaceSynonyms(u"a" + lone + u"😀", Table({{u"😀", u"好"}, {lone, u"?"}}), progress),
              u"a?好");
}
