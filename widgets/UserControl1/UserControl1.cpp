#include "widgets/UserControl1/UserControl1.h"

#include "widgets/UserControl1/CaptionItems.h"

#include "toolkit/ControlSite.h"
#include "toolkit/PropertyBag.h"
#include "toolkit/Rounding.h"
#include "toolkit/Surface.h"
#include "toolkit/SystemColours.h"

#include <cmath>
#include <limits>

namespace rewrix {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kEnterTop = 400;  // below the visible strip
constexpr int kLeaveTop = -300; // an item above this has scrolled out
constexpr int kStep = 10;

int PixelsOf(int twips) {
    return RoundHalfEven(static_cast<double>(twips) / kTwipsPerPixel);
}

const QString kStoredDefault = QStringLiteral("Text");

} // namespace

UserControl1::UserControl1(ControlSite& site)
    : site_(site), timer1_(site.clock(), [this] { timer1Tick(); }),
      timer2_(site.clock(), [this] { timer2Tick(); }) {
    timer1_.setInterval(RestInterval);
    timer2_.setInterval(ScrollInterval);
    timer1_.setEnabled(true);
}

FontDesc UserControl1::LabelFont() {
    FontDesc f;
    f.face = QStringLiteral("宋体");
    f.points = 9;
    f.weight = 400;
    f.underline = true;
    f.charset = 134;
    return f;
}

void UserControl1::setCaption(const QString& New_Caption) {
    const CaptionItems items(New_Caption);
    if (auto text = items.textOf(0))
        label1_ = *text;
    if (auto link = items.linkOf(0))
        label3_ = *link;
    label2_ = New_Caption;
    items_ = items;
    site_.propertyChanged(QStringLiteral("Caption"));
    draw();
}

void UserControl1::sethref(const QString&) {
    site_.propertyChanged(QStringLiteral("Href"));
}

void UserControl1::timer1Tick() {
    timer1_.setEnabled(false);
    timer2_.setEnabled(true);
}

void UserControl1::timer2Tick() {
    const CaptionItems& items = items_;
    if (labelTop_ < kLeaveTop) {
        // The index is a 16-bit number; a list longer than it can count starts over instead of
        // overflowing.
        if (nums_ < items.lastIndex() && nums_ < std::numeric_limits<std::int16_t>::max())
            ++nums_;
        else
            nums_ = 0;
        if (auto text = items.textOf(nums_))
            label1_ = *text;
        if (auto link = items.linkOf(nums_))
            label3_ = *link;
        labelTop_ = kEnterTop;
        draw();
        return;
    }
    labelTop_ -= kStep;
    if (labelTop_ == 0) {
        timer2_.setEnabled(false);
        timer1_.setEnabled(true);
    }
    draw();
}

Rect UserControl1::labelRect() const {
    Surface& s = site_.surface();
    s.setFont(LabelFont());
    const SizeF size = s.measureText(label1_);
    const int top = PixelsOf(labelTop_);
    return {0, top, static_cast<int>(std::ceil(size.width)),
            top + static_cast<int>(std::ceil(size.height))};
}

void UserControl1::draw() {
    Surface& s = site_.surface();
    if (s.width() <= 0 || s.height() <= 0)
        return;
    s.clear();
    const Rect label = labelRect();
    s.fillRect(label, SystemColourRef(ColourButtonFace));
    s.setTextColour(Rgb(0, 0, 0));
    s.drawText(label.left, label.top, label1_);
    site_.present();
}

void UserControl1::InitialiseNew() {
    draw();
}

void UserControl1::LoadProperties(const PropertyBag& bag) {
    if (auto v = bag.ReadProperty("Caption", kStoredDefault))
        setCaption(*v);
    if (auto v = bag.ReadProperty("Href", kStoredDefault))
        sethref(*v);
}

void UserControl1::SaveProperties(PropertyBag& bag) {
    bag.WriteProperty("Caption", Caption(), kStoredDefault);
    bag.WriteProperty("Href", href(), kStoredDefault);
}

void UserControl1::Resized() {
    draw();
}

void UserControl1::Paint() {
    draw();
}

void UserControl1::MouseMove(int, int, int x, int y) {
    const bool over = labelRect().contains(x, y);
    if (over == overLabel_)
        return;
    overLabel_ = over;
    site_.setMousePointer(over ? MousePointer::Hand : MousePointer::Default);
}

void UserControl1::MouseLeave() {
    if (overLabel_)
        site_.setMousePointer(MousePointer::Default);
    overLabel_ = false;
}

void UserControl1::MouseUp(int button, int, int x, int y) {
    // Label and background alike raise Click, for a left click released over the control.
    const Surface& s = site_.surface();
    if (button == ButtonLeft && x >= 0 && y >= 0 && x < s.width() && y < s.height() && Click)
        Click();
}

} // namespace rewrix
