// The themed style: the application's widget style draws the push-button bevel.

#include "widgets/lumobutton/lumobuttonPainter.h"

#include "toolkit/ControlSite.h"
#include "toolkit/Region.h"
#include "toolkit/Surface.h"
#include "widgets/lumobutton/ButtonColors.h"
#include "widgets/lumobutton/lumobutton.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include <vector>

namespace rewrix {

namespace {

// Part states of the push button: normal, hot, pressed, disabled, default.
enum ThemedState {
    ThemedNone = 0,
    ThemedNormal = 1,
    ThemedHot = 2,
    ThemedPressed = 3,
    ThemedDisabled = 4,
    ThemedDefault = 5
};

} // namespace

void lumobuttonPainter::PaintThemed(int state) {
    s_.setBackColour(SystemColourRef(15));
    int part = ThemedNone;
    if (b_.Enabled_) {
        part = state == Normal ? ThemedNormal
               : state == Hot  ? ThemedHot
               : state == Down ? ThemedPressed
                               : ThemedNone;
        if (state == Normal && (st_.HasFocus || st_.IsDefault) && st_.ParentActive)
            part = ThemedDefault;
    } else {
        part = ThemedDisabled;
    }

    const QStyle* style =
        qobject_cast<QApplication*>(QCoreApplication::instance()) ? QApplication::style() : nullptr;
    const Rect& r = st_.ButtonRect;
    if (style && !r.isEmpty()) {
        // The widget style offers no shape of its bevel: the window keeps the rectangle the
        // bevel is drawn in.
        b_.site_.setWindowRegion(Region::FromRect(
            Rect{r.left - 1, r.top - 1, r.right + 1, r.bottom + 2}.intersected(s_.rect())));

        QImage bevel(r.width(), r.height(), QImage::Format_ARGB32_Premultiplied);
        const Colour face = TranslateColor(SystemColourRef(15));
        bevel.fill(QColor(RedOf(face), GreenOf(face), BlueOf(face)));
        QStyleOptionButton option;
        option.rect = QRect(0, 0, r.width(), r.height());
        option.palette = QApplication::palette();
        option.state = QStyle::State_None;
        if (part != ThemedDisabled)
            option.state |= QStyle::State_Enabled;
        else
            option.palette.setCurrentColorGroup(QPalette::Disabled);
        if (part == ThemedHot)
            option.state |= QStyle::State_MouseOver;
        if (part == ThemedPressed)
            option.state |= QStyle::State_Sunken;
        else
            option.state |= QStyle::State_Raised;
        if (part == ThemedDefault)
            option.features |= QStyleOptionButton::DefaultButton;
        {
            QPainter painter(&bevel);
            style->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, nullptr);
        }
        const QImage opaque = bevel.convertToFormat(QImage::Format_RGB32);
        std::vector<Colour> pixels(static_cast<size_t>(r.width()) * r.height());
        for (int y = 0; y < r.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(opaque.constScanLine(y));
            for (int x = 0; x < r.width(); ++x)
                pixels[static_cast<size_t>(y) * r.width() + x] =
                    Rgb(qRed(row[x]), qGreen(row[x]), qBlue(row[x]));
        }
        s_.drawPixels(r.left, r.top, r.width(), r.height(), pixels.data());
    }
    DrawCaptionAndPicture();
}

} // namespace rewrix
