#include "toolkit/OffscreenSite.h"

namespace rewrix {

OffscreenSite::OffscreenSite(const QString& displayName, int width, int height)
    : displayName_(displayName), surface_(width, height) {}

QImage OffscreenSite::shapedImage() const {
    QImage out = surface_.image().convertToFormat(QImage::Format_ARGB32);
    if (region_.isEmpty())
        return out;
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if (!region_.contains(x, y))
                out.setPixel(x, y, qRgb(255, 255, 255));
    return out;
}

void OffscreenSite::propertyChanged(const QString& name) {
    if (record_)
        changed_.append(name);
}

} // namespace rewrix
