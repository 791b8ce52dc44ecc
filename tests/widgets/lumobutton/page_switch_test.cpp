#include "widgets/lumobutton/lumobutton.h"

#include "toolkit/ControlHost.h"
#include "toolkit/PropertyBag.h"

#include <QLineEdit>
#include <QStackedWidget>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace rewrix;

namespace {

// A window with two pages, each with an image button that shows the other.
struct TwoPages {
    QWidget window;
    QStackedWidget* pages = new QStackedWidget(&window);
    QWidget* plain = new QWidget;
    QWidget* rich = new QWidget;
    ControlHost toRichHost{"lumobutton1", plain};
    ControlHost toPlainHost{"lumobutton2", rich};
    lumobutton toRich{toRichHost};
    lumobutton toPlain{toPlainHost};

    TwoPages() {
        window.resize(400, 200);
        pages->setGeometry(0, 0, 400, 200);
        pages->addWidget(plain);
        pages->addWidget(rich);
        setUp(toRichHost, toRich, "切换到&Rich", 1);
        setUp(toPlainHost, toPlain, "切换到&Plain", 0);
        window.show();
        window.activateWindow();
    }
    ~TwoPages() {
        toRichHost.setControl(nullptr);
        toPlainHost.setControl(nullptr);
    }
    void setUp(ControlHost& host, lumobutton& button, const QString& caption, int page) {
        host.setControl(&button);
        host.move(20, 20);
        host.resizeControl(121, 33);
        button.LoadProperties(PropertyBag{});
        button.SetCaption(caption);
        QObject::connect(&button.Events(), &lumobuttonEvents::Click, pages,
                         [this, page] { pages->setCurrentIndex(page); });
    }
};

} // namespace

TEST(lumobuttonPageSwitch, TwoButtonsSwitchThePagesWithTheMouse) {
    TwoPages w;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
    EXPECT_EQ(w.pages->currentIndex(), 0);
    QTest::mouseClick(&w.toRichHost, Qt::LeftButton, {}, QPoint(60, 16));
    EXPECT_EQ(w.pages->currentIndex(), 1);
    QTest::mouseClick(&w.toPlainHost, Qt::LeftButton, {}, QPoint(60, 16));
    EXPECT_EQ(w.pages->currentIndex(), 0);
    // A press that is dragged off the button before the release does nothing.
    QTest::mousePress(&w.toRichHost, Qt::LeftButton, {}, QPoint(60, 16));
    QTest::mouseMove(&w.toRichHost, QPoint(200, 100));
    QTest::mouseRelease(&w.toRichHost, Qt::LeftButton, {}, QPoint(200, 100));
    EXPECT_EQ(w.pages->currentIndex(), 0);
    // Dragged off and back before the release, it clicks.
    QTest::mousePress(&w.toRichHost, Qt::LeftButton, {}, QPoint(60, 16));
    QTest::mouseMove(&w.toRichHost, QPoint(200, 100));
    EXPECT_EQ(w.toRich.State().DrawState, Normal);
    QTest::mouseMove(&w.toRichHost, QPoint(61, 16));
    EXPECT_EQ(w.toRich.State().DrawState, Down);
    QTest::mouseRelease(&w.toRichHost, Qt::LeftButton, {}, QPoint(61, 16));
    EXPECT_EQ(w.pages->currentIndex(), 1);
}

TEST(lumobuttonPageSwitch, TwoButtonsSwitchThePagesWithTheKeyboard) {
    TwoPages w;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    w.toRichHost.setFocus();
    ASSERT_TRUE(w.toRichHost.hasFocus()) << "the button takes the focus";
    QTest::keyClick(&w.toRichHost, Qt::Key_Space);
    EXPECT_EQ(w.pages->currentIndex(), 1);
    w.toPlainHost.setFocus();
    QTest::keyClick(&w.toPlainHost, Qt::Key_Return);
    EXPECT_EQ(w.pages->currentIndex(), 0);
    // The caption's access key, with Alt, from anywhere in the window.
    QTest::keyClick(&w.window, Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(w.pages->currentIndex(), 1);
    QTest::keyClick(&w.window, Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(w.pages->currentIndex(), 0);
    // Enter anywhere clicks the default button, Escape the cancel button.
    QLineEdit* edit = new QLineEdit(w.plain);
    edit->move(200, 20);
    edit->show();
    edit->setFocus();
    w.toRichHost.setDisplayAsDefault(true);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(w.pages->currentIndex(), 1);
    w.toPlainHost.setCancel(true);
    w.toPlainHost.setFocus();
    QTest::keyClick(&w.toPlainHost, Qt::Key_Escape);
    EXPECT_EQ(w.pages->currentIndex(), 0);
}

TEST(lumobuttonPageSwitch, ArrowKeysMoveTheFocusAlongTheTabOrder) {
    QWidget window;
    ControlHost first("lumobutton1", &window), second("lumobutton2", &window);
    lumobutton a(first), b(second);
    first.setControl(&a);
    second.setControl(&b);
    first.resizeControl(80, 30);
    second.resizeControl(80, 30);
    second.move(0, 40);
    a.LoadProperties(PropertyBag{});
    b.LoadProperties(PropertyBag{});
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    first.setFocus();
    QTest::keyClick(&first, Qt::Key_Down);
    EXPECT_TRUE(second.hasFocus());
    QTest::keyClick(&second, Qt::Key_Left);
    EXPECT_TRUE(first.hasFocus());
    first.setControl(nullptr);
    second.setControl(nullptr);
}
