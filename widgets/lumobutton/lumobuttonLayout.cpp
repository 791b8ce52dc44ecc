// Where caption, picture and drop-down symbol go, and how the caption and the symbol are drawn.

#include "widgets/lumobutton/lumobuttonPainter.h"

#include "toolkit/Fonts.h"
#include "toolkit/Rounding.h"
#include "toolkit/Surface.h"
#include "toolkit/SystemColours.h"
#include "widgets/lumobutton/ButtonColors.h"
#include "widgets/lumobutton/CaptionPrefix.h"
#include "widgets/lumobutton/lumobutton.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace rewrix {

namespace {

// The caption without leading and trailing blanks.
QString TrimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

int TextFlagsFor(bool rightToLeft) {
    return rightToLeft ? TextRightToLeft : 0;
}

Rect Moved(const Rect& r, int dx, int dy) {
    return r.translated(dx, dy);
}

} // namespace

void lumobuttonPainter::DrawCaptionAndPicture() {
    RefreshSize();
    const int style = b_.ButtonStyle_;
    const int state = st_.DrawState;
    const bool dropDown = DropDownRoom();

    // The picture of the state; a pressed or checked button falls back from the pressed
    // picture to the hot one, then to the normal one.
    PictureRef current;
    if (state == Down || Checked())
        current = b_.PictureDown_  ? b_.PictureDown_
                  : b_.PictureHot_ ? b_.PictureHot_
                                   : b_.PictureNormal_;
    else if (state == Hot)
        current = b_.PictureHot_ ? b_.PictureHot_ : b_.PictureNormal_;
    else
        current = b_.PictureNormal_;
    st_.CurrentPicture = current;
    st_.PicWidth = current ? PictureObject::HimetricToPixels(current->Width()) : 0;
    st_.PicHeight = current ? PictureObject::HimetricToPixels(current->Height()) : 0;
    const int pw = st_.PicWidth;
    const int ph = st_.PicHeight;

    int boxWidth = W - 8;
    if (dropDown)
        boxWidth = (b_.PictureAlign_ == 2 || b_.PictureAlign_ == 3) ? W - 24 : W - 16;
    const int measureFlags = TextMeasureOnly | TextWordBreak | TextFlagsFor(b_.RightToLeft_);
    const Rect measured =
        s_.drawTextBox({0, 0, boxWidth, H}, StripCaptionPrefix(b_.Caption_).text, measureFlags);
    Rect c{0, 0, measured.width(), measured.height()};
    const int w = c.width();
    const int h = c.height();

    switch (b_.CaptionAlign_) {
    case 0:
        c = Moved(c, 2, (H - h) / 2);
        break;
    case 1:
        c = Moved(c, (W - w + pw) / 2, (H - h) / 2);
        if (dropDown)
            c = Moved(c, -8, 0);
        if (b_.PictureAlign_ >= 5 && b_.PictureAlign_ <= 8)
            c = Moved(c, -(pw / 2), 0);
        break;
    case 2:
        c = Moved(c, W - w - 4, (H - h) / 2);
        break;
    default:
        break;
    }

    if (b_.PictureNormal_) {
        switch (b_.PictureAlign_) {
        case 0:
        case 1:
            if (b_.CaptionAlign_ != 1 && c.left < pw + 4) {
                c.left = pw + 4;
                c.right += pw + 4;
            }
            break;
        case 2:
        case 3:
            if (c.right > W - pw - 4) {
                c.right = W - pw - 4;
                c.left -= pw + 4;
            }
            if (b_.CaptionAlign_ == 1)
                c = Moved(c, -12, 0);
            break;
        case 4:
            if (b_.CaptionAlign_ == 1)
                c = Moved(c, -16, 0);
            break;
        case 5:
        case 6:
            c = Moved(c, 0, ph / 2);
            break;
        case 7:
        case 8:
            c = Moved(c, 0, -(ph / 2));
            break;
        default:
            break;
        }
    }
    if (b_.CaptionAlign_ == 2 && dropDown)
        c = Moved(c, -16, 0);
    if (style == 13) {
        // The themed bevel keeps its own border clear of the caption.
        c.left = std::max(c.left, 4);
        c.top = std::max(c.top, 4);
        c.right = std::min(c.right, s_.width() - 4);
        c.bottom = std::min(c.bottom, s_.height() - 4);
    }
    st_.CaptionRect = c;
    LayoutPicture();

    if (b_.DropDownSymbol_ != 0)
        st_.SymbolRect = {W - 15, RoundHalfEven(H / 2.0 - 7), W, RoundHalfEven(H / 2.0 + 8)};

    if (b_.DropDownSeparator_ && s_.width() - 8 > st_.CaptionRect.right) {
        Colour p = s_.pixel(7, 7);
        DrawLine(W - 16, 3, W - 16, H - 3, ShiftColor(p, -0.1f));
        p = s_.pixel(7, 7);
        DrawLine(W - 15, 3, W - 15, H - 3, ShiftColor(p, 0.1f));
    }

    if (state == Down) {
        switch (style) {
        case 0:
        case 1:
        case 5:
        case 6:
        case 7:
        case 10:
        case 11:
        case 12:
            st_.CaptionRect = Moved(st_.CaptionRect, 1, 1);
            st_.PictureRect = Moved(st_.PictureRect, 1, 1);
            st_.SymbolRect = Moved(st_.SymbolRect, 1, 1);
            break;
        default:
            break;
        }
    }

    const bool pushed = b_.PicturePushOnHover_ && state == Hot;
    if (pushed) {
        DrawPicture(st_.PictureRect, static_cast<std::int32_t>(TranslateColor(Rgb(192, 192, 192))));
        DrawPicture(Moved(st_.PictureRect, -2, -2), -1);
    } else {
        DrawPicture(st_.PictureRect, -1);
    }
    if (b_.PictureShadow_ && !pushed)
        DrawPictureShadow();

    if (b_.CaptionEffects_ != 0)
        DrawCaptionEffect();

    const Colour grey = TranslateColor(SystemColourRef(17));
    if (b_.Enabled_)
        DrawCaptionText(st_.CaptionRect,
                        state == Hot ? TranslateColor(b_.ForeColorHover_)
                                     : TranslateColor(b_.ForeColor_),
                        0, 0);
    else
        DrawCaptionText(st_.CaptionRect, grey, 0, 0);

    if (b_.DropDownSymbol_ != 0) {
        if (state == Down) {
            switch (style) {
            case 0:
            case 1:
            case 6:
            case 7:
            case 11:
            case 12:
                st_.SymbolRect = Moved(st_.SymbolRect, 1, 1);
                break;
            default:
                break;
            }
        }
        s_.setTextColour(b_.Enabled_ ? TranslateColor(b_.ForeColor_) : grey);
        DrawDropDownSymbol();
    }
}

