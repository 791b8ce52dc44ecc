#pragma once

#include <string>
#include <string_view>

namespace rewrix::platform {

// Simplified to Traditional Chinese on OpenCC's phrase-aware "s2t"
// conversion: the stand-in for the system's locale mapping call. Text that
// OpenCC cannot take (when its data files are missing) comes back unchanged.
// `text` must be well-formed UTF-16 (no lone surrogates).
std::u16string MapToTraditional(std::u16string_view text);

} // namespace rewrix::platform
