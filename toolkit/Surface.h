#pragma once

#include "toolkit/Colour.h"
#include "toolkit/FontDesc.h"
#include "toolkit/Geometry.h"
#include "toolkit/Region.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QList>
#include <QString>

#include <cstdint>
#include <memory>

namespace rewrix {

// Directions of a two-colour gradient rectangle.
enum class GradientDirection { Horizontal = 0, Vertical = 1 };

// 3-D edge rings; 5 is raised (both rings), 10 sunken (both rings).
enum EdgeFlags : int {
    EdgeRaisedOuter = 1,
    EdgeSunkenOuter = 2,
    EdgeRaisedInner = 4,
    EdgeSunkenInner = 8,
    EdgeRaised = EdgeRaisedOuter | EdgeRaisedInner,
    EdgeSunken = EdgeSunkenOuter | EdgeSunkenInner,
};

// Flags of the text box call, numbered as the stored styles expect them.
enum TextFlags : int {
    TextCentre = 0x1,
    TextWordBreak = 0x10,
    TextMeasureOnly = 0x400,
    TextRightToLeft = 0x20000,
};

struct SizeF {
    double width = 0;
    double height = 0;
};

// What an owner-drawn control draws on: a 32-bit image (the control's persistent back image)
// with the drawing operations the controls need, each written as a direct pixel operation with
// the semantics the stored designs were drawn with. Colours are 0x00BBGGRR values; a system
// colour reference (top bit set) resolves through the system colour table. Rectangles are right
// and bottom exclusive; everything is clipped to the image.
class Surface {
public:
    Surface();
    Surface(int width, int height);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    Size size() const { return {width(), height()}; }
    Rect rect() const { return {0, 0, width(), height()}; }
    // A new size starts a new picture, cleared to the background colour.
    void resize(int width, int height);

    // The colour a clear paints (the control's background, button face unless set); a system
    // colour reference resolves at each clear.
    Colour backColour() const { return backColour_; }
    void setBackColour(Colour colour);
    void clear();

    // The colour at (x, y), or 0xFFFFFFFF outside the image, as the platform's pixel read gives.
    Colour pixel(int x, int y) const;
    void setPixel(int x, int y, Colour colour);

    void fillRect(const Rect& r, Colour colour);
    void fillRegion(const Region& region, Colour colour);
    // A one-pixel line from (x1, y1) towards (x2, y2); the end point itself is left out.
    void drawLine(int x1, int y1, int x2, int y2, Colour colour);
    // The one-pixel frame of r: columns left and right − 1, rows top and bottom − 1.
    void frameRect(const Rect& r, Colour colour);
    // The outline of a rounded rectangle with a one-pixel pen and a hollow brush: the boundary
    // pixels of Region::FromRoundRect(r, ew, eh), that is the pixels of the shape with a
    // neighbour to the left, right, above or below outside it. Right and bottom are exclusive.
    void roundRect(const Rect& r, int ellipseWidth, int ellipseHeight, Colour colour);
    // A two-colour gradient rectangle. With n the rectangle's width (horizontal) or height
    // (vertical), column or row i (0 ≤ i < n) gets, per channel in 16-bit units,
    //     start·256 + ((end − start)·256·i) / n   (integer division, truncating),
    // of which the high byte is drawn: the start colour on the first column or row, approaching
    // the end colour towards the last. An empty rectangle paints nothing.
    void gradientFill(const Rect& r, Colour start, Colour end, GradientDirection direction);
    // The same gradient, painted only where it meets `clip`; the colours still come from r.
    void gradientFill(const Rect& r, Colour start, Colour end, GradientDirection direction,
                      const Rect& clip);
    // One row of a 24-bit image (bytes blue, green, red per pixel) to (x, y), `count` pixels.
    void setImageRow24(int x, int y, int count, const std::uint8_t* bgr);
    // A w × h image of 0x00BBGGRR pixels, row by row, copied unscaled to (x, y).
    void drawPixels(int x, int y, int w, int h, const Colour* source);
    // The 3-D edge rings of `flags` (EdgeFlags) on all four sides of r, outer ring first. The
    // top and left sides of a ring run from the top-left corner to one pixel short of the
    // opposite corners; the bottom and right sides take the top-right and bottom-left corners.
    // An inner ring lies one pixel inside r when an outer ring is drawn and on r's own edge when
    // it is drawn alone (so 4 alone is a one-pixel raised rim on the rectangle itself).
    void drawEdge(const Rect& r, int flags);
    // A dotted frame of r drawn by inverting every other pixel (those with x + y even), so that
    // drawing it twice restores the picture.
    void drawFocusRect(const Rect& r);

    // Text, through the toolkit's text rendering on the same image, in the current font and the
    // current drawing colour, with a transparent background.
    void setFont(const FontDesc& font);
    const FontDesc& font() const { return font_; }
    void setTextColour(Colour colour) { textColour_ = colour; }
    Colour textColour() const { return textColour_; }
    // The width and height of one line of text.
    SizeF measureText(const QString& text) const;
    // One line with the top-left corner of its text cell at (x, y).
    void drawText(int x, int y, const QString& text);
    // The text box call: lines broken at blanks (and between ideographs) where wider than the
    // box when TextWordBreak is set, each line centred when TextCentre is set, from the box's
    // top. With TextMeasureOnly nothing is drawn. Returns the box the text takes: (left, top) to
    // (left + widest line, top + all lines), as the measuring call reports it.
    Rect drawTextBox(const Rect& box, const QString& text, int flags);

    const QImage& image() const { return image_; }
    // Raised on every change of the picture; the host presents when it has moved.
    std::uint64_t generation() const { return generation_; }
    void touch() { ++generation_; }

private:
    // Direct access to the image's pixels for one operation (one detach check, not one a pixel).
    struct Pixels {
        std::uint32_t* base;
        qsizetype stride;
        int w;
        int h;
        std::uint32_t* row(int y) const { return base + stride * y; }
        void put(int x, int y, std::uint32_t argb) const {
            if (static_cast<unsigned>(x) < static_cast<unsigned>(w) &&
                static_cast<unsigned>(y) < static_cast<unsigned>(h))
                base[stride * y + x] = argb;
        }
    };
    Pixels pixels();
    static std::uint32_t ToArgb(Colour c);
    void ensureFont() const;

    QImage image_;
    Colour backColour_;
    Colour textColour_ = 0;
    FontDesc font_;
    mutable std::unique_ptr<QFont> qfont_;
    mutable std::unique_ptr<QFontMetricsF> metrics_;
    // The last line drawn, shaped once: a caption is drawn several times per picture (its
    // effect copies) and again on every redraw.
    QString shapedText_;
    QList<QGlyphRun> shapedRuns_;
    std::uint64_t generation_ = 0;
};

} // namespace rewrix
