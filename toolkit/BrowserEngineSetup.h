#pragma once

namespace rewrix {

// Call once in main(), before the QApplication exists. The browser engine refuses to start
// as root while its sandbox is on, so the sandbox is switched off for root only (unless the
// environment already says otherwise); the engine also needs contexts shared between windows.
void PrepareBrowserEngine();

} // namespace rewrix
