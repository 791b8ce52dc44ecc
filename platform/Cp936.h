#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Charset.h"

namespace rewrix::platform {

// Code page 936 as Windows has it: GBK, plus the single byte 0x80 for "€".
// Bytes that do not decode become U+FFFD.
std::u16string DecodeCp936(std::string_view bytes);

// nullopt when a character has no code page 936 form; *bad then tells which.
std::optional<std::string> EncodeCp936(std::u16string_view text, Unencodable* bad = nullptr);

// Code page 936, with every character it cannot hold written as its GB18030
// sequence (four bytes for everything outside GBK), so that nothing is lost;
// only a lone surrogate, which no character set holds, becomes "?".
std::string EncodeCp936WithGb18030(std::u16string_view text);

// The number of bytes the character takes in code page 936: 1 or 2, or 0
// when code page 936 cannot hold it.
int Cp936Width(char32_t character);

} // namespace rewrix::platform
