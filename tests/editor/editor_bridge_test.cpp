#include "PaneWaiting.h"
#include "shell/EditorBridge.h"
#include "toolkit/BrowserPane.h"
#include "toolkit/ScriptBridge.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QWebEnginePage>
#include <gtest/gtest.h>

using namespace rewrix;
using namespace rewrix::testing;
using namespace std::chrono_literals;
using Reason = EditorAccessError::Reason;

namespace {

const QString kEditorPage = QStringLiteral(REWRIX_SOURCE_DIR "/program/edit/index.html");

// The rich page's pane as the program sets it up: the editor page, kept off the network.
class EditorPage : public ::testing::Test {
protected:
    void SetUp() override {
        pane.resize(640, 420);
        pane.setLocalOnly(true);
        ASSERT_TRUE(loadAndWait(pane, kEditorPage));
    }

    // Runs a script in the article's frame document, as the user's edits would change it.
    QVariant inArticle(const QString& statements) {
        return ScriptBridge::Run(
                   pane, "var doc = window.frames[0].document; var body = doc.body;\n" + statements,
                   10s)
            .value;
    }

    bool articleScriptRan() { return eval(pane, "typeof window.top.ran !== 'undefined'").toBool(); }

    BrowserPane pane;
    EditorBridge bridge{pane};
};

Reason reasonOf(const std::function<void()>& access) {
    try {
        access();
    } catch (const EditorAccessError& error) {
        EXPECT_FALSE(error.message().isEmpty());
        return error.reason();
    }
    ADD_FAILURE() << "no error raised";
    return Reason::ScriptError;
}

} // namespace

TEST_F(EditorPage, StartsEmptyAndReadsAsTheEmptyString) {
    EXPECT_EQ(bridge.GetEditorHtml(), "");
    bridge.SetEditorHtml("<p>x</p>");
    bridge.SetEditorHtml("");
    EXPECT_EQ(bridge.GetEditorHtml(), "");
}

TEST_F(EditorPage, ReadsBackTheBrowsersSerialisationNotTheStringWritten) {
    bridge.SetEditorHtml("<P CLASS=x>第一段<B>粗体</B>&nbsp;&copy;😀<p>第二段");
    EXPECT_EQ(bridge.GetEditorHtml(),
              "<p class=\"x\">第一段<b>粗体</b>&nbsp;©😀</p>\r\n<p>第二段</p>");
}

// Right after a write, with no pause: the page must have put the separators in already.
TEST_F(EditorPage, KeepsOneCrLfBetweenTopLevelBlocksAfterEveryWrite) {
    const struct {
        const char* written;
        const char* read;
    } cases[] = {
        {"<p>a</p><p>b</p><p>c</p>", "<p>a</p>\r\n<p>b</p>\r\n<p>c</p>"},
        {"<p>a</p>\r\n\r\n\r\n<p>b</p>", "<p>a</p>\r\n<p>b</p>"},
        {"\r\n <h1>题</h1>\n<ul><li>x</li>\n<li>y</li></ul>  <p>b</p>\r\n",
         "<h1>题</h1>\r\n<ul><li>x</li>\n<li>y</li></ul>\r\n<p>b</p>"},
        {"引言<p>b</p>尾声", "引言\r\n<p>b</p>\r\n尾声"},
        {"<b>a</b> <i>b</i><br>c", "<b>a</b> <i>b</i><br>c"},
        {"<p>a</p>\r\n<p>b</p>", "<p>a</p>\r\n<p>b</p>"},
    };
    for (const auto& c : cases) {
        bridge.SetEditorHtml(QString::fromUtf8(c.written));
        EXPECT_EQ(bridge.GetEditorHtml(), QString::fromUtf8(c.read)) << c.written;
    }
    // A write whose answer nobody waits for is tidied before the next script runs.
    pane.page()->runJavaScript("window.frames[0].document.body.innerHTML = '<p>x</p><p>y</p>';");
    EXPECT_EQ(bridge.GetEditorHtml(), "<p>x</p>\r\n<p>y</p>");
}

