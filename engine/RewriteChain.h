#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/DictTable.h"
#include "engine/Progress.h"
#include "engine/RandomSource.h"
#include "engine/YieldHook.h"

namespace rewrix::engine {

// The page's shuffle option: none, "段落随机打乱" or "句子随机打乱".
enum class Separator { None, Paragraph, Sentence };

// "", CR LF or "。".
std::u16string_view SeparatorText(Separator separator);

// Texts shorter than this (in UTF-16 code units) are left alone.
inline constexpr std::size_t kMinimumRewriteLength = 10;

// The rewrite command's chain on the page's text: line-break clean-up, the
// shuffle and, when `synonyms` is set, synonym replacement. nullopt when the
// text is too short, in which case nothing was reported or drawn; an empty
// string is a real result (five CR LF pairs come back empty). The caller
// writes the text back and then sets its own final progress text.
std::optional<std::u16string> RewriteChain(const std::u16string& text, Separator separator,
                                           bool synonyms, const DictTable& table,
                                           Progress& progress, const YieldHook& yield = {},
                                           RandomSource& random = RandomSource::Program());

} // namespace rewrix::engine
