#pragma once
// The rules of the frame that a procedure chooses once for its run.
#include "stimulus/FigureMovement.h"

namespace trelon {

struct ProcedureTraits {
    // How the run moves and draws the figures.
    MoveRules move;
    // An arrow or Home spent on a flicker toggle that is due.
    bool keysToggleFlicker = false;
    // Alt with a key moves the other figure for that key press.
    bool altMovesOtherFigure = false;
    // The edge rule of the arrow keys looks at the edges the key's move along the direction
    // StepNo goes towards, instead of the key's own edge.
    bool edgeRuleAlongDirection = false;
    // StepNo counts the run's steps: 9 (all done) makes Enter close the window.
    bool countsSteps = false;
    // Once the result is shown a button press closes the window.
    bool clickAfterResultCloses = false;
    // While the procedure clock runs (a pause between steps) neither Enter nor a mouse
    // button answers.
    bool clockPausesAnswers = false;
    // The cursor is put back on the figure when it comes this close to the top.
    int recentringTopMargin = 5;
    // The flicker clock stops once the target is reached and the image is shown.
    bool flickerStopsAtTarget = true;
    // The picture is drawn at its object's real width (the fusion objects) instead of the
    // chosen figure scale.
    bool figureAtObjectWidth = false;
};

} // namespace trelon
