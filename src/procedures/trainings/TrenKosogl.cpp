#include "procedures/trainings/TrenKosogl.h"

#include "display/DisplayDevice.h"
#include "platform/Clock.h"
#include "platform/Cursor.h"
#include "platform/Timer.h"
#include "procedures/trainings/AlignmentSteps.h"
#include "state/SharedState.h"
#include "stimulus/FeedbackSound.h"
#include "stimulus/FigureSizes.h"
#include "stimulus/FlickerPeriods.h"
#include "stimulus/InputRules.h"
#include "stimulus/PictureFiles.h"

#include <cstdlib>

namespace trelon {

namespace {

constexpr int kFlickerTickMs = 100;
constexpr int kSecondMs = 1000;
// The uniform mode with flicker looks at the clock this often, so the steps keep their
// interval while the flicker toggles in between.
constexpr int kFlickerStepTickMs = 50;
constexpr int kSecondsPerBeep = 15;     // "1Sec.wav" in the manual mode
constexpr int kSecondsPerPauseBeep = 5; // "5Sec.wav" in the mode with pauses

enum WorkMode { Manual = 0, WithPauses = 1, Uniform = 2 };

ProcedureTraits trenKosoglTraits() {
    ProcedureTraits traits;
    traits.move.flickerDecides = true;
    traits.move.hiddenInTurnMoves = true;
    traits.keysToggleFlicker = true;
    traits.altMovesOtherFigure = true;
    traits.clickAfterResultCloses = true;
    traits.recentringTopMargin = 36;
    // The automatic modes end the run themselves once aligned.
    traits.flickerStopsAtTarget = false;
    return traits;
}

} // namespace

TrenKosogl::TrenKosogl(ProcedureKind kind, RunServices& frame, SharedState& state,
                       const PlatformSeams& seams)
    : Procedure(kind, frame, state, seams, trenKosoglTraits()) {}

void TrenKosogl::start() {
    frame().BuildScene();
    // The flicker clock the scene started waits for a figure to be picked.
    frame().stopFlickerClock();
}

void TrenKosogl::composeScene() {
    RunState& run = runState();
    SessionParams& session = this->session();
    run.EdgeMargin = kKosoglMargin;
    flickerPaused_ = false;
    const int index = session.ObjectNumber - 1;
    if (index < 0 || index >= static_cast<int>(kTrenKosoglPictures.size())) {
        clearedPrimary();
        return;
    }
    const ObjectPicture& object = kTrenKosoglPictures[index];
    state().scene.FigureScale = state().settings.PictureFactors[object.factor] *
                                (session.SizeScotomaItem == 1 ? kSmallSize : 1.0);
    if (place(PlaceSplit, state().roles.ColorRed, QLatin1String(object.file)) !=
        PlaceResult::Placed) {
        clearedPrimary();
        return;
    }
    showScene();
    // The manual mode counts seconds in the time box from the start.
    if (session.WorkMode == Manual) {
        run.ElapsedSeconds = 0;
        frame().ShowTimeBox(0);
    }

    // AuxSurface keeps the full scene the flicker restores from.
    DisplayObjects& display = state().display;
    display.AuxSurface.reset();
    const QSize size = client();
    if (!succeeded(display.DisplayDevice->createOffscreenSurface(size.width(), size.height(),
                                                                 display.AuxSurface))) {
        return;
    }
    display.AuxSurface->fill(static_cast<std::uint8_t>(state().indices.IndexFon));
    display.AuxSurface->bltFast(0, 0, *display.SceneSurface);

    // Until a figure is picked the period holds the frequency in hertz.
    flickerHz_ = FlickerPeriodMs(session);
    if (flickerHz_ != 0) {
        frame().startFlickerClock(kFlickerTickMs);
    }

    takeStartSnapshot();
    run.ActiveFigure = FigureNone;
    referenceOffset_ = {run.RedRect.Left - run.BlueRect.Left, run.RedRect.Top - run.BlueRect.Top};
    run.SkipFirstMove = true;
    const QPoint middle((run.RedRect.Left + run.RedRect.Right) / 2,
                        (run.RedRect.Top + run.RedRect.Bottom) / 2);
    run.LastCursor = {middle.x(), middle.y()};
    seams().cursor.setPosition(QPoint(middle.x(), centre().y()));
}

void TrenKosogl::homeKey() {
    const RunState& run = runState();
    if (FlickerPeriodMs(session()) != 0 && !run.FlickerOn) {
        return;
    }
    const Offset off = offsetFromAligned();
    stepTowardsAlignment(uniformStep(std::abs(off.dx), std::abs(off.dy), run.PathSlope));
}

void TrenKosogl::enterKey() {
    stopAndCapture();
    state().display.AuxSurface.reset();
}

void TrenKosogl::arrowKey(int key, bool shift) {
    const FigureMove move = arrowMove(key, arrowStep(key, shift));
    frame().MoveFigure(move.dx, move.dy);
}

void TrenKosogl::mouseDown(Qt::MouseButton button, int /*x*/, int /*y*/) {
    switch (session().WorkMode) {
    case Manual:
        manualClick(button);
        break;
    case WithPauses:
        pauseModeClick();
        break;
    case Uniform:
        uniformModeClick();
        break;
    default:
        break;
    }
}

void TrenKosogl::click() {
    RunState& run = runState();
    if (run.FigurePicked) {
        return;
    }
    endFlickerByClick();
    if (run.Touched) {
        return;
    }
    // With a flicker chosen the click sets its period and the figure is found on the full
    // scene, whatever the flicker hides now.
    const std::uint16_t period = squintTrainingFlickerMs(flickerHz_);
    const bool picks = run.ActiveFigure == FigureNone;
    if (picks && period != 0) {
        FlickerPeriodMs(session()) = period;
        run.LastToggleTime = seams().clock.millisecondsSinceMidnight();
        frame().startFlickerClock(kFlickerTickMs);
    }
    pickOrDropFigure(true, picks && period != 0);
    // The whole picture is on screen: with the figures in turn the picked one counts as the
    // one shown until the first toggle hides it.
    if (picks && period != 0) {
        run.AlternatePhase = run.ActiveFigure == FigureRed;
    }
}

void TrenKosogl::mouseMove(int x, int y) {
    if (clock().isActive()) {
        return;
    }
    followPointer(x, y, [this](FigureMove move) { moveKeepingMargins(move, true); });
}

void TrenKosogl::clockTick() {
    switch (session().WorkMode) {
    case Manual:
        manualTick();
        break;
    case WithPauses:
        pauseModeTick();
        break;
    case Uniform:
        uniformModeTick();
        break;
    default:
        clock().stop();
        break;
    }
}

bool TrenKosogl::prepareCapture() {
    frame().ShowWholeScene();
    return true;
}

CapturedValues TrenKosogl::captureValues(const CaptureGeometry& at, const DegreeScale& scale) {
    CaptureGeometry aligned = at;
    aligned.reference = referenceOffset_;
    return {kosoglTrainingValues(aligned, scale, session())};
}

Offset TrenKosogl::offsetFromAligned() const {
    const RunState& run = runState();
    return {run.RedRect.Left - run.BlueRect.Left - referenceOffset_.dx,
            run.RedRect.Top - run.BlueRect.Top - referenceOffset_.dy};
}

void TrenKosogl::takeMovementStart() {
    takeStartSnapshot();
    const Offset off = offsetFromAligned();
    runState().PathSlope = pathSlope(off.dx, off.dy);
}

void TrenKosogl::stepTowardsAlignment(FigureMove size) {
    const Offset off = offsetFromAligned();
    // Towards the aligned position for the red figure; the blue one goes the other way.
    int x = off.dx < 0 ? size.dx : -size.dx;
    int y = off.dy > 0 ? -size.dy : size.dy;
    if (runState().ActiveFigure == FigureBlue) {
        x = -x;
        y = -y;
    }
    if (x != 0 || y != 0) {
        frame().MoveFigure(x, y);
    }
}

bool TrenKosogl::endIfAligned() {
    const Offset off = offsetFromAligned();
    if (off.dx != 0 || off.dy != 0) {
        return false;
    }
    stopAndCapture();
    return true;
}

void TrenKosogl::manualClick(Qt::MouseButton button) {
    RunState& run = runState();
    Timer& timer2 = clock();
    if (button == Qt::RightButton) {
        stopAndCapture();
        frame().ShowTimeBox(run.ElapsedSeconds);
        return;
    }
    if (timer2.isActive()) {
        run.ElapsedSeconds = 0;
        frame().ShowTimeBox(0);
        return;
    }
    if (run.ActiveFigure == FigureNone) {
        return;
    }
    run.ElapsedSeconds = 0;
    frame().ShowTimeBox(0);
    takeMovementStart();
    timer2.setInterval(kSecondMs);
    timer2.start();
}

void TrenKosogl::pauseModeClick() {
    Timer& timer2 = clock();
    RunState& run = runState();
    if (timer2.isActive()) {
        timer2.stop();
        stopFlickerShowingAll();
        flickerPaused_ = FlickerPeriodMs(session()) != 0;
        frame().ShowTimeBox(tickCount_);
        return;
    }
    if (run.ActiveFigure == FigureNone) {
        return;
    }
    if (flickerPaused_) {
        // The flicker resumes with the steps, the picture shown for a whole period first.
        flickerPaused_ = false;
        run.LastToggleTime = seams().clock.millisecondsSinceMidnight();
        frame().startFlickerClock(kFlickerTickMs);
    }
    takeMovementStart();
    seams().cursor.hide();
    tickCount_ = 0;
    ticksRunning_ = 0;
    timer2.setInterval(kSecondMs);
    timer2.start();
}

void TrenKosogl::uniformModeClick() {
    RunState& run = runState();
    Timer& timer2 = clock();
    if (run.MouseArmed) {
        timer2.stop();
        stopFlickerShowingAll();
        return;
    }
    if (run.ActiveFigure == FigureNone || timer2.isActive()) {
        return;
    }
    tickCount_ = 0;
    run.MouseArmed = true;
    takeMovementStart();
    if (FlickerPeriodMs(session()) != 0) {
        const int now = seams().clock.millisecondsSinceMidnight();
        run.LastToggleTime = now;
        run.LastAutoMoveTime = now;
        timer2.setInterval(kFlickerStepTickMs);
    } else {
        timer2.setInterval(session().MoveInterval);
    }
    timer2.start();
}

void TrenKosogl::manualTick() {
    RunState& run = runState();
    ++run.ElapsedSeconds;
    frame().ShowTimeBox(run.ElapsedSeconds);
    if (run.ElapsedSeconds % kSecondsPerBeep == 0) {
        PlayFeedbackSound(state(), seams().sound, QStringLiteral("1Sec.wav"));
    }
}

void TrenKosogl::pauseModeTick() {
    if (endIfAligned()) {
        return;
    }
    ++tickCount_;
    ++ticksRunning_;
    if (ticksRunning_ % kSecondsPerPauseBeep == 0) {
        PlayFeedbackSound(state(), seams().sound, QStringLiteral("5Sec.wav"));
    }
    if (tickCount_ < session().PauseSeconds + 1) {
        return;
    }
    tickCount_ = 0;
    const Offset off = offsetFromAligned();
    stepTowardsAlignment(
        pauseStep(std::abs(off.dx), std::abs(off.dy), runState().PathSlope, session().StepPixels));
    endIfAligned();
}

void TrenKosogl::uniformModeTick() {
    RunState& run = runState();
    if (endIfAligned()) {
        return;
    }
    ++tickCount_;
    if (FlickerPeriodMs(session()) != 0) {
        const int now = seams().clock.millisecondsSinceMidnight();
        if (now - run.LastAutoMoveTime < session().MoveInterval) {
            return;
        }
        run.LastAutoMoveTime = now;
        frame().ToggleFlickerIfDue();
    }
    const Offset off = offsetFromAligned();
    stepTowardsAlignment(uniformStep(std::abs(off.dx), std::abs(off.dy), run.PathSlope));
    endIfAligned();
}

void TrenKosogl::stopFlickerShowingAll() {
    frame().ShowWholeScene();
    // With the figures in turn the picked one counts as the one shown, so the hand moves it
    // where it is seen.
    RunState& run = runState();
    run.AlternatePhase = run.ActiveFigure == FigureRed;
}

void TrenKosogl::stopAndCapture() {
    clock().stop();
    frame().stopFlickerClock();
    runState().FlickerOn = true;
    frame().CaptureResult();
}

} // namespace trelon
