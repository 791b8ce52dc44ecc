#include "toolkit/Surface.h"
#include "toolkit/SystemColours.h"
#include "widgets/ProgressBar/GradientFills.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace rewrix;

namespace {

constexpr Colour kFace = Rgb(240, 240, 240);

class Gradients : public testing::Test {
protected:
    void SetUp() override { SetSystemColourSource(SystemColourSource::Classic); }
    void TearDown() override { SetSystemColourSource(SystemColourSource::Palette); }
};

} // namespace

TEST_F(Gradients, TwoColourRectangleUsesRightAndBottomCoordinates) {
    Surface s(705, 25);
    const int left = 0, top = 12, right = 705, bottom = 25;
    GradientTwoColour(s, 1, Rgb(0, 0, 0), Rgb(130, 0, 0), left, top, right, bottom);
    EXPECT_EQ(s.pixel(0, 11), kFace);
    EXPECT_EQ(s.pixel(0, 12), Rgb(0, 0, 0));
    EXPECT_EQ(s.pixel(704, 24), Rgb(120, 0, 0)); // 130 × 12 / 13, the end colour approached
    const int same = 30;
    GradientTwoColour(s, 0, Rgb(9, 9, 9), Rgb(9, 9, 9), same, left, same, bottom);
    EXPECT_EQ(s.pixel(30, 5), kFace);
}

TEST_F(Gradients, FourColourExamples) {
    const int zero = 0, one = 1, two = 2, four = 4;
    Surface greys(4, 1);
    DrawGradientFourColour(greys, zero, zero, four, one, Rgb(0, 0, 0), Rgb(255, 255, 255),
                           Rgb(0, 0, 0), Rgb(255, 255, 255));
    EXPECT_EQ(greys.pixel(0, 0), Rgb(0, 0, 0));
    EXPECT_EQ(greys.pixel(1, 0), Rgb(64, 64, 64));
    EXPECT_EQ(greys.pixel(2, 0), Rgb(128, 128, 128));
    EXPECT_EQ(greys.pixel(3, 0), Rgb(191, 191, 191));

    Surface reds(2, 2);
    DrawGradientFourColour(reds, zero, zero, two, two, Rgb(0, 0, 0), Rgb(0, 0, 0), Rgb(255, 0, 0),
                           Rgb(0, 0, 0));
    EXPECT_EQ(reds.pixel(0, 0), Rgb(0, 0, 0));
    EXPECT_EQ(reds.pixel(1, 0), Rgb(0, 0, 0));
    EXPECT_EQ(reds.pixel(0, 1), Rgb(128, 0, 0));
    EXPECT_EQ(reds.pixel(1, 1), Rgb(64, 0, 0));

    Surface flat(9, 7);
    const int l = 2, t = 1, w = 5, h = 4;
    const Colour c = Rgb(12, 200, 77);
    DrawGradientFourColour(flat, l, t, w, h, c, c, c, c);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x)
            EXPECT_EQ(flat.pixel(x, y), (x >= 2 && x < 7 && y >= 1 && y < 5) ? c : kFace);
}

TEST_F(Gradients, FourColourRefusesImpossibleSizesWithoutPainting) {
    Surface s(4, 4);
    const int zero = 0, one = 1, minusOne = -1, huge = 800000000;
    EXPECT_THROW(DrawGradientFourColour(s, zero, zero, one, minusOne, 0, 0, 0, 0),
                 std::out_of_range);
    EXPECT_THROW(DrawGradientFourColour(s, zero, zero, zero, one, 0, 0, 0, 0), std::out_of_range);
    EXPECT_THROW(DrawGradientFourColour(s, zero, zero, huge, one, 0, 0, 0, 0), std::overflow_error);
    EXPECT_NO_THROW(DrawGradientFourColour(s, zero, zero, one, zero, 0, 0, 0, 0));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(s.pixel(x, y), kFace);
}

TEST(ColourRamp, EntriesRoundHalfToEvenBetweenTheEnds) {
    ColourRamp ramp;
    BuildColourRamp(ramp, 4, {0, 10, 255}, {255, 10, 0});
    ASSERT_EQ(ramp.size(), 5u);
    const int want0[] = {0, 64, 128, 191, 255};
    const int want2[] = {255, 191, 128, 64, 0}; // 127.5 goes to 128 from either end
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(ramp[static_cast<size_t>(i)][0], want0[i]);
        EXPECT_EQ(ramp[static_cast<size_t>(i)][1], 10);
        EXPECT_EQ(ramp[static_cast<size_t>(i)][2], want2[i]);
    }
    EXPECT_EQ(SafeDivide(0, 3), 0);
    EXPECT_EQ(SafeDivide(3, 0), 0);
}
