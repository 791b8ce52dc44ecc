#include "cli/LineEndings.h"

namespace rewrix::cli {

std::u16string ToEngineLineBreaks(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r')) {
            out.push_back(u'\r');
        }
        out.push_back(text[i]);
    }
    return out;
}

std::u16string ToLfLineBreaks(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            continue;
        }
        out.push_back(text[i]);
    }
    return out;
}

bool HasCrLf(std::u16string_view text) {
    return text.find(u"\r\n") != std::u16string_view::npos;
}

} // namespace rewrix::cli
