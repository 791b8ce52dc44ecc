#include "toolkit/BrowserPanePage.h"

#include "toolkit/LocalOnlyInterceptor.h"

#include <QWebEngineSettings>

namespace rewrix {

BrowserPanePage::BrowserPanePage(QObject* parent) : QWebEnginePage(parent) {}

void BrowserPanePage::setLocalOnly(bool on) {
    localOnly_ = on;
    // A local page made of several files (page, script, style sheet) needs to read its
    // neighbours; it never needs anything remote.
    if (on) {
        settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
        settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    }
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
