#include "PaintedButton.h"
#include "widgets/lumobutton/CaptionPrefix.h"
#include "widgets/lumobutton/lumobuttonPainter.h"

#include <gtest/gtest.h>

using namespace rewrix;

TEST(lumobuttonDraw, GradientStepsInAllFourDirections) {
    Surface s(4, 4);
    // One column: the half-sum by right shifts, so 255 and 255 give 254.
    lumobuttonPainter::DrawGradient(s, 0, 0, 1, 2, Rgb(255, 255, 3), Rgb(255, 1, 3), 0);
    EXPECT_EQ(s.pixel(0, 0), Rgb(254, 127, 2));
    EXPECT_EQ(s.pixel(0, 1), Rgb(254, 127, 2));

    // Steps divide with truncation toward zero: 10 down to 0 over four steps is 10, 7, 4, 0.
    lumobuttonPainter::DrawGradient(s, 0, 0, 1, 4, Rgb(10, 0, 0), Rgb(0, 9, 0), 1);
    EXPECT_EQ(s.pixel(0, 0), Rgb(10, 0, 0));
    EXPECT_EQ(s.pixel(0, 1), Rgb(7, 3, 0));
    EXPECT_EQ(s.pixel(0, 2), Rgb(4, 6, 0));
    EXPECT_EQ(s.pixel(0, 3), Rgb(0, 9, 0));

    lumobuttonPainter::DrawGradient(s, 0, 0, 3, 1, Rgb(0, 0, 0), Rgb(200, 0, 0), 0);
    EXPECT_EQ(s.pixel(1, 0), Rgb(100, 0, 0));
    EXPECT_EQ(s.pixel(2, 0), Rgb(200, 0, 0));

    // Diagonals take w + h - 1 steps: top-left to bottom-right, and bottom-left to top-right.
    lumobuttonPainter::DrawGradient(s, 0, 0, 2, 2, Rgb(0, 0, 0), Rgb(20, 0, 0), 2);
    EXPECT_EQ(s.pixel(0, 0), Rgb(0, 0, 0));
    EXPECT_EQ(s.pixel(1, 0), Rgb(10, 0, 0));
    EXPECT_EQ(s.pixel(0, 1), Rgb(10, 0, 0));
    EXPECT_EQ(s.pixel(1, 1), Rgb(20, 0, 0));
    lumobuttonPainter::DrawGradient(s, 0, 0, 2, 2, Rgb(0, 0, 0), Rgb(20, 0, 0), 3);
    EXPECT_EQ(s.pixel(0, 1), Rgb(0, 0, 0));
    EXPECT_EQ(s.pixel(1, 0), Rgb(20, 0, 0));
    EXPECT_EQ(s.pixel(0, 0), Rgb(10, 0, 0));

    // Empty sizes draw nothing; the rest is clipped to the surface.
    lumobuttonPainter::DrawGradient(s, 0, 0, 0, 4, Rgb(1, 1, 1), Rgb(1, 1, 1), 0);
    lumobuttonPainter::DrawGradient(s, 0, 0, 4, -1, Rgb(1, 1, 1), Rgb(1, 1, 1), 1);
    EXPECT_EQ(s.pixel(0, 1), Rgb(0, 0, 0));
    lumobuttonPainter::DrawGradient(s, 2, 2, 10, 10, Rgb(5, 5, 5), Rgb(5, 5, 5), 1);
    EXPECT_EQ(s.pixel(3, 3), Rgb(5, 5, 5));
}

TEST(lumobuttonDraw, SymbolGlyphsAreTheFourTriangles) {
    struct Case {
        char digit;
        // Pixels of the glyph's broad side and its point, relative to the cell's centre.
        int baseX0, baseY0, baseX1, baseY1, tipX, tipY;
    };
    const Case cases[] = {
        {'6', -3, -1, 3, -1, 0, 2}, // down
        {'5', -3, 1, 3, 1, 0, -2},  // up
        {'3', 1, -3, 1, 3, -2, 0},  // left
        {'4', -2, -3, -2, 3, 1, 0}, // right
    };
    const Colour ink = Rgb(1, 2, 3);
    for (const Case& c : cases) {
        Surface s(20, 20);
        s.fillRect(s.rect(), Rgb(255, 255, 255));
        lumobuttonPainter::DrawSymbolGlyph(s, 2, 2, QChar(c.digit), ink);
        const int cx = 9, cy = 9;
        EXPECT_EQ(s.pixel(cx + c.baseX0, cy + c.baseY0), ink) << c.digit;
        EXPECT_EQ(s.pixel(cx + c.baseX1, cy + c.baseY1), ink) << c.digit;
        EXPECT_EQ(s.pixel(cx + c.tipX, cy + c.tipY), ink) << c.digit;
        int inked = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                inked += s.pixel(x, y) == ink;
        EXPECT_EQ(inked, 16) << c.digit; // 7 + 5 + 3 + 1
    }
    Surface s(20, 20);
    s.fillRect(s.rect(), Rgb(255, 255, 255));
    lumobuttonPainter::DrawSymbolGlyph(s, 2, 2, QChar('1'), ink);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(s.pixel(x, y), Rgb(255, 255, 255));
}

