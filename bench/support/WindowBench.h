#pragma once

// The start of every benchmark that puts up a window or the editor page: the
// offscreen platform unless told otherwise, the browser engine prepared before
// the application exists, and a wait for a page to finish loading.

#include "tests/support/WaitUntil.h"
#include "toolkit/BrowserEngineSetup.h"
#include "toolkit/BrowserPane.h"

namespace rewrix::bench {

// Call before the QApplication is made.
inline void PrepareOffscreenApplication() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareBrowserEngine();
}

// Whether the pane has loaded its page within the time given.
inline bool WaitUntilLoaded(const BrowserPane& pane, int milliseconds = 30000) {
    return test::WaitUntil([&pane] { return pane.loadState() == BrowserPane::LoadState::Loaded; },
                           milliseconds);
}

} // namespace rewrix::bench
