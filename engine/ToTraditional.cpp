#include "engine/ToTraditional.h"

#include "platform/Cp936.h"
#include "platform/TraditionalMap.h"

namespace rewrix::engine {
namespace {

// Only the double-byte characters of code page 936 take part; ASCII, the
// single-byte euro sign and everything code page 936 cannot hold pass
// through untouched.
bool Convertible(char16_t c) {
    return c >= 0x80 && platform::Cp936Width(c) == 2;
}

void AppendKeepingWidth(std::u16string& out, std::u16string_view original,
                        std::u16string_view mapped) {
    for (std::size_t k = 0; k < original.size(); ++k) {
        out.push_back(Convertible(mapped[k]) ? mapped[k] : original[k]);
    }
}

std::u16string OnePass(const std::u16string& text) {
    std::u16string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (!Convertible(text[i])) {
            result.push_back(text[i++]);
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && Convertible(text[end])) {
            ++end;
        }
        std::u16string_view run(text.data() + i, end - i);
        std::u16string mapped = platform::MapToTraditional(run);
        if (mapped.size() == run.size()) {
            AppendKeepingWidth(result, run, mapped);
        } else {
            // A phrase whose Traditional form has another length cannot keep
            // the widths in step with the original: map this run by character.
            for (char16_t c : run) {
                std::u16string one = platform::MapToTraditional(std::u16string_view(&c, 1));
                result.push_back(one.size() == 1 && Convertible(one[0]) ? one[0] : c);
            }
        }
        i = end;
    }
    return result;
}

} // namespace

std::u16string ToTraditional(std::u16string text) {
    // Phrase-aware conversion is not idempotent for a few phrases
    // (贸易伙伴 → 貿易伙伴 → 貿易夥伴), so convert until nothing changes; two
    // passes do it in practice, the bound only guards against a cycle.
    constexpr int kMaxPasses = 4;
    for (int pass = 0; pass < kMaxPasses; ++pass) {
        std::u16string next = OnePass(text);
        if (next == text) {
            break;
        }
        text = std::move(next);
    }
    return text;
}

} // namespace rewrix::engine
