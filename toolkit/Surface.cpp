#include "toolkit/Surface.h"

#include "toolkit/Fonts.h"
#include "toolkit/SystemColours.h"

#include <QPainter>
#include <QStringList>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cwchar>
#include <vector>

namespace rewrix {
namespace {

// Rows of one colour are the bulk of every picture; the C library's wide fill writes them in
// vector stores where a plain loop does not.
static_assert(sizeof(wchar_t) == sizeof(std::uint32_t));
void FillRow(std::uint32_t* row, int from, int to, std::uint32_t argb) {
    if (to > from)
        std::wmemset(reinterpret_cast<wchar_t*>(row + from), static_cast<wchar_t>(argb),
                     static_cast<size_t>(to - from));
}

} // namespace

Surface::Surface() : Surface(0, 0) {}

Surface::Surface(int width, int height)
    : image_(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32),
      backColour_(SystemColourRef(ColourButtonFace)) {
    clear();
}

Surface::~Surface() = default;

std::uint32_t Surface::ToArgb(Colour c) {
    c = TranslateColour(c);
    return 0xFF000000u | (static_cast<std::uint32_t>(RedOf(c)) << 16) |
           (static_cast<std::uint32_t>(GreenOf(c)) << 8) | static_cast<std::uint32_t>(BlueOf(c));
}

void Surface::resize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == image_.width() && height == image_.height())
        return;
    image_ = QImage(width, height, QImage::Format_RGB32);
    clear();
}

void Surface::setBackColour(Colour colour) {
    backColour_ = colour;
}

void Surface::clear() {
    if (!image_.isNull())
        image_.fill(ToArgb(backColour_));
    touch();
}

Colour Surface::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width() || y >= height())
        return 0xFFFFFFFFu;
    const std::uint32_t p = reinterpret_cast<const std::uint32_t*>(image_.constScanLine(y))[x];
    return Rgb(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
               static_cast<int>(p & 0xFF));
}

Surface::Pixels Surface::pixels() {
    if (image_.isNull())
        return {nullptr, 0, 0, 0};
    return {reinterpret_cast<std::uint32_t*>(image_.bits()), image_.bytesPerLine() / 4,
            image_.width(), image_.height()};
}

void Surface::setPixel(int x, int y, Colour colour) {
    const Pixels px = pixels();
    px.put(x, y, ToArgb(colour));
    touch();
}

void Surface::fillRect(const Rect& r, Colour colour) {
    const Pixels px = pixels();
    const Rect c = r.intersected(rect());
    if (c.isEmpty())
        return;
    const std::uint32_t argb = ToArgb(colour);
    for (int y = c.top; y < c.bottom; ++y) {
        auto* row = px.row(y);
        FillRow(row, c.left, c.right, argb);
    }
    touch();
}

void Surface::fillRegion(const Region& region, Colour colour) {
    const Pixels px = pixels();
    const std::uint32_t argb = ToArgb(colour);
    int y = region.top();
    for (const Region::Span& s : region.spans()) {
        if (y >= 0 && y < height()) {
            const int l = std::max(s.left, 0);
            const int r = std::min(s.right, width());
            auto* row = px.row(y);
            if (l < r)
                FillRow(row, l, r, argb);
        }
        ++y;
    }
    touch();
}

