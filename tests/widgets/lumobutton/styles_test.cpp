#include "PaintedButton.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <gtest/gtest.h>

using namespace rewrix;

namespace {

constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kBlack = Rgb(0, 0, 0);
const Colour kFace = Rgb(240, 240, 240);

bool Uniform(PaintedButton& b, Colour c) {
    for (int y = 0; y < b.H(); ++y)
        for (int x = 0; x < b.W(); ++x)
            if (b.px(x, y) != c)
                return false;
    return true;
}

} // namespace

TEST(lumobuttonStyles, SoftBlueFramesAndCorners) {
    PaintedButton b(3, 121, 33, 2);
    b.button.SetCaption(QStringLiteral("Go"));
    EXPECT_EQ(b.px(0, 16), Rgb(112, 112, 112));
    EXPECT_EQ(b.px(120, 16), Rgb(112, 112, 112));
    EXPECT_EQ(b.px(60, 0), Rgb(112, 112, 112));
    EXPECT_EQ(b.px(1, 16), kWhite);
    EXPECT_EQ(b.px(60, 31), kWhite);
    for (Point p : {Point{1, 1}, Point{1, 31}, Point{119, 1}, Point{119, 31}})
        EXPECT_EQ(b.px(p.x, p.y), Rgb(95, 150, 190)) << p.x << "," << p.y;
    b.hot();
    EXPECT_EQ(b.px(0, 16), Rgb(50, 117, 167));
    EXPECT_EQ(b.px(1, 16), kWhite);
    EXPECT_EQ(b.px(1, 1), Rgb(95, 150, 190));
    // The upper face, inside the side bands.
    EXPECT_EQ(b.px(60, 2), Rgb(228, 247, 255));
    b.button.MouseDown(ButtonLeft, 0, 60, 16);
    EXPECT_EQ(b.px(0, 16), Rgb(29, 65, 92));
    EXPECT_EQ(b.px(60, 1), Rgb(113, 156, 179));
    EXPECT_EQ(b.px(60, 3), Rgb(185, 217, 236));
}

TEST(lumobuttonStyles, SoftBlueShowsFocusAndDefaultOnlyWhenActive) {
    PaintedButton b(3, 121, 33, 2);
    b.button.SetShowFocusRect(false);
    b.focus(false);
    EXPECT_EQ(b.px(0, 16), Rgb(112, 112, 112));
    b.focus(true);
    EXPECT_EQ(b.px(0, 16), Rgb(50, 117, 167));
    EXPECT_EQ(b.px(1, 16), Rgb(72, 216, 251));
}

TEST(lumobuttonStyles, SoftBlueDisabled) {
    PaintedButton b(3, 121, 33, 2);
    b.button.SetEnabled(false);
    const Colour back = TranslateColor(b.button.BackColor());
    EXPECT_EQ(b.px(0, 16), ShiftColor(back, -0.25f));
    EXPECT_EQ(b.px(1, 16), ShiftColor(back, 0.25f));
    EXPECT_EQ(b.px(60, 10), ShiftColor(back, 0.03f));
    EXPECT_EQ(b.px(1, 1), ShiftColor(back, -0.03f));
}

TEST(lumobuttonStyles, RoundedRimHotRimAndBorder) {
    for (int scheme : {0, 1, 2, 3}) {
        PaintedButton b(2, 100, 30, scheme);
        b.hot();
        EXPECT_EQ(b.px(5, 2), Rgb(253, 216, 137)) << scheme;
        EXPECT_EQ(b.px(5, 1), Rgb(255, 240, 207)) << scheme;
        EXPECT_EQ(b.px(1, 10), Rgb(249, 189, 73)) << scheme;
        EXPECT_EQ(b.px(98, 10), Rgb(249, 189, 73)) << scheme;
        EXPECT_EQ(b.px(2, 10), Rgb(252, 210, 122)) << scheme;
        EXPECT_EQ(b.px(97, 10), Rgb(252, 210, 122)) << scheme;
        EXPECT_EQ(b.px(5, 27), Rgb(248, 179, 48)) << scheme;
        EXPECT_EQ(b.px(5, 28), Rgb(229, 151, 0)) << scheme;
        const Colour border = scheme == 1 ? Rgb(55, 98, 6) : Rgb(0, 60, 116);
        EXPECT_EQ(b.px(0, 10), border) << scheme;
        EXPECT_EQ(b.px(1, 1), ShiftColor(border, 0.3f)) << scheme;
    }
}

