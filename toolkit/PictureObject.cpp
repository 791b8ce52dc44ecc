#include "toolkit/PictureObject.h"

#include <QBuffer>
#include <QDataStream>
#include <QImageReader>

#include <cmath>

namespace rewrix {

namespace {

constexpr quint32 kMagic = 0x52585043; // "RXPC", big-endian as QDataStream writes it
constexpr quint16 kVersion = 1;
constexpr int kMaxSide = 16384; // refuse absurd sizes from damaged data

QImage Normalised(const QImage& image) {
    if (image.isNull())
        return {};
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                         : QImage::Format_RGB32);
}

} // namespace

PictureObject::PictureObject(Type type, QImage pixels, QSize himetric)
    : type_(type), pixels_(Normalised(pixels)), himetric_(himetric) {}

PictureRef PictureObject::FromImage(const QImage& image, Type type) {
    if (image.isNull())
        return nullptr;
    return std::make_shared<PictureObject>(
        type, image, QSize(PixelsToHimetric(image.width()), PixelsToHimetric(image.height())));
}

int PictureObject::HimetricToPixels(int himetric) {
    return static_cast<int>(std::nearbyint(static_cast<double>(himetric) * 96.0 / 2540.0));
}

int PictureObject::PixelsToHimetric(int pixels) {
    return static_cast<int>(std::nearbyint(static_cast<double>(pixels) * 2540.0 / 96.0));
}

QSize PictureObject::PixelSize() const {
    return {HimetricToPixels(himetric_.width()), HimetricToPixels(himetric_.height())};
}

QByteArray PictureObject::ToImageFile() const {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    pixels_.save(&buffer, "PNG");
    return png;
}

QByteArray PictureObject::ToData() const {
    const QByteArray png = ToImageFile();
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kMagic << kVersion << static_cast<qint32>(type_)
        << static_cast<qint32>(himetric_.width()) << static_cast<qint32>(himetric_.height()) << png;
    return data;
}

PictureRef PictureObject::FromData(const QByteArray& data) {
    if (data.isEmpty())
        return nullptr;
    if (!data.startsWith(QByteArray("\x52\x58\x50\x43", 4)))
        return FromImageFile(data);
    QDataStream in(data);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    quint16 version = 0;
    qint32 type = 0, width = 0, height = 0;
    QByteArray png;
    in >> magic >> version >> type >> width >> height >> png;
    if (in.status() != QDataStream::Ok || magic != kMagic || version != kVersion)
        return nullptr;
    if (type != static_cast<qint32>(Type::Bitmap) && type != static_cast<qint32>(Type::Icon))
        return nullptr;
    if (width < 0 || height < 0)
        return nullptr;
    QImage image;
    if (!image.loadFromData(png, "PNG") || image.width() > kMaxSide || image.height() > kMaxSide)
        return nullptr;
    return std::make_shared<PictureObject>(static_cast<Type>(type), image, QSize(width, height));
}

PictureRef PictureObject::FromImageFile(const QByteArray& data) {
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    QImage image;
    if (!reader.read(&image) || image.width() > kMaxSide || image.height() > kMaxSide)
        return nullptr;
    return FromImage(image, format == "ico" || format == "cur" ? Type::Icon : Type::Bitmap);
}

bool SamePicture(const PictureRef& a, const PictureRef& b) {
    if (a == b)
        return true;
    if (!a || !b)
        return false;
    return a->type() == b->type() && a->Width() == b->Width() && a->Height() == b->Height() &&
           a->pixels() == b->pixels();
}

} // namespace rewrix
