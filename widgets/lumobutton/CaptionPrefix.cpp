#include "widgets/lumobutton/CaptionPrefix.h"

namespace rewrix {

CaptionPrefix StripCaptionPrefix(const QString& caption) {
    CaptionPrefix out;
    out.text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&')) {
            out.text.append(caption.at(i));
            continue;
        }
        if (i + 1 >= caption.size())
            break; // a trailing marker marks nothing
        if (caption.at(i + 1) == QLatin1Char('&')) {
            out.text.append(QLatin1Char('&'));
            ++i;
            continue;
        }
        if (out.underline < 0)
            out.underline = out.text.size();
    }
    return out;
}

} // namespace rewrix