TEST(lumobuttonStyles, RoundedRimFocusRimBySchemeInNormalOnly) {
    struct Case {
        int scheme;
        Colour r1, r56;
    };
    const Case cases[] = {{0, Rgb(188, 212, 246), Rgb(184, 209, 244)},
                          {1, Rgb(194, 209, 143), Rgb(160, 200, 104)},
                          {2, Rgb(188, 212, 246), kWhite}};
    for (const Case& c : cases) {
        PaintedButton b(2, 100, 30, c.scheme);
        b.button.SetShowFocusRect(false);
        b.focus();
        EXPECT_EQ(b.px(5, 2), c.r1) << c.scheme;
        EXPECT_EQ(b.px(2, 10), c.r56) << c.scheme;
    }
}

TEST(lumobuttonStyles, RoundedRimOwnSchemeDrawsOnlyTheHotRim) {
    PaintedButton b(2, 100, 30, 5);
    b.button.SetCaption(QStringLiteral("Go"));
    b.focus();
    EXPECT_TRUE(Uniform(b, kFace));
    b.hot();
    EXPECT_EQ(b.px(5, 1), Rgb(255, 240, 207));
    EXPECT_EQ(b.px(0, 10), kFace);
    EXPECT_EQ(b.px(50, 15), kFace);
    b.button.MouseDown(ButtonLeft, 0, 50, 15);
    EXPECT_TRUE(Uniform(b, kFace));
}

TEST(lumobuttonStyles, ToolbarFillsBySchemeAndState) {
    PaintedButton b(4, 100, 30, 4);
    EXPECT_EQ(b.px(50, 15), TranslateColor(b.button.BackColor()));
    b.hot();
    EXPECT_EQ(b.px(50, 15), Rgb(8, 8, 8));
    EXPECT_EQ(b.px(0, 15), kBlack);
    b.button.MouseDown(ButtonLeft, 0, 50, 15);
    EXPECT_EQ(b.px(50, 15), kBlack);

    PaintedButton blue(4, 100, 30, 0);
    blue.hot();
    EXPECT_EQ(blue.px(50, 15), ShiftColor(Rgb(193, 210, 238), 0.03f));
    EXPECT_EQ(blue.px(0, 15), Rgb(49, 106, 197));
}

TEST(lumobuttonStyles, CheckedLooksOfTheirOwnEvenWhenNotHot) {
    PaintedButton toolbar(4, 100, 30, 0);
    toolbar.button.SetMode(1);
    toolbar.button.SetValue(true);
    EXPECT_EQ(toolbar.px(50, 15), ShiftColor(Rgb(193, 210, 238), -0.05f));
    EXPECT_EQ(toolbar.px(0, 15), Rgb(49, 106, 197));

    PaintedButton split(8, 100, 30);
    split.button.SetMode(1);
    split.button.SetValue(true);
    // u = round(30 / 2.7) = 11: the lower gradient starts there.
    EXPECT_EQ(split.px(50, 11), Rgb(255, 171, 63));
    EXPECT_EQ(split.px(50, 1), Rgb(255, 215, 164)); // 217 - 25 / 10, 169 - 58 / 10
}

TEST(lumobuttonStyles, CheckedButtonIsDrawnDownInAllStylesButTwo) {
    for (int style = 0; style <= 13; ++style) {
        PaintedButton b(style, 100, 30);
        b.button.SetMode(1);
        b.button.SetValue(true);
        const int expected = style == 0 || style == 6 ? Normal : Down;
        EXPECT_EQ(b.button.State().DrawState, expected) << style;
    }
}

