#pragma once
// How one pixel changes when a figure moves across it. The moving figure carries its own
// colour over the background and over the other figure (where the two overlap the pixel
// shows IndexAll), and leaves behind whatever the other figure had there; the other figure
// is never disturbed.
#include "state/RoleColours.h"

#include <cstdint>

namespace trelon {

// The new entry of a pixel that holds current when source (the pixel moving in) arrives,
// for movingFigure 1 (blue) or 2 (red). Pairs the table does not name stay current.
std::uint8_t ComposePixel(int movingFigure, std::uint8_t source, std::uint8_t current,
                          const PaletteIndices& indices);

// The four role entries seen from the moving figure.
struct MovingEntries {
    std::uint8_t own = 0;   // the moving figure's entry
    std::uint8_t other = 0; // the other figure's entry
    std::uint8_t fon = 0;
    std::uint8_t all = 0;
};

MovingEntries movingEntries(int movingFigure, const PaletteIndices& indices);

// ComposePixel over count pixels: target[i] := ComposePixel(source[i], target[i]). The two
// ranges must not overlap.
void composeRow(const std::uint8_t* source, std::uint8_t* target, int count,
                const MovingEntries& entries);

} // namespace trelon
