#pragma once

#include <QString>

namespace rewrix {

// A caption as the text call shows it: each "&" marks the next character as the access key
// and is not shown, "&&" shows one ampersand.
struct CaptionPrefix {
    QString text;
    // The position in `text` of the character shown underlined (the first marked one), or -1.
    qsizetype underline = -1;
};

CaptionPrefix StripCaptionPrefix(const QString& caption);

} // namespace rewrix
