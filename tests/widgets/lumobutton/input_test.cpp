#include "widgets/lumobutton/lumobutton.h"

#include "FakeSite.h"
#include "toolkit/PropertyBag.h"
#include "toolkit/TooltipWindow.h"

#include <gtest/gtest.h>

#include <vector>

using namespace rewrix;

namespace {

using E = lumobuttonEvents;

// A loaded 100 x 30 button whose events are written down in order.
struct Button {
    FakeSite site;
    lumobutton button{site};
    std::vector<int> events;

    explicit Button(int mode = 0, std::uintptr_t container = 1) : site(100, 30, 1, container) {
        button.LoadProperties(PropertyBag{});
        if (mode)
            button.SetMode(mode);
        QObject::connect(&button.Events(), &lumobuttonEvents::EventRaised,
                         [this](int n) { events.push_back(n); });
    }
    int state() const { return button.State().DrawState; }
    void moveTo(int x, int y, bool inside) {
        site.inside = inside;
        button.MouseMove(0, 0, x, y);
    }
    void click(int x = 50, int y = 15) {
        moveTo(x, y, true);
        button.MouseDown(ButtonLeft, 0, x, y);
        button.MouseUp(ButtonLeft, 0, x, y);
    }
    int count(int number) const {
        return static_cast<int>(std::count(events.begin(), events.end(), number));
    }
};

} // namespace

TEST(lumobuttonInput, PressAndReleaseInsideClicks) {
    Button b;
    b.moveTo(50, 15, true);
    EXPECT_EQ(b.state(), Hot);
    b.events.clear();
    b.button.MouseDown(ButtonLeft, ShiftKey, 50, 15);
    EXPECT_EQ(b.state(), Down);
    EXPECT_TRUE(b.button.State().MouseHeld);
    EXPECT_TRUE(b.button.State().HasFocus);
    b.button.MouseUp(ButtonLeft, ShiftKey, 50, 15);
    EXPECT_EQ(b.events, (std::vector<int>{E::MouseDown_, E::Click_, E::MouseUp_}));
    EXPECT_EQ(b.state(), Normal);
    EXPECT_FALSE(b.button.State().MouseHeld);
}

TEST(lumobuttonInput, ReleaseOnTheEdgesDoesNotClick) {
    struct Case {
        int x, y;
        bool clicks;
    };
    const Case cases[] = {{0, 15, false},  {50, 0, false}, {100, 15, false}, {50, 30, false},
                          {-3, 15, false}, {1, 1, true},   {99, 29, true}};
    for (const auto& c : cases) {
        Button b;
        b.button.MouseDown(ButtonLeft, 0, 50, 15);
        b.button.MouseUp(ButtonLeft, 0, c.x, c.y);
        EXPECT_EQ(b.count(E::Click_), c.clicks ? 1 : 0) << c.x << "," << c.y;
        EXPECT_EQ(b.count(E::MouseUp_), 1);
        EXPECT_EQ(b.state(), Normal);
    }
}

TEST(lumobuttonInput, DraggingOutCancelsAndDraggingBackRestores) {
    Button b;
    b.moveTo(50, 15, true);
    b.button.MouseDown(ButtonLeft, 0, 50, 15);
    b.moveTo(150, 15, false);
    EXPECT_EQ(b.state(), Normal);
    b.button.MouseUp(ButtonLeft, 0, 150, 15);
    EXPECT_EQ(b.count(E::Click_), 0);
    EXPECT_EQ(b.count(E::MouseUp_), 1);

    b.button.MouseDown(ButtonLeft, 0, 50, 15);
    b.moveTo(150, 15, false);
    b.moveTo(60, 15, true);
    EXPECT_EQ(b.state(), Down);
    b.button.MouseUp(ButtonLeft, 0, 60, 15);
    EXPECT_EQ(b.count(E::Click_), 1);
}

TEST(lumobuttonInput, HoverMakesHotOnceAndLeavingMakesNormal) {
    Button b;
    b.moveTo(10, 10, true);
    b.moveTo(11, 10, true);
    b.moveTo(12, 10, true);
    EXPECT_EQ(b.count(E::MouseEnter_), 3) << "raised on every move";
    EXPECT_EQ(b.state(), Hot);
    EXPECT_EQ(b.button.TooltipsMade(), 1) << "made when turning hot only";
    b.button.MouseLeave();
    EXPECT_EQ(b.state(), Normal);
    EXPECT_EQ(b.count(E::MouseLeave_), 1);
    b.moveTo(10, 10, true);
    EXPECT_EQ(b.button.TooltipsMade(), 2) << "made afresh";
}

