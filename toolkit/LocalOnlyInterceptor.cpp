#include "toolkit/LocalOnlyInterceptor.h"

namespace rewrix {

bool LocalOnlyInterceptor::isLocalScheme(const QString& scheme) {
    static const QStringList local{"file", "qrc", "data", "blob", "about"};
    return local.contains(scheme.toLower());
}

void LocalOnlyInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info) {
    if (!isLocalScheme(info.requestUrl().scheme()))
        info.block(true);
}

} // namespace rewrix
