#include "shell/RunRewrix.h"

#include <QApplication>

namespace rewrix {

int RunRewrix(const FrmMainSettings& settings, const std::function<void(FrmMain&)>& shown) {
    FrmMain window(settings);
    if (!window.Form_Load())
        return 1;
    window.show();
    if (shown)
        shown(window);
    // Closing the window, the last one, ends the event loop and the program.
    QApplication::setQuitOnLastWindowClosed(true);
    return QApplication::exec();
}

} // namespace rewrix
