#include "widgets/ProgressBar/PercentText.h"

#include <cmath>
#include <cstdio>

namespace rewrix {

QString NumberText(double value) {
    if (!std::isfinite(value))
        return QString();
    if (value == 0)
        return QStringLiteral("0"); // no "-0"
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    return QString::fromLatin1(buffer);
}

} // namespace rewrix
