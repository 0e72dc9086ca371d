#pragma once
// Moving the active figure across the 8-bit surfaces. The figure is redrawn pixel by pixel
// with ComposePixel over the union of its old and new boxes only, so a move costs in
// proportion to the figure and not to the screen.
#include <QString>

namespace trelon {

class Dialogs;
struct SharedState;

// Moves the active figure (RunState::ActiveFigure) dx pixels right and dy down:
//  1. the procedure's clamps (scotoma training at the target, the scale's measured axis);
//  2. a pending SkipFirstMove is cleared instead of moving;
//  3. no active figure, or an empty box: nothing moves;
//  4. scotoma procedures keep to the step's line; the figure stays inside the window;
//  5. the union of the old and new boxes is recomposed on the surfaces the flicker state
//     calls for (see the source), then copied on as far as the others must follow;
//  6. the active figure's box moves by the move.
// A pixel that cannot be composed (a surface that is missing or cannot be locked, a pixel
// outside a surface) is skipped; after the redraw one error box "Ошибка обработки движения
// - № 1" titled caption tells of it, and the move goes on.
void MoveFigure(SharedState& state, Dialogs& dialogs, const QString& caption, int dx, int dy);

} // namespace trelon
