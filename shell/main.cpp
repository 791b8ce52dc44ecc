#include "shell/RunRewrix.h"
#include "toolkit/BrowserEngineSetup.h"

#include <QApplication>

int main(int argc, char** argv) {
    rewrix::PrepareBrowserEngine();
    QApplication app(argc, argv);
    return rewrix::RunRewrix();
}
