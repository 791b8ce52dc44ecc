#include "widgets/lumobutton/lumobutton.h"

#include "toolkit/ControlSite.h"
#include "toolkit/PopupMenu.h"
#include "toolkit/Surface.h"
#include "toolkit/TooltipWindow.h"
#include "widgets/lumobutton/AccessKey.h"
#include "widgets/lumobutton/ButtonColors.h"
#include "widgets/lumobutton/StyleColors.h"

#include <algorithm>

namespace rewrix {

std::vector<lumobutton*>& lumobutton::Instances() {
    static std::vector<lumobutton*> instances;
    return instances;
}

lumobutton::lumobutton(ControlSite& site) : site_(site) {
    Instances().push_back(this);
    site_.setAcceptsFocus(true);
}

lumobutton::~lumobutton() {
    UnsetPopupMenu();
    auto& all = Instances();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

void lumobutton::Changed(const char* name) {
    site_.propertyChanged(QString::fromLatin1(name));
}

std::uintptr_t lumobutton::hwnd() const {
    return site_.windowHandle();
}

void lumobutton::SetBackColor(Colour value) {
    BackColor_ = value;
    // The toolbar style tints its own face; every other style takes a user
    // colour as the custom scheme.
    if (ButtonStyle_ != 4)
        ColorScheme_ = 3;
    Changed("BackColor");
    Redraw();
}

void lumobutton::SetButtonStyle(int value) {
    ButtonStyle_ = value;
    ResetColorScheme();
    ApplyStyleColors();
    ApplyRegion();
    Changed("ButtonStyle");
    Redraw();
}

void lumobutton::SetCaption(const QString& New_Caption) {
    Caption_ = New_Caption;
    UpdateAccessKey();
    Changed("Caption");
    Redraw();
}

void lumobutton::SetCaptionAlign(int value) {
    CaptionAlign_ = value;
    Changed("CaptionAlign");
    Redraw();
}

void lumobutton::SetDropDownSymbol(int value) {
    DropDownSymbol_ = value;
    Changed("DropDownSymbol");
    Redraw();
}

void lumobutton::SetDropDownSeparator(bool value) {
    DropDownSeparator_ = value;
    Changed("DropDownSeparator");
    Redraw();
}

void lumobutton::SetDisabledPictureMode(int value) {
    DisabledPictureMode_ = value;
    Changed("DisabledPictureMode");
    Redraw();
}

void lumobutton::SetEnabled(bool value) {
    Enabled_ = value;
    site_.setEnabled(value);
    Changed("Enabled");
    Redraw();
}

void lumobutton::SetFont(const FontDesc& value) {
    Font_ = value;
    site_.present();
    Redraw();
    mFont_FontChanged(QStringLiteral("Font"));
}

void lumobutton::mFont_FontChanged(const QString& PropertyName) {
    (void)PropertyName;
    site_.surface().setFont(Font_);
    site_.present();
    Redraw();
    Changed("Font");
}

void lumobutton::SetForeColor(Colour value) {
    ForeColor_ = value;
    Changed("ForeColor");
    Redraw();
}

void lumobutton::SetForeColorHover(Colour value) {
    ForeColorHover_ = value;
    Changed("ForeColorHover");
    Redraw();
}

void lumobutton::SetHandPointer(bool value) {
    HandPointer_ = value;
    // The hand itself is set on every mouse input; the standing pointer goes
    // back to the default so that the two do not fight.
    if (value) {
        MousePointer_ = 0;
        site_.setMousePointer(rewrix::MousePointer::Default);
    }
    Changed("HandPointer");
    Redraw();
}

void lumobutton::SetMaskColor(Colour value) {
    MaskColor_ = value;
    Changed("MaskColor");
    Redraw();
}

void lumobutton::SetMode(int value) {
    Mode_ = value;
    if (value == 0)
        state_.DrawState = Normal;
    Redraw();
    Changed("Value");
    Changed("Mode");
}

void lumobutton::SetMouseIcon(const PictureRef& value) {
    MouseIcon_ = value;
    if (value) {
        // A pointer the host cannot use leaves the old one; that is no error.
        site_.setMouseIcon(Picture{value->ToImageFile()});
        HandPointer_ = false;
        MousePointer_ = 99;
        site_.setMousePointer(rewrix::MousePointer::Custom);
    } else {
        MousePointer_ = 0;
        site_.setMousePointer(rewrix::MousePointer::Default);
    }
    Changed("MouseIcon");
}

void lumobutton::SetMousePointer(int16_t value) {
    MousePointer_ = value;
    site_.setMousePointer(static_cast<rewrix::MousePointer>(value));
    Changed("MousePointer");
}

void lumobutton::SetPictureNormal(const PictureRef& value) {
    PictureNormal_ = value;
    Changed("PictureNormal");
    if (!value) {
        // The other pictures only vary the normal one; without it they go.
        PictureHot_ = nullptr;
        PictureDown_ = nullptr;
        RunResize();
    } else {
        Redraw();
    }
}

void lumobutton::SetPictureHot(const PictureRef& value) {
    if (!PictureNormal_) {
        PictureNormal_ = value;
        Changed("PictureNormal");
        return;
    }
    PictureHot_ = value;
    Changed("PictureHot");
    Redraw();
}

void lumobutton::SetPictureDown(const PictureRef& value) {
    if (!PictureNormal_) {
        PictureNormal_ = value;
        Changed("PictureNormal");
        return;
    }
    PictureDown_ = value;
    Changed("PictureDown");
    Redraw();
}

void lumobutton::SetPictureAlign(int value) {
    PictureAlign_ = value;
    Changed("PictureAlign");
    if (PictureNormal_)
        Redraw();
}

void lumobutton::SetPictureShadow(bool value) {
    PictureShadow_ = value;
    Changed("PictureShadow");
    Redraw();
}

void lumobutton::SetPictureEffectOnOver(int value) {
    PictureEffectOnOver_ = value;
    Changed("PictureEffectOnOver");
    Redraw();
}

void lumobutton::SetPictureEffectOnDown(int value) {
    PictureEffectOnDown_ = value;
    Changed("PictureEffectOnDown");
    Redraw();
}

void lumobutton::SetPicturePushOnHover(bool value) {
    PicturePushOnHover_ = value;
    Changed("PicturePushOnHover");
    Redraw();
}

void lumobutton::SetPictureOpacity(uint8_t value) {
    PictureOpacity_ = value;
    Changed("PictureOpacity");
    Redraw();
}

void lumobutton::SetPictureOpacityOnOver(uint8_t value) {
    PictureOpacityOnOver_ = value;
    Changed("PictureOpacityOnOver");
    Redraw();
}

void lumobutton::SetRightToLeft(bool value) {
    RightToLeft_ = value;
    state_.TipRightToLeft = value;
    Changed("RightToLeft");
    Redraw();
}

void lumobutton::SetCaptionEffects(int value) {
    CaptionEffects_ = value;
    Changed("CaptionEffects");
    Redraw();
}

void lumobutton::SetShowFocusRect(bool value) {
    ShowFocusRect_ = value;
    Changed("ShowFocusRect");
}

void lumobutton::SetUseMaskColor(bool value) {
    UseMaskColor_ = value;
    Changed("UseMaskColor");
    if (PictureNormal_)
        Redraw();
}

void lumobutton::SetValue(bool value) {
    if (Mode_ == 0) {
        // A push button has no value to keep.
        state_.DrawState = Normal;
        Redraw();
        return;
    }
    Value_ = value;
    if (!value)
        state_.DrawState = Normal;
    Changed("Value");
    Redraw();
}

void lumobutton::SetTooltipTitle(const QString& value) {
    TooltipTitle_ = value;
    Changed("TooltipTitle");
    Redraw();
}

void lumobutton::SetToolTip(const QString& value) {
    ToolTip_ = value;
    Changed("ToolTip");
    Redraw();
}

void lumobutton::SetTooltipBackColor(Colour value) {
    TooltipBackColor_ = value;
    Changed("TooltipBackColor");
    Redraw();
}

void lumobutton::SetToolTipIcon(int lTooltipIcon) {
    ToolTipIcon_ = lTooltipIcon;
    Changed("ToolTipIcon");
    Redraw();
}

void lumobutton::SetToolTipType(int lNewTTType) {
    ToolTipType_ = lNewTTType;
    Changed("ToolTipType");
    Redraw();
}

void lumobutton::SetColorScheme(int value) {
    ColorScheme_ = value;
    ApplyStyleColors();
    Changed("ColorScheme");
    Redraw();
}

void lumobutton::ResetColorScheme() {
    ColorScheme_ = SchemeForStyle(ButtonStyle_, ColorScheme_);
}

void lumobutton::ApplyStyleColors() {
    StyleColorSet current{BackColor_, ForeColor_, ShowFocusRect_, PicturePushOnHover_};
    const StyleColorSet next = StyleColorsFor(ButtonStyle_, ColorScheme_, current);
    BackColor_ = next.BackColor;
    ForeColor_ = next.ForeColor;
    ShowFocusRect_ = next.ShowFocusRect;
    PicturePushOnHover_ = next.PicturePushOnHover;
}

void lumobutton::UpdateAccessKey() {
    const QChar key = AccessKeyOf(Caption_);
    AccessKeys_ = key.isNull() ? QString() : QString(key);
    site_.setAccessKeys(AccessKeys_);
}

void lumobutton::RefreshPaintSize() {
    state_.PaintWidth = site_.surface().width();
    state_.PaintHeight = site_.surface().height();
    state_.ButtonRect = {0, 0, state_.PaintWidth, state_.PaintHeight};
}

void lumobutton::ApplyRegion() {
    const Surface& surface = site_.surface();
    RefreshPaintSize();
    const Rect rounded{0, 0, state_.PaintWidth + 1, state_.PaintHeight + 1};
    switch (ButtonStyle_) {
    case 2:
    case 3:
    case 7:
    case 9:
        site_.setWindowRegion(Region::FromRoundRect(rounded, 3, 3));
        break;
    case 6:
    case 10:
        site_.setWindowRegion(Region::FromRoundRect(rounded, 4, 4));
        break;
    default:
        site_.setWindowRegion(Region::FromRect(surface.rect()));
        break;
    }
}

void lumobutton::RunResize() {
    // Fifteen pixels (220 twips) is the least a button can show itself in.
    constexpr int kMinimum = 15;
    const Surface& surface = site_.surface();
    if (surface.width() < kMinimum || surface.height() < kMinimum)
        site_.setMinimumControlSize(kMinimum, kMinimum);
    ApplyRegion();
    Redraw();
}

void lumobutton::Resized() {
    RunResize();
}

void lumobutton::Paint() {
    Redraw();
}

void lumobutton::InitialiseNew() {
    ShowFocusRect_ = true;
    Enabled_ = true;
    site_.setEnabled(true);
    ButtonStyle_ = 13;
    Caption_ = site_.displayName();
    FontDesc font = site_.ambientFont();
    font.face = QStringLiteral("Tahoma");
    Font_ = font;
    mFont_FontChanged(QStringLiteral("Font"));
    PictureOpacity_ = 255;
    PictureOpacityOnOver_ = 255;
    PictureAlign_ = 1;
    CaptionAlign_ = 1;
    UseMaskColor_ = true;
    MaskColor_ = Rgb(224, 224, 224);
    RefreshPaintSize();
    ResetColorScheme();
    ApplyStyleColors();
    UpdateAccessKey();
    site_.present();
}

void lumobutton::Show() {
    // The button shows its own tooltip; the host has none for it.
}

void lumobutton::Hide() {}

void lumobutton::AmbientChanged(const QString& name) {
    state_.IsDefault = site_.displayAsDefault();
    if (name.compare(QLatin1String("DisplayAsDefault"), Qt::CaseInsensitive) == 0 ||
        name.compare(QLatin1String("BackColor"), Qt::CaseInsensitive) == 0)
        Redraw();
    else if (name.compare(QLatin1String("Palette"), Qt::CaseInsensitive) == 0 ||
             name.compare(QLatin1String("Style"), Qt::CaseInsensitive) == 0)
        StyleChanged();
}

void lumobutton::StyleChanged() {
    Redraw();
}

} // namespace rewrix
