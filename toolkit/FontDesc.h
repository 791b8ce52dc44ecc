#pragma once

#include <QString>

namespace rewrix {

// A font as controls store and pass it: what the font property of a control holds.
struct FontDesc {
    QString face = QStringLiteral("宋体");
    double points = 9.0;
    int weight = 400; // 400 regular, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    int charset = 134; // GB2312

    bool bold() const { return weight >= 600; }
    // The height of the font's em in pixels at 96 dots per inch ("宋体" 9 points is 12 pixels).
    int pixelSize() const;

    friend bool operator==(const FontDesc&, const FontDesc&) = default;
};

} // namespace rewrix
