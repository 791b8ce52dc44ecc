#include "toolkit/BrowserPanePage.h"

#include "toolkit/LocalOnlyInterceptor.h"

namespace rewrix {

BrowserPanePage::BrowserPanePage(QObject* parent) : QWebEnginePage(parent) {}

void BrowserPanePage::setLocalOnly(bool on) {
    localOnly_ = on;
    if (on)
        setUrlRequestInterceptor(new LocalOnlyInterceptor(this));
    else
        setUrlRequestInterceptor(nullptr);
}

bool BrowserPanePage::acceptNavigationRequest(const QUrl& url, NavigationType type,
                                              bool isMainFrame) {
    if (!localOnly_)
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    if (!isMainFrame || !LocalOnlyInterceptor::isLocalScheme(url.scheme()))
        return false;
    // Not even a reload: it would throw away what the user is editing.
    return type == NavigationTypeTyped;
}

} // namespace rewrix
