#include "toolkit/PictureObject.h"

#include <QBuffer>
#include <gtest/gtest.h>

using namespace rewrix;

TEST(PictureObject, SizeIsKeptInHundredthsOfAMillimetre) {
    QImage image(16, 33, QImage::Format_RGB32);
    image.fill(Qt::red);
    auto picture = PictureObject::FromImage(image);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Width(), 423); // 16 x 2540 / 96 = 423.33
    EXPECT_EQ(picture->Height(), 873);
    EXPECT_EQ(picture->PixelSize(), QSize(16, 33));
    EXPECT_EQ(picture->type(), PictureObject::Type::Bitmap);
    EXPECT_FALSE(picture->hasAlpha());
}

TEST(PictureObject, StoredFormKeepsTypeSizeAndAlpha) {
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(1, 1, qRgba(10, 20, 30, 128));
    auto picture =
        std::make_shared<PictureObject>(PictureObject::Type::Icon, image, QSize(100, 50));
    auto back = PictureObject::FromData(picture->ToData());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->type(), PictureObject::Type::Icon);
    EXPECT_EQ(back->Width(), 100);
    EXPECT_EQ(back->Height(), 50);
    EXPECT_TRUE(back->hasAlpha());
    EXPECT_EQ(back->pixels().pixel(1, 1), qRgba(10, 20, 30, 128));
    EXPECT_EQ(back->pixels().pixel(0, 0), qRgba(0, 0, 0, 0));
    EXPECT_TRUE(SamePicture(picture, back));
}

TEST(PictureObject, DamagedDataIsNoPicture) {
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::blue);
    const QByteArray good = PictureObject::FromImage(image)->ToData();
    EXPECT_FALSE(PictureObject::FromData({}));
    EXPECT_FALSE(PictureObject::FromData("not a picture at all"));
    EXPECT_FALSE(PictureObject::FromData(good.left(good.size() / 2)));
    QByteArray badPng = good;
    badPng[badPng.size() - 10] = '\x7f';
    badPng.chop(20);
    EXPECT_FALSE(PictureObject::FromData(badPng));
}

TEST(PictureObject, PlainImageFilesAreReadToo) {
    QImage image(5, 4, QImage::Format_ARGB32);
    image.fill(qRgba(1, 2, 3, 200));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    auto picture = PictureObject::FromData(png);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->PixelSize(), QSize(5, 4));
    EXPECT_EQ(picture->pixels().pixel(2, 2), qRgba(1, 2, 3, 200));
}