TEST(lumobuttonDraw, OnlyTheFirstDigitOfTheSymbolIsDrawn) {
    PaintedButton six(1, 100, 33);
    six.button.SetDropDownSymbol(6);
    PaintedButton sixtyFive(1, 100, 33);
    sixtyFive.button.SetDropDownSymbol(65);
    EXPECT_EQ(six.image(), sixtyFive.image());
    // The cell: 15 from the right, rows round(16.5 - 7) to round(16.5 + 8), halves to even.
    EXPECT_EQ(six.button.State().SymbolRect, (Rect{85, 10, 100, 24}));
    EXPECT_EQ(six.px(85 + 7, 10 + 9), TranslateColor(six.button.ForeColor()));
}

TEST(lumobuttonDraw, SymbolMovesWhenPressedByStyle) {
    struct Case {
        int style, shift;
    };
    const Case cases[] = {{0, 2},  {1, 2}, {6, 2}, {7, 2}, {11, 2}, {12, 2}, {5, 1},
                          {10, 1}, {2, 0}, {3, 0}, {4, 0}, {8, 0},  {9, 0}};
    for (const Case& c : cases) {
        PaintedButton b(c.style, 100, 30);
        b.button.SetDropDownSymbol(6);
        const Rect normal = b.button.State().SymbolRect;
        b.down();
        ASSERT_EQ(b.button.State().DrawState, Down);
        EXPECT_EQ(b.button.State().SymbolRect, normal.translated(c.shift, c.shift)) << c.style;
    }
}

namespace {

struct LayoutCase {
    int captionAlign, pictureAlign;
    const char* caption;
    bool dropDown;
    // Expected caption left and top, picture left and top, from the measured caption (w, h).
    int (*captionLeft)(int w);
    int (*captionTop)(int h);
    int (*pictureLeft)(const Rect& caption);
    int (*pictureTop)(const Rect& caption);
};

} // namespace

