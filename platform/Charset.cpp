#include "platform/Charset.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <iconv.h>
#include <stdexcept>
#include <vector>

namespace rewrix::platform {
namespace {

// Our UTF-16 strings are in host order; the machines we build for are little-endian.
constexpr const char* kUtf16 = "UTF-16LE";

class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
        }
    }
    ~IconvHandle() { iconv_close(cd_); }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    iconv_t get() const { return cd_; }
    void Reset() { iconv(cd_, nullptr, nullptr, nullptr, nullptr); }

private:
    iconv_t cd_;
};

bool IsHigh(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLow(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

// The character at `index` and how many code units it takes.
std::pair<char32_t, std::size_t> CharacterAt(std::u16string_view text, std::size_t index) {
    char16_t u = text[index];
    if (IsHigh(u) && index + 1 < text.size() && IsLow(text[index + 1])) {
        char32_t cp =
            0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(text[index + 1]) - 0xDC00);
        return {cp, 2};
    }
    return {u, 1};
}

// Encodes `text` until the end or the first character the target cannot hold.
// Returns the number of code units consumed; appends the bytes to `out`.
std::size_t EncodeRun(IconvHandle& cd, std::u16string_view text, std::string& out) {
    auto* in = const_cast<char*>(reinterpret_cast<const char*>(text.data()));
    std::size_t inLeft = text.size() * sizeof(char16_t);
    const std::size_t inTotal = inLeft;
    // A small buffer on the stack: this runs once per unencodable character
    // when replacing, so it must cost nothing to set up.
    std::array<char, 4096> buffer;
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        std::size_t outLeft = buffer.size();
        std::size_t rc = iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), buffer.size() - outLeft);
        if (rc != static_cast<std::size_t>(-1)) {
            break;
        }
        if (errno == E2BIG) {
            continue;
        }
        break; // EILSEQ or EINVAL: the character at `in` cannot be written
    }
    if (inLeft == 0) {
        // Flush any shift state (none of our sets has one, but be exact).
        char* outPtr = buffer.data();
        std::size_t outLeft = buffer.size();
        iconv(cd.get(), nullptr, nullptr, &outPtr, &outLeft);
        out.append(buffer.data(), buffer.size() - outLeft);
    }
    cd.Reset();
    return (inTotal - inLeft) / sizeof(char16_t);
}

} // namespace

std::optional<Charset> Charset::FromName(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    if (lower == "gb2312" || lower == "gbk") {
        return Cp936();
    }
    if (lower == "gb18030") {
        return Gb18030();
    }
    if (lower == "utf-8") {
        return Utf8();
    }
    if (lower == "big5") {
        return Charset("CP950");
    }
    return std::nullopt;
}

Charset Charset::Cp936() {
    return Charset("CP936");
}
Charset Charset::Gb18030() {
    return Charset("GB18030");
}
Charset Charset::Utf8() {
    return Charset("UTF-8");
}

std::u16string Charset::Decode(std::string_view bytes) const {
    IconvHandle cd(kUtf16, iconvName_.c_str());
    std::u16string result;
    result.reserve(bytes.size());
    auto* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    std::vector<char16_t> buffer(std::min<std::size_t>(bytes.size(), 1 << 20) + 16);
    while (inLeft > 0) {
        auto* outPtr = reinterpret_cast<char*>(buffer.data());
        std::size_t outLeft = buffer.size() * sizeof(char16_t);
        std::size_t rc = iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft);
        result.append(buffer.data(), buffer.size() - outLeft / sizeof(char16_t));
        if (rc != static_cast<std::size_t>(-1) || errno == E2BIG) {
            continue;
        }
        // EILSEQ (a byte that starts no character here) or EINVAL (a character
        // cut off by the end): one replacement character per bad byte, then go on
        // with the next byte, so that an ASCII byte after a bad lead byte survives.
        result.push_back(u'\uFFFD');
        ++in;
        --inLeft;
        cd.Reset();
    }
    return result;
}

std::optional<std::string> Charset::Encode(std::u16string_view text, Unencodable* bad) const {
    IconvHandle cd(iconvName_.c_str(), kUtf16);
    std::string out;
    out.reserve(text.size() * 2);
    std::size_t done = EncodeRun(cd, text, out);
    if (done == text.size()) {
        return out;
    }
    if (bad != nullptr) {
        bad->character = CharacterAt(text, done).first;
        bad->index = done;
    }
    return std::nullopt;
}

std::string Charset::EncodeReplacing(std::u16string_view text, const Charset* fallback,
                                     std::string_view lastResort) const {
    IconvHandle cd(iconvName_.c_str(), kUtf16);
    std::optional<IconvHandle> fallbackCd;
    if (fallback != nullptr) {
        fallbackCd.emplace(fallback->iconvName_.c_str(), kUtf16);
    }
    std::string out;
    out.reserve(text.size() * 2);
    // iconv pays dearly for each character it refuses in a long run, so the
    // text goes in blocks, and only a block that holds such a character is
    // done again character by character.
    constexpr std::size_t kBlock = 256;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = std::min(pos + kBlock, text.size());
        if (end < text.size() && IsHigh(text[end - 1])) {
            ++end; // keep a surrogate pair together
        }
        std::u16string_view block = text.substr(pos, end - pos);
        std::size_t before = out.size();
        if (EncodeRun(cd, block, out) == block.size()) {
            pos = end;
            continue;
        }
        out.resize(before);
        while (pos < end) {
            std::size_t units = CharacterAt(text, pos).second;
            std::u16string_view one = text.substr(pos, units);
            if (EncodeRun(cd, one, out) != units) {
                std::string piece;
                if (fallbackCd && EncodeRun(*fallbackCd, one, piece) == units) {
                    out += piece;
                } else {
                    out += lastResort;
                }
            }
            pos += units;
        }
    }
    return out;
}

std::vector<int> Charset::EncodedLengths(std::u16string_view units) const {
    IconvHandle cd(iconvName_.c_str(), kUtf16);
    std::vector<int> lengths(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        char16_t unit = units[i];
        auto* in = reinterpret_cast<char*>(&unit);
        std::size_t inLeft = sizeof unit;
        char out[16];
        char* outPtr = out;
        std::size_t outLeft = sizeof out;
        std::size_t rc = iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft);
        lengths[i] =
            rc == static_cast<std::size_t>(-1) ? 0 : static_cast<int>(sizeof out - outLeft);
        cd.Reset();
    }
    return lengths;
}

std::u16string DescribeCharacter(char32_t character) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(character));
    std::u16string result;
    bool showable = character >= 0x20 && !(character >= 0xD800 && character <= 0xDFFF) &&
                    character != 0x7F && character <= 0x10FFFF;
    if (showable) {
        result += u"“";
        if (character >= 0x10000) {
            char32_t v = character - 0x10000;
            result.push_back(static_cast<char16_t>(0xD800 + (v >> 10)));
            result.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
        } else {
            result.push_back(static_cast<char16_t>(character));
        }
        result += u"” ";
    }
    for (const char* p = code; *p != '\0'; ++p) {
        result.push_back(static_cast<char16_t>(*p));
    }
    return result;
}

} // namespace rewrix::platform
