// The drawing primitives of the image button and the dispatch to the style recipes.

#include "widgets/lumobutton/lumobuttonPainter.h"

#include "toolkit/ControlSite.h"
#include "toolkit/Surface.h"
#include "widgets/lumobutton/ButtonColors.h"
#include "widgets/lumobutton/lumobutton.h"

#include <algorithm>
#include <vector>

namespace rewrix {

lumobuttonPainter::lumobuttonPainter(lumobutton& button)
    : b_(button), st_(button.state_), s_(button.site_.surface()) {
    RefreshSize();
}

void lumobuttonPainter::RefreshSize() {
    b_.RefreshPaintSize();
    W = st_.PaintWidth;
    H = st_.PaintHeight;
}

bool lumobuttonPainter::Checked() const {
    return b_.Mode_ != 0 && b_.Value_;
}

bool lumobuttonPainter::DropDownRoom() const {
    return b_.DropDownSymbol_ != 0 || b_.DropDownSeparator_;
}

void lumobuttonPainter::PaintStyle() {
    const int state = st_.DrawState;
    switch (b_.ButtonStyle_) {
    case 0:
    case 1:
    case 11:
    case 12:
        PaintEdgeFamily(state);
        break;
    case 2:
        PaintRoundedRim(state);
        break;
    case 3:
        PaintSoftBlue(state);
        break;
    case 4:
        PaintToolbar(state);
        break;
    case 5:
        PaintWarmGradient(state);
        break;
    case 6:
        PaintSoftBevel(state);
        break;
    case 7:
        PaintLightFrame(state);
        break;
    case 8:
        PaintSplitGradient(state);
        break;
    case 9:
        PaintGlass(state);
        break;
    case 10:
        PaintTopBand(state);
        break;
    case 13:
        if (b_.ThemeActive()) {
            PaintThemed(state);
        } else {
            // Without visual styles the themed button becomes the rounded one for good, and is
            // saved so.
            b_.ButtonStyle_ = 2;
            b_.ColorScheme_ = 0;
            b_.ApplyStyleColors();
            PaintRoundedRim(state);
        }
        break;
    default:
        break;
    }
}

void lumobuttonPainter::DrawGradient(Surface& surface, int x, int y, int w, int h, Colour c1,
                                     Colour c2, int direction) {
    if (w <= 0 || h <= 0)
        return;
    const int n = direction == 0 ? w : direction == 1 ? h : w + h - 1;
    std::vector<Colour> steps(static_cast<size_t>(n));
    if (n == 1) {
        steps[0] = Rgb((RedOf(c1) >> 1) + (RedOf(c2) >> 1), (GreenOf(c1) >> 1) + (GreenOf(c2) >> 1),
                       (BlueOf(c1) >> 1) + (BlueOf(c2) >> 1));
    } else {
        const int dr = RedOf(c2) - RedOf(c1);
        const int dg = GreenOf(c2) - GreenOf(c1);
        const int db = BlueOf(c2) - BlueOf(c1);
        for (int i = 0; i < n; ++i)
            steps[static_cast<size_t>(i)] =
                Rgb(RedOf(c1) + dr * i / (n - 1), GreenOf(c1) + dg * i / (n - 1),
                    BlueOf(c1) + db * i / (n - 1));
    }
    std::vector<Colour> image(static_cast<size_t>(w) * static_cast<size_t>(h));
    for (int row = 0; row < h; ++row) {
        Colour* line = image.data() + static_cast<size_t>(row) * static_cast<size_t>(w);
        switch (direction) {
        case 0:
            std::copy(steps.begin(), steps.end(), line);
            break;
        case 1:
            std::fill(line, line + w, steps[static_cast<size_t>(row)]);
            break;
        case 2:
            std::copy_n(steps.begin() + row, w, line);
            break;
        default:
            std::copy_n(steps.begin() + (h - 1 - row), w, line);
            break;
        }
    }
    surface.drawPixels(x, y, w, h, image.data());
}

void lumobuttonPainter::DrawGradient(int x, int y, int w, int h, Colour c1, Colour c2,
                                     int direction) {
    DrawGradient(s_, x, y, w, h, TranslateColor(c1), TranslateColor(c2), direction);
}

void lumobuttonPainter::DrawLine(int x1, int y1, int x2, int y2, Colour colour) {
    s_.drawLine(x1, y1, x2, y2, TranslateColor(colour));
}

void lumobuttonPainter::DrawFrame(int x, int y, int w, int h, Colour colour) {
    if (w <= 0 || h <= 0)
        return;
    s_.frameRect({x, y, x + w, y + h}, TranslateColor(colour));
}

void lumobuttonPainter::FillButton(Colour colour, const Rect& r) {
    s_.fillRect(r, TranslateColor(colour));
}

void lumobuttonPainter::DrawCorners(Colour colour) {
    const Colour c = TranslateColor(colour);
    s_.setPixel(1, 1, c);
    s_.setPixel(1, H - 2, c);
    s_.setPixel(W - 2, 1, c);
    s_.setPixel(W - 2, H - 2, c);
}

void lumobuttonPainter::DrawEdge3D(int edge) {
    s_.drawEdge(st_.ButtonRect, edge);
}

void lumobuttonPainter::FocusRect(const Rect& r) {
    s_.drawFocusRect(r);
}

} // namespace rewrix
