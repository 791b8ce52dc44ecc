#pragma once

#include <string>
#include <string_view>

namespace rewrix::cli {

// LF and CR LF both become CR LF, as a text box holds them; a lone CR stays.
std::u16string ToEngineLineBreaks(std::u16string_view text);

// Every CR LF back to LF, for inputs that had no CR LF.
std::u16string ToLfLineBreaks(std::u16string_view text);

bool HasCrLf(std::u16string_view text);

} // namespace rewrix::cli