void Surface::drawLine(int x1, int y1, int x2, int y2, Colour colour) {
    const Pixels px = pixels();
    const std::uint32_t argb = ToArgb(colour);
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    int x = x1;
    int y = y1;
    while (x != x2 || y != y2) {
        px.put(x, y, argb);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    touch();
}

void Surface::frameRect(const Rect& r, Colour colour) {
    if (r.isEmpty())
        return;
    fillRect({r.left, r.top, r.right, r.top + 1}, colour);
    fillRect({r.left, r.bottom - 1, r.right, r.bottom}, colour);
    fillRect({r.left, r.top, r.left + 1, r.bottom}, colour);
    fillRect({r.right - 1, r.top, r.right, r.bottom}, colour);
}

void Surface::roundRect(const Rect& r, int ellipseWidth, int ellipseHeight, Colour colour) {
    const Pixels px = pixels();
    const Region shape = Region::FromRoundRect(r, ellipseWidth, ellipseHeight);
    if (shape.isEmpty())
        return;
    const std::uint32_t argb = ToArgb(colour);
    const auto& spans = shape.spans();
    const int rows = static_cast<int>(spans.size());
    for (int i = 0; i < rows; ++i) {
        const int y = shape.top() + i;
        const Region::Span s = spans[static_cast<size_t>(i)];
        if (i == 0 || i == rows - 1) {
            for (int x = s.left; x < s.right; ++x)
                px.put(x, y, argb);
            continue;
        }
        const Region::Span up = spans[static_cast<size_t>(i - 1)];
        const Region::Span down = spans[static_cast<size_t>(i + 1)];
        // A pixel of the row is on the outline when its own row ends beside it or the row above
        // or below does not reach it.
        const int innerLeft = std::max({s.left + 1, up.left, down.left});
        const int innerRight = std::min({s.right - 1, up.right, down.right});
        if (innerLeft >= innerRight) {
            for (int x = s.left; x < s.right; ++x)
                px.put(x, y, argb);
            continue;
        }
        for (int x = s.left; x < innerLeft; ++x)
            px.put(x, y, argb);
        for (int x = innerRight; x < s.right; ++x)
            px.put(x, y, argb);
    }
    touch();
}

void Surface::gradientFill(const Rect& r, Colour start, Colour end, GradientDirection direction) {
    gradientFill(r, start, end, direction, rect());
}

void Surface::gradientFill(const Rect& r, Colour start, Colour end, GradientDirection direction,
                           const Rect& clip) {
    const Pixels px = pixels();
    if (r.isEmpty())
        return;
    start = TranslateColour(start);
    end = TranslateColour(end);
    const bool horizontal = direction == GradientDirection::Horizontal;
    const std::int64_t n = horizontal ? r.width() : r.height();
    const int s[3] = {RedOf(start), GreenOf(start), BlueOf(start)};
    const int e[3] = {RedOf(end), GreenOf(end), BlueOf(end)};
    auto colourAt = [&](std::int64_t i) {
        std::uint32_t argb = 0xFF000000u;
        for (int k = 0; k < 3; ++k) {
            const std::int64_t v =
                std::int64_t{s[k]} * 256 + (std::int64_t{e[k] - s[k]} * 256 * i) / n;
            argb |= static_cast<std::uint32_t>((v >> 8) & 0xFF) << (16 - 8 * k);
        }
        return argb;
    };
    const Rect c = r.intersected(rect()).intersected(clip);
    if (c.isEmpty())
        return;
    if (horizontal) {
        std::vector<std::uint32_t> line(static_cast<size_t>(c.width()));
        for (int x = c.left; x < c.right; ++x)
            line[static_cast<size_t>(x - c.left)] = colourAt(x - r.left);
        for (int y = c.top; y < c.bottom; ++y)
            std::copy(line.begin(), line.end(), px.row(y) + c.left);
    } else {
        for (int y = c.top; y < c.bottom; ++y) {
            auto* row = px.row(y);
            FillRow(row, c.left, c.right, colourAt(y - r.top));
        }
    }
    touch();
}

void Surface::setImageRow24(int x, int y, int count, const std::uint8_t* bgr) {
    const Pixels px = pixels();
    if (y < 0 || y >= height() || count <= 0 || !bgr)
        return;
    auto* row = px.row(y);
    for (int i = 0; i < count; ++i) {
        const int px = x + i;
        if (px < 0 || px >= width())
            continue;
        const std::uint8_t* p = bgr + 3 * static_cast<size_t>(i);
        row[px] = 0xFF000000u | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
    }
    touch();
}

void Surface::drawPixels(int x, int y, int w, int h, const Colour* source) {
    const Pixels px = pixels();
    if (w <= 0 || h <= 0 || !source)
        return;
    // The clipped span of columns, worked out once rather than per pixel.
    const int first = std::max(0, -x);
    const int last = std::min(w, px.w - x);
    for (int j = 0; j < h; ++j) {
        const int py = y + j;
        if (py < 0 || py >= px.h)
            continue;
        auto* row = px.row(py);
        for (int i = first; i < last; ++i) {
            const int px = x + i;
            const Colour c = source[static_cast<size_t>(j) * static_cast<size_t>(w) + i];
            row[px] = 0xFF000000u | (static_cast<std::uint32_t>(RedOf(c)) << 16) |
                      (static_cast<std::uint32_t>(GreenOf(c)) << 8) |
                      static_cast<std::uint32_t>(BlueOf(c));
        }
    }
    touch();
}

void Surface::drawEdge(const Rect& r, int flags) {
    auto ring = [this](const Rect& q, int topLeft, int bottomRight) {
        if (q.isEmpty())
            return;
        const Colour tl = SystemColourRef(topLeft);
        const Colour br = SystemColourRef(bottomRight);
        fillRect({q.left, q.top, q.right - 1, q.top + 1}, tl);
        fillRect({q.left, q.top, q.left + 1, q.bottom - 1}, tl);
        fillRect({q.left, q.bottom - 1, q.right, q.bottom}, br);
        fillRect({q.right - 1, q.top, q.right, q.bottom}, br);
    };
    Rect inner = r;
    if (flags & EdgeRaisedOuter) {
        ring(r, Colour3DLight, Colour3DDarkShadow);
        inner = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    } else if (flags & EdgeSunkenOuter) {
        ring(r, ColourButtonShadow, ColourButtonHighlight);
        inner = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
    if (flags & EdgeRaisedInner)
        ring(inner, ColourButtonHighlight, ColourButtonShadow);
    else if (flags & EdgeSunkenInner)
        ring(inner, Colour3DDarkShadow, Colour3DLight);
}

void Surface::drawFocusRect(const Rect& r) {
    const Pixels px = pixels();
    const Rect c = r;
    if (c.isEmpty())
        return;
    auto invert = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= width() || y >= height() || ((x + y) & 1) != 0)
            return;
        auto* row = px.row(y);
        row[x] ^= 0x00FFFFFFu;
    };
    for (int x = c.left; x < c.right; ++x) {
        invert(x, c.top);
        if (c.bottom - 1 != c.top)
            invert(x, c.bottom - 1);
    }
    for (int y = c.top + 1; y < c.bottom - 1; ++y) {
        invert(c.left, y);
        if (c.right - 1 != c.left)
            invert(c.right - 1, y);
    }
    touch();
}

