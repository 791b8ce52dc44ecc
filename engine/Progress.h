#pragma once

#include <cstdint>
#include <string>

namespace rewrix::engine {

// What an engine step sees of the progress bar of the page that started it.
// The bar clamps what it is given; the engine passes its figures unchanged.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void Max(int32_t value) = 0;
    virtual void Value(int32_t value) = 0;
    virtual void Text(const std::u16string& text) = 0;
};

// For callers that show no progress.
class NullProgress final : public Progress {
public:
    void Max(int32_t) override {}
    void Value(int32_t) override {}
    void Text(const std::u16string&) override {}
};

} // namespace rewrix::engine
