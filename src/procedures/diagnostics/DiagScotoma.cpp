#include "procedures/diagnostics/DiagScotoma.h"

#include "procedures/diagnostics/ScotomaMap.h"

#include "display/Canvas.h"
#include "display/Surface.h"
#include "platform/Cursor.h"
#include "platform/Timer.h"
#include "state/SharedState.h"
#include "stimulus/InputRules.h"
#include "stimulus/SceneConversions.h"
#include "stimulus/ScotomaArrow.h"

#include <memory>
#include <vector>

namespace trelon {

namespace {

constexpr int kRingPen = 3;
constexpr int kPauseMs = 100;
constexpr int kLastDirection = 8;
constexpr int kDirectionsDone = 9;

ProcedureTraits diagScotomaTraits() {
    ProcedureTraits traits;
    traits.move.keepToDirection = true;
    traits.move.composeOnScreen = true;
    traits.countsSteps = true;
    traits.clickAfterResultCloses = true;
    // The pause between two directions.
    traits.clockPausesAnswers = true;
    return traits;
}

} // namespace

DiagScotoma::DiagScotoma(ProcedureKind kind, RunServices& frame, SharedState& state,
                         const PlatformSeams& seams)
    : Procedure(kind, frame, state, seams, diagScotomaTraits()) {}

void DiagScotoma::start() {
    runState().StepNo = 1;
    frame().BuildScene();
}

void DiagScotoma::composeScene() {
    RunState& run = runState();
    const Settings& settings = state().settings;
    const QSize size = client();
    const QPoint c = centre();
    const ArrowSizes sizes = scotomaArrowSizes(settings);
    run.EdgeMargin = scotomaArrowMargin(run.StepNo);

    Surface* screen = clearedPrimary();
    std::unique_ptr<Canvas> canvas;
    if (screen == nullptr || !succeeded(screen->getCanvas(canvas))) {
        surfaceAccessError();
        return;
    }
    // Rings half a degree wide, two degrees apart, as many as fit above the arrow's length;
    // each disc filled with the background, outermost first.
    const int a = roundPixels(settings.MmPerDegree / settings.MmPerPixel / 2);
    const int room = size.height() - sizes.length - 20;
    std::vector<int> radii = {a};
    for (int k : {21, 17, 13}) {
        if (room >= 2 * k * a) {
            radii.push_back(k * a);
        }
    }
    radii.insert(radii.end(), {9 * a, 5 * a, a});
    canvas->setPen(state().roles.ColorBlue, kRingPen);
    canvas->setBrush(state().roles.ColorFon);
    for (int r : radii) {
        canvas->ellipse(c.x() - r, c.y() - r, c.x() + r, c.y() + r);
    }
    canvas.reset();

    const ScotomaArrow arrow = scotomaArrow(run.StepNo, sizes, size);
    if (!arrow.box.isEmpty() && DrawPolygonSurface(state(), arrow.points, state().roles.ColorRed,
                                                   arrow.box.width(), arrow.box.height())) {
        screen->bltFast(arrow.box.left(), arrow.box.top(), *state().display.AuxSurface);
    }
    run.RedRect = arrow.box.isEmpty() ? kEmptyFigureRect : figureBox(arrow.box);
    run.BlueRect = run.RedRect;
    run.ActiveFigure = FigureNone;
    parkHiddenCursor(arrow.box.topLeft());
    // The arrow becomes movable 100 ms later, so the pointer's jump moves nothing.
    frame().restFigure(FigureRed);
}

void DiagScotoma::homeKey() {
    frame().RestartStep();
}

void DiagScotoma::enterKey() {
    answer(false);
}

void DiagScotoma::arrowKey(int key, bool shift) {
    // The mark keeps to its direction's line (its move rules), so on a diagonal Right and Left move
    // it along the diagonal to the right or left, Up and Down upwards or downwards.
    const FigureMove move = arrowMove(key, arrowStep(key, shift));
    frame().MoveFigure(move.dx, move.dy);
}

void DiagScotoma::mouseDown(Qt::MouseButton /*button*/, int /*x*/, int /*y*/) {
    RunState& run = runState();
    if (run.StepNo == kDirectionsDone) {
        frame().CloseWindow();
        run.StepNo = 0;
    } else {
        answer(true);
    }
}

void DiagScotoma::mouseMove(int x, int y) {
    // The mark waits for TimerMove after the scene moved the pointer.
    if (frame().figureResting()) {
        return;
    }
    followPointer(x, y, [this](FigureMove move) {
        const RunState& run = runState();
        if (!scotomaDiagonalRefused(run.StepNo, restrictToDirection(move, run.StepNo), run.RedRect,
                                    frame().screenSize().height())) {
            moveNearEdge(move);
        }
    });
}

void DiagScotoma::clockTick() {
    // The pause after a click ends: the next direction.
    clock().stop();
    frame().BuildScene();
}

void DiagScotoma::answer(bool byClick) {
    RunState& run = runState();
    const int direction = run.StepNo;
    if (direction < 1 || direction > kLastDirection) {
        return;
    }
    // Stores this direction; after the last one the map is drawn and the record appended.
    frame().CaptureResult();
    if (direction == kLastDirection) {
        run.StepNo = kDirectionsDone;
        return;
    }
    run.StepNo = static_cast<std::int16_t>(direction + 1);
    if (byClick) {
        // The next scene waits 100 ms (clockTick), so the click's release moves
        // nothing.
        clock().setInterval(kPauseMs);
        clock().start();
    } else {
        run.ResultShown = false;
        frame().BuildScene();
    }
}

bool DiagScotoma::prepareCapture() {
    const int direction = runState().StepNo;
    return direction >= 1 && direction <= kLastDirection;
}

CapturedValues DiagScotoma::captureValues(const CaptureGeometry& at, const DegreeScale& scale) {
    RunState& run = runState();
    scotomaDirectionValues(at, scale, run.StepNo, session());
    CapturedValues captured;
    if (run.StepNo < kLastDirection) {
        captured.recordComplete = false;
        captured.sound = QStringLiteral("1sec.wav");
    } else {
        DrawScotomaMap(state(), frame(), scotomaOutline(session()), at.client.height(),
                       at.client.width());
        run.StepNo = kDirectionsDone;
    }
    return captured;
}

} // namespace trelon
