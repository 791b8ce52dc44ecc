// The window services of ControlHost that the image button added: the
// container, focus movement, the least size and taking the focus.

#include "toolkit/ControlHost.h"

#include <algorithm>

namespace rewrix {

std::uintptr_t ControlHost::containerHandle() const {
    return reinterpret_cast<std::uintptr_t>(parentWidget() ? parentWidget() : window());
}

void ControlHost::moveFocus(bool forward) {
    focusNextPrevChild(forward);
}

void ControlHost::setMinimumControlSize(int width, int height) {
    setMinimumSize(width, height);
    if (this->width() < width || this->height() < height)
        resizeControl(std::max(width, this->width()), std::max(height, this->height()));
}

void ControlHost::setAcceptsFocus(bool on) {
    setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

} // namespace rewrix
