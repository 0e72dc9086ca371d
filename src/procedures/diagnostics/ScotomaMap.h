#pragma once
// The drawings of the scotoma diagnostic: the direction's mark as a filled polygon on its own
// surface, and the result chart.
#include "display/ColourWord.h"

#include <QPolygon>

namespace trelon {

class RunServices;
struct SharedState;

// A new AuxSurface of width x height filled with the background entry, with the polygon
// filled in colour on it, for the caller to blit. False when the surface could not be made
// or drawn on (AuxSurface may then be missing).
bool DrawPolygonSurface(SharedState& state, const QPolygon& points, ColourWord colour, int width,
                        int height);

// The result chart on the primary: white, the outline in red, rings every 9 mm labelled in
// degrees at the viewing distance, and the two axes. A surface that cannot be drawn on is
// told through frame's error box.
void DrawScotomaMap(SharedState& state, RunServices& frame, const QPolygon& outline,
                    int clientHeight, int clientWidth);

} // namespace trelon
