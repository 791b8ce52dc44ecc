#pragma once

#include "toolkit/BrowserPane.h"
#include "toolkit/ScriptBridge.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QString>
#include <QThread>
#include <functional>

namespace rewrix::testing {

// Processes events until done() holds or the time is up; returns done().
inline bool waitUntil(const std::function<bool()>& done, int ms = 20000) {
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return done();
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
