#include "engine/ToTraditional.h"

#include <vector>

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

// The run's Traditional form, character by character where the phrase-aware
// form has another length and so cannot keep the widths in step.
void AppendRun(std::u16string& out, std::u16string_view run, std::u16string_view mapped) {
    if (mapped.size() == run.size()) {
        AppendKeepingWidth(out, run, mapped);
        return;
    }
    for (char16_t c : run) {
        std::u16string one = platform::MapToTraditional(std::u16string_view(&c, 1));
        out.push_back(one.size() == 1 && Convertible(one[0]) ? one[0] : c);
    }
}

std::u16string OnePass(const std::u16string& text) {
    // The runs of convertible characters go to the converter in one call,
    // each on its own line: no phrase spans a line break, so each run is
    // converted as if alone, without the cost of a call per run.
    std::vector<std::u16string_view> runs;
    std::u16string joined;
    for (std::size_t i = 0; i < text.size();) {
        if (!Convertible(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && Convertible(text[end])) {
            ++end;
        }
        runs.emplace_back(text.data() + i, end - i);
        joined += runs.back();
        joined.push_back(u'\n');
        i = end;
    }
    if (runs.empty()) {
        return text;
    }
    std::u16string mapped = platform::MapToTraditional(joined);
    std::vector<std::u16string_view> pieces;
    for (std::size_t start = 0, at; (at = mapped.find(u'\n', start)) != std::u16string::npos;
         start = at + 1) {
        pieces.emplace_back(mapped.data() + start, at - start);
    }

    std::u16string result;
    result.reserve(text.size());
    std::size_t next = 0;
    for (std::size_t r = 0; r < runs.size(); ++r) {
        std::size_t start = static_cast<std::size_t>(runs[r].data() - text.data());
        result.append(text, next, start - next);
        if (pieces.size() == runs.size()) {
            AppendRun(result, runs[r], pieces[r]);
        } else {
            AppendRun(result, runs[r], platform::MapToTraditional(runs[r]));
        }
        next = start + runs[r].size();
    }
    result.append(text, next);
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
