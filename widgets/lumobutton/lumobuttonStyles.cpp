// The style recipes: for each style and state, which primitives run, where and in which colours.

#include "widgets/lumobutton/lumobuttonPainter.h"

#include "toolkit/ControlSite.h"
#include "toolkit/Rounding.h"
#include "toolkit/Surface.h"
#include "widgets/lumobutton/ButtonColors.h"
#include "widgets/lumobutton/lumobutton.h"

namespace rewrix {

namespace {

constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kBlack = Rgb(0, 0, 0);

Colour S(Colour c, float f) {
    return ShiftColor(c, f);
}
Colour A(Colour a, Colour b) {
    return AverageColor(a, b);
}
Colour Sys(int number) {
    return TranslateColor(SystemColourRef(number));
}

} // namespace

void lumobuttonPainter::PaintEdgeFamily(int state) {
    const int style = b_.ButtonStyle_;
    const Colour b = TranslateColor(b_.BackColor_);
    const Rect button{0, 0, W, H};
    if (!b_.Enabled_) {
        if (style == 0)
            DrawEdge3D(5);
        else if (style == 1)
            DrawEdge3D(4);
        DrawCaptionAndPicture();
        return;
    }
    if (Checked()) {
        FillButton(S(b, 0.02f), button);
        DrawCaptionAndPicture();
        if (style == 12)
            return;
        DrawEdge3D(10);
        if (b_.ShowFocusRect_ && st_.HasFocus && style == 0)
            DrawFrame(4, 4, W - 7, H - 7, Sys(12));
        return;
    }
    switch (state) {
    case Normal:
        b_.ApplyRegion();
        FillButton(b, button);
        DrawCaptionAndPicture();
        if (style == 0)
            DrawEdge3D(5);
        else if (style == 1)
            DrawEdge3D(4);
        break;
    case Hot:
        FillButton(b, button);
        DrawCaptionAndPicture();
        DrawEdge3D(style == 1 || style == 12 ? 4 : 5);
        break;
    case Down:
        FillButton(b, button);
        DrawCaptionAndPicture();
        if (style == 0) {
            DrawFrame(1, 1, W - 2, H - 2, Rgb(172, 168, 153));
            DrawFrame(0, 0, W, H, kBlack);
        } else if (style == 11) {
            DrawEdge3D(10);
        } else {
            DrawFrame(0, 0, W, H, kWhite);
            // Its right and bottom lines fall outside the surface.
            DrawFrame(0, 0, W + 1, H + 1, Sys(17));
        }
        break;
    default:
        break;
    }
    if (!st_.HasFocus && !st_.IsDefault)
        return;
    if (b_.site_.userMode() && b_.ShowFocusRect_ && st_.ParentActive) {
        const int inset = style == 0 || style == 11 ? 4 : 3;
        FocusRect({inset, inset, W - inset, H - inset});
    }
    if (style == 0 && state != Down) {
        s_.drawEdge({0, 0, W - 1, H - 1}, 5);
        DrawFrame(0, 0, W - 1, H - 1, Sys(12));
        DrawFrame(0, 0, W, H, kBlack);
    }
}

void lumobuttonPainter::PaintRoundedRim(int state) {
    const Colour b = TranslateColor(b_.BackColor_);
    const int scheme = b_.ColorScheme_;
    const bool silver = scheme == 2;
    const bool plain = scheme == 0 || scheme == 1 || scheme == 3;
    const bool drawn = silver || plain;
    const int half = RoundHalfEven(H / 2.0);
    if (!b_.Enabled_) {
        b_.ApplyRegion();
        FillButton(A(Sys(15), S(b, 0.1f)), {0, 0, W, H});
        DrawCaptionAndPicture();
        DrawFrame(0, 0, W, H, S(b, -0.1f));
        DrawCorners(S(b, -0.1f));
        return;
    }
    auto rim = [this](Colour r1, Colour r2, Colour r34, Colour r56, Colour r7, Colour r8) {
        DrawLine(1, 2, W - 2, 2, r1);
        DrawLine(1, 1, W - 2, 1, r2);
        DrawLine(1, 1, 1, H - 2, r34);
        DrawLine(W - 2, 2, W - 2, H - 2, r34);
        DrawLine(2, 2, 2, H - 3, r56);
        DrawLine(W - 3, 3, W - 3, H - 3, r56);
        DrawLine(2, H - 3, W - 2, H - 3, r7);
        DrawLine(2, H - 2, W - 2, H - 2, r8);
    };
    if (state == Normal || state == Hot) {
        if (state == Normal)
            b_.ApplyRegion();
        if (silver) {
            DrawGradient(0, 0, W, half, S(b, 0.22f), b);
            DrawGradient(0, half, W, half, S(b, -0.01f), S(b, -0.15f));
            DrawCaptionAndPicture();
            if (state == Normal) {
                DrawLine(W - 2, 2, W - 2, H - 2, kWhite);
                DrawLine(1, 1, 1, H - 2, kWhite);
            }
        } else if (plain) {
            DrawGradient(0, 0, W, H, S(b, 0.07f), b);
            DrawGradient(0, 0, W, 4, S(b, 0.1f), S(b, 0.08f));
            DrawCaptionAndPicture();
            if (state == Normal) {
                DrawLine(1, H - 2, W - 2, H - 2, S(b, -0.09f));
                DrawLine(1, H - 3, W - 2, H - 3, S(b, -0.05f));
                DrawLine(1, H - 4, W - 2, H - 4, S(b, -0.01f));
                DrawLine(W - 2, 2, W - 2, H - 2, S(b, -0.08f));
                DrawLine(1, 1, 1, H - 2, A(kWhite, b));
            }
        }
        if (state == Hot)
            rim(Rgb(253, 216, 137), Rgb(255, 240, 207), Rgb(249, 189, 73), Rgb(252, 210, 122),
                Rgb(248, 179, 48), Rgb(229, 151, 0));
    } else if (state == Down) {
        if (silver) {
            DrawGradient(0, 0, W, H - 6, S(b, -0.2f), S(b, 0.05f));
            DrawGradient(0, H - 6, W, H - 1, S(b, 0.08f), kWhite);
            DrawCaptionAndPicture();
            DrawFrame(1, 1, W - 2, H - 2, kWhite);
        } else if (plain) {
            FillButton(S(b, -0.05f), {0, 0, W, H});
            DrawCaptionAndPicture();
            DrawLine(1, 1, W - 2, 1, S(b, -0.16f));
            DrawLine(1, 2, W - 2, 2, S(b, -0.1f));
            DrawLine(1, H - 2, W - 2, H - 2, S(b, 0.01f));
            DrawLine(1, 1, 1, H - 2, S(b, -0.16f));
            DrawLine(2, 2, 2, H - 2, S(b, -0.1f));
            DrawLine(W - 2, 2, W - 2, H - 2, S(b, 0.04f));
        }
    }
    // Schemes of their own draw only the hot rim: the host paints the rest.
    if (!drawn)
        return;
    const bool marked = st_.ParentActive && (st_.HasFocus || st_.IsDefault);
    if (state == Normal && marked) {
        if (scheme == 1)
            rim(Rgb(194, 209, 143), Rgb(177, 203, 128), Rgb(160, 200, 104), Rgb(160, 200, 104),
                Rgb(160, 200, 104), Rgb(168, 167, 102));
        else
            rim(Rgb(188, 212, 246), Rgb(206, 231, 255), Rgb(142, 175, 230),
                scheme == 2 ? kWhite : Rgb(184, 209, 244), Rgb(137, 173, 228), Rgb(105, 130, 238));
    }
    if (marked && b_.ShowFocusRect_)
        FocusRect({2, 2, W - 2, H - 2});
    const Colour border = scheme == 1 ? Rgb(55, 98, 6) : Rgb(0, 60, 116);
    DrawFrame(0, 0, W, H, border);
    DrawCorners(S(border, 0.3f));
}

void lumobuttonPainter::PaintSoftBlue(int state) {
    const Colour b = TranslateColor(b_.BackColor_);
    const int half = RoundHalfEven(H / 2.0);
    const int q = RoundHalfEven(H / 2.0 - 2);
    const int t = RoundHalfEven(H - H / 2.0 - 1);
    if (!b_.Enabled_) {
        b_.ApplyRegion();
        FillButton(S(b, 0.03f), {0, 0, W, H});
        DrawCaptionAndPicture();
        DrawFrame(0, 0, W, H, S(b, -0.25f));
        DrawFrame(1, 1, W - 2, H - 2, S(b, 0.25f));
        DrawCorners(S(b, -0.03f));
        return;
    }
    switch (state) {
    case Normal:
        b_.ApplyRegion();
        DrawGradient(1, 1, W - 1, H, S(b, 0.05f), b);
        DrawGradient(1, half, W - 2, H - 2, S(b, -0.02f), S(b, -0.15f));
        DrawCaptionAndPicture();
        DrawFrame(0, 0, W, H, Rgb(112, 112, 112));
        DrawFrame(1, 1, W - 2, H - 2, kWhite);
        break;
    case Hot: {
        const Colour band = S(Rgb(172, 225, 253), 0.01f);
        DrawGradient(1, 1, W - 2, half, Rgb(228, 247, 255), Rgb(218, 243, 255));
        DrawGradient(1, half, W - 2, H - 2, Rgb(193, 233, 255), Rgb(174, 225, 253));
        DrawGradient(1, 3, 5, q, Rgb(205, 238, 255), Rgb(228, 247, 255), 0);
        DrawGradient(1, half, 5, t, Rgb(143, 214, 250), band, 0);
        DrawGradient(W - 6, 3, 5, q, Rgb(228, 247, 255), Rgb(205, 238, 255), 0);
        DrawGradient(W - 6, half, 5, t, band, Rgb(143, 214, 250), 0);
        DrawCaptionAndPicture();
        DrawFrame(0, 0, W, H, Rgb(50, 117, 167));
        DrawFrame(1, 1, W - 2, H - 2, kWhite);
        break;
    }
    case Down: {
        const Colour upperOut = S(Rgb(145, 200, 230), 0.02f);
        const Colour upperIn = S(Rgb(194, 228, 246), -0.01f);
        const Colour lowerOut = S(Rgb(78, 171, 220), 0.02f);
        const Colour lowerIn = S(Rgb(154, 210, 240), -0.01f);
        DrawGradient(1, 1, W - 1, H, Rgb(194, 228, 246), Rgb(194, 228, 246));
        DrawGradient(1, half, W - 2, H - 2, Rgb(154, 210, 240), Rgb(154, 210, 240));
        DrawFrame(0, 0, W, H, Rgb(29, 65, 92));
        DrawLine(1, 1, W - 1, 1, Rgb(113, 156, 179));
        DrawLine(1, 2, W - 1, 2, Rgb(169, 198, 214));
        DrawLine(1, 3, W - 1, 3, Rgb(185, 217, 236));
        DrawLine(1, 1, 1, RoundHalfEven(H / 2.0 - 1), Rgb(115, 176, 207));
        DrawLine(1, half, 1, t, Rgb(43, 145, 197));
        DrawGradient(1, 3, 5, q, upperOut, upperIn, 0);
        DrawGradient(1, half, 5, t, lowerOut, lowerIn, 0);
        DrawGradient(W - 6, 3, 5, q, upperIn, upperOut, 0);
        DrawGradient(W - 6, half, 5, t, lowerIn, lowerOut, 0);
        DrawCaptionAndPicture();
        break;
    }
    default:
        break;
    }
    if (st_.ParentActive) {
        if (state == Normal && (st_.HasFocus || st_.IsDefault)) {
            DrawFrame(0, 0, W, H, Rgb(50, 117, 167));
            DrawFrame(1, 1, W - 2, H - 2, Rgb(72, 216, 251));
        }
        if (b_.ShowFocusRect_ && st_.HasFocus)
            FocusRect({2, 2, W - 2, H - 2});
    }
    DrawCorners(Rgb(95, 150, 190));
}

void lumobuttonPainter::PaintToolbar(int state) {
    const Colour b = TranslateColor(b_.BackColor_);
    Colour h = kBlack;
    Colour k = kBlack;
    switch (b_.ColorScheme_) {
    case 0:
        h = Rgb(193, 210, 238);
        k = Rgb(49, 106, 197);
        break;
    case 1:
        h = Rgb(212, 214, 186);
        k = Rgb(147, 160, 112);
        break;
    case 2:
        h = Rgb(224, 223, 227);
        k = Rgb(178, 180, 191);
        break;
    case 3:
        h = b;
        k = S(b, -0.12f);
        break;
    default:
        break;
    }
    const Rect button{0, 0, W, H};
    if (Checked()) {
        FillButton(S(h, -0.05f), button);
        DrawFrame(0, 0, W, H, k);
        if (st_.CursorInside) {
            FillButton(S(h, -0.01f), button);
            DrawFrame(0, 0, W, H, k);
        }
        DrawCaptionAndPicture();
        return;
    }
    if (state == Normal)
        FillButton(b, button);
    else if (state == Hot)
        FillButton(S(h, 0.03f), button);
    else if (state == Down)
        FillButton(S(h, -0.08f), button);
    DrawCaptionAndPicture();
    if (state != Normal)
        DrawFrame(0, 0, W, H, k);
}

void lumobuttonPainter::PaintWarmGradient(int state) {
    const Colour b = TranslateColor(b_.BackColor_);
    const Colour navy = Rgb(0, 0, 128);
    if (Checked()) {
        if (st_.CursorInside)
            DrawGradient(0, 0, W, H, Rgb(254, 145, 78), Rgb(255, 211, 142));
        else
            DrawGradient(0, 0, W, H, Rgb(255, 213, 140), Rgb(255, 173, 85));
        DrawCaptionAndPicture();
        DrawFrame(0, 0, W, H, navy);
        return;
    }
    switch (state) {
    case Normal: {
        const int half = RoundHalfEven(H / 2.0);
        b_.ApplyRegion();
        DrawGradient(0, 0, W, half, A(kWhite, S(b, 0.08f)), b);
        DrawGradient(0, half, W, RoundHalfEven(H / 2.0 + 1), b, S(b, -0.15f));
        DrawCaptionAndPicture();
        break;
    }
    case Hot:
        DrawGradient(0, 0, W, H, Rgb(255, 244, 204), Rgb(255, 208, 145));
        DrawCaptionAndPicture();
        DrawFrame(0, 0, W, H, navy);
        break;
    case Down:
        DrawGradient(0, 0, W, H, Rgb(254, 145, 78), Rgb(255, 211, 142));
        DrawCaptionAndPicture();
        DrawFrame(0, 0, W, H, navy);
        break;
    default:
        break;
    }
}

void lumobuttonPainter::PaintSoftBevel(int state) {
    const Colour b = TranslateColor(b_.BackColor_);
    const Colour buttonText = Sys(18);
    // The caption turns white while pressed and stays so until a draw in another state.
    b_.ForeColor_ = state == Down ? kWhite : buttonText;
    if (Checked() && st_.MouseHeld)
        state = Down;
    const int half = RoundHalfEven(H / 2.0);
    if (Checked() && state != Down) {
        FillButton(Rgb(254, 254, 254), {0, 0, W, H});
        b_.ForeColor_ = buttonText;
        DrawCaptionAndPicture();
        DrawFrame(0, 0, W, H, Rgb(122, 152, 175));
        DrawCorners(S(Rgb(160, 179, 193), -0.2f));
        if (state == Hot) {
            DrawLine(W - 2, 2, W - 2, H - 2, Rgb(242, 240, 237));
            DrawLine(2, H - 2, W - 2, H - 2, Rgb(228, 222, 216));
            DrawLine(1, H - 3, W - 1, H - 3, Rgb(239, 236, 232));
            DrawLine(1, H - 4, W - 1, H - 4, Rgb(250, 249, 248));
        }
        return;
    }
    switch (state) {
    case Normal:
        b_.ApplyRegion();
        FillButton(b, {0, 0, W, H});
        DrawCaptionAndPicture();
        break;
    case Hot:
        DrawGradient(0, 0, W, half, Rgb(254, 254, 253), Rgb(244, 244, 238));
        DrawGradient(0, half, W, half, Rgb(244, 244, 238), Rgb(241, 241, 234));
        DrawCaptionAndPicture();
        DrawLine(W - 2, 2, W - 2, H - 2, Rgb(234, 231, 224));
        DrawLine(W - 3, 2, W - 3, H - 2, Rgb(240, 240, 234));
        DrawLine(0, H - 4, W, H - 4, Rgb(238, 237, 229));
        DrawLine(0, H - 3, W, H - 3, Rgb(228, 225, 214));
        DrawLine(0, H - 2, W, H - 2, Rgb(215, 210, 198));
        DrawFrame(0, 0, W, H, Rgb(206, 206, 195));
        DrawCorners(S(Rgb(212, 212, 201), -0.05f));
        break;
    case Down:
        FillButton(Rgb(229, 228, 221), {0, 0, W, H});
        DrawCaptionAndPicture();
        DrawLine(1, 1, W - 2, 1, S(Rgb(220, 218, 209), -0.02f));
        DrawLine(1, 2, W - 2, 2, S(Rgb(227, 225, 218), -0.02f));
        DrawLine(1, H - 3, W - 2, H - 3, S(Rgb(230, 229, 222), 0.02f));
        DrawLine(1, H - 2, W - 2, H - 2, S(Rgb(235, 234, 229), 0.02f));
        DrawFrame(0, 0, W, H, Rgb(157, 157, 146));
        DrawCorners(S(Rgb(181, 180, 171), -0.2f));
        break;
    default:
        break;
    }
}

void lumobuttonPainter::PaintLightFrame(int state) {
    const Colour b = TranslateColor(b_.BackColor_);
    const Colour f = Rgb(97, 158, 202);
    if (!b_.Enabled_) {
        FillButton(b, {0, 0, W, H});
        DrawCaptionAndPicture();
        DrawCorners(b);
        return;
    }
    switch (state) {
    case Normal:
        b_.ApplyRegion();
        FillButton(b, {0, 0, W, H});
        DrawCaptionAndPicture();
        break;
    case Hot:
        DrawGradient(1, 1, W - 2, H - 2, Rgb(241, 249, 253), Rgb(208, 236, 248));
        DrawGradient(1, RoundHalfEven(H / 1.7), W - 2, H - 2, Rgb(208, 236, 248),
                     Rgb(208, 236, 248));
        DrawCaptionAndPicture();
        DrawFrame(0, 0, W, H, f);
        DrawFrame(1, 1, W - 2, H - 2, kWhite);
        DrawCorners(S(f, 0.3f));
        break;
    case Down:
        DrawGradient(1, 1, W - 2, H - 2, Rgb(176, 222, 241), Rgb(219, 241, 249));
        DrawCaptionAndPicture();
        DrawFrame(0, 0, W, H, f);
        DrawFrame(1, 1, W - 2, H - 2, kWhite);
        DrawCorners(S(f, 0.3f));
        break;
    default:
        break;
    }
}

void lumobuttonPainter::PaintSplitGradient(int state) {
    const Colour b = TranslateColor(b_.BackColor_);
    const int u = RoundHalfEven(H / 2.7);
    const int v = RoundHalfEven(H - H / 2.7);
    const Colour border = S(b, -0.34f);
    auto pressed = [&] {
        DrawGradient(0, 0, W, u, Rgb(255, 193, 88), Rgb(255, 175, 81));
        DrawGradient(0, u, W, v, Rgb(255, 143, 70), Rgb(255, 211, 95));
    };
    if (Checked()) {
        DrawGradient(0, 0, W, u, Rgb(255, 217, 169), Rgb(255, 192, 111));
        DrawGradient(0, u, W, v, Rgb(255, 171, 63), Rgb(255, 225, 117));
        DrawFrame(0, 0, W, H, border);
        if (st_.CursorInside) {
            pressed();
            DrawFrame(0, 0, W, H, border);
        }
        DrawCaptionAndPicture();
        return;
    }
    switch (state) {
    case Normal:
        FillButton(b, {0, 0, W, H});
        DrawGradient(0, 0, W, u, A(S(b, 0.09f), kWhite), A(S(b, 0.07f), b));
        DrawGradient(0, u, W, v, b, S(b, 0.03f));
        break;
    case Hot:
        DrawGradient(0, 0, W, u, Rgb(255, 255, 225), Rgb(255, 234, 172));
        DrawGradient(0, u, W, v, Rgb(255, 215, 103), Rgb(255, 228, 153));
        break;
    case Down:
        pressed();
        break;
    default:
        break;
    }
    DrawCaptionAndPicture();
    DrawFrame(0, 0, W, H, border);
}

void lumobuttonPainter::PaintGlass(int state) {
    const Colour b = TranslateColor(b_.BackColor_);
    const int half = RoundHalfEven(H / 2.0);
    if (!b_.Enabled_)
        state = Normal;
    if (state == Normal || state == Hot) {
        if (state == Normal)
            b_.ApplyRegion();
        DrawGradient(0, 0, W, half, kWhite, b);
        DrawGradient(0, half, W, H, b, b);
        DrawCaptionAndPicture();
        DrawFrame(1, 1, W - 2, H, kWhite);
        DrawFrame(0, 0, W, H, S(b, -0.2f));
        DrawLine(2, H - 1, W - 2, H - 1, S(b, -0.25f));
    } else if (state == Down) {
        DrawGradient(0, 0, W, half, kWhite, S(b, -0.1f));
        DrawGradient(0, half, W, H, S(b, -0.1f), S(b, -0.05f));
        DrawCaptionAndPicture();
        DrawFrame(1, 1, W - 2, H, kWhite);
        DrawFrame(0, 0, W, H, S(b, -0.23f));
        DrawLine(2, H - 1, W - 2, H - 1, S(b, -0.4f));
    }
    DrawCorners(S(b, 0.05f));
    if (st_.ParentActive && b_.ShowFocusRect_ && (st_.HasFocus || st_.IsDefault))
        FocusRect({3, 3, W - 3, H - 3});
}

void lumobuttonPainter::PaintTopBand(int state) {
    const Colour b = TranslateColor(b_.BackColor_);
    struct Look {
        Colour fill, bandFrom, lowerFrom, lowerTo, border, corners;
    };
    Look look;
    if (!b_.Enabled_) {
        look = {
            b,           S(A(b, kWhite), 0.05f), S(b, -0.02f), A(kWhite, S(b, 0.08f)), S(b, -0.2f),
            S(b, -0.23f)};
    } else if (state == Normal) {
        b_.ApplyRegion();
        look = {S(b, -0.03f),          S(A(b, kWhite), 0.1f), S(b, -0.05f),
                A(kWhite, S(b, 0.1f)), S(b, -0.33f),          S(b, -0.36f)};
    } else if (state == Hot) {
        look = {S(b, -0.03f),          S(A(b, kWhite), 0.15f), S(b, -0.05f),
                A(kWhite, S(b, 0.2f)), S(b, -0.28f),           S(b, -0.36f)};
    } else if (state == Down) {
        look = {S(b, -0.03f),           S(A(b, kWhite), 0.1f), S(b, -0.08f),
                A(kWhite, S(b, 0.05f)), S(b, -0.36f),          S(b, -0.36f)};
    } else {
        return;
    }
    FillButton(look.fill, {0, 0, W, H});
    DrawGradient(0, 0, W, 5, look.bandFrom, b);
    DrawGradient(0, 6, W, H - 1, look.lowerFrom, look.lowerTo);
    DrawCaptionAndPicture();
    DrawFrame(0, 0, W, H, look.border);
    DrawCorners(look.corners);
}

} // namespace rewrix
