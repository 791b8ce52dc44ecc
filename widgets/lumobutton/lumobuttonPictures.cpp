// Pictures drawn pixel by pixel: opacity, the transparent colour, the hot and pressed effects,
// grey and solid silhouettes, the alpha channel of 32-bit bitmaps, and the shadow.

#include "widgets/lumobutton/lumobuttonPainter.h"

#include "toolkit/Rounding.h"
#include "toolkit/Surface.h"
#include "widgets/lumobutton/ButtonColors.h"
#include "widgets/lumobutton/lumobutton.h"

#include <QImage>
#include <QPainter>

#include <vector>

namespace rewrix {

namespace {

std::array<std::uint8_t, 256> MakeTable(int numerator) {
    std::array<std::uint8_t, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[static_cast<size_t>(i)] =
            static_cast<std::uint8_t>(std::min(255, i * numerator / 255));
    return table;
}

// A w × h area as 24-bit rows, each padded to a multiple of four bytes.
struct Buffer24 {
    int w = 0;
    int h = 0;
    int stride = 0;
    std::vector<std::uint8_t> bytes;
    Buffer24(int width, int height)
        : w(width), h(height), stride((width * 3 + 3) & ~3),
          bytes(static_cast<size_t>(stride) * static_cast<size_t>(height)) {}
    std::uint8_t* at(int x, int y) {
        return bytes.data() + static_cast<size_t>(y) * static_cast<size_t>(stride) +
               3 * static_cast<size_t>(x);
    }
};

// The effect of the state on the picture's colours: 1 lighter, 2 darker.
int EffectFor(int state, int onOver, int onDown) {
    return state == Hot ? onOver : state == Down ? onDown : 0;
}

// The area must lie on the surface.
void ReadSurface24(const Surface& surface, int x, int y, Buffer24& d) {
    const QImage& image = surface.image();
    for (int j = 0; j < d.h; ++j) {
        const int sy = y + j;
        if (sy < 0 || sy >= image.height())
            continue;
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(sy));
        for (int i = 0; i < d.w; ++i) {
            const int sx = x + i;
            if (sx < 0 || sx >= image.width())
                continue;
            std::uint8_t* p = d.at(i, j);
            p[0] = static_cast<std::uint8_t>(qBlue(row[sx]));
            p[1] = static_cast<std::uint8_t>(qGreen(row[sx]));
            p[2] = static_cast<std::uint8_t>(qRed(row[sx]));
        }
    }
}

void WriteSurface24(Surface& surface, int x, int y, Buffer24& d) {
    for (int j = 0; j < d.h; ++j)
        surface.setImageRow24(x, y + j, d.w, d.at(0, j));
}

std::uint8_t Mix(int a, int source, int destination) {
    return static_cast<std::uint8_t>((a * source + (255 - a) * destination) / 256);
}

// A blended 24-bit pixel (blue, green, red): opaque sources replace it, others mix into it.
void PutPixel(std::uint8_t* p, int a, int red, int green, int blue) {
    if (a >= 255) {
        p[0] = static_cast<std::uint8_t>(blue);
        p[1] = static_cast<std::uint8_t>(green);
        p[2] = static_cast<std::uint8_t>(red);
    } else {
        p[0] = Mix(a, blue, p[0]);
        p[1] = Mix(a, green, p[1]);
        p[2] = Mix(a, red, p[2]);
    }
}

int GreyOf(int red, int green, int blue) {
    return RoundHalfEven(RoundHalfEven(red * 0.3) + green * 0.59 + blue * 0.11);
}

} // namespace

const std::array<std::uint8_t, 256>& lumobuttonPainter::LighterTable() {
    static const std::array<std::uint8_t, 256> table = MakeTable(293);
    return table;
}

const std::array<std::uint8_t, 256>& lumobuttonPainter::DarkerTable() {
    static const std::array<std::uint8_t, 256> table = MakeTable(217);
    return table;
}

void lumobuttonPainter::DrawPicture(const Rect& r, std::int32_t k) {
    const PictureRef& picture = st_.CurrentPicture;
    if (!picture || picture->pixels().isNull())
        return;
    const bool icon = picture->type() == PictureObject::Type::Icon;
    const Colour t = icon ? TranslateColor(Rgb(192, 192, 192)) : b_.MaskColor_;
    // A bitmap with an alpha channel is the 32-bit kind; any other is blended as 24-bit.
    if (!icon && picture->hasAlpha())
        BlendAlphaPicture(s_, r.left, r.top, st_.PicWidth, st_.PicHeight, *picture, k, false);
    else
        BlendPicture(s_, r.left, r.top, st_.PicWidth, st_.PicHeight, *picture, t, k, false, false);
}

