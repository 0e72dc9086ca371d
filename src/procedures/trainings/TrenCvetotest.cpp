#include "procedures/trainings/TrenCvetotest.h"

#include "platform/Cursor.h"
#include "platform/Timer.h"
#include "state/SharedState.h"
#include "stimulus/InputRules.h"

namespace trelon {

namespace {

// The drift ends with the answer when an image's left edge comes this close to the left.
constexpr int kDriftEnd = 10;

// Whether box lies within margin of the left or right edge of a window width wide.
bool atSideEdge(const FigureRect& box, int margin, int width) {
    return box.Left <= margin || box.Right >= width - margin;
}

} // namespace

TrenCvetotest::TrenCvetotest(ProcedureKind kind, RunServices& frame, SharedState& state,
                             const PlatformSeams& seams)
    : Procedure(kind, frame, state, seams, fusionTrainingTraits()) {}

void TrenCvetotest::start() {
    seams().cursor.hide();
    frame().BuildScene();
}

void TrenCvetotest::composeScene() {
    clock().stop();
    composeFusionObjectScene();
}

void TrenCvetotest::homeKey() {
    frame().RestartStep();
}

void TrenCvetotest::enterKey() {
    answer();
}

void TrenCvetotest::arrowKey(int key, bool shift) {
    if (key != Qt::Key_Up) {
        return;
    }
    RunState& run = runState();
    run.Touched = true;
    const int h = blueDirection();
    const int step = shift ? 5 : 1;
    const int width = frame().screenSize().width();
    if (fusionMoveBlocked(run.BlueRect, h * step, step, run.EdgeMargin, width) ||
        fusionMoveBlocked(run.RedRect, -h * step, step, run.EdgeMargin, width)) {
        return;
    }
    moveFigureNo(FigureRed, -h * step, 0);
    moveFigureNo(FigureBlue, h * step, 0);
}

void TrenCvetotest::mouseDown(Qt::MouseButton /*button*/, int /*x*/, int /*y*/) {
    Timer& drift = clock();
    if (drift.isActive() || runState().Touched) {
        answer();
        return;
    }
    takeStartSnapshot();
    drift.setInterval(session().MoveInterval);
    drift.start();
}

void TrenCvetotest::clockTick() {
    RunState& run = runState();
    const int width = frame().screenSize().width();
    if (atSideEdge(run.BlueRect, run.EdgeMargin, width) ||
        atSideEdge(run.RedRect, run.EdgeMargin, width)) {
        // Held at the edge: the clock stops without a result.
        clock().stop();
        return;
    }
    if (run.BlueRect.Left <= kDriftEnd || run.RedRect.Left <= kDriftEnd) {
        answer();
        return;
    }
    const int x = blueDirection();
    moveFigureNo(FigureBlue, x, 0);
    moveFigureNo(FigureRed, -x, 0);
}

int TrenCvetotest::blueDirection() const {
    // Positive reserves with the red filter on the right eye, or negative ones with the blue
    // filter there, move the blue image right.
    return fusionDirection(session().ObjectNumber, session().FilterPosition);
}

void TrenCvetotest::answer() {
    clock().stop();
    frame().CaptureResult();
}

CapturedValues TrenCvetotest::captureValues(const CaptureGeometry& at, const DegreeScale& scale) {
    return {fusionTrainingValues(at, scale, session())};
}

} // namespace trelon