TEST(lumobuttonInput, RightButtonNeitherPressesNorClicks) {
    Button b;
    b.button.MouseDown(ButtonRight, 0, 50, 15);
    EXPECT_EQ(b.state(), Normal);
    b.button.MouseUp(ButtonRight, 0, 50, 15);
    EXPECT_EQ(b.events, (std::vector<int>{E::MouseUp_}));
}

TEST(lumobuttonInput, DoubleClickPressesAgainAndRaisesDblClick) {
    Button b;
    b.click();
    b.events.clear();
    b.button.DblClick(ButtonLeft, 0, 50, 15);
    EXPECT_EQ(b.events, (std::vector<int>{E::MouseDown_, E::DblClick_}));
    EXPECT_TRUE(b.site.capture);
    EXPECT_EQ(b.state(), Down);
    b.button.MouseUp(ButtonLeft, 0, 50, 15);
    EXPECT_FALSE(b.site.capture) << "the double click's capture ends with the button";
    EXPECT_EQ(b.count(E::Click_), 1);
}

TEST(lumobuttonInput, EnterClicksAtOnceSpaceTogglesAndClicksOnRelease) {
    Button b(1);
    b.button.KeyDown(KeyReturn, 0);
    EXPECT_EQ(b.events, (std::vector<int>{E::Click_, E::KeyDown_}));
    EXPECT_FALSE(b.button.Value()) << "Enter does not toggle";

    b.events.clear();
    b.button.KeyDown(KeySpace, 0);
    EXPECT_TRUE(b.button.Value()) << "Space toggles on the way down";
    EXPECT_EQ(b.state(), Down);
    EXPECT_TRUE(b.site.capture);
    EXPECT_EQ(b.events, (std::vector<int>{E::KeyDown_}));
    b.button.KeyDown(KeySpace, 0); // the key repeats
    EXPECT_TRUE(b.button.Value()) << "a repeat does not toggle again";
    b.button.KeyUp(KeySpace, 0);
    EXPECT_EQ(b.events, (std::vector<int>{E::KeyDown_, E::KeyDown_, E::Click_, E::KeyUp_}));
    EXPECT_FALSE(b.site.capture);
    EXPECT_FALSE(b.button.State().SpaceHeld);
    EXPECT_EQ(b.state(), Down) << "checked";

    b.button.KeyDown(KeySpace, 0);
    b.button.KeyUp(KeySpace, 0);
    EXPECT_FALSE(b.button.Value());
    EXPECT_EQ(b.state(), Normal);
}

TEST(lumobuttonInput, CheckButtonClickedTwiceIsBackToNormal) {
    Button b(1);
    b.click();
    EXPECT_TRUE(b.button.Value());
    EXPECT_EQ(b.state(), Down);
    b.click();
    EXPECT_FALSE(b.button.Value());
    b.moveTo(150, 15, false);
    EXPECT_EQ(b.state(), Normal);
}

TEST(lumobuttonInput, SpaceWhileTheMouseIsHeldDoesNotClick) {
    Button b;
    b.moveTo(50, 15, true);
    b.button.MouseDown(ButtonLeft, 0, 50, 15);
    b.button.KeyDown(KeySpace, 0);
    b.button.KeyUp(KeySpace, 0);
    EXPECT_EQ(b.count(E::Click_), 0);
    EXPECT_EQ(b.count(E::KeyUp_), 1);
}

TEST(lumobuttonInput, AnotherKeyCancelsAHeldSpace) {
    Button b;
    b.button.KeyDown(KeySpace, 0);
    b.button.KeyDown('A', 0);
    EXPECT_EQ(b.state(), Normal);
    EXPECT_FALSE(b.button.State().SpaceHeld);
    b.button.KeyUp(KeySpace, 0);
    EXPECT_EQ(b.count(E::Click_), 0);
    EXPECT_EQ(b.count(E::KeyDown_), 2);
    EXPECT_FALSE(b.site.capture);
}

TEST(lumobuttonInput, AltSpaceAndArrows) {
    Button b;
    b.button.KeyDown(KeySpace, ShiftAlt);
    EXPECT_TRUE(b.events.empty());
    EXPECT_FALSE(b.button.State().SpaceHeld);
    for (int key : {KeyLeft, KeyUp, KeyRight, KeyDown})
        b.button.KeyDown(key, 0);
    EXPECT_EQ(b.site.focusMoves, (QStringList{"previous", "previous", "next", "next"}));
    EXPECT_EQ(b.count(E::KeyDown_), 4);
    b.button.KeyUp('A', 0);
    EXPECT_EQ(b.count(E::KeyUp_), 0) << "only Space raises KeyUp";
    b.button.KeyPress('a');
    EXPECT_EQ(b.count(E::KeyPress_), 1);
}