void lumobuttonPainter::LayoutPicture() {
    if (!b_.PictureNormal_)
        return;
    const Rect& c = st_.CaptionRect;
    const int pw = st_.PicWidth;
    const int ph = st_.PicHeight;
    const int middle = (H - ph) / 2;
    const bool dropDown = DropDownRoom();
    int left = st_.PictureRect.left;
    int top = st_.PictureRect.top;
    int shift = 0;
    const int align = b_.PictureAlign_;
    if (!TrimBlanks(b_.Caption_).isEmpty() && align != 4) {
        switch (align) {
        case 0:
            left = 3;
            top = middle;
            break;
        case 1:
            left = c.left - pw - 4;
            top = middle;
            break;
        case 2:
        case 3:
            left = align == 2 ? W - pw - 3 : c.right + 4;
            top = middle;
            if (dropDown)
                left -= 16;
            left = std::max(left, c.right + 2);
            break;
        case 5:
            left = (W - pw) / 2;
            top = 4;
            shift = 8;
            break;
        case 6:
            left = (W - pw) / 2;
            top = c.top - ph - 2;
            shift = 8;
            break;
        case 7:
            left = (W - pw) / 2;
            top = H - ph - 4;
            shift = 8;
            break;
        case 8:
            left = (W - pw) / 2;
            top = c.bottom + 2;
            shift = 8;
            break;
        default:
            break;
        }
    } else {
        left = (W - pw) / 2;
        top = middle;
        shift = 8;
    }
    if (dropDown)
        left -= shift;
    st_.PictureRect = {left, top, left + pw, top + ph};
}

