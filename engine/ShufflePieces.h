#pragma once

#include <string>
#include <string_view>

#include "engine/Progress.h"
#include "engine/RandomSource.h"
#include "engine/YieldHook.h"

namespace rewrix::engine {

// The text's pieces between occurrences of `separator` (paragraphs for CR LF,
// sentences for "。"), put in a random order by FleaRandom and joined again
// by the separator, which is then stripped from both ends. Draws one random
// number per piece, one even for a text of one piece; an empty text draws
// nothing and reports nothing.
std::u16string ShufflePieces(std::u16string_view text, std::u16string_view separator,
                             Progress& progress, const YieldHook& yield = {},
                             RandomSource& random = RandomSource::Program());

} // namespace rewrix::engine
