#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>

#include <functional>

// Handles events until the condition holds or the time bound has passed;
// returns the condition.
inline bool WaitFor(const std::function<bool()>& condition, int boundMs = 10000) {
    QDeadlineTimer deadline(boundMs);
    while (!condition() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return condition();
}