TEST(lumobuttonStyles, StandardDefaultFrameWhileFocusedButNotPressed) {
    PaintedButton b(0, 100, 30);
    b.button.SetShowFocusRect(false);
    // Raised edge: the dark shadow on the outer right.
    EXPECT_EQ(b.px(99, 15), Rgb(105, 105, 105));
    b.focus();
    EXPECT_EQ(b.px(99, 15), kBlack);
    EXPECT_EQ(b.px(98, 15), TranslateColor(SystemColourRef(12)));
    b.down();
    // Pressed: the pressed frame, not the default one.
    EXPECT_EQ(b.px(99, 15), kBlack);
    EXPECT_EQ(b.px(98, 15), Rgb(172, 168, 153));
}

TEST(lumobuttonStyles, EdgeFamilyFocusRectangleInset) {
    struct Case {
        int style, inset;
    };
    for (const Case& c : {Case{0, 4}, Case{1, 3}, Case{11, 4}, Case{12, 3}}) {
        PaintedButton b(c.style, 100, 30);
        b.button.SetShowFocusRect(true);
        b.button.ParentActivationChanged(true);
        const QImage plain = b.image();
        b.button.GotFocus();
        b.button.Redraw();
        // The dotted outline inverts the pixels whose x + y is even.
        const int i = c.inset;
        auto at = [&](int x, int y) {
            const QRgb p = plain.pixel(x, y);
            return Rgb(qRed(p), qGreen(p), qBlue(p));
        };
        EXPECT_EQ(b.px(i + 2, i), at(i + 2, i) ^ 0xFFFFFFu) << c.style;
        EXPECT_EQ(b.px(i, i + 2), at(i, i + 2) ^ 0xFFFFFFu) << c.style;
        EXPECT_EQ(b.px(i + 2, i - 1), at(i + 2, i - 1)) << c.style;
        EXPECT_EQ(b.px(i - 1, i + 3), at(i - 1, i + 3)) << c.style;
    }
}

TEST(lumobuttonStyles, SoftBevelCaptionTurnsWhiteWhilePressed) {
    PaintedButton b(6, 100, 30);
    b.down();
    EXPECT_EQ(b.button.ForeColor(), kWhite);
    EXPECT_EQ(b.px(0, 15), Rgb(157, 157, 146));
    b.button.MouseUp(ButtonLeft, 0, 50, 15);
    EXPECT_EQ(b.button.ForeColor(), TranslateColor(SystemColourRef(18)));
}

TEST(lumobuttonStyles, EveryStateOfEveryStyleDraws) {
    // Each style puts something of its own on the surface in each state (the own-scheme
    // rounded rim aside), and a style out of range leaves it cleared.
    for (int style = 0; style <= 12; ++style) {
        for (int state = Normal; state <= Down; ++state) {
            PaintedButton b(style, 60, 24);
            b.button.SetCaption(QStringLiteral("Go"));
            if (state == Hot)
                b.hot();
            else if (state == Down)
                b.down();
            EXPECT_FALSE(Uniform(b, kFace)) << style << "/" << state;
        }
    }
    PaintedButton none(14, 60, 24);
    none.button.SetCaption(QStringLiteral("Go"));
    EXPECT_TRUE(Uniform(none, kFace));
}

TEST(lumobuttonStyles, ThemedBevelUnderStylesAndRoundedRimWithout) {
    const QString previous = QApplication::style()->name();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("fusion")));
    {
        PaintedButton b(13, 100, 30);
        b.button.SetCaption(QStringLiteral("Go"));
        EXPECT_EQ(b.button.ButtonStyle(), 13);
        EXPECT_FALSE(Uniform(b, kFace));
        // The caption keeps clear of the bevel's border.
        EXPECT_GE(b.button.State().CaptionRect.left, 4);
        const QImage normal = b.image();
        b.hot();
        EXPECT_NE(b.image(), normal);
        EXPECT_EQ(b.site.region.boundingRect(), (Rect{0, 0, 100, 30}));
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("windows")));
    {
        PaintedButton b(13, 100, 30);
        EXPECT_EQ(b.button.ButtonStyle(), 2);
        EXPECT_EQ(b.button.ColorScheme(), 0);
        EXPECT_EQ(b.px(0, 10), Rgb(0, 60, 116));
    }
    QApplication::setStyle(QStyleFactory::create(previous));
}
