#include "ShellFixtures.h"

#include "shell/FrmMain.h"
#include "shell/TextBox.h"
#include "toolkit/BrowserPane.h"
#include "toolkit/ControlHost.h"
#include "toolkit/MessageBox.h"
#include "widgets/ProgressBar/ProgressBar.h"
#include "widgets/UserControl1/UserControl1.h"
#include "widgets/lumobutton/lumobutton.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace rewrix;
using namespace std::chrono_literals;

namespace {

// A started window on a program directory of the test's own.
struct StartedWindow {
    StartedWindow() : window(std::make_unique<FrmMain>(dir.Settings(1s))) {
        ScopedMessageBoxRecorder boxes;
        started = window->Form_Load();
        EXPECT_TRUE(boxes.Calls().isEmpty());
    }
    shelltest::ProgramDir dir;
    std::unique_ptr<FrmMain> window;
    bool started = false;
};

class FreshWindow : public testing::Test {
protected:
    static void SetUpTestSuite() { started = new StartedWindow; }
    static void TearDownTestSuite() {
        delete started;
        started = nullptr;
    }
    FrmMain& window() { return *started->window; }

    static StartedWindow* started;
};
StartedWindow* FreshWindow::started = nullptr;

// The state of everything a page switch must keep.
struct PageState {
    QString text;
    bool check1, option1, option2, check3, option3, option4;
    int value1, max1, value2, max2;
    QString barText1, barText2;
    friend bool operator==(const PageState&, const PageState&) = default;
};

PageState StateOf(FrmMain& w) {
    return {w.TxtContent->Text(),    w.Check1->isChecked(),   w.Option1->isChecked(),
            w.Option2->isChecked(),  w.Check3->isChecked(),   w.Option3->isChecked(),
            w.Option4->isChecked(),  w.ProgressBar1->Value(), w.ProgressBar1->Max(),
            w.ProgressBar2->Value(), w.ProgressBar2->Max(),   w.ProgressBar1->Text(),
            w.ProgressBar2->Text()};
}

void Click(QWidget* host) {
    QTest::mouseClick(host, Qt::LeftButton, {}, QPoint(host->width() / 2, host->height() / 2));
}

} // namespace

