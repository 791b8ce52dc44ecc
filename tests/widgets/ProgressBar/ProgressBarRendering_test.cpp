#include "toolkit/ControlHost.h"
#include "toolkit/Surface.h"
#include "toolkit/SystemColours.h"
#include "widgets/ProgressBar/ProgressBar.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace rewrix;

namespace {

constexpr Colour kFace = Rgb(240, 240, 240);

// The pinned gradient rule: row or column i of n.
Colour Ramp(Colour from, Colour to, int i, int n) {
    auto ch = [&](int a, int b) {
        return static_cast<int>((a * 256 + (static_cast<long long>(b - a) * 256 * i) / n) >> 8);
    };
    return Rgb(ch(RedOf(from), RedOf(to)), ch(GreenOf(from), GreenOf(to)),
               ch(BlueOf(from), BlueOf(to)));
}

class BarPixels : public testing::Test {
protected:
    BarPixels() : host("ProgressBar1"), bar(host) {
        SetSystemColourSource(SystemColourSource::Classic);
        host.setControl(&bar);
        host.resizeControl(705, 25);
    }
    ~BarPixels() override { SetSystemColourSource(SystemColourSource::Palette); }

    // A placed bar without a caption, so that every pixel is gradient, outline or background.
    void plain(int width, int height, int value, int max = 100) {
        host.resizeControl(width, height);
        bar.InitialiseNew();
        bar.setTextStyle(0);
        bar.setMax(max);
        bar.setValue(value);
    }
    Colour at(int x, int y) const { return const_cast<ControlHost&>(host).surface().pixel(x, y); }
    // The bar's present pixels, as the ground on which a test draws what it expects.
    void copyPixelsTo(Surface& expected) const {
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                expected.setPixel(x, y, at(x, y));
    }

    ControlHost host;
    ProgressBar bar;
};

} // namespace

TEST_F(BarPixels, HorizontalHalvesSplitAtTheRoundedMiddleRow) {
    const BarPalette amber{Rgb(248, 246, 242), Rgb(233, 227, 211), Rgb(226, 215, 182),
                           Rgb(239, 233, 215), Rgb(251, 244, 223), Rgb(239, 213, 133),
                           Rgb(203, 166, 57),  Rgb(237, 224, 187), Rgb(204, 168, 62)};
    struct Case {
        int height, split;
    };
    for (Case c : {Case{25, 12}, Case{17, 8}}) {
        SCOPED_TRACE(c.height);
        plain(705, c.height, 50);
        const int fill = 352; // 705 × 50 % = 352.5, to even
        for (int y = 1; y < c.height - 2; ++y) {
            const bool first = y < c.split;
            const int i = first ? y : y - c.split;
            const int n = first ? c.split : c.height - c.split;
            EXPECT_EQ(at(fill - 1, y), first ? Ramp(amber.Fill1From, amber.Fill1To, i, n)
                                             : Ramp(amber.Fill2From, amber.Fill2To, i, n))
                << y;
            EXPECT_EQ(at(fill, y), first ? Ramp(amber.Track1From, amber.Track1To, i, n)
                                         : Ramp(amber.Track2From, amber.Track2To, i, n))
                << y;
        }
        EXPECT_EQ(at(400, 0), amber.Border);
        EXPECT_EQ(at(0, c.height / 2), amber.Border);
        EXPECT_EQ(at(703, c.height / 2), amber.Border);
        // The outline leaves out the last column and row, where the gradients show.
        EXPECT_EQ(at(704, c.height / 2), at(702, c.height / 2));
        EXPECT_EQ(at(400, c.height - 1), Ramp(amber.Track2From, amber.Track2To,
                                              c.height - 1 - c.split, c.height - c.split));
    }
}

TEST_F(BarPixels, FillLengthEdges) {
    plain(705, 25, 1, 100000); // 0.00705 pixels: nothing filled although the fill step runs
    EXPECT_EQ(at(1, 5), Ramp(Rgb(248, 246, 242), Rgb(233, 227, 211), 5, 12));
    plain(705, 25, 100);
    EXPECT_EQ(at(702, 5), Ramp(Rgb(251, 244, 223), Rgb(239, 213, 133), 5, 12));
    EXPECT_EQ(at(704, 5), Ramp(Rgb(251, 244, 223), Rgb(239, 213, 133), 5, 12));
    plain(705, 25, 0);
    EXPECT_EQ(at(1, 5), Ramp(Rgb(248, 246, 242), Rgb(233, 227, 211), 5, 12));
}

