#pragma once

#include <QString>

namespace rewrix {

class PropertyBag;

// Mouse buttons as the controls' events number them.
enum MouseButtons : int { ButtonNone = 0, ButtonLeft = 1, ButtonRight = 2, ButtonMiddle = 4 };

// Modifier keys held during an input, as the controls' events number them.
enum ShiftState : int { ShiftNone = 0, ShiftKey = 1, ShiftCtrl = 2, ShiftAlt = 4 };

// Key codes passed to KeyDown and KeyUp: the desktop's virtual-key numbers (letters and digits
// are their upper-case character codes).
enum KeyCodes : int {
    KeyBack = 8,
    KeyTab = 9,
    KeyReturn = 13,
    KeyShift = 16,
    KeyControl = 17,
    KeyMenu = 18, // Alt
    KeyEscape = 27,
    KeySpace = 32,
    KeyPageUp = 33,
    KeyPageDown = 34,
    KeyEnd = 35,
    KeyHome = 36,
    KeyLeft = 37,
    KeyUp = 38,
    KeyRight = 39,
    KeyDown = 40,
    KeyInsert = 45,
    KeyDelete = 46,
    KeyF1 = 112,
};

// The side of an owner-drawn control its host talks to: the life-cycle calls and the input,
// in the toolkit's terms. Every callback has an empty default, so a control overrides only what
// it handles. Coordinates are pixels of the control's surface.
class OwnerDrawnControl {
public:
    virtual ~OwnerDrawnControl() = default;

    // Life cycle: a newly placed instance gets InitialiseNew, a stored one LoadProperties,
    // never both. SaveProperties may come at any time; an error of the store passes back to
    // the host as an exception.
    virtual void InitialiseNew() {}
    virtual void LoadProperties(const PropertyBag& bag) { (void)bag; }
    virtual void SaveProperties(PropertyBag& bag) { (void)bag; }
    // The surface has its new size (and a cleared picture).
    virtual void Resized() {}
    // The host lost its picture and asks for it again (the back image normally spares this).
    virtual void Paint() {}

    // Mouse: button is one MouseButtons value (for moves, the buttons held), shift the ShiftState.
    virtual void MouseDown(int button, int shift, int x, int y) {
        (void)button, (void)shift, (void)x, (void)y;
    }
    virtual void MouseUp(int button, int shift, int x, int y) {
        (void)button, (void)shift, (void)x, (void)y;
    }
    virtual void MouseMove(int button, int shift, int x, int y) {
        (void)button, (void)shift, (void)x, (void)y;
    }
    virtual void DblClick(int button, int shift, int x, int y) {
        (void)button, (void)shift, (void)x, (void)y;
    }
    // The pointer came over the control or left it.
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}

    // Keyboard: key codes of KeyCodes; KeyPress receives the character typed.
    virtual void KeyDown(int keyCode, int shift) { (void)keyCode, (void)shift; }
    virtual void KeyUp(int keyCode, int shift) { (void)keyCode, (void)shift; }
    virtual void KeyPress(int keyAscii) { (void)keyAscii; }
    // The host delivered one of the control's access keys, or Enter / Escape to its default or
    // cancel button; `key` is the lower-case character or KeyReturn / KeyEscape.
    virtual void AccessKeyPress(int key) { (void)key; }

    virtual void GotFocus() {}
    virtual void LostFocus() {}
    virtual void EnabledChanged(bool enabled) { (void)enabled; }
    virtual void Show() {}
    virtual void Hide() {}
    // The window the control sits in became active or inactive.
    virtual void ParentActivationChanged(bool active) { (void)active; }
    // An ambient value of the host changed ("DisplayAsDefault", "BackColor", "Font", "Palette").
    virtual void AmbientChanged(const QString& name) { (void)name; }
};

} // namespace rewrix
