#include "toolkit/OpenLink.h"

#include <QDesktopServices>

namespace {

LinkOpener& Opener() {
    static LinkOpener opener;
    return opener;
}

} // namespace

QUrl WebLinkOf(const QString& href) {
    const QString trimmed = href.trimmed();
    if (trimmed.isEmpty())
        return {};
    const QUrl url(trimmed, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != "http" && scheme != "https") || url.host().isEmpty())
        return {};
    return url;
}

bool OpenLink(const QString& href) {
    const QUrl url = WebLinkOf(href);
    if (url.isEmpty())
        return false;
    if (Opener())
        return Opener()(url);
    return QDesktopServices::openUrl(url);
}

LinkOpener SetLinkOpener(LinkOpener opener) {
    LinkOpener previous = std::move(Opener());
    Opener() = std::move(opener);
    return previous;
}
