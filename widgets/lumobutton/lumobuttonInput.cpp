// How the button answers the mouse, the keys, the focus, its access key and
// the activation of its window: the draw state, the modes and the events.

#include "widgets/lumobutton/lumobutton.h"

#include "toolkit/ControlSite.h"
#include "toolkit/Events.h"
#include "toolkit/Surface.h"

namespace rewrix {

namespace {

constexpr int kCheckMode = 1;
constexpr int kOptionMode = 2;

} // namespace

void lumobutton::RaiseEvent(int number) {
    emit events_.EventRaised(number);
    switch (number) {
    case lumobuttonEvents::Click_:
        emit events_.Click();
        break;
    case lumobuttonEvents::DblClick_:
        emit events_.DblClick();
        break;
    case lumobuttonEvents::MouseEnter_:
        emit events_.MouseEnter();
        break;
    case lumobuttonEvents::MouseLeave_:
        emit events_.MouseLeave();
        break;
    default:
        break;
    }
}

void lumobutton::RaiseMouseEvent(int number, int button, int shift, float x, float y) {
    emit events_.EventRaised(number);
    if (number == lumobuttonEvents::MouseDown_)
        emit events_.MouseDown(static_cast<short>(button), static_cast<short>(shift), x, y);
    else
        emit events_.MouseUp(static_cast<short>(button), static_cast<short>(shift), x, y);
}

void lumobutton::RaiseKeyEvent(int number, int keyCode, int shift) {
    emit events_.EventRaised(number);
    if (number == lumobuttonEvents::KeyDown_)
        emit events_.KeyDown(static_cast<short>(keyCode), static_cast<short>(shift));
    else
        emit events_.KeyUp(static_cast<short>(keyCode), static_cast<short>(shift));
}

void lumobutton::SetDrawState(int state) {
    if (state_.DrawState == state)
        return;
    state_.DrawState = state;
    Redraw();
}

void lumobutton::ShowHandIfAsked() {
    if (HandPointer_)
        site_.setMousePointer(rewrix::MousePointer::Hand);
}

void lumobutton::MouseMove(int button, int shift, int x, int y) {
    (void)button;
    (void)shift;
    ShowHandIfAsked();
    const Surface& surface = site_.surface();
    // Moves also arrive from outside while the mouse is held or captured;
    // then the position alone says where the cursor is, as the window system
    // stops telling a held window that the cursor came back.
    const bool inRect = x >= 0 && y >= 0 && x < surface.width() && y < surface.height();
    const bool over =
        inRect && (state_.MouseHeld || site_.hasMouseCapture() || site_.cursorInside());
    if (over) {
        state_.CursorInside = true;
        RaiseEvent(lumobuttonEvents::MouseEnter_);
    } else {
        state_.CursorInside = false;
    }
    if (state_.SpaceHeld)
        return;
    if (state_.CursorInside) {
        if (state_.MouseHeld) {
            SetDrawState(Down);
        } else if (state_.DrawState != Hot) {
            SetDrawState(Hot);
            CreateTooltip();
        }
    } else {
        SetDrawState(Normal);
    }
}

void lumobutton::MouseDown(int button, int shift, int x, int y) {
    ShowHandIfAsked();
    state_.LastButton = button;
    state_.LastShift = shift;
    state_.LastX = static_cast<float>(x);
    state_.LastY = static_cast<float>(y);
    // A press that arrives while the menu is still open is the one that
    // closes it: it must not open the menu again.
    const bool closingMenu = state_.PopupClosedOver || state_.PopupOpen;
    if (button != ButtonLeft && !closingMenu)
        return;
    state_.HasFocus = true;
    state_.MouseHeld = true;
    if (!state_.SpaceHeld)
        SetDrawState(Down);
    if (!state_.PopupAttached)
        RaiseMouseEvent(lumobuttonEvents::MouseDown_, button, shift, static_cast<float>(x),
                        static_cast<float>(y));
    else if (!closingMenu)
        ShowDropDownMenu();
}

void lumobutton::MouseUp(int button, int shift, int x, int y) {
    ShowHandIfAsked();
    if (state_.PopupAttached) {
        state_.MouseHeld = false;
        state_.PopupClosedOver = false;
        SetDrawState(Normal);
        return;
    }
    if (button == ButtonLeft) {
        state_.MouseHeld = false;
        // A capture taken for a double click ends with the button.
        if (!state_.SpaceHeld && site_.hasMouseCapture())
            site_.setMouseCapture(false);
        const Surface& surface = site_.surface();
        if (x > 0 && y > 0 && x < surface.width() && y < surface.height()) {
            if (Mode_ == kCheckMode) {
                Value_ = !Value_;
                Redraw();
            } else if (Mode_ == kOptionMode) {
                ClearOptionSiblings();
                Value_ = true;
            }
            state_.DrawState = Normal;
            Redraw();
            RaiseEvent(lumobuttonEvents::Click_);
        } else {
            SetDrawState(Normal);
        }
    }
    RaiseMouseEvent(lumobuttonEvents::MouseUp_, button, shift, static_cast<float>(x),
                    static_cast<float>(y));
}

void lumobutton::DblClick(int button, int shift, int x, int y) {
    (void)button;
    (void)shift;
    (void)x;
    (void)y;
    ShowHandIfAsked();
    if (state_.LastButton != ButtonLeft)
        return;
    site_.setMouseCapture(true);
    SetDrawState(Down);
    const bool menuWasShown = state_.PopupAttached && !state_.PopupClosedOver;
    MouseDown(state_.LastButton, state_.LastShift, static_cast<int>(state_.LastX),
              static_cast<int>(state_.LastY));
    if (!state_.PopupAttached)
        RaiseEvent(lumobuttonEvents::DblClick_);
    else if (!menuWasShown && !state_.PopupClosedOver)
        // The repeated press above has already shown the menu once; a menu
        // closed with the cursor elsewhere must not pop up a second time.
        ShowDropDownMenu();
}

void lumobutton::KeyDown(int keyCode, int shift) {
    switch (keyCode) {
    case KeyReturn:
        RaiseEvent(lumobuttonEvents::Click_);
        break;
    case KeySpace:
        if (shift == ShiftAlt)
            return; // the window menu's key, not ours
        if (state_.MouseHeld) {
            SetDrawState(state_.CursorInside ? Down : Normal);
        } else {
            // A held key repeats; only the first press toggles.
            if (!state_.SpaceHeld) {
                state_.SpaceHeld = true;
                if (Mode_ == kCheckMode) {
                    Value_ = !Value_;
                } else if (Mode_ == kOptionMode) {
                    ClearOptionSiblings();
                    Value_ = true;
                }
            }
            SetDrawState(Down);
        }
        if (!site_.hasMouseCapture())
            site_.setMouseCapture(true);
        break;
    case KeyLeft:
    case rewrix::KeyUp:
        FocusNeighbour(false);
        break;
    case KeyRight:
    case rewrix::KeyDown:
        FocusNeighbour(true);
        break;
    default:
        if (state_.SpaceHeld) {
            // Another key cancels the pending space click.
            state_.SpaceHeld = false;
            state_.DrawState = Normal;
            Redraw();
        }
        break;
    }
    RaiseKeyEvent(lumobuttonEvents::KeyDown_, keyCode, shift);
}

void lumobutton::KeyUp(int keyCode, int shift) {
    if (keyCode != KeySpace)
        return;
    site_.setMouseCapture(false);
    if (state_.CursorInside && state_.MouseHeld) {
        SetDrawState(Down);
    } else {
        SetDrawState(state_.CursorInside ? Hot : Normal);
        if (!state_.MouseHeld && state_.SpaceHeld)
            RaiseEvent(lumobuttonEvents::Click_);
    }
    RaiseKeyEvent(lumobuttonEvents::KeyUp_, keyCode, shift);
    state_.SpaceHeld = false;
    state_.MouseHeld = false;
}

void lumobutton::KeyPress(int keyAscii) {
    emit events_.EventRaised(lumobuttonEvents::KeyPress_);
    emit events_.KeyPress(static_cast<short>(keyAscii));
}

void lumobutton::AccessKeyPress(int key) {
    if (!Enabled_)
        return;
    if (state_.SpaceHeld) {
        state_.SpaceHeld = false;
        state_.MouseHeld = false;
    }
    if (Mode_ == kCheckMode) {
        // As the default or cancel button a check button does not toggle.
        if (key == KeyEscape || key == KeyReturn)
            return;
        const bool was = Value_;
        Value_ = !Value_;
        if (was)
            state_.DrawState = Normal;
        Redraw();
    } else if (Mode_ == kOptionMode) {
        if (key == KeyEscape || key == KeyReturn)
            return;
        ClearOptionSiblings();
        Value_ = true;
        Redraw();
    }
    ProcessPendingEvents();
    RaiseEvent(lumobuttonEvents::Click_);
}

void lumobutton::GotFocus() {
    state_.HasFocus = true;
}

void lumobutton::LostFocus() {
    // A space press in progress held the mouse; it ends with the focus.
    if (state_.SpaceHeld && site_.hasMouseCapture())
        site_.setMouseCapture(false);
    state_.HasFocus = false;
    state_.MouseHeld = false;
    state_.SpaceHeld = false;
    state_.DrawState = state_.ParentActive && state_.CursorInside ? Hot : Normal;
    Redraw();
    if (state_.IsDefault)
        Redraw();
}

void lumobutton::MouseLeave() {
    state_.CursorInside = false;
    if (state_.PopupAttached) {
        if (state_.PopupOpen) {
            // The menu took the cursor: the press that closes it over the
            // button must not reopen it.
            state_.PopupOpen = false;
            state_.PopupClosedOver = true;
            return;
        }
        state_.PopupClosedOver = false;
    }
    if (state_.SpaceHeld)
        return;
    SetDrawState(Normal);
    RaiseEvent(lumobuttonEvents::MouseLeave_);
}

void lumobutton::ParentActivationChanged(bool active) {
    if (active) {
        state_.ParentActive = true;
        state_.DrawState = Normal;
        Redraw();
        if (state_.IsDefault)
            Redraw();
        return;
    }
    if (state_.SpaceHeld && site_.hasMouseCapture())
        site_.setMouseCapture(false);
    state_.MouseHeld = false;
    state_.SpaceHeld = false;
    state_.HasFocus = false;
    state_.ParentActive = false;
    state_.DrawState = Normal;
    Redraw();
}

void lumobutton::ClearOptionSiblings() {
    const std::uintptr_t parent = site_.parentWindowHandle();
    const std::uintptr_t container = site_.containerHandle();
    const std::uintptr_t own = site_.windowHandle();
    // Setting a sibling's Value can run its handlers; walk a copy.
    const std::vector<lumobutton*> all = Instances();
    for (lumobutton* other : all) {
        if (other == this || other->Mode_ != kOptionMode)
            continue;
        const ControlSite& site = other->site_;
        if (site.parentWindowHandle() != parent || site.containerHandle() != container ||
            site.windowHandle() == own)
            continue;
        other->SetValue(false);
    }
}

void lumobutton::FocusNeighbour(bool next) {
    site_.moveFocus(next);
}

} // namespace rewrix
