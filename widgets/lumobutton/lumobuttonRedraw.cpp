// The redraw entry point: the state every redraw settles first, the fallback
// of the themed style, and the face itself.

#include "widgets/lumobutton/lumobutton.h"

#include "toolkit/ControlSite.h"
#include "toolkit/Surface.h"
#include "toolkit/VisualStyle.h"
#include "widgets/lumobutton/ButtonColors.h"
#include "widgets/lumobutton/StyleColors.h"

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
    if (ButtonStyle_ == 13 && !ThemeActive()) {
        // Without visual styles the themed button becomes the rounded one
        // for good, and is saved so.
        ButtonStyle_ = 2;
        ColorScheme_ = 0;
        ApplyStyleColors();
    }
    if (ButtonStyle_ >= 0 && ButtonStyle_ <= 13)
        PaintFace();
    site_.present();
}

void lumobutton::PaintFace() {
    Surface& surface = site_.surface();
    const Rect& button = state_.ButtonRect;
    Colour face = TranslateColor(BackColor_);
    if (state_.DrawState == Down)
        face = ShiftColor(face, -0.1f);
    else if (state_.DrawState == Hot)
        face = ShiftColor(face, 0.05f);
    surface.fillRect(button, face);
    surface.frameRect(button, TranslateColor(SystemColourRef(16)));

    int flags = TextCentre | TextWordBreak;
    if (RightToLeft_)
        flags |= TextRightToLeft;
    const Rect box{0, 0, std::max(0, state_.PaintWidth - 8), state_.PaintHeight};
    const Rect measured = surface.drawTextBox(box, Caption_, flags | TextMeasureOnly);
    const int dx = (state_.PaintWidth - measured.width()) / 2;
    const int dy = (state_.PaintHeight - measured.height()) / 2;
    const Colour text = !Enabled_                 ? TranslateColor(SystemColourRef(17))
                        : state_.DrawState == Hot ? TranslateColor(ForeColorHover_)
                                                  : TranslateColor(ForeColor_);
    const Colour previous = surface.textColour();
    surface.setTextColour(text);
    surface.drawTextBox(measured.translated(dx, dy), Caption_, flags);
    surface.setTextColour(previous);
}

} // namespace rewrix
