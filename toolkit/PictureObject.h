#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <memory>

namespace rewrix {

// A picture object as controls hold it: a bitmap or an icon, its pixels and
// its size in 0.01 mm (96 dots per inch make 2540 units per 96 pixels).
// 32-bit bitmaps keep their alpha channel.
class PictureObject {
public:
    enum class Type { Bitmap = 1, Icon = 3 };

    PictureObject(Type type, QImage pixels, QSize himetric);

    // A picture of the image's size at 96 dots per inch. Images with an
    // alpha channel are kept as 32-bit with alpha, the others as 32-bit
    // opaque.
    static std::shared_ptr<const PictureObject> FromImage(const QImage& image,
                                                          Type type = Type::Bitmap);

    // The stored form, as the property set keeps it. FromData also takes the
    // bytes of a plain image file (PNG, BMP, ICO ...) written by hand into a
    // stored layout; it gives nullptr for bytes that are not a picture.
    QByteArray ToData() const;
    // The pixels as the bytes of a PNG file (for takers of plain image files).
    QByteArray ToImageFile() const;
    static std::shared_ptr<const PictureObject> FromData(const QByteArray& data);

    Type type() const { return type_; }
    const QImage& pixels() const { return pixels_; }
    bool hasAlpha() const { return pixels_.hasAlphaChannel(); }
    // Size in 0.01 mm.
    int Width() const { return himetric_.width(); }
    int Height() const { return himetric_.height(); }
    // Size in pixels at 96 dots per inch, to the nearest pixel.
    QSize PixelSize() const;

    static std::shared_ptr<const PictureObject> FromImageFile(const QByteArray& data);
    static int HimetricToPixels(int himetric);
    static int PixelsToHimetric(int pixels);

private:
    Type type_;
    QImage pixels_;
    QSize himetric_;
};

using PictureRef = std::shared_ptr<const PictureObject>;

// Two picture references show the same picture when both are empty or both
// hold equal pixels, type and size.
bool SamePicture(const PictureRef& a, const PictureRef& b);

} // namespace rewrix
