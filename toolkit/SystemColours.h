#pragma once

#include "toolkit/Colour.h"

#include <optional>

namespace rewrix {

// The classic colour numbers of the desktop scheme (button face 15, grey text 17, ...).
enum SystemColourNumber : int {
    ColourScrollBar = 0,
    ColourDesktop = 1,
    ColourActiveCaption = 2,
    ColourInactiveCaption = 3,
    ColourMenu = 4,
    ColourWindow = 5,
    ColourWindowFrame = 6,
    ColourMenuText = 7,
    ColourWindowText = 8,
    ColourCaptionText = 9,
    ColourActiveBorder = 10,
    ColourInactiveBorder = 11,
    ColourAppWorkspace = 12,
    ColourHighlight = 13,
    ColourHighlightText = 14,
    ColourButtonFace = 15,
    ColourButtonShadow = 16,
    ColourGreyText = 17,
    ColourButtonText = 18,
    ColourInactiveCaptionText = 19,
    ColourButtonHighlight = 20,
    Colour3DDarkShadow = 21,
    Colour3DLight = 22,
    ColourInfoText = 23,
    ColourInfoBackground = 24,
    ColourHotLight = 26,
    ColourGradientActiveCaption = 27,
    ColourGradientInactiveCaption = 28,
    ColourMenuHighlight = 29,
    ColourMenuBar = 30,
};

// Where the system colours come from. Classic is the fixed table of the desktop scheme the
// stored layouts were designed on, so pixels are reproducible; Palette takes the running Qt
// palette for the roles it has a match for and the classic table for the rest.
enum class SystemColourSource { Classic, Palette };

void SetSystemColourSource(SystemColourSource source);
SystemColourSource GetSystemColourSource();

// The classic value of colour number `number`, or nothing for a number outside the table.
std::optional<Colour> ClassicSystemColour(int number);

// The explicit value of colour number `number` from the current source, or nothing.
std::optional<Colour> SystemColour(int number);

// An explicit colour comes back unchanged; a system colour reference resolves through the table.
// An untranslatable reference gives 0xFFFFFFFF (-1), as callers rely on a value always coming back.
Colour TranslateColour(Colour colour);

} // namespace rewrix
