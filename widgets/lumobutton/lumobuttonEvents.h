#pragma once

#include <QObject>

namespace rewrix {

// The events of an image button, as signals named after them. Every event is
// also announced through EventRaised with its number, in the order raised.
class lumobuttonEvents : public QObject {
    Q_OBJECT
public:
    enum Number : int {
        Click_ = -600,
        DblClick_ = -601,
        MouseEnter_ = 1,
        MouseLeave_ = 2,
        MouseUp_ = -607,
        MouseDown_ = -605,
        KeyDown_ = -602,
        KeyUp_ = -604,
        KeyPress_ = -603,
    };
    using QObject::QObject;

signals:
    void Click();
    void DblClick();
    void MouseEnter();
    void MouseLeave();
    // Declared for handlers written against it; never raised.
    void MouseMove(short Button, short Shift, float X, float Y);
    void MouseUp(short Button, short Shift, float X, float Y);
    void MouseDown(short Button, short Shift, float X, float Y);
    void KeyDown(short KeyCode, short Shift);
    void KeyUp(short KeyCode, short Shift);
    void KeyPress(short KeyAcsii);
    void EventRaised(int number);
};

} // namespace rewrix
