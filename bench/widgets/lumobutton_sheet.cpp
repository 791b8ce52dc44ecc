// A picture to look at: every image button style in each state (normal, hot, pressed, checked,
// disabled, focused), in every colour scheme, with and without a picture and a drop-down
// symbol, at the sizes of the main window's two buttons. Writes one PNG file.
// Run: lumobutton-sheet OUTPUT.png
#include "toolkit/OffscreenSite.h"
#include "toolkit/PropertyBag.h"
#include "toolkit/SystemColours.h"
#include "widgets/lumobutton/lumobutton.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>

#include <cstdio>
#include <vector>

using namespace rewrix;

namespace {

// A host whose cursor, focus and activation the sheet chooses.
class SheetSite : public OffscreenSite {
public:
    using OffscreenSite::OffscreenSite;
    bool cursorInside() const override { return inside; }
    bool inside = false;
};

enum Look { LookNormal, LookHot, LookDown, LookChecked, LookDisabled, LookFocused, LookCount };
const char* const kLookNames[] = {"normal", "hot", "down", "checked", "disabled", "focused"};

PictureRef SheetPicture() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(qRgba(0, 0, 0, 0));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(40, 140, 60));
    p.setPen(QColor(20, 80, 30));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(QColor(250, 250, 250));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(7, 4, 2, 8));
    p.drawRect(QRectF(4, 7, 8, 2));
    p.end();
    return PictureObject::FromImage(image);
}

QImage Render(int style, int scheme, int look, int w, int h, bool picture, bool dropDown) {
    SheetSite site(QStringLiteral("lumobutton1"), w, h);
    lumobutton button(site);
    SetSystemColourSource(SystemColourSource::Classic);
    button.LoadProperties(PropertyBag{});
    FontDesc font;
    font.face = QStringLiteral("Tahoma");
    font.points = 8.25;
    font.charset = 0;
    button.SetFont(font);
    button.SetButtonStyle(style);
    if (scheme >= 0)
        button.SetColorScheme(scheme);
    button.SetPictureEffectOnOver(0);
    button.SetPictureEffectOnDown(0);
    button.SetCaption(w > 100 ? QStringLiteral("切换到高级模式")
                              : QStringLiteral("切换到精简模式"));
    if (picture)
        button.SetPictureNormal(SheetPicture());
    if (dropDown) {
        button.SetDropDownSymbol(6);
        button.SetDropDownSeparator(true);
    }
    button.ParentActivationChanged(true);
    switch (look) {
    case LookHot:
        site.inside = true;
        button.MouseMove(0, 0, w / 2, h / 2);
        break;
    case LookDown:
        site.inside = true;
        button.MouseMove(0, 0, w / 2, h / 2);
        button.MouseDown(1, 0, w / 2, h / 2);
        break;
    case LookChecked:
        button.SetMode(1);
        button.SetValue(true);
        break;
    case LookDisabled:
        button.SetEnabled(false);
        break;
    case LookFocused:
        button.GotFocus();
        button.Redraw();
        break;
    default:
        break;
    }
    return site.shapedImage();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("fusion")));

    struct Row {
        int style;
        int scheme;
        QString label;
    };
    std::vector<Row> rows;
    const char* const names[] = {"Standard",      "Flat",         "RoundedRim", "SoftBlue",
                                 "Toolbar",       "WarmGradient", "SoftBevel",  "LightFrame",
                                 "SplitGradient", "Glass",        "TopBand",    "Hover3D",
                                 "HoverFlat",     "SystemTheme"};
    for (int style = 0; style <= 13; ++style) {
        // The styles whose look depends on the scheme show each; the others their own scheme.
        const bool schemed = style == 2 || style == 4;
        if (schemed) {
            for (int scheme : {0, 1, 2, 3, 4})
                rows.push_back({style, scheme,
                                QStringLiteral("%1 %2 scheme %3")
                                    .arg(style)
                                    .arg(QLatin1String(names[style]))
                                    .arg(scheme)});
        } else {
            rows.push_back(
                {style, -1, QStringLiteral("%1 %2").arg(style).arg(QLatin1String(names[style]))});
        }
    }
    struct Variant {
        int w, h;
        bool picture, dropDown;
    };
    const Variant variants[] = {{121, 33, false, false},
                                {121, 33, true, false},
                                {121, 33, true, true},
                                {97, 33, false, false},
                                {97, 33, true, true}};
    const int margin = 8, labelWidth = 200, gap = 6, cellW = 121, cellH = 33;
    const int columns = LookCount * static_cast<int>(std::size(variants));
    const int width = margin * 2 + labelWidth + columns * (cellW + gap);
    const int headerH = 36;
    const int height = margin * 2 + headerH + static_cast<int>(rows.size()) * (cellH + gap);
    QImage sheet(width, height, QImage::Format_ARGB32);
    sheet.fill(qRgb(255, 255, 255));
    QPainter p(&sheet);
    p.setPen(Qt::black);
    QFont labelFont(QStringLiteral("DejaVu Sans"), 8);
    p.setFont(labelFont);
    int column = 0;
    for (const Variant& v : variants)
        for (int look = 0; look < LookCount; ++look) {
            const int x = margin + labelWidth + column * (cellW + gap);
            p.drawText(QRect(x, margin, cellW, 16), Qt::AlignLeft,
                       QStringLiteral("%1x%2%3%4")
                           .arg(v.w)
                           .arg(v.h)
                           .arg(v.picture ? " pic" : "")
                           .arg(v.dropDown ? " drop" : ""));
            p.drawText(QRect(x, margin + 16, cellW, 16), Qt::AlignLeft,
                       QLatin1String(kLookNames[look]));
            ++column;
        }
    int y = margin + headerH;
    for (const Row& row : rows) {
        p.drawText(QRect(margin, y, labelWidth, cellH), Qt::AlignVCenter | Qt::AlignLeft,
                   row.label);
        column = 0;
        for (const Variant& v : variants)
            for (int look = 0; look < LookCount; ++look) {
                const int x = margin + labelWidth + column * (cellW + gap);
                p.drawImage(x, y,
                            Render(row.style, row.scheme, look, v.w, v.h, v.picture, v.dropDown));
                ++column;
            }
        y += cellH + gap;
    }
    p.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