TEST_F(EditorPage, KeepsOneCrLfBetweenBlocksAfterTheUsersEdits) {
    pane.show();
    bridge.SetEditorHtml("<p>一</p><p>二</p>");
    // Typing: Enter at the end of the first paragraph, then a new paragraph's text.
    inArticle("body.focus(); var r = doc.createRange(); r.selectNodeContents(body.firstChild);"
              "r.collapse(false); var s = doc.getSelection(); s.removeAllRanges(); s.addRange(r);"
              "doc.execCommand('insertParagraph'); doc.execCommand('insertText', false, '新');");
    EXPECT_EQ(bridge.GetEditorHtml(), "<p>一</p>\r\n<p>新</p>\r\n<p>二</p>");

    // Deleting the middle paragraph merges the separators around it into one.
    inArticle("body.removeChild(body.childNodes[2]);");
    EXPECT_EQ(bridge.GetEditorHtml(), "<p>一</p>\r\n<p>二</p>");

    // A heading made from the toolbar and a block appended by an edit.
    inArticle("var h = doc.createElement('h2'); h.textContent = '标题'; body.appendChild(h);");
    EXPECT_EQ(bridge.GetEditorHtml(), "<p>一</p>\r\n<p>二</p>\r\n<h2>标题</h2>");
}

TEST_F(EditorPage, TypingIntoAnEmptyArticleMakesSeparatedParagraphs) {
    pane.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pane));
    inArticle("window.frames[0].focus(); body.focus(); return 0;");
    QWidget* keys = pane.focusProxy();
    ASSERT_NE(keys, nullptr);
    QTest::keyClicks(keys, "ab");
    QTest::keyClick(keys, Qt::Key_Return);
    QTest::keyClicks(keys, "cd");
    ASSERT_TRUE(waitUntil([&] { return bridge.GetEditorHtml().contains("cd"); }, 5000));
    EXPECT_EQ(bridge.GetEditorHtml(), "<p>ab</p>\r\n<p>cd</p>");

    QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_TRUE(waitUntil([&] { return !bridge.GetEditorHtml().contains("cd"); }, 5000));
    QTest::keyClick(keys, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(waitUntil([&] { return bridge.GetEditorHtml() == "<p>ab</p>\r\n<p>cd</p>"; }, 5000))
        << bridge.GetEditorHtml().toStdString();
}

TEST_F(EditorPage, ToolbarFormatsTheSelectionAndUndoes) {
    pane.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pane));
    bridge.SetEditorHtml("<p>一二三</p><p>四五</p>");
    auto select = [&](int paragraph) {
        inArticle(QString("window.frames[0].focus(); var r = doc.createRange();"
                          "r.selectNodeContents(body.getElementsByTagName('*')[%1]);"
                          "doc.getSelection().removeAllRanges(); doc.getSelection().addRange(r);"
                          "return 0;")
                      .arg(paragraph));
    };
    // A real click: the button must not take the article's selection away.
    auto click = [&](const QString& command) {
        const QVariantList at =
            eval(pane, QString("(function(){ var b = document.querySelector("
                               "'[data-command=%1]').getBoundingClientRect();"
                               " return [b.left + b.width / 2, b.top + b.height / 2]; })()")
                           .arg(command))
                .toList();
        ASSERT_EQ(at.size(), 2);
        QTest::mouseClick(pane.focusProxy(), Qt::LeftButton, {},
                          QPoint(at[0].toInt(), at[1].toInt()));
    };
    auto becomes = [&](const QString& html) {
        return waitUntil([&] { return bridge.GetEditorHtml() == html; }, 3000);
    };

    select(0);
    click("bold");
    EXPECT_TRUE(becomes("<p><b>一二三</b></p>\r\n<p>四五</p>"))
        << bridge.GetEditorHtml().toStdString();
    click("undo");
    EXPECT_TRUE(becomes("<p>一二三</p>\r\n<p>四五</p>")) << bridge.GetEditorHtml().toStdString();
    click("redo");
    EXPECT_TRUE(becomes("<p><b>一二三</b></p>\r\n<p>四五</p>"))
        << bridge.GetEditorHtml().toStdString();
    select(0);
    click("removeFormat");
    EXPECT_TRUE(becomes("<p>一二三</p>\r\n<p>四五</p>")) << bridge.GetEditorHtml().toStdString();

    select(0);
    eval(pane, "(function(){ var s = document.getElementById('block'); s.value = 'h2';"
               " s.dispatchEvent(new Event('change')); return 0; })()");
    EXPECT_TRUE(becomes("<h2>一二三</h2>\r\n<p>四五</p>")) << bridge.GetEditorHtml().toStdString();
    select(1);
    click("insertUnorderedList");
    EXPECT_TRUE(becomes("<h2>一二三</h2>\r\n<ul><li>四五</li></ul>"))
        << bridge.GetEditorHtml().toStdString();
    select(0);
    click("italic");
    click("underline");
    EXPECT_TRUE(becomes("<h2><i><u>一二三</u></i></h2>\r\n<ul><li>四五</li></ul>"))
        << bridge.GetEditorHtml().toStdString();
}

