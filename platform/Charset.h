#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rewrix::platform {

// The character that an encoder could not write, and where it stood.
struct Unencodable {
    char32_t character = 0; // a code point, or a lone surrogate's code unit
    std::size_t index = 0;  // offset in UTF-16 code units
};

// A character set that text is read from or written in, on iconv.
// Decoding never fails: bytes that do not decode become U+FFFD. Encoding
// either refuses a character it cannot hold or replaces it, as the caller asks.
class Charset {
public:
    // The names a text stream accepts, in any letter case: "gb2312" and "gbk"
    // (both Windows' code page 936, so every GBK character and the single
    // byte 0x80 for the euro sign), "gb18030", "utf-8" and "big5" (code page 950).
    static std::optional<Charset> FromName(std::string_view name);
    static Charset Cp936();
    static Charset Gb18030();
    static Charset Utf8();

    // The name given to iconv.
    const std::string& IconvName() const { return iconvName_; }

    std::u16string Decode(std::string_view bytes) const;

    // Strict: nullopt when a character cannot be written; *bad then tells which.
    std::optional<std::string> Encode(std::u16string_view text, Unencodable* bad = nullptr) const;

    // Lossy: a character this set cannot hold is written in `fallback` if that
    // holds it, else as `lastResort`.
    std::string EncodeReplacing(std::u16string_view text, const Charset* fallback,
                                std::string_view lastResort) const;

    // For each code unit of `units`, taken as a character on its own, the
    // number of bytes it takes in this set, or 0 when the set cannot hold it.
    std::vector<int> EncodedLengths(std::u16string_view units) const;

private:
    explicit Charset(std::string iconvName) : iconvName_(std::move(iconvName)) {}
    std::string iconvName_;
};

// "U+1F600" and the character itself where it can be shown, for messages.
std::u16string DescribeCharacter(char32_t character);

} // namespace rewrix::platform
