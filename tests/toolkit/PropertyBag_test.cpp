#include "toolkit/Colour.h"
#include "toolkit/PropertyBag.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace rewrix;

TEST(PropertyBag, DefaultsAreNotWrittenAndMissingKeysReadAsDefault) {
    PropertyBag bag;
    bag.WriteProperty("Max", 100, 100);
    bag.WriteProperty("Enabled", true, true);
    bag.WriteProperty("Text", QString(), QString());
    EXPECT_TRUE(bag.isEmpty());

    EXPECT_EQ(bag.ReadProperty("Max", 100), 100);
    EXPECT_EQ(bag.ReadProperty("Text", QStringLiteral("ProgressBar1")),
              QStringLiteral("ProgressBar1"));

    bag.WriteProperty("Max", 250, 100);
    bag.WriteProperty("Max", 100, 100); // back to the default: the entry goes
    EXPECT_FALSE(bag.contains("Max"));
}

TEST(PropertyBag, KeysCompareWithoutCaseAndKeepWritingOrder) {
    PropertyBag bag;
    bag.WriteProperty("Orientations", 2, 1);
    bag.WriteProperty("Max", 7, 100);
    bag.WriteProperty("MAX", 8, 100);
    EXPECT_EQ(bag.ReadProperty("max", 100), 8);
    ASSERT_EQ(bag.keys().size(), 2u);
    EXPECT_EQ(bag.keys()[0], "Orientations");
    EXPECT_EQ(bag.keys()[1], "Max");
}

TEST(PropertyBag, BooleansAreStoredAsSixteenBitMinusOneAndZero) {
    PropertyBag bag;
    bag.WriteProperty("Enabled", false, true);
    bag.WriteProperty("Shadow", true, false);
    ASSERT_TRUE(std::holds_alternative<std::int16_t>(*bag.raw("Enabled")));
    EXPECT_EQ(std::get<std::int16_t>(*bag.raw("Enabled")), 0);
    EXPECT_EQ(std::get<std::int16_t>(*bag.raw("Shadow")), -1);
    EXPECT_EQ(bag.ReadProperty("Enabled", true), false);
    EXPECT_EQ(bag.ReadProperty("Shadow", false), true);
}

TEST(PropertyBag, UnreadableOrUnconvertibleValuesReadAsNothing) {
    PropertyBag bag;
    bag.setRaw("Max", Unreadable{"garbage"});
    bag.setRaw("Theme", QStringLiteral("blue"));
    bag.setRaw("Opacity", std::int32_t{70000});
    bag.setRaw("Font", QStringLiteral("Arial"));
    EXPECT_FALSE(bag.ReadProperty("Max", 100).has_value());
    EXPECT_FALSE(bag.ReadProperty("Theme", 1).has_value());
    EXPECT_FALSE(bag.ReadProperty("Opacity", std::int16_t{255}).has_value());
    EXPECT_FALSE(bag.ReadProperty("Font", FontDesc{}).has_value());
    // Numbers kept as text still convert.
    bag.setRaw("Value", QStringLiteral(" 42 "));
    EXPECT_EQ(bag.ReadProperty("Value", 50), 42);
}

TEST(PropertyBag, TextFormRoundTripsEveryTypeAndMarksDamagedLines) {
    PropertyBag bag;
    bag.WriteProperty("Max", -7, 100);
    bag.WriteProperty("Colour", Colour{0x8000000Fu}, Colour{0});
    bag.WriteProperty("Enabled", false, true);
    bag.WriteProperty("Text", QStringLiteral("等待中...\n\"quoted\" \\"), QString());
    FontDesc font;
    font.face = "Tahoma";
    font.points = 10.5;
    font.weight = 700;
    font.underline = true;
    bag.WriteProperty("Font", font, FontDesc{});
    bag.WriteProperty("Picture", Picture{QByteArray("\x89PNG\0\1", 6)}, Picture{});

    const PropertyBag back = PropertyBag::fromText(bag.toText());
    EXPECT_EQ(back.ReadProperty("Max", 100), -7);
    EXPECT_EQ(back.ReadProperty("Colour", Colour{0}), 0x8000000Fu);
    EXPECT_EQ(back.ReadProperty("Enabled", true), false);
    EXPECT_EQ(back.ReadProperty("Text", QString()), QStringLiteral("等待中...\n\"quoted\" \\"));
    EXPECT_EQ(back.ReadProperty("Font", FontDesc{}), font);
    EXPECT_EQ(back.ReadProperty("Picture", Picture{}), (Picture{QByteArray("\x89PNG\0\1", 6)}));
    EXPECT_EQ(back.keys(), bag.keys());

    const PropertyBag damaged =
        PropertyBag::fromText("Max = 12abc\nText = \"open\nno equals sign\n");
    EXPECT_TRUE(damaged.contains("Max"));
    EXPECT_FALSE(damaged.ReadProperty("Max", 100).has_value());
    EXPECT_FALSE(damaged.ReadProperty("Text", QString()).has_value());
    EXPECT_EQ(damaged.entries().size(), 2u);
}

TEST(PropertyBag, AFailingStoreThrowsOnWrite) {
    PropertyBag bag;
    bag.setWriteFailure(QStringLiteral("disk full"));
    EXPECT_THROW(bag.WriteProperty("Max", 5, 100), std::runtime_error);
}
