#pragma once

#include "toolkit/Geometry.h"

#include <vector>

namespace rewrix {

// A window shape: for each row from top to bottom, the span of columns it covers (right
// exclusive). Only the shapes the controls use are needed, and each of them is convex row by
// row, so one span per row describes it.
class Region {
public:
    struct Span {
        int left = 0;
        int right = 0;
        friend bool operator==(const Span&, const Span&) = default;
    };

    Region() = default;

    // The rectangle (left, top) to (right, bottom), right and bottom exclusive.
    static Region FromRect(const Rect& r);

    // A rectangle whose corners are cut by the quarters of an ellipse `ellipseWidth` by
    // `ellipseHeight` pixels. Corner rule: the ellipse has the radii a = ew / 2 and b = eh / 2
    // (ellipse sizes are first limited to the rectangle's sizes); row y of a corner band (the
    // first or last floor(b) rows) keeps the columns whose centres lie inside the ellipse
    // centred a pixels in from the side and b pixels in from the top or bottom edge, measured at
    // the row's centre. The inset of a row is therefore
    //     round(a − a · sqrt(1 − ((b − d) / b)²)),  d = distance of the row's centre from the edge,
    // taken to the nearest pixel with halves to even, the same on both sides and for the top and
    // bottom bands, so the shape is symmetric both ways. Ellipses under 2 pixels give a plain
    // rectangle, as the platform's rounded-rectangle region does.
    static Region FromRoundRect(const Rect& r, int ellipseWidth, int ellipseHeight);

    bool isEmpty() const { return spans_.empty(); }
    int top() const { return top_; }
    int bottom() const { return top_ + static_cast<int>(spans_.size()); }
    const std::vector<Span>& spans() const { return spans_; }
    bool contains(int x, int y) const;
    Rect boundingRect() const;

    friend bool operator==(const Region&, const Region&) = default;

private:
    int top_ = 0;
    std::vector<Span> spans_;
};

} // namespace rewrix
