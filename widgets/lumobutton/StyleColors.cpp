#include "widgets/lumobutton/StyleColors.h"

#include "widgets/lumobutton/ButtonColors.h"

namespace rewrix {

int SchemeForStyle(int buttonStyle, int colorScheme) {
    switch (buttonStyle) {
    case 3:
    case 9:
        return 2;
    case 0:
    case 1:
    case 2:
    case 4:
    case 6:
    case 7:
    case 8:
    case 10:
        return 0;
    default: // 5 keeps its scheme, and so do the themed style and unknown ones
        return colorScheme;
    }
}

namespace {

Colour BackColorFor(int buttonStyle, int colorScheme, Colour current) {
    auto pick = [&](Colour blue, Colour olive, Colour silver) {
        switch (colorScheme) {
        case 0:
            return blue;
        case 1:
            return olive;
        case 2:
            return silver;
        default:
            return current; // the custom scheme keeps the user's colour
        }
    };
    switch (buttonStyle) {
    case 2:
        return pick(Rgb(236, 235, 231), Rgb(243, 238, 219), Rgb(240, 241, 252));
    case 3:
        return pick(Rgb(224, 236, 253), Rgb(232, 237, 222), ShiftColor(Rgb(212, 212, 212), 0.06f));
    case 5:
        return pick(Rgb(202, 225, 252), Rgb(212, 214, 186), ShiftColor(Rgb(160, 158, 186), 0.15f));
    case 8:
    case 10:
        return pick(Rgb(173, 209, 255), Rgb(212, 214, 186), Rgb(224, 223, 227));
    case 9:
        return pick(Rgb(173, 209, 255), Rgb(212, 214, 186), Rgb(213, 214, 225));
    case 0:
    case 1:
    case 4:
    case 6:
    case 7:
    case 11:
    case 12:
        return TranslateColor(SystemColourRef(15));
    default:
        return current;
    }
}

} // namespace

StyleColorSet StyleColorsFor(int buttonStyle, int colorScheme, const StyleColorSet& current) {
    StyleColorSet result = current;
    result.BackColor = BackColorFor(buttonStyle, colorScheme, current.BackColor);
    result.ForeColor = TranslateColor(SystemColourRef(18));
    result.ShowFocusRect = buttonStyle == 0 || buttonStyle == 1 || buttonStyle == 9;
    if (buttonStyle == 4)
        result.PicturePushOnHover = true;
    return result;
}

} // namespace rewrix