void lumobuttonPainter::DrawCaptionText(const Rect& r, Colour colour, int dx, int dy) {
    const Colour previous = s_.textColour();
    const Rect box = r.translated(dx, dy);
    const CaptionPrefix caption = StripCaptionPrefix(b_.Caption_);
    const int flags = TextCentre | TextWordBreak | TextFlagsFor(b_.RightToLeft_);
    s_.setTextColour(colour);
    s_.drawTextBox(box, caption.text, flags);
    if (caption.underline >= 0) {
        // The access key is underlined where the caption takes one line (a broken caption
        // shows its text without the mark).
        const QFontMetricsF metrics(QFontFor(s_.font()));
        const double width = metrics.horizontalAdvance(caption.text);
        if (r.height() < 2 * metrics.height() && width <= box.width() + 1) {
            const double lineLeft = box.left + std::floor((box.width() - width) / 2);
            const QString before = caption.text.left(caption.underline);
            const QString key = caption.text.mid(caption.underline, 1);
            double x0 = lineLeft + metrics.horizontalAdvance(before);
            if (b_.RightToLeft_)
                x0 = lineLeft + width - metrics.horizontalAdvance(before) -
                     metrics.horizontalAdvance(key);
            const int x = static_cast<int>(std::floor(x0));
            const int y = box.top + static_cast<int>(std::ceil(metrics.ascent())) + 1;
            const int keyWidth = static_cast<int>(std::ceil(metrics.horizontalAdvance(key)));
            s_.fillRect({x, y, x + keyWidth, y + 1}, colour);
        }
    }
    s_.setTextColour(previous);
}

void lumobuttonPainter::DrawCaptionEffect() {
    const Colour base = TranslateColor(b_.BackColor_);
    const Rect& r = st_.CaptionRect;
    static constexpr int kCorners[4][2] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
    switch (b_.CaptionEffects_) {
    case 1:
        DrawCaptionText(r, ShiftColor(base, 0.14f), -1, -1);
        break;
    case 2:
        DrawCaptionText(r, ShiftColor(base, 0.14f), 1, 1);
        break;
    case 3:
        DrawCaptionText(r, TranslateColor(Rgb(192, 192, 192)), 1, 1);
        break;
    case 4:
    case 5: {
        const Colour c = ShiftColor(base, b_.CaptionEffects_ == 4 ? 0.1f : -0.1f);
        for (const auto& d : kCorners)
            DrawCaptionText(r, c, d[0], d[1]);
        break;
    }
    default:
        break;
    }
    DrawCaptionText(
        r, b_.Enabled_ ? TranslateColor(b_.ForeColor_) : TranslateColor(SystemColourRef(17)), 0, 0);
}

void lumobuttonPainter::DrawDropDownSymbol() {
    const QString digits = QString::number(b_.DropDownSymbol_);
    DrawSymbolGlyph(s_, st_.SymbolRect.left, st_.SymbolRect.top, digits.at(0), s_.textColour());
}

void lumobuttonPainter::DrawSymbolGlyph(Surface& surface, int x, int y, QChar digit,
                                        Colour colour) {
    // The symbol font's 14-pixel cell; the arrow triangles sit in its middle, seven pixels
    // across at their base and four deep.
    const int cx = x + 7;
    const int cy = y + 7;
    const Colour c = TranslateColor(colour);
    for (int r = 0; r < 4; ++r) {
        const int half = 3 - r;
        switch (digit.unicode()) {
        case u'3': // left: the point at the left
            surface.fillRect({cx - 2 + r, cy - r, cx - 1 + r, cy + r + 1}, c);
            break;
        case u'4': // right
            surface.fillRect({cx + 1 - r, cy - r, cx + 2 - r, cy + r + 1}, c);
            break;
        case u'5': // up
            surface.fillRect({cx - 3 + half, cy - 2 + r, cx + 4 - half, cy - 1 + r}, c);
            break;
        case u'6': // down
            surface.fillRect({cx - 3 + r, cy - 1 + r, cx + 4 - r, cy + r}, c);
            break;
        default:
            return;
        }
    }
}

} // namespace rewrix
