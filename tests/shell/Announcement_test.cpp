#include "ShellFixtures.h"

#include "shell/FrmMain.h"
#include "tests/support/LocalHttpServer.h"
#include "toolkit/OpenLink.h"
#include "widgets/UserControl1/UserControl1.h"

#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace rewrix;
using namespace std::chrono_literals;

namespace {

struct Started {
    explicit Started(const std::function<void(LocalHttpServer&)>& serve,
                     std::chrono::milliseconds giveUp = 5s) {
        serve(server);
        FrmMainSettings settings = dir.Settings(giveUp);
        settings.announcement = server.Url();
        window = std::make_unique<FrmMain>(settings);
        QElapsedTimer clock;
        clock.start();
        EXPECT_TRUE(window->Form_Load());
        startupMs = clock.elapsed();
    }
    bool tickerShown() const {
        return window->controlWindow("UserControl11")->isVisibleTo(window.get());
    }

    shelltest::ProgramDir dir;
    LocalHttpServer server;
    std::unique_ptr<FrmMain> window;
    qint64 startupMs = 0;
};

} // namespace

TEST(Announcement, AGoodBodyShowsItsFirstItemWithItsLinkAndKeepsItsTrailingLineBreak) {
    const QString body =
        QString::fromUtf8("新版发布,http://a.example/new;使用说明,https://b.example/\r\n");
    Started s([&](LocalHttpServer& server) {
        server.Answer(200, "text/plain; charset=utf-8", body.toUtf8());
    });
    EXPECT_TRUE(s.tickerShown());
    EXPECT_EQ(s.window->UserControl11->Caption(), body);
    EXPECT_EQ(s.window->UserControl11->labelText(), "新版发布");
    EXPECT_EQ(s.window->UserControl11->href(), "http://a.example/new");
    EXPECT_TRUE(s.server.LastRequest().startsWith("GET /software/wyc/info.txt "));
}

TEST(Announcement, FailuresLeaveTheTickerHidden) {
    const struct {
        const char* name;
        std::function<void(LocalHttpServer&)> serve;
        std::chrono::milliseconds giveUp;
    } cases[] = {
        {"404 with a body",
         [](LocalHttpServer& s) { s.Answer(404, "text/plain", "没有,http://x.example/"); }, 5s},
        {"500", [](LocalHttpServer& s) { s.Answer(500, "text/html", "<h1>error</h1>"); }, 5s},
        {"an empty body", [](LocalHttpServer& s) { s.Answer(200, "text/plain", ""); }, 5s},
        {"a server that never answers", [](LocalHttpServer& s) { s.NeverAnswer(); }, 1500ms},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Started s(c.serve, c.giveUp);
        EXPECT_FALSE(s.tickerShown());
        EXPECT_EQ(s.window->UserControl11->Caption(), "Label2");
        EXPECT_EQ(s.server.Requests(), 1);
        // Start-up gives up on time: the window can be shown within about the give-up time.
        EXPECT_LT(s.startupMs, c.giveUp.count() + 3000);
    }
}

TEST(Announcement, AServerThatNeverAnswersIsGivenUpAfterTheGiveUpTime) {
    Started s([](LocalHttpServer& server) { server.NeverAnswer(); }, 1500ms);
    EXPECT_GE(s.startupMs, 1400);
    EXPECT_LT(s.startupMs, 4500);
    EXPECT_FALSE(s.tickerShown());
}

TEST(Announcement, AClickOpensOnlyWebLinks) {
    Started s([](LocalHttpServer& server) {
        server.Answer(200, "text/plain", "公告,http://a.example/");
    });
    FrmMain& w = *s.window;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QList<QUrl> opened;
    const LinkOpener previous = SetLinkOpener([&](const QUrl& url) {
        opened.append(url);
        return true;
    });
    const struct {
        const char* caption;
        const char* opens; // empty: nothing opens
    } cases[] = {
        {"公告,http://a.example/x", "http://a.example/x"},
        {"公告,https://b.example/p?q=1", "https://b.example/p?q=1"},
        {"公告,file:///etc/passwd", ""},
        {"公告,/usr/bin/xterm", ""},
        {"公告,calc.exe", ""},
        {"公告,javascript:alert(1)", ""},
        {"公告,mailto:a@b.example", ""},
    };
    QWidget* ticker = w.controlWindow("UserControl11");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        opened.clear();
        w.UserControl11->setCaption(QString::fromUtf8(c.caption));
        QTest::mouseClick(ticker, Qt::LeftButton, {}, QPoint(5, 5));
        if (*c.opens)
            EXPECT_EQ(opened, QList<QUrl>{QUrl(QString::fromUtf8(c.opens))});
        else
            EXPECT_TRUE(opened.isEmpty());
    }
    SetLinkOpener(previous);
}
