// The commands of both pages on a started window, with the real editor page.

#include "ShellFixtures.h"

#include "platform/FileOps.h"
#include "shell/EditorBridge.h"
#include "shell/FrmMain.h"
#include "shell/ResultFile.h"
#include "shell/TextBox.h"
#include "tests/support/WaitUntil.h"
#include "toolkit/BrowserPane.h"
#include "toolkit/Events.h"
#include "toolkit/MessageBox.h"
#include "toolkit/ScriptBridge.h"
#include "widgets/ProgressBar/ProgressBar.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>

using namespace rewrix;
using namespace std::chrono_literals;

namespace {

using rewrix::test::WaitUntil;

struct Bar {
    int value, max;
    QString text;
    friend bool operator==(const Bar&, const Bar&) = default;
};

Bar StateOf(const ProgressBar& bar) {
    return {bar.Value(), bar.Max(), bar.Text()};
}

void PrintTo(const Bar& bar, std::ostream* os) {
    *os << bar.value << '/' << bar.max << " \"" << bar.text.toStdString() << '"';
}

// A started window on a program directory of the test's own, on its rich page
// with the editor page loaded.
class Commands : public testing::Test {
protected:
    void SetUp() override { Start(); }

    void Start(engine::YieldHook yield = {}) {
        auto settings = dir.Settings(1s);
        settings.yield = std::move(yield);
        window = std::make_unique<FrmMain>(settings);
        ScopedMessageBoxRecorder startBoxes;
        ASSERT_TRUE(window->Form_Load());
        window->show();
        window->lumobutton1_Click();
        ASSERT_TRUE(WaitUntil(
            [&] { return w().WebBrowser2->loadState() == BrowserPane::LoadState::Loaded; }));
    }

    FrmMain& w() { return *window; }
    EditorBridge Editor() { return EditorBridge(*w().WebBrowser2); }

