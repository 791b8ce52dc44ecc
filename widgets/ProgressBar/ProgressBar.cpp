#include "widgets/ProgressBar/ProgressBar.h"

#include "toolkit/ControlSite.h"
#include "toolkit/PropertyBag.h"
#include "toolkit/Surface.h"

namespace rewrix {
namespace {

constexpr Colour kStoredEffectColour = Rgb(200, 200, 200);

} // namespace

ProgressBar::ProgressBar(ControlSite& site) : site_(site) {}

void ProgressBar::changed(const char* name) {
    site_.propertyChanged(QString::fromLatin1(name));
    DrawBar();
}

void ProgressBar::setValue(std::int32_t NewValue) {
    std::int32_t v = NewValue;
    if (v > max_)
        v = max_;
    if (v < min_)
        v = min_;
    value_ = v;
    changed("Value");
}

void ProgressBar::setMax(std::int32_t NewValue) {
    std::int64_t v = NewValue;
    if (v < 1)
        v = 1;
    if (v <= min_)
        v = std::int64_t{min_} + 1;
    max_ = static_cast<std::int32_t>(std::min<std::int64_t>(v, INT32_MAX));
    if (value_ > max_)
        setValue(max_);
    changed("Max");
}

void ProgressBar::setMin(std::int32_t NewValue) {
    std::int64_t v = NewValue;
    if (v >= max_)
        v = std::int64_t{max_} - 1;
    if (v < 0)
        v = 0;
    min_ = static_cast<std::int32_t>(v);
    if (value_ < min_)
        setValue(min_);
    changed("Min");
}

void ProgressBar::setRoundedValue(std::int32_t NewValue) {
    roundedValue_ = NewValue;
    changed("RoundedValue");
}

void ProgressBar::setEnabled(bool NewValue) {
    enabled_ = NewValue;
    changed("Enabled");
}

void ProgressBar::setTheme(std::int32_t NewValue) {
    theme_ = NewValue;
    changed("Theme");
}

void ProgressBar::setTextStyle(std::int32_t NewValue) {
    textStyle_ = NewValue;
    changed("TextStyle");
}

void ProgressBar::setOrientations(std::int32_t NewValue) {
    orientations_ = NewValue;
    changed("Orientations");
}

void ProgressBar::setTextAlignment(std::int32_t NewValue) {
    textAlignment_ = NewValue;
    changed("TextAlignment");
}

void ProgressBar::setText(const QString& NewValue) {
    text_ = NewValue;
    changed("Text");
}

void ProgressBar::setTextForeColor(Colour NewValue) {
    textForeColor_ = NewValue;
    changed("TextForeColor");
}

void ProgressBar::setTextEffect(std::int32_t NewValue) {
    textEffect_ = NewValue;
    changed("TextEffect");
}

void ProgressBar::setTextEffectColor(Colour NewValue) {
    textEffectColor_ = NewValue;
    changed("TextEffectColor");
}

void ProgressBar::setTextFont(const FontDesc& NewValue) {
    textFont_ = NewValue;
    site_.surface().setFont(NewValue);
    changed("TextFont");
}

void ProgressBar::setPBSCustomeColor1(Colour NewValue) {
    custom1_ = NewValue;
    changed("PBSCustomeColor1");
}

void ProgressBar::setPBSCustomeColor2(Colour NewValue) {
    custom2_ = NewValue;
    changed("PBSCustomeColor2");
}

void ProgressBar::InitialiseNew() {
    setMax(100);
    setMin(0);
    setValue(50);
    setRoundedValue(5);
    setEnabled(true);
    setTheme(ThemeAmber);
    setTextForeColor(Rgb(0, 0, 0));
    setText(QStringLiteral("Q7TK ProgressBar"));
    setTextAlignment(AlignMiddleCenter);
    setTextEffect(EffectShadow);
    setTextEffectColor(Rgb(255, 255, 255));
    setTextStyle(ShowText);
    setOrientations(Horizontal);
    setTextFont(site_.ambientFont());
}

void ProgressBar::LoadProperties(const PropertyBag& bag) {
    // Each key on its own: a value that cannot be read leaves its property as it was. Max, Min
    // and Value come first, in this order, so that a stored valid range comes back unchanged.
    if (auto v = bag.ReadProperty("Max", std::int32_t{100}))
        setMax(*v);
    if (auto v = bag.ReadProperty("Min", std::int32_t{0}))
        setMin(*v);
    if (auto v = bag.ReadProperty("Value", std::int32_t{50}))
        setValue(*v);
    if (auto v = bag.ReadProperty("RoundedValue", std::int32_t{5}))
        setRoundedValue(*v);
    if (auto v = bag.ReadProperty("Enabled", true))
        setEnabled(*v);
    if (auto v = bag.ReadProperty("Theme", std::int32_t{1}))
        setTheme(*v);
    if (auto v = bag.ReadProperty("TextStyle", std::int32_t{1}))
        setTextStyle(*v);
    if (auto v = bag.ReadProperty("Orientations", std::int32_t{1}))
        setOrientations(*v);
    if (auto v = bag.ReadProperty("Text", site_.displayName()))
        setText(*v);
    if (auto v = bag.ReadProperty("TextEffectColor", kStoredEffectColour))
        setTextEffectColor(*v);
    if (auto v = bag.ReadProperty("TextEffect", std::int32_t{1}))
        setTextEffect(*v);
    if (auto v = bag.ReadProperty("TextAlignment", std::int32_t{5}))
        setTextAlignment(*v);
    if (auto v = bag.ReadProperty("TextFont", site_.ambientFont()))
        setTextFont(*v);
    if (auto v = bag.ReadProperty("TextForeColor", Colour{0}))
        setTextForeColor(*v);
    if (auto v = bag.ReadProperty("PBSCustomeColor2", Colour{0}))
        setPBSCustomeColor2(*v);
    if (auto v = bag.ReadProperty("PBSCustomeColor1", Colour{0}))
        setPBSCustomeColor1(*v);
}

void ProgressBar::SaveProperties(PropertyBag& bag) {
    bag.WriteProperty("Orientations", orientations_, std::int32_t{1});
    bag.WriteProperty("Max", max_, std::int32_t{100});
    bag.WriteProperty("Min", min_, std::int32_t{0});
    bag.WriteProperty("Value", value_, std::int32_t{50});
    bag.WriteProperty("RoundedValue", roundedValue_, std::int32_t{5});
    bag.WriteProperty("Enabled", enabled_, true);
    bag.WriteProperty("Theme", theme_, std::int32_t{1});
    bag.WriteProperty("TextStyle", textStyle_, std::int32_t{1});
    if (textFont_)
        bag.WriteProperty("TextFont", *textFont_, site_.ambientFont());
    bag.WriteProperty("TextForeColor", textForeColor_, Colour{0});
    bag.WriteProperty("TextAlignment", textAlignment_, std::int32_t{5});
    bag.WriteProperty("Text", text_, QString());
    bag.WriteProperty("TextEffectColor", textEffectColor_, kStoredEffectColour);
    bag.WriteProperty("TextEffect", textEffect_, std::int32_t{1});
    bag.WriteProperty("PBSCustomeColor2", custom2_, Colour{0});
    bag.WriteProperty("PBSCustomeColor1", custom1_, Colour{0});
}

void ProgressBar::Resized() {
    DrawBar();
}

void ProgressBar::Paint() {
    drawn_.reset();
    drawPicture();
}

void ProgressBar::GradientTwoColour(Surface& hdc, int Direction, Colour StartColor, Colour EndColor,
                                    const int& Left, const int& Top, const int& Width,
                                    const int& Height) {
    rewrix::GradientTwoColour(hdc, Direction, StartColor, EndColor, Left, Top, Width, Height);
}

void ProgressBar::DrawGradientFourColour(Surface& ObjectHDC, const int& Left, const int& Top,
                                         const int& Width, const int& Height, Colour TopLeftColour,
                                         Colour TopRightColour, Colour BottomLeftColour,
                                         Colour BottomRightColour) {
    rewrix::DrawGradientFourColour(ObjectHDC, Left, Top, Width, Height, TopLeftColour,
                                   TopRightColour, BottomLeftColour, BottomRightColour);
}

} // namespace rewrix
