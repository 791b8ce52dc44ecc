#include "toolkit/OffscreenSite.h"

namespace rewrix {

OffscreenSite::OffscreenSite(const QString& displayName, int width, int height)
    : displayName_(displayName), surface_(width, height) {}

void OffscreenSite::propertyChanged(const QString& name) {
    if (record_)
        changed_.append(name);
}

} // namespace rewrix
