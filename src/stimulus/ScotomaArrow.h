#pragma once
// The red arrow of the scotoma diagnostic: for each of the eight directions its box at the
// edge of the screen and the eight points (the last equal to the first) of the polygon that
// points at the centre.
#include <QPolygon>
#include <QRect>
#include <QSize>

namespace trelon {

struct Settings;

// Sizes of the straight arrow in pixels.
struct ArrowSizes {
    int length = 0;    // L = [MmPerDegree * MmPerPixel * 30]
    int width = 0;     // M = [L / 10 * 6]
    int shaft = 0;     // O = [M / 3]
    int headStart = 0; // N = [L / 2]
};
ArrowSizes scotomaArrowSizes(const Settings& settings);

// The edge margin the arrow of step keeps: 5 from the straight directions 1..4, 10 from the
// diagonals 5..8.
int scotomaArrowMargin(int step);

struct ScotomaArrow {
    QRect box;       // where the arrow's surface goes on the screen
    QPolygon points; // in the box's coordinates
};
// The arrow of step 1 (from the right), 2 (top), 3 (left), 4 (bottom), 5 (top right),
// 6 (top left), 7 (bottom left) or 8 (bottom right) on a client area of the given size. The
// diagonal ones are the straight arrow turned by 45 degrees and shrunk to 0.8 in a square
// box at a corner of the centred square. Any other step gives an empty arrow.
ScotomaArrow scotomaArrow(int step, const ArrowSizes& sizes, QSize client);

} // namespace trelon
