#include <gtest/gtest.h>

#include "engine/ToTraditional.h"
#include "platform/Cp936.h"

using rewrix::engine::ToTraditional;

TEST(ToTraditional, ConvertsPhraseByPhrase) {
    struct Case {
        std::u16string simplified, traditional;
    } cases[] = {
        {u"头发", u"頭髮"},
        {u"发展", u"發展"},
        {u"干燥", u"乾燥"},
        {u"贸易伙伴", u"貿易夥伴"},
        {u"中华人民共和国", u"中華人民共和國"},
        {u"頭髮發展", u"頭髮發展"}, // already Traditional
        {u"\u523E发", u"\u523E發"}, // its Traditional form U+34E8 is not in code page 936
        {u"", u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToTraditional(c.simplified), c.traditional);
    }
}

TEST(ToTraditional, LeavesMarkupAndWhatCodePage936CannotHoldAlone) {
    EXPECT_EQ(ToTraditional(u"<p class=\"发\" style='x:1'>头发&nbsp;&#21457;</p>\r\n"),
              u"<p class=\"發\" style='x:1'>頭髮&nbsp;&#21457;</p>\r\n"); // markup stays ASCII
    std::u16string odd = u"发😀发";
    odd.push_back(u'\xDC00');
    odd += u"한국";
    odd.push_back(u'\0');
    odd += u"发展€";
    std::u16string expected = u"發😀發";
    expected.push_back(u'\xDC00');
    expected += u"한국";
    expected.push_back(u'\0');
    expected += u"發展€";
    EXPECT_EQ(ToTraditional(odd), expected);
}

TEST(ToTraditional, KeepsEveryWidthAndConvertingTwiceEqualsOnce) {
    std::u16string text = u"贸易伙伴在这里发展，头发干燥。里面的后来只有一个钟表，台风刮过了云彩；"
                          u"他们说：“这个范围的着落。”面条、松树、制造、复杂！";
    std::u16string once = ToTraditional(text);
    EXPECT_NE(once, text);
    EXPECT_EQ(ToTraditional(once), once);
    ASSERT_EQ(once.size(), text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        EXPECT_EQ(rewrix::platform::Cp936Width(once[i]), rewrix::platform::Cp936Width(text[i]));
    }
}

TEST(ToTraditional, EveryDoubleByteCharacterKeepsItsWidth) {
    std::u16string all;
    for (char32_t c = 0x80; c < 0x10000; ++c) {
        if (rewrix::platform::Cp936Width(c) == 2) {
            all.push_back(static_cast<char16_t>(c));
        }
    }
    ASSERT_GT(all.size(), 21000u);
    std::u16string converted = ToTraditional(all);
    ASSERT_EQ(converted.size(), all.size());
    std::size_t changed = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
        ASSERT_EQ(rewrix::platform::Cp936Width(converted[i]), 2) << i;
        changed += converted[i] != all[i];
    }
    EXPECT_GT(changed, 2000u);
}
