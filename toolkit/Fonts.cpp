#include "toolkit/Fonts.h"

#include <QStringList>

#include <algorithm>

#include <mutex>

namespace rewrix {

void InstallFontSubstitutes() {
    static std::once_flag once;
    std::call_once(once, [] {
        const QStringList song = {QStringLiteral("AR PL UMing CN"),
                                  QStringLiteral("AR PL UMing TW"),
                                  QStringLiteral("WenQuanYi Micro Hei")};
        for (const char* name : {"宋体", "SimSun", "新宋体", "NSimSun"})
            QFont::insertSubstitutions(QString::fromUtf8(name), song);
        const QStringList sans = {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                                  QStringLiteral("WenQuanYi Micro Hei")};
        for (const char* name : {"Tahoma", "MS Sans Serif", "Microsoft Sans Serif", "Arial",
                                 "Verdana", "微软雅黑", "Microsoft YaHei"})
            QFont::insertSubstitutions(QString::fromUtf8(name), sans);
    });
}

QFont QFontFor(const FontDesc& font) {
    InstallFontSubstitutes();
    QFont f(font.face);
    f.setPixelSize(font.pixelSize());
    f.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikethrough);
    f.setStyleStrategy(QFont::NoAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

} // namespace rewrix
