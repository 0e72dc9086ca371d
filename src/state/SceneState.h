#pragma once
// Placement of the next figure a scene composes, and the size of the picture last loaded.
// BuildScene resets the scale and offsets at the start of every scene.
#include <cstdint>

namespace trelon {

// Offset codes: the figure's edge at a screen edge, or at an edge of the centred square (a
// square of screen height centred on the screen). Any other value is a pixel offset of the
// figure's centre from the screen centre.
inline constexpr std::int32_t kOffsetLeftEdge = 1000;    // x: left edge
inline constexpr std::int32_t kOffsetRightEdge = -1000;  // x: right edge
inline constexpr std::int32_t kOffsetTopEdge = 1000;     // y: top edge
inline constexpr std::int32_t kOffsetBottomEdge = -1000; // y: bottom edge
inline constexpr std::int32_t kOffsetSquareLeft = 900;   // x: left edge of the centred square
inline constexpr std::int32_t kOffsetSquareRight = -900; // x: right edge of the centred square

struct SceneState {
    double FigureScale = 1.0;
    std::int32_t FigureOffsetX = 0; // 0 centred, or one of the codes above
    std::int32_t FigureOffsetY = 0;
    std::uint16_t PictureWidth = 0; // of the picture last loaded by PlaceFigure
    std::uint16_t PictureHeight = 0;
};

} // namespace trelon
