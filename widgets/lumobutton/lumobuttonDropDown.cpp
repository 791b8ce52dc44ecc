// The drop-down menu a button can carry instead of clicking.

#include "widgets/lumobutton/lumobutton.h"

#include "toolkit/ControlSite.h"
#include "toolkit/PopupMenu.h"

namespace rewrix {

void lumobutton::SetPopupMenu(PopupMenu* menu, int Align, int Flags, PopupMenuItem* DefaultMenu) {
    if (!menu)
        return;
    PopupMenuRef_ = menu;
    state_.PopupAlign = Align;
    state_.PopupFlags = Flags;
    PopupDefault_ = DefaultMenu;
    state_.PopupAttached = true;
}

void lumobutton::UnsetPopupMenu() {
    PopupMenuRef_ = nullptr;
    PopupDefault_ = nullptr;
    state_.PopupAttached = false;
    state_.PopupClosedOver = false;
}

void lumobutton::ShowDropDownMenu() {
    RefreshPaintSize();
    state_.PopupOpen = true;
    const int w = state_.PaintWidth;
    const int h = state_.PaintHeight;
    int& flags = state_.PopupFlags;
    Point anchor;
    // The flags a placement forces stay for the next opening. Opening to the
    // left sets the right-align bit rather than adding it, so that a second
    // opening does not turn it into another flag.
    switch (state_.PopupAlign) {
    case 0:
        anchor = {0, h};
        break;
    case 1:
        anchor = {0, 0};
        flags = PopupBottomAlign;
        break;
    case 2:
        anchor = {0, 0};
        flags |= PopupRightAlign;
        break;
    case 3:
        anchor = {w, 0};
        break;
    case 4:
        anchor = {0, 0};
        flags = PopupBottomAlign | PopupRightAlign;
        break;
    case 5:
        anchor = {0, h};
        flags |= PopupRightAlign;
        break;
    case 6:
        anchor = {w, 0};
        flags = PopupBottomAlign;
        break;
    case 7:
        anchor = {w, h};
        break;
    default:
        state_.PopupOpen = false;
        return;
    }
    if (PopupMenuRef_)
        PopupMenuRef_->Show(site_.mapToScreen(anchor), flags, PopupDefault_);
    // The menu is closed now, whatever the notices while it was open said.
    state_.PopupOpen = false;
    if (site_.cursorInside()) {
        state_.PopupClosedOver = true;
        return;
    }
    state_.MouseHeld = false;
    state_.CursorInside = false;
    state_.SpaceHeld = false;
    state_.PopupClosedOver = false;
    state_.DrawState = Normal;
    Redraw();
}

} // namespace rewrix
