#pragma once
// The look the screens share: the named window colours, as Windows colour values (red + 256 *
// green + 65536 * blue, turned into a QColor by windowsColour()).
#include "gui/Fonts.h"

namespace trelon::colours {

inline constexpr unsigned kBlack = 0x000000;
inline constexpr unsigned kWhite = 0xFFFFFF;
inline constexpr unsigned kRed = 0x0000FF;
inline constexpr unsigned kBlue = 0xFF0000;
inline constexpr unsigned kGreen = 0x008000;
inline constexpr unsigned kLime = 0x00FF00;
inline constexpr unsigned kNavy = 0x800000;
inline constexpr unsigned kPurple = 0x800080;
inline constexpr unsigned kMoneyGreen = 0xC0DCC0; // the pale green of the main and set-up screens
inline constexpr unsigned kBtnFace = 0xC8D0D4;    // the panels' grey (212, 208, 200)
inline constexpr unsigned kDarkPanel = 0x808080;

} // namespace trelon::colours