    QByteArray ResultBytes() {
        QFile file(ResultFilePath(dir.path()));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    // Whatever a handler inside the article would have left in the top document.
    bool ArticleScriptRan() {
        return ScriptBridge::Run(*w().WebBrowser2, "return typeof window.top.ran !== 'undefined';",
                                 10s)
            .value.toBool();
    }

    shelltest::ProgramDir dir;
    std::unique_ptr<FrmMain> window;
};

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

TEST_F(Commands, PlainPageRewritesItsTextAndLeavesTheRichPagesBarAlone) {
    const struct {
        const char* name;
        QString text;
        bool paragraphs;
        bool synonyms;
        QString expected; // unused where `changed` is false: nothing happens
        bool changed;
    } cases[] = {
        {"nine characters", "一二三四五美丽八九", false, true, "", false},
        {"ten characters", "一二三四五美丽八九十", false, true, "一二三四五漂亮八九十", true},
        {"five line breaks", kCrLf.repeated(5), true, true, "", true},
        {"only line breaks cleaned", "\r\n\r\n第一段美丽\r\n\r\n\r\n第二段。\r\n", false, false,
         "第一段美丽\r\n第二段。", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Start();
        w().Option1->setChecked(c.paragraphs);
        w().Check1->setChecked(c.synonyms);
        w().TxtContent->SetText(c.text);
        const Bar before = StateOf(*w().ProgressBar1);
        const Bar rich = StateOf(*w().ProgressBar2);

        w().CmdDo->click();

        EXPECT_EQ(w().TxtContent->Text(), c.changed ? c.expected : c.text);
        if (c.changed)
            EXPECT_EQ(w().ProgressBar1->Text(), "伪原创处理完成！");
        else
            EXPECT_EQ(StateOf(*w().ProgressBar1), before);
        EXPECT_EQ(StateOf(*w().ProgressBar2), rich);
    }
}

TEST_F(Commands, PlainPageShufflesParagraphsOrSentencesAsItsOptionSays) {
    const struct {
        const char* name;
        QRadioButton* FrmMain::*option;
        QString joined, separator;
    } cases[] = {
        // Blank lines between the paragraphs disappear.
        {"paragraphs", &FrmMain::Option1, "\r\n\r\n", kCrLf},
        {"sentences", &FrmMain::Option2, "。", "。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Start();
        QStringList pieces;
        for (int i = 1; i <= 8; ++i)
            pieces << QStringLiteral("第%1段，文字").arg(i);
        (w().*c.option)->setChecked(true);
        w().Check1->setChecked(false);
        w().TxtContent->SetText(pieces.join(c.joined));

        w().CmdDo->click();

        const QStringList out = w().TxtContent->Text().split(c.separator);
        EXPECT_NE(out, pieces);
        QStringList sorted = out;
        sorted.sort();
        EXPECT_EQ(sorted, pieces);
        EXPECT_EQ(w().ProgressBar1->Max(), 7);
        EXPECT_EQ(w().ProgressBar1->Value(), 7);
    }
}

TEST_F(Commands, UndoBringsThePlainArticleBack) {
    const QString article = QStringLiteral("第一段美丽的文字\r\n\r\n第二段");
    w().TxtContent->SetText(article);
    w().CmdDo->click();
    ASSERT_EQ(w().TxtContent->Text(), "第一段漂亮的文字\r\n第二段");

    QTest::keyClick(w().TxtContent, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(w().TxtContent->Text(), article);
}

TEST_F(Commands, RichPageRewritesTheEditorsSourceMarkupIncluded) {
    const struct {
        const char* name;
        QString html;
        bool synonyms;
        QString expected;
        bool changed;
    } cases[] = {
        // Nine and ten characters of source, markup included.
        {"nine characters", "<p>美丽</p>", true, "", false},
        {"ten characters", "<p>美丽的</p>", true, "<p>漂亮的</p>", true},
        // An empty paragraph counts by its markup.
        {"markup only", "<p><br></p>", true, "<p><br></p>", true},
        {"no synonyms", "<p>美丽的花园</p>", false, "<p>美丽的花园</p>", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Start();
        w().Check3->setChecked(c.synonyms);
        Editor().SetEditorHtml(c.html);
        const Bar before = StateOf(*w().ProgressBar2);
        const Bar plain = StateOf(*w().ProgressBar1);
        ScopedMessageBoxRecorder boxes;

        w().CmdWyc->click();

        EXPECT_EQ(Editor().GetEditorHtml(), c.changed ? c.expected : c.html);
        if (c.changed)
            EXPECT_EQ(w().ProgressBar2->Text(), "伪原创处理完成完成！");
        else
            EXPECT_EQ(StateOf(*w().ProgressBar2), before);
        EXPECT_EQ(StateOf(*w().ProgressBar1), plain);
        EXPECT_TRUE(boxes.Calls().isEmpty());
    }
}

TEST_F(Commands, RichPageParagraphShuffleReordersTheArticlesBlocks) {
    QStringList blocks;
    for (int i = 1; i <= 8; ++i)
        blocks << QStringLiteral("<p>第%1段</p>").arg(i);
    blocks << QStringLiteral("<h2>小标题</h2>")
           << QStringLiteral("<ul><li>甲</li><li>乙</li></ul>");
    w().Option3->setChecked(true);
    w().Check3->setChecked(false);
    Editor().SetEditorHtml(blocks.join(QString()));

    w().CmdWyc->click();

    const QStringList out = Editor().GetEditorHtml().split(kCrLf);
    EXPECT_NE(out, blocks);
    QStringList sorted = out, expected = blocks;
    sorted.sort();
    expected.sort();
    EXPECT_EQ(sorted, expected);
}

// A command started at a yield point runs to its end inside the interrupted
// one, which then writes its own result over the page it came from.
TEST_F(Commands, ACommandClickedAtAYieldPointRunsInsideTheInterruptedOne) {
    const QString first = QStringLiteral("第一篇美丽的文章，够长了");
    const QString second = QStringLiteral("第二篇美丽的文章，也够长");
    const QString firstDone = QStringLiteral("第一篇漂亮的文章，够长了");
    const QByteArray secondDone = QStringLiteral("第二篇漂亮的文章，也够长").toUtf8();
    const QString plainDone = QStringLiteral("伪原创处理完成！");
    const QString richDone = QStringLiteral("伪原创处理完成完成！");
    const QString waiting = QStringLiteral("等待中...");
    enum Page { Plain, Rich };
    enum Command { Do, Wyc, Ft, Save };
    const struct {
        const char* name;
        Page outer;
        Command inner;
        QByteArray innerResult;
        int yields;
        QString bar1, bar2;
    } cases[] = {
        {"plain in plain", Plain, Do, secondDone, 4, plainDone, waiting},
        {"rich in rich", Rich, Wyc, secondDone, 4, waiting, richDone},
        {"rich in plain", Plain, Wyc, secondDone, 4, plainDone, richDone},
        {"plain in rich", Rich, Do, secondDone, 4, plainDone, richDone},
        {"convert in rich", Rich, Ft, QStringLiteral("第二篇美麗的文章，也夠長").toUtf8(), 2,
         waiting, richDone},
        {"save in rich", Rich, Save, ResultFileBytes(second).c_str(), 2, waiting, richDone},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto text = [&](Page page) {
            return page == Plain ? w().TxtContent->Text() : Editor().GetEditorHtml();
        };
        auto setText = [&](Page page, const QString& t) {
            if (page == Plain)
                w().TxtContent->SetText(t);
            else
                Editor().SetEditorHtml(t);
        };
        QPushButton* outer = nullptr;
        QPushButton* inner = nullptr;
        const Page innerPage = c.inner == Do ? Plain : Rich;
        int yields = 0;
        QByteArray innerResult;
        ScopedMessageBoxRecorder boxes;
        Start([&] {
            if (++yields == 1) {
                // The user goes to the other article, edits it and clicks at the first
                // yield point.
                if (innerPage == Plain)
                    w().lumobutton2_Click();
                else
                    w().lumobutton1_Click();
                setText(innerPage, second);
                QTest::mouseClick(inner, Qt::LeftButton);
                innerResult = c.inner == Save ? ResultBytes() : text(innerPage).toUtf8();
            }
            ProcessPendingEvents();
        });
        outer = c.outer == Plain ? w().CmdDo : w().CmdWyc;
        inner = QList<QPushButton*>{w().CmdDo, w().CmdWyc, w().CmdFt, w().CmdSave}[c.inner];
        if (c.outer == Plain)
            w().lumobutton2_Click();
        setText(c.outer, first);

        outer->click();

        EXPECT_EQ(innerResult, c.innerResult);
        EXPECT_EQ(text(c.outer), firstDone);
        EXPECT_EQ(yields, c.yields);
        EXPECT_EQ(w().ProgressBar1->Text(), c.bar1);
        EXPECT_EQ(w().ProgressBar2->Text(), c.bar2);
        EXPECT_EQ(boxes.Calls().size(), c.inner == Save ? 1 : 0);
    }
}

TEST_F(Commands, ConvertTurnsTheArticleTraditionalOnceAndForAll) {
    Editor().SetEditorHtml("<p class=\"头发\">头发的发展</p><p>没有</p>");
    const Bar before = StateOf(*w().ProgressBar2);
    const Bar plain = StateOf(*w().ProgressBar1);

    w().CmdFt->click();
    const QString once = Editor().GetEditorHtml();
    w().CmdFt->click();

    EXPECT_EQ(once, "<p class=\"頭髮\">頭髮的發展</p>\r\n<p>沒有</p>");
    EXPECT_EQ(Editor().GetEditorHtml(), once);
    EXPECT_EQ(StateOf(*w().ProgressBar2), (Bar{before.value, before.max, "转换成繁体成功！"}));
    EXPECT_EQ(StateOf(*w().ProgressBar1), plain);
}

TEST_F(Commands, ConvertingAnEmptyEditorStillReportsSuccess) {
    w().CmdFt->click();
    EXPECT_EQ(Editor().GetEditorHtml(), "");
    EXPECT_EQ(w().ProgressBar2->Text(), "转换成繁体成功！");
}

TEST_F(Commands, SaveWritesCodePage936WithGb18030ForTheRestThenCrLf) {
    const struct {
        const char* name;
        QString html;
        QByteArray bytes;
    } cases[] = {
        {"empty editor", "", "\r\n"},
        {"Traditional character", "<p>發</p>", "<p>\xb0\x6c</p>\r\n"},
        {"euro sign", "<p>€</p>", "<p>\x80</p>\r\n"},
        {"emoji", "<p>😀</p>", "<p>\x94\x39\xfc\x36</p>\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Editor().SetEditorHtml(c.html);
        ScopedMessageBoxRecorder boxes;

        w().CmdSave->click();

        EXPECT_EQ(ResultBytes(), c.bytes);
        ASSERT_EQ(boxes.Calls().size(), 1);
        EXPECT_EQ(boxes.Calls()[0].text, "已成功将文件保存到当前目录下");
        EXPECT_EQ(boxes.Calls()[0].title, "成功提示");
        EXPECT_EQ(boxes.Calls()[0].icon, QMessageBox::Information);
    }
}

TEST_F(Commands, SavingTwiceKeepsOnlyTheSecondContent) {
    ScopedMessageBoxRecorder boxes;
    Editor().SetEditorHtml("<p>第一次保存的较长的内容</p>");
    w().CmdSave->click();
    Editor().SetEditorHtml("<p>二</p>");
    w().CmdSave->click();
    EXPECT_EQ(ResultBytes(), "<p>\xb6\xfe</p>\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"已处理文本.txt"});
}

namespace {

// Fails one kind of call with an error root would meet too (or not meet at all).
class FailingOps : public platform::FileOps {
public:
    enum Call { OnOpen, OnWrite, OnRename };
    FailingOps(Call call, int error) : call_(call), error_(error) {}
    int Open(const char* path, int flags, mode_t mode) override {
        return call_ == OnOpen ? Fail() : FileOps::Open(path, flags, mode);
    }
    ssize_t Write(int fd, const void* data, size_t size) override {
        // Part of the bytes may land before the disk fills up.
        if (call_ == OnWrite)
            return written_++ == 0 ? FileOps::Write(fd, data, size > 1 ? 1 : size) : Fail();
        return FileOps::Write(fd, data, size);
    }
    int Rename(const char* from, const char* to) override {
        return call_ == OnRename ? Fail() : FileOps::Rename(from, to);
    }

private:
    int Fail() {
        errno = error_;
        return -1;
    }
    Call call_;
    int error_;
    int written_ = 0;
};

} // namespace

TEST_F(Commands, AFailedSaveShowsWhyAndLeavesThePreviousFileWhole) {
    const struct {
        const char* name;
        FailingOps::Call call;
        int error;
    } cases[] = {
        {"unwritable folder", FailingOps::OnOpen, EACCES},
        {"full disk", FailingOps::OnWrite, ENOSPC},
        {"read-only file system", FailingOps::OnRename, EROFS},
    };
    const QByteArray previous = "<p>\xc9\xcf\xb4\xce</p>\r\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dir.Write(QStringLiteral("已处理文本.txt"), previous);
        Editor().SetEditorHtml("<p>新的内容，比原来的长得多</p>");
        FailingOps ops(c.call, c.error);
        ScopedResultFileOps seam(ops);
        ScopedMessageBoxRecorder boxes;

        w().CmdSave->click();

        EXPECT_EQ(ResultBytes(), previous);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{"已处理文本.txt"});
        ASSERT_EQ(boxes.Calls().size(), 1);
        EXPECT_NE(boxes.Calls()[0].title, "成功提示");
        EXPECT_EQ(boxes.Calls()[0].icon, QMessageBox::Warning);
        EXPECT_TRUE(boxes.Calls()[0].text.contains(QString::fromUtf8(std::strerror(c.error))))
            << boxes.Calls()[0].text.toStdString();
        EXPECT_TRUE(boxes.Calls()[0].text.contains("已处理文本.txt"));
    }
}

// No seam: the result file's name is taken by a folder, which no one can
// rename a file over.
TEST_F(Commands, SavingOverAFolderFailsWithABox) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("已处理文本.txt")));
    ScopedMessageBoxRecorder boxes;
    w().CmdSave->click();
    ASSERT_EQ(boxes.Calls().size(), 1);
    EXPECT_EQ(boxes.Calls()[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(QFileInfo(ResultFilePath(dir.path())).isDir());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

// Every editor command on a page it cannot reach: a box that names the
// problem, nothing changed, and the window goes on.
TEST_F(Commands, AnUnreachableEditorShowsWhyAndChangesNothing) {
    dir.Write(QStringLiteral("edit/noframe.html"), "<html><body><p>没有编辑框</p></body></html>");
    dir.Write(QStringLiteral("已处理文本.txt"), "old\r\n");
    const struct {
        const char* name;
        QString page;
        QString named; // a word of the box's text
    } pages[] = {
        {"missing page", "edit/missing.html", "没有载入"},
        {"page without a frame", "edit/noframe.html", "没有编辑框"},
    };
    for (const auto& p : pages) {
        SCOPED_TRACE(p.name);
        w().WebBrowser2->Navigate(dir.path() + QLatin1Char('/') + p.page);
        ASSERT_TRUE(WaitUntil([&] {
            const auto state = w().WebBrowser2->loadState();
            return state == BrowserPane::LoadState::Loaded ||
                   state == BrowserPane::LoadState::Failed;
        }));
        for (QPushButton* button : {w().CmdWyc, w().CmdFt, w().CmdSave}) {
            SCOPED_TRACE(button->objectName().toStdString());
            const Bar before = StateOf(*w().ProgressBar2);
            ScopedMessageBoxRecorder boxes;
            button->click();
            ASSERT_EQ(boxes.Calls().size(), 1);
            EXPECT_EQ(boxes.Calls()[0].icon, QMessageBox::Warning);
            EXPECT_TRUE(boxes.Calls()[0].text.contains(p.named))
                << boxes.Calls()[0].text.toStdString();
            EXPECT_EQ(StateOf(*w().ProgressBar2), before);
            EXPECT_EQ(ResultBytes(), "old\r\n");
        }
    }
    // The program goes on: the plain page still works.
    w().TxtContent->SetText(QStringLiteral("一篇美丽的文章，十个字以上"));
    w().CmdDo->click();
    EXPECT_EQ(w().TxtContent->Text(), "一篇漂亮的文章，十个字以上");
}

TEST_F(Commands, ScriptsInTheArticleNeverRunWhenCommandsRewriteIt) {
    Editor().SetEditorHtml("<p>美丽的图片</p><img src=x onerror=\"window.top.ran=1\">"
                           "<script>window.top.ran=2</script>"
                           "<p onclick=\"window.top.ran=3\">点我</p>");
    w().Option3->setChecked(true);
    w().CmdWyc->click();
    w().CmdFt->click();
    QTest::qWait(300);
    EXPECT_FALSE(ArticleScriptRan());
    EXPECT_TRUE(Editor().GetEditorHtml().contains("onerror"));
}
