// Writes a PNG sheet of progress bars: every theme, both orientations, every text effect,
// enabled and disabled, at the main window's two bar sizes (705 x 25 and 689 x 17).
// Usage: progressbar_sheet OUTPUT.png
#include "toolkit/OffscreenSite.h"
#include "toolkit/SystemColours.h"
#include "widgets/ProgressBar/ProgressBar.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace rewrix;

namespace {

struct BarSpec {
    int width, height;
    int theme, orientation, effect, textStyle;
    bool enabled;
    int value;
};

QImage Render(const BarSpec& b) {
    OffscreenSite site(QStringLiteral("ProgressBar1"), b.width, b.height);
    ProgressBar bar(site);
    bar.InitialiseNew();
    bar.setText(QStringLiteral("伪原创处理中...."));
    bar.setPBSCustomeColor1(Rgb(200, 60, 20));
    bar.setPBSCustomeColor2(Rgb(90, 90, 110));
    bar.setTheme(b.theme);
    bar.setOrientations(b.orientation);
    bar.setTextEffect(b.effect);
    bar.setTextEffectColor(b.effect == ProgressBar::EffectShadow ? Rgb(255, 255, 255)
                                                                 : Rgb(255, 255, 0));
    bar.setTextStyle(b.textStyle);
    bar.setValue(b.value);
    bar.setEnabled(b.enabled);
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
    QGuiApplication app(argc, argv);
    SetSystemColourSource(SystemColourSource::Classic);

    const int margin = 8, labelWidth = 190, rowGap = 6;
    struct Item {
        QString label;
        QImage image;
    };
    std::vector<Item> horizontal;
    for (int theme = 1; theme <= 10; ++theme)
        for (bool enabled : {true, false})
            for (auto [w, h] : {std::pair{705, 25}, std::pair{689, 17}}) {
                const int effect = 1 + (theme - 1) % 5;
                horizontal.push_back(
                    {QStringLiteral("theme %1 %2x%3 effect %4%5")
                         .arg(theme)
                         .arg(w)
                         .arg(h)
                         .arg(effect)
                         .arg(enabled ? "" : " disabled"),
                     Render({w, h, theme, 1, effect, theme % 2 ? 3 : 2, enabled, 65})});
            }
    for (int effect = 0; effect <= 6; ++effect)
        for (auto [w, h] : {std::pair{705, 25}, std::pair{689, 17}})
            horizontal.push_back({QStringLiteral("effect %1 %2x%3").arg(effect).arg(w).arg(h),
                                  Render({w, h, 8, 1, effect, 3, true, 40})});
    horizontal.push_back(
        {QStringLiteral("orientations 3"), Render({705, 25, 1, 3, 5, 3, true, 50})});

    std::vector<Item> vertical;
    for (int theme = 1; theme <= 10; ++theme)
        for (bool enabled : {true, false})
            for (int thickness : {25, 17})
                vertical.push_back({QStringLiteral("%1%2").arg(theme).arg(enabled ? "" : "d"),
                                    Render({thickness, 160, theme, 2, 5, 2, enabled, 30})});

    int height = margin;
    for (const Item& i : horizontal)
        height += i.image.height() + rowGap;
    height += 20 + 160 + margin;
    int verticalWidth = margin;
    for (const Item& i : vertical)
        verticalWidth += i.image.width() + 4;
    const int width = std::max(margin + labelWidth + 705 + margin, verticalWidth + margin);
    QImage sheet(width, height, QImage::Format_ARGB32);
    sheet.fill(qRgb(255, 255, 255));
    QPainter p(&sheet);
    QFont labelFont(QStringLiteral("DejaVu Sans"));
    labelFont.setPixelSize(11);
    p.setFont(labelFont);
    p.setPen(Qt::black);
    int y = margin;
    for (const Item& i : horizontal) {
        p.drawText(QRect(margin, y, labelWidth - 4, i.image.height()), Qt::AlignVCenter, i.label);
        p.drawImage(margin + labelWidth, y, i.image);
        y += i.image.height() + rowGap;
    }
    y += 4;
    p.drawText(QPoint(margin, y + 10),
               QStringLiteral("vertical, themes 1-10 (d = disabled), 30%:"));
    y += 16;
    int x = margin;
    for (const Item& i : vertical) {
        p.drawImage(x, y, i.image);
        x += i.image.width() + 4;
    }
    p.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
