#pragma once

#include "toolkit/Colour.h"
#include "toolkit/FontDesc.h"
#include "toolkit/OwnerDrawnControl.h"
#include "widgets/ProgressBar/BarPalette.h"
#include "widgets/ProgressBar/GradientFills.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace rewrix {

class ControlSite;
class Surface;

// The owner-drawn progress bar. Every setter stores its (clamped) value, notifies the host that
// the property changed and redraws the whole bar before it returns.
class ProgressBar : public OwnerDrawnControl {
public:
    enum Orientation { Horizontal = 1, Vertical = 2 };
    enum TextStyles { ShowValue = 1, ShowPercent = 2, ShowText = 3 };
    enum TextAlignments {
        AlignTopLeft = 1,
        AlignMiddleLeft,
        AlignBottomLeft,
        AlignTopCenter,
        AlignMiddleCenter,
        AlignBottomCenter,
        AlignTopRight,
        AlignMiddleRight,
        AlignBottomRight,
    };
    enum TextEffects { EffectPlain = 1, EffectRaised, EffectSunken, EffectOutline, EffectShadow };
    enum Themes {
        ThemeAmber = 1,
        ThemeLime,
        ThemeGreen,
        ThemeTeal,
        ThemeIndigo,
        ThemeMagenta,
        ThemeRed,
        ThemeSky,
        ThemeMint,
        ThemeCustom,
    };

    // The size a newly placed bar takes before its host sizes it.
    static constexpr int DesignWidth = 295;
    static constexpr int DesignHeight = 20;

    explicit ProgressBar(ControlSite& site);

    std::int32_t Value() const { return value_; }
    void setValue(std::int32_t NewValue);
    std::int32_t Max() const { return max_; }
    void setMax(std::int32_t NewValue);
    std::int32_t Min() const { return min_; }
    void setMin(std::int32_t NewValue);
    std::int32_t RoundedValue() const { return roundedValue_; }
    void setRoundedValue(std::int32_t NewValue);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool NewValue);
    std::int32_t Theme() const { return theme_; }
    void setTheme(std::int32_t NewValue);
    std::int32_t TextStyle() const { return textStyle_; }
    void setTextStyle(std::int32_t NewValue);
    std::int32_t Orientations() const { return orientations_; }
    void setOrientations(std::int32_t NewValue);
    std::int32_t TextAlignment() const { return textAlignment_; }
    void setTextAlignment(std::int32_t NewValue);
    const QString& Text() const { return text_; }
    void setText(const QString& NewValue);
    Colour TextForeColor() const { return textForeColor_; }
    void setTextForeColor(Colour NewValue);
    std::int32_t TextEffect() const { return textEffect_; }
    void setTextEffect(std::int32_t NewValue);
    Colour TextEffectColor() const { return textEffectColor_; }
    void setTextEffectColor(Colour NewValue);
    // Empty on an instance that has not been given a font yet.
    const std::optional<FontDesc>& TextFont() const { return textFont_; }
    void setTextFont(const FontDesc& NewValue);
    Colour PBSCustomeColor1() const { return custom1_; }
    void setPBSCustomeColor1(Colour NewValue);
    Colour PBSCustomeColor2() const { return custom2_; }
    void setPBSCustomeColor2(Colour NewValue);

    // Life cycle.
    void InitialiseNew() override;
    void LoadProperties(const PropertyBag& bag) override;
    void SaveProperties(PropertyBag& bag) override;
    void Resized() override;
    void Paint() override;

    // Repaints the whole bar from its properties; never fails outward.
    void DrawBar();
    // How many times DrawBar ran (each setter and each resize makes one call).
    int drawBarCalls() const { return drawBarCalls_; }
    const BarPalette& palette() const { return palette_; }
    // The caption DrawBar would draw now (empty for a TextStyle outside 1 to 3).
    QString captionText() const;

    // The public gradient methods, on any surface.
    void GradientTwoColour(Surface& hdc, int Direction, Colour StartColor, Colour EndColor,
                           const int& Left, const int& Top, const int& Width, const int& Height);
    void DrawGradientFourColour(Surface& ObjectHDC, const int& Left, const int& Top,
                                const int& Width, const int& Height, Colour TopLeftColour,
                                Colour TopRightColour, Colour BottomLeftColour,
                                Colour BottomRightColour);

private:
    void changed(const char* name);
    void drawPicture();
    void DrawCaption(const QString& caption, int alignment);
    int fillLength() const;

    // Everything a picture depends on, to recognise a redraw that would change no pixel. The
    // range enters only through what it draws: the fill's length and the caption.
    struct DrawnState {
        int width, height, fillLength;
        bool filled;
        std::int32_t rounded, theme, orientations, alignment, effect;
        bool enabled, hasCaption;
        QString caption;
        Colour fore, effectColour, custom1, custom2, back;
        std::optional<FontDesc> font;
        BarPalette palette;
        std::uint64_t generation;
        friend bool operator==(const DrawnState&, const DrawnState&) = default;
    };
    DrawnState currentState() const;

    ControlSite& site_;
    std::int32_t value_ = 0;
    std::int32_t max_ = 0;
    std::int32_t min_ = 0;
    std::int32_t roundedValue_ = 0;
    bool enabled_ = false;
    std::int32_t theme_ = 0;
    std::int32_t textStyle_ = 0;
    std::int32_t orientations_ = 0;
    std::int32_t textAlignment_ = 0;
    QString text_;
    Colour textForeColor_ = 0;
    std::int32_t textEffect_ = 0;
    Colour textEffectColor_ = 0;
    std::optional<FontDesc> textFont_;
    Colour custom1_ = 0;
    Colour custom2_ = 0;

    BarPalette palette_;
    int drawBarCalls_ = 0;
    std::optional<DrawnState> drawn_;
};

} // namespace rewrix
