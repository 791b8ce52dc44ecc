#include "widgets/lumobutton/AccessKey.h"

#include <gtest/gtest.h>

using namespace rewrix;

TEST(AccessKey, CaptionsAndTheirKeys) {
    struct Case {
        const char16_t* caption;
        char16_t key; // 0: none
    };
    const Case cases[] = {
        {u"&Open", u'o'},
        {u"Sa&ve", u'v'},
        {u"&", 0},
        {u"A", 0},
        {u"", 0},
        {u"Exit&", 0},
        {u"&&Open", 0},
        {u"&&Save & e&xit", u' '},
        {u"&&a&x", u'x'},
        {u"&&a&&x", 0},
        {u"Save && Exit", 0},
        {u"x&&", 0},
        {u"&&a&", 0},
        {u"富&B强", u'b'},
        {u"&富强", u'富'},
    };
    for (const auto& c : cases) {
        const QString caption = QString::fromUtf16(c.caption);
        const QChar key = AccessKeyOf(caption);
        if (c.key == 0)
            EXPECT_TRUE(key.isNull()) << caption.toStdString();
        else
            EXPECT_EQ(key, QChar(c.key)) << caption.toStdString();
    }
}
