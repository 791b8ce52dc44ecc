#include "platform/TraditionalMap.h"

#include <memory>
#include <opencc/SimpleConverter.hpp>

#include "platform/Charset.h"

namespace rewrix::platform {
namespace {

const opencc::SimpleConverter* Converter() {
    static const std::unique_ptr<opencc::SimpleConverter> converter =
        []() -> std::unique_ptr<opencc::SimpleConverter> {
        for (const char* config : {"s2t.json", "/usr/share/opencc/s2t.json"}) {
            try {
                return std::make_unique<opencc::SimpleConverter>(config);
            } catch (...) {
            }
        }
        return nullptr;
    }();
    return converter.get();
}

} // namespace

std::u16string MapToTraditional(std::u16string_view text) {
    const opencc::SimpleConverter* converter = Converter();
    if (converter == nullptr || text.empty()) {
        return std::u16string(text);
    }
    static const Charset utf8 = Charset::Utf8();
    std::optional<std::string> bytes = utf8.Encode(text);
    if (!bytes) {
        return std::u16string(text);
    }
    try {
        return utf8.Decode(converter->Convert(bytes->data(), bytes->size()));
    } catch (...) {
        return std::u16string(text);
    }
}

} // namespace rewrix::platform
