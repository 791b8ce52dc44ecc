#pragma once

#include "toolkit/Colour.h"
#include "toolkit/FontDesc.h"
#include "toolkit/Geometry.h"
#include "toolkit/PropertyBag.h"

#include <QString>

#include <cstdint>

namespace rewrix {

class Clock;
class Region;
class Surface;

// Standard mouse pointers, numbered as the controls' MousePointer property stores them.
enum class MousePointer : int {
    Default = 0,
    Arrow = 1,
    Cross = 2,
    IBeam = 3,
    SizeAll = 5,
    SizeNESW = 6,
    SizeNS = 7,
    SizeNWSE = 8,
    SizeWE = 9,
    UpArrow = 10,
    Hourglass = 11,
    NoDrop = 12,
    ArrowHourglass = 13,
    ArrowQuestion = 14,
    SizeAll2 = 15,
    Hand = 32649, // the system's pointing hand (its cursor number)
    Custom = 99,
};

// What a host offers the owner-drawn control it carries: the surface, the window's shape, the
// ambient values, the property-changed notice, timers and the window services input needs.
// Controls see only this, so they can be drawn and driven without a window system.
class ControlSite {
public:
    virtual ~ControlSite() = default;

    // The persistent back image; it keeps its picture until the control draws again.
    virtual Surface& surface() = 0;
    // Shows what the control drew. Cheap to call after every redraw: the host decides when the
    // screen is brought up to date.
    virtual void present() = 0;
    // The window is visible only inside `region`; the host keeps its own copy.
    virtual void setWindowRegion(const Region& region) = 0;

    // Ambient values.
    virtual FontDesc ambientFont() const = 0;
    virtual QString displayName() const = 0;
    // Run mode (the program runs) rather than design mode (a designer shows the control).
    virtual bool userMode() const = 0;
    // The host shows the control as its default button (Enter clicks it).
    virtual bool displayAsDefault() const = 0;
    // The host treats the control as its cancel button (Escape clicks it).
    virtual bool isCancel() const = 0;
    // The host's background colour, as a colour value (possibly a system colour reference).
    virtual Colour ambientBackColour() const = 0;

    // Tells the host the stored property `name` changed (a designer then knows to save).
    virtual void propertyChanged(const QString& name) = 0;

    // Timers of the control run on this clock.
    virtual Clock& clock() = 0;

    // Window services.
    virtual void setMouseCapture(bool on) = 0;
    virtual bool hasMouseCapture() const = 0;
    virtual void setMousePointer(MousePointer pointer) = 0;
    // A custom pointer from picture data (an image file's bytes); hot spot at its centre.
    // Returns false when the picture cannot be used.
    virtual bool setMouseIcon(const Picture& picture) = 0;
    // The characters (lower case) that deliver AccessKeyPress with Alt, or alone when the
    // control has the focus; empty for none.
    virtual void setAccessKeys(const QString& keys) = 0;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool on) = 0;
    virtual bool hasFocus() const = 0;
    virtual bool parentActive() const = 0;
    // A stable identifier of the control's window.
    virtual std::uintptr_t windowHandle() const = 0;
    // The identifier of the window the control sits in (its top-level window).
    virtual std::uintptr_t parentWindowHandle() const = 0;
    // A point of the control in screen pixels (for menus and tooltips).
    virtual Point mapToScreen(Point p) const = 0;
    // Whether the pointer is over the control right now.
    virtual bool cursorInside() const = 0;

    // The identifier of the window that directly contains the control (a frame or the
    // top-level window); controls in the same container form a group.
    virtual std::uintptr_t containerHandle() const { return parentWindowHandle(); }
    // Moves the keyboard focus to the next (or previous) control in the tab order.
    virtual void moveFocus(bool forward) { (void)forward; }
    // The control cannot be made smaller than this; a smaller window grows to it.
    virtual void setMinimumControlSize(int width, int height) { (void)width, (void)height; }
    // Whether the control takes the keyboard focus (by tabbing and by clicking).
    virtual void setAcceptsFocus(bool on) { (void)on; }
};

} // namespace rewrix
