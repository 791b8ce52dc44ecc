#include "toolkit/Surface.h"
#include "toolkit/SystemColours.h"

#include <QFontInfo>
#include <gtest/gtest.h>

#include "toolkit/Fonts.h"

using namespace rewrix;

namespace {

class SurfaceTest : public testing::Test {
protected:
    void SetUp() override { SetSystemColourSource(SystemColourSource::Classic); }
    void TearDown() override { SetSystemColourSource(SystemColourSource::Palette); }
};

constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kBack = Rgb(240, 240, 240);

int CountColour(const Surface& s, Colour c) {
    int n = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            n += s.pixel(x, y) == c;
    return n;
}

} // namespace

TEST_F(SurfaceTest, ClassicSystemColoursAndTheirTranslation) {
    struct Case {
        int number;
        Colour value;
    };
    for (Case c :
         {Case{12, Rgb(171, 171, 171)}, Case{15, Rgb(240, 240, 240)}, Case{16, Rgb(160, 160, 160)},
          Case{17, Rgb(109, 109, 109)}, Case{18, Rgb(0, 0, 0)}, Case{20, Rgb(255, 255, 255)},
          Case{21, Rgb(105, 105, 105)}, Case{22, Rgb(227, 227, 227)}, Case{24, Rgb(255, 255, 225)},
          Case{30, Rgb(240, 240, 240)}}) {
        EXPECT_EQ(TranslateColour(SystemColourRef(c.number)), c.value) << c.number;
    }
    EXPECT_EQ(TranslateColour(Rgb(1, 2, 3)), Rgb(1, 2, 3));
    EXPECT_EQ(TranslateColour(SystemColourRef(25)), 0xFFFFFFFFu);
    EXPECT_EQ(TranslateColour(SystemColourRef(31)), 0xFFFFFFFFu);
    EXPECT_EQ(TranslateColour(0x80001234u), 0xFFFFFFFFu);
}

TEST_F(SurfaceTest, NewSurfaceIsButtonFaceAndPixelReadsOutsideGiveMinusOne) {
    Surface s(4, 3);
    EXPECT_EQ(CountColour(s, kBack), 12);
    EXPECT_EQ(s.pixel(4, 0), 0xFFFFFFFFu);
    EXPECT_EQ(s.pixel(-1, 0), 0xFFFFFFFFu);
    s.setPixel(3, 2, SystemColourRef(ColourGreyText));
    EXPECT_EQ(s.pixel(3, 2), Rgb(109, 109, 109));
}

TEST_F(SurfaceTest, FillFrameAndLineAreRightAndBottomExclusive) {
    Surface s(10, 10);
    s.fillRect({2, 3, 5, 4}, kRed);
    EXPECT_EQ(CountColour(s, kRed), 3);
    EXPECT_EQ(s.pixel(4, 3), kRed);
    EXPECT_EQ(s.pixel(5, 3), kBack);

    s.clear();
    s.frameRect({1, 1, 5, 4}, kRed); // columns 1 and 4, rows 1 and 3
    EXPECT_EQ(s.pixel(4, 3), kRed);
    EXPECT_EQ(s.pixel(5, 1), kBack);
    EXPECT_EQ(s.pixel(2, 2), kBack);
    EXPECT_EQ(CountColour(s, kRed), 10);

    s.clear();
    s.drawLine(0, 0, 5, 0, kRed);
    EXPECT_EQ(CountColour(s, kRed), 5);
    EXPECT_EQ(s.pixel(5, 0), kBack);
    s.drawLine(0, 9, 0, 9, kRed); // a line of no length draws nothing
    EXPECT_EQ(CountColour(s, kRed), 5);
    s.clear();
    s.drawLine(0, 0, 4, 4, kRed);
    EXPECT_EQ(CountColour(s, kRed), 4);
    EXPECT_EQ(s.pixel(3, 3), kRed);
    EXPECT_EQ(s.pixel(4, 4), kBack);
}

