#pragma once

#include "tests/support/WaitUntil.h"
#include "toolkit/BrowserPane.h"
#include "toolkit/ScriptBridge.h"

#include <QString>
#include <functional>

namespace rewrix::testing {

// Processes events until done() holds or the time is up; returns done().
inline bool waitUntil(const std::function<bool()>& done, int ms = 20000) {
    return test::WaitUntil(done, ms);
}

inline void pause(int ms) {
    waitUntil([] { return false; }, ms);
}

inline bool loadAndWait(BrowserPane& pane, const QString& target) {
    pane.Navigate(target);
    return waitUntil([&] { return pane.loadState() == BrowserPane::LoadState::Loaded; });
}

// Evaluates a JavaScript expression in the pane's top document.
inline QVariant eval(BrowserPane& pane, const QString& expression) {
    return ScriptBridge::Run(pane, "return " + expression + ";", std::chrono::seconds(10)).value;
}

} // namespace rewrix::testing
