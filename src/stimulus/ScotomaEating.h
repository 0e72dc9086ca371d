#pragma once
// The target of the scotoma training is eaten where the travelling figure passes. These are
// the pixels eaten at each position of the figure, and the eating itself, which takes the
// target (the blue image) away and leaves the figure (the red image) whole.
#include "state/RunState.h"

#include <QPointF>
#include <QRect>
#include <functional>

namespace trelon {

class Surface;
struct PaletteIndices;

// The pixels of bounds for which contains(x, y) holds; none when bounds is empty.
struct PixelRegion {
    QRect bounds;
    std::function<bool(int, int)> contains;

    bool isEmpty() const { return bounds.isEmpty(); }
};

// The middle of a box, between its inclusive edges.
QPointF boxCentre(const FigureRect& box);

// Mouse trap and bee, travelling left: while the figure's left edge lies between
// target.Left + 40 + millimetre and target.Right - 23, the two columns figureLeft - 1 and
// figureLeft where they cross the disc of radius (target width / 2 - 14) about the target's
// centre; the bee (upperHalfOnly) takes only the part above the centre. Empty outside the
// band.
PixelRegion biteRegion(const FigureRect& target, int figureLeft, int millimetre,
                       bool upperHalfOnly);

// How far ahead of the target's centre the figure's front lies, along the line of direction
// 1..8 on which it comes in: the distance of the figure's middle from the centre along that
// line, less half the figure's extent along it (the smaller side on the diagonals). 0 for
// another direction.
double leadingDistance(int direction, const FigureRect& figure, QPointF centre);

// Aeroplane: the wedge that opens from the target's centre towards where the plane comes
// from, cut where the front passed on this move (from the distance before the move down to
// the distance after it, at least one pixel deep). Its half-width is 3 pixels plus
// tan 30 degrees of the distance from the centre, so it widens outwards. Only while the
// front is over the target: ahead of the centre and at least millimetre pixels inside the
// target's half-extent along the line (on the diagonals its half-width: the front's
// horizontal offset within the half-width shortened by 1 / sqrt 2). Empty otherwise.
PixelRegion wedgeRegion(const FigureRect& target, int direction, double before, double after,
                        int millimetre);

// Takes the target away inside region on surface: IndexBlue becomes IndexFon and IndexAll
// (target under the figure) IndexRed. False when the surface cannot be locked.
bool eatTarget(Surface& surface, const PixelRegion& region, const PaletteIndices& indices);

} // namespace trelon
