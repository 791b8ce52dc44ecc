#include "widgets/lumobutton/lumobutton.h"

#include "FakeSite.h"
#include "toolkit/PropertyBag.h"
#include "toolkit/SystemColours.h"

#include <gtest/gtest.h>

using namespace rewrix;

namespace {

struct Fixture : testing::Test {
    Fixture() { SetSystemColourSource(SystemColourSource::Classic); }
};

std::string KeysOf(const PropertyBag& bag) {
    QStringList keys;
    for (const QString& k : bag.keys())
        keys << k;
    return keys.join(' ').toStdString();
}

PropertyBag SavedFrom(lumobutton& button) {
    PropertyBag bag;
    button.SaveProperties(bag);
    return bag;
}

} // namespace

using lumobuttonStoredForm = Fixture;

TEST_F(lumobuttonStoredForm, DefaultsAreNotWrittenExceptCaptionEffects) {
    FakeSite site;
    lumobutton button(site);
    button.LoadProperties(PropertyBag{});
    const PropertyBag bag = SavedFrom(button);
    // The caption read default differs from its save default, and the
    // effects' save default is a text no number equals.
    EXPECT_EQ(KeysOf(bag), "Caption CaptionEffects");
    EXPECT_EQ(bag.ReadProperty("Caption", ""), "lumobutton");
    EXPECT_EQ(bag.ReadProperty("CaptionEffects", 7), 0);
}

TEST_F(lumobuttonStoredForm, CaptionEqualToTheSaveDefaultReadsBackAsTheReadDefault) {
    FakeSite site;
    lumobutton button(site);
    button.LoadProperties(PropertyBag{});
    button.SetCaption("lumobutton1");
    PropertyBag bag = SavedFrom(button);
    EXPECT_FALSE(bag.contains("Caption"));
    FakeSite site2;
    lumobutton back(site2);
    back.LoadProperties(bag);
    EXPECT_EQ(back.Caption(), "lumobutton");
}

