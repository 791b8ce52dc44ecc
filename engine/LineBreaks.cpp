#include "engine/LineBreaks.h"

namespace rewrix::engine {

std::u16string ClearVBCRlF(std::u16string_view mStr, std::u16string_view ClearStr) {
    std::u16string_view text = mStr;
    if (ClearStr == kCrLf) {
        while (text.ends_with(kCrLf)) {
            text.remove_suffix(2);
        }
        while (text.starts_with(kCrLf)) {
            text.remove_prefix(2);
        }
    } else if (ClearStr.size() == 1) {
        // A one-character slice never equals a longer string, so only a
        // one-character separator can take effect here.
        while (!text.empty() && text.back() == ClearStr[0]) {
            text.remove_suffix(1);
        }
        while (!text.empty() && text.front() == ClearStr[0]) {
            text.remove_prefix(1);
        }
    }
    return std::u16string(text);
}

std::u16string CollapseCrLf(std::u16string_view text) {
    // One pass that keeps the first pair of every run gives what repeated
    // halving of CR LF CR LF gives, without the repeated passes.
    std::u16string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.substr(i, 2) == kCrLf) {
            result += kCrLf;
            i += 2;
            while (text.substr(i, 2) == kCrLf) {
                i += 2;
            }
        } else {
            result.push_back(text[i]);
            ++i;
        }
    }
    return result;
}

std::vector<std::u16string_view> SplitPieces(std::u16string_view text,
                                             std::u16string_view separator) {
    std::vector<std::u16string_view> pieces;
    if (separator.empty()) {
        pieces.push_back(text);
        return pieces;
    }
    std::size_t start = 0;
    while (true) {
        std::size_t at = text.find(separator, start);
        if (at == std::u16string_view::npos) {
            pieces.push_back(text.substr(start));
            return pieces;
        }
        pieces.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
}

} // namespace rewrix::engine
