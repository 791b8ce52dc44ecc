#include "toolkit/TooltipWindow.h"

#include "toolkit/ControlHost.h"
#include "toolkit/PropertyBag.h"
#include "toolkit/SystemColours.h"
#include "widgets/lumobutton/lumobutton.h"

#include <QBitmap>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using namespace rewrix;

namespace {

TooltipOptions Options(const QString& text) {
    TooltipOptions o;
    o.text = text;
    return o;
}

QImage Pixels(const TooltipWindow& tip) {
    return tip.widget()->grab().toImage();
}

QRegion Shape(const TooltipWindow& tip) {
    return tip.widget()->mask();
}

// The share of the pixels of `area` whose colour is mostly `channel`.
int CountWhere(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixelColor(x, y)))
                ++n;
    return n;
}

} // namespace

TEST(TooltipWindow, RectangularTipHasTheDefaultColoursAndAnOpaqueShadow) {
    SetSystemColourSource(SystemColourSource::Classic);
    TooltipWindow tip(nullptr, Options("切换到富文本页"));
    const QWidget* w = tip.widget();
    const QImage image = Pixels(tip);
    EXPECT_EQ(image.pixelColor(3, 3), QColor(255, 255, 225));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 0, 0)) << "border";
    // The shadow lies below and to the right of the body, opaque grey.
    const QColor shadow = image.pixelColor(w->width() - 2, w->height() - 2);
    EXPECT_EQ(shadow.red(), shadow.green());
    EXPECT_GT(shadow.red(), 100);
    EXPECT_LT(shadow.red(), 240);
    const QRegion shape = Shape(tip);
    EXPECT_TRUE(shape.contains(QPoint(w->width() - 2, w->height() - 2)));
    EXPECT_FALSE(shape.contains(QPoint(w->width() - 2, 1))) << "the desktop shows beside it";
    EXPECT_FALSE(shape.contains(QPoint(1, w->height() - 2)));
}

TEST(TooltipWindow, BalloonIsRoundedWithAPointerAtTheCursor) {
    TooltipOptions o = Options("hello");
    o.balloon = true;
    TooltipWindow balloon(nullptr, o);
    TooltipWindow rect(nullptr, Options("hello"));
    const QRegion shape = Shape(balloon);
    const QRect body = shape.boundingRect();
    EXPECT_FALSE(shape.contains(QPoint(0, 14))) << "rounded corner";
    EXPECT_TRUE(shape.contains(QPoint(10, 20)));
    EXPECT_TRUE(shape.contains(QPoint(17, 2))) << "the pointer";
    EXPECT_FALSE(shape.contains(QPoint(40, 2)));
    EXPECT_GT(body.height(), rect.widget()->height());

    balloon.showAt({300, 200});
    EXPECT_TRUE(balloon.isShown());
    EXPECT_EQ(balloon.widget()->pos() + QPoint(16, 0), QPoint(300, 216))
        << "the pointer's tip is just below the cursor";
    rect.showAt({300, 200});
    EXPECT_EQ(rect.widget()->pos(), QPoint(300, 220)) << "below the cursor";
    rect.hide();
    EXPECT_FALSE(rect.isShown());
}

TEST(TooltipWindow, TitleWithEachIconAndRightToLeft) {
    auto dominant = [](const TooltipWindow& tip, QRect area) {
        const QImage image = Pixels(tip);
        const int blue = CountWhere(
            image, area, [](QColor c) { return c.blue() > c.red() + 60 && c.blue() > c.green(); });
        const int red = CountWhere(image, area, [](QColor c) {
            return c.red() > c.blue() + 80 && c.red() > c.green() + 80;
        });
        const int yellow = CountWhere(image, area, [](QColor c) {
            return c.red() > c.blue() + 80 && c.green() > c.blue() + 80;
        });
        if (blue > red && blue > yellow)
            return 'b';
        if (red > yellow)
            return 'r';
        return yellow > 0 ? 'y' : '-';
    };
    const QRect iconArea(5, 5, 16, 16);
    TooltipOptions o = Options("正文");
    o.title = "标题";
    TooltipWindow none(nullptr, o);
    EXPECT_EQ(dominant(none, iconArea), '-');
    const char expected[] = {'b', 'y', 'r'};
    for (int icon = 1; icon <= 3; ++icon) {
        o.icon = icon;
        TooltipWindow tip(nullptr, o);
        EXPECT_EQ(dominant(tip, iconArea), expected[icon - 1]) << icon;
        EXPECT_GT(tip.widget()->height(),
                  TooltipWindow(nullptr, Options("正文")).widget()->height());
    }
    o.icon = 2;
    o.rightToLeft = true;
    TooltipWindow rtl(nullptr, o);
    const int w = rtl.widget()->width() - 4; // without the shadow
    EXPECT_EQ(dominant(rtl, iconArea), '-');
    EXPECT_EQ(dominant(rtl, QRect(w - 21, 5, 16, 16)), 'y') << "the icon moves to the right";
}

