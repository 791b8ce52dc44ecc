#include "toolkit/HttpRequest.h"

#include "tests/support/LocalHttpServer.h"
#include "WaitFor.h"

#include <gtest/gtest.h>

namespace {

struct DecodeCase {
    const char* name;
    QByteArray body;
    QByteArray charset;
    bool cut;
    QString expected;
};

TEST(HttpRequestDecode, PicksTheCharsetThenUtf8ThenCodePage936) {
    const QByteArray gbk = "\xc4\xe3\xba\xc3";          // 你好 in GBK
    const QByteArray gbkOnly = "\x88\xd2\xe9\x46";      // 堃镕: GBK, not GB2312
    const QByteArray utf8 = "\xe4\xbd\xa0\xe5\xa5\xbd"; // 你好 in UTF-8
    const QString nihao = QString::fromUtf8("你好");
    const DecodeCase cases[] = {
        {"gbk labelled", gbk, "gbk", false, nihao},
        {"gb2312 label read as GBK", gbkOnly, "gb2312", false, QString::fromUtf8("堃镕")},
        {"utf-8 labelled", utf8, "utf-8", false, nihao},
        {"utf-8 unlabelled", utf8, "", false, nihao},
        {"gbk unlabelled", gbk, "", false, nihao},
        {"unknown label sniffed", utf8, "x-no-such-charset", false, nihao},
        {"byte order mark dropped", "\xef\xbb\xbf" + utf8, "", false, nihao},
        {"trailing line break kept", "a,http://a/\r\n", "", false, "a,http://a/\r\n"},
        {"cut inside a UTF-8 character", utf8 + "\xe4\xbd", "", true, nihao},
        {"cut inside a GBK character", gbk + "\xc4", "gbk", true, nihao},
        {"empty", "", "", false, ""},
    };
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(HttpRequest::DecodeBody(c.body, c.charset, c.cut), c.expected);
    }
}

TEST(HttpRequestDecode, ReadsTheCharsetOfAContentType) {
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"text/plain; charset=GBK", "gbk"},
        {"text/plain;charset=\"utf-8\"", "utf-8"},
        {"text/html; q=1 ; Charset = gb2312 ", "gb2312"},
        {"text/plain", ""},
        {"", ""},
    };
    for (const auto& [contentType, charset] : cases)
        EXPECT_EQ(HttpRequest::CharsetOf(contentType), charset) << contentType.constData();
}

// Runs one GET against the address; false when it did not finish in time.
bool Fetch(HttpRequest& request, const QUrl& url, int* finishedCount = nullptr) {
    QObject::connect(&request, &HttpRequest::Finished, [finishedCount] {
        if (finishedCount != nullptr)
            ++*finishedCount;
    });
    if (!request.Open("get", url) || !request.send())
        return false;
    return WaitFor([&] { return request.ReadyState() == HttpRequest::Done; });
}

TEST(HttpRequest, GetsTheBodyStatusAndCharset) {
    LocalHttpServer server;
    ASSERT_TRUE(server.IsListening());
    server.Answer(200, "text/plain; charset=gbk", "\xc4\xe3\xba\xc3,http://a/");
    HttpRequest request;
    int finished = 0;
    ASSERT_TRUE(Fetch(request, server.Url(), &finished));
    EXPECT_TRUE(request.Succeeded());
    EXPECT_EQ(request.status(), 200);
    EXPECT_EQ(request.Charset(), "gbk");
    EXPECT_EQ(request.Body(), QByteArray("\xc4\xe3\xba\xc3,http://a/"));
    EXPECT_EQ(request.responseText(), QString::fromUtf8("你好,http://a/"));
    EXPECT_FALSE(request.BodyCut());
    EXPECT_TRUE(server.LastRequest().startsWith("GET /software/wyc/info.txt HTTP/1.1\r\n"));
    WaitFor([] { return false; }, 50);
    EXPECT_EQ(finished, 1);
}

TEST(HttpRequest, AnErrorStatusIsAFailureWithItsBody) {
    for (int status : {404, 500, 301}) {
        SCOPED_TRACE(status);
        LocalHttpServer server;
        server.Answer(status, "text/html", "<h1>error page</h1>");
        HttpRequest request;
        ASSERT_TRUE(Fetch(request, server.Url()));
        EXPECT_FALSE(request.Succeeded());
        EXPECT_EQ(request.status(), status);
    }
}

TEST(HttpRequest, ReadsAtMost64KiBOfTheBody) {
    const struct {
        qsizetype size;
        bool cut;
    } cases[] = {{HttpRequest::kMaxBodyBytes - 1, false},
                 {HttpRequest::kMaxBodyBytes, false},
                 {HttpRequest::kMaxBodyBytes + 1, true},
                 {1024 * 1024, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        LocalHttpServer server;
        server.Answer(200, "text/plain", QByteArray(c.size, 'x'));
        HttpRequest request;
        ASSERT_TRUE(Fetch(request, server.Url()));
        EXPECT_TRUE(request.Succeeded());
        EXPECT_EQ(request.Body().size(), std::min(c.size, HttpRequest::kMaxBodyBytes));
        EXPECT_EQ(request.BodyCut(), c.cut);
    }
}

TEST(HttpRequest, AClosedPortFailsWithARefusal) {
    HttpRequest request;
    ASSERT_TRUE(Fetch(request, QUrl(QString("http://127.0.0.1:%1/info.txt").arg(ClosedPort()))));
    EXPECT_FALSE(request.Succeeded());
    EXPECT_FALSE(request.Aborted());
    EXPECT_EQ(request.NetworkError(), QNetworkReply::ConnectionRefusedError);
    EXPECT_EQ(request.status(), 0);
}

TEST(HttpRequest, AbortEndsTheRequestOnceAndHangsUp) {
    LocalHttpServer server;
    server.NeverAnswer();
    HttpRequest request;
    int finished = 0;
    QObject::connect(&request, &HttpRequest::Finished, [&] { ++finished; });
    ASSERT_TRUE(request.Open("get", server.Url()));
    ASSERT_TRUE(request.send());
    ASSERT_TRUE(WaitFor([&] { return server.Requests() == 1; }));
    request.abort();
    EXPECT_EQ(request.ReadyState(), HttpRequest::Done);
    EXPECT_TRUE(request.Aborted());
    EXPECT_FALSE(request.Succeeded());
    EXPECT_TRUE(WaitFor([&] { return server.Hangups() == 1; }));
    request.abort();
    EXPECT_EQ(finished, 1);
}

TEST(HttpRequest, OpensOnlyWebAddresses) {
    for (const char* address :
         {"file:///etc/passwd", "ftp://127.0.0.1/info.txt", "", "http://", "info.txt"}) {
        SCOPED_TRACE(address);
        HttpRequest request;
        EXPECT_FALSE(request.Open("get", QUrl(address)));
        EXPECT_FALSE(request.send());
        EXPECT_EQ(request.ReadyState(), HttpRequest::Unsent);
    }
}

TEST(HttpRequest, DestroyingARunningRequestHangsUp) {
    LocalHttpServer server;
    server.NeverAnswer();
    {
        HttpRequest request;
        ASSERT_TRUE(request.Open("get", server.Url()));
        ASSERT_TRUE(request.send());
        ASSERT_TRUE(WaitFor([&] { return server.Requests() == 1; }));
    }
    EXPECT_TRUE(WaitFor([&] { return server.Hangups() == 1; }));
}

} // namespace
