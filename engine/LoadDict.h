#pragma once

#include <filesystem>

#include "engine/DictTable.h"

namespace rewrix::engine {

// The table of the dictionary file at `path` (code page 936, CR LF lines,
// "word|replacement"). Never fails: a file that cannot be read or holds
// nothing but line breaks gives a table with no entries. Whether the file
// exists is the caller's question, asked before.
DictTable LoadDict(const std::filesystem::path& path);

} // namespace rewrix::engine
