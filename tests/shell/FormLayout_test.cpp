#include "shell/FormLayout.h"

#include <gtest/gtest.h>

using namespace rewrix;

TEST(FormLayout, TwipsBecomePixelsToTheNearest) {
    const struct {
        int twips, pixels;
    } cases[] = {
        {0, 0},       {-80, -5},    {7850, 523},  {10, 1}, {7, 0},   {8, 1},
        {10780, 719}, {10800, 720}, {10815, 721}, {-7, 0}, {-8, -1}, {8055, 537},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TwipsToPixels(c.twips), c.pixels) << c.twips;
}

TEST(FormLayout, NestedBlocksBecomeContainersInFileOrder) {
    const auto layout = ParseFormLayout(QStringLiteral(R"(
# a comment
Begin Form W
  Width = 300
  Begin Frame F
    Left = 15
    Top = -80
    Width = 150
    Height = 30
    TabIndex = 1
    Caption = "选项"
    Begin CheckBox C
      Value = 1
    End
  End
  Begin ProgressBar P
    Left = 120
    TabIndex = 0
    TextFont = font("宋体", 9, 400, 0, 0, 0, 134)
    Text = "等待中..."
  End
End
)"));
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->name, "W");
    ASSERT_EQ(layout->children.size(), 2u);
    const LayoutControl& frame = layout->children[0];
    EXPECT_EQ(frame.kind, "Frame");
    EXPECT_EQ(frame.pixelRect(), QRect(1, -5, 10, 2));
    EXPECT_EQ(frame.text("Caption"), "选项");
    EXPECT_EQ(frame.tabIndex(), 1);
    ASSERT_EQ(frame.children.size(), 1u);
    EXPECT_EQ(frame.children[0].number("Value", 0), 1);
    EXPECT_EQ(frame.children[0].tabIndex(), -1);

    // A custom control's stored properties are its values without the placement.
    const PropertyBag stored = layout->children[1].storedProperties();
    EXPECT_EQ(stored.keys(), (std::vector<QString>{"TextFont", "Text"}));
}

TEST(FormLayout, DamagedTextIsRefusedWithItsLine) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"Begin Form W\n  Width = 1\n", "line 1: W has no End"},
        {"End\n", "line 1: End without Begin"},
        {"Width = 1\n", "line 1: a value outside any block"},
        {"Begin Form W\n  Begin Frame\n  End\nEnd\n", "line 2: expected Begin <kind> <name>"},
        {"Begin Form W\n  Width\nEnd\n", "line 2: expected Key = value"},
        {"Begin Form W\n  Width = twelve\nEnd\n", "line 1: W: unreadable value of Width"},
        {"Begin Form W\nEnd\nBegin Form V\nEnd\n", "line 3: a second window"},
        {"# nothing\n", "line 1: no window"},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(ParseFormLayout(QString::fromUtf8(c.text), &error)) << c.text;
        EXPECT_EQ(error.toStdString(), c.error) << c.text;
    }
}
