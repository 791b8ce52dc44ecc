#pragma once

#include "toolkit/Clock.h"
#include "toolkit/ControlSite.h"
#include "toolkit/Region.h"
#include "toolkit/Surface.h"

#include <QStringList>

namespace rewrix {

// A host without a window: the control draws on a surface that nobody shows. For pictures made
// by tools, for benchmarks, and wherever a control's drawing is wanted without the window system.
class OffscreenSite : public ControlSite {
public:
    OffscreenSite(const QString& displayName, int width, int height);

    const Region& windowRegion() const { return region_; }
    // The surface as a window behind it would see it: what the window shape hides is white.
    // No shape set means the whole surface shows.
    QImage shapedImage() const;
    const QStringList& changedProperties() const { return changed_; }
    ManualClock& manualClock() { return clock_; }
    void setAmbientFont(const FontDesc& font) { ambientFont_ = font; }
    // Keeps the notices (off by default, so long runs keep no log).
    void setRecordChanges(bool on) { record_ = on; }

    Surface& surface() override { return surface_; }
    void present() override {}
    void setWindowRegion(const Region& region) override { region_ = region; }
    FontDesc ambientFont() const override { return ambientFont_; }
    QString displayName() const override { return displayName_; }
    bool userMode() const override { return true; }
    bool displayAsDefault() const override { return false; }
    bool isCancel() const override { return false; }
    Colour ambientBackColour() const override { return SystemColourRef(15); }
    void propertyChanged(const QString& name) override;
    Clock& clock() override { return clock_; }
    void setMouseCapture(bool on) override { capture_ = on; }
    bool hasMouseCapture() const override { return capture_; }
    void setMousePointer(MousePointer) override {}
    bool setMouseIcon(const Picture&) override { return false; }
    void setAccessKeys(const QString&) override {}
    bool enabled() const override { return enabled_; }
    void setEnabled(bool on) override { enabled_ = on; }
    bool hasFocus() const override { return false; }
    bool parentActive() const override { return true; }
    std::uintptr_t windowHandle() const override { return reinterpret_cast<std::uintptr_t>(this); }
    std::uintptr_t parentWindowHandle() const override { return 0; }
    Point mapToScreen(Point p) const override { return p; }
    bool cursorInside() const override { return false; }

private:
    QString displayName_;
    Surface surface_;
    Region region_;
    ManualClock clock_;
    FontDesc ambientFont_;
    QStringList changed_;
    bool record_ = false;
    bool capture_ = false;
    bool enabled_ = true;
};

} // namespace rewrix
