// The diagnostics' own answers and keys: the angle test's two-phase scale, the scotoma
// test's eight directions and the fusion test's disparity keys.
#include "platform/Timer.h"
#include "procedures/StimulusHost.h"
#include "procedures/StimulusRun.h"
#include "state/ProcedureKind.h"
#include "state/SharedState.h"
#include "stimulus/InputRules.h"

#include <cstdlib>

namespace trelon {

namespace {

constexpr int kScotomaPauseMs = 100;
constexpr int kLastDirection = 8;
constexpr int kDirectionsDone = 9;

} // namespace

void StimulusRun::diagnosticArrowKey(ProcedureKind procedure, int key, bool shift) {
    RunState& run = state_.run;
    const int step = arrowStep(key, shift);
    if (run.ActiveFigure != FigureNone) {
        const FigureRect& box = run.ActiveFigure == FigureBlue ? run.BlueRect : run.RedRect;
        if (arrowBlockedByEdge(key, box, step, run.EdgeMargin, screenSize())) {
            return;
        }
    }
    switch (procedure) {
    case ProcedureKind::DiagKosogl:
    case ProcedureKind::DiagScotoma: {
        // The scotoma mark keeps to its direction's line (MoveFigure), so on a diagonal Right
        // and Left move it along the diagonal to the right or left, Up and Down upwards or
        // downwards.
        const FigureMove move = arrowMove(key, step);
        MoveFigure(move.dx, move.dy);
        break;
    }
    case ProcedureKind::DiagFuzia:
        fusionKey(key, shift);
        break;
    default:
        // The colour test moves nothing; the trainings' keys come with their rules.
        break;
    }
}

void StimulusRun::kosoglAnswer() {
    RunState& run = state_.run;
    DisplayObjects& display = state_.display;
    if (run.VerticalPhase && run.ResultShown) {
        // The horizontal value is on the screen: the vertical measurement starts.
        display.AuxSurface.reset();
        BuildScene();
        return;
    }
    if (run.ResultShown) {
        host_.closeWindow();
        return;
    }
    CaptureResult();
    display.AuxSurface.reset();
}

void StimulusRun::scotomaAnswer(bool byClick) {
    RunState& run = state_.run;
    const int direction = run.StepNo;
    if (direction < 1 || direction > kLastDirection) {
        return;
    }
    // Stores this direction; after the last one the map is drawn and the record appended.
    CaptureResult();
    if (direction == kLastDirection) {
        run.StepNo = kDirectionsDone;
        return;
    }
    run.StepNo = static_cast<std::int16_t>(direction + 1);
    if (byClick) {
        // The next scene waits 100 ms (Timer2Timer), so the click's release moves nothing.
        timer2_->setInterval(kScotomaPauseMs);
        timer2_->start();
    } else {
        run.ResultShown = false;
        BuildScene();
    }
}

void StimulusRun::fusionKey(int key, bool shift) {
    RunState& run = state_.run;
    const SessionParams& session = state_.session;
    const int variant = session.ObjectNumber;
    const int h = fusionDirection(variant, session.FilterPosition);
    const int width = screenSize().width();

    if (variant == 1 || variant == 2) {
        if (key != Qt::Key_Up) {
            return;
        }
        // Both figures move apart (or together) by the step: the disparity grows by two steps.
        const int step = shift ? 5 : 1;
        if (fusionMoveBlocked(run.BlueRect, h * step, step, run.EdgeMargin, width) ||
            fusionMoveBlocked(run.RedRect, -h * step, step, run.EdgeMargin, width)) {
            return;
        }
        moveFigureNo(FigureRed, -h * step, 0);
        moveFigureNo(FigureBlue, h * step, 0);
        return;
    }
    if ((variant != 3 && variant != 4) || key != Qt::Key_Down) {
        return;
    }
    // The images have crossed: the press answers instead of moving.
    if (fusionImagesCrossed(variant, session.FilterPosition, run.BlueRect, run.RedRect)) {
        CaptureResult();
        return;
    }
    // The figures move in turn; ActiveFigure is the one that moved last.
    const int step = shift ? 10 : 2;
    const int gap = std::abs(run.RedRect.Right - run.BlueRect.Right);
    const int edgeStep = gap < 2 * step ? 1 : step;
    const bool redMoves = run.ActiveFigure == FigureBlue;
    const int dx = redMoves ? -h * step : h * step;
    const FigureRect& box = redMoves ? run.RedRect : run.BlueRect;
    if (fusionMoveBlocked(box, dx, edgeStep, run.EdgeMargin, width)) {
        return;
    }
    moveFigureNo(redMoves ? FigureRed : FigureBlue, dx, 0);
}

} // namespace trelon
