#include "toolkit/Region.h"

#include "toolkit/Rounding.h"

#include <algorithm>
#include <cmath>

namespace rewrix {

Region Region::FromRect(const Rect& r) {
    Region region;
    if (r.isEmpty())
        return region;
    region.top_ = r.top;
    region.spans_.assign(static_cast<size_t>(r.height()), Span{r.left, r.right});
    return region;
}

Region Region::FromRoundRect(const Rect& r, int ellipseWidth, int ellipseHeight) {
    Region region = FromRect(r);
    if (region.isEmpty())
        return region;
    const int ew = std::min(std::abs(ellipseWidth), r.width());
    const int eh = std::min(std::abs(ellipseHeight), r.height());
    if (ew < 2 || eh < 2)
        return region;
    const double a = ew / 2.0;
    const double b = eh / 2.0;
    const int band = static_cast<int>(std::floor(b));
    const int rows = r.height();
    for (int i = 0; i < band; ++i) {
        const double d = i + 0.5;
        const double t = (b - d) / b;
        const int inset = RoundHalfEven(a - a * std::sqrt(std::max(0.0, 1.0 - t * t)));
        const Span span{r.left + inset, r.right - inset};
        region.spans_[static_cast<size_t>(i)] = span;
        region.spans_[static_cast<size_t>(rows - 1 - i)] = span;
    }
    return region;
}

bool Region::contains(int x, int y) const {
    if (y < top_ || y >= bottom())
        return false;
    const Span& s = spans_[static_cast<size_t>(y - top_)];
    return x >= s.left && x < s.right;
}

Rect Region::boundingRect() const {
    if (spans_.empty())
        return {};
    int left = spans_.front().left;
    int right = spans_.front().right;
    for (const Span& s : spans_) {
        left = std::min(left, s.left);
        right = std::max(right, s.right);
    }
    return {left, top_, right, bottom()};
}

} // namespace rewrix