TEST_F(lumobuttonStoredForm, EverythingComesBackInTheSaveOrder) {
    QImage image(4, 3, QImage::Format_ARGB32);
    image.fill(qRgba(1, 2, 3, 4));
    const PictureRef picture = PictureObject::FromImage(image);

    FakeSite site;
    lumobutton button(site);
    button.LoadProperties(PropertyBag{});
    button.SetButtonStyle(8);
    button.SetColorScheme(1); // before the colours it would reset
    button.SetShowFocusRect(true);
    button.SetFont(FontDesc{"Tahoma", 11, 700});
    button.SetBackColor(Rgb(1, 2, 3));
    button.SetCaption("切换到&Rich");
    button.SetForeColor(Rgb(4, 5, 6));
    button.SetForeColorHover(Rgb(7, 8, 9));
    button.SetMode(2);
    button.SetValue(true);
    button.SetMousePointer(5);
    button.SetHandPointer(true);
    button.SetMouseIcon(picture);
    button.SetPictureNormal(picture);
    button.SetPictureHot(picture);
    button.SetPictureDown(picture);
    button.SetPictureAlign(6);
    button.SetPictureEffectOnOver(0);
    button.SetPictureEffectOnDown(1);
    button.SetPicturePushOnHover(true);
    button.SetPictureShadow(true);
    button.SetPictureOpacity(100);
    button.SetPictureOpacityOnOver(200);
    button.SetDisabledPictureMode(1);
    button.SetCaptionEffects(4);
    button.SetUseMaskColor(false);
    button.SetMaskColor(Rgb(9, 9, 9));
    button.SetCaptionAlign(2);
    button.SetToolTip("tip");
    button.SetToolTipType(1);
    button.SetToolTipIcon(3);
    button.SetTooltipTitle("title");
    button.SetTooltipBackColor(Rgb(200, 200, 250));
    button.SetRightToLeft(true);
    button.SetDropDownSymbol(6);
    button.SetDropDownSeparator(true);
    button.SetEnabled(false);
    const PropertyBag bag = SavedFrom(button);
    EXPECT_EQ(KeysOf(bag), "ButtonStyle ShowFocusRect Enabled Font BackColor Caption ForeColor "
                           "ForeColorHover Mode Value MousePointer MouseIcon PictureNormal "
                           "PictureHot PictureDown PictureAlign PictureEffectOnOver "
                           "PictureEffectOnDown PicturePushOnHover PictureShadow PictureOpacity "
                           "PictureOpacityOnOver DisabledPictureMode CaptionEffects UseMaskColor "
                           "MaskColor CaptionAlign ToolTip TooltipType TooltipIcon TooltipTitle "
                           "TooltipBackColor RightToLeft DropDownSymbol DropDownSeparator "
                           "ColorScheme")
        << "the mouse icon turned the hand pointer off, so it is not written";

    // Through the text form of the stored layout and back.
    const PropertyBag reread = PropertyBag::fromText(bag.toText());
    FakeSite site2;
    lumobutton back(site2);
    back.LoadProperties(reread);
    EXPECT_EQ(back.ButtonStyle(), 8);
    EXPECT_TRUE(back.ShowFocusRect());
    EXPECT_FALSE(back.Enabled());
    EXPECT_FALSE(site2.isEnabled);
    EXPECT_EQ(back.Font(), (FontDesc{"Tahoma", 11, 700}));
    EXPECT_EQ(back.BackColor(), Rgb(1, 2, 3));
    EXPECT_EQ(back.Caption(), "切换到&Rich");
    EXPECT_EQ(site2.accessKeys, "r");
    EXPECT_EQ(back.ForeColor(), Rgb(4, 5, 6));
    EXPECT_EQ(back.ForeColorHover(), Rgb(7, 8, 9));
    EXPECT_EQ(back.Mode(), 2);
    EXPECT_TRUE(back.Value());
    EXPECT_EQ(back.MousePointer(), 99);
    EXPECT_FALSE(back.HandPointer());
    for (const PictureRef& p :
         {back.MouseIcon(), back.PictureNormal(), back.PictureHot(), back.PictureDown()})
        EXPECT_TRUE(SamePicture(p, picture));
    EXPECT_EQ(back.PictureAlign(), 6);
    EXPECT_EQ(back.PictureEffectOnOver(), 0);
    EXPECT_EQ(back.PictureEffectOnDown(), 1);
    EXPECT_TRUE(back.PicturePushOnHover());
    EXPECT_TRUE(back.PictureShadow());
    EXPECT_EQ(back.PictureOpacity(), 100);
    EXPECT_EQ(back.PictureOpacityOnOver(), 200);
    EXPECT_EQ(back.DisabledPictureMode(), 1);
    EXPECT_EQ(back.CaptionEffects(), 4);
    EXPECT_FALSE(back.UseMaskColor());
    EXPECT_EQ(back.MaskColor(), Rgb(9, 9, 9));
    EXPECT_EQ(back.CaptionAlign(), 2);
    EXPECT_EQ(back.ToolTip(), "tip");
    EXPECT_EQ(back.ToolTipType(), 1);
    EXPECT_EQ(back.ToolTipIcon(), 3);
    EXPECT_EQ(back.TooltipTitle(), "title");
    EXPECT_EQ(back.TooltipBackColor(), Rgb(200, 200, 250));
    EXPECT_TRUE(back.RightToLeft());
    EXPECT_TRUE(back.State().TipRightToLeft);
    EXPECT_EQ(back.DropDownSymbol(), 6);
    EXPECT_TRUE(back.DropDownSeparator());
    EXPECT_EQ(back.ColorScheme(), 3) << "made custom by the back colour";
}

TEST_F(lumobuttonStoredForm, UnreadableValuesAreSkipped) {
    PropertyBag bag;
    bag.setRaw("ButtonStyle", Unreadable{"x"});
    bag.setRaw("Caption", std::int32_t{5});
    bag.setRaw("PictureOpacity", std::int16_t{300});
    bag.setRaw("PictureNormal", Picture{"not an image"});
    bag.setRaw("ToolTip", QString("kept"));
    FakeSite site;
    lumobutton button(site);
    button.LoadProperties(bag);
    EXPECT_EQ(button.ButtonStyle(), 0) << "left as it was";
    EXPECT_EQ(button.PictureOpacity(), 0) << "300 is no byte";
    EXPECT_EQ(button.PictureNormal(), nullptr);
    EXPECT_EQ(button.ToolTip(), "kept");
    EXPECT_EQ(button.PictureEffectOnDown(), 2) << "the keys after a bad one still load";
}

TEST_F(lumobuttonStoredForm, KeysCompareWithoutCaseAndLoadingKeepsStoredColours) {
    PropertyBag bag;
    bag.setRaw("buttonstyle", std::int32_t{3});
    bag.setRaw("BACKCOLOR", std::int32_t{0x00112233});
    FakeSite site;
    lumobutton button(site);
    button.LoadProperties(bag);
    EXPECT_EQ(button.ButtonStyle(), 3);
    EXPECT_EQ(button.BackColor(), 0x00112233u) << "no style colours run on loading";
    EXPECT_EQ(button.ColorScheme(), 0);
}
