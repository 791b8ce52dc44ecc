// Runs the program's main path (RunRewrix) as the program does, but with every
// address on 127.0.0.1 at a port where nothing listens, and reports the moment
// the window is on screen: one line "shown <ns>" on standard output, the
// CLOCK_REALTIME in nanoseconds, which the measuring script compares with the
// moment it started this process. Then it closes the window, which ends it.
//
//   rewrix_startup_harness [--screenshot FILE] [--settle-ms N]
//
// --screenshot grabs the whole screen into FILE (PNG) after the window has
// been shown and N milliseconds (default 2000) have passed for the panes to
// draw.

#include "shell/RunRewrix.h"
#include "toolkit/BrowserEngineSetup.h"

#include <QApplication>
#include <QHostAddress>
#include <QPixmap>
#include <QScreen>
#include <QTcpServer>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <ctime>

namespace {

quint16 ClosedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

long long RealtimeNs() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

} // namespace

int main(int argc, char** argv) {
    rewrix::PrepareBrowserEngine();
    QApplication app(argc, argv);

    QString screenshot;
    int settleMs = 2000;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--screenshot"))
            screenshot = args[++i];
        else if (args[i] == QLatin1String("--settle-ms"))
            settleMs = args[++i].toInt();
    }

    rewrix::FrmMainSettings settings;
    settings.programDir = QStringLiteral(REWRIX_PROGRAM_DIR);
    const QString closed = QStringLiteral("http://127.0.0.1:%1").arg(ClosedPort());
    settings.announcement = QUrl(closed + QStringLiteral("/software/wyc/info.txt"));
    settings.productPage = QUrl(closed + QStringLiteral("/software/wyc/wyc.html"));

    return rewrix::RunRewrix(settings, [&](rewrix::FrmMain& window) {
        auto* poll = new QTimer(&window);
        poll->setInterval(1);
        QObject::connect(poll, &QTimer::timeout, &window, [&window, poll, screenshot, settleMs] {
            QWindow* handle = window.windowHandle();
            if (handle == nullptr || !handle->isExposed())
                return;
            poll->stop();
            std::printf("shown %lld\n", RealtimeNs());
            std::fflush(stdout);
            if (screenshot.isEmpty()) {
                window.close();
                return;
            }
            QTimer::singleShot(settleMs, &window, [&window, screenshot] {
                QScreen* screen = window.screen();
                const bool saved = screen->grabWindow(0).save(screenshot, "PNG");
                std::printf("screenshot %s %s\n", qPrintable(screenshot),
                            saved ? "saved" : "FAILED");
                std::fflush(stdout);
                window.close();
            });
        });
        poll->start();
    });
}