// Lists stay top-level blocks of their own, and taking a list away gives back one
// paragraph per item instead of one paragraph with line breaks.
TEST_F(EditorPage, ListsComeAndGoAsWholeBlocks) {
    pane.show();
    auto toggle = [&](const char* command, int from, int to) {
        inArticle(QString("window.frames[0].focus(); var r = doc.createRange();"
                          "var kids = body.children; r.setStart(kids[%1].firstChild, 0);"
                          "r.setEnd(kids[%2].lastChild, 0); doc.getSelection().removeAllRanges();"
                          "doc.getSelection().addRange(r); return 0;")
                      .arg(from)
                      .arg(to));
        eval(pane, QString("(function(){ document.querySelector('[data-command=%1]').click();"
                           " return 0; })()")
                       .arg(command));
        return bridge.GetEditorHtml();
    };
    bridge.SetEditorHtml("<p>甲</p><p>乙</p><p>丙</p>");
    EXPECT_EQ(toggle("insertOrderedList", 0, 1), "<ol><li>甲</li><li>乙</li></ol>\r\n<p>丙</p>");
    EXPECT_EQ(toggle("insertOrderedList", 0, 0), "<p>甲</p>\r\n<p>乙</p>\r\n<p>丙</p>");
    EXPECT_EQ(toggle("insertUnorderedList", 1, 2), "<p>甲</p>\r\n<ul><li>乙</li><li>丙</li></ul>");
    EXPECT_EQ(toggle("insertOrderedList", 0, 1), "<ol><li>甲</li><li>乙</li><li>丙</li></ol>");
    inArticle("doc.execCommand('undo'); return 0;");
    EXPECT_EQ(bridge.GetEditorHtml(), "<p>甲</p>\r\n<ul><li>乙</li><li>丙</li></ul>");
}

TEST_F(EditorPage, ScriptsAndHandlersInTheArticleNeverRun) {
    bridge.SetEditorHtml(
        "<p>正文</p><script>top.ran = 'script';</script>"
        "<img src=x onerror=\"top.ran = 'onerror'\">"
        "<svg><image href=y onerror=\"top.ran = 'svg'\"></image></svg>"
        "<svg onload=\"top.ran = 'onload'\"></svg>"
        "<iframe srcdoc=\"<script>top.ran = 'srcdoc'</script>\"></iframe>"
        "<details open ontoggle=\"top.ran = 'toggle'\"><summary>s</summary></details>"
        "<a id=go href=\"javascript:top.ran = 'href'\">链接</a>"
        "<p style=\"background:url(javascript:top.ran='css')\">x</p>");
    inArticle("doc.getElementById('go').click(); return 0;");
    pause(800);
    EXPECT_FALSE(articleScriptRan()) << eval(pane, "String(top.ran)").toString().toStdString();
    // The article is still there as written, handlers and all: nothing was silently removed.
    EXPECT_TRUE(bridge.GetEditorHtml().contains("onerror="));
}

