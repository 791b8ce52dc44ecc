#pragma once

#include <cstdint>

namespace rewrix {

// A colour as the stored properties keep it: 0x00BBGGRR for an explicit colour (red in the low
// byte); a value with the top bit set names a system colour (0x800000NN, colour number NN).
using Colour = std::uint32_t;

constexpr Colour Rgb(int red, int green, int blue) {
    return static_cast<Colour>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
constexpr bool IsSystemColour(Colour c) {
    return (c & 0x80000000u) != 0;
}
constexpr Colour SystemColourRef(int number) {
    return 0x80000000u | static_cast<Colour>(number);
}

} // namespace rewrix
