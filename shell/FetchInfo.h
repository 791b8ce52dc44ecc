#pragma once

#include "shell/SiteAddress.h"

#include <QString>
#include <QUrl>

#include <chrono>
#include <functional>

// Where the announcement goes: the main window binds these to its ticker.
struct InfoTarget {
    std::function<void()> Show;
    std::function<void(const QString&)> SetCaption;
};

// How long start-up waits for the announcement before it gives up.
inline constexpr std::chrono::milliseconds kFetchInfoGiveUp{std::chrono::seconds(10)};

// Fetches the announcement and, when a non-empty one arrives with a 2xx
// status, shows the target and sets its caption to the text unchanged.
// Waits until the request ends or the give-up time has passed (the request
// is then aborted); the window's events are handled meanwhile, and the wait
// sleeps between them. A failure leaves the target untouched, so the ticker
// stays hidden.
void FetchInfo(const InfoTarget& target, const QUrl& address = AnnouncementAddress(),
               std::chrono::milliseconds giveUp = kFetchInfoGiveUp);
