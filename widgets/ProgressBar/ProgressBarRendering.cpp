#include "widgets/ProgressBar/PercentText.h"
#include "widgets/ProgressBar/ProgressBar.h"

#include "toolkit/ControlSite.h"
#include "toolkit/Region.h"
#include "toolkit/Rounding.h"
#include "toolkit/Surface.h"
#include "toolkit/SystemColours.h"

#include <algorithm>
#include <exception>
#include <optional>

namespace rewrix {
namespace {

// The bar computes with explicit colours; references to system colours resolve first.
Colour Explicit(Colour c) {
    return TranslateColour(c) & 0x00FFFFFFu;
}

std::optional<double> PercentOf(std::int32_t value, std::int32_t max) {
    if (max == 0)
        return std::nullopt; // counts as 0 for the fill and shows "%" alone
    return 100.0 * value / max;
}

} // namespace

QString ProgressBar::captionText() const {
    switch (textStyle_) {
    case ShowValue:
        return QString::number(value_);
    case ShowPercent: {
        const auto percent = PercentOf(value_, max_);
        return (percent ? NumberText(*percent) : QString()) + QLatin1Char('%');
    }
    case ShowText:
        return text_;
    default:
        return QString();
    }
}

int ProgressBar::fillLength() const {
    const Surface& s = site_.surface();
    const double percent = PercentOf(value_, max_).value_or(0.0);
    return RoundHalfEven((orientations_ == Vertical ? s.height() : s.width()) * percent / 100.0);
}

ProgressBar::DrawnState ProgressBar::currentState() const {
    const Surface& s = site_.surface();
    const bool hasCaption = textStyle_ >= ShowValue && textStyle_ <= ShowText;
    return {s.width(),      s.height(),       fillLength(),  value_ >= 1,
            roundedValue_,  theme_,           orientations_, textAlignment_,
            textEffect_,    enabled_,         hasCaption,    hasCaption ? captionText() : QString(),
            textForeColor_, textEffectColor_, custom1_,      custom2_,
            s.backColour(), textFont_,        palette_,      s.generation()};
}

void ProgressBar::DrawBar() {
    ++drawBarCalls_;
    try {
        // A picture that would come out pixel for pixel as the one on the surface is not drawn
        // again: callers step the bar in tight loops, often with the value it already has.
        if (drawn_ && *drawn_ == currentState()) {
            site_.present();
            return;
        }
        drawPicture();
        drawn_ = currentState();
    } catch (const std::exception&) {
        drawn_.reset();
    }
    site_.present();
}

void ProgressBar::drawPicture() {
    Surface& s = site_.surface();
    const int SW = s.width();
    const int SH = s.height();

    site_.setWindowRegion(Region::FromRoundRect({0, 0, SW, SH}, roundedValue_, roundedValue_));

    const int fillLength = this->fillLength();

    LoadThemeColours(palette_, theme_, Explicit(custom1_), Explicit(custom2_));
    if (!enabled_)
        GreyPalette(palette_);

    const int W = SW;
    const int H = SH;
    const int H2 = RoundHalfEven(SH / 2.0);
    const int W2 = RoundHalfEven(SW / 2.0);
    const int zero = 0;
    const BarPalette& c = palette_;
    // The track covers the whole surface and the fill covers the track where it is painted, so
    // neither the clear nor the track beneath the fill is painted only to be overwritten. Each
    // gradient's colours depend only on the rows (horizontal bar) or columns (vertical bar) of
    // its own rectangle, so the parts that are painted come out exactly as under the overdraw.
    const bool filled = value_ >= 1;
    const int fillEnd = filled ? std::clamp(fillLength, 0, orientations_ == Vertical ? H : W) : 0;
    if (orientations_ == Horizontal) {
        s.gradientFill({0, 0, W, H2}, c.Track1From, c.Track1To, GradientDirection::Vertical,
                       Rect{fillEnd, 0, W, H2});
        s.gradientFill({0, H2, W, H}, c.Track2From, c.Track2To, GradientDirection::Vertical,
                       Rect{fillEnd, H2, W, H});
        if (filled) {
            GradientTwoColour(s, 1, c.Fill1From, c.Fill1To, zero, zero, fillLength, H2);
            GradientTwoColour(s, 1, c.Fill2From, c.Fill2To, zero, H2, fillLength, H);
        }
    } else if (orientations_ == Vertical) {
        s.gradientFill({0, 0, W2, H}, c.Track1From, c.Track1To, GradientDirection::Horizontal,
                       Rect{0, fillEnd, W2, H});
        s.gradientFill({W2, 0, W, H}, c.Track2From, c.Track2To, GradientDirection::Horizontal,
                       Rect{W2, fillEnd, W, H});
        if (filled) {
            GradientTwoColour(s, 0, c.Fill1From, c.Fill1To, zero, zero, W2, fillLength);
            GradientTwoColour(s, 0, c.Fill2From, c.Fill2To, W2, zero, W, fillLength);
        }
    } else {
        // Any other orientation paints no gradient: the cleared background stays.
        s.clear();
    }

    s.setTextColour(c.Border);
    s.roundRect({0, 0, SW - 1, SH - 1}, roundedValue_, roundedValue_, c.Border);

    if (textStyle_ >= ShowValue && textStyle_ <= ShowText)
        DrawCaption(captionText(), textAlignment_);
}

void ProgressBar::DrawCaption(const QString& caption, int alignment) {
    Surface& s = site_.surface();
    const Colour fore = enabled_ ? Explicit(textForeColor_) : GreyOf(Explicit(textForeColor_));
    const Colour effect =
        enabled_ ? Explicit(textEffectColor_) : GreyOf(Explicit(textEffectColor_));
    s.setTextColour(fore);

    const SizeF size = s.measureText(caption);
    const double SW = s.width();
    const double SH = s.height();
    const double TW = size.width;
    const double TH = size.height;
    double X = 0;
    double Y = 0;
    if (alignment >= 1 && alignment <= 9) {
        const int column = (alignment - 1) / 3; // left, centre, right
        const int row = (alignment - 1) % 3;    // top, middle, bottom
        X = column == 0 ? 1 : column == 1 ? SW / 2 - TW / 2 - 1 : SW - TW - 3;
        Y = row == 0 ? 0 : row == 1 ? SH / 2 - TH / 2 - 1 : SH - TH - 1;
    }
    const int x = RoundHalfEven(X);
    const int y = RoundHalfEven(Y);

    auto at = [&](Colour colour, int dx, int dy) {
        s.setTextColour(colour);
        s.drawText(x + dx, y + dy, caption);
    };
    const Colour grey = Rgb(128, 128, 128);
    switch (textEffect_) {
    case EffectPlain:
        at(fore, 0, 0);
        break;
    case EffectRaised:
        at(effect, -1, -1);
        at(grey, 1, 1);
        at(fore, 0, 0);
        break;
    case EffectSunken:
        at(effect, 1, 1);
        at(grey, -1, 0);
        at(fore, 0, 0);
        break;
    case EffectOutline:
        at(effect, 1, 0);
        at(effect, -1, 0);
        at(effect, 0, -1);
        at(effect, 0, 1);
        at(fore, 0, 0);
        break;
    case EffectShadow:
        at(effect, 1, 1);
        at(fore, 0, 0);
        break;
    default:
        break;
    }
}

} // namespace rewrix
