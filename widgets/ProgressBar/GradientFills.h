#pragma once

#include "toolkit/Colour.h"

#include <array>
#include <cstdint>
#include <vector>

namespace rewrix {

class Surface;

// One pixel of a 24-bit image row: blue, green, red.
using RampPixel = std::array<std::uint8_t, 3>;
using ColourRamp = std::vector<RampPixel>;

// The rectangle (Left, Top) to (Width, Height), right and bottom exclusive (Width and Height are
// the right and bottom coordinates, not sizes), from StartColor on its first column (Direction
// 0) or row (Direction 1) towards EndColor. Any other direction paints nothing.
void GradientTwoColour(Surface& hdc, int Direction, Colour StartColor, Colour EndColor,
                       const int& Left, const int& Top, const int& Width, const int& Height);

// A Width × Height rectangle at (Left, Top) whose four corners have the four colours, built row
// by row through 24-bit image rows. Throws std::out_of_range for a negative Height or a Width
// below 1, and std::overflow_error when a row's bytes overflow 32 bits; nothing is painted then.
void DrawGradientFourColour(Surface& ObjectHDC, const int& Left, const int& Top, const int& Width,
                            const int& Height, Colour TopLeftColour, Colour TopRightColour,
                            Colour BottomLeftColour, Colour BottomRightColour);

// count + 1 entries from start to end: entry i of each byte is round(step × i + start) with
// step = SafeDivide(end − start, count) in single precision, halves to even.
void BuildColourRamp(ColourRamp& ramp, int count, RampPixel start, RampPixel end);

// 0 when a or b is 0, else a / b in single precision.
float SafeDivide(float a, float b);

} // namespace rewrix
