#pragma once

#include "toolkit/Colour.h"

namespace rewrix {

// Colour arithmetic of the image button; all results are explicit colours.

// Turns any stored colour (explicit or system) into an explicit one; -1
// (0xFFFFFFFF) when the value names no colour we know.
Colour TranslateColor(Colour colour);

// Moves each channel by f x 255, capped at 255 when f is positive and floored
// at 0 otherwise. The arithmetic is single precision on purpose: the stored
// style colours were computed that way, and double precision rounds some
// halves the other way.
Colour ShiftColor(Colour colour, float f);

// Channel-wise mean, halves going to the even neighbour.
Colour AverageColor(Colour a, Colour b);

} // namespace rewrix
