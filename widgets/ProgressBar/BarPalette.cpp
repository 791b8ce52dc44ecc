#include "widgets/ProgressBar/BarPalette.h"

#include "toolkit/Rounding.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace rewrix {
namespace {

constexpr std::array<BarPalette, 9> kThemes = {{
    // Amber
    {Rgb(248, 246, 242), Rgb(233, 227, 211), Rgb(226, 215, 182), Rgb(239, 233, 215),
     Rgb(251, 244, 223), Rgb(239, 213, 133), Rgb(203, 166, 57), Rgb(237, 224, 187),
     Rgb(204, 168, 62)},
    // Lime
    {Rgb(247, 248, 242), Rgb(231, 233, 211), Rgb(222, 226, 182), Rgb(237, 239, 215),
     Rgb(249, 251, 223), Rgb(230, 239, 133), Rgb(190, 203, 57), Rgb(233, 237, 187),
     Rgb(192, 204, 62)},
    // Green
    {Rgb(242, 248, 243), Rgb(211, 233, 213), Rgb(182, 226, 186), Rgb(215, 239, 217),
     Rgb(223, 251, 225), Rgb(133, 239, 142), Rgb(57, 203, 70), Rgb(187, 237, 191),
     Rgb(62, 204, 74)},
    // Teal
    {Rgb(242, 248, 247), Rgb(211, 233, 231), Rgb(182, 226, 222), Rgb(215, 239, 237),
     Rgb(223, 251, 249), Rgb(133, 239, 230), Rgb(57, 203, 190), Rgb(187, 237, 233),
     Rgb(62, 204, 192)},
    // Indigo
    {Rgb(243, 242, 248), Rgb(213, 211, 233), Rgb(186, 182, 226), Rgb(217, 215, 239),
     Rgb(225, 223, 251), Rgb(142, 133, 239), Rgb(70, 57, 203), Rgb(191, 187, 237),
     Rgb(74, 62, 204)},
    // Magenta
    {Rgb(248, 242, 247), Rgb(233, 211, 231), Rgb(226, 182, 222), Rgb(239, 215, 237),
     Rgb(251, 223, 249), Rgb(239, 133, 230), Rgb(203, 57, 190), Rgb(237, 187, 233),
     Rgb(204, 62, 192)},
    // Red
    {Rgb(248, 242, 242), Rgb(233, 211, 211), Rgb(226, 182, 182), Rgb(239, 215, 215),
     Rgb(251, 223, 223), Rgb(239, 133, 133), Rgb(203, 57, 57), Rgb(237, 187, 187),
     Rgb(204, 62, 62)},
    // Sky
    {Rgb(250, 253, 254), Rgb(228, 243, 252), Rgb(199, 230, 249), Rgb(237, 247, 253),
     Rgb(225, 247, 255), Rgb(67, 208, 255), Rgb(63, 112, 233), Rgb(63, 226, 246),
     Rgb(23, 139, 211)},
    // Mint
    {Rgb(231, 243, 232), Rgb(225, 219, 225), Rgb(179, 189, 179), Rgb(226, 238, 226),
     Rgb(223, 251, 223), Rgb(108, 255, 108), Rgb(26, 228, 26), Rgb(217, 244, 217),
     Rgb(188, 184, 188)},
}};

int Lighten(int component, int amount) {
    return std::min(std::abs(component + amount), 255);
}

} // namespace

Colour LightenColour(Colour colour, int amount) {
    return Rgb(Lighten(RedOf(colour), amount), Lighten(GreenOf(colour), amount),
               Lighten(BlueOf(colour), amount));
}

Colour GreyOf(Colour colour) {
    const int g = RoundHalfEven((RedOf(colour) + GreenOf(colour) + BlueOf(colour)) / 3.0);
    return Rgb(g, g, g);
}

bool LoadThemeColours(BarPalette& palette, int theme, Colour custom1, Colour custom2) {
    if (theme >= 1 && theme <= 9) {
        palette = kThemes[static_cast<size_t>(theme - 1)];
        return true;
    }
    if (theme != 10)
        return false;
    const Colour t = custom2;
    const Colour f = custom1;
    palette = {LightenColour(t, 180),
               LightenColour(t, 50),
               t,
               LightenColour(t, 80),
               LightenColour(f, 180),
               LightenColour(f, 50),
               f,
               LightenColour(f, 80),
               f};
    return true;
}

void GreyPalette(BarPalette& p) {
    for (Colour* c : {&p.Track1From, &p.Track1To, &p.Track2From, &p.Track2To, &p.Fill1From,
                      &p.Fill1To, &p.Fill2From, &p.Fill2To, &p.Border})
        *c = GreyOf(*c);
}

} // namespace rewrix