TEST_F(FreshWindow, OpensOnThePlainPageWithItsInitialValues) {
    ASSERT_TRUE(started->started);
    FrmMain& w = window();
    EXPECT_TRUE(w.Frame2->isVisibleTo(&w));
    EXPECT_FALSE(w.Frame1->isVisibleTo(&w));
    EXPECT_FALSE(w.controlWindow("UserControl11")->isVisibleTo(&w));
    EXPECT_EQ(w.TxtContent->Text(), "待伪原创文本");
    EXPECT_TRUE(w.Check1->isChecked());
    EXPECT_TRUE(w.Check3->isChecked());
    for (QRadioButton* option : {w.Option1, w.Option2, w.Option3, w.Option4})
        EXPECT_FALSE(option->isChecked()) << option->objectName().toStdString();
    EXPECT_EQ(w.Frame->title(), "选项");
    EXPECT_EQ(w.Frame1->title(), "");
    EXPECT_EQ(w.Frame2->title(), "");

    for (ProgressBar* bar : {w.ProgressBar1, w.ProgressBar2}) {
        EXPECT_EQ(bar->Text(), "等待中...");
        EXPECT_EQ(bar->Value(), 50);
        EXPECT_EQ(bar->Max(), 100);
        EXPECT_EQ(bar->TextStyle(), ProgressBar::ShowText);
        EXPECT_EQ(bar->TextEffect(), ProgressBar::EffectShadow);
        EXPECT_EQ(bar->TextEffectColor(), Rgb(255, 255, 255));
        ASSERT_TRUE(bar->TextFont());
        EXPECT_EQ(*bar->TextFont(), (FontDesc{"宋体", 9, 400, false, false, false, 134}));
    }
    EXPECT_EQ(w.ProgressBar1->Theme(), ProgressBar::ThemeAmber);
    EXPECT_EQ(w.ProgressBar2->Theme(), ProgressBar::ThemeGreen);

    // Half filled: the left half of the bar is drawn in another colour than the right half.
    const Surface& bar = static_cast<ControlHost*>(w.controlWindow("ProgressBar1"))->surface();
    ASSERT_EQ(bar.width(), 705);
    const int row = bar.height() / 2;
    EXPECT_EQ(bar.pixel(60, row), bar.pixel(290, row));
    EXPECT_EQ(bar.pixel(420, row), bar.pixel(650, row));
    EXPECT_NE(bar.pixel(60, row), bar.pixel(650, row));

    EXPECT_EQ(w.lumobutton1->Caption(), "切换到高级模式");
    EXPECT_EQ(w.lumobutton1->ButtonStyle(), 3);
    EXPECT_EQ(w.lumobutton1->ColorScheme(), 2);
    EXPECT_EQ(w.lumobutton1->BackColor(), Rgb(227, 227, 227));
    EXPECT_TRUE(w.lumobutton1->PicturePushOnHover());
    EXPECT_EQ(w.lumobutton1->Font(), (FontDesc{"Tahoma", 8.25, 400, false, false, false, 0}));
    EXPECT_EQ(w.lumobutton2->Caption(), "切换到精简模式");
    EXPECT_EQ(w.lumobutton2->ButtonStyle(), 13);
    EXPECT_EQ(w.lumobutton2->ColorScheme(), 0);
    EXPECT_FALSE(w.lumobutton2->PicturePushOnHover());
    for (lumobutton* b : {w.lumobutton1, w.lumobutton2}) {
        EXPECT_EQ(b->PictureEffectOnOver(), 0);
        EXPECT_EQ(b->PictureEffectOnDown(), 0);
        EXPECT_EQ(b->TooltipBackColor(), 0u);
    }

    EXPECT_EQ(w.UserControl11->Caption(), "Label2");
    EXPECT_EQ(w.UserControl11->href(), "Label3");

    EXPECT_EQ(w.CmdDo->text(), "伪原创处理");
    EXPECT_EQ(w.CmdWyc->text(), "伪原创处理");
    EXPECT_EQ(w.CmdFt->text(), "转为繁体");
    EXPECT_EQ(w.CmdSave->text(), "保存为TXT文本");
    EXPECT_EQ(w.Option1->text(), "段落随机打乱");
    EXPECT_EQ(w.Option2->text(), "句子随机打乱");
    EXPECT_EQ(w.Check1->text(), "同义词替换");

    EXPECT_EQ(w.windowTitle(), "Rewrix  V1.0   Trelune系列营销软件成员   " + kSiteAddress +
                                   "     一款永久免费的站长软件！");
    EXPECT_EQ(w.size(), QSize(720, 537));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    const QList<QSize> iconSizes = w.windowIcon().availableSizes();
    EXPECT_EQ(iconSizes, (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));

    EXPECT_EQ(w.WebBrowser1->requestedUrl().host(), "127.0.0.1");
    EXPECT_EQ(w.WebBrowser1->requestedUrl().path(), "/software/wyc/wyc.html");
    EXPECT_EQ(w.WebBrowser2->requestedUrl(),
              QUrl::fromLocalFile(started->dir.path() + "/edit/index.html"));
    EXPECT_EQ(w.DictTable().Count(), 1);
}

