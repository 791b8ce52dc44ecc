#include "widgets/lumobutton/lumobutton.h"

#include "FakeSite.h"
#include "toolkit/PropertyBag.h"
#include "toolkit/SystemColours.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <gtest/gtest.h>

#include <functional>

using namespace rewrix;

namespace {

PictureRef Square(int side, QRgb colour = qRgb(200, 10, 10)) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(colour);
    return PictureObject::FromImage(image);
}

// A button as the stored layout makes it: loaded from an empty store.
struct Loaded {
    FakeSite site;
    lumobutton button{site};
    Loaded() {
        SetSystemColourSource(SystemColourSource::Classic);
        button.LoadProperties(PropertyBag{});
        site.changed.clear();
    }
};

} // namespace

TEST(lumobuttonProperties, EverySetterReportsAndRedrawsAsItsRowSays) {
    struct Row {
        const char* name;
        std::function<void(lumobutton&)> set;
        QStringList reported;
        int redraws;
    };
    const std::vector<Row> rows = {
        {"BackColor", [](lumobutton& b) { b.SetBackColor(Rgb(1, 2, 3)); }, {"BackColor"}, 1},
        {"ButtonStyle", [](lumobutton& b) { b.SetButtonStyle(5); }, {"ButtonStyle"}, 1},
        {"Caption", [](lumobutton& b) { b.SetCaption("&Go"); }, {"Caption"}, 1},
        {"CaptionAlign", [](lumobutton& b) { b.SetCaptionAlign(2); }, {"CaptionAlign"}, 1},
        {"DropDownSymbol", [](lumobutton& b) { b.SetDropDownSymbol(6); }, {"DropDownSymbol"}, 1},
        {"DropDownSeparator",
         [](lumobutton& b) { b.SetDropDownSeparator(true); },
         {"DropDownSeparator"},
         1},
        {"DisabledPictureMode",
         [](lumobutton& b) { b.SetDisabledPictureMode(1); },
         {"DisabledPictureMode"},
         1},
        {"Enabled", [](lumobutton& b) { b.SetEnabled(false); }, {"Enabled"}, 1},
        {"Font",
         [](lumobutton& b) {
             b.SetFont(FontDesc{"Tahoma", 10});
         },
         {"Font"},
         2},
        {"ForeColor", [](lumobutton& b) { b.SetForeColor(Rgb(9, 9, 9)); }, {"ForeColor"}, 1},
        {"ForeColorHover",
         [](lumobutton& b) { b.SetForeColorHover(Rgb(9, 9, 9)); },
         {"ForeColorHover"},
         1},
        {"HandPointer", [](lumobutton& b) { b.SetHandPointer(true); }, {"HandPointer"}, 1},
        {"MaskColor", [](lumobutton& b) { b.SetMaskColor(Rgb(9, 9, 9)); }, {"MaskColor"}, 1},
        {"Mode", [](lumobutton& b) { b.SetMode(1); }, {"Value", "Mode"}, 1},
        {"MouseIcon", [](lumobutton& b) { b.SetMouseIcon(Square(16)); }, {"MouseIcon"}, 0},
        {"MousePointer", [](lumobutton& b) { b.SetMousePointer(2); }, {"MousePointer"}, 0},
        {"PictureNormal",
         [](lumobutton& b) { b.SetPictureNormal(Square(8)); },
         {"PictureNormal"},
         1},
        {"PictureAlign without a picture",
         [](lumobutton& b) { b.SetPictureAlign(3); },
         {"PictureAlign"},
         0},
        {"PictureShadow", [](lumobutton& b) { b.SetPictureShadow(true); }, {"PictureShadow"}, 1},
        {"PictureEffectOnOver",
         [](lumobutton& b) { b.SetPictureEffectOnOver(2); },
         {"PictureEffectOnOver"},
         1},
        {"PictureEffectOnDown",
         [](lumobutton& b) { b.SetPictureEffectOnDown(0); },
         {"PictureEffectOnDown"},
         1},
        {"PicturePushOnHover",
         [](lumobutton& b) { b.SetPicturePushOnHover(true); },
         {"PicturePushOnHover"},
         1},
        {"PictureOpacity", [](lumobutton& b) { b.SetPictureOpacity(9); }, {"PictureOpacity"}, 1},
        {"PictureOpacityOnOver",
         [](lumobutton& b) { b.SetPictureOpacityOnOver(9); },
         {"PictureOpacityOnOver"},
         1},
        {"RightToLeft", [](lumobutton& b) { b.SetRightToLeft(true); }, {"RightToLeft"}, 1},
        {"CaptionEffects", [](lumobutton& b) { b.SetCaptionEffects(3); }, {"CaptionEffects"}, 1},
        {"ShowFocusRect", [](lumobutton& b) { b.SetShowFocusRect(true); }, {"ShowFocusRect"}, 0},
        {"UseMaskColor without a picture",
         [](lumobutton& b) { b.SetUseMaskColor(false); },
         {"UseMaskColor"},
         0},
        {"Value in push mode", [](lumobutton& b) { b.SetValue(true); }, {}, 1},
        {"TooltipTitle", [](lumobutton& b) { b.SetTooltipTitle("t"); }, {"TooltipTitle"}, 1},
        {"ToolTip", [](lumobutton& b) { b.SetToolTip("t"); }, {"ToolTip"}, 1},
        {"TooltipBackColor",
         [](lumobutton& b) { b.SetTooltipBackColor(Rgb(1, 1, 1)); },
         {"TooltipBackColor"},
         1},
        {"ToolTipIcon", [](lumobutton& b) { b.SetToolTipIcon(2); }, {"ToolTipIcon"}, 1},
        {"ToolTipType", [](lumobutton& b) { b.SetToolTipType(1); }, {"ToolTipType"}, 1},
        {"ColorScheme", [](lumobutton& b) { b.SetColorScheme(1); }, {"ColorScheme"}, 1},
    };
    for (const auto& row : rows) {
        Loaded l;
        const int before = l.button.RedrawCount();
        row.set(l.button);
        EXPECT_EQ(l.site.changed, row.reported) << row.name;
        EXPECT_EQ(l.button.RedrawCount() - before, row.redraws) << row.name;
    }
}

