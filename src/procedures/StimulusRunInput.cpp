// The patient's keys and mouse in the stimulus window: the rules common to every procedure,
// in the order they apply, and the hand-over to the procedure's own rules.
#include "platform/Clock.h"
#include "platform/Cursor.h"
#include "platform/Timer.h"
#include "procedures/Procedure.h"
#include "procedures/StimulusHost.h"
#include "procedures/StimulusRun.h"
#include "state/SharedState.h"
#include "stimulus/Flicker.h"
#include "stimulus/InputRules.h"

namespace trelon {

namespace {

bool isEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool isMoveKey(int key) {
    return isArrowKey(key) || key == Qt::Key_Home;
}

std::int16_t otherFigure(std::int16_t figure) {
    return figure == FigureBlue ? FigureRed : FigureBlue;
}

// A pause between two steps takes no answer (a double click would otherwise close the
// window and lose the steps measured so far).
bool answersPaused(Procedure& procedure) {
    return procedure.traits().clockPausesAnswers && procedure.clock().isActive();
}

} // namespace

void StimulusRun::keyDown(int key, Qt::KeyboardModifiers modifiers) {
    RunState& run = state_.run;
    Procedure& procedure = this->procedure();
    const bool moveKey = isMoveKey(key);
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);

    if (moveKey && run.ResultShown) {
        timerM_->stop();
        return;
    }
    // A key press that falls due for a flicker toggle is spent on the toggle.
    const ProcedureTraits& traits = procedure.traits();
    if (moveKey && traits.keysToggleFlicker && ToggleFlickerIfDue()) {
        return;
    }
    // Alt moves the other figure for this key press.
    const std::int16_t held = run.ActiveFigure;
    const bool swap =
        modifiers.testFlag(Qt::AltModifier) && held != FigureNone && traits.altMovesOtherFigure;
    if (swap) {
        run.ActiveFigure = otherFigure(held);
    }

    if (moveKey && run.TimeBoxActive) {
        run.ElapsedSeconds = 0;
        ShowTimeBox(0);
    }
    if (key == Qt::Key_Home) {
        procedure.homeKey();
    } else if (isEnterKey(key)) {
        if (!answersPaused(procedure)) {
            run.ActiveFigure = FigureNone;
            // The step number closes only the procedures that count steps, so a number left
            // by an earlier run cannot close another procedure before its answer.
            if ((run.ResultShown && !run.VerticalPhase) ||
                (traits.countsSteps && run.StepNo == 9)) {
                host_.closeWindow();
                run.StepNo = 0;
            } else {
                procedure.enterKey();
            }
        }
    } else if (key == Qt::Key_Escape) {
        host_.closeWindow();
    } else if (isArrowKey(key)) {
        const FigureRect& box = run.ActiveFigure == FigureBlue ? run.BlueRect : run.RedRect;
        const int step = arrowStep(key, shift);
        const bool blocked = traits.edgeRuleAlongDirection
                                 ? arrowBlockedAlongDirection(key, box, step, run.EdgeMargin,
                                                              screenSize(), run.StepNo)
                                 : arrowBlockedByEdge(key, box, step, run.EdgeMargin, screenSize());
        if (run.ActiveFigure == FigureNone || !blocked) {
            procedure.arrowKey(key, shift);
        }
    }

    // Restored only when the key left the swapped figure active; an answer that dropped the
    // figure keeps it dropped.
    if (swap && run.ActiveFigure == otherFigure(held)) {
        run.ActiveFigure = held;
    }
}

bool StimulusRun::ToggleFlickerIfDue() {
    RunState& run = state_.run;
    // Only a running flicker toggles: before it starts, while it pauses and after it stopped
    // a key or a move leaves the picture as it is.
    if (FlickerPeriodMs(state_.session) == 0 || !timerM_->isActive()) {
        return false;
    }
    const int now = seams_.clock.millisecondsSinceMidnight();
    if (!flickerDue(run, state_.session, now)) {
        return false;
    }
    const std::int16_t held = run.ActiveFigure;
    run.ActiveFigure = FigureNone;
    ToggleFlicker();
    run.ActiveFigure = held;
    run.LastToggleTime = now;
    return true;
}

void StimulusRun::mouseDown(Qt::MouseButton button, int x, int y) {
    Procedure& procedure = this->procedure();
    if (answersPaused(procedure)) {
        return;
    }
    if (state_.run.ResultShown && procedure.traits().clickAfterResultCloses) {
        host_.closeWindow();
        return;
    }
    procedure.mouseDown(button, x, y);
}

void StimulusRun::click() {
    procedure().click();
}

void StimulusRun::mouseMove(int x, int y) {
    if (state_.run.ResultShown) {
        return;
    }
    procedure().mouseMove(x, y);
}

void StimulusRun::recentreCursor(int x, int y, int topMargin) {
    RunState& run = state_.run;
    if (run.ActiveFigure == FigureNone) {
        return;
    }
    const FigureRect& box = run.ActiveFigure == FigureBlue ? run.BlueRect : run.RedRect;
    const std::optional<QPoint> to = recentredCursor(QPoint(x, y), box, screenSize(), topMargin);
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

} // namespace trelon