TEST_F(SurfaceTest, RoundRectOutlineIsHollowExclusiveAndSymmetric) {
    Surface s(30, 20);
    s.roundRect({0, 0, 29, 19}, 8, 8, kRed);
    // Nothing on the right column and bottom row: both are exclusive.
    for (int y = 0; y < 20; ++y)
        EXPECT_EQ(s.pixel(29, y), kBack);
    for (int x = 0; x < 30; ++x)
        EXPECT_EQ(s.pixel(x, 19), kBack);
    EXPECT_EQ(s.pixel(14, 9), kBack); // hollow
    EXPECT_EQ(s.pixel(14, 0), kRed);  // straight top edge
    EXPECT_EQ(s.pixel(0, 9), kRed);   // straight left edge
    EXPECT_EQ(s.pixel(28, 9), kRed);
    EXPECT_EQ(s.pixel(0, 0), kBack); // cut corner
    for (int y = 0; y < 19; ++y)
        for (int x = 0; x < 29; ++x) {
            ASSERT_EQ(s.pixel(x, y), s.pixel(28 - x, y)) << x << "," << y;
            ASSERT_EQ(s.pixel(x, y), s.pixel(x, 18 - y)) << x << "," << y;
        }
    // A square outline is the frame of the same rectangle.
    Surface a(12, 12), b(12, 12);
    a.roundRect({1, 1, 11, 10}, 0, 0, kRed);
    b.frameRect({1, 1, 11, 10}, kRed);
    EXPECT_EQ(a.image(), b.image());
}

TEST_F(SurfaceTest, GradientFollowsThePinnedSixteenBitRule) {
    auto expected = [](int c1, int c2, int i, int n) {
        return static_cast<int>((c1 * 256 + ((c2 - c1) * 256 * static_cast<long long>(i)) / n) >>
                                8);
    };
    Surface s(705, 25);
    const Colour from = Rgb(248, 246, 242), to = Rgb(233, 227, 211);
    s.gradientFill({0, 12, 705, 25}, from, to, GradientDirection::Vertical);
    EXPECT_EQ(s.pixel(0, 11), kBack); // rows above the rectangle untouched
    for (int y = 12; y < 25; ++y) {
        const Colour want = Rgb(expected(248, 233, y - 12, 13), expected(246, 227, y - 12, 13),
                                expected(242, 211, y - 12, 13));
        EXPECT_EQ(s.pixel(0, y), want) << y;
        EXPECT_EQ(s.pixel(704, y), want) << y;
    }
    EXPECT_EQ(s.pixel(0, 12), from);

    Surface h(7, 2);
    h.gradientFill({1, 0, 6, 2}, Rgb(0, 255, 10), Rgb(255, 0, 10), GradientDirection::Horizontal);
    for (int x = 1; x < 6; ++x)
        EXPECT_EQ(h.pixel(x, 1), Rgb(expected(0, 255, x - 1, 5), expected(255, 0, x - 1, 5), 10))
            << x;
    EXPECT_EQ(h.pixel(6, 0), kBack);

    Surface e(5, 5);
    e.gradientFill({2, 0, 2, 5}, kRed, kRed, GradientDirection::Horizontal);
    EXPECT_EQ(CountColour(e, kBack), 25);
}

TEST_F(SurfaceTest, EdgesUseTheThreeDColours) {
    const Colour light = Rgb(227, 227, 227), dark = Rgb(105, 105, 105);
    const Colour hilite = Rgb(255, 255, 255), shadow = Rgb(160, 160, 160);
    Surface s(6, 5);
    s.drawEdge({0, 0, 6, 5}, EdgeRaised);
    EXPECT_EQ(s.pixel(0, 0), light);
    EXPECT_EQ(s.pixel(4, 0), light);
    EXPECT_EQ(s.pixel(5, 0), dark); // top-right corner belongs to the right side
    EXPECT_EQ(s.pixel(0, 4), dark); // bottom-left corner belongs to the bottom side
    EXPECT_EQ(s.pixel(1, 1), hilite);
    EXPECT_EQ(s.pixel(4, 3), shadow);
    EXPECT_EQ(s.pixel(2, 2), kBack);

    s.clear();
    s.drawEdge({0, 0, 6, 5}, EdgeSunken);
    EXPECT_EQ(s.pixel(0, 0), shadow);
    EXPECT_EQ(s.pixel(5, 4), hilite);
    EXPECT_EQ(s.pixel(1, 1), dark);
    EXPECT_EQ(s.pixel(4, 3), light);

    s.clear();
    s.drawEdge({0, 0, 6, 5}, EdgeRaisedInner); // alone it lies on the rectangle's edge
    EXPECT_EQ(s.pixel(0, 0), hilite);
    EXPECT_EQ(s.pixel(5, 4), shadow);
    EXPECT_EQ(s.pixel(1, 1), kBack);
}

