#pragma once
// Rounding to the nearest integer with halves to even, the processor's default rounding,
// which the screen geometry and the shown values rely on.
#include <cmath>

namespace trelon {

inline long long roundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    double result = below;
    if (fraction > 0.5) {
        result = below + 1;
    } else if (fraction == 0.5) {
        result = std::fmod(below, 2.0) == 0 ? below : below + 1;
    }
    return static_cast<long long>(result);
}

} // namespace trelon
