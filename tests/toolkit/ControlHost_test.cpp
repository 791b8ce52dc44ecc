#include "toolkit/Clock.h"
#include "toolkit/ControlHost.h"
#include "toolkit/OwnerDrawnControl.h"
#include "toolkit/SystemColours.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

using namespace rewrix;

namespace {

// A control that fills itself with one colour and records what the host told it.
class Recorder : public OwnerDrawnControl {
public:
    explicit Recorder(ControlSite& site) : site_(site) {}
    void Resized() override {
        calls.push_back("Resized " + std::to_string(site_.surface().width()) + "x" +
                        std::to_string(site_.surface().height()));
        draw(colour);
    }
    void draw(Colour c) {
        colour = c;
        site_.surface().fillRect(site_.surface().rect(), c);
        site_.present();
    }
    void MouseDown(int button, int shift, int x, int y) override {
        calls.push_back("Down " + std::to_string(button) + " " + std::to_string(shift) + " " +
                        std::to_string(x) + "," + std::to_string(y));
    }
    void MouseUp(int button, int, int x, int y) override {
        calls.push_back("Up " + std::to_string(button) + " " + std::to_string(x) + "," +
                        std::to_string(y));
    }
    void KeyDown(int key, int shift) override {
        calls.push_back("KeyDown " + std::to_string(key) + " " + std::to_string(shift));
    }
    void KeyPress(int ch) override { calls.push_back("KeyPress " + std::to_string(ch)); }
    void KeyUp(int key, int) override { calls.push_back("KeyUp " + std::to_string(key)); }
    void EnabledChanged(bool on) override { calls.push_back(on ? "Enabled" : "Disabled"); }

    std::vector<std::string> calls;
    Colour colour = Rgb(0, 0, 255);

private:
    ControlSite& site_;
};

class ControlHostTest : public testing::Test {
protected:
    void SetUp() override { SetSystemColourSource(SystemColourSource::Classic); }
    void TearDown() override { SetSystemColourSource(SystemColourSource::Palette); }
};

} // namespace

TEST_F(ControlHostTest, ResizeGivesTheControlANewSurfaceAndTheBackImagePaintsTheWindow) {
    ControlHost host("Recorder1");
    Recorder control(host);
    host.setControl(&control);
    host.resizeControl(40, 10);
    ASSERT_EQ(control.calls, std::vector<std::string>{"Resized 40x10"});
    host.resizeControl(40, 10); // no change, no call
    EXPECT_EQ(control.calls.size(), 1u);

    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    control.draw(Rgb(10, 200, 30));
    const QImage shown = host.grab().toImage();
    EXPECT_EQ(shown.pixelColor(39, 9), QColor(10, 200, 30));
    EXPECT_EQ(host.displayName(), "Recorder1");
}

TEST_F(ControlHostTest, RegionBecomesTheWindowShape) {
    ControlHost host("Recorder1");
    host.resizeControl(40, 20);
    host.setWindowRegion(Region::FromRoundRect({0, 0, 40, 20}, 10, 10));
    EXPECT_FALSE(host.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(host.mask().contains(QPoint(20, 10)));
    EXPECT_TRUE(host.mask().contains(QPoint(0, 10)));
    EXPECT_FALSE(host.mask().contains(QPoint(40, 10)));
    EXPECT_EQ(host.windowRegion(), Region::FromRoundRect({0, 0, 40, 20}, 10, 10));
}

TEST_F(ControlHostTest, PresentsInsideABusyLoopAtABoundedRateAndTheLastPictureShows) {
    ControlHost host("Recorder1");
    Recorder control(host);
    host.setControl(&control);
    host.resizeControl(30, 8);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    QApplication::processEvents();

    const int before = host.paintCount();
    QElapsedTimer busy;
    busy.start();
    int draws = 0;
    while (busy.elapsed() < 250) { // never yields to the event loop
        control.draw(Rgb(draws % 256, 0, 0));
        ++draws;
    }
    const int painted = host.paintCount() - before;
    EXPECT_GE(painted, 5) << "the window must move while the loop runs";
    EXPECT_LE(painted, 250 / 16 + 3);
    EXPECT_GT(draws, painted * 10);

    control.draw(Rgb(1, 2, 3));
    QTest::qWait(60);
    EXPECT_EQ(host.grab().toImage().pixelColor(0, 0), QColor(1, 2, 3));
}

TEST_F(ControlHostTest, PropertyNoticesAreRecordedAndSignalled) {
    ControlHost host("Recorder1");
    QStringList signalled;
    QObject::connect(&host, &ControlHost::propertyChangedNotice,
                     [&](const QString& n) { signalled << n; });
    host.propertyChanged("Value");
    host.propertyChanged("Max");
    EXPECT_EQ(host.changedProperties(), (QStringList{"Value", "Max"}));
    EXPECT_EQ(signalled, host.changedProperties());
}

TEST_F(ControlHostTest, InputArrivesInToolkitTerms) {
    ControlHost host("Recorder1");
    Recorder control(host);
    host.setControl(&control);
    host.resizeControl(50, 20);
    host.setFocusPolicy(Qt::StrongFocus);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    control.calls.clear();

    QTest::mousePress(&host, Qt::LeftButton, Qt::ShiftModifier, QPoint(7, 5));
    QTest::mouseRelease(&host, Qt::LeftButton, Qt::NoModifier, QPoint(8, 6));
    QTest::keyPress(&host, Qt::Key_A);
    QTest::keyRelease(&host, Qt::Key_A);
    QTest::keyPress(&host, Qt::Key_Return);
    host.setEnabled(false);
    EXPECT_EQ(control.calls,
              (std::vector<std::string>{"Down 1 1 7,5", "Up 1 8,6", "KeyDown 65 0", "KeyPress 97",
                                        "KeyUp 65", "KeyDown 13 0", "KeyPress 13", "Disabled"}));
}

TEST(ManualClock, TimersTickOnlyWhenTheClockAdvances) {
    ManualClock clock;
    std::vector<std::string> log;
    Timer slow(clock, [&] { log.push_back("slow@" + std::to_string(clock.now())); });
    Timer fast(clock, [&] { log.push_back("fast@" + std::to_string(clock.now())); });
    slow.setInterval(30);
    slow.setEnabled(true);
    fast.setInterval(10);
    fast.setEnabled(true);
    clock.advance(29);
    EXPECT_EQ(log, (std::vector<std::string>{"fast@10", "fast@20"}));
    log.clear();
    clock.advance(1);
    EXPECT_EQ(log, (std::vector<std::string>{"slow@30", "fast@30"}));

    fast.setEnabled(false);
    log.clear();
    clock.advance(100);
    EXPECT_EQ(log.size(), 3u);
    slow.setInterval(0);
    EXPECT_EQ(clock.nextDue(), -1);
    EXPECT_FALSE(clock.fireNext());
}

TEST(ManualClock, ATickMayStopItsOwnTimerAndStartAnother) {
    ManualClock clock;
    int a = 0, b = 0;
    Timer second(clock, [&] { ++b; });
    Timer first(clock, [&] {
        ++a;
        first.setEnabled(false);
        second.setEnabled(true);
    });
    first.setInterval(3000);
    second.setInterval(10);
    first.setEnabled(true);
    clock.advance(3000);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 0);
    clock.advance(50);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 5);
}
