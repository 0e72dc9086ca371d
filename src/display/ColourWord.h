#pragma once
// Colours as the drawing layer takes them: a colour word red + 256 * green + 65536 * blue.
#include <cstdint>

namespace trelon {

using ColourWord = std::uint32_t;

inline constexpr ColourWord colourWord(int red, int green, int blue) {
    return static_cast<ColourWord>(red) + 256u * static_cast<ColourWord>(green) +
           65536u * static_cast<ColourWord>(blue);
}
inline constexpr int redOf(ColourWord c) {
    return static_cast<int>(c & 0xFF);
}
inline constexpr int greenOf(ColourWord c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
inline constexpr int blueOf(ColourWord c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

} // namespace trelon
