#include "toolkit/Clock.h"
#include "toolkit/ControlHost.h"
#include "toolkit/OffscreenSite.h"
#include "toolkit/PropertyBag.h"
#include "toolkit/Surface.h"
#include "toolkit/SystemColours.h"
#include "widgets/UserControl1/CaptionItems.h"
#include "widgets/UserControl1/UserControl1.h"

#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace rewrix;

namespace {

class Ticker : public testing::Test {
protected:
    Ticker() : host("UserControl11") {
        SetSystemColourSource(SystemColourSource::Classic);
        host.setClock(clock);
        host.resizeControl(705, 17); // the main window's strip, 10575 × 255 twips
        ticker = std::make_unique<UserControl1>(host);
        host.setControl(ticker.get());
        ticker->InitialiseNew();
    }
    ~Ticker() override {
        host.setControl(nullptr);
        SetSystemColourSource(SystemColourSource::Palette);
    }

    // Rest, 31 steps out, one step to bring the next item in at 400, 40 steps in.
    void fullCycle() { clock.advance(3000 + 72 * 10); }

    std::string shown() const {
        return (ticker->labelText() + " | " + ticker->href()).toStdString();
    }

    int blackPixels() {
        int n = 0;
        for (int y = 0; y < host.surface().height(); ++y)
            for (int x = 0; x < host.surface().width(); ++x)
                n += host.surface().pixel(x, y) == Rgb(0, 0, 0);
        return n;
    }

    ManualClock clock;
    ControlHost host;
    std::unique_ptr<UserControl1> ticker;
};

} // namespace

TEST(CaptionItems, SplitsItemsAndLinks) {
    const CaptionItems items("A,L1;B,L2,extra;C;;");
    EXPECT_EQ(items.lastIndex(), 4);
    EXPECT_EQ(items.textOf(0), "A");
    EXPECT_EQ(items.linkOf(0), "L1");
    EXPECT_EQ(items.textOf(1), "B");
    EXPECT_EQ(items.linkOf(1), "L2");
    EXPECT_EQ(items.textOf(2), "C");
    EXPECT_FALSE(items.linkOf(2));
    EXPECT_FALSE(items.textOf(3));
    EXPECT_FALSE(items.textOf(5));
    EXPECT_EQ(CaptionItems("").lastIndex(), -1);
    EXPECT_EQ(CaptionItems(" a , b ").textOf(0), " a "); // blanks are kept
    EXPECT_EQ(CaptionItems(",L").textOf(0), "");
}

TEST_F(Ticker, StartsRestingWithItsPlaceholders) {
    EXPECT_EQ(ticker->Caption(), "Label2");
    EXPECT_EQ(ticker->href(), "Label3");
    EXPECT_EQ(ticker->labelText(), "Label1");
    EXPECT_TRUE(ticker->resting());
    clock.advance(2999);
    EXPECT_EQ(ticker->labelTop(), 0);
    clock.advance(1);
    EXPECT_TRUE(ticker->scrolling());
    EXPECT_FALSE(ticker->resting());
}

TEST_F(Ticker, CycleRestsScrollsOutInThirtyOneStepsAndInInForty) {
    ticker->setCaption("A,L1;B,L2");
    EXPECT_EQ(shown(), "A | L1");
    clock.advance(3000);
    std::vector<int> tops;
    while (ticker->scrolling()) {
        clock.fireNext();
        tops.push_back(ticker->labelTop());
        if (tops.size() == 31) {
            EXPECT_EQ(shown(), "A | L1");
        }
        if (tops.size() == 32) {
            EXPECT_EQ(shown(), "B | L2");
        }
    }
    ASSERT_EQ(tops.size(), 72u);
    EXPECT_EQ(tops[0], -10);
    EXPECT_EQ(tops[30], -310);
    EXPECT_EQ(tops[31], 400);
    EXPECT_EQ(tops[32], 390);
    EXPECT_EQ(tops[71], 0);
    EXPECT_EQ(clock.now(), 3720);
    EXPECT_TRUE(ticker->resting());
    EXPECT_EQ(ticker->Nums(), 1);
    fullCycle();
    EXPECT_EQ(shown(), "A | L1");
    EXPECT_EQ(ticker->Nums(), 0);
}

TEST_F(Ticker, MissingTextsAndLinksKeepWhatWasShown) {
    ticker->setCaption("whole caption"); // one item without ","
    EXPECT_EQ(shown(), "whole caption | Label3");
    fullCycle();
    EXPECT_EQ(shown(), "whole caption | Label3"); // a single item comes back

    ticker->setCaption("A,L1;B;C,L3;");
    fullCycle(); // Nums was 0: item 1, without a link
    EXPECT_EQ(shown(), "B | L1");
    fullCycle();
    EXPECT_EQ(shown(), "C | L3");
    fullCycle(); // the empty last item shows nothing new
    EXPECT_EQ(shown(), "C | L3");
    EXPECT_EQ(ticker->Nums(), 3);
    fullCycle();
    EXPECT_EQ(shown(), "A | L1");

    ticker->setCaption("");
    EXPECT_EQ(ticker->Caption(), "");
    EXPECT_EQ(shown(), "A | L1");
    fullCycle();
    EXPECT_EQ(shown(), "A | L1");
    EXPECT_EQ(ticker->Nums(), 0);
}

