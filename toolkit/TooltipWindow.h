#pragma once

#include "toolkit/Colour.h"
#include "toolkit/Geometry.h"

#include <QString>

#include <memory>
#include <optional>

class QWidget;

namespace rewrix {

class ControlSite;

// Icons of a tooltip's title, numbered as the controls store them.
enum TooltipIcon : int {
    TooltipNoIcon = 0,
    TooltipInfo = 1,
    TooltipWarning = 2,
    TooltipError = 3,
};

struct TooltipOptions {
    QString text;
    // Shown in bold above the text, after the icon; no title, no icon.
    QString title;
    int icon = TooltipNoIcon;
    bool balloon = false;
    bool rightToLeft = false;
    // Nothing keeps the desktop's tooltip colours.
    std::optional<Colour> backColour;
    // Longer lines wrap at this width, in pixels.
    int maxWidth = 240;
};

// A tooltip window as the desktop shows them: a rectangular or balloon tip
// with an optional title and icon and a drop shadow, shown once the cursor
// has rested over its tool for the toolkit's hover delay and hidden when it
// leaves or presses. The tool is the window of the control site it is made
// for. Without a compositor translucent windows come out black, so the
// balloon is shaped by a mask and the shadow is painted opaque.
class TooltipWindow {
public:
    TooltipWindow(ControlSite* tool, const TooltipOptions& options);
    ~TooltipWindow();
    TooltipWindow(const TooltipWindow&) = delete;
    TooltipWindow& operator=(const TooltipWindow&) = delete;

    const TooltipOptions& options() const { return options_; }

    // Shows the tip at once as if the cursor rested at `cursor` (screen
    // pixels); an empty text shows nothing.
    void showAt(Point cursor);
    void hide();
    bool isShown() const;

    // The tip's window, for looking at it (null once its tool has gone).
    QWidget* widget() const;

private:
    TooltipOptions options_;
    std::unique_ptr<class TooltipWindowPrivate> d_;
};

} // namespace rewrix