TEST(lumobuttonProperties, PictureSettersAndTheNormalPicture) {
    Loaded l;
    auto hot = Square(8, qRgb(1, 1, 1));
    const int before = l.button.RedrawCount();
    l.button.SetPictureHot(hot);
    EXPECT_EQ(l.button.PictureNormal(), hot) << "the first picture becomes the normal one";
    EXPECT_EQ(l.button.PictureHot(), nullptr);
    EXPECT_EQ(l.button.RedrawCount(), before);
    l.button.SetPictureDown(Square(8, qRgb(2, 2, 2)));
    EXPECT_EQ(l.button.PictureNormal(), hot);
    EXPECT_NE(l.button.PictureDown(), nullptr);
    l.button.SetPictureHot(Square(8, qRgb(3, 3, 3)));
    EXPECT_NE(l.button.PictureHot(), nullptr);

    // Alignment and mask redraw once there is a picture to place.
    const int withPicture = l.button.RedrawCount();
    l.button.SetPictureAlign(4);
    l.button.SetUseMaskColor(false);
    EXPECT_EQ(l.button.RedrawCount(), withPicture + 2);

    l.button.SetPictureNormal(nullptr);
    EXPECT_EQ(l.button.PictureHot(), nullptr);
    EXPECT_EQ(l.button.PictureDown(), nullptr);
    EXPECT_GT(l.button.RedrawCount(), withPicture + 2);
}

TEST(lumobuttonProperties, BackColourMakesTheSchemeCustomExceptOnTheToolbar) {
    Loaded l;
    l.button.SetButtonStyle(2);
    EXPECT_EQ(l.button.ColorScheme(), 0);
    EXPECT_EQ(l.button.BackColor(), Rgb(236, 235, 231));
    l.button.SetBackColor(Rgb(10, 20, 30));
    EXPECT_EQ(l.button.ColorScheme(), 3);
    EXPECT_EQ(l.button.BackColor(), Rgb(10, 20, 30));
    // A later style resets the scheme and its colours.
    l.button.SetButtonStyle(3);
    EXPECT_EQ(l.button.ColorScheme(), 2);
    EXPECT_EQ(l.button.BackColor(), Rgb(227, 227, 227));
    EXPECT_FALSE(l.button.ShowFocusRect());

    l.button.SetButtonStyle(4);
    EXPECT_TRUE(l.button.PicturePushOnHover());
    l.button.SetBackColor(Rgb(10, 20, 30));
    EXPECT_EQ(l.button.ColorScheme(), 0);

    l.button.SetButtonStyle(9);
    EXPECT_TRUE(l.button.ShowFocusRect());
    EXPECT_TRUE(l.button.PicturePushOnHover()) << "never cleared by a style";
    l.button.SetColorScheme(1);
    EXPECT_EQ(l.button.BackColor(), Rgb(212, 214, 186));
}

TEST(lumobuttonProperties, ValueAndModeMoveTheDrawState) {
    Loaded l;
    l.button.SetValue(true);
    EXPECT_FALSE(l.button.Value()) << "a push button keeps no value";
    l.button.SetMode(1);
    l.button.SetValue(true);
    EXPECT_TRUE(l.button.Value());
    EXPECT_EQ(l.button.State().DrawState, Down) << "a checked button shows pressed";
    l.button.SetValue(false);
    EXPECT_EQ(l.button.State().DrawState, Normal);
    l.button.SetValue(true);
    l.button.SetMode(0);
    EXPECT_TRUE(l.button.Value()) << "Mode leaves Value alone";
    EXPECT_EQ(l.button.State().DrawState, Normal);
    // A checked button in styles 0 and 6 draws its own checked look.
    l.button.SetMode(1);
    l.button.SetButtonStyle(6);
    l.button.Redraw();
    EXPECT_EQ(l.button.State().DrawState, Down) << "kept from before";
    l.button.SetValue(true);
    l.button.SetValue(false);
    l.button.SetValue(true);
    EXPECT_EQ(l.button.State().DrawState, Normal);
}

