#pragma once

#include "toolkit/Colour.h"

namespace rewrix {

// The colour set-up each button style brings with it.

// The colour scheme a style starts from: the silver one for the rounded
// glassy styles, blue for most, and whatever was chosen for the others.
int SchemeForStyle(int buttonStyle, int colorScheme);

struct StyleColorSet {
    Colour BackColor = 0;
    Colour ForeColor = 0;
    bool ShowFocusRect = false;
    bool PicturePushOnHover = false;
};

// The colours and focus look of a style in a scheme; what the style does not
// define is taken from `current`.
StyleColorSet StyleColorsFor(int buttonStyle, int colorScheme, const StyleColorSet& current);

} // namespace rewrix
