#include "PaneWaiting.h"
#include "toolkit/BrowserPane.h"
#include "toolkit/ScriptBridge.h"

#include <QImage>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>
#include <gtest/gtest.h>

using namespace rewrix;
using namespace rewrix::testing;
using namespace std::chrono_literals;
using Status = ScriptAnswer::Status;

namespace {

// A port on the loopback address that nothing listens on.
quint16 closedLoopbackPort() {
    QTcpServer probe;
    EXPECT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

QString writePage(QTemporaryDir& dir, const QString& name, const QByteArray& html) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(html);
    return path;
}

int darkPixels(const QImage& image) {
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ++dark;
    return dark;
}

} // namespace

TEST(BrowserPane, NavigateReturnsAtOnceAndLoadsALocalPath) {
    QTemporaryDir dir;
    const QString path =
        writePage(dir, "page.html", "<!DOCTYPE html><title>t</title><p id=p>本地页面</p>");
    BrowserPane pane;
    pane.Navigate(path);
    EXPECT_EQ(pane.loadState(), BrowserPane::LoadState::Loading);
    EXPECT_EQ(pane.requestedUrl(), QUrl::fromLocalFile(path));
    ASSERT_TRUE(waitUntil([&] { return pane.loadState() == BrowserPane::LoadState::Loaded; }));
    EXPECT_EQ(eval(pane, "document.getElementById('p').textContent").toString(), "本地页面");
}

TEST(BrowserPane, MissingLocalFileFailsToLoad) {
    QTemporaryDir dir;
    BrowserPane pane;
    pane.Navigate(dir.filePath("absent.html"));
    ASSERT_TRUE(waitUntil([&] { return pane.loadState() == BrowserPane::LoadState::Failed; }));
    EXPECT_FALSE(pane.showingFallback());
}

TEST(BrowserPane, UnreachableProductPageShowsOurOwnPage) {
    BrowserPane pane;
    pane.resize(420, 160);
    pane.show();
    pane.setFallbackName("Rewrix");
    QSignalSpy shown(&pane, &BrowserPane::fallbackShown);
    const QString address =
        QString("http://127.0.0.1:%1/software/wyc/wyc.html").arg(closedLoopbackPort());
    pane.Navigate(address);
    ASSERT_TRUE(waitUntil([&] { return shown.count() > 0; }));
    EXPECT_TRUE(pane.showingFallback());
    EXPECT_EQ(pane.loadState(), BrowserPane::LoadState::Failed);
    EXPECT_EQ(pane.requestedUrl(), QUrl(address));
    EXPECT_EQ(pane.title(), "Rewrix");

    QString html;
    pane.page()->toHtml([&](const QString& h) { html = h; });
    ASSERT_TRUE(waitUntil([&] { return !html.isEmpty(); }));
    EXPECT_TRUE(html.contains("<h1>Rewrix</h1>"));

    // The page really is drawn on the offscreen platform: the dark title shows up.
    ASSERT_TRUE(waitUntil([&] { return darkPixels(pane.grab().toImage()) > 50; }, 10000));
}

TEST(BrowserPane, ReachablePageIsNotReplacedByTheFallback) {
    QTemporaryDir dir;
    const QString path = writePage(dir, "ok.html", "<!DOCTYPE html><title>ok</title>");
    BrowserPane pane;
    pane.setFallbackName("Rewrix");
    ASSERT_TRUE(loadAndWait(pane, path));
    pause(200);
    EXPECT_FALSE(pane.showingFallback());
    EXPECT_EQ(pane.title(), "ok");
}

TEST(ScriptBridge, ReturnsTheScriptsValueOrItsError) {
    BrowserPane pane;
    ASSERT_TRUE(loadAndWait(pane, "data:text/html,<p>x</p>"));

    ScriptAnswer answer = ScriptBridge::Run(pane, "return [1 + 1, 'двa字', true];", 5s);
    ASSERT_EQ(answer.status, Status::Ok);
    EXPECT_EQ(answer.value.toList(), (QVariantList{2, "двa字", true}));

    answer = ScriptBridge::Run(pane, "return undefined;", 5s);
    EXPECT_EQ(answer.status, Status::Ok);
    EXPECT_FALSE(answer.value.isValid());

    answer = ScriptBridge::Run(pane, "throw new Error('boom');", 5s);
    EXPECT_EQ(answer.status, Status::ScriptError);
    EXPECT_EQ(answer.error, "boom");

    answer = ScriptBridge::Run(pane, "return (;", 5s);
    EXPECT_NE(answer.status, Status::Ok);
}

TEST(ScriptBridge, RefusesAPaneWithoutALoadedPage) {
    BrowserPane never;
    EXPECT_EQ(ScriptBridge::Run(never, "return 1;", 1s).status, Status::PageNotLoaded);

    BrowserPane failed;
    failed.Navigate(QString("http://127.0.0.1:%1/").arg(closedLoopbackPort()));
    ASSERT_TRUE(waitUntil([&] { return failed.loadState() == BrowserPane::LoadState::Failed; }));
    EXPECT_EQ(ScriptBridge::Run(failed, "return 1;", 1s).status, Status::PageNotLoaded);

    BrowserPane fallback;
    fallback.setFallbackName("Rewrix");
    QSignalSpy shown(&fallback, &BrowserPane::fallbackShown);
    fallback.Navigate(QString("http://127.0.0.1:%1/").arg(closedLoopbackPort()));
    ASSERT_TRUE(waitUntil([&] { return shown.count() > 0; }));
    EXPECT_EQ(ScriptBridge::Run(fallback, "return 1;", 1s).status, Status::PageNotLoaded);
}

TEST(ScriptBridge, GivesUpOnABusyPageAndIgnoresItsLateAnswer) {
    BrowserPane pane;
    ASSERT_TRUE(loadAndWait(pane, "data:text/html,<p>x</p>"));
    QElapsedTimer clock;
    clock.start();
    const ScriptAnswer late = ScriptBridge::Run(
        pane, "var t = Date.now(); while (Date.now() - t < 1500) {} return 'late';", 200ms);
    EXPECT_EQ(late.status, Status::NoAnswer);
    EXPECT_LT(clock.elapsed(), 1400);

    // Once the page is free again it answers as usual; the stale answer went nowhere.
    const ScriptAnswer next = ScriptBridge::Run(pane, "return 'next';", 5s);
    ASSERT_EQ(next.status, Status::Ok);
    EXPECT_EQ(next.value.toString(), "next");
}

TEST(ScriptBridge, APaneDestroyedWhileWaitingEndsTheWait) {
    auto* pane = new BrowserPane;
    ASSERT_TRUE(loadAndWait(*pane, "data:text/html,<p>x</p>"));
    QTimer::singleShot(200, [pane] { delete pane; });
    QElapsedTimer clock;
    clock.start();
    const ScriptAnswer answer = ScriptBridge::Run(
        *pane, "var t = Date.now(); while (Date.now() - t < 1000) {} return 1;", 10s);
    EXPECT_EQ(answer.status, Status::NoAnswer);
    EXPECT_LT(clock.elapsed(), 5000); // it did not sit out the whole time limit
}