lumobuttonPainter::PictureLook lumobuttonPainter::LookOfPicture(const QImage& source, int& w,
                                                                int& h, bool& gray) const {
    PictureLook look;
    look.effect = EffectFor(st_.DrawState, b_.PictureEffectOnOver_, b_.PictureEffectOnDown_);
    if (!b_.Enabled_) {
        if (b_.DisabledPictureMode_ == 0) {
            look.disabledOpacity = 52;
        } else if (b_.DisabledPictureMode_ == 1) {
            look.disabledOpacity = RoundHalfEven(b_.PictureOpacity_ * 0.75);
            gray = true;
        }
    }
    if (w < 0)
        w = source.width();
    if (h < 0)
        h = source.height();
    return look;
}

void lumobuttonPainter::BlendPicture(Surface& surface, int x, int y, int w, int h,
                                     const PictureObject& picture, Colour t, std::int32_t k,
                                     bool mono, bool gray) {
    const QImage& source = picture.pixels();
    if (w == 0 || h == 0 || source.isNull())
        return;
    const int state = st_.DrawState;
    const auto [effect, disabledOpacity] = LookOfPicture(source, w, h, gray);

    // The picture's pixels: a bitmap as it is, from its top-left corner; an icon scaled to the
    // area on a canvas of the transparent colour.
    // Only the part of the area on the surface is read, blended and written back, so a picture
    // whose stored size is out of all proportion costs no more than the button.
    const Rect visible = Rect{x, y, x + w, y + h}.intersected(surface.rect());
    if (visible.isEmpty())
        return;
    const int ox = visible.left - x;
    const int oy = visible.top - y;
    QImage pixels;
    if (picture.type() == PictureObject::Type::Bitmap) {
        pixels = source.convertToFormat(QImage::Format_RGB32);
    } else {
        pixels = QImage(visible.width(), visible.height(), QImage::Format_RGB32);
        pixels.fill(QColor(RedOf(t), GreenOf(t), BlueOf(t)));
        QPainter painter(&pixels);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.translate(-ox, -oy);
        painter.drawImage(QRect(0, 0, w, h), source);
    }

    Buffer24 d(visible.width(), visible.height());
    ReadSurface24(surface, visible.left, visible.top, d);
    const bool solid = k >= 0;
    const int kr = RedOf(static_cast<Colour>(k));
    const int kg = GreenOf(static_cast<Colour>(k));
    const int kb = BlueOf(static_cast<Colour>(k));
    const int a = state == Hot  ? b_.PictureOpacityOnOver_
                  : b_.Enabled_ ? b_.PictureOpacity_
                                : disabledOpacity;
    const auto& lighter = LighterTable();
    const auto& darker = DarkerTable();
    // Where the buffer starts in the picture's pixels (an icon's canvas starts there already).
    const int px0 = picture.type() == PictureObject::Type::Bitmap ? ox : 0;
    const int py0 = picture.type() == PictureObject::Type::Bitmap ? oy : 0;
    const int rows = std::min(d.h, pixels.height() - py0);
    const int columns = std::min(d.w, pixels.width() - px0);
    for (int j = 0; j < rows; ++j) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(py0 + j)) + px0;
        for (int i = 0; i < columns; ++i) {
            if (a <= 0)
                continue;
            const int red = qRed(row[i]);
            const int green = qGreen(row[i]);
            const int blue = qBlue(row[i]);
            // The surface is 32-bit: the colour it shows for a pixel is the pixel itself.
            if (b_.UseMaskColor_ && Rgb(red, green, blue) == t)
                continue;
            std::uint8_t* p = d.at(i, j);
            if (solid) {
                if (mono) {
                    if (red + green + blue <= 384)
                        PutPixel(p, 255, kr, kg, kb);
                } else {
                    PutPixel(p, a, kr, kg, kb);
                }
            } else if (gray) {
                const int g = GreyOf(red, green, blue);
                PutPixel(p, a, g, g, g);
            } else {
                int cr = red, cg = green, cb = blue;
                if (effect == 1) {
                    cr = lighter[static_cast<size_t>(cr)];
                    cg = lighter[static_cast<size_t>(cg)];
                    cb = lighter[static_cast<size_t>(cb)];
                } else if (effect == 2) {
                    cr = darker[static_cast<size_t>(cr)];
                    cg = darker[static_cast<size_t>(cg)];
                    cb = darker[static_cast<size_t>(cb)];
                }
                PutPixel(p, a, cr, cg, cb);
            }
        }
    }
    WriteSurface24(surface, visible.left, visible.top, d);
}

