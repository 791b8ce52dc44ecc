#include "widgets/lumobutton/lumobutton.h"

#include "FakeSite.h"
#include "toolkit/ControlHost.h"
#include "toolkit/PopupMenu.h"
#include "toolkit/PropertyBag.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace rewrix;

namespace {

// A menu that only notes how it was shown; `whileOpen` plays what happens
// while it would be on screen.
struct RecordingMenu : PopupMenu {
    struct Shown {
        Point anchor;
        int flags;
        PopupMenuItem* defaultItem;
    };
    std::vector<Shown> shown;
    std::function<void()> whileOpen;
    PopupMenuItem* Show(Point anchor, int flags, PopupMenuItem* defaultItem) override {
        shown.push_back({anchor, flags, defaultItem});
        if (whileOpen)
            whileOpen();
        return nullptr;
    }
};

struct MenuButton {
    FakeSite site{100, 30};
    lumobutton button{site};
    RecordingMenu menu;
    std::vector<int> events;
    MenuButton(int align = 0, int flags = 0) {
        button.LoadProperties(PropertyBag{});
        button.SetPopupMenu(&menu, align, flags);
        QObject::connect(&button.Events(), &lumobuttonEvents::EventRaised,
                         [this](int n) { events.push_back(n); });
        site.inside = true;
    }
};

} // namespace

TEST(lumobuttonDropDown, AnchorAndFlagsByAlignment) {
    // FakeSite puts the button's origin at (500, 300) on the screen.
    struct Case {
        int align;
        Point anchor;
        int flags;
    };
    const Case cases[] = {{0, {500, 330}, 2},  {1, {500, 300}, 32}, {2, {500, 300}, 10},
                          {3, {600, 300}, 2},  {4, {500, 300}, 40}, {5, {500, 330}, 10},
                          {6, {600, 300}, 32}, {7, {600, 330}, 2}};
    for (const auto& c : cases) {
        MenuButton b(c.align, 2);
        b.button.MouseDown(ButtonLeft, 0, 50, 15);
        ASSERT_EQ(b.menu.shown.size(), 1u) << c.align;
        EXPECT_EQ(b.menu.shown[0].anchor, c.anchor) << c.align;
        EXPECT_EQ(b.menu.shown[0].flags, c.flags) << c.align;
    }
}

TEST(lumobuttonDropDown, OpeningToTheLeftTwiceKeepsTheSameFlags) {
    MenuButton b(2, 0);
    for (int i = 0; i < 3; ++i) {
        b.button.MouseDown(ButtonLeft, 0, 50, 15);
        b.button.MouseUp(ButtonLeft, 0, 50, 15);
        b.button.MouseUp(ButtonLeft, 0, 50, 15); // clears the closed-over mark
    }
    ASSERT_EQ(b.menu.shown.size(), 3u);
    for (const auto& s : b.menu.shown)
        EXPECT_EQ(s.flags, PopupRightAlign);
}

TEST(lumobuttonDropDown, AlignmentEightOpensNothing) {
    MenuButton b(8);
    b.button.MouseDown(ButtonLeft, 0, 50, 15);
    EXPECT_TRUE(b.menu.shown.empty());
    EXPECT_FALSE(b.button.State().PopupOpen);
}

TEST(lumobuttonDropDown, AButtonWithAMenuRaisesNoMouseEvents) {
    MenuButton b;
    b.button.MouseDown(ButtonLeft, 0, 50, 15);
    b.button.MouseUp(ButtonLeft, 0, 50, 15);
    b.button.DblClick(ButtonLeft, 0, 50, 15);
    b.button.MouseUp(ButtonLeft, 0, 50, 15);
    for (int e : b.events)
        EXPECT_EQ(e, lumobuttonEvents::MouseEnter_) << e;
    EXPECT_EQ(b.button.State().DrawState, Normal);
}

TEST(lumobuttonDropDown, ClickOnTheButtonClosesTheMenuWithoutReopeningIt) {
    MenuButton b;
    b.button.MouseMove(0, 0, 50, 15);
    // While the menu is up it takes the cursor from the button.
    b.menu.whileOpen = [&] { b.button.MouseLeave(); };
    b.button.MouseDown(ButtonLeft, 0, 50, 15);
    ASSERT_EQ(b.menu.shown.size(), 1u);
    EXPECT_TRUE(b.button.State().PopupClosedOver);
    // The press that closed the menu reaches the button.
    b.button.MouseDown(ButtonLeft, 0, 50, 15);
    b.button.MouseUp(ButtonLeft, 0, 50, 15);
    EXPECT_EQ(b.menu.shown.size(), 1u);
    EXPECT_FALSE(b.button.State().PopupClosedOver);
    // The next click opens it again.
    b.button.MouseDown(ButtonLeft, 0, 50, 15);
    EXPECT_EQ(b.menu.shown.size(), 2u);
}