TEST_F(BarPixels, BorderFillAndTrackColoursPerTheme) {
    struct Case {
        int theme;
        Colour fill2From, track2From, border;
    };
    const Case cases[] = {
        {1, Rgb(203, 166, 57), Rgb(226, 215, 182), Rgb(204, 168, 62)},
        {2, Rgb(190, 203, 57), Rgb(222, 226, 182), Rgb(192, 204, 62)},
        {3, Rgb(57, 203, 70), Rgb(182, 226, 186), Rgb(62, 204, 74)},
        {4, Rgb(57, 203, 190), Rgb(182, 226, 222), Rgb(62, 204, 192)},
        {5, Rgb(70, 57, 203), Rgb(186, 182, 226), Rgb(74, 62, 204)},
        {6, Rgb(203, 57, 190), Rgb(226, 182, 222), Rgb(204, 62, 192)},
        {7, Rgb(203, 57, 57), Rgb(226, 182, 182), Rgb(204, 62, 62)},
        {8, Rgb(63, 112, 233), Rgb(199, 230, 249), Rgb(23, 139, 211)},
        {9, Rgb(26, 228, 26), Rgb(179, 189, 179), Rgb(188, 184, 188)},
    };
    plain(705, 25, 50);
    for (const Case& c : cases) {
        bar.setTheme(c.theme);
        EXPECT_EQ(at(100, 12), c.fill2From) << c.theme;
        EXPECT_EQ(at(600, 12), c.track2From) << c.theme;
        EXPECT_EQ(at(100, 0), c.border) << c.theme;
    }
}

TEST_F(BarPixels, CustomThemeLightensItsBaseColours) {
    plain(705, 25, 50);
    bar.setPBSCustomeColor1(Rgb(0, 0, 0));
    bar.setPBSCustomeColor2(Rgb(200, 10, 0));
    bar.setTheme(10);
    EXPECT_EQ(bar.palette().Fill1From, Rgb(180, 180, 180));
    EXPECT_EQ(bar.palette().Fill1To, Rgb(50, 50, 50));
    EXPECT_EQ(bar.palette().Fill2To, Rgb(80, 80, 80));
    EXPECT_EQ(bar.palette().Track1From, Rgb(255, 190, 180));
    EXPECT_EQ(at(100, 1), Ramp(Rgb(180, 180, 180), Rgb(50, 50, 50), 1, 12));
    EXPECT_EQ(at(100, 12), Rgb(0, 0, 0));
    EXPECT_EQ(at(100, 0), Rgb(0, 0, 0));
    EXPECT_EQ(at(600, 12), Rgb(200, 10, 0));
    // System colour references resolve before the arithmetic.
    bar.setPBSCustomeColor1(SystemColourRef(ColourButtonShadow));
    EXPECT_EQ(at(100, 12), Rgb(160, 160, 160));
    EXPECT_EQ(bar.palette().Fill2To, Rgb(240, 240, 240));
}

TEST_F(BarPixels, DisabledBarIsGreyWithGreyedCaptionColoursButTheFixedGreyStays) {
    host.resizeControl(705, 25);
    bar.InitialiseNew();
    bar.setTheme(3);
    bar.setText("HHHHHHHH");
    bar.setTextForeColor(Rgb(255, 0, 0));
    bar.setTextEffectColor(Rgb(0, 0, 255));
    bar.setTextEffect(ProgressBar::EffectRaised);
    bar.setEnabled(false);
    int fore = 0, effect = 0, fixedGrey = 0;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 705; ++x) {
            const Colour c = at(x, y);
            ASSERT_TRUE(RedOf(c) == GreenOf(c) && GreenOf(c) == BlueOf(c)) << x << "," << y;
            fore += c == Rgb(85, 85, 85);
            effect += c == GreyOf(Rgb(0, 0, 255));
            fixedGrey += c == Rgb(128, 128, 128);
        }
    EXPECT_GT(fore, 20);
    EXPECT_GT(effect, 5);
    EXPECT_GT(fixedGrey, 5);
    EXPECT_EQ(bar.palette().Border, GreyOf(Rgb(62, 204, 74)));
}

TEST_F(BarPixels, ThemeOutsideTheTableKeepsThePreviousPalette) {
    host.resizeControl(300, 20);
    bar.setMax(100);
    bar.setValue(50);
    bar.setOrientations(1);
    bar.setTheme(0); // a fresh palette is black throughout
    EXPECT_EQ(at(10, 5), Rgb(0, 0, 0));
    EXPECT_EQ(at(200, 5), Rgb(0, 0, 0));
    bar.setTheme(3);
    const QImage green = host.surface().image().copy();
    const BarPalette palette = bar.palette();
    bar.setTheme(11);
    EXPECT_EQ(bar.palette(), palette);
    EXPECT_EQ(host.surface().image(), green);
}

TEST_F(BarPixels, OrientationsOtherThanOneAndTwo) {
    plain(40, 100, 30);
    bar.setOrientations(2); // vertical: the top 30 % filled, halves left and right
    const BarPalette& p = bar.palette();
    EXPECT_EQ(at(5, 29), Ramp(p.Fill1From, p.Fill1To, 5, 20));
    EXPECT_EQ(at(5, 30), Ramp(p.Track1From, p.Track1To, 5, 20));
    EXPECT_EQ(at(25, 29), Ramp(p.Fill2From, p.Fill2To, 5, 20));
    EXPECT_EQ(at(20, 60), p.Track2From);

    bar.setOrientations(3); // the cleared background and the outline only
    EXPECT_EQ(at(20, 50), kFace);
    EXPECT_EQ(at(20, 0), p.Border);
    EXPECT_EQ(at(39, 50), kFace);
}

