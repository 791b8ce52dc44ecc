// The redraw entry point: the state every redraw settles first, then the face of the style.

#include "widgets/lumobutton/lumobutton.h"

#include "toolkit/ControlSite.h"
#include "toolkit/Surface.h"
#include "toolkit/VisualStyle.h"
#include "widgets/lumobutton/lumobuttonPainter.h"

#include <exception>

namespace rewrix {

bool lumobutton::ThemeActive() {
    if (!state_.ThemeChecked) {
        state_.ThemeChecked = true;
        state_.ThemeActive = VisualStylesActive();
    }
    return state_.ThemeActive;
}

void lumobutton::Redraw() {
    ++redrawCount_;
    Surface& surface = site_.surface();
    surface.setBackColour(SystemColourRef(15));
    surface.clear();
    RefreshPaintSize();
    // A checked button shows pressed whatever the input last made of it,
    // except in the two styles that draw their checked look themselves.
    if (Mode_ != 0 && ButtonStyle_ != 0 && ButtonStyle_ != 6 && Value_)
        state_.DrawState = Down;
    PaintFace();
    site_.present();
}

void lumobutton::PaintFace() {
    // A failing redraw ends there; what was painted stays.
    try {
        lumobuttonPainter(*this).PaintStyle();
    } catch (const std::exception&) {
    }
}

} // namespace rewrix
