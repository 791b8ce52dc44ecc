#include "widgets/lumobutton/ButtonColors.h"

#include "toolkit/SystemColours.h"

#include <cmath>

namespace rewrix {

namespace {

int ShiftChannel(int channel, float f) {
    // Kept in float throughout: 60 + 0.3f * 255 is exactly 136.5 here and
    // rounds to 136, where a double sum would round up.
    const float shifted = static_cast<float>(channel) + f * 255.0f;
    float rounded = std::nearbyint(shifted);
    if (f > 0.0f)
        rounded = std::fmin(rounded, 255.0f);
    else
        rounded = std::fmax(rounded, 0.0f);
    // A channel must still fit its byte whatever f was.
    return static_cast<int>(std::fmax(0.0f, std::fmin(rounded, 255.0f)));
}

int AverageChannel(int a, int b) {
    const int sum = a + b;
    const int down = sum / 2;
    if (sum % 2 == 0 || down % 2 == 0)
        return down;
    return down + 1;
}

} // namespace

Colour TranslateColor(Colour colour) {
    return TranslateColour(colour);
}

Colour ShiftColor(Colour colour, float f) {
    return Rgb(ShiftChannel(RedOf(colour), f), ShiftChannel(GreenOf(colour), f),
               ShiftChannel(BlueOf(colour), f));
}

Colour AverageColor(Colour a, Colour b) {
    return Rgb(AverageChannel(RedOf(a), RedOf(b)), AverageChannel(GreenOf(a), GreenOf(b)),
               AverageChannel(BlueOf(a), BlueOf(b)));
}

} // namespace rewrix