void lumobuttonPainter::BlendAlphaPicture(Surface& surface, int x, int y, int w, int h,
                                          const PictureObject& picture, std::int32_t k, bool gray) {
    const QImage& source = picture.pixels();
    if (w == 0 || h == 0 || source.isNull())
        return;
    const int state = st_.DrawState;
    const auto [effect, disabledOpacity] = LookOfPicture(source, w, h, gray);
    const QImage pixels = source.convertToFormat(QImage::Format_ARGB32);
    const int o = !b_.Enabled_   ? disabledOpacity
                  : state == Hot ? b_.PictureOpacityOnOver_
                                 : b_.PictureOpacity_;
    const bool solid = k != -1;
    const int kr = RedOf(static_cast<Colour>(k));
    const int kg = GreenOf(static_cast<Colour>(k));
    const int kb = BlueOf(static_cast<Colour>(k));
    const auto& lighter = LighterTable();
    const auto& darker = DarkerTable();

    const Rect visible = Rect{x, y, x + w, y + h}.intersected(surface.rect());
    if (visible.isEmpty())
        return;
    const int vw = visible.width();
    const int vh = visible.height();
    const int ox = visible.left - x;
    const int oy = visible.top - y;
    // The destination as 32-bit pixels; the surface keeps no alpha of its own, so its pixels
    // read as opaque.
    const QImage& target = surface.image();
    std::vector<QRgb> d(static_cast<size_t>(vw) * static_cast<size_t>(vh));
    for (int j = 0; j < vh; ++j) {
        const auto* row = reinterpret_cast<const QRgb*>(target.constScanLine(visible.top + j));
        for (int i = 0; i < vw; ++i)
            d[static_cast<size_t>(j) * vw + i] = row[visible.left + i] | 0xFF000000u;
    }
    const int rows = std::min(vh, pixels.height() - oy);
    const int columns = std::min(vw, pixels.width() - ox);
    for (int j = 0; j < rows; ++j) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(oy + j)) + ox;
        for (int i = 0; i < columns; ++i) {
            const QRgb s = row[i];
            const int m = qAlpha(s) * o / 255;
            if (m <= 0)
                continue;
            QRgb& p = d[static_cast<size_t>(j) * vw + i];
            int cr = qRed(s), cg = qGreen(s), cb = qBlue(s);
            if (solid) {
                cr = kr;
                cg = kg;
                cb = kb;
            } else if (gray) {
                cr = cg = cb = GreyOf(cr, cg, cb);
            } else if (effect == 1) {
                cr = lighter[static_cast<size_t>(cr)];
                cg = lighter[static_cast<size_t>(cg)];
                cb = lighter[static_cast<size_t>(cb)];
            } else if (effect == 2) {
                cr = darker[static_cast<size_t>(cr)];
                cg = darker[static_cast<size_t>(cg)];
                cb = darker[static_cast<size_t>(cb)];
            }
            if (m >= 255)
                p = qRgb(cr, cg, cb);
            else
                p = qRgb(Mix(m, cr, qRed(p)), Mix(m, cg, qGreen(p)), Mix(m, cb, qBlue(p)));
        }
    }
    std::vector<Colour> out(d.size());
    for (size_t n = 0; n < d.size(); ++n)
        out[n] = Rgb(qRed(d[n]), qGreen(d[n]), qBlue(d[n]));
    surface.drawPixels(visible.left, visible.top, vw, vh, out.data());
}

void lumobuttonPainter::DrawPictureShadow() {
    const Colour s0 =
        AverageColor(TranslateColor(Rgb(128, 128, 128)), TranslateColor(b_.BackColor_));
    DrawPicture(st_.PictureRect.translated(2, 2), static_cast<std::int32_t>(ShiftColor(s0, 0.05f)));
    DrawPicture(st_.PictureRect.translated(1, 1), static_cast<std::int32_t>(ShiftColor(s0, -0.1f)));
    DrawPicture(st_.PictureRect, -1);
}

} // namespace rewrix