TEST_F(BarPixels, RoundedValueShapesTheWindowAndTheOutline) {
    plain(705, 25, 50);
    EXPECT_EQ(host.windowRegion(), Region::FromRoundRect({0, 0, 705, 25}, 5, 5));
    bar.setRoundedValue(0);
    EXPECT_EQ(host.windowRegion(), Region::FromRect({0, 0, 705, 25}));
    EXPECT_EQ(at(0, 0), bar.palette().Border);
}

TEST_F(BarPixels, CaptionAnchorsFollowTheAlignmentTable) {
    host.resizeControl(705, 25);
    bar.InitialiseNew();
    bar.setText("Ag");
    bar.setTextEffect(ProgressBar::EffectPlain);
    bar.setTextForeColor(Rgb(0, 0, 255));
    const SizeF size = host.surface().measureText("Ag");
    auto anchor = [&](int alignment) -> std::pair<double, double> {
        const double SW = 705, SH = 25, TW = size.width, TH = size.height;
        if (alignment < 1 || alignment > 9)
            return {0, 0};
        const int col = (alignment - 1) / 3, row = (alignment - 1) % 3;
        const double xs[] = {1, SW / 2 - TW / 2 - 1, SW - TW - 3};
        const double ys[] = {0, SH / 2 - TH / 2 - 1, SH - TH - 1};
        return {xs[col], ys[row]};
    };
    for (int alignment : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}) {
        SCOPED_TRACE(alignment);
        bar.setTextStyle(0);
        Surface expected(705, 25);
        copyPixelsTo(expected);
        expected.setFont(*bar.TextFont());
        expected.setTextColour(Rgb(0, 0, 255));
        const auto [X, Y] = anchor(alignment);
        expected.drawText(static_cast<int>(std::nearbyint(X)), static_cast<int>(std::nearbyint(Y)),
                          "Ag");
        bar.setTextAlignment(alignment);
        bar.setTextStyle(3);
        EXPECT_EQ(host.surface().image(), expected.image());
    }
}

TEST_F(BarPixels, EffectsDrawTheirCopiesInOrder) {
    struct Step {
        int dx, dy;
        char colour; // 'e' effect, 'g' fixed grey, 't' text
    };
    const std::vector<std::vector<Step>> sequences = {
        {},
        {{0, 0, 't'}},
        {{-1, -1, 'e'}, {1, 1, 'g'}, {0, 0, 't'}},
        {{1, 1, 'e'}, {-1, 0, 'g'}, {0, 0, 't'}},
        {{1, 0, 'e'}, {-1, 0, 'e'}, {0, -1, 'e'}, {0, 1, 'e'}, {0, 0, 't'}},
        {{1, 1, 'e'}, {0, 0, 't'}},
        {},
    };
    host.resizeControl(705, 25);
    bar.InitialiseNew();
    bar.setText("伪原创处理中....");
    bar.setTextForeColor(Rgb(0, 0, 255));
    bar.setTextEffectColor(Rgb(255, 255, 0));
    bar.setTextAlignment(1);
    for (int effect = 0; effect <= 6; ++effect) {
        SCOPED_TRACE(effect);
        bar.setTextStyle(0);
        Surface expected(705, 25);
        copyPixelsTo(expected);
        expected.setFont(*bar.TextFont());
        for (const Step& s : sequences[static_cast<size_t>(effect)]) {
            expected.setTextColour(s.colour == 'e'   ? Rgb(255, 255, 0)
                                   : s.colour == 'g' ? Rgb(128, 128, 128)
                                                     : Rgb(0, 0, 255));
            expected.drawText(1 + s.dx, 0 + s.dy, "伪原创处理中....");
        }
        bar.setTextEffect(effect);
        bar.setTextStyle(3);
        EXPECT_EQ(host.surface().image(), expected.image());
    }
}

TEST_F(BarPixels, ARedrawOfAnUnchangedBarKeepsItsPicture) {
    host.resizeControl(705, 25);
    bar.InitialiseNew();
    const QImage first = host.surface().image().copy();
    const int draws = bar.drawBarCalls();
    bar.setValue(50);
    EXPECT_EQ(bar.drawBarCalls(), draws + 1);
    EXPECT_EQ(host.surface().image(), first);
    // A value that moves the fill by less than a pixel leaves the picture as it is; one that
    // reaches the next pixel paints it.
    bar.setMax(100000);
    const QImage atZero = host.surface().image().copy();
    bar.setValue(70); // 0.49 pixels
    EXPECT_EQ(host.surface().image(), atZero);
    bar.setValue(71); // 0.50055 pixels: one column filled
    EXPECT_NE(host.surface().image(), atZero);
    EXPECT_EQ(at(0, 5), bar.palette().Border);
    bar.setValue(50000);
    bar.setMax(100);
    // Someone drawing over the surface makes the next redraw paint again.
    host.surface().fillRect({0, 0, 705, 25}, Rgb(1, 1, 1));
    bar.setValue(50);
    EXPECT_EQ(host.surface().image(), first);
}
