#include "toolkit/SystemColours.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>

namespace rewrix {
namespace {

struct ClassicEntry {
    bool present;
    Colour value;
};

constexpr std::array<ClassicEntry, 31> kClassic = {{
    {true, Rgb(200, 200, 200)}, // 0 scroll bar
    {true, Rgb(0, 0, 0)},       // 1 desktop
    {true, Rgb(153, 180, 209)}, // 2 active caption
    {true, Rgb(191, 205, 219)}, // 3 inactive caption
    {true, Rgb(240, 240, 240)}, // 4 menu
    {true, Rgb(255, 255, 255)}, // 5 window
    {true, Rgb(100, 100, 100)}, // 6 window frame
    {true, Rgb(0, 0, 0)},       // 7 menu text
    {true, Rgb(0, 0, 0)},       // 8 window text
    {true, Rgb(0, 0, 0)},       // 9 caption text
    {true, Rgb(180, 180, 180)}, // 10 active border
    {true, Rgb(244, 247, 252)}, // 11 inactive border
    {true, Rgb(171, 171, 171)}, // 12 application workspace
    {true, Rgb(51, 153, 255)},  // 13 highlight
    {true, Rgb(255, 255, 255)}, // 14 highlight text
    {true, Rgb(240, 240, 240)}, // 15 button face
    {true, Rgb(160, 160, 160)}, // 16 button shadow
    {true, Rgb(109, 109, 109)}, // 17 grey text
    {true, Rgb(0, 0, 0)},       // 18 button text
    {true, Rgb(67, 78, 84)},    // 19 inactive caption text
    {true, Rgb(255, 255, 255)}, // 20 button highlight
    {true, Rgb(105, 105, 105)}, // 21 3-D dark shadow
    {true, Rgb(227, 227, 227)}, // 22 3-D light
    {true, Rgb(0, 0, 0)},       // 23 tooltip text
    {true, Rgb(255, 255, 225)}, // 24 tooltip background
    {false, 0},                 // 25 has no colour
    {true, Rgb(0, 102, 204)},   // 26 hot-tracked item
    {true, Rgb(185, 209, 234)}, // 27 gradient of active caption
    {true, Rgb(215, 228, 242)}, // 28 gradient of inactive caption
    {true, Rgb(51, 153, 255)},  // 29 menu highlight
    {true, Rgb(240, 240, 240)}, // 30 menu bar
}};

SystemColourSource gSource = SystemColourSource::Classic;

std::optional<QPalette::ColorRole> PaletteRole(int number) {
    switch (number) {
    case ColourWindow:
        return QPalette::Base;
    case ColourWindowText:
    case ColourMenuText:
        return QPalette::WindowText;
    case ColourHighlight:
    case ColourMenuHighlight:
        return QPalette::Highlight;
    case ColourHighlightText:
        return QPalette::HighlightedText;
    case ColourButtonFace:
    case ColourMenu:
    case ColourMenuBar:
        return QPalette::Button;
    case ColourButtonShadow:
        return QPalette::Mid;
    case ColourButtonText:
        return QPalette::ButtonText;
    case ColourButtonHighlight:
        return QPalette::Light;
    case Colour3DDarkShadow:
        return QPalette::Dark;
    case Colour3DLight:
        return QPalette::Midlight;
    case ColourInfoText:
        return QPalette::ToolTipText;
    case ColourInfoBackground:
        return QPalette::ToolTipBase;
    default:
        return std::nullopt;
    }
}

} // namespace

void SetSystemColourSource(SystemColourSource source) {
    gSource = source;
}
SystemColourSource GetSystemColourSource() {
    return gSource;
}

std::optional<Colour> ClassicSystemColour(int number) {
    if (number < 0 || number >= static_cast<int>(kClassic.size()) || !kClassic[number].present)
        return std::nullopt;
    return kClassic[number].value;
}

std::optional<Colour> SystemColour(int number) {
    auto classic = ClassicSystemColour(number);
    if (!classic || gSource == SystemColourSource::Classic || !qGuiApp)
        return classic;
    if (auto role = PaletteRole(number)) {
        const QColor c = QGuiApplication::palette().color(QPalette::Active, *role);
        return Rgb(c.red(), c.green(), c.blue());
    }
    if (number == ColourGreyText) {
        const QColor c = QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text);
        return Rgb(c.red(), c.green(), c.blue());
    }
    return classic;
}

Colour TranslateColour(Colour colour) {
    if (!IsSystemColour(colour))
        return colour;
    const Colour number = colour & 0x7FFFFFFFu;
    if (number > 0xFF)
        return 0xFFFFFFFFu;
    auto value = SystemColour(static_cast<int>(number));
    return value ? *value : 0xFFFFFFFFu;
}

} // namespace rewrix
