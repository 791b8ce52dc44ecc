#pragma once

#include "toolkit/FontDesc.h"

#include <QFont>

namespace rewrix {

// The faces the stored layouts name ("宋体", "SimSun", "Tahoma", ...) resolve to installed faces
// of the same kind: a Song/Ming face for the Chinese ones, a close sans-serif for the Latin ones.
// Installed once per process; later calls do nothing.
void InstallFontSubstitutes();

// The toolkit font for a stored font description, sized in pixels at 96 dots per inch so that
// layouts come out the same whatever the screen reports. Text is drawn without antialiasing, so
// a caption's pixels are either its colour or the picture beneath.
QFont QFontFor(const FontDesc& font);

} // namespace rewrix
