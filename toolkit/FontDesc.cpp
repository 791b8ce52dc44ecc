#include "toolkit/FontDesc.h"

#include "toolkit/Rounding.h"

#include <algorithm>

namespace rewrix {

int FontDesc::pixelSize() const {
    return std::clamp(RoundHalfEven(points * 96.0 / 72.0), 1, 4096);
}

} // namespace rewrix