TEST_F(FreshWindow, EveryControlSitsAtItsPlace) {
    const struct {
        const char* name;
        const char* container;
        QRect place;
    } cases[] = {
        {"UserControl11", "FrmMain", {8, 523, 705, 17}},
        {"Frame2", "FrmMain", {0, -5, 720, 521}},
        {"lumobutton1", "Frame2", {584, 472, 121, 33}},
        {"CmdDo", "Frame2", {272, 464, 121, 33}},
        {"Frame", "Frame2", {16, 352, 697, 57}},
        {"Option2", "Frame", {512, 24, 105, 17}},
        {"Check1", "Frame", {8, 24, 89, 12}},
        {"Option1", "Frame", {256, 24, 97, 12}},
        {"TxtContent", "Frame2", {1, 96, 713, 249}},
        {"WebBrowser1", "Frame2", {0, 5, 719, 97}},
        {"ProgressBar1", "Frame2", {8, 416, 705, 25}},
        {"Frame1", "FrmMain", {472, 0, 721, 513}},
        {"Option4", "Frame1", {288, 448, 105, 12}},
        {"Option3", "Frame1", {164, 448, 97, 12}},
        {"Check3", "Frame1", {48, 448, 89, 12}},
        {"ProgressBar2", "Frame1", {16, 420, 689, 17}},
        {"CmdFt", "Frame1", {236, 472, 105, 25}},
        {"CmdWyc", "Frame1", {72, 472, 105, 25}},
        {"CmdSave", "Frame1", {400, 472, 105, 25}},
        {"lumobutton2", "Frame1", {608, 472, 97, 33}},
        {"WebBrowser2", "Frame1", {8, 8, 705, 401}},
    };
    QStringList expectedOrder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        expectedOrder.append(c.name);
        QWidget* control = window().controlWindow(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), c.place);
        EXPECT_EQ(control->parentWidget()->objectName(), c.container);
    }
    // Created in the order of the layout.
    EXPECT_EQ(window().controlNames(), expectedOrder);
    // The owner-drawn controls draw on surfaces of their window's size.
    for (const char* name :
         {"UserControl11", "lumobutton1", "ProgressBar1", "ProgressBar2", "lumobutton2"}) {
        auto* host = static_cast<ControlHost*>(window().controlWindow(name));
        EXPECT_EQ(QSize(host->surface().width(), host->surface().height()), host->size()) << name;
    }
}

// The control of the layout that holds the focus (a pane's inner window counts as the pane).
QString FocusedControl(FrmMain& w) {
    for (QWidget* f = QApplication::focusWidget(); f != nullptr; f = f->parentWidget())
        if (w.controlNames().contains(f->objectName()))
            return f->objectName();
    return QString();
}

QStringList TabWalk(FrmMain& w, QWidget* from, Qt::KeyboardModifiers modifiers, int steps) {
    from->setFocus(Qt::OtherFocusReason);
    QStringList seen{FocusedControl(w)};
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        seen.append(FocusedControl(w));
    }
    return seen;
}

TEST(TabOrder, TabFollowsTheLayoutsOrderAndPassesOverWhatCannotTakeTheFocus) {
    StartedWindow started;
    FrmMain& w = *started.window;
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    // The frames, the bars, the hidden ticker and the hidden rich page are passed over; an
    // option group is one stop, the option that last had the focus. The walks end at a pane:
    // the page inside it takes the keys from there.
    EXPECT_EQ(
        TabWalk(w, w.TxtContent, Qt::NoModifier, 5),
        (QStringList{"TxtContent", "Option1", "Check1", "CmdDo", "lumobutton1", "WebBrowser1"}));
    EXPECT_EQ(
        TabWalk(w, w.controlWindow("lumobutton1"), Qt::ShiftModifier, 5),
        (QStringList{"lumobutton1", "CmdDo", "Check1", "Option1", "TxtContent", "WebBrowser1"}));
    w.Option2->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(TabWalk(w, w.CmdDo, Qt::NoModifier, 2),
              (QStringList{"CmdDo", "lumobutton1", "Option2"}));

    // On the rich page the rest of the order shows.
    w.lumobutton1_Click();
    EXPECT_EQ(TabWalk(w, w.controlWindow("lumobutton2"), Qt::NoModifier, 6),
              (QStringList{"lumobutton2", "CmdSave", "CmdWyc", "CmdFt", "Check3", "Option3",
                           "WebBrowser2"}));
    w.Option4->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(TabWalk(w, w.Check3, Qt::NoModifier, 2),
              (QStringList{"Check3", "Option4", "WebBrowser2"}));
}

TEST_F(FreshWindow, TheMenuIsHiddenAndItsItemsDoNothing) {
    FrmMain& w = window();
    ASSERT_NE(w.menu, nullptr);
    EXPECT_EQ(w.menu->objectName(), "menu");
    EXPECT_EQ(w.menu->title(), "menu");
    EXPECT_FALSE(w.menu->isVisible());
    QStringList items;
    for (QAction* action : w.menu->actions())
        items.append(action->objectName() + "=" + action->text());
    EXPECT_EQ(items, (QStringList{"paste=粘贴", "clear=清除", "save=保存为txt"}));

    const PageState before = StateOf(w);
    for (QAction* action : w.menu->actions())
        action->trigger();
    EXPECT_TRUE(StateOf(w) == before);
}

