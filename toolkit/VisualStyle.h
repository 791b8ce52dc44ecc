#pragma once

namespace rewrix {

// Whether the application draws with visual styles. Qt's style stands in for
// the desktop's visual style: every style counts except Qt's classic
// "windows" one, which draws the plain bevels of desktops without them.
bool VisualStylesActive();

} // namespace rewrix
