#include "widgets/UserControl1/CaptionItems.h"

#include <QStringList>

namespace rewrix {

CaptionItems::CaptionItems(const QString& caption) {
    if (!caption.isEmpty())
        pieces_ = caption.split(QLatin1Char(';'));
}

std::optional<QString> CaptionItems::textOf(int i) const {
    if (i < 0 || i > lastIndex())
        return std::nullopt;
    const QString& piece = pieces_[i];
    if (piece.isEmpty())
        return std::nullopt;
    return piece.section(QLatin1Char(','), 0, 0);
}

std::optional<QString> CaptionItems::linkOf(int i) const {
    if (i < 0 || i > lastIndex())
        return std::nullopt;
    const QStringList parts = pieces_[i].split(QLatin1Char(','));
    if (parts.size() < 2)
        return std::nullopt;
    return parts[1];
}

} // namespace rewrix
