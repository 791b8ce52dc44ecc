#pragma once

#include <QWebEngineUrlRequestInterceptor>

namespace rewrix {

// Refuses every request that would leave the machine (http, https, ws, ftp, ...), whoever
// makes it: the page, an article pasted into it, or a redirect.
class LocalOnlyInterceptor : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    static bool isLocalScheme(const QString& scheme);
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};

} // namespace rewrix
