#include "widgets/lumobutton/lumobuttonInterface.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace rewrix;

TEST(lumobuttonInterface, PublishedMembersInOrderWithCategoriesAndNumbers) {
    const auto& properties = lumobuttonPublishedProperties();
    ASSERT_EQ(properties.size(), 38u);
    EXPECT_STREQ(properties.front().name, "BackColor");
    EXPECT_STREQ(properties.back().name, "ColorScheme");
    EXPECT_STREQ(
        properties[22].description,
        "Returns/Sets the Picture Effects to be applied when the mouseis over the control.");
    std::map<std::string, std::string> categories;
    for (const auto& p : properties)
        if (p.category)
            categories[p.name] = p.category;
    EXPECT_EQ(categories, (std::map<std::string, std::string>{{"BackColor", "Appearance"},
                                                              {"Caption", "Text"},
                                                              {"CaptionAlign", "Position"},
                                                              {"Enabled", "Behavior"},
                                                              {"Font", "Font"},
                                                              {"HandPointer", "Misc"}}));
    std::map<std::string, int> numbers;
    for (const auto& e : lumobuttonPublishedEvents())
        numbers[e.name] = e.number;
    EXPECT_EQ(numbers, (std::map<std::string, int>{{"Click", -600},
                                                   {"DblClick", -601},
                                                   {"MouseEnter", 1},
                                                   {"MouseLeave", 2},
                                                   {"MouseMove", 0},
                                                   {"MouseUp", -607},
                                                   {"MouseDown", -605},
                                                   {"KeyDown", -602},
                                                   {"KeyUp", -604},
                                                   {"KeyPress", -603}}));
    EXPECT_EQ(lumobuttonPublishedMethods().size(), 2u);
}
