#pragma once

#include <cstdio>
#include <string>

#include "engine/Progress.h"

namespace rewrix::cli {

// The progress reports as "<text> <value>/<max>": one line rewritten in place
// on a terminal, a line per report elsewhere. The figures are shown as the
// engine gives them. Finish() shows the final text and ends the line.
class ProgressLine final : public engine::Progress {
public:
    explicit ProgressLine(std::FILE* out);
    void Max(int32_t value) override;
    void Value(int32_t value) override;
    void Text(const std::u16string& text) override;
    void Finish(const std::u16string& text);

private:
    void Draw();
    std::FILE* out_;
    int32_t max_ = 100;
    int32_t value_ = 0;
    std::string text_ = "等待中...";
    bool tty_;
};

} // namespace rewrix::cli