TEST(lumobuttonDraw, LayoutOfCaptionAndPicture) {
    // A 100 x 30 button with a 16 x 16 picture; the caption is measured as the surface
    // measures it.
    const LayoutCase cases[] = {
        // Left caption, picture at the left edge: the caption makes room.
        {0, 0, "Go", false, [](int) { return 20; }, [](int h) { return (30 - h) / 2; },
         [](const Rect&) { return 3; }, [](const Rect&) { return 7; }},
        // Centred caption, picture to its left; the caption is not pushed.
        {1, 1, "Go", false, [](int w) { return (100 - w + 16) / 2; },
         [](int h) { return (30 - h) / 2; }, [](const Rect& c) { return c.left - 20; },
         [](const Rect&) { return 7; }},
        // Right caption, picture right after it; the caption moves left to make room.
        {2, 3, "Go", false, [](int w) { return 76 - w; }, [](int h) { return (30 - h) / 2; },
         [](const Rect& c) { return c.right + 4; }, [](const Rect&) { return 7; }},
        // Picture above a centred caption, caption lowered by half the picture.
        {1, 5, "Go", false, [](int w) { return (100 - w + 16) / 2 - 8; },
         [](int h) { return (30 - h) / 2 + 8; }, [](const Rect&) { return 42; },
         [](const Rect&) { return 4; }},
        // Picture below the caption.
        {1, 8, "Go", false, [](int w) { return (100 - w + 16) / 2 - 8; },
         [](int h) { return (30 - h) / 2 - 8; }, [](const Rect&) { return 42; },
         [](const Rect& c) { return c.bottom + 2; }},
        // Picture at the right with a drop-down symbol: both make room for the symbol.
        {1, 2, "Go", true, [](int w) { return (100 - w + 16) / 2 - 8 - 12; },
         [](int h) { return (30 - h) / 2; },
         [](const Rect& c) { return std::max(100 - 16 - 3 - 16, c.right + 2); },
         [](const Rect&) { return 7; }},
        // A caption of blanks centres the picture whatever the alignment says.
        {0, 0, "   ", false, [](int) { return 20; }, [](int h) { return (30 - h) / 2; },
         [](const Rect&) { return 42; }, [](const Rect&) { return 7; }},
        // Centred picture with a symbol: moved left by 8.
        {1, 4, "Go", true, [](int w) { return (100 - w + 16) / 2 - 8 - 16; },
         [](int h) { return (30 - h) / 2; }, [](const Rect&) { return 34; },
         [](const Rect&) { return 7; }},
    };
    for (const LayoutCase& c : cases) {
        PaintedButton b(1, 100, 30);
        b.button.SetPictureNormal(SolidPicture(16, 16, qRgb(1, 2, 3)));
        b.button.SetCaptionAlign(c.captionAlign);
        b.button.SetPictureAlign(c.pictureAlign);
        if (c.dropDown)
            b.button.SetDropDownSymbol(6);
        b.button.SetCaption(QString::fromLatin1(c.caption));
        const int box = c.dropDown ? (c.pictureAlign == 2 || c.pictureAlign == 3 ? 76 : 84) : 92;
        const Rect m = b.site.surface().drawTextBox({0, 0, box, 30}, b.button.Caption(),
                                                    TextMeasureOnly | TextWordBreak);
        const Rect& caption = b.button.State().CaptionRect;
        const Rect& picture = b.button.State().PictureRect;
        const std::string label =
            std::to_string(c.captionAlign) + "/" + std::to_string(c.pictureAlign) + " " + c.caption;
        EXPECT_EQ(caption.left, c.captionLeft(m.width())) << label;
        EXPECT_EQ(caption.top, c.captionTop(m.height())) << label;
        EXPECT_EQ(caption.height(), m.height()) << label;
        EXPECT_EQ(picture.left, c.pictureLeft(caption)) << label;
        EXPECT_EQ(picture.top, c.pictureTop(caption)) << label;
        EXPECT_EQ(picture.width(), 16) << label;
        EXPECT_EQ(picture.height(), 16) << label;
    }
}

TEST(lumobuttonDraw, PressedContentMovesByOneInTheStylesThatSink) {
    for (int style : {0, 3}) {
        PaintedButton b(style, 100, 30);
        b.button.SetCaption(QStringLiteral("Go"));
        b.button.SetPictureNormal(SolidPicture(8, 8, qRgb(1, 2, 3)));
        const Rect caption = b.button.State().CaptionRect;
        const Rect picture = b.button.State().PictureRect;
        b.down();
        const int d = style == 0 ? 1 : 0;
        EXPECT_EQ(b.button.State().CaptionRect, caption.translated(d, d)) << style;
        EXPECT_EQ(b.button.State().PictureRect, picture.translated(d, d)) << style;
    }
}

TEST(lumobuttonDraw, CaptionIsDrawnInTheStateColour) {
    PaintedButton b(1, 100, 30);
    b.button.SetBackColor(Rgb(255, 255, 255));
    b.button.SetForeColor(Rgb(255, 0, 0));
    b.button.SetForeColorHover(Rgb(0, 0, 255));
    b.button.SetCaption(QStringLiteral("MMMM"));
    auto has = [&](Colour c) {
        for (int y = 0; y < b.H(); ++y)
            for (int x = 0; x < b.W(); ++x)
                if (b.px(x, y) == c)
                    return true;
        return false;
    };
    EXPECT_TRUE(has(Rgb(255, 0, 0)));
    b.hot();
    EXPECT_TRUE(has(Rgb(0, 0, 255)));
    EXPECT_FALSE(has(Rgb(255, 0, 0)));
    b.button.SetEnabled(false);
    EXPECT_TRUE(has(TranslateColor(SystemColourRef(17))));
}

TEST(lumobuttonDraw, SeparatorShadesWhatIsPaintedAtSevenSeven) {
    PaintedButton b(1, 100, 30);
    b.button.SetBackColor(Rgb(255, 255, 255));
    b.button.SetDropDownSeparator(true);
    // 255 - 25.5 goes to the even 230; the second line reads white again and stays white.
    for (int y = 3; y < 27; ++y) {
        EXPECT_EQ(b.px(84, y), Rgb(230, 230, 230)) << y;
        EXPECT_EQ(b.px(85, y), Rgb(255, 255, 255)) << y;
    }
    EXPECT_NE(b.px(84, 27), Rgb(230, 230, 230));
}