TEST(lumobuttonProperties, PointerIconAndHand) {
    Loaded l;
    l.button.SetMousePointer(3);
    EXPECT_EQ(l.site.pointer, MousePointer::IBeam);
    l.button.SetHandPointer(true);
    EXPECT_EQ(l.site.pointer, MousePointer::Default);
    EXPECT_EQ(l.button.MousePointer(), 0);
    l.button.MouseMove(0, 0, 5, 5);
    EXPECT_EQ(l.site.pointer, MousePointer::Hand);
    l.button.SetMouseIcon(Square(16));
    EXPECT_FALSE(l.button.HandPointer());
    EXPECT_EQ(l.button.MousePointer(), 99);
    EXPECT_EQ(l.site.pointer, MousePointer::Custom);
    l.button.SetMouseIcon(nullptr);
    EXPECT_EQ(l.button.MousePointer(), 0);
}

TEST(lumobuttonProperties, CaptionGivesTheAccessKeyToTheHost) {
    Loaded l;
    l.button.SetCaption(QStringLiteral("切换到&Rich"));
    EXPECT_EQ(l.site.accessKeys, "r");
    l.button.SetCaption(QStringLiteral("&&plain"));
    EXPECT_EQ(l.site.accessKeys, "");
}

TEST(lumobuttonProperties, NewAndLoadedButtonsStartDifferently) {
    SetSystemColourSource(SystemColourSource::Classic);
    FakeSite newSite;
    newSite.name = "lumobutton7";
    lumobutton fresh(newSite);
    fresh.InitialiseNew();
    EXPECT_EQ(fresh.ButtonStyle(), 13);
    EXPECT_FALSE(fresh.ShowFocusRect());
    EXPECT_TRUE(fresh.Enabled());
    EXPECT_EQ(fresh.Caption(), "lumobutton7");
    EXPECT_EQ(fresh.Font().face, "Tahoma");
    EXPECT_EQ(fresh.BackColor(), 0u);
    EXPECT_EQ(fresh.ForeColor(), Rgb(0, 0, 0));
    EXPECT_EQ(fresh.ForeColorHover(), 0u);
    EXPECT_EQ(fresh.PictureEffectOnOver(), 0);
    EXPECT_EQ(fresh.PictureEffectOnDown(), 0);
    EXPECT_EQ(fresh.PictureOpacity(), 255);
    EXPECT_EQ(fresh.PictureAlign(), 1);
    EXPECT_EQ(fresh.CaptionAlign(), 1);
    EXPECT_TRUE(fresh.UseMaskColor());
    EXPECT_EQ(fresh.MaskColor(), Rgb(224, 224, 224));

    Loaded l;
    EXPECT_EQ(l.button.ButtonStyle(), 1);
    EXPECT_FALSE(l.button.ShowFocusRect());
    EXPECT_EQ(l.button.PictureEffectOnOver(), 1);
    EXPECT_EQ(l.button.PictureEffectOnDown(), 2);
    EXPECT_EQ(l.button.Caption(), "lumobutton");
    EXPECT_EQ(l.button.BackColor(), Rgb(240, 240, 240));
    EXPECT_EQ(l.button.TooltipBackColor(), Rgb(255, 255, 225));
}

TEST(lumobuttonProperties, ThemedStyleFallsBackForGoodWithoutVisualStyles) {
    QStyle* previous = QApplication::style();
    const QString previousName = previous->name();
    QApplication::setStyle(QStyleFactory::create("Windows"));
    {
        Loaded l;
        l.button.SetColorScheme(2);
        l.button.SetButtonStyle(13);
        EXPECT_EQ(l.button.ButtonStyle(), 2);
        EXPECT_EQ(l.button.ColorScheme(), 0);
        EXPECT_EQ(l.button.BackColor(), Rgb(236, 235, 231));
        PropertyBag bag;
        l.button.SaveProperties(bag);
        EXPECT_EQ(bag.ReadProperty("ButtonStyle", 1), 2);
    }
    QApplication::setStyle(QStyleFactory::create(previousName));
    {
        Loaded l;
        l.button.SetButtonStyle(13);
        EXPECT_EQ(l.button.ButtonStyle(), 13) << "themed under " << previousName.toStdString();
    }
}

TEST(lumobuttonProperties, WindowShapeFollowsTheStyle) {
    Loaded l; // 100 x 30
    l.button.SetButtonStyle(1);
    EXPECT_EQ(l.site.region, Region::FromRect({0, 0, 100, 30}));
    l.button.SetButtonStyle(3);
    EXPECT_EQ(l.site.region, Region::FromRoundRect({0, 0, 101, 31}, 3, 3));
    l.button.SetButtonStyle(10);
    EXPECT_EQ(l.site.region, Region::FromRoundRect({0, 0, 101, 31}, 4, 4));
}

TEST(lumobuttonProperties, TinyButtonsGrowToFifteenPixels) {
    FakeSite site(10, 4);
    lumobutton button(site);
    button.LoadProperties(PropertyBag{});
    EXPECT_EQ(site.surface().width(), 15);
    EXPECT_EQ(site.surface().height(), 15);
}
