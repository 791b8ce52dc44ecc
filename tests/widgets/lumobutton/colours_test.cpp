#include "widgets/lumobutton/ButtonColors.h"
#include "widgets/lumobutton/StyleColors.h"

#include "toolkit/SystemColours.h"

#include <gtest/gtest.h>

using namespace rewrix;

TEST(ButtonColours, ShiftIsSinglePrecisionWithHalvesToEven) {
    // 0.3f x 255 is 76.5 in float: every channel lands on a half.
    EXPECT_EQ(ShiftColor(Rgb(0, 60, 116), 0.3f), Rgb(76, 136, 192));
    EXPECT_EQ(ShiftColor(Rgb(250, 10, 128), 0.1f), Rgb(255, 36, 154));
    EXPECT_EQ(ShiftColor(Rgb(250, 10, 128), -0.1f), Rgb(224, 0, 102));
    EXPECT_EQ(ShiftColor(Rgb(212, 212, 212), 0.06f), Rgb(227, 227, 227));
}

TEST(ButtonColours, AverageRoundsHalvesToEven) {
    EXPECT_EQ(AverageColor(Rgb(0, 1, 3), Rgb(25, 2, 0)), Rgb(12, 2, 2));
    EXPECT_EQ(AverageColor(Rgb(255, 255, 0), Rgb(0, 255, 0)), Rgb(128, 255, 0));
}

TEST(ButtonColours, TranslateResolvesSystemColoursAndRejectsUnknownOnes) {
    SetSystemColourSource(SystemColourSource::Classic);
    EXPECT_EQ(TranslateColor(SystemColourRef(15)), Rgb(240, 240, 240));
    EXPECT_EQ(TranslateColor(SystemColourRef(24)), Rgb(255, 255, 225));
    EXPECT_EQ(TranslateColor(Rgb(1, 2, 3)), Rgb(1, 2, 3));
    EXPECT_EQ(TranslateColor(SystemColourRef(25)), 0xFFFFFFFFu);
    EXPECT_EQ(TranslateColor(SystemColourRef(200)), 0xFFFFFFFFu);
}

TEST(StyleColours, SchemeFollowsTheStyle) {
    struct Case {
        int style, scheme, expected;
    };
    const Case cases[] = {{3, 1, 2},  {9, 0, 2},  {5, 1, 1},  {0, 3, 0}, {2, 2, 0},
                          {10, 1, 0}, {11, 1, 1}, {13, 3, 3}, {-1, 2, 2}};
    for (const auto& c : cases)
        EXPECT_EQ(SchemeForStyle(c.style, c.scheme), c.expected) << c.style << "/" << c.scheme;
}

TEST(StyleColours, BackColourByStyleAndScheme) {
    SetSystemColourSource(SystemColourSource::Classic);
    struct Case {
        int style, scheme;
        Colour expected;
    };
    const Colour kept = Rgb(9, 9, 9);
    const Case cases[] = {
        {2, 0, Rgb(236, 235, 231)},
        {2, 1, Rgb(243, 238, 219)},
        {2, 2, Rgb(240, 241, 252)},
        {2, 3, kept},
        {3, 2, Rgb(227, 227, 227)},
        {5, 2, Rgb(198, 196, 224)},
        {8, 0, Rgb(173, 209, 255)},
        {10, 2, Rgb(224, 223, 227)},
        {9, 2, Rgb(213, 214, 225)},
        {4, 3, Rgb(240, 240, 240)},
        {12, 1, Rgb(240, 240, 240)},
        {13, 0, kept},
        {14, 0, kept},
    };
    for (const auto& c : cases) {
        StyleColorSet current;
        current.BackColor = kept;
        EXPECT_EQ(StyleColorsFor(c.style, c.scheme, current).BackColor, c.expected)
            << c.style << "/" << c.scheme;
    }
}

TEST(StyleColours, FocusRectAndPushOnHover) {
    StyleColorSet current;
    current.ForeColor = Rgb(1, 1, 1);
    current.PicturePushOnHover = true;
    for (int style = -1; style <= 14; ++style) {
        const auto set = StyleColorsFor(style, 0, current);
        EXPECT_EQ(set.ShowFocusRect, style == 0 || style == 1 || style == 9) << style;
        EXPECT_EQ(set.ForeColor, Rgb(0, 0, 0)) << style;
        EXPECT_TRUE(set.PicturePushOnHover) << "never cleared";
    }
    EXPECT_TRUE(StyleColorsFor(4, 0, {}).PicturePushOnHover);
    EXPECT_FALSE(StyleColorsFor(5, 0, {}).PicturePushOnHover);
}