TEST_F(SurfaceTest, FocusRectInvertsEveryOtherPixelAndUndoesItself) {
    Surface s(8, 6);
    s.drawFocusRect({0, 0, 8, 6});
    EXPECT_EQ(s.pixel(0, 0), Rgb(15, 15, 15));
    EXPECT_EQ(s.pixel(1, 0), kBack);
    EXPECT_EQ(s.pixel(2, 0), Rgb(15, 15, 15));
    EXPECT_EQ(s.pixel(3, 3), kBack);
    s.drawFocusRect({0, 0, 8, 6});
    EXPECT_EQ(CountColour(s, kBack), 48);
}

TEST_F(SurfaceTest, ImageRowsArrivePixelForPixel) {
    Surface s(4, 2);
    const std::uint8_t row[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    s.setImageRow24(2, 1, 3, row); // the third pixel falls outside and is clipped
    EXPECT_EQ(s.pixel(2, 1), Rgb(3, 2, 1));
    EXPECT_EQ(s.pixel(3, 1), Rgb(6, 5, 4));
    EXPECT_EQ(s.pixel(1, 1), kBack);
}

TEST_F(SurfaceTest, FacesOfTheLayoutsResolveToInstalledFaces) {
    FontDesc song;
    EXPECT_EQ(song.pixelSize(), 12);
    EXPECT_TRUE(QFontInfo(QFontFor(song)).family().startsWith("AR PL UMing"))
        << QFontInfo(QFontFor(song)).family().toStdString();
    FontDesc tahoma;
    tahoma.face = "Tahoma";
    EXPECT_EQ(QFontInfo(QFontFor(tahoma)).family(), "DejaVu Sans");
}

TEST_F(SurfaceTest, TextIsDrawnInTheTextColourOnATransparentBackground) {
    Surface s(80, 20);
    s.fillRect({0, 0, 40, 20}, kRed);
    s.setTextColour(Rgb(0, 0, 255));
    const SizeF size = s.measureText("HH");
    EXPECT_GT(size.width, 8);
    EXPECT_GE(size.height, 12);
    s.drawText(2, 2, "HH");
    int blue = 0, other = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 80; ++x) {
            const Colour c = s.pixel(x, y);
            blue += c == Rgb(0, 0, 255);
            other += c != Rgb(0, 0, 255) && c != kRed && c != kBack;
        }
    EXPECT_GT(blue, 10);
    EXPECT_EQ(other, 0); // no antialiasing, no background box
    EXPECT_EQ(s.pixel(1, 1), kRed);
}

TEST_F(SurfaceTest, WrappedTextBreaksAtBlanksAndBetweenIdeographs) {
    Surface s(200, 100);
    const int oneLine =
        s.drawTextBox({0, 0, 200, 100}, "alpha beta", TextMeasureOnly | TextWordBreak).height();
    const Rect narrow =
        s.drawTextBox({0, 0, 40, 100}, "alpha beta", TextMeasureOnly | TextWordBreak);
    EXPECT_EQ(narrow.height(), 2 * oneLine);
    const Rect cjk = s.drawTextBox({0, 0, 30, 100}, "伪原创处理", TextMeasureOnly | TextWordBreak);
    EXPECT_GE(cjk.height(), 2 * oneLine);
    EXPECT_LE(cjk.width(), 30);
    // Centred lines sit in the middle of the box.
    s.setTextColour(Rgb(0, 0, 0));
    const Rect drawn = s.drawTextBox({0, 0, 200, 40}, "I", TextCentre | TextWordBreak);
    int minX = 200, maxX = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x)
            if (s.pixel(x, y) == Rgb(0, 0, 0)) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
    EXPECT_NEAR((minX + maxX) / 2.0, 100, 3);
    EXPECT_EQ(drawn.top, 0);
}