TEST(TooltipWindow, BackgroundColourAndTheWrapWidth) {
    TooltipOptions o = Options("x");
    o.backColour = Rgb(10, 200, 30);
    TooltipWindow coloured(nullptr, o);
    EXPECT_EQ(Pixels(coloured).pixelColor(3, 3), QColor(10, 200, 30));

    TooltipWindow shortTip(nullptr, Options("short"));
    const QString words = QString("word ").repeated(60);
    TooltipWindow longTip(nullptr, Options(words));
    const int pad = 2 * 4 + 2 + 4; // padding, border, shadow
    EXPECT_LE(longTip.widget()->width(), 240 + pad);
    EXPECT_GT(longTip.widget()->width(), 200 + pad);
    EXPECT_GT(longTip.widget()->height(), 4 * shortTip.widget()->height()) << "wrapped lines";
    TooltipOptions narrow = Options(words);
    narrow.maxWidth = 120;
    EXPECT_LE(TooltipWindow(nullptr, narrow).widget()->width(), 120 + pad);
}

TEST(TooltipWindow, EmptyTextShowsNothing) {
    TooltipWindow tip(nullptr, Options(""));
    ASSERT_NE(tip.widget(), nullptr);
    tip.showAt({100, 100});
    EXPECT_FALSE(tip.isShown());
}

TEST(lumobuttonTooltip, ShownAfterTheHoverDelayAndHiddenOnLeaving) {
    QWidget window;
    window.resize(300, 200);
    ControlHost host("lumobutton1", &window);
    host.move(50, 50);
    host.resizeControl(100, 30);
    QWidget other(&window);
    other.setGeometry(200, 120, 80, 60);
    other.setMouseTracking(true);
    lumobutton button(host);
    host.setControl(&button);
    button.LoadProperties(PropertyBag{});
    button.SetToolTip("切换页面");
    button.SetTooltipTitle("提示");
    button.SetToolTipIcon(1);
    button.SetToolTipType(1);
    button.SetTooltipBackColor(Rgb(250, 250, 250));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QTest::mouseMove(&host, QPoint(40, 15));
    QTest::mouseMove(&host, QPoint(41, 15));
    ASSERT_EQ(button.State().DrawState, Hot);
    TooltipWindow* tip = button.TipWindow();
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(tip->options().balloon);
    EXPECT_EQ(tip->options().title, "提示");
    EXPECT_EQ(tip->options().icon, 1);
    EXPECT_EQ(tip->options().backColour, Rgb(250, 250, 250));
    EXPECT_EQ(tip->options().maxWidth, 240);
    EXPECT_FALSE(tip->isShown()) << "not before the delay";
    for (int i = 0; i < 100 && !tip->isShown(); ++i)
        QTest::qWait(30);
    EXPECT_TRUE(tip->isShown());

    QTest::mouseMove(&other, QPoint(20, 20));
    EXPECT_EQ(button.State().DrawState, Normal);
    EXPECT_FALSE(tip->isShown());
    host.setControl(nullptr);
}

TEST(lumobuttonTooltip, BlackMeansTheDefaultAndNoTitleMeansNoIcon) {
    QWidget window;
    ControlHost host("lumobutton1", &window);
    host.resizeControl(100, 30);
    lumobutton button(host);
    host.setControl(&button);
    button.LoadProperties(PropertyBag{});
    button.SetToolTip("t");
    button.SetToolTipIcon(3);
    button.SetTooltipBackColor(0);
    button.SetRightToLeft(true);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mouseMove(&host, QPoint(40, 15));
    QTest::mouseMove(&host, QPoint(41, 15));
    ASSERT_NE(button.TipWindow(), nullptr);
    const TooltipOptions& o = button.TipWindow()->options();
    EXPECT_FALSE(o.backColour.has_value());
    EXPECT_EQ(o.icon, 0);
    EXPECT_TRUE(o.rightToLeft);
    EXPECT_FALSE(o.balloon);
    host.setControl(nullptr);
}
