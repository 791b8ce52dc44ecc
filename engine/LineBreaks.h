#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rewrix::engine {

inline constexpr std::u16string_view kCrLf = u"\r\n";

// `mStr` without `ClearStr` at either end, the end stripped first. CR LF is
// stripped as a pair; any other separator only if it is one character long.
std::u16string ClearVBCRlF(std::u16string_view mStr, std::u16string_view ClearStr);

// Every run of CR LF pairs shrunk to one pair; lone CR and LF are left alone.
std::u16string CollapseCrLf(std::u16string_view text);

// The pieces between the occurrences of `separator`, empty ones included;
// an empty separator gives the whole text as one piece. The views point into `text`.
std::vector<std::u16string_view> SplitPieces(std::u16string_view text,
                                             std::u16string_view separator);

} // namespace rewrix::engine
