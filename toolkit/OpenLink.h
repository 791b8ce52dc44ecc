#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Opens a web link with the desktop's default handler. Only http and https
// links with a host are opened: an announcement comes from the network, and
// a local path, a program name or another scheme in it must not be started.
// Blanks and line breaks around the link are ignored. Returns true when the
// link was handed to the handler.
bool OpenLink(const QString& href);

// The link as OpenLink would open it, or an empty URL when it would refuse.
QUrl WebLinkOf(const QString& href);

// What actually opens a link (QDesktopServices::openUrl unless replaced, as
// tests do); returns the opener it replaces. An empty opener restores the
// default.
using LinkOpener = std::function<bool(const QUrl&)>;
LinkOpener SetLinkOpener(LinkOpener opener);
