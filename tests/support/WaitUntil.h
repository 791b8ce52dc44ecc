#pragma once

// Waiting on the event loop for something a page, a window or a network answer
// brings about, with a bound so that a broken test fails instead of hanging.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>

#include <functional>

namespace rewrix::test {

// Processes events until done() holds or the time is up; returns done().
inline bool WaitUntil(const std::function<bool()>& done, int ms = 20000) {
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return done();
}

} // namespace rewrix::test