TEST(lumobuttonInput, AccessKeyByMode) {
    struct Case {
        int mode, key;
        bool value, clicks;
    };
    const Case cases[] = {{0, 'g', false, true},        {1, 'g', true, true},
                          {1, KeyReturn, false, false}, {1, KeyEscape, false, false},
                          {2, 'g', true, true},         {2, KeyReturn, false, false},
                          {0, KeyEscape, false, true}};
    for (const auto& c : cases) {
        Button b(c.mode);
        b.button.AccessKeyPress(c.key);
        EXPECT_EQ(b.button.Value(), c.value) << c.mode << "/" << c.key;
        EXPECT_EQ(b.count(E::Click_), c.clicks ? 1 : 0) << c.mode << "/" << c.key;
    }
    Button off;
    off.button.SetEnabled(false);
    off.button.AccessKeyPress('g');
    EXPECT_EQ(off.count(E::Click_), 0);
}

TEST(lumobuttonInput, OptionButtonsClearOnlyTheirOwnGroup) {
    Button a(2), b(2), c(2, /*container=*/2), check(1);
    b.button.SetValue(true);
    c.button.SetValue(true);
    check.button.SetValue(true);
    a.click();
    EXPECT_TRUE(a.button.Value());
    EXPECT_FALSE(b.button.Value());
    EXPECT_TRUE(c.button.Value()) << "another container keeps its value";
    EXPECT_TRUE(check.button.Value()) << "a check button is no option";
    b.button.KeyDown(KeySpace, 0);
    EXPECT_FALSE(a.button.Value());
    EXPECT_TRUE(b.button.Value());
}

TEST(lumobuttonInput, FocusAndActivationResetTheState) {
    Button b;
    b.button.ParentActivationChanged(true);
    b.moveTo(50, 15, true);
    b.button.KeyDown(KeySpace, 0);
    b.button.LostFocus();
    EXPECT_EQ(b.state(), Hot) << "active window, cursor inside";
    EXPECT_FALSE(b.button.State().SpaceHeld);
    EXPECT_FALSE(b.site.capture);
    b.button.KeyUp(KeySpace, 0);
    EXPECT_EQ(b.count(E::Click_), 0);

    b.button.MouseDown(ButtonLeft, 0, 50, 15);
    b.button.ParentActivationChanged(false);
    EXPECT_EQ(b.state(), Normal);
    EXPECT_FALSE(b.button.State().MouseHeld);
    EXPECT_FALSE(b.button.State().ParentActive);

    b.site.isDefault = true;
    b.button.AmbientChanged("DisplayAsDefault");
    const int before = b.button.RedrawCount();
    b.button.ParentActivationChanged(true);
    EXPECT_EQ(b.button.RedrawCount(), before + 2) << "twice for the default button";
}

TEST(lumobuttonInput, CheckedButtonRedrawsOnEveryMoveAndMakesNoTooltip) {
    Button b(1);
    b.button.SetValue(true);
    const int before = b.button.RedrawCount();
    b.moveTo(10, 10, true);
    b.moveTo(11, 10, true);
    b.moveTo(12, 10, true);
    EXPECT_EQ(b.button.RedrawCount(), before + 3);
    EXPECT_EQ(b.state(), Down);
    EXPECT_EQ(b.button.TooltipsMade(), 0);
}

TEST(lumobuttonInput, PressedButtonMakesNoTooltipUntilHotAgain) {
    Button b;
    b.moveTo(10, 10, true);
    ASSERT_EQ(b.button.TooltipsMade(), 1);
    b.button.MouseDown(ButtonLeft, 0, 10, 10);
    b.moveTo(11, 10, true);
    b.moveTo(150, 10, false);
    b.moveTo(12, 10, true);
    EXPECT_EQ(b.button.TooltipsMade(), 1);
    b.button.MouseUp(ButtonLeft, 0, 12, 10);
    b.moveTo(13, 10, true);
    EXPECT_EQ(b.button.TooltipsMade(), 2);
}

TEST(lumobuttonInput, StylePaletteAndDefaultChangesRedraw) {
    struct Case {
        const char* ambient;
        int redraws;
    };
    const Case cases[] = {
        {"Palette", 1}, {"Style", 1}, {"DisplayAsDefault", 1}, {"BackColor", 1}, {"Font", 0}};
    for (const auto& c : cases) {
        Button b;
        const int before = b.button.RedrawCount();
        b.button.AmbientChanged(c.ambient);
        EXPECT_EQ(b.button.RedrawCount() - before, c.redraws) << c.ambient;
    }
}
