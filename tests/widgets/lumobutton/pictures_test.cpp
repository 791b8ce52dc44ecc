#include "PaintedButton.h"
#include "widgets/lumobutton/lumobuttonPainter.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace rewrix;

namespace {

constexpr Colour kWhite = Rgb(255, 255, 255);

// A Flat button on white with no caption, so a picture sits in the middle: 40 x 20 with an
// 8 x 8 picture at (16, 6).
struct PictureButton : PaintedButton {
    PictureButton() : PaintedButton(1, 40, 20) {
        button.SetBackColor(kWhite);
        button.SetPictureEffectOnOver(0);
        button.SetPictureEffectOnDown(0);
    }
    Colour centre() { return px(20, 10); }
};

} // namespace

TEST(lumobuttonPictures, EffectTables) {
    const auto& lighter = lumobuttonPainter::LighterTable();
    const auto& darker = lumobuttonPainter::DarkerTable();
    EXPECT_EQ(lighter[0], 0);
    EXPECT_EQ(lighter[200], 229); // 58600 / 255
    EXPECT_EQ(lighter[222], 255); // capped
    EXPECT_EQ(darker[255], 217);
    EXPECT_EQ(darker[100], 85);
}

TEST(lumobuttonPictures, OpacityBlendsWithWhatIsPainted) {
    struct Case {
        int opacity;
        Colour expected;
    };
    // (a x 0 + (255 - a) x 255) \ 256.
    const Case cases[] = {{255, Rgb(0, 0, 0)}, {128, Rgb(126, 126, 126)}, {0, kWhite}};
    for (const Case& c : cases) {
        PictureButton b;
        b.button.SetPictureOpacity(static_cast<uint8_t>(c.opacity));
        b.button.SetPictureNormal(SolidPicture(8, 8, qRgb(0, 0, 0)));
        EXPECT_EQ(b.button.State().PictureRect, (Rect{16, 6, 24, 14}));
        EXPECT_EQ(b.centre(), c.expected) << c.opacity;
        EXPECT_EQ(b.px(15, 10), kWhite) << c.opacity;
    }
}

TEST(lumobuttonPictures, MaskColourStaysTransparentOnlyWhenAsked) {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(qRgb(10, 20, 30));
    image.setPixel(4, 4, qRgb(224, 224, 224));
    for (bool mask : {true, false}) {
        PictureButton b;
        b.button.SetUseMaskColor(mask);
        b.button.SetPictureNormal(PictureObject::FromImage(image));
        EXPECT_EQ(b.centre(), mask ? kWhite : Rgb(224, 224, 224)) << mask;
        EXPECT_EQ(b.px(19, 10), Rgb(10, 20, 30)) << mask;
    }
}

TEST(lumobuttonPictures, IconsAreDrawnOnTheGreyOfTheirMask) {
    // An icon with a transparent middle: drawn on (192, 192, 192), which the mask removes.
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(qRgba(0, 0, 200, 255));
    for (int y = 2; y < 6; ++y)
        for (int x = 2; x < 6; ++x)
            image.setPixel(x, y, qRgba(0, 0, 0, 0));
    for (bool mask : {true, false}) {
        PictureButton b;
        b.button.SetUseMaskColor(mask);
        b.button.SetPictureNormal(PictureObject::FromImage(image, PictureObject::Type::Icon));
        EXPECT_EQ(b.centre(), mask ? kWhite : Rgb(192, 192, 192)) << mask;
        EXPECT_EQ(b.px(16, 6), Rgb(0, 0, 200)) << mask;
    }
}

TEST(lumobuttonPictures, AlphaBitmapsBlendByTheirAlpha) {
    PictureButton clear;
    clear.button.SetPictureNormal(SolidPicture(8, 8, qRgba(255, 0, 0, 0), true));
    for (int y = 0; y < clear.H(); ++y)
        for (int x = 0; x < clear.W(); ++x)
            ASSERT_NE(clear.px(x, y), Rgb(255, 0, 0));
    EXPECT_EQ(clear.centre(), kWhite);

    PictureButton half;
    half.button.SetPictureOpacity(255);
    half.button.SetPictureNormal(SolidPicture(8, 8, qRgba(0, 0, 0, 128), true));
    // m = 128 x 255 \ 255 = 128, then as the opacity blend.
    EXPECT_EQ(half.centre(), Rgb(126, 126, 126));
}

TEST(lumobuttonPictures, DisabledModes) {
    struct Case {
        int mode;
        Colour expected;
    };
    // Picture (200, 100, 0) over the cleared face (240, 240, 240):
    // mode 0: opacity 52, (52 c + 203 x 240) \ 256;
    // mode 1: grey round(60 + 59) = 119 at round(200 x 0.75) = 150: (150 x 119 + 105 x 240) \ 256;
    // other: nothing.
    const Case cases[] = {
        {0, Rgb((52 * 200 + 203 * 240) / 256, (52 * 100 + 203 * 240) / 256, (203 * 240) / 256)},
        {1, Rgb(168, 168, 168)},
        {2, Rgb(240, 240, 240)}};
    for (const Case& c : cases) {
        PictureButton b;
        b.button.SetPictureOpacity(200);
        b.button.SetDisabledPictureMode(c.mode);
        b.button.SetPictureNormal(SolidPicture(8, 8, qRgb(200, 100, 0)));
        b.button.SetEnabled(false);
        EXPECT_EQ(b.centre(), c.expected) << c.mode;
    }
}

