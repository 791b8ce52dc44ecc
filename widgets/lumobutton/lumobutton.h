#pragma once

#include "toolkit/Colour.h"
#include "toolkit/FontDesc.h"
#include "toolkit/Geometry.h"
#include "toolkit/OwnerDrawnControl.h"
#include "toolkit/PictureObject.h"
#include "widgets/lumobutton/lumobuttonEvents.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace rewrix {

class ControlSite;
class PopupMenu;
class PopupMenuItem;
class PropertyBag;
class TooltipWindow;

// What the button shows: nothing pressed, the cursor over it, pressed.
enum lumobuttonDrawState : int { Normal = 0, Hot = 1, Down = 2 };

// The button's working state; the input handlers move it, the drawing reads it.
struct lumobuttonState {
    int DrawState = Normal;
    bool MouseHeld = false;
    bool CursorInside = false;
    bool HasFocus = false;
    bool SpaceHeld = false;
    bool ParentActive = false;
    bool IsDefault = false;
    std::uintptr_t ParentHwnd = 0;
    bool WideText = true;
    bool TrackLeaveAvailable = false;
    int LastButton = 0;
    int LastShift = 0;
    float LastX = 0;
    float LastY = 0;
    bool PopupAttached = false;
    bool PopupOpen = false;
    bool PopupClosedOver = false;
    int PopupAlign = 0;
    int PopupFlags = 0;
    Rect ButtonRect;
    int PaintWidth = 0;
    int PaintHeight = 0;
    bool TipRightToLeft = false;
    bool ThemeChecked = false;
    bool ThemeActive = false;
    // The layout of the last redraw.
    Rect CaptionRect;
    Rect PictureRect;
    Rect SymbolRect;
    PictureRef CurrentPicture;
    int PicWidth = 0;
    int PicHeight = 0;
};

// The owner-drawn image button: a push, check or option button with a
// caption, up to three pictures, fourteen drawing styles, an optional
// drop-down menu and a tooltip of its own. It draws on the surface of the host
// it is given and gets its input from that host.
class lumobutton : public OwnerDrawnControl {
    // The drawing pipeline reads and settles the fields of the button.
    friend class lumobuttonPainter;

public:
    explicit lumobutton(ControlSite& site);
    ~lumobutton() override;

    ControlSite& site() const { return site_; }
    const lumobuttonState& State() const { return state_; }
    // How many times the button has redrawn itself since it was made.
    int RedrawCount() const { return redrawCount_; }

    // Properties.
    Colour BackColor() const { return BackColor_; }
    void SetBackColor(Colour value);
    int ButtonStyle() const { return ButtonStyle_; }
    void SetButtonStyle(int value);
    const QString& Caption() const { return Caption_; }
    void SetCaption(const QString& New_Caption);
    int CaptionAlign() const { return CaptionAlign_; }
    void SetCaptionAlign(int value);
    int DropDownSymbol() const { return DropDownSymbol_; }
    void SetDropDownSymbol(int value);
    bool DropDownSeparator() const { return DropDownSeparator_; }
    void SetDropDownSeparator(bool value);
    int DisabledPictureMode() const { return DisabledPictureMode_; }
    void SetDisabledPictureMode(int value);
    bool Enabled() const { return Enabled_; }
    void SetEnabled(bool value);
    const FontDesc& Font() const { return Font_; }
    void SetFont(const FontDesc& value);
    Colour ForeColor() const { return ForeColor_; }
    void SetForeColor(Colour value);
    Colour ForeColorHover() const { return ForeColorHover_; }
    void SetForeColorHover(Colour value);
    bool HandPointer() const { return HandPointer_; }
    void SetHandPointer(bool value);
    std::uintptr_t hwnd() const;
    Colour MaskColor() const { return MaskColor_; }
    void SetMaskColor(Colour value);
    int Mode() const { return Mode_; }
    void SetMode(int value);
    const PictureRef& MouseIcon() const { return MouseIcon_; }
    void SetMouseIcon(const PictureRef& value);
    int16_t MousePointer() const { return MousePointer_; }
    void SetMousePointer(int16_t value);
    const PictureRef& PictureNormal() const { return PictureNormal_; }
    void SetPictureNormal(const PictureRef& value);
    const PictureRef& PictureHot() const { return PictureHot_; }
    void SetPictureHot(const PictureRef& value);
    const PictureRef& PictureDown() const { return PictureDown_; }
    void SetPictureDown(const PictureRef& value);
    int PictureAlign() const { return PictureAlign_; }
    void SetPictureAlign(int value);
    bool PictureShadow() const { return PictureShadow_; }
    void SetPictureShadow(bool value);
    int PictureEffectOnOver() const { return PictureEffectOnOver_; }
    void SetPictureEffectOnOver(int value);
    int PictureEffectOnDown() const { return PictureEffectOnDown_; }
    void SetPictureEffectOnDown(int value);
    bool PicturePushOnHover() const { return PicturePushOnHover_; }
    void SetPicturePushOnHover(bool value);
    uint8_t PictureOpacity() const { return PictureOpacity_; }
    void SetPictureOpacity(uint8_t value);
    uint8_t PictureOpacityOnOver() const { return PictureOpacityOnOver_; }
    void SetPictureOpacityOnOver(uint8_t value);
    bool RightToLeft() const { return RightToLeft_; }
    void SetRightToLeft(bool value);
    int CaptionEffects() const { return CaptionEffects_; }
    void SetCaptionEffects(int value);
    bool ShowFocusRect() const { return ShowFocusRect_; }
    void SetShowFocusRect(bool value);
    bool UseMaskColor() const { return UseMaskColor_; }
    void SetUseMaskColor(bool value);
    bool Value() const { return Value_; }
    void SetValue(bool value);
    const QString& TooltipTitle() const { return TooltipTitle_; }
    void SetTooltipTitle(const QString& value);
    const QString& ToolTip() const { return ToolTip_; }
    void SetToolTip(const QString& value);
    Colour TooltipBackColor() const { return TooltipBackColor_; }
    void SetTooltipBackColor(Colour value);
    int ToolTipIcon() const { return ToolTipIcon_; }
    void SetToolTipIcon(int lTooltipIcon);
    int ToolTipType() const { return ToolTipType_; }
    void SetToolTipType(int lNewTTType);
    int ColorScheme() const { return ColorScheme_; }
    void SetColorScheme(int value);

