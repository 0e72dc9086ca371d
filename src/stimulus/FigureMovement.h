#pragma once
// Moving the active figure across the 8-bit surfaces. The figure is redrawn pixel by pixel
// with ComposePixel over the union of its old and new boxes only, so a move costs in
// proportion to the figure and not to the screen.
#include <QString>

namespace trelon {

class Dialogs;
struct SharedState;

// How the running procedure wants its figures moved.
struct MoveRules {
    // The scotoma procedures: a move keeps to the line of the direction StepNo and the figure
    // stays three rows inside the window (edgeKeepingFor).
    bool keepToDirection = false;
    // The trainings: while a flicker runs, its state decides where a move is drawn.
    bool flickerDecides = false;
    // Moves are composed on the screen itself rather than on SceneSurface (the scotoma test,
    // the angle scale).
    bool composeOnScreen = false;
    // The squint training: with the two figures in turn, the hidden figure still moves, on
    // the full scene, and shows at its new place when its turn comes (no step is lost).
    bool hiddenInTurnMoves = false;
};

// Moves the active figure (RunState::ActiveFigure) dx pixels right and dy down; the
// procedure's own clamps have already shaped the move:
//  1. a pending SkipFirstMove is cleared instead of moving;
//  2. no active figure, or an empty box: nothing moves;
//  3. the figure keeps to the rules' line and stays inside the window;
//  4. the union of the old and new boxes is recomposed on the surfaces the flicker state
//     calls for (see the source), then copied on as far as the others must follow;
//  5. the active figure's box moves by the move.
// A pixel that cannot be composed (a surface that is missing or cannot be locked, a pixel
// outside a surface) is skipped; after the redraw one error box "Ошибка обработки движения
// - № 1" titled caption tells of it, and the move goes on.
void MoveFigure(SharedState& state, Dialogs& dialogs, const QString& caption, int dx, int dy,
                const MoveRules& rules);

} // namespace trelon
