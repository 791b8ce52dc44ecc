#pragma once

#include <string>
#include <vector>

#include "engine/Progress.h"

// Writes down every report as "Max 44", "Value 0" or "Text ...", in order.
class RecordingProgress final : public rewrix::engine::Progress {
public:
    void Max(int32_t value) override { calls.push_back("Max " + std::to_string(value)); }
    void Value(int32_t value) override { calls.push_back("Value " + std::to_string(value)); }
    void Text(const std::u16string& text) override {
        calls.push_back(text == u"伪原创处理中...." ? "Text busy" : "Text other");
    }
    std::vector<std::string> calls;
};