TEST(lumobuttonDropDown, APressArrivingWhileTheMenuIsStillOpenDoesNotNestIt) {
    MenuButton b;
    b.menu.whileOpen = [&] {
        if (b.menu.shown.size() == 1)
            b.button.MouseDown(ButtonLeft, 0, 50, 15);
    };
    b.button.MouseDown(ButtonLeft, 0, 50, 15);
    EXPECT_EQ(b.menu.shown.size(), 1u);
}

TEST(lumobuttonDropDown, MenuClosedElsewhereLeavesTheButtonNormal) {
    MenuButton b;
    b.menu.whileOpen = [&] { b.site.inside = false; };
    b.button.MouseDown(ButtonLeft, 0, 50, 15);
    const auto& s = b.button.State();
    EXPECT_EQ(s.DrawState, Normal);
    EXPECT_FALSE(s.MouseHeld);
    EXPECT_FALSE(s.PopupOpen);
    EXPECT_FALSE(s.PopupClosedOver);
    b.button.UnsetPopupMenu();
    EXPECT_EQ(b.button.PopupMenuRef(), nullptr);
    b.button.MouseDown(ButtonLeft, 0, 50, 15);
    b.button.MouseUp(ButtonLeft, 0, 50, 15);
    EXPECT_EQ(std::count(b.events.begin(), b.events.end(), lumobuttonEvents::Click_), 1);
}

TEST(PopupMenuPlacement, FlagsPutTheMenuAgainstItsAnchor) {
    const Size size{80, 40};
    EXPECT_EQ(PopupMenuTopLeft({100, 100}, size, 0), (Point{100, 100}));
    EXPECT_EQ(PopupMenuTopLeft({100, 100}, size, PopupRightAlign), (Point{20, 100}));
    EXPECT_EQ(PopupMenuTopLeft({100, 100}, size, PopupBottomAlign), (Point{100, 60}));
    EXPECT_EQ(PopupMenuTopLeft({100, 100}, size, 40), (Point{20, 60}));
    EXPECT_EQ(PopupMenuTopLeft({100, 100}, size, PopupCenterAlign | PopupVCenterAlign),
              (Point{60, 80}));
}

TEST(lumobuttonDropDown, RealMenuOpensAtTheButtonAndTheClosingClickDoesNotReopenIt) {
    QWidget window;
    window.resize(400, 300);
    ControlHost host("lumobutton1", &window);
    host.move(150, 100);
    host.resizeControl(100, 30);
    lumobutton button(host);
    host.setControl(&button);
    button.LoadProperties(PropertyBag{});
    PopupMenu menu;
    PopupMenuItem* first = menu.AddItem("第一项");
    menu.AddItem("第二项");
    button.SetPopupMenu(&menu, 5, 0, first);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    int opened = 0;
    QRect geometry;
    bool bold = false;
    std::function<void()> closeByClickingTheButton = [&] {
        QMenu* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!open) {
            QTimer::singleShot(10, closeByClickingTheButton);
            return;
        }
        ++opened;
        geometry = open->geometry();
        bold = open->defaultAction() == first->action();
        // The open menu holds the mouse: the press over the button goes to
        // it and closes it; the release then reaches the button.
        const QPoint over = open->mapFromGlobal(host.mapToGlobal(QPoint(50, 15)));
        QTest::mousePress(open, Qt::LeftButton, {}, over);
        QTimer::singleShot(0,
                           [&] { QTest::mouseRelease(&host, Qt::LeftButton, {}, QPoint(50, 15)); });
    };
    QTimer::singleShot(10, closeByClickingTheButton);
    QTest::mouseClick(&host, Qt::LeftButton, {}, QPoint(50, 15));
    QTest::qWait(50);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "the closing click did not reopen it";
    // Alignment 5: below the button, its right edge at the button's left.
    const QPoint anchor = host.mapToGlobal(QPoint(0, 30));
    EXPECT_EQ(geometry.right() + 1, anchor.x());
    EXPECT_EQ(geometry.top(), anchor.y());
    EXPECT_TRUE(bold);

    // And the next click opens it again.
    std::function<void()> closeWithEscape = [&] {
        QWidget* open = QApplication::activePopupWidget();
        if (!open) {
            QTimer::singleShot(10, closeWithEscape);
            return;
        }
        ++opened;
        open->close();
    };
    QTimer::singleShot(10, closeWithEscape);
    QTest::mouseClick(&host, Qt::LeftButton, {}, QPoint(50, 15));
    QTest::qWait(50);
    EXPECT_EQ(opened, 2);
    host.setControl(nullptr);
}
