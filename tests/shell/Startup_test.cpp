#include "ShellFixtures.h"

#include "shell/FrmMain.h"
#include "shell/RunRewrix.h"
#include "tests/support/LocalHttpServer.h"
#include "toolkit/BrowserPane.h"
#include "toolkit/MessageBox.h"
#include "widgets/ProgressBar/ProgressBar.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QGroupBox>
#include <QTimer>
#include <gtest/gtest.h>

using namespace rewrix;
using namespace std::chrono_literals;

namespace {

const QString kMissingDictionary = QStringLiteral("词典文件损坏或丢失，请到官网下载完整安装包！");

// Counts the times a window is shown.
class ShowCounter : public QObject {
public:
    explicit ShowCounter(QWidget* window) { window->installEventFilter(this); }
    int shows = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

} // namespace

TEST(Startup, WithoutTheDictionaryTellsTheUserOnceAndEndsWithoutShowingTheWindow) {
    const struct {
        const char* name;
        shelltest::ProgramDir::Dictionary dictionary;
        bool directoryInstead;
    } cases[] = {
        {"no dict.dict", shelltest::ProgramDir::Missing, false},
        {"a directory named dict.dict", shelltest::ProgramDir::Missing, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        shelltest::ProgramDir dir(c.dictionary);
        if (c.directoryInstead)
            QDir(dir.path()).mkpath("data/dict.dict");
        LocalHttpServer server;
        server.Answer(200, "text/plain", "公告,http://a.example/");
        FrmMainSettings settings = dir.Settings();
        settings.announcement = server.Url();

        ScopedMessageBoxRecorder boxes;
        FrmMain window(settings);
        ShowCounter counter(&window);
        EXPECT_FALSE(window.Form_Load());
        ASSERT_EQ(boxes.Calls().size(), 1);
        EXPECT_EQ(boxes.Calls()[0].text, kMissingDictionary);
        EXPECT_EQ(boxes.Calls()[0].title, "提示");
        EXPECT_EQ(boxes.Calls()[0].icon, QMessageBox::Information);
        EXPECT_EQ(boxes.Calls()[0].buttons, QMessageBox::Ok);
        EXPECT_EQ(counter.shows, 0);
        EXPECT_FALSE(window.isVisible());
        // Start-up went no further: no announcement was asked for.
        EXPECT_EQ(server.Requests(), 0);

        // The program's main path ends with a failure status.
        EXPECT_EQ(RunRewrix(settings, [](FrmMain&) { ADD_FAILURE() << "window shown"; }), 1);
        EXPECT_EQ(boxes.Calls().size(), 2);
    }
}

TEST(Startup, StartsNormallyWithAnEmptyDictionaryOrWithoutTheEditorPage) {
    const struct {
        const char* name;
        shelltest::ProgramDir::Dictionary dictionary;
        bool editorPage;
        int entries;
    } cases[] = {
        {"an empty dictionary", shelltest::ProgramDir::Empty, true, 0},
        {"no editor page", shelltest::ProgramDir::Small, false, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        shelltest::ProgramDir dir(c.dictionary);
        if (!c.editorPage)
            QDir(dir.path() + "/edit").removeRecursively();
        ScopedMessageBoxRecorder boxes;
        FrmMain window(dir.Settings());
        EXPECT_TRUE(window.Form_Load());
        EXPECT_TRUE(boxes.Calls().isEmpty());
        EXPECT_EQ(window.DictTable().Count(), c.entries);
        EXPECT_TRUE(window.Frame2->isVisibleTo(&window));
        EXPECT_FALSE(window.Frame1->isVisibleTo(&window));
        EXPECT_EQ(window.ProgressBar1->Text(), "等待中...");
    }
}

TEST(Startup, TheShippedDictionaryIsLoaded) {
    FrmMainSettings settings = shelltest::ProgramDir().Settings();
    settings.programDir = QStringLiteral(REWRIX_PROGRAM_DIR);
    FrmMain window(settings);
    ASSERT_TRUE(window.Form_Load());
    EXPECT_GT(window.DictTable().Count(), 1000);
    qApp->setStyleSheet(QString());
}

TEST(Startup, TheSkinOfTheProgramDirectoryIsAppliedAndABrokenOneIgnored) {
    const QByteArray good = "/* test skin */ QPushButton { color: #123456; }\n";
    const struct {
        const char* name;
        QByteArray skin;
        bool write;
        QString sheet;
    } cases[] = {
        {"a good skin", good, true, QString::fromUtf8(good)},
        {"no skin file", {}, false, QString()},
        {"a skin Qt cannot parse", "QPushButton { color: ", true, QString()},
        {"a skin that is not UTF-8", "QPushButton { color: red; } /* \xff\xfe */", true, QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        qApp->setStyleSheet(QString());
        shelltest::ProgramDir dir;
        if (c.write)
            dir.Write("skinh.she", c.skin);
        ScopedMessageBoxRecorder boxes;
        FrmMain window(dir.Settings());
        EXPECT_TRUE(window.Form_Load());
        EXPECT_TRUE(boxes.Calls().isEmpty());
        EXPECT_EQ(qApp->styleSheet(), c.sheet);
    }
    qApp->setStyleSheet(QString());
}

TEST(Startup, PagesAndPanesAreSetUpBeforeTheAnnouncementWaitWhileEventsFlow) {
    shelltest::ProgramDir dir;
    LocalHttpServer server;
    server.Answer(200, "text/plain", "公告,http://a.example/", 400);
    FrmMainSettings settings = dir.Settings();
    settings.announcement = server.Url();
    FrmMain window(settings);

    // A timer fires during the wait only if the window's events flow meanwhile.
    struct Seen {
        bool fired = false, richHidden = false, tickerHidden = false, panesLoading = false;
        QString barText;
    } seen;
    QTimer::singleShot(100, &window, [&] {
        seen.fired = true;
        seen.richHidden = !window.Frame1->isVisibleTo(&window);
        seen.tickerHidden = !window.controlWindow("UserControl11")->isVisibleTo(&window);
        seen.panesLoading = window.WebBrowser1->loadState() != BrowserPane::LoadState::Empty &&
                            window.WebBrowser2->loadState() != BrowserPane::LoadState::Empty;
        seen.barText = window.ProgressBar1->Text();
    });
    ASSERT_TRUE(window.Form_Load());
    EXPECT_TRUE(seen.fired);
    EXPECT_TRUE(seen.richHidden);
    EXPECT_TRUE(seen.tickerHidden);
    EXPECT_TRUE(seen.panesLoading);
    EXPECT_EQ(seen.barText, "等待中...");
    EXPECT_TRUE(window.controlWindow("UserControl11")->isVisibleTo(&window));
}

TEST(Startup, AnUnreachableProductPageShowsOurOwnPage) {
    shelltest::ProgramDir dir;
    FrmMain window(dir.Settings());
    ASSERT_TRUE(window.Form_Load());
    QDeadlineTimer deadline(20000);
    while (!window.WebBrowser1->showingFallback() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_TRUE(window.WebBrowser1->showingFallback());
}

TEST(Startup, ClosingTheWindowEndsTheProgram) {
    shelltest::ProgramDir dir;
    bool shown = false;
    const int status = RunRewrix(dir.Settings(), [&](FrmMain& window) {
        shown = window.isVisible();
        QTimer::singleShot(0, &window, [&window] { window.close(); });
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(status, 0);
}
