#pragma once

// A control site without a window: the button draws on a real surface and
// every service it asks for is recorded, so its behaviour can be driven by
// synthetic input.

#include "toolkit/Clock.h"
#include "toolkit/ControlSite.h"
#include "toolkit/Region.h"
#include "toolkit/Surface.h"

#include <QStringList>

namespace rewrix {

class FakeSite : public ControlSite {
public:
    explicit FakeSite(int width = 100, int height = 30, std::uintptr_t parent = 1,
                      std::uintptr_t container = 1)
        : surface_(width, height), parent_(parent), container_(container) {
        static std::uintptr_t next = 1000;
        handle_ = ++next;
    }

    Surface& surface() override { return surface_; }
    void present() override { ++presents; }
    void setWindowRegion(const Region& r) override { region = r; }
    FontDesc ambientFont() const override { return ambient; }
    QString displayName() const override { return name; }
    bool userMode() const override { return true; }
    bool displayAsDefault() const override { return isDefault; }
    bool isCancel() const override { return false; }
    Colour ambientBackColour() const override { return SystemColourRef(15); }
    void propertyChanged(const QString& n) override { changed.append(n); }
    Clock& clock() override { return Clock::System(); }
    void setMouseCapture(bool on) override { capture = on; }
    bool hasMouseCapture() const override { return capture; }
    void setMousePointer(MousePointer p) override { pointer = p; }
    bool setMouseIcon(const Picture& p) override { return !p.isEmpty(); }
    void setAccessKeys(const QString& keys) override { accessKeys = keys; }
    bool enabled() const override { return isEnabled; }
    void setEnabled(bool on) override { isEnabled = on; }
    bool hasFocus() const override { return false; }
    bool parentActive() const override { return true; }
    std::uintptr_t windowHandle() const override { return handle_; }
    std::uintptr_t parentWindowHandle() const override { return parent_; }
    std::uintptr_t containerHandle() const override { return container_; }
    Point mapToScreen(Point p) const override { return {p.x + 500, p.y + 300}; }
    bool cursorInside() const override { return inside; }
    void moveFocus(bool forward) override { focusMoves.append(forward ? "next" : "previous"); }
    void setMinimumControlSize(int w, int h) override {
        if (surface_.width() < w || surface_.height() < h)
            surface_.resize(std::max(w, surface_.width()), std::max(h, surface_.height()));
    }

    QStringList changed;
    QStringList focusMoves;
    Region region;
    FontDesc ambient;
    QString name = QStringLiteral("lumobutton1");
    QString accessKeys;
    MousePointer pointer = MousePointer::Default;
    int presents = 0;
    bool capture = false;
    bool inside = false;
    bool isDefault = false;
    bool isEnabled = true;

private:
    Surface surface_;
    std::uintptr_t parent_;
    std::uintptr_t container_;
    std::uintptr_t handle_;
};

} // namespace rewrix
