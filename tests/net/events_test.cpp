#include "toolkit/Events.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(Events, HandlesWhatIsPendingAndReturns) {
    QObject receiver;
    int ran = 0;
    QMetaObject::invokeMethod(
        &receiver, [&] { ++ran; }, Qt::QueuedConnection);
    QMetaObject::invokeMethod(
        &receiver, [&] { ++ran; }, Qt::QueuedConnection);
    ProcessPendingEvents();
    EXPECT_EQ(ran, 2);
    // Nothing pending: it must not wait for something to happen.
    QTimer later;
    later.setSingleShot(true);
    QObject::connect(&later, &QTimer::timeout, [&] { ++ran; });
    later.start(60 * 60 * 1000);
    ProcessPendingEvents();
    EXPECT_EQ(ran, 2);
}

} // namespace