TEST(lumobuttonDraw, LongCaptionsBreakIntoCentredLines) {
    PaintedButton b(1, 70, 60);
    b.button.SetCaption(QStringLiteral("one two three four"));
    const Rect oneLine = b.site.surface().drawTextBox({0, 0, 1000, 60}, QStringLiteral("one"),
                                                      TextMeasureOnly | TextWordBreak);
    const Rect& c = b.button.State().CaptionRect;
    EXPECT_GE(c.height(), 2 * oneLine.height());
    EXPECT_LE(c.width(), 62);
    EXPECT_EQ(c.top, (60 - c.height()) / 2);
}

TEST(lumobuttonDraw, CaptionEffectCopiesUnderTheCaption) {
    auto count = [](PaintedButton& b, Colour c) {
        int n = 0;
        for (int y = 0; y < b.H(); ++y)
            for (int x = 0; x < b.W(); ++x)
                n += b.px(x, y) == c;
        return n;
    };
    PaintedButton plain(1, 100, 30);
    plain.button.SetBackColor(Rgb(255, 255, 255));
    plain.button.SetCaption(QStringLiteral("MMMM"));
    EXPECT_EQ(count(plain, Rgb(192, 192, 192)), 0);
    PaintedButton engraved(1, 100, 30);
    engraved.button.SetBackColor(Rgb(255, 255, 255));
    engraved.button.SetCaption(QStringLiteral("MMMM"));
    engraved.button.SetCaptionEffects(3);
    EXPECT_GT(count(engraved, Rgb(192, 192, 192)), 0);
}

TEST(lumobuttonDraw, AmpersandsMarkTheAccessKeyAndAreNotShown) {
    struct Case {
        const char* caption;
        const char* shown;
        int underline;
    };
    const Case cases[] = {{"&Go", "Go", 0},       {"Sa&ve", "Save", 2}, {"A&&B", "A&B", -1},
                          {"&&&x", "&x", 1},      {"end&", "end", -1},  {"&a&b", "ab", 0},
                          {"plain", "plain", -1}, {"", "", -1}};
    for (const Case& c : cases) {
        const CaptionPrefix p = StripCaptionPrefix(QString::fromLatin1(c.caption));
        EXPECT_EQ(p.text, QString::fromLatin1(c.shown)) << c.caption;
        EXPECT_EQ(p.underline, c.underline) << c.caption;
    }

    // Drawn: the same pixels as the caption without the mark, but for one underline row.
    PaintedButton marked(1, 100, 30);
    marked.button.SetBackColor(Rgb(255, 255, 255));
    marked.button.SetCaption(QStringLiteral("&Go"));
    PaintedButton bare(1, 100, 30);
    bare.button.SetBackColor(Rgb(255, 255, 255));
    bare.button.SetCaption(QStringLiteral("Go"));
    EXPECT_EQ(marked.button.State().CaptionRect, bare.button.State().CaptionRect);
    int differing = 0;
    int row = -1;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 100; ++x)
            if (marked.px(x, y) != bare.px(x, y)) {
                ++differing;
                EXPECT_TRUE(row < 0 || row == y);
                row = y;
                EXPECT_EQ(marked.px(x, y), TranslateColor(marked.button.ForeColor()));
                // Under the G, the first of the two letters.
                const Rect& c = marked.button.State().CaptionRect;
                EXPECT_GE(x, c.left);
                EXPECT_LE(x, c.left + c.width() * 2 / 3);
            }
    EXPECT_GT(differing, 2);
}

TEST(lumobuttonDraw, RightToLeftReadingReordersTheCaptionInItsBox) {
    // Read right to left, the trailing "!" goes before the letters: the same box, other pixels.
    PaintedButton ltr(1, 100, 30);
    ltr.button.SetBackColor(Rgb(255, 255, 255));
    ltr.button.SetCaption(QStringLiteral("MM!"));
    PaintedButton rtl(1, 100, 30);
    rtl.button.SetBackColor(Rgb(255, 255, 255));
    rtl.button.SetRightToLeft(true);
    rtl.button.SetCaption(QStringLiteral("MM!"));
    EXPECT_EQ(ltr.button.State().CaptionRect, rtl.button.State().CaptionRect);
    EXPECT_NE(ltr.image(), rtl.image());
}