TEST_F(FreshWindow, TextBoxKeepsLineBreaksAsCrLf) {
    TextBox& box = *window().TxtContent;
    const QString saved = box.Text();
    EXPECT_EQ(box.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(box.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(box.lineWrapMode(), QPlainTextEdit::WidgetWidth);

    const QString article = QStringLiteral("\r\n第一段。\r\n\r\n第二段\u00a0有空格。\r\n");
    box.SetText(article);
    EXPECT_EQ(box.Text(), article);

    // Line breaks as they come from typing and pasting read as CR LF.
    box.SetText("");
    box.setFocus();
    QTest::keyClicks(&box, "ab");
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_Return, Qt::ShiftModifier); // a soft line break
    QTest::keyClicks(&box, "c");
    EXPECT_EQ(box.Text(), "ab\r\n\r\nc");
    const struct {
        const char* pasted;
        const char* reads;
    } pastes[] = {
        {"x\ny", "x\r\ny"}, {"x\r\ny", "x\r\ny"}, {"x\ry", "x\r\ny"}, {"x\r\n\r\ny", "x\r\n\r\ny"}};
    for (const auto& p : pastes) {
        box.SetText("");
        auto* mime = new QMimeData;
        mime->setText(QString::fromLatin1(p.pasted));
        QApplication::clipboard()->setMimeData(mime);
        box.paste();
        EXPECT_EQ(box.Text(), QString::fromLatin1(p.reads)) << p.pasted;
    }

    // Replacing the text can be undone.
    box.SetText("one");
    box.SetText("two");
    box.undo();
    EXPECT_EQ(box.Text(), "one");
    box.SetText(saved);
}

TEST_F(FreshWindow, TheEngineReportsOnTheBarOfItsPageAndYieldsToTheWindow) {
    FrmMain& w = window();
    const PageState before = StateOf(w);
    w.PlainPageProgress().Max(40);
    w.PlainPageProgress().Value(10);
    w.PlainPageProgress().Text(u"伪原创处理中....");
    EXPECT_EQ(w.ProgressBar1->Max(), 40);
    EXPECT_EQ(w.ProgressBar1->Value(), 10);
    EXPECT_EQ(w.ProgressBar1->Text(), "伪原创处理中....");
    EXPECT_EQ(w.ProgressBar2->Text(), before.barText2);
    w.RichPageProgress().Text(u"转换成繁体成功！");
    EXPECT_EQ(w.ProgressBar2->Text(), "转换成繁体成功！");
    EXPECT_EQ(w.ProgressBar1->Text(), "伪原创处理中....");

    bool delivered = false;
    QTimer::singleShot(0, &w, [&] { delivered = true; });
    w.YieldToWindow()();
    EXPECT_TRUE(delivered);

    w.ProgressBar1->setMax(before.max1);
    w.ProgressBar1->setValue(before.value1);
    w.ProgressBar1->setText(before.barText1);
    w.ProgressBar2->setText(before.barText2);
}

TEST(PageSwitching, SwitchingAndBackKeepsBothPagesAndMovesThePageShown) {
    StartedWindow started;
    FrmMain& w = *started.window;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.TxtContent->SetText("我的文章\r\n第二段");
    w.Option2->setChecked(true);
    w.Check1->setChecked(false);
    w.Option3->setChecked(true);
    w.ProgressBar1->setValue(70);
    w.ProgressBar2->setText("别的");
    const PageState before = StateOf(w);

    Click(w.controlWindow("lumobutton1"));
    EXPECT_FALSE(w.Frame2->isVisible());
    EXPECT_TRUE(w.Frame1->isVisible());
    EXPECT_EQ(w.Frame1->geometry(), QRect(0, 0, 720, 513));
    EXPECT_TRUE(StateOf(w) == before);

    Click(w.controlWindow("lumobutton2"));
    EXPECT_TRUE(w.Frame2->isVisible());
    EXPECT_FALSE(w.Frame1->isVisible());
    EXPECT_EQ(w.Frame2->geometry(), QRect(0, -5, 720, 521));
    EXPECT_TRUE(StateOf(w) == before);

    // The rich page keeps the place it was given the first time.
    Click(w.controlWindow("lumobutton1"));
    EXPECT_EQ(w.Frame1->geometry(), QRect(0, 0, 720, 513));
    EXPECT_TRUE(StateOf(w) == before);
}
