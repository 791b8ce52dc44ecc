#include "toolkit/VisualStyle.h"

#include <QApplication>
#include <QStyle>

namespace rewrix {

bool VisualStylesActive() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    const QStyle* style = QApplication::style();
    return style && style->name().compare(QLatin1String("windows"), Qt::CaseInsensitive) != 0;
}

} // namespace rewrix
