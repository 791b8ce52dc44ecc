#include "toolkit/ControlHost.h"
#include "toolkit/PropertyBag.h"
#include "toolkit/SystemColours.h"
#include "widgets/ProgressBar/ProgressBar.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace rewrix;

namespace {

class ProgressBarModel : public testing::Test {
protected:
    ProgressBarModel() : host("ProgressBar1"), bar(host) {
        SetSystemColourSource(SystemColourSource::Classic);
        host.resizeControl(705, 25);
        host.setControl(&bar);
    }
    ~ProgressBarModel() override { SetSystemColourSource(SystemColourSource::Palette); }

    // A bar in the range [min, max] at value, with the notices of getting there forgotten.
    void start(int min, int max, int value) {
        bar.setMax(max);
        bar.setMin(min);
        bar.setMax(max);
        bar.setValue(value);
        host.clearChangedProperties();
    }

    ControlHost host;
    ProgressBar bar;
};

} // namespace

TEST_F(ProgressBarModel, RangeSettersClamp) {
    enum Prop { Max, Min, Value };
    struct Case {
        int min, max, value;
        Prop prop;
        int newValue;
        int wantMin, wantMax, wantValue;
    };
    const Case cases[] = {
        {0, 100, 50, Max, 0, 0, 1, 1},
        {0, 100, 50, Max, -7, 0, 1, 1},
        {10, 100, 50, Max, 5, 10, 11, 11},
        {0, 100, 50, Min, 200, 99, 100, 99},
        {0, 100, 50, Min, -5, 0, 100, 50},
        {0, 100, 50, Value, 150, 0, 100, 100},
        {0, 100, 50, Value, -3, 0, 100, 0},
        {20, 100, 50, Value, 5, 20, 100, 20},
        {0, 100, 80, Max, 60, 0, 60, 60},
        {0, 100, 10, Min, 30, 30, 100, 30},
        {0, 100, 50, Max, INT32_MAX, 0, INT32_MAX, 50},
        {0, 100, 50, Value, INT32_MIN, 0, 100, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "prop " << c.prop << " <- " << c.newValue);
        start(c.min, c.max, c.value);
        ASSERT_EQ(bar.Min(), c.min);
        ASSERT_EQ(bar.Max(), c.max);
        ASSERT_EQ(bar.Value(), c.value);
        if (c.prop == Max)
            bar.setMax(c.newValue);
        else if (c.prop == Min)
            bar.setMin(c.newValue);
        else
            bar.setValue(c.newValue);
        EXPECT_EQ(bar.Min(), c.wantMin);
        EXPECT_EQ(bar.Max(), c.wantMax);
        EXPECT_EQ(bar.Value(), c.wantValue);
    }
}

TEST_F(ProgressBarModel, AForcedValueIsNotifiedAndDrawnBeforeTheRangeEnd) {
    start(0, 100, 80);
    std::vector<std::string> seen;
    QObject::connect(&host, &ControlHost::propertyChangedNotice, [&](const QString& name) {
        seen.push_back(name.toStdString() + " max=" + std::to_string(bar.Max()) + " min=" +
                       std::to_string(bar.Min()) + " draws=" + std::to_string(bar.drawBarCalls()));
    });
    const int draws = bar.drawBarCalls();
    bar.setMax(60);
    const std::string d0 = std::to_string(draws), d1 = std::to_string(draws + 1);
    EXPECT_EQ(seen, (std::vector<std::string>{"Value max=60 min=0 draws=" + d0,
                                              "Max max=60 min=0 draws=" + d1}));
    EXPECT_EQ(bar.drawBarCalls(), draws + 2);

    start(0, 100, 10);
    seen.clear();
    bar.setMin(30);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].substr(0, 19), "Value max=100 min=3");
    EXPECT_EQ(seen[1].substr(0, 17), "Min max=100 min=3");
}

TEST_F(ProgressBarModel, EverySetterNotifiesAndDrawsOnceEvenWithoutAChange) {
    bar.InitialiseNew();
    host.clearChangedProperties();
    int draws = bar.drawBarCalls();
    bar.setValue(bar.Value());
    bar.setTheme(bar.Theme());
    bar.setText(bar.Text());
    bar.setTextFont(*bar.TextFont());
    bar.setPBSCustomeColor1(0);
    EXPECT_EQ(bar.drawBarCalls(), draws + 5);
    EXPECT_EQ(host.changedProperties(),
              (QStringList{"Value", "Theme", "Text", "TextFont", "PBSCustomeColor1"}));
    draws = bar.drawBarCalls();
    host.resizeControl(689, 17);
    EXPECT_EQ(bar.drawBarCalls(), draws + 1);
}

TEST_F(ProgressBarModel, ANewInstanceStartsEmptyAndInitialisesThroughItsSetters) {
    EXPECT_EQ(bar.Max(), 0);
    EXPECT_FALSE(bar.Enabled());
    EXPECT_FALSE(bar.TextFont().has_value());
    EXPECT_TRUE(bar.Text().isEmpty());

    FontDesc ambient;
    ambient.face = "Tahoma";
    ambient.points = 8;
    host.setAmbientFont(ambient);
    bar.InitialiseNew();
    EXPECT_EQ(host.changedProperties(),
              (QStringList{"Max", "Min", "Value", "RoundedValue", "Enabled", "Theme",
                           "TextForeColor", "Text", "TextAlignment", "TextEffect",
                           "TextEffectColor", "TextStyle", "Orientations", "TextFont"}));
    EXPECT_EQ(bar.Value(), 50);
    EXPECT_EQ(bar.Max(), 100);
    EXPECT_EQ(bar.RoundedValue(), 5);
    EXPECT_EQ(bar.Text(), "Q7TK ProgressBar");
    EXPECT_EQ(bar.TextEffectColor(), Rgb(255, 255, 255));
    EXPECT_EQ(bar.TextFont(), ambient);

    // A newly placed bar stores exactly the four values that differ from the stored defaults.
    PropertyBag bag;
    bar.SaveProperties(bag);
    EXPECT_EQ(bag.keys(),
              (std::vector<QString>{"TextStyle", "Text", "TextEffectColor", "TextEffect"}));
}