TEST_F(Ticker, ANewCaptionShowsItsFirstItemAndTheCycleGoesOnWhereItWas) {
    ticker->setCaption("A,L1;B,L2;C,L3");
    fullCycle();
    fullCycle();
    ASSERT_EQ(ticker->Nums(), 2);
    clock.advance(3000 + 50);
    const int top = ticker->labelTop();
    ticker->setCaption("X,LX;Y,LY;Z,LZ;W,LW");
    EXPECT_EQ(shown(), "X | LX");
    EXPECT_EQ(ticker->labelTop(), top);
    EXPECT_EQ(ticker->Nums(), 2);
    clock.advance(720 - 50);
    EXPECT_EQ(shown(), "W | LW"); // the item after index 2, not item 1
}

TEST_F(Ticker, HrefSetterOnlyMarksTheProperty) {
    ticker->setCaption("A,L1");
    host.clearChangedProperties();
    ticker->sethref("elsewhere");
    EXPECT_EQ(ticker->href(), "L1");
    EXPECT_EQ(host.changedProperties(), QStringList{"Href"});
}

TEST_F(Ticker, StoredForm) {
    PropertyBag bag;
    ticker->setCaption("Text");
    ticker->SaveProperties(bag);
    EXPECT_FALSE(bag.contains("Caption"));
    EXPECT_TRUE(bag.contains("Href")); // "Label3"

    ticker->setCaption("A,L1;B,L2");
    bag.clear();
    ticker->SaveProperties(bag);
    EXPECT_EQ(bag.keys(), (std::vector<QString>{"Caption", "Href"}));

    ControlHost other("UserControl12");
    other.setClock(clock);
    other.resizeControl(705, 17);
    UserControl1 loaded(other);
    other.setControl(&loaded);
    loaded.LoadProperties(bag);
    EXPECT_EQ(loaded.Caption(), "A,L1;B,L2");
    EXPECT_EQ(loaded.href(), "L1");
    EXPECT_EQ(other.changedProperties(), (QStringList{"Caption", "Href"}));

    UserControl1 empty(other);
    other.setControl(&empty);
    empty.LoadProperties(PropertyBag{});
    EXPECT_EQ(empty.Caption(), "Text");
    EXPECT_EQ(empty.labelText(), "Text");
    EXPECT_EQ(empty.href(), "Label3");
    other.setControl(nullptr);
}

TEST_F(Ticker, ClicksFromLabelAndBackgroundAndAHandOverTheLabel) {
    ticker->setCaption("公告,http://a/");
    int clicks = 0;
    ticker->Click = [&] { ++clicks; };
    const Rect label = ticker->labelRect();
    ASSERT_FALSE(label.isEmpty());
    ticker->MouseUp(ButtonLeft, 0, label.left + 1, label.top + 1);
    ticker->MouseUp(ButtonLeft, 0, 600, 10);
    ticker->MouseUp(ButtonRight, 0, 600, 10);
    EXPECT_EQ(clicks, 2);

    ticker->MouseMove(0, 0, label.left + 1, label.top + 1);
    EXPECT_EQ(host.mousePointer(), MousePointer::Hand);
    ticker->MouseMove(0, 0, 600, 10);
    EXPECT_EQ(host.mousePointer(), MousePointer::Default);

    // Through the window as well.
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    QTest::mouseClick(&host, Qt::LeftButton, Qt::NoModifier, QPoint(650, 8));
    EXPECT_EQ(clicks, 3);
}

TEST_F(Ticker, TheLabelIsUnderlinedSongTwelvePixelsAndHiddenOutsideItsRest) {
    EXPECT_EQ(UserControl1::LabelFont().face, "宋体");
    EXPECT_TRUE(UserControl1::LabelFont().underline);
    EXPECT_EQ(UserControl1::LabelFont().pixelSize(), 12);

    ticker->setCaption("伪原创工具公告,http://a/");
    const Rect label = ticker->labelRect();
    EXPECT_EQ(label.top, 0);
    EXPECT_GE(label.height(), 12);
    // An underline: one row of the label is black almost from end to end.
    int longestRun = 0;
    for (int y = label.top; y < label.bottom; ++y) {
        int run = 0;
        for (int x = 0; x < label.right; ++x)
            run = host.surface().pixel(x, y) == Rgb(0, 0, 0) ? run + 1 : 0,
            longestRun = std::max(longestRun, run);
    }
    EXPECT_GE(longestRun, label.width() - 2);
    EXPECT_EQ(host.surface().pixel(label.right + 2, 5), Rgb(240, 240, 240));

    clock.advance(3000 + 310); // top −310: above the strip
    EXPECT_EQ(ticker->labelTop(), -310);
    EXPECT_EQ(blackPixels(), 0);
    clock.advance(10); // top 400: below it
    EXPECT_EQ(blackPixels(), 0);
}

TEST(TickerIndex, ACaptionWithMoreItemsThanTheIndexCountsStartsOverInsteadOfOverflowing) {
    // A window of no size draws nothing, so the 2.4 million ticks below stay quick.
    OffscreenSite site("UserControl11", 0, 0);
    UserControl1 ticker(site);
    QStringList items;
    for (int i = 0; i < 32770; ++i)
        items << QStringLiteral("item%1,L%1").arg(i);
    ticker.setCaption(items.join(';'));
    for (int cycle = 0; cycle < 32767; ++cycle)
        site.manualClock().advance(3720);
    ASSERT_EQ(ticker.Nums(), 32767);
    EXPECT_EQ(ticker.labelText(), "item32767");
    site.manualClock().advance(3720);
    EXPECT_EQ(ticker.Nums(), 0);
    EXPECT_EQ(ticker.labelText(), "item0");
    EXPECT_EQ(ticker.href(), "L0");
}
