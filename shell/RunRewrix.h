#pragma once

#include "shell/FrmMain.h"

#include <functional>

namespace rewrix {

// The program's main path, inside a running QApplication: makes the window,
// runs its start-up and, unless start-up ends the program, shows the window
// and handles events until it is closed. `shown` is called right after the
// window is shown (the start-up timing harness uses it). Returns the exit
// status: 0 after the window was closed, 1 when start-up ended the program.
int RunRewrix(const FrmMainSettings& settings = {},
              const std::function<void(FrmMain&)>& shown = {});

} // namespace rewrix
