#include "shell/FetchInfo.h"

#include "tests/support/LocalHttpServer.h"
#include "WaitFor.h"

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

// Stands in for the ticker: remembers what it was told.
struct Ticker {
    bool shown = false;
    QStringList captions;
    InfoTarget Target() {
        return {[this] { shown = true; }, [this](const QString& c) { captions.append(c); }};
    }
};

TEST(FetchInfo, DefaultsToOurAnnouncementAndTenSeconds) {
    EXPECT_EQ(kFetchInfoGiveUp, 10s);
    EXPECT_TRUE(kSiteAddress.endsWith('/'));
    EXPECT_EQ(AnnouncementAddress(), QUrl(kSiteAddress + "software/wyc/info.txt"));
    EXPECT_EQ(ProductPageAddress(), QUrl(kSiteAddress + "software/wyc/wyc.html"));
    EXPECT_EQ(AnnouncementAddress().scheme(), "http");
}

TEST(FetchInfo, AGoodBodyBecomesTheCaptionUnchanged) {
    const QString body =
        QString::fromUtf8("新版发布,http://a.example/;使用说明,https://b.example/\r\n");
    LocalHttpServer server;
    server.Answer(200, "text/plain", body.toUtf8());
    Ticker ticker;
    FetchInfo(ticker.Target(), server.Url(), 5s);
    EXPECT_TRUE(ticker.shown);
    EXPECT_EQ(ticker.captions, QStringList{body});
    EXPECT_TRUE(server.LastRequest().startsWith("GET /software/wyc/info.txt "));
}

TEST(FetchInfo, DecodesByCharsetThenUtf8ThenCodePage936) {
    const QString text = QString::fromUtf8("公告,http://a.example/");
    const QByteArray gbk = "\xb9\xab\xb8\xe6,http://a.example/";
    const struct {
        const char* name;
        QByteArray contentType;
        QByteArray body;
    } cases[] = {
        {"GBK with charset=gbk", "text/plain; charset=gbk", gbk},
        {"UTF-8 without charset", "text/plain", text.toUtf8()},
        {"GBK without charset", "text/plain", gbk},
        {"GBK without Content-Type", "", gbk},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LocalHttpServer server;
        server.Answer(200, c.contentType, c.body);
        Ticker ticker;
        FetchInfo(ticker.Target(), server.Url(), 5s);
        EXPECT_EQ(ticker.captions, QStringList{text});
    }
}

TEST(FetchInfo, AFailureOrAnEmptyBodyLeavesTheTickerHidden) {
    const struct {
        const char* name;
        int status;
        QByteArray body;
    } cases[] = {
        {"not found", 404, "<html>Not Found</html>"},
        {"server error", 500, "oops,http://a.example/"},
        {"empty body", 200, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LocalHttpServer server;
        server.Answer(c.status, "text/html", c.body);
        Ticker ticker;
        FetchInfo(ticker.Target(), server.Url(), 5s);
        EXPECT_EQ(server.Requests(), 1);
        EXPECT_FALSE(ticker.shown);
        EXPECT_TRUE(ticker.captions.isEmpty());
    }
}

TEST(FetchInfo, GivesUpOnASilentServerAndAbortsTheRequest) {
    LocalHttpServer server;
    server.NeverAnswer();
    Ticker ticker;
    FetchInfo(ticker.Target(), server.Url(), 300ms);
    EXPECT_EQ(server.Requests(), 1);
    EXPECT_FALSE(ticker.shown);
    EXPECT_TRUE(WaitFor([&] { return server.Hangups() == 1; }));
}

TEST(FetchInfo, AClosedPortFailsWithoutWaitingForTheGiveUp) {
    Ticker ticker;
    QElapsedTimer clock;
    clock.start();
    FetchInfo(ticker.Target(), QUrl(QString("http://127.0.0.1:%1/info.txt").arg(ClosedPort())),
              30s);
    EXPECT_LT(clock.elapsed(), 15000);
    EXPECT_FALSE(ticker.shown);
}

TEST(FetchInfo, ANonWebAddressIsAFailure) {
    Ticker ticker;
    FetchInfo(ticker.Target(), QUrl("file:///etc/hostname"), 30s);
    EXPECT_FALSE(ticker.shown);
}

TEST(FetchInfo, ReadsAtMost64KiB) {
    QByteArray body = "first,http://a.example/;";
    body += QByteArray(200 * 1024, 'x');
    LocalHttpServer server;
    server.Answer(200, "text/plain", body);
    Ticker ticker;
    FetchInfo(ticker.Target(), server.Url(), 5s);
    ASSERT_EQ(ticker.captions.size(), 1);
    EXPECT_EQ(ticker.captions.front(), QString::fromLatin1(body.left(64 * 1024)));
}

TEST(FetchInfo, TheWindowsEventsFlowAndTheWaitSleeps) {
    LocalHttpServer server;
    server.Answer(200, "text/plain", "a,http://a.example/", 300);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);
    // A wait that spins on processing events never lets the thread block.
    int blocks = 0;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     &timer, [&] { ++blocks; });
    Ticker ticker;
    FetchInfo(ticker.Target(), server.Url(), 5s);
    EXPECT_TRUE(ticker.shown);
    EXPECT_GE(ticks, 3);
    EXPECT_GE(blocks, 3);
}

} // namespace
