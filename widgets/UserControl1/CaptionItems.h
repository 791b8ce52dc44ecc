#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace rewrix {

// The ticker's caption is a list of items separated by ";", each an item text and a link
// separated by ","; further ","-parts are ignored. There is no quoting and no trimming.
class CaptionItems {
public:
    explicit CaptionItems(const QString& caption);

    // The index of the last item: one less than the number of ";"-pieces, or -1 for an empty
    // caption, which has no items at all.
    int lastIndex() const { return static_cast<int>(pieces_.size()) - 1; }
    // The text of item i: the piece before its first ","; nothing when the item does not exist
    // or is empty.
    std::optional<QString> textOf(int i) const;
    // The link of item i: the part between its first and second ","; nothing when the item does
    // not exist or has no ",".
    std::optional<QString> linkOf(int i) const;

private:
    QStringList pieces_;
};

} // namespace rewrix
