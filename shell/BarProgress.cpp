#include "shell/BarProgress.h"

#include "widgets/ProgressBar/ProgressBar.h"

#include <QString>

namespace rewrix {

void BarProgress::Max(int32_t value) {
    bar_.setMax(value);
}

void BarProgress::Value(int32_t value) {
    bar_.setValue(value);
}

void BarProgress::Text(const std::u16string& text) {
    bar_.setText(QString::fromStdU16String(text));
}

} // namespace rewrix
