#include "platform/Cp936.h"

#include <vector>

namespace rewrix::platform {

std::u16string DecodeCp936(std::string_view bytes) {
    return Charset::Cp936().Decode(bytes);
}

std::optional<std::string> EncodeCp936(std::u16string_view text, Unencodable* bad) {
    return Charset::Cp936().Encode(text, bad);
}

std::string EncodeCp936WithGb18030(std::u16string_view text) {
    static const Charset gb18030 = Charset::Gb18030();
    return Charset::Cp936().EncodeReplacing(text, &gb18030, "?");
}

int Cp936Width(char32_t character) {
    // Code page 936 holds nothing outside the BMP, so one table of the BMP's
    // widths, built once, answers every question.
    static const std::vector<int> widths = [] {
        std::u16string all(0x10000, u'\0');
        for (char32_t c = 0; c < 0x10000; ++c) {
            all[c] = static_cast<char16_t>(c);
        }
        return Charset::Cp936().EncodedLengths(all); // a lone surrogate has no width
    }();
    return character < 0x10000 ? widths[character] : 0;
}

} // namespace rewrix::platform
