#include "shell/RunRewrix.h"

#include <QApplication>
#include <QScreen>

namespace rewrix {

int RunRewrix(const FrmMainSettings& settings, const std::function<void(FrmMain&)>& shown) {
    FrmMain window(settings);
    if (!window.Form_Load())
        return 1;
    // First placed in the middle of the screen; the window manager may move it.
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    if (shown)
        shown(window);
    // Closing the window, the last one, ends the event loop and the program.
    QApplication::setQuitOnLastWindowClosed(true);
    return QApplication::exec();
}

} // namespace rewrix
