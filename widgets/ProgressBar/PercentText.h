#pragma once

#include <QString>

namespace rewrix {

// The ordinary text form of a double: at most 15 significant digits, no trailing zeros and no
// trailing decimal point (50, 12.5, 33.3333333333333); tiny or huge values in the E form
// (4.65661287307739E-08).
QString NumberText(double value);

} // namespace rewrix
