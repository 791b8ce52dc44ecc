#pragma once

#include "toolkit/PropertyBag.h"

#include <QRect>
#include <QString>

#include <optional>
#include <vector>

namespace rewrix {

// One control of a window's stored layout, with the controls it contains, in
// the order they are created.
struct LayoutControl {
    QString kind;
    QString name;
    // Every value of the block: the window's own (Left, Top, Width, Height,
    // TabIndex, Caption, ...) and, for a custom control, its stored properties.
    PropertyBag values;
    std::vector<LayoutControl> children;
    int line = 0;

    // The place in pixels, each coordinate converted on its own.
    QRect pixelRect() const;
    int tabIndex() const;
    QString text(const QString& key, const QString& fallback = QString()) const;
    int number(const QString& key, int fallback) const;
    // The stored properties of a custom control: the values without the
    // window's placement keys.
    PropertyBag storedProperties() const;
};

// Twips to pixels at 15 twips a pixel, to the nearest pixel, ties to even.
int TwipsToPixels(int twips);

// Reads a layout text (see shell/FrmMain.layout for the format). The text has
// one top-level block, the window. On a fault returns nothing and says where.
std::optional<LayoutControl> ParseFormLayout(const QString& text, QString* error = nullptr);

} // namespace rewrix
