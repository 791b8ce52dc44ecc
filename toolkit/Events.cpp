#include "toolkit/Events.h"

#include <QCoreApplication>

void ProcessPendingEvents() {
    if (QCoreApplication::instance() == nullptr)
        return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}
