// The button's stored form: the keys, their read and save defaults and orders.

#include "widgets/lumobutton/lumobutton.h"

#include "toolkit/ControlSite.h"
#include "toolkit/PropertyBag.h"
#include "toolkit/Surface.h"
#include "widgets/lumobutton/ButtonColors.h"

namespace rewrix {

namespace {

// Each key is read on its own: a value that is missing takes the default, one
// that cannot be read leaves the field as it was.
template <typename T, typename D>
void Read(const PropertyBag& bag, const char* key, T& field, D def) {
    if (auto value = bag.ReadProperty(QString::fromLatin1(key), def))
        field = static_cast<T>(*value);
}

void ReadInt(const PropertyBag& bag, const char* key, int& field, std::int32_t def) {
    Read(bag, key, field, def);
}

void ReadColour(const PropertyBag& bag, const char* key, Colour& field, Colour def) {
    Read(bag, key, field, def);
}

void ReadBool(const PropertyBag& bag, const char* key, bool& field, bool def) {
    Read(bag, key, field, def);
}

void ReadByte(const PropertyBag& bag, const char* key, uint8_t& field, uint8_t def) {
    // Kept as a 16-bit number; one that does not fit a byte is not a value
    // this property can hold, so it is skipped like any unreadable one.
    if (auto value = bag.ReadProperty(QString::fromLatin1(key), static_cast<std::int16_t>(def))) {
        if (*value >= 0 && *value <= 255)
            field = static_cast<uint8_t>(*value);
    }
}

void ReadPicture(const PropertyBag& bag, const char* key, PictureRef& field) {
    if (auto value = bag.ReadProperty(QString::fromLatin1(key), Picture{})) {
        if (value->isEmpty())
            field = nullptr;
        else if (auto picture = PictureObject::FromData(value->data))
            field = picture;
    }
}

Picture StoredPicture(const PictureRef& picture) {
    return picture ? Picture{picture->ToData()} : Picture{};
}

} // namespace

void lumobutton::LoadProperties(const PropertyBag& bag) {
    const Colour buttonFace = TranslateColor(SystemColourRef(15));
    const Colour buttonText = TranslateColor(SystemColourRef(18));
    ReadInt(bag, "ButtonStyle", ButtonStyle_, 1);
    ReadBool(bag, "ShowFocusRect", ShowFocusRect_, false);
    Read(bag, "Font", Font_, site_.ambientFont());
    site_.surface().setFont(Font_);
    ReadColour(bag, "BackColor", BackColor_, buttonFace);
    ReadBool(bag, "Enabled", Enabled_, true);
    Read(bag, "Caption", Caption_, QStringLiteral("lumobutton"));
    ReadBool(bag, "Value", Value_, false);
    Read(bag, "MousePointer", MousePointer_, static_cast<std::int16_t>(0));
    site_.setMousePointer(static_cast<rewrix::MousePointer>(MousePointer_));
    ReadBool(bag, "HandPointer", HandPointer_, false);
    ReadPicture(bag, "MouseIcon", MouseIcon_);
    if (MouseIcon_)
        site_.setMouseIcon(Picture{MouseIcon_->ToImageFile()});
    ReadPicture(bag, "PictureNormal", PictureNormal_);
    ReadPicture(bag, "PictureHot", PictureHot_);
    ReadPicture(bag, "PictureDown", PictureDown_);
    ReadBool(bag, "PictureShadow", PictureShadow_, false);
    ReadByte(bag, "PictureOpacity", PictureOpacity_, 255);
    ReadByte(bag, "PictureOpacityOnOver", PictureOpacityOnOver_, 255);
    ReadInt(bag, "DisabledPictureMode", DisabledPictureMode_, 0);
    ReadBool(bag, "PicturePushOnHover", PicturePushOnHover_, false);
    ReadInt(bag, "PictureEffectOnOver", PictureEffectOnOver_, 1);
    ReadInt(bag, "PictureEffectOnDown", PictureEffectOnDown_, 2);
    ReadColour(bag, "MaskColor", MaskColor_, Rgb(224, 224, 224));
    ReadBool(bag, "UseMaskColor", UseMaskColor_, true);
    ReadInt(bag, "CaptionEffects", CaptionEffects_, 0);
    ReadInt(bag, "Mode", Mode_, 0);
    ReadInt(bag, "PictureAlign", PictureAlign_, 1);
    ReadInt(bag, "CaptionAlign", CaptionAlign_, 1);
    ReadColour(bag, "ForeColor", ForeColor_, buttonText);
    ReadColour(bag, "ForeColorHover", ForeColorHover_, buttonText);
    ReadBool(bag, "DropDownSeparator", DropDownSeparator_, false);
    Read(bag, "TooltipTitle", TooltipTitle_, QString());
    Read(bag, "ToolTip", ToolTip_, QString());
    ReadInt(bag, "TooltipIcon", ToolTipIcon_, 0);
    ReadInt(bag, "TooltipType", ToolTipType_, 0);
    ReadColour(bag, "TooltipBackColor", TooltipBackColor_, TranslateColor(SystemColourRef(24)));
    ReadBool(bag, "RightToLeft", RightToLeft_, false);
    ReadBool(bag, "RightToLeft", state_.TipRightToLeft, false);
    ReadInt(bag, "DropDownSymbol", DropDownSymbol_, 0);
    ReadInt(bag, "ColorScheme", ColorScheme_, 0);

    site_.setEnabled(Enabled_);
    UpdateAccessKey();
    RefreshPaintSize();
    state_.ParentHwnd = site_.parentWindowHandle();
    state_.IsDefault = site_.displayAsDefault();
    // The pointing hand always exists here, so HandPointer stays as stored.
    RunResize();
    if (site_.userMode()) {
        // Leave notices and the parent's activation come from the host, so
        // the hooking of the window's messages is all in place.
        state_.TrackLeaveAvailable = true;
    }
}

void lumobutton::SaveProperties(PropertyBag& bag) {
    const Colour buttonFace = TranslateColor(SystemColourRef(15));
    const Colour buttonText = TranslateColor(SystemColourRef(18));
    const FontDesc ambient = site_.ambientFont();
    auto key = [](const char* name) { return QString::fromLatin1(name); };
    bag.WriteProperty(key("ButtonStyle"), static_cast<std::int32_t>(ButtonStyle_), 1);
    bag.WriteProperty(key("ShowFocusRect"), ShowFocusRect_, false);
    bag.WriteProperty(key("Enabled"), Enabled_, true);
    bag.WriteProperty(key("Font"), Font_, ambient);
    bag.WriteProperty(key("BackColor"), BackColor_, buttonFace);
    bag.WriteProperty(key("Caption"), Caption_, QStringLiteral("lumobutton1"));
    bag.WriteProperty(key("ForeColor"), ForeColor_, buttonText);
    bag.WriteProperty(key("ForeColorHover"), ForeColorHover_, buttonText);
    bag.WriteProperty(key("Mode"), static_cast<std::int32_t>(Mode_), 0);
    bag.WriteProperty(key("Value"), Value_, false);
    bag.WriteProperty(key("MousePointer"), MousePointer_, static_cast<std::int16_t>(0));
    bag.WriteProperty(key("HandPointer"), HandPointer_, false);
    bag.WriteProperty(key("MouseIcon"), StoredPicture(MouseIcon_), Picture{});
    bag.WriteProperty(key("PictureNormal"), StoredPicture(PictureNormal_), Picture{});
    bag.WriteProperty(key("PictureHot"), StoredPicture(PictureHot_), Picture{});
    bag.WriteProperty(key("PictureDown"), StoredPicture(PictureDown_), Picture{});
    bag.WriteProperty(key("PictureAlign"), static_cast<std::int32_t>(PictureAlign_), 1);
    bag.WriteProperty(key("PictureEffectOnOver"), static_cast<std::int32_t>(PictureEffectOnOver_),
                      1);
    bag.WriteProperty(key("PictureEffectOnDown"), static_cast<std::int32_t>(PictureEffectOnDown_),
                      2);
    bag.WriteProperty(key("PicturePushOnHover"), PicturePushOnHover_, false);
    bag.WriteProperty(key("PictureShadow"), PictureShadow_, false);
    bag.WriteProperty(key("PictureOpacity"), static_cast<std::int16_t>(PictureOpacity_),
                      static_cast<std::int16_t>(255));
    bag.WriteProperty(key("PictureOpacityOnOver"), static_cast<std::int16_t>(PictureOpacityOnOver_),
                      static_cast<std::int16_t>(255));
    bag.WriteProperty(key("DisabledPictureMode"), static_cast<std::int32_t>(DisabledPictureMode_),
                      0);
    // Its save default is the empty text, which no number equals: the key is
    // always written.
    bag.setRaw(key("CaptionEffects"), static_cast<std::int32_t>(CaptionEffects_));
    bag.WriteProperty(key("UseMaskColor"), UseMaskColor_, true);
    bag.WriteProperty(key("MaskColor"), MaskColor_, Rgb(224, 224, 224));
    bag.WriteProperty(key("CaptionAlign"), static_cast<std::int32_t>(CaptionAlign_), 1);
    bag.WriteProperty(key("ToolTip"), ToolTip_, QString());
    bag.WriteProperty(key("TooltipType"), static_cast<std::int32_t>(ToolTipType_), 0);
    bag.WriteProperty(key("TooltipIcon"), static_cast<std::int32_t>(ToolTipIcon_), 0);
    bag.WriteProperty(key("TooltipTitle"), TooltipTitle_, QString());
    bag.WriteProperty(key("TooltipBackColor"), TooltipBackColor_,
                      TranslateColor(SystemColourRef(24)));
    bag.WriteProperty(key("RightToLeft"), RightToLeft_, false);
    bag.WriteProperty(key("DropDownSymbol"), static_cast<std::int32_t>(DropDownSymbol_), 0);
    bag.WriteProperty(key("DropDownSeparator"), DropDownSeparator_, false);
    bag.WriteProperty(key("ColorScheme"), static_cast<std::int32_t>(ColorScheme_), 0);
}

} // namespace rewrix
