#include "toolkit/OpenLink.h"

#include <gtest/gtest.h>

namespace {

class OpenLinkTest : public testing::Test {
protected:
    void SetUp() override {
        previous_ = SetLinkOpener([this](const QUrl& url) {
            opened_.append(url);
            return true;
        });
    }
    void TearDown() override { SetLinkOpener(std::move(previous_)); }

    QList<QUrl> opened_;
    LinkOpener previous_;
};

TEST_F(OpenLinkTest, OpensHttpAndHttpsLinks) {
    const std::pair<const char*, const char*> cases[] = {
        {"http://www.example.org/", "http://www.example.org/"},
        {"https://www.example.org/a?b=1#c", "https://www.example.org/a?b=1#c"},
        {"HTTPS://Example.org/news", "https://example.org/news"},
        // The last link of an announcement carries its trailing line break.
        {" http://www.example.org/\r\n", "http://www.example.org/"},
    };
    for (const auto& [href, url] : cases) {
        opened_.clear();
        EXPECT_TRUE(OpenLink(QString::fromUtf8(href))) << href;
        ASSERT_EQ(opened_.size(), 1) << href;
        EXPECT_EQ(opened_.front(), QUrl(url)) << href;
    }
}

TEST_F(OpenLinkTest, IgnoresEverythingElse) {
    for (const char* href :
         {"", "   ", "Label3", "notepad", "notepad.exe", "C:\\Windows\\system32\\cmd.exe",
          "/etc/passwd", "../../etc/passwd", "file:///etc/passwd", "javascript:alert(1)",
          "ftp://www.example.org/", "mailto:a@example.org", "http://", "http:///etc/passwd",
          "www.example.org", "http://exa mple.org/"}) {
        EXPECT_FALSE(OpenLink(QString::fromUtf8(href))) << href;
    }
    EXPECT_TRUE(opened_.isEmpty());
}

TEST_F(OpenLinkTest, ReportsAHandlerThatFails) {
    SetLinkOpener([](const QUrl&) { return false; });
    EXPECT_FALSE(OpenLink("http://www.example.org/"));
}

} // namespace
