#pragma once

#include "toolkit/ControlSite.h"
#include "toolkit/Region.h"
#include "toolkit/Surface.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

class QShortcut;
class QTimer;

namespace rewrix {

class OwnerDrawnControl;

// The window of an owner-drawn control. It owns the control's surface as a persistent back
// image and paints the screen from it, shapes the window to the control's region, turns the
// window system's input into the control's callbacks and offers the ambient values and services
// of ControlSite.
//
// Presenting: what a control draws is complete in the back image as soon as its drawing call
// returns. present() puts it on screen at once (synchronously, even inside a loop that never
// yields to the event loop) unless the last present is less than the minimum interval ago
// (about 60 a second by default); presents in between coalesce into one that a short timer
// delivers, so the final picture always shows.
class ControlHost : public QWidget, public ControlSite {
    Q_OBJECT
public:
    explicit ControlHost(const QString& displayName, QWidget* parent = nullptr);
    ~ControlHost() override;

    // The control the host carries (not owned; it must outlive its attachment or detach with
    // setControl(nullptr)).
    void setControl(OwnerDrawnControl* control);
    OwnerDrawnControl* control() const { return control_; }

    // Resizes the window and its surface at once and tells the control, visible or not.
    void resizeControl(int width, int height);

    // Host-side settings of the ambient values.
    void setDisplayName(const QString& name) { displayName_ = name; }
    void setUserMode(bool run) { userMode_ = run; }
    void setAmbientFont(const FontDesc& font);
    void setDisplayAsDefault(bool on);
    void setCancel(bool on);
    void setAmbientBackColour(Colour colour);
    // Must be set before the control creates its timers.
    void setClock(Clock& clock) { clock_ = &clock; }

    // What tests observe. The notice log keeps the latest few thousand notices.
    const QStringList& changedProperties() const { return changed_; }
    void clearChangedProperties() { changed_.clear(); }
    const Region& windowRegion() const { return region_; }
    int paintCount() const { return paintCount_; }
    void setMinimumPresentInterval(int ms) { minPresentMs_ = ms; }
    MousePointer mousePointer() const { return pointer_; }
    const QString& accessKeys() const { return accessKeys_; }

    // ControlSite.
    Surface& surface() override { return surface_; }
    void present() override;
    void setWindowRegion(const Region& region) override;
    FontDesc ambientFont() const override { return ambientFont_; }
    QString displayName() const override { return displayName_; }
    bool userMode() const override { return userMode_; }
    bool displayAsDefault() const override { return displayAsDefault_; }
    bool isCancel() const override { return cancel_; }
    Colour ambientBackColour() const override { return ambientBackColour_; }
    void propertyChanged(const QString& name) override;
    Clock& clock() override { return *clock_; }
    void setMouseCapture(bool on) override;
    bool hasMouseCapture() const override { return capture_; }
    void setMousePointer(MousePointer pointer) override;
    bool setMouseIcon(const Picture& picture) override;
    void setAccessKeys(const QString& keys) override;
    bool enabled() const override { return isEnabled(); }
    void setEnabled(bool on) override { QWidget::setEnabled(on); }
    bool hasFocus() const override { return QWidget::hasFocus(); }
    bool parentActive() const override { return isActiveWindow(); }
    std::uintptr_t windowHandle() const override;
    std::uintptr_t parentWindowHandle() const override;
    Point mapToScreen(Point p) const override;
    bool cursorInside() const override;
    std::uintptr_t containerHandle() const override;
    void moveFocus(bool forward) override;
    void setMinimumControlSize(int width, int height) override;
    void setAcceptsFocus(bool on) override;

signals:
    // Raised by every property-changed notice of the control.
    void propertyChangedNotice(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void syncSize();
    void rebuildShortcuts();

    Surface surface_;
    OwnerDrawnControl* control_ = nullptr;
    QString displayName_;
    FontDesc ambientFont_;
    bool userMode_ = true;
    bool displayAsDefault_ = false;
    bool cancel_ = false;
    Colour ambientBackColour_;
    Clock* clock_;
    QStringList changed_;
    Region region_;
    bool hasRegion_ = false;
    int paintCount_ = 0;
    int minPresentMs_ = 16;
    QElapsedTimer sinceLastPresent_;
    QTimer* pendingPresent_ = nullptr;
    bool capture_ = false;
    MousePointer pointer_ = MousePointer::Default;
    QString accessKeys_;
    std::vector<QShortcut*> shortcuts_;
};

} // namespace rewrix
