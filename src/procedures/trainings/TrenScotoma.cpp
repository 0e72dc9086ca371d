#include "procedures/trainings/TrenScotoma.h"

#include "common/Rounding.h"
#include "procedures/StimulusRun.h"
#include "state/SharedState.h"

namespace trelon {

namespace {

// One millimetre in whole pixels.
int millimetrePixels(double mmPerPixel) {
    return mmPerPixel > 0 ? static_cast<int>(roundHalfEven(1 / mmPerPixel)) : 0;
}

} // namespace

void TrenScotoma::start() {
    runState().StepNo = 1;
    window().BuildScene();
}

void TrenScotoma::homeKey() {
    window().RestartStep();
}

bool TrenScotoma::mouseMoveIgnored() const {
    // Past the target the figure runs away by itself.
    return runState().TargetReached;
}

void TrenScotoma::moveByMouse(FigureMove move) {
    moveKeepingMargins(move, false);
}

FigureMove TrenScotoma::clampMove(FigureMove move) {
    const RunState& run = runState();
    const int figure = run.ActiveFigure;
    if (figure != FigureBlue && figure != FigureRed) {
        return move;
    }
    // The target is the other figure.
    const FigureRect& moving = figure == FigureRed ? run.RedRect : run.BlueRect;
    const FigureRect& target = figure == FigureRed ? run.BlueRect : run.RedRect;
    const QSize client = window().screenSize();
    return clampTravelAtTarget(move, run.StepNo, moving, target,
                               QPoint(client.width() / 2, client.height() / 2),
                               millimetrePixels(state().settings.MmPerPixel));
}

MoveRules TrenScotoma::moveRules() const {
    MoveRules rules;
    rules.keepToDirection = true;
    rules.flickerDecides = true;
    return rules;
}

bool TrenScotoma::prepareCapture() {
    window().ShowWholeScene();
    return true;
}

CapturedValues TrenScotoma::captureValues(const CaptureGeometry& at, const DegreeScale& scale) {
    return {scotomaTrainingValues(at, scale, runState().TargetReached, session())};
}

} // namespace trelon
