#include "widgets/lumobutton/AccessKey.h"

namespace rewrix {

QChar AccessKeyOf(const QString& caption) {
    const qsizetype length = caption.size();
    if (length <= 1)
        return {};
    const qsizetype first = caption.indexOf(u'&');
    if (first < 0 || first == length - 1)
        return {};
    const QChar next = caption.at(first + 1);
    if (next != u'&')
        return next.toLower();
    // A doubled ampersand: the key is the character after the next single
    // "&". Without a further ampersand there is no key at all (taking the
    // caption's first character instead would give "Save && Exit" the key s).
    const qsizetype second = caption.indexOf(u'&', first + 2);
    if (second < 0 || second == length - 1)
        return {};
    const QChar key = caption.at(second + 1);
    if (key == u'&')
        return {};
    return key.toLower();
}

} // namespace rewrix
