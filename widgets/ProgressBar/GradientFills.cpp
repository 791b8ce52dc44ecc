#include "widgets/ProgressBar/GradientFills.h"

#include "toolkit/Rounding.h"
#include "toolkit/Surface.h"

#include <limits>
#include <stdexcept>

namespace rewrix {
namespace {

RampPixel PixelOf(Colour c) {
    return {static_cast<std::uint8_t>(BlueOf(c)), static_cast<std::uint8_t>(GreenOf(c)),
            static_cast<std::uint8_t>(RedOf(c))};
}

} // namespace

float SafeDivide(float a, float b) {
    if (a == 0 || b == 0)
        return 0;
    return a / b;
}

void BuildColourRamp(ColourRamp& ramp, int count, RampPixel start, RampPixel end) {
    if (count < 0)
        throw std::out_of_range("colour ramp with a negative count");
    ramp.assign(static_cast<size_t>(count) + 1, RampPixel{});
    for (int k = 0; k < 3; ++k) {
        const float step =
            SafeDivide(static_cast<float>(end[k] - start[k]), static_cast<float>(count));
        for (int i = 0; i <= count; ++i) {
            const int v = RoundHalfEven(static_cast<double>(step) * i + start[k]);
            ramp[static_cast<size_t>(i)][k] = static_cast<std::uint8_t>(std::clamp(v, 0, 255));
        }
    }
}

void GradientTwoColour(Surface& hdc, int Direction, Colour StartColor, Colour EndColor,
                       const int& Left, const int& Top, const int& Width, const int& Height) {
    if (Direction != 0 && Direction != 1)
        return;
    hdc.gradientFill({Left, Top, Width, Height}, StartColor & 0x00FFFFFFu, EndColor & 0x00FFFFFFu,
                     Direction == 0 ? GradientDirection::Horizontal : GradientDirection::Vertical);
}

void DrawGradientFourColour(Surface& ObjectHDC, const int& Left, const int& Top, const int& Width,
                            const int& Height, Colour TopLeftColour, Colour TopRightColour,
                            Colour BottomLeftColour, Colour BottomRightColour) {
    ColourRamp leftRamp, rightRamp, rowRamp;
    BuildColourRamp(leftRamp, Height, PixelOf(TopLeftColour), PixelOf(BottomLeftColour));
    BuildColourRamp(rightRamp, Height, PixelOf(TopRightColour), PixelOf(BottomRightColour));
    if (Width < 1)
        throw std::out_of_range("four-colour gradient narrower than one pixel");
    if (static_cast<long long>(Width) * 3 > std::numeric_limits<std::int32_t>::max())
        throw std::overflow_error("four-colour gradient row too wide");
    // A 24-bit row is padded with zero bytes to a multiple of four.
    std::vector<std::uint8_t> row((static_cast<size_t>(Width) * 3 + 3) / 4 * 4, 0);
    for (int r = 0; r < Height; ++r) {
        BuildColourRamp(rowRamp, Width, leftRamp[static_cast<size_t>(r)],
                        rightRamp[static_cast<size_t>(r)]);
        for (int x = 0; x < Width; ++x)
            for (int k = 0; k < 3; ++k)
                row[static_cast<size_t>(x) * 3 + k] = rowRamp[static_cast<size_t>(x)][k];
        ObjectHDC.setImageRow24(Left, Top + r, Width, row.data());
    }
}

} // namespace rewrix
