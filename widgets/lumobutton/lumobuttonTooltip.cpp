// The button's own tooltip, made afresh each time the button turns hot.

#include "widgets/lumobutton/lumobutton.h"

#include "toolkit/TooltipWindow.h"
#include "widgets/lumobutton/ButtonColors.h"

namespace rewrix {

void lumobutton::CreateTooltip() {
    if (!Enabled_ || state_.PopupClosedOver || state_.DrawState == Down)
        return;
    TipWindow_.reset();
    TooltipOptions options;
    options.text = ToolTip_;
    // A title-less tip shows no icon either.
    if (!TooltipTitle_.isEmpty()) {
        options.title = TooltipTitle_;
        options.icon = ToolTipIcon_;
    }
    options.balloon = ToolTipType_ == 1;
    options.rightToLeft = state_.TipRightToLeft;
    options.maxWidth = 240;
    // 0 (black) means the desktop's tooltip colours.
    if (TooltipBackColor_ != 0)
        options.backColour = TranslateColor(TooltipBackColor_);
    TipWindow_ = std::make_unique<TooltipWindow>(&site_, options);
    ++tooltipsMade_;
}

} // namespace rewrix
