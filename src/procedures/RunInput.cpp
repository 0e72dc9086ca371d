// The patient's keys and mouse in the stimulus window: the rules common to every procedure,
// in the order they apply, and the hand-over to each procedure's own rules.
#include "display/DisplayDevice.h"
#include "display/Surface.h"
#include "platform/Clock.h"
#include "platform/Cursor.h"
#include "platform/Timer.h"
#include "procedures/StimulusHost.h"
#include "procedures/StimulusRun.h"
#include "state/ProcedureKind.h"
#include "state/SharedState.h"
#include "stimulus/Flicker.h"
#include "stimulus/InputRules.h"

namespace trelon {

namespace {

constexpr int kScaleVariant = 1; // DiagKosogl object "Шкала"

bool isEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool isScotomaProcedure(ProcedureKind procedure) {
    return procedure == ProcedureKind::DiagScotoma || procedure == ProcedureKind::TrenScotoma;
}

bool isKosoglProcedure(ProcedureKind procedure) {
    return procedure == ProcedureKind::DiagKosogl || procedure == ProcedureKind::TrenKosogl;
}

std::int16_t otherFigure(std::int16_t figure) {
    return figure == FigureBlue ? FigureRed : FigureBlue;
}

// Once a result is shown, a click closes the window in these procedures (the scale of the
// angle test goes on to its vertical measurement).
bool clickAfterResultCloses(ProcedureKind procedure, const SessionParams& session) {
    switch (procedure) {
    case ProcedureKind::DiagScotoma:
    case ProcedureKind::DiagFuzia:
    case ProcedureKind::TrenBifics:
    case ProcedureKind::TrenCvetotest:
    case ProcedureKind::TrenKosogl:
        return true;
    case ProcedureKind::DiagKosogl:
        return session.ObjectNumber != kScaleVariant;
    default:
        return false;
    }
}

// The top edge distance that re-centres the cursor.
int recentringTopMargin(ProcedureKind procedure) {
    if (isKosoglProcedure(procedure)) {
        return 36;
    }
    return procedure == ProcedureKind::TrenScotoma ? 45 : 5;
}

// The pixel of surface at p, or -1 when it cannot be read.
int pixelAt(Surface* surface, QPoint p) {
    if (surface == nullptr || !surface->rect().contains(p)) {
        return -1;
    }
    SurfaceLock access;
    if (!succeeded(surface->lock(access))) {
        return -1;
    }
    const int value = access.bits[p.y() * access.pitch + p.x()];
    surface->unlock(QRect());
    return value;
}

} // namespace

void StimulusRun::keyDown(int key, Qt::KeyboardModifiers modifiers) {
    RunState& run = state_.run;
    const ProcedureKind procedure = procedureKindOf(state_.session);
    const bool moveKey = isArrowKey(key) || key == Qt::Key_Home;

    if (moveKey && run.ResultShown) {
        timerM_->stop();
        return;
    }
    // A key press that falls due for a flicker toggle is spent on the toggle.
    if (moveKey &&
        (procedure == ProcedureKind::TrenScotoma || procedure == ProcedureKind::TrenKosogl) &&
        toggleFlickerIfDue()) {
        return;
    }
    // Alt moves the other figure for this key press. The angle test's scale has no second
    // figure to move.
    const std::int16_t held = run.ActiveFigure;
    const bool scale =
        procedure == ProcedureKind::DiagKosogl && state_.session.ObjectNumber == kScaleVariant;
    const bool swap = modifiers.testFlag(Qt::AltModifier) && held != FigureNone &&
                      isKosoglProcedure(procedure) && !scale;
    if (swap) {
        run.ActiveFigure = otherFigure(held);
    }
    handleKey(procedure, key, modifiers.testFlag(Qt::ShiftModifier));
    // Restored only when the key left the swapped figure active; an answer that dropped the
    // figure keeps it dropped.
    if (swap && run.ActiveFigure == otherFigure(held)) {
        run.ActiveFigure = held;
    }
}

void StimulusRun::handleKey(ProcedureKind procedure, int key, bool shift) {
    RunState& run = state_.run;
    const bool moveKey = isArrowKey(key) || key == Qt::Key_Home;
    if (moveKey && run.TimeBoxActive) {
        run.ElapsedSeconds = 0;
        ShowTimeBox(0);
    }
    if (key == Qt::Key_Home) {
        switch (procedure) {
        case ProcedureKind::DiagScotoma:
        case ProcedureKind::DiagFuzia:
        case ProcedureKind::TrenScotoma:
        case ProcedureKind::TrenBifics:
        case ProcedureKind::TrenCvetotest:
            restartStep();
            break;
        default:
            // The squint training's Home takes one alignment step; it comes with the
            // training's rules.
            break;
        }
        return;
    }
    if (isEnterKey(key)) {
        // The pause between two scotoma directions takes no answer.
        if (procedure == ProcedureKind::DiagScotoma && timer2_->isActive()) {
            return;
        }
        run.ActiveFigure = FigureNone;
        // The step number closes only the procedures that count steps, so a number left by
        // an earlier run cannot close another procedure before its answer.
        if ((run.ResultShown && !run.VerticalPhase) ||
            (isScotomaProcedure(procedure) && run.StepNo == 9)) {
            host_.closeWindow();
            run.StepNo = 0;
            return;
        }
        switch (procedure) {
        case ProcedureKind::DiagCvetotest:
            host_.closeWindow();
            break;
        case ProcedureKind::DiagKosogl:
            kosoglAnswer();
            break;
        case ProcedureKind::DiagScotoma:
            scotomaAnswer(false);
            break;
        case ProcedureKind::DiagFuzia:
            CaptureResult();
            break;
        default:
            // The trainings' answers come with their rules.
            break;
        }
        return;
    }
    if (key == Qt::Key_Escape) {
        host_.closeWindow();
        return;
    }
    if (isArrowKey(key)) {
        diagnosticArrowKey(procedure, key, shift);
    }
}

void StimulusRun::restartStep() {
    DisplayObjects& display = state_.display;
    display.SceneSurface.reset();
    const QSize client = screenSize();
    if (display.DisplayDevice && succeeded(display.DisplayDevice->createOffscreenSurface(
                                     client.width(), client.height(), display.SceneSurface))) {
        display.SceneSurface->fill(static_cast<std::uint8_t>(state_.indices.IndexFon));
        if (Surface* screen = primary()) {
            screen->bltFast(0, 0, *display.SceneSurface);
        }
    }
    BuildScene();
}

bool StimulusRun::toggleFlickerIfDue() {
    RunState& run = state_.run;
    if (FlickerPeriodMs(state_.session) == 0) {
        return false;
    }
    const int now = seams_.clock.millisecondsSinceMidnight();
    if (!flickerDue(run, state_.session, now)) {
        return false;
    }
    // The toggle itself moves no figure.
    const std::int16_t held = run.ActiveFigure;
    run.ActiveFigure = FigureNone;
    ToggleFlicker();
    run.ActiveFigure = held;
    run.LastToggleTime = now;
    return true;
}

void StimulusRun::mouseDown(Qt::MouseButton button, int x, int y) {
    Q_UNUSED(y);
    RunState& run = state_.run;
    const ProcedureKind procedure = procedureKindOf(state_.session);
    // The pause between two scotoma directions takes no answer (a double click would
    // otherwise close the window and lose the directions measured so far).
    if (procedure == ProcedureKind::DiagScotoma && timer2_->isActive()) {
        return;
    }
    if (run.ResultShown && clickAfterResultCloses(procedure, state_.session)) {
        host_.closeWindow();
        return;
    }
    switch (procedure) {
    case ProcedureKind::DiagCvetotest:
        run.ClickX = x;
        if (run.ResultShown) {
            host_.closeWindow();
        } else {
            // A click outside the seven fields captures nothing and the run goes on.
            CaptureResult();
        }
        break;
    case ProcedureKind::DiagScotoma:
        if (run.StepNo == 9) {
            host_.closeWindow();
            run.StepNo = 0;
        } else {
            scotomaAnswer(true);
        }
        break;
    case ProcedureKind::DiagFuzia:
        CaptureResult();
        break;
    case ProcedureKind::DiagKosogl:
        if (state_.session.ObjectNumber == kScaleVariant) {
            kosoglAnswer();
        } else if (run.ActiveFigure != FigureNone || run.Touched || button == Qt::RightButton) {
            // A picked figure, or a right click, answers; the first left click on a
            // figure only picks it (click()).
            kosoglAnswer();
        }
        break;
    default:
        // The trainings' clicks come with their rules.
        break;
    }
}

void StimulusRun::click() {
    RunState& run = state_.run;
    SessionParams& session = state_.session;
    const ProcedureKind procedure = procedureKindOf(session);
    if (procedure == ProcedureKind::TrenKosogl && run.FigurePicked) {
        return;
    }
    timerM_->stop();
    FlickerPeriodMs(session) = 0;
    if (!isKosoglProcedure(procedure)) {
        return;
    }
    if (procedure == ProcedureKind::TrenKosogl && session.WorkMode >= 0 && run.Touched) {
        return;
    }
    if (procedure == ProcedureKind::DiagKosogl &&
        (run.Touched || session.ObjectNumber == kScaleVariant)) {
        return;
    }
    const QPoint at = seams_.cursor.position();
    if (run.ActiveFigure != FigureNone) {
        run.ActiveFigure = FigureNone;
        run.LastCursor = {at.x(), at.y()};
        seams_.cursor.setProgramCursor();
        return;
    }
    pickFigureUnderCursor(procedure);
}

void StimulusRun::pickFigureUnderCursor(ProcedureKind procedure) {
    RunState& run = state_.run;
    const PaletteIndices& indices = state_.indices;
    const QPoint at = seams_.cursor.position();
    // The squint training with a flicker frequency chosen reads AuxSurface (the full scene)
    // and starts its flicker here; that comes with the training's rules.
    const int pixel = pixelAt(primary(), at);
    bool picked = false;
    if (pixel == indices.IndexRed) {
        run.ActiveFigure = FigureRed;
        picked = true;
    } else if (pixel == indices.IndexBlue) {
        run.ActiveFigure = FigureBlue;
        picked = true;
    }
    if (picked) {
        run.FigurePicked = true;
        const bool touches =
            procedure == ProcedureKind::DiagKosogl ||
            (procedure == ProcedureKind::TrenKosogl && state_.session.WorkMode >= 0);
        if (touches) {
            run.Touched = true;
        }
    }
    if (run.ActiveFigure != FigureNone) {
        seams_.cursor.hide();
    } else {
        seams_.cursor.setProgramCursor();
    }
    run.LastCursor = {at.x(), at.y()};
}

void StimulusRun::mouseMove(int x, int y) {
    RunState& run = state_.run;
    const ProcedureKind procedure = procedureKindOf(state_.session);
    if (run.ResultShown || (procedure == ProcedureKind::TrenScotoma && run.TargetReached) ||
        (procedure == ProcedureKind::DiagScotoma && timerMove_->isActive()) ||
        (procedure == ProcedureKind::TrenKosogl && timer2_->isActive())) {
        return;
    }
    switch (procedure) {
    case ProcedureKind::DiagCvetotest:
    case ProcedureKind::DiagFuzia:
    case ProcedureKind::TrenCvetotest:
        return; // the mouse moves nothing here
    case ProcedureKind::TrenBifics:
        return; // the bifixation training's mouse rules come with the training
    default:
        break;
    }
    if (run.ActiveFigure == FigureNone) {
        return;
    }
    FigureMove move{x - run.LastCursor.X, y - run.LastCursor.Y};
    if (move.dx == 0 && move.dy == 0) {
        return;
    }
    if (state_.settings.ScorostMouse) {
        move = {limitMouseDelta(move.dx), limitMouseDelta(move.dy)};
    }
    mouseMoveFigure(procedure, move);
    run.LastCursor = {x, y};
    recentreCursor(procedure, x, y);
}

void StimulusRun::mouseMoveFigure(ProcedureKind procedure, FigureMove move) {
    RunState& run = state_.run;
    const SessionParams& session = state_.session;
    const QSize client = screenSize();
    if (procedure == ProcedureKind::DiagScotoma &&
        scotomaDiagonalRefused(run.StepNo, restrictToDirection(move, run.StepNo), run.RedRect,
                               client.height())) {
        return;
    }
    if (isKosoglProcedure(procedure) || procedure == ProcedureKind::TrenScotoma) {
        toggleFlickerIfDue();
        const bool scale =
            procedure == ProcedureKind::DiagKosogl && session.ObjectNumber == kScaleVariant;
        if (scale) {
            move = keepScaleAxis(move, run.VerticalPhase);
        }
        const FigureRect& box = run.ActiveFigure == FigureBlue ? run.BlueRect : run.RedRect;
        const EdgeHit hit = mouseMoveHitsMargin(box, move, run.EdgeMargin, client);
        if (hit.any()) {
            // At a margin the two pictures still close up: the other figure moves the
            // opposite way. The scale has no second figure.
            if (isKosoglProcedure(procedure) && !scale) {
                const FigureMove opposite{hit.horizontal ? -move.dx : 0,
                                          hit.vertical ? -move.dy : 0};
                const std::int16_t held = run.ActiveFigure;
                const std::int16_t other = otherFigure(held);
                const FigureRect& otherBox = other == FigureBlue ? run.BlueRect : run.RedRect;
                if (!mouseMoveHitsMargin(otherBox, opposite, run.EdgeMargin, client).any()) {
                    moveFigureNo(other, opposite.dx, opposite.dy);
                }
                run.ActiveFigure = held;
            }
            return;
        }
        if (FlickerPeriodMs(session) == 0 || run.FlickerOn) {
            MoveFigure(move.dx, move.dy);
        }
        // The scotoma training's push-back comes with the training's rules.
        return;
    }
    move.dy = clampVerticalNearEdge(move.dy, run.RedRect, client.height(), run.EdgeMargin);
    MoveFigure(move.dx, move.dy);
}

void StimulusRun::recentreCursor(ProcedureKind procedure, int x, int y) {
    RunState& run = state_.run;
    if (run.ActiveFigure == FigureNone) {
        return;
    }
    const FigureRect& box = run.ActiveFigure == FigureBlue ? run.BlueRect : run.RedRect;
    const std::optional<QPoint> to =
        recentredCursor(QPoint(x, y), box, screenSize(), recentringTopMargin(procedure));
    if (!to) {
        return;
    }
    seams_.cursor.setPosition(*to);
    run.LastCursor = {to->x(), to->y()};
    // The jump of the cursor must move nothing: the figure rests until TimerMove ticks.
    run.SavedActiveFigure = run.ActiveFigure;
    run.ActiveFigure = FigureNone;
    timerMove_->start();
}

void StimulusRun::Timer2Timer() {
    switch (procedureKindOf(state_.session)) {
    case ProcedureKind::DiagScotoma:
        // The pause after a click ends: the next direction.
        timer2_->stop();
        BuildScene();
        break;
    default:
        // The trainings' clocks come with their rules.
        break;
    }
}

void StimulusRun::moveFigureNo(std::int16_t figure, int dx, int dy) {
    state_.run.ActiveFigure = figure;
    MoveFigure(dx, dy);
}

} // namespace trelon
