#pragma once
// Sizes and margins that several procedures' scenes share.

namespace trelon {

// The smaller of the two sizes of the set-up screen's "Размер", as a factor of the picture.
inline constexpr double kSmallSize = 0.75;

// The edge margin of the strabismus angle's diagnostic and training.
inline constexpr int kKosoglMargin = 2;

} // namespace trelon