TEST_F(ProgressBarModel, StoredFormRoundTripsAndAnEmptyTextReadsBackAsTheDisplayName) {
    bar.InitialiseNew();
    bar.setMax(500);
    bar.setMin(20);
    bar.setValue(321);
    bar.setTheme(0);
    bar.setTextStyle(0);
    bar.setOrientations(3);
    bar.setEnabled(false);
    bar.setText(QString());
    bar.setTextForeColor(0x80000012u);
    bar.setPBSCustomeColor1(Rgb(1, 2, 3));
    FontDesc bold;
    bold.weight = 700;
    bar.setTextFont(bold);
    PropertyBag bag;
    bar.SaveProperties(bag);
    EXPECT_EQ(bag.keys(),
              (std::vector<QString>{"Orientations", "Max", "Min", "Value", "Enabled", "Theme",
                                    "TextStyle", "TextFont", "TextForeColor", "TextEffectColor",
                                    "TextEffect", "PBSCustomeColor1"}));

    ControlHost other("ProgressBar2");
    other.resizeControl(689, 17);
    ProgressBar loaded(other);
    other.setControl(&loaded);
    loaded.LoadProperties(PropertyBag::fromText(bag.toText()));
    EXPECT_EQ(loaded.Max(), 500);
    EXPECT_EQ(loaded.Min(), 20);
    EXPECT_EQ(loaded.Value(), 321);
    EXPECT_EQ(loaded.Theme(), 0);
    EXPECT_EQ(loaded.TextStyle(), 0);
    EXPECT_EQ(loaded.Orientations(), 3);
    EXPECT_FALSE(loaded.Enabled());
    EXPECT_EQ(loaded.Text(), "ProgressBar2");
    EXPECT_EQ(loaded.TextForeColor(), 0x80000012u);
    EXPECT_EQ(loaded.PBSCustomeColor1(), Rgb(1, 2, 3));
    EXPECT_EQ(loaded.TextFont(), bold);
    EXPECT_EQ(loaded.TextEffect(), 5);
    EXPECT_EQ(loaded.TextAlignment(), 5);
    // Min forces the fresh Value of 0 up through the Value setter before its own notice.
    EXPECT_EQ(other.changedProperties().mid(0, 4), (QStringList{"Max", "Value", "Min", "Value"}));
}

TEST_F(ProgressBarModel, LoadingAppliesDefaultsAndSkipsUnreadableValues) {
    PropertyBag onlyValue;
    onlyValue.setRaw("Value", std::int32_t{500});
    bar.LoadProperties(onlyValue);
    EXPECT_EQ(bar.Max(), 100);
    EXPECT_EQ(bar.Value(), 100);
    EXPECT_EQ(bar.Text(), "ProgressBar1");
    EXPECT_EQ(bar.TextEffectColor(), Rgb(200, 200, 200));
    EXPECT_EQ(bar.TextStyle(), 1);

    ControlHost other("ProgressBar2");
    other.resizeControl(100, 20);
    ProgressBar damaged(other);
    other.setControl(&damaged);
    PropertyBag bag = PropertyBag::fromText("Max = lots\nTheme = 7\nTextStyle = 2\nTextFont = ?\n");
    damaged.LoadProperties(bag);
    EXPECT_EQ(damaged.Max(), 0); // left as it was
    EXPECT_EQ(damaged.Value(), 0);
    EXPECT_EQ(damaged.Theme(), 7);
    EXPECT_FALSE(damaged.TextFont().has_value());
    EXPECT_EQ(damaged.captionText(), "%");
}

TEST_F(ProgressBarModel, AStoreErrorWhileSavingReachesTheHost) {
    bar.InitialiseNew();
    PropertyBag bag;
    bag.setWriteFailure(QStringLiteral("disk full"));
    EXPECT_THROW(bar.SaveProperties(bag), std::runtime_error);
}

TEST_F(ProgressBarModel, CaptionTexts) {
    struct Case {
        int style, value, max;
        const char* want;
    };
    for (Case c :
         {Case{2, 1, 3, "33.3333333333333%"}, Case{2, 50, 100, "50%"}, Case{2, 1, 8, "12.5%"},
          Case{2, 0, 100, "0%"}, Case{2, 2, 3, "66.6666666666667%"}, Case{2, 1, 2000000, "5E-05%"},
          Case{2, 1, 100000, "0.001%"}, Case{1, 42, 100, "42"}, Case{0, 42, 100, ""},
          Case{4, 42, 100, ""}}) {
        start(0, c.max, c.value);
        bar.setText("free text");
        bar.setTextStyle(c.style);
        EXPECT_EQ(bar.captionText(), QString::fromUtf8(c.want)) << c.value << "/" << c.max;
    }
    bar.setTextStyle(3);
    EXPECT_EQ(bar.captionText(), "free text");
}
