#include "shell/FetchInfo.h"

#include "toolkit/HttpRequest.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>

void FetchInfo(const InfoTarget& target, const QUrl& address, std::chrono::milliseconds giveUp) {
    HttpRequest request;
    if (!request.Open(QStringLiteral("get"), address) || !request.send())
        return;
    if (request.ReadyState() != HttpRequest::Done) {
        QEventLoop wait;
        QTimer giveUpTimer;
        giveUpTimer.setSingleShot(true);
        QObject::connect(&request, &HttpRequest::Finished, &wait, &QEventLoop::quit);
        QObject::connect(&giveUpTimer, &QTimer::timeout, &request, &HttpRequest::abort);
        giveUpTimer.start(std::max(giveUp, std::chrono::milliseconds(0)));
        wait.exec();
        // The loop also ends when the application quits; the request then
        // goes with this function.
    }
    if (!request.Succeeded())
        return;
    const QString announcement = request.responseText();
    if (announcement.isEmpty())
        return;
    if (target.Show)
        target.Show();
    if (target.SetCaption)
        target.SetCaption(announcement);
}
