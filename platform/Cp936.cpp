#include "platform/Cp936.h"

#include <array>
#include <cstdint>
#include <memory>

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
    // widths answers every question; it is built once, in one conversion.
    // Code page 936 holds nothing outside the BMP, so one table of the BMP's
    // widths answers every question. It is built in one conversion of the whole
    // BMP, each character it cannot hold marked by 0xFF, which starts no
    // code page 936 character.
    static const std::unique_ptr<std::array<std::uint8_t, 0x10000>> widths = [] {
        auto table = std::make_unique<std::array<std::uint8_t, 0x10000>>();
        std::u16string all;
        all.reserve(0x10000);
        for (char32_t c = 0; c < 0x10000; ++c) {
            all.push_back(c >= 0xD800 && c <= 0xDFFF ? u'\uFFFF' : static_cast<char16_t>(c));
        }
        std::string bytes = Charset::Cp936().EncodeReplacing(all, nullptr, "\xFF");
        std::size_t at = 0;
        for (char32_t c = 0; c < 0x10000 && at < bytes.size(); ++c) {
            auto lead = static_cast<unsigned char>(bytes[at]);
            int width = lead == 0xFF ? 0 : lead <= 0x80 ? 1 : 2;
            (*table)[c] = static_cast<std::uint8_t>(c >= 0xD800 && c <= 0xDFFF ? 0 : width);
            at += width == 0 ? 1 : width;
        }
        return table;
    }();
    return character < 0x10000 ? (*widths)[character] : 0;
}

} // namespace rewrix::platform
