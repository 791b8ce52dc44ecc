#pragma once

// A loaded button of a given style and size, with the colours pinned to the classic table and
// the state driven through its input as a user would.

#include "FakeSite.h"
#include "toolkit/PropertyBag.h"
#include "toolkit/Surface.h"
#include "toolkit/SystemColours.h"
#include "widgets/lumobutton/ButtonColors.h"
#include "widgets/lumobutton/lumobutton.h"

#include <QImage>

namespace rewrix {

struct PaintedButton {
    FakeSite site;
    lumobutton button{site};

    PaintedButton(int style, int width = 100, int height = 30, int scheme = -1)
        : site(width, height) {
        SetSystemColourSource(SystemColourSource::Classic);
        button.LoadProperties(PropertyBag{});
        button.SetCaption(QString());
        button.SetButtonStyle(style);
        if (scheme >= 0)
            button.SetColorScheme(scheme);
    }
    int W() { return site.surface().width(); }
    int H() { return site.surface().height(); }
    Colour px(int x, int y) { return site.surface().pixel(x, y); }
    QImage image() { return site.surface().image().copy(); }
    void hot() {
        site.inside = true;
        button.MouseMove(0, 0, W() / 2, H() / 2);
    }
    void down() {
        hot();
        button.MouseDown(ButtonLeft, 0, W() / 2, H() / 2);
    }
    void focus(bool active = true) {
        button.ParentActivationChanged(active);
        button.GotFocus();
        button.Redraw();
    }
};

inline PictureRef SolidPicture(int w, int h, QRgb colour, bool alpha = false,
                               PictureObject::Type type = PictureObject::Type::Bitmap) {
    QImage image(w, h, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    image.fill(QColor::fromRgba(colour));
    return PictureObject::FromImage(image, type);
}

} // namespace rewrix