TEST(lumobuttonPictures, HotAndPressedEffectsAndPictures) {
    PictureButton b;
    b.button.SetPictureEffectOnOver(1);
    b.button.SetPictureEffectOnDown(2);
    b.button.SetPictureNormal(SolidPicture(8, 8, qRgb(200, 100, 0)));
    EXPECT_EQ(b.centre(), Rgb(200, 100, 0));
    b.hot();
    EXPECT_EQ(b.centre(), Rgb(229, 114, 0));
    b.button.MouseDown(ButtonLeft, 0, 20, 10);
    // Pressed: the darker table, the picture one pixel down and right.
    EXPECT_EQ(b.px(21, 11), Rgb(170, 85, 0));
    b.button.SetPictureDown(SolidPicture(8, 8, qRgb(0, 0, 255)));
    EXPECT_EQ(b.px(21, 11), Rgb(0, 0, 217));
}

TEST(lumobuttonPictures, PushOnHoverLiftsThePictureAboveItsSilhouette) {
    PictureButton b;
    b.button.SetPicturePushOnHover(true);
    b.button.SetPictureShadow(true);
    b.button.SetPictureNormal(SolidPicture(8, 8, qRgb(0, 0, 200)));
    // Not hot: the shadow, two silhouettes down and right, under the picture.
    const Colour s0 = AverageColor(Rgb(128, 128, 128), kWhite);
    EXPECT_EQ(b.px(25, 15), ShiftColor(s0, 0.05f));
    EXPECT_EQ(b.px(24, 14), ShiftColor(s0, -0.1f));
    EXPECT_EQ(b.px(23, 13), Rgb(0, 0, 200));
    b.hot();
    EXPECT_EQ(b.px(14, 4), Rgb(0, 0, 200));
    EXPECT_EQ(b.px(23, 13), Rgb(192, 192, 192));
    EXPECT_EQ(b.px(25, 15), kWhite);
}

TEST(lumobuttonPictures, PicturesLargerThanTheButtonAreClippedInPlace) {
    // A 64 x 64 picture centred on a 40 x 20 button starts at (-12, -22): the surface's (1, 1)
    // shows the picture's (13, 23). (The flat edge covers the outermost pixels.)
    for (int kind = 0; kind < 3; ++kind) {
        const bool alpha = kind == 1;
        const auto type = kind == 2 ? PictureObject::Type::Icon : PictureObject::Type::Bitmap;
        QImage image(64, 64, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        image.fill(qRgb(10, 10, 10));
        image.setPixel(13, 23, qRgb(250, 0, 0));
        image.setPixel(50, 40, qRgb(0, 250, 0));
        PictureButton b;
        b.button.SetPictureNormal(PictureObject::FromImage(image, type));
        EXPECT_EQ(b.button.State().PictureRect, (Rect{-12, -22, 52, 42})) << kind;
        EXPECT_EQ(b.px(1, 1), Rgb(250, 0, 0)) << kind;
        EXPECT_EQ(b.px(38, 18), Rgb(0, 250, 0)) << kind;
        EXPECT_EQ(b.px(2, 1), Rgb(10, 10, 10)) << kind;
    }
    // A stored size out of all proportion to the pixels draws what there is.
    QImage small(4, 4, QImage::Format_RGB32);
    small.fill(qRgb(10, 10, 10));
    PictureButton b;
    b.button.SetPictureAlign(0);
    b.button.SetCaption(QStringLiteral("Go"));
    b.button.SetPictureNormal(std::make_shared<PictureObject>(PictureObject::Type::Bitmap, small,
                                                              QSize(2'000'000, 2'000'000)));
    EXPECT_EQ(b.button.State().PicWidth, PictureObject::HimetricToPixels(2'000'000));
}

TEST(lumobuttonPictures, OddWidthsKeepTheirRowsApart) {
    // Five pixels make 15 bytes a row, padded to 16: every row must still land on its own row.
    QImage image(5, 3, QImage::Format_RGB32);
    image.fill(qRgb(10, 10, 10));
    image.setPixel(4, 2, qRgb(250, 0, 0));
    image.setPixel(0, 1, qRgb(0, 250, 0));
    PictureButton b;
    b.button.SetPictureNormal(PictureObject::FromImage(image));
    const Rect& r = b.button.State().PictureRect;
    ASSERT_EQ(r, (Rect{17, 8, 22, 11}));
    EXPECT_EQ(b.px(21, 10), Rgb(250, 0, 0));
    EXPECT_EQ(b.px(17, 9), Rgb(0, 250, 0));
    EXPECT_EQ(b.px(18, 9), Rgb(10, 10, 10));
    EXPECT_EQ(b.px(22, 10), kWhite);
}
