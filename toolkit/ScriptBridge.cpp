#include "toolkit/ScriptBridge.h"

#include "toolkit/BrowserPane.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <memory>

namespace rewrix {

namespace {

// A thrown exception comes back from the engine as an empty value, indistinguishable from
// undefined; wrapping the script turns either outcome into a tagged pair.
QString wrapped(const QString& script) {
    return QStringLiteral("(function () { try { return [true, (function () {\n%1\n})()]; }"
                          " catch (e) { return [false, String(e && e.message || e)]; } })()")
        .arg(script);
}

struct Pending {
    bool answered = false;
    QVariant value;
};

} // namespace

ScriptAnswer ScriptBridge::Run(BrowserPane& pane, const QString& script,
                               std::chrono::milliseconds limit) {
    ScriptAnswer answer;
    if (pane.loadState() != BrowserPane::LoadState::Loaded || pane.showingFallback()) {
        answer.status = ScriptAnswer::Status::PageNotLoaded;
        return answer;
    }

    QEventLoop loop;
    QPointer<QEventLoop> waiting(&loop);
    // The engine may answer after we gave up; the late callback then only touches this.
    auto pending = std::make_shared<Pending>();
    QPointer<QWebEnginePage> page(pane.page());

    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(page, &QObject::destroyed, &loop, &QEventLoop::quit);
    QObject::connect(page, &QWebEnginePage::renderProcessTerminated, &loop, &QEventLoop::quit);
    QObject::connect(page, &QWebEnginePage::loadStarted, &loop, &QEventLoop::quit);

    page->runJavaScript(wrapped(script), QWebEngineScript::MainWorld,
                        [pending, waiting](const QVariant& result) {
                            pending->answered = true;
                            pending->value = result;
                            if (waiting)
                                waiting->quit();
                        });
    if (!pending->answered) {
        timer.start(limit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }

    if (!pending->answered) {
        answer.status = ScriptAnswer::Status::NoAnswer;
        return answer;
    }
    const QVariantList pair = pending->value.toList();
    if (pair.size() != 2) {
        // An empty answer: the page was replaced or torn down while the script ran.
        answer.status = ScriptAnswer::Status::NoAnswer;
        return answer;
    }
    if (pair.at(0).toBool()) {
        answer.status = ScriptAnswer::Status::Ok;
        answer.value = pair.at(1);
    } else {
        answer.status = ScriptAnswer::Status::ScriptError;
        answer.error = pair.at(1).toString();
    }
    return answer;
}

} // namespace rewrix