void Surface::setFont(const FontDesc& font) {
    if (qfont_ && font == font_)
        return;
    font_ = font;
    qfont_.reset();
    metrics_.reset();
    shapedRuns_.clear();
    shapedText_.clear();
}

void Surface::ensureFont() const {
    if (qfont_)
        return;
    qfont_ = std::make_unique<QFont>(QFontFor(font_));
    metrics_ = std::make_unique<QFontMetricsF>(*qfont_);
}

SizeF Surface::measureText(const QString& text) const {
    ensureFont();
    double height = metrics_->height();
    // An underline may sit below the face's own cell; the text cell includes it.
    if (font_.underline)
        height =
            std::max(height, metrics_->ascent() + metrics_->underlinePos() + metrics_->lineWidth());
    return {metrics_->horizontalAdvance(text), height};
}

void Surface::drawText(int x, int y, const QString& text) {
    if (text.isEmpty() || image_.isNull())
        return;
    ensureFont();
    if (shapedRuns_.isEmpty() || shapedText_ != text) {
        QTextLayout layout(text, *qfont_);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        layout.endLayout();
        shapedRuns_ = line.isValid() ? layout.glyphRuns() : QList<QGlyphRun>();
        shapedText_ = text;
    }
    QPainter p(&image_);
    p.setPen(QColor::fromRgb(ToArgb(textColour_)));
    // The runs are placed on a line whose top is at 0, so the cell's corner is the origin.
    for (const QGlyphRun& run : shapedRuns_)
        p.drawGlyphRun(QPointF(x, y), run);
    touch();
}

Rect Surface::drawTextBox(const Rect& box, const QString& text, int flags) {
    ensureFont();
    const double boxWidth = std::max(box.width(), 0);
    struct Line {
        QString text;
        double width;
    };
    std::vector<Line> lines;
    QString source = text;
    source.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList paragraphs = source.split(QLatin1Char('\n'));
    for (const QString& para : paragraphs) {
        if (!(flags & TextWordBreak) || para.isEmpty()) {
            lines.push_back({para, metrics_->horizontalAdvance(para)});
            continue;
        }
        QTextLayout layout(para, *qfont_);
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        if (flags & TextRightToLeft)
            option.setTextDirection(Qt::RightToLeft);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(boxWidth);
            // Blanks at a break belong to neither line, as the measuring call reports them.
            QString piece = para.mid(line.textStart(), line.textLength());
            while (piece.endsWith(QLatin1Char(' ')))
                piece.chop(1);
            lines.push_back({piece, metrics_->horizontalAdvance(piece)});
        }
        layout.endLayout();
    }
    double widest = 0;
    for (const Line& l : lines)
        widest = std::max(widest, l.width);
    const double lineHeight = metrics_->height();
    const Rect extent{box.left, box.top, box.left + static_cast<int>(std::ceil(widest)),
                      box.top + static_cast<int>(std::ceil(lineHeight * lines.size()))};
    if ((flags & TextMeasureOnly) || image_.isNull())
        return extent;
    QPainter p(&image_);
    p.setFont(*qfont_);
    p.setPen(QColor::fromRgb(ToArgb(textColour_)));
    if (flags & TextRightToLeft)
        p.setLayoutDirection(Qt::RightToLeft);
    double y = box.top;
    for (const Line& l : lines) {
        double x = box.left;
        if (flags & TextCentre)
            x = box.left + std::floor((boxWidth - l.width) / 2);
        else if (flags & TextRightToLeft)
            x = box.right - l.width;
        p.drawText(QPointF(x, y + metrics_->ascent()), l.text);
        y += lineHeight;
    }
    touch();
    return extent;
}

} // namespace rewrix
