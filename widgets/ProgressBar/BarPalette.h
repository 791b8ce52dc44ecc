#pragma once

#include "toolkit/Colour.h"

namespace rewrix {

// The nine colours one redraw of the bar uses. The first half is the top half of a horizontal
// bar and the left half of a vertical one.
struct BarPalette {
    Colour Track1From = 0;
    Colour Track1To = 0;
    Colour Track2From = 0;
    Colour Track2To = 0;
    Colour Fill1From = 0;
    Colour Fill1To = 0;
    Colour Fill2From = 0;
    Colour Fill2To = 0;
    Colour Border = 0;

    friend bool operator==(const BarPalette&, const BarPalette&) = default;
};

// Each component plus `amount`, made positive and limited to 255.
Colour LightenColour(Colour colour, int amount);
// The grey of the same brightness: g = round((red + green + blue) / 3), halves to even.
Colour GreyOf(Colour colour);

// The fixed schemes 1 to 9, or the custom scheme 10 built from the fill colour `custom1` and the
// track colour `custom2`. Returns false, leaving `palette` alone, for any other theme.
bool LoadThemeColours(BarPalette& palette, int theme, Colour custom1, Colour custom2);

// Every entry replaced by its grey.
void GreyPalette(BarPalette& palette);

} // namespace rewrix