    // Methods.
    // Attaches a drop-down menu shown on a press instead of clicking; a null
    // menu is ignored. Align is 0 to 7 (where the menu opens), Flags the
    // menu's alignment flags (8: right edge at the anchor, 32: bottom edge).
    void SetPopupMenu(PopupMenu* menu, int Align, int Flags, PopupMenuItem* DefaultMenu = nullptr);
    void UnsetPopupMenu();
    PopupMenu* PopupMenuRef() const { return PopupMenuRef_; }

    // Operations the drawing builds on.
    void Redraw();
    void ResetColorScheme();
    void ApplyStyleColors();
    void UpdateAccessKey();
    void ApplyRegion();
    // The access key the caption gives (lower case), or empty.
    const QString& AccessKeys() const { return AccessKeys_; }
    // The current tooltip window, if one was made.
    TooltipWindow* TipWindow() const { return TipWindow_.get(); }
    // How many tooltip windows the button has made.
    int TooltipsMade() const { return tooltipsMade_; }

    // Life cycle and input from the host.
    void InitialiseNew() override;
    void LoadProperties(const PropertyBag& bag) override;
    void SaveProperties(PropertyBag& bag) override;
    void Resized() override;
    void Paint() override;
    void MouseDown(int button, int shift, int x, int y) override;
    void MouseUp(int button, int shift, int x, int y) override;
    void MouseMove(int button, int shift, int x, int y) override;
    void DblClick(int button, int shift, int x, int y) override;
    void MouseLeave() override;
    void KeyDown(int keyCode, int shift) override;
    void KeyUp(int keyCode, int shift) override;
    void KeyPress(int keyAscii) override;
    void AccessKeyPress(int key) override;
    void GotFocus() override;
    void LostFocus() override;
    void Show() override;
    void Hide() override;
    void ParentActivationChanged(bool active) override;
    void AmbientChanged(const QString& name) override;

    // The visual style changed or the system colours did.
    void StyleChanged();

    // Whether the application draws with visual styles (the themed style
    // needs them); asked once per button.
    bool ThemeActive();

    // The events the button raises.
    lumobuttonEvents& Events() { return events_; }

private:
    // Report a property change to the host.
    void Changed(const char* name);
    // The face of the current style, caption, picture and symbol included.
    void PaintFace();
    void RefreshPaintSize();
    // Sets DrawState and redraws, unless it is already that state.
    void SetDrawState(int state);
    void ShowHandIfAsked();
    // Every button alive, for keeping option buttons exclusive.
    static std::vector<lumobutton*>& Instances();
    void RaiseEvent(int number);
    void RaiseMouseEvent(int number, int button, int shift, float x, float y);
    void RaiseKeyEvent(int number, int keyCode, int shift);
    void ClearOptionSiblings();
    void ShowDropDownMenu();
    void CreateTooltip();
    void FocusNeighbour(bool next);
    void RunResize();
    void mFont_FontChanged(const QString& PropertyName);

    ControlSite& site_;
    lumobuttonEvents events_;
    lumobuttonState state_;
    int redrawCount_ = 0;
    int tooltipsMade_ = 0;
    QString AccessKeys_;

    Colour BackColor_ = 0;
    int ButtonStyle_ = 0;
    QString Caption_;
    int CaptionAlign_ = 0;
    int DropDownSymbol_ = 0;
    bool DropDownSeparator_ = false;
    int DisabledPictureMode_ = 0;
    bool Enabled_ = false;
    FontDesc Font_;
    Colour ForeColor_ = 0;
    Colour ForeColorHover_ = 0;
    bool HandPointer_ = false;
    Colour MaskColor_ = 0;
    int Mode_ = 0;
    PictureRef MouseIcon_;
    int16_t MousePointer_ = 0;
    PictureRef PictureNormal_;
    PictureRef PictureHot_;
    PictureRef PictureDown_;
    int PictureAlign_ = 0;
    bool PictureShadow_ = false;
    int PictureEffectOnOver_ = 0;
    int PictureEffectOnDown_ = 0;
    bool PicturePushOnHover_ = false;
    uint8_t PictureOpacity_ = 0;
    uint8_t PictureOpacityOnOver_ = 0;
    bool RightToLeft_ = false;
    int CaptionEffects_ = 0;
    bool ShowFocusRect_ = false;
    bool UseMaskColor_ = false;
    bool Value_ = false;
    QString TooltipTitle_;
    QString ToolTip_;
    Colour TooltipBackColor_ = 0;
    int ToolTipIcon_ = 0;
    int ToolTipType_ = 0;
    int ColorScheme_ = 0;

    PopupMenu* PopupMenuRef_ = nullptr;
    PopupMenuItem* PopupDefault_ = nullptr;
    std::unique_ptr<TooltipWindow> TipWindow_;
};

} // namespace rewrix
