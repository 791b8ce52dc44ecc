#pragma once

#include <string>

namespace rewrix::engine {

// Simplified Chinese characters turned into their Traditional forms,
// phrase by phrase (头发 → 頭髮, 发展 → 發展). Every character keeps its width
// in code page 936: where the Traditional form is not in code page 936, the
// character stays as it was. ASCII, and so all HTML markup, comes back
// unchanged, and so do characters code page 936 cannot hold (emoji, rare
// characters, lone surrogates) and everything after a U+0000.
// Converting twice gives what converting once gives.
std::u16string ToTraditional(std::u16string text);

} // namespace rewrix::engine
