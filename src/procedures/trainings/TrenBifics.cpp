#include "procedures/trainings/TrenBifics.h"

#include "platform/Cursor.h"
#include "platform/Timer.h"
#include "state/SharedState.h"
#include "stimulus/InputRules.h"
#include "stimulus/PictureFiles.h"
#include "stimulus/SceneConversions.h"

#include <algorithm>
#include <cstdlib>

namespace trelon {

namespace {

// A mouse move may bring neither figure closer to an edge than this.
constexpr int kMouseMargin = 5;
constexpr double kNoSlope = 1000.0;
// Figures closer than this on an axis are aligned on it.
constexpr int kAligned = 2;

int middle(int low, int high) {
    return (low + high) / 2;
}

FigureRect shifted(FigureRect box, FigureMove move) {
    box.Left = static_cast<std::uint16_t>(box.Left + move.dx);
    box.Right = static_cast<std::uint16_t>(box.Right + move.dx);
    box.Top = static_cast<std::uint16_t>(box.Top + move.dy);
    box.Bottom = static_cast<std::uint16_t>(box.Bottom + move.dy);
    return box;
}

// A step component of p pixels, one pixel when the gap is under two steps (both figures move,
// so a full step would carry them past each other).
int towards(int gap, int p) {
    return gap < 2 * p ? 1 : p;
}

} // namespace

TrenBifics::TrenBifics(ProcedureKind kind, RunServices& frame, SharedState& state,
                       const PlatformSeams& seams)
    : Procedure(kind, frame, state, seams, fusionTrainingTraits()) {}

void TrenBifics::start() {
    seams().cursor.hide();
    frame().BuildScene();
}

void TrenBifics::composeScene() {
    composeFusionObjectScene();
}

void TrenBifics::homeKey() {
    // The training starts again from the aligned picture, its oscillation stopped.
    clock().stop();
    RunState& run = runState();
    session().BifixPhase = 1;
    run.SwingIn = true;
    run.SwingInTravel = 0;
    run.SwingOutTravel = 0;
    frame().RestartStep();
}

void TrenBifics::enterKey() {
    clock().stop();
    frame().CaptureResult();
}

void TrenBifics::arrowKey(int key, bool shift) {
    // Up draws the images apart (or together) as the fusion test's first variants do, the
    // object number standing for the variant.
    const SessionParams& session = this->session();
    const int variant = session.ObjectNumber;
    if (key != Qt::Key_Up || (variant != 1 && variant != 2)) {
        return;
    }
    RunState& run = runState();
    const int h = fusionDirection(variant, session.FilterPosition);
    const int step = shift ? 5 : 1;
    const int width = frame().screenSize().width();
    if (fusionMoveBlocked(run.BlueRect, h * step, step, run.EdgeMargin, width) ||
        fusionMoveBlocked(run.RedRect, -h * step, step, run.EdgeMargin, width)) {
        return;
    }
    movePair({-h * step, 0});
}

void TrenBifics::mouseDown(Qt::MouseButton /*button*/, int /*x*/, int /*y*/) {
    if (clock().isActive()) {
        clock().stop();
        frame().CaptureResult();
        return;
    }
    startOscillation();
}

void TrenBifics::mouseMove(int x, int y) {
    RunState& run = runState();
    if (run.ActiveFigure == FigureNone) {
        return;
    }
    // The first event after the scene put the cursor at the centre only arms the mouse.
    if (clock().isActive() || !run.MouseArmed) {
        run.MouseArmed = true;
        return;
    }
    FigureMove move{x - run.LastCursor.X, y - run.LastCursor.Y};
    if (state().settings.ScorostMouse) {
        move = {limitMouseDelta(move.dx), limitMouseDelta(move.dy)};
    }
    const int phase = session().BifixPhase;
    if (phase == 2) {
        move.dy = 0;
    } else if (phase == 3) {
        move.dx = 0;
    }
    const QSize client = frame().screenSize();
    const FigureMove opposite{-move.dx, -move.dy};
    if (move == FigureMove{} ||
        mouseMoveHitsMargin(run.BlueRect, move, kMouseMargin, client).any() ||
        mouseMoveHitsMargin(run.RedRect, opposite, kMouseMargin, client).any()) {
        run.LastCursor = {x, y};
        return;
    }
    movePair(opposite);
    run.LastCursor = {x, y};
    if (std::abs(move.dx) > 1 || std::abs(move.dy) > 1) {
        // A fast move pushes the cursor on by as much, and the last position with it: the
        // push itself moves nothing, and each later event's delta is the hand's own motion.
        // The figures do not rest after it, so no motion of the hand is held back.
        run.LastCursor = {x + move.dx, y + move.dy};
        seams().cursor.setPosition(QPoint(x + move.dx, y + move.dy));
    }
}

void TrenBifics::clockTick() {
    const std::optional<FigureMove> converging = convergingStep();
    if (!converging) {
        return;
    }
    RunState& run = runState();
    FigureMove step = *converging;
    const int toCentre = state().MaxAmplitudaSbligen;
    const int fromCentre = state().MaxAmplitudaUdalen;
    // The swing turns before the tick's move once its travel reached the amplitude.
    if (run.SwingIn && run.SwingInTravel >= toCentre) {
        run.SwingIn = false;
        run.SwingInTravel = 0;
    } else if (!run.SwingIn && std::abs(run.SwingOutTravel) >= fromCentre) {
        run.SwingIn = true;
        run.SwingOutTravel = 0;
    }
    // A swing's last step takes only what remains of its amplitude, so each swing goes its
    // amplitude exactly and every swing in and out gains the difference of the two (a whole
    // step each way would undo the gain whenever the step fits both amplitudes alike).
    const int remains =
        run.SwingIn ? toCentre - run.SwingInTravel : fromCentre - std::abs(run.SwingOutTravel);
    if (remains > 0) {
        step = {std::min(step.dx, remains), std::min(step.dy, remains)};
    }
    const int size = std::max(step.dx, step.dy);
    if (run.SwingIn) {
        run.SwingInTravel += size;
    } else {
        run.SwingOutTravel += size;
        step = {-step.dx, -step.dy};
    }
    if (convergeX_) {
        step.dx = -step.dx;
    }
    if (convergeY_) {
        step.dy = -step.dy;
    }
    // At the left or right edge the oscillation halts without a result.
    const int width = frame().screenSize().width();
    for (const FigureRect& box :
         {shifted(run.RedRect, step), shifted(run.BlueRect, {-step.dx, -step.dy})}) {
        if (box.Left < run.EdgeMargin || box.Right > width - 1 - run.EdgeMargin) {
            clock().stop();
            return;
        }
    }
    movePair(step);
}

CapturedValues TrenBifics::captureValues(const CaptureGeometry& at, const DegreeScale& scale) {
    return {bifixationValues(at, scale, session())};
}

void TrenBifics::startOscillation() {
    RunState& run = runState();
    takeStartSnapshot();
    run.MouseArmed = true;
    const int topGap = run.RedRect.Top - run.BlueRect.Top;
    run.PathSlope =
        topGap == 0 ? kNoSlope
                    : std::abs(run.RedRect.Left - run.BlueRect.Left) / static_cast<double>(topGap);
    session().StepPixels = state().settings.ShagKoleban;
    convergeX_ = run.BlueRect.Left < run.RedRect.Left;
    convergeY_ = run.BlueRect.Top < run.RedRect.Top;
    clock().setInterval(session().MoveInterval);
    clock().start();
}

std::optional<FigureMove> TrenBifics::convergingStep() {
    const RunState& run = runState();
    std::int32_t& phase = session().BifixPhase;
    const int p = std::max(session().StepPixels, 1);
    const int gapX = std::abs(run.BlueRect.Left - run.RedRect.Left);
    const int gapY = std::abs(run.BlueRect.Top - run.RedRect.Top);
    const bool alignedX = gapX < kAligned;
    const bool alignedY = gapY < kAligned;
    if ((alignedX && alignedY) || (phase == 2 && alignedX) || (phase == 3 && alignedY)) {
        clock().stop();
        frame().CaptureResult();
        return std::nullopt;
    }
    if (phase == 2) {
        return FigureMove{towards(gapX, p), 0};
    }
    if (phase == 3) {
        return FigureMove{0, towards(gapY, p)};
    }
    // Phase 1: once one axis is aligned only the other one moves, from the next tick.
    if (alignedY) {
        phase = 2;
        return std::nullopt;
    }
    if (alignedX) {
        phase = 3;
        return std::nullopt;
    }
    const double l = std::abs(middle(run.BlueRect.Left, run.BlueRect.Right) -
                              middle(run.RedRect.Left, run.RedRect.Right));
    const double m = std::abs(middle(run.BlueRect.Top, run.BlueRect.Bottom) -
                              middle(run.RedRect.Top, run.RedRect.Bottom));
    const double r = m > 0 ? l / m : kNoSlope;
    const double s = std::abs(run.PathSlope);
    if (r >= 1.1 * s && s > 1) {
        return FigureMove{towards(gapX, p), 0};
    }
    if (r > 0.9 * s || s >= 1) {
        return FigureMove{towards(gapX, p), towards(gapY, p)};
    }
    return FigureMove{0, towards(gapY, p)};
}

void TrenBifics::movePair(FigureMove move) {
    moveFigureNo(FigureBlue, -move.dx, -move.dy);
    moveFigureNo(FigureRed, move.dx, move.dy);
}

} // namespace trelon
