#include "toolkit/BrowserEngineSetup.h"

#include <QCoreApplication>
#include <unistd.h>

namespace rewrix {

void PrepareBrowserEngine() {
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

} // namespace rewrix
