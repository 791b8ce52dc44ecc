#include "toolkit/Region.h"

#include <gtest/gtest.h>

using namespace rewrix;

TEST(Region, RoundRectIsSymmetricWithStraightEdgesAndExclusiveEnds) {
    struct Case {
        int w, h, e;
    };
    for (Case c : {Case{705, 25, 5}, Case{689, 17, 5}, Case{40, 30, 12}, Case{21, 9, 8}}) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " e" << c.e);
        const Region r = Region::FromRoundRect({0, 0, c.w, c.h}, c.e, c.e);
        EXPECT_EQ(r.boundingRect(), (Rect{0, 0, c.w, c.h}));
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x) {
                ASSERT_EQ(r.contains(x, y), r.contains(c.w - 1 - x, y)) << x << "," << y;
                ASSERT_EQ(r.contains(x, y), r.contains(x, c.h - 1 - y)) << x << "," << y;
            }
        // Rows beyond the corner bands, and columns beyond the corners, are straight.
        for (int y = c.e / 2; y < c.h - c.e / 2; ++y)
            EXPECT_TRUE(r.contains(0, y) && r.contains(c.w - 1, y)) << y;
        for (int x = c.e / 2; x < c.w - c.e / 2; ++x)
            EXPECT_TRUE(r.contains(x, 0) && r.contains(x, c.h - 1)) << x;
        EXPECT_FALSE(r.contains(0, 0));
        EXPECT_FALSE(r.contains(c.w, c.h / 2));
        EXPECT_FALSE(r.contains(c.w / 2, c.h));
    }
}

TEST(Region, CornerInsetsOfAFivePixelEllipse) {
    const Region r = Region::FromRoundRect({0, 0, 705, 25}, 5, 5);
    // a = b = 2.5: row 0 is cut by round(2.5 − 2.5·sqrt(1 − 0.8²)) = 1, row 1 by 0.
    EXPECT_EQ(r.spans()[0], (Region::Span{1, 704}));
    EXPECT_EQ(r.spans()[1], (Region::Span{0, 705}));
    EXPECT_EQ(r.spans()[24], (Region::Span{1, 704}));
}

TEST(Region, SmallEllipsesGiveAPlainRectangle) {
    EXPECT_EQ(Region::FromRoundRect({2, 3, 10, 8}, 0, 0), Region::FromRect({2, 3, 10, 8}));
    EXPECT_EQ(Region::FromRoundRect({2, 3, 10, 8}, 1, 1), Region::FromRect({2, 3, 10, 8}));
    EXPECT_TRUE(Region::FromRect({5, 5, 5, 9}).isEmpty());
}
