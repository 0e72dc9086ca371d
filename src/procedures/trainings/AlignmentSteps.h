#pragma once
// The automatic steps of the squint training that bring the picked figure back to the
// aligned position. Offsets are the pixel distances from the aligned position on each
// axis (dX, dY >= 0); a step gives the sizes of its two components, the caller signs them.
#include "stimulus/MoveClamps.h"

namespace trelon {

// |offX / offY| for the offsets from the aligned position when the movement starts; 1000.0
// when either offset is 0.
double pathSlope(int offX, int offY);

// One pixel on one or both axes: along the only axis left, else horizontally when the
// figure lies well off the start's line towards x (r >= 1.1 S with S > 1), diagonally when
// r > 0.9 S or S >= 1, else vertically (r = dX / dY, S = |slope|). No step once aligned.
FigureMove uniformStep(int dX, int dY, double slope);

// Up to p pixels per component, no component beyond its offset. Where the figure lies on
// the start's line within a tenth, both axes step: horizontally p and vertically
// round(S p / r) when r > S; when r <= S vertically p and horizontally the x of 0..p whose
// step x / p lies closest to S (min(p, round(S p))). No step once aligned.
FigureMove pauseStep(int dX, int dY, double slope, int p);

} // namespace trelon
