#pragma once
// The rules that shape a figure move before it is drawn: the procedures' own clamps, the
// travel line of the scotoma procedures and the keeping of the figure inside the window.
// Each takes a move and gives the move that is allowed.
#include "state/RunState.h"

#include <QPoint>
#include <QSize>

namespace trelon {

struct FigureMove {
    int dx = 0;
    int dy = 0;

    bool operator==(const FigureMove&) const = default;
};

// Scotoma training, direction 1..8: a move along the travel that reaches the target (the
// blue figure) becomes a one-pixel step while the figure's leading edge has not yet passed
// the line one millimetre (millimetre pixels) beyond the centre.
FigureMove clampTravelAtTarget(FigureMove move, int direction, const FigureRect& figure,
                               const FigureRect& target, QPoint centre, int millimetre);

// The scale of the squint-angle diagnostic: horizontal measurement keeps dx only, the
// vertical one dy only.
FigureMove keepScaleAxis(FigureMove move, bool verticalPhase);

// Scotoma procedures: the move along the line of direction 1..8. 1 and 3 keep dx, 2 and 4
// keep dy; 5 and 7 keep the larger of |dx|, |dy| (dx on a tie) and make the other its
// negative; 6 and 8 keep the larger and copy it to the other. Other values leave the move.
FigureMove restrictToDirection(FigureMove move, int direction);

// How close to the window's edges a figure may come.
struct EdgeKeeping {
    int topBottom = 2;     // free pixel rows kept at the top and at the bottom
    bool diagonal = false; // a clipped part clips the other part with it (scotoma 5..8)
    int stopBottom = -1;   // a downward move reaching this row stops altogether; -1 none
};

// The keeping of the procedure: scotoma procedures 3 rows (directions 7 and 8 stop at
// client height - edgeMargin, and diagonals clip both parts), others 2 rows.
EdgeKeeping edgeKeepingFor(bool scotoma, int direction, int edgeMargin, int clientHeight);

// Clips the move so the box stays keeping.topBottom rows inside the top and bottom edges
// and inside the left and right edges of a client of the given size. A move away from an
// edge the box already lies beyond is left alone.
FigureMove keepInsideWindow(FigureMove move, const FigureRect& box, QSize client,
                            const EdgeKeeping& keeping);

} // namespace trelon
