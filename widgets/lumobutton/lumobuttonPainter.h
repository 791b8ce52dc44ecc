#pragma once

#include "toolkit/Colour.h"
#include "toolkit/Geometry.h"
#include "toolkit/PictureObject.h"

#include <QChar>
#include <QImage>

#include <array>
#include <cstdint>

namespace rewrix {

class Surface;
class lumobutton;
struct lumobuttonState;

// One redraw of an image button: the drawing primitives, the fourteen style recipes, the layout
// of caption, picture and drop-down symbol, and the picture blending. Made for one redraw and
// dropped after it; every drawing object lives only as long as the call that needs it.
class lumobuttonPainter {
public:
    explicit lumobuttonPainter(lumobutton& button);

    // Paints the face of the button's style in its current state (the surface is cleared).
    void PaintStyle();

    // A w × h gradient from c1 to c2: direction 0 left to right, 1 top to bottom, 2 from the
    // top-left to the bottom-right corner, 3 from the bottom-left to the top-right corner.
    static void DrawGradient(Surface& surface, int x, int y, int w, int h, Colour c1, Colour c2,
                             int direction);
    // The glyph the symbol font shows for `digit` in a cell whose top-left corner is (x, y):
    // 3, 4, 5 and 6 are triangles pointing left, right, up and down; the other characters draw
    // nothing.
    static void DrawSymbolGlyph(Surface& surface, int x, int y, QChar digit, Colour colour);

    // The effect tables: lighter while hot or pressed (effect 1), darker (effect 2).
    static const std::array<std::uint8_t, 256>& LighterTable();
    static const std::array<std::uint8_t, 256>& DarkerTable();

    // Primitives on the button's surface.
    void DrawLine(int x1, int y1, int x2, int y2, Colour colour);
    void DrawFrame(int x, int y, int w, int h, Colour colour);
    void FillButton(Colour colour, const Rect& r);
    void DrawCorners(Colour colour);
    void DrawEdge3D(int edge);
    void DrawGradient(int x, int y, int w, int h, Colour c1, Colour c2, int direction = 1);

    // Caption, picture and symbol, the common second half of every style.
    void DrawCaptionAndPicture();
    void LayoutPicture();
    void DrawCaptionText(const Rect& r, Colour colour, int dx, int dy);
    void DrawCaptionEffect();
    void DrawDropDownSymbol();

    // The pictures. k = -1 draws the picture itself, any other k its silhouette in colour k.
    void DrawPicture(const Rect& r, std::int32_t k);
    void BlendPicture(Surface& surface, int x, int y, int w, int h, const PictureObject& picture,
                      Colour t, std::int32_t k, bool mono, bool gray);
    void BlendAlphaPicture(Surface& surface, int x, int y, int w, int h,
                           const PictureObject& picture, std::int32_t k, bool gray);
    void DrawPictureShadow();

    // The style drawn by the application's widget style.
    void PaintThemed(int state);

private:
    // What the button's state does to any picture: the hot or pressed effect and the opacity a
    // disabled button gives it. A disabled button may also turn the picture grey, and a negative
    // width or height stands for the picture's own; both are settled here in place.
    struct PictureLook {
        int effect = 0;
        int disabledOpacity = 0;
    };
    PictureLook LookOfPicture(const QImage& source, int& w, int& h, bool& gray) const;

    void PaintEdgeFamily(int state);
    void PaintRoundedRim(int state);
    void PaintSoftBlue(int state);
    void PaintToolbar(int state);
    void PaintWarmGradient(int state);
    void PaintSoftBevel(int state);
    void PaintLightFrame(int state);
    void PaintSplitGradient(int state);
    void PaintGlass(int state);
    void PaintTopBand(int state);
    void FocusRect(const Rect& r);
    void RefreshSize();
    bool Checked() const;
    // Whether a drop-down symbol or separator takes room at the right.
    bool DropDownRoom() const;

    lumobutton& b_;
    lumobuttonState& st_;
    Surface& s_;
    int W = 0;
    int H = 0;
};

} // namespace rewrix