// Writes an article that reaches for a local server in every way an article can, submits
// its form, and returns how many connections the server saw.
int connectionsFromArticle(BrowserPane& pane, EditorBridge& bridge) {
    QTcpServer server;
    EXPECT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    int connections = 0;
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        while (QTcpSocket* socket = server.nextPendingConnection()) {
            ++connections;
            socket->deleteLater();
        }
    });
    const QString at = QString("http://127.0.0.1:%1").arg(server.serverPort());
    const QString article =
        QString("<p>正文</p><img src=\"%1/a.png\"><link rel=stylesheet href=\"%1/b.css\">"
                "<style>@import url(%1/c.css); p { background: url(%1/d.png) }</style>"
                "<iframe src=\"%1/e.html\"></iframe><video src=\"%1/f.mp4\" autoplay></video>"
                "<object data=\"%1/g.swf\"></object><audio src=\"%1/h.mp3\" autoplay></audio>"
                "<form action=\"%1/i\"></form><meta http-equiv=refresh content=\"0;url=%1/j\">"
                "<meta http-equiv=refresh content=\"0;url=about:blank\">"
                "<p style=\"background-image:url(%1/k.png)\">x</p>")
            .arg(at);
    bridge.SetEditorHtml(article);
    ScriptBridge::Run(pane, "window.frames[0].document.forms[0].submit();", 5s);
    pause(1500);
    // Neither a refresh nor the form took the article's frame elsewhere.
    EXPECT_TRUE(bridge.GetEditorHtml().startsWith("<p>正文</p>"));
    return connections;
}

TEST_F(EditorPage, TheArticleLoadsNothingFromTheNetwork) {
    EXPECT_EQ(connectionsFromArticle(pane, bridge), 0);
}

TEST_F(EditorPage, AReloadDoesNotThrowTheArticleAway) {
    bridge.SetEditorHtml("<p>留下</p>");
    pane.reload();
    pane.page()->triggerAction(QWebEnginePage::Back);
    pause(500);
    EXPECT_EQ(pane.loadState(), BrowserPane::LoadState::Loaded);
    EXPECT_EQ(bridge.GetEditorHtml(), "<p>留下</p>");
}

// The page's own policy holds even in a pane that does not keep itself off the network.
TEST(EditorPageAlone, TheArticleLoadsNothingFromTheNetwork) {
    BrowserPane pane;
    ASSERT_TRUE(loadAndWait(pane, kEditorPage));
    EditorBridge bridge(pane);
    EXPECT_EQ(connectionsFromArticle(pane, bridge), 0);
}

TEST_F(EditorPage, PastingKeepsTheArticlesStructureAndNothingElse) {
    pane.show();
    bridge.SetEditorHtml("");
    const char* pasted =
        "<html><head><style>p{color:red}</style><script>top.ran='head'</script></head><body>"
        "<h2 style=\"color:red\">标题</h2><p>第一<b>粗</b><i>斜</i><u>线</u>"
        "<span style=\"font-weight:700\">重</span><a href=\"http://example.invalid/x\" "
        "onclick=\"top.ran='click'\">链接</a><a href=\"javascript:top.ran='href'\">坏</a></p>"
        "<div>第二<br>换行</div><div class=page><div>第三</div><section><div>第四</div></section>"
        "</div><ul><li>一项</li><li>二项</li></ul><ol><li>甲</li></ol>"
        "<img src=x onerror=\"top.ran='img'\"><script>top.ran='body'</script></body></html>";
    inArticle(QString("body.focus(); var dt = new DataTransfer(); dt.setData('text/html', %1);"
                      "body.dispatchEvent(new ClipboardEvent('paste', {clipboardData: dt,"
                      " bubbles: true, cancelable: true})); return 0;")
                  .arg("'" + QString::fromUtf8(pasted).replace("'", "\\'") + "'"));
    const QString html = bridge.GetEditorHtml();
    for (const char* kept : {"<h2", "标题</h2>", "<b>粗</b>", "<i>斜</i>", "<u>线</u>", "<b>重</b>",
                             "<a href=\"http://example.invalid/x\">链接</a>",
                             "<p>第二<br>换行</p>\r\n<p>第三</p>\r\n<p>第四</p>\r\n<ul>",
                             "<li>一项</li><li>二项</li>", "<ol><li>甲</li></ol>"})
        EXPECT_TRUE(html.contains(QString::fromUtf8(kept))) << kept << "\n" << html.toStdString();
    for (const char* gone : {"<script", "<img", "onclick", "javascript:", "<style"})
        EXPECT_FALSE(html.contains(QString::fromUtf8(gone))) << gone << "\n" << html.toStdString();
    EXPECT_TRUE(html.contains("</h2>\r\n<p>")) << html.toStdString();
    pause(300);
    EXPECT_FALSE(articleScriptRan());
}

