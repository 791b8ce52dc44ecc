#pragma once

#include <string>

#include "engine/DictTable.h"
#include "engine/Progress.h"
#include "engine/YieldHook.h"

namespace rewrix::engine {

inline constexpr char16_t kSynonymsBusyText[] = u"伪原创处理中....";

// Applies every entry of `table` in file order to the text as the earlier
// entries left it: each occurrence of the word, found left to right without
// overlap, becomes the replacement, and inserted text is not searched again
// by the same entry.
std::u16string ReplaceSynonyms(const std::u16string& text, const DictTable& table,
                               Progress& progress, const YieldHook& yield = {});

// The plain entry-after-entry algorithm, kept as the reference that any
// faster one must match exactly.
std::u16string ReplaceSynonymsReference(const std::u16string& text, const DictTable& table,
                                        Progress& progress, const YieldHook& yield = {});

// Every occurrence of `word` in `text` replaced in one left-to-right pass.
std::u16string ReplaceAll(const std::u16string& text, std::u16string_view word,
                          std::u16string_view replacement);

} // namespace rewrix::engine
