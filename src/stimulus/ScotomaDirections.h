#pragma once
// The eight directions of the scotoma diagnostic and training, numbered alike: where the
// figure starts and which way it travels towards the centre of the screen.
#include "state/RunState.h"

#include <QPoint>
#include <array>

namespace trelon {

struct ScotomaDirection {
    // The side of the screen the figure starts from: x -1 left, 1 right; y -1 top, 1 bottom;
    // 0 centred on that axis.
    int fromX;
    int fromY;
    // The aeroplane of the scotoma training chosen by this many degrees (its list's item
    // is the direction number less one) flies this direction.
    int planeDegrees;

    // One pixel along the travel, towards the centre.
    constexpr int travelX() const { return -fromX; }
    constexpr int travelY() const { return -fromY; }
    constexpr bool diagonal() const { return fromX != 0 && fromY != 0; }
    // The sign of the travel along the leading edge's axis (x when the figure moves
    // sideways at all): -1 when that coordinate decreases.
    constexpr int leadingSign() const { return travelX() != 0 ? travelX() : travelY(); }
};

inline constexpr int kScotomaDirectionCount = 8;

inline constexpr std::array<ScotomaDirection, kScotomaDirectionCount> kScotomaDirections = {{
    {1, 0, 0},     // 1: from the right, travels left
    {0, -1, 90},   // 2: from the top, travels down
    {-1, 0, 180},  // 3: from the left, travels right
    {0, 1, 270},   // 4: from the bottom, travels up
    {1, -1, 45},   // 5: from the top right, travels left and down
    {-1, -1, 135}, // 6: from the top left, travels right and down
    {-1, 1, 225},  // 7: from the bottom left, travels right and up
    {1, 1, 315},   // 8: from the bottom right, travels left and up
}};

// Direction number 1..8; null for any other number.
constexpr const ScotomaDirection* scotomaDirection(int number) {
    return number >= 1 && number <= kScotomaDirectionCount
               ? &kScotomaDirections[static_cast<std::size_t>(number - 1)]
               : nullptr;
}

// The point of box that leads along the travel: its edge on each axis the figure moves
// along, the middle on an axis it does not.
QPoint leadingPoint(const FigureRect& box, const ScotomaDirection& direction);

// The coordinate of box's leading edge: its left or right edge when the figure moves
// sideways, else its bottom or top.
int leadingEdge(const FigureRect& box, const ScotomaDirection& direction);

} // namespace trelon
