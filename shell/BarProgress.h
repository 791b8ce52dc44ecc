#pragma once

#include "engine/Progress.h"

namespace rewrix {

class ProgressBar;

// An engine step's progress, shown on a page's progress bar.
class BarProgress final : public engine::Progress {
public:
    explicit BarProgress(ProgressBar& bar) : bar_(bar) {}

    void Max(int32_t value) override;
    void Value(int32_t value) override;
    void Text(const std::u16string& text) override;

private:
    ProgressBar& bar_;
};

} // namespace rewrix
