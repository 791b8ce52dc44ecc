#pragma once

#include "toolkit/Clock.h"
#include "toolkit/FontDesc.h"
#include "toolkit/Geometry.h"
#include "toolkit/OwnerDrawnControl.h"
#include "widgets/UserControl1/CaptionItems.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace rewrix {

class ControlSite;

// The one-line announcement ticker: shows one item of its caption at a time, underlined with a
// pointing hand, lets it rest for three seconds, then scrolls it up out of view while the next
// item scrolls in from below. A click anywhere on it raises Click; the host then reads href.
class UserControl1 : public OwnerDrawnControl {
public:
    // The control's own design size, in twips.
    static constexpr int DesignWidthTwips = 4800;
    static constexpr int DesignHeightTwips = 1545;
    static constexpr int RestInterval = 3000;
    static constexpr int ScrollInterval = 10;

    explicit UserControl1(ControlSite& site);

    // The whole caption string last set.
    QString Caption() const { return label2_; }
    void setCaption(const QString& New_Caption);
    // The link of the item shown, or the last link that could be set.
    QString href() const { return label3_; }
    // Stores nothing (the link always comes from the caption); only marks "Href" as changed.
    void sethref(const QString& vNewValue);

    // Raised when the label or the background is clicked.
    std::function<void()> Click;

    // What the cycle is doing, for the host and for tests.
    const QString& labelText() const { return label1_; }
    int labelTop() const { return labelTop_; } // twips; 0 at rest, 400 entering, −310 gone
    int Nums() const { return nums_; }
    bool resting() const { return timer1_.enabled(); }
    bool scrolling() const { return timer2_.enabled(); }
    // Where the label is drawn on the surface, in pixels.
    Rect labelRect() const;
    static FontDesc LabelFont();

    void InitialiseNew() override;
    void LoadProperties(const PropertyBag& bag) override;
    void SaveProperties(PropertyBag& bag) override;
    void Resized() override;
    void Paint() override;
    void MouseMove(int button, int shift, int x, int y) override;
    void MouseUp(int button, int shift, int x, int y) override;
    void MouseLeave() override;

private:
    void timer1Tick();
    void timer2Tick();
    void draw();

    ControlSite& site_;
    QString label1_ = QStringLiteral("Label1");
    QString label2_ = QStringLiteral("Label2");
    QString label3_ = QStringLiteral("Label3");
    // The caption store taken apart once per caption rather than on every scroll tick.
    CaptionItems items_{label2_};
    int labelTop_ = 0;
    std::int16_t nums_ = 0;
    Timer timer1_;
    Timer timer2_;
    bool overLabel_ = false;
};

} // namespace rewrix