// Through the system clipboard and the browser's own paste action, as Ctrl+V does it.
TEST_F(EditorPage, PastingFromTheClipboardGoesThroughTheSameRules) {
    pane.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pane));
    auto* data = new QMimeData;
    data->setHtml("<h1>题目</h1><p>一<b>二</b><img src=x onerror=\"top.ran='img'\"></p>");
    data->setText("题目\n一二");
    QGuiApplication::clipboard()->setMimeData(data);
    inArticle("window.frames[0].focus(); body.focus(); return 0;");
    pane.page()->triggerAction(QWebEnginePage::Paste);
    ASSERT_TRUE(waitUntil([&] { return bridge.GetEditorHtml().contains("二"); }, 5000));
    EXPECT_EQ(bridge.GetEditorHtml(), "<h1>题目</h1>\r\n<p>一<b>二</b></p>");
    EXPECT_FALSE(articleScriptRan());
}

TEST_F(EditorPage, PastedPlainTextLinesBecomeParagraphs) {
    bridge.SetEditorHtml("");
    inArticle("body.focus(); var dt = new DataTransfer();"
              "dt.setData('text/plain', '第一段\\r\\n\\r\\n第二段 <b>\\n第三段');"
              "body.dispatchEvent(new ClipboardEvent('paste', {clipboardData: dt,"
              " bubbles: true, cancelable: true})); return 0;");
    EXPECT_EQ(bridge.GetEditorHtml(), "<p>第一段</p>\r\n<p>第二段 &lt;b&gt;</p>\r\n<p>第三段</p>");
}

TEST(EditorBridge, PageNotLoadedIsAnError) {
    BrowserPane never;
    EditorBridge bridge(never, 1s);
    EXPECT_EQ(reasonOf([&] { bridge.GetEditorHtml(); }), Reason::PageNotLoaded);
    EXPECT_EQ(reasonOf([&] { bridge.SetEditorHtml("<p>x</p>"); }), Reason::PageNotLoaded);

    BrowserPane missing;
    missing.Navigate(REWRIX_SOURCE_DIR "/program/edit/absent.html");
    ASSERT_TRUE(waitUntil([&] { return missing.loadState() == BrowserPane::LoadState::Failed; }));
    EditorBridge onMissing(missing, 1s);
    EXPECT_EQ(reasonOf([&] { onMissing.GetEditorHtml(); }), Reason::PageNotLoaded);
}

TEST(EditorBridge, APageWithoutAFrameOrWithoutABodyIsAnError) {
    BrowserPane pane;
    EditorBridge bridge(pane, 5s);
    ASSERT_TRUE(loadAndWait(pane, "data:text/html,<p id=top>no frame here</p>"));
    EXPECT_EQ(reasonOf([&] { bridge.GetEditorHtml(); }), Reason::NoFrame);
    EXPECT_EQ(reasonOf([&] { bridge.SetEditorHtml("<p>x</p>"); }), Reason::NoFrame);
    EXPECT_EQ(eval(pane, "document.body.innerHTML").toString(), "<p id=\"top\">no frame here</p>");

    ASSERT_TRUE(loadAndWait(pane, "data:text/html,<iframe></iframe>"));
    eval(pane, "(function(){ var d = frames[0].document; d.documentElement.removeChild(d.body);"
               " return 0; })()");
    EXPECT_EQ(reasonOf([&] { bridge.GetEditorHtml(); }), Reason::NoBody);
    EXPECT_EQ(reasonOf([&] { bridge.SetEditorHtml("<p>x</p>"); }), Reason::NoBody);
}

TEST_F(EditorPage, ABusyPageIsAnErrorAndALateWriteChangesNothing) {
    bridge.SetEditorHtml("<p>原文</p>");
    EditorBridge hasty(pane, 300ms);
    // Keep the page busy for a while, as a page stuck in a long script would be.
    pane.page()->runJavaScript("var t = Date.now(); while (Date.now() - t < 2000) {}");
    EXPECT_EQ(reasonOf([&] { hasty.SetEditorHtml("<p>迟到的</p>"); }), Reason::NoAnswer);
    EXPECT_EQ(reasonOf([&] { hasty.GetEditorHtml(); }), Reason::NoAnswer);
    pause(2500);
    EXPECT_EQ(bridge.GetEditorHtml(), "<p>原文</p>");
}
