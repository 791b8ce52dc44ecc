#include <gtest/gtest.h>

#include "platform/Charset.h"
#include "platform/Cp936.h"

using namespace rewrix::platform;

namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) {
        s.push_back(static_cast<char>(v));
    }
    return s;
}

} // namespace

TEST(Cp936, DecodesAsciiGbkAndTheSingleByteEuro) {
    EXPECT_EQ(DecodeCp936("a\r\n" + Bytes({0xD6, 0xD0, 0xCE, 0xC4}) + Bytes({0x80}) + "z"),
              u"a\r\n中文€z");
    EXPECT_EQ(DecodeCp936(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));
    EXPECT_EQ(DecodeCp936(""), u"");
}

TEST(Cp936, BytesThatDoNotDecodeBecomeReplacementCharacters) {
    struct Case {
        std::string bytes;
        std::u16string text;
    } cases[] = {
        {Bytes({0xFF}), u"\uFFFD"},
        {"a" + Bytes({0x81}), u"a\uFFFD"},        // lead byte cut off by the end
        {Bytes({0x81, 0x20}) + "b", u"\uFFFD b"}, // bad trail byte: the ASCII survives
        {Bytes({0xFF, 0xD6, 0xD0, 0xFF}), u"\uFFFD中\uFFFD"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeCp936(c.bytes), c.text);
    }
}

TEST(Cp936, EncodingRefusesWhatItCannotHoldAndSaysWhere) {
    EXPECT_EQ(EncodeCp936(u"中€A"), Bytes({0xD6, 0xD0, 0x80, 0x41}));
    EXPECT_EQ(EncodeCp936(u"體"), Bytes({0xF3, 0x77})); // GBK, not GB 2312

    Unencodable bad;
    EXPECT_FALSE(EncodeCp936(u"ab😀c", &bad));
    EXPECT_EQ(bad.character, U'😀');
    EXPECT_EQ(bad.index, 2u);

    std::u16string lone = u"中";
    lone.push_back(u'\xD800');
    EXPECT_FALSE(EncodeCp936(lone, &bad));
    EXPECT_EQ(bad.character, 0xD800u);
    EXPECT_EQ(bad.index, 1u);
}

TEST(Cp936, Gb18030FallbackKeepsEveryCharacter) {
    std::u16string text = u"中😀a";
    text.push_back(u'\xDC00');
    EXPECT_EQ(EncodeCp936WithGb18030(text), Bytes({0xD6, 0xD0, 0x94, 0x39, 0xFC, 0x36, 'a', '?'}));
    EXPECT_EQ(EncodeCp936WithGb18030(u"€"), Bytes({0x80})); // code page 936's own form first
}

TEST(Cp936, Widths) {
    EXPECT_EQ(Cp936Width(U'A'), 1);
    EXPECT_EQ(Cp936Width(U'€'), 1);
    EXPECT_EQ(Cp936Width(U'中'), 2);
    EXPECT_EQ(Cp936Width(U'。'), 2);
    EXPECT_EQ(Cp936Width(U'한'), 0);
    EXPECT_EQ(Cp936Width(U'😀'), 0);
    EXPECT_EQ(Cp936Width(0xD800), 0);
}

TEST(Charset, AcceptsTheStreamNamesInAnyCase) {
    struct Case {
        const char* name;
        const char* iconv;
    } cases[] = {{"gb2312", "CP936"}, {"GB2312", "CP936"}, {"Gbk", "CP936"}, {"gb18030", "GB18030"},
                 {"UTF-8", "UTF-8"},  {"utf-8", "UTF-8"},  {"BIG5", "CP950"}};
    for (const Case& c : cases) {
        auto charset = Charset::FromName(c.name);
        ASSERT_TRUE(charset) << c.name;
        EXPECT_EQ(charset->IconvName(), c.iconv) << c.name;
    }
    for (const char* name : {"", "utf8", "latin1", "gb 2312", "UTF-16"}) {
        EXPECT_FALSE(Charset::FromName(name)) << name;
    }
}

TEST(Charset, RoundTripsAndRefusals) {
    Charset big5 = *Charset::FromName("big5");
    EXPECT_EQ(big5.Decode(*big5.Encode(u"中文體")), u"中文體");
    Unencodable bad;
    EXPECT_FALSE(big5.Encode(u"中头", &bad)); // a Simplified form Big5 lacks
    EXPECT_EQ(bad.character, U'头');

    Charset utf8 = Charset::Utf8();
    EXPECT_EQ(*utf8.Encode(u"中😀"), "\xE4\xB8\xAD\xF0\x9F\x98\x80"); // no byte order mark
    EXPECT_EQ(utf8.Decode("a\xE4\xB8"), u"a\uFFFD\uFFFD");
    EXPECT_EQ(utf8.Decode("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD"); // an encoded surrogate
    std::u16string lone(1, u'\xD83D');
    EXPECT_EQ(utf8.EncodeReplacing(u"a" + lone + u"b", nullptr, "\xEF\xBF\xBD"), "a\xEF\xBF\xBD"
                                                                                 "b");
}

TEST(Charset, DescribesCharactersForMessages) {
    EXPECT_EQ(DescribeCharacter(U'😀'), u"“😀” U+1F600");
    EXPECT_EQ(DescribeCharacter(0xD800), u"U+D800");
}

TEST(Cp936, Gb18030FallbackAcrossLongTexts) {
    // A surrogate pair on the edge of the encoder's blocks, and refusals far apart.
    for (std::size_t lead : {254u, 255u, 256u, 511u}) {
        std::u16string text(lead, u'a');
        std::string expected(lead, 'a');
        text += u"😀";
        expected += Bytes({0x94, 0x39, 0xFC, 0x36});
        for (int i = 0; i < 300; ++i) {
            text += u"中";
            expected += Bytes({0xD6, 0xD0});
        }
        text.push_back(u'\xD800');
        expected += "?";
        text += u"b";
        expected += "b";
        EXPECT_EQ(EncodeCp936WithGb18030(text), expected) << lead;
    }
}
