// The run's entry points into figure movement and flicker.
#include "display/Surface.h"
#include "platform/Clock.h"
#include "platform/Timer.h"
#include "procedures/Procedure.h"
#include "procedures/StimulusHost.h"
#include "procedures/StimulusRun.h"
#include "state/SharedState.h"
#include "stimulus/FigureMovement.h"
#include "stimulus/Flicker.h"

#include <algorithm>

namespace trelon {

namespace {

// The flicker clock's longest tick.
constexpr int kFlickerTickMs = 100;

} // namespace

void StimulusRun::MoveFigure(int dx, int dy) {
    Procedure& procedure = this->procedure();
    const FigureMove move = procedure.clampMove({dx, dy});
    trelon::MoveFigure(state_, seams_.dialogs, host_.caption(), move.dx, move.dy,
                       procedure.traits().move);
}

void StimulusRun::ToggleFlicker() {
    trelon::ToggleFlicker(state_, [this](int seconds) { ShowTimeBox(seconds); });
}

void StimulusRun::TimerMTimer() {
    FlickerClockTick(
        state_, seams_.clock.millisecondsSinceMidnight(), *timerM_, [this] { ToggleFlicker(); },
        procedure().traits().flickerStopsAtTarget);
    // The next tick comes when the next toggle is due, at most a tick of 100 ms away, so a
    // toggle is not late by up to a whole tick.
    if (timerM_->isActive() && FlickerPeriodMs(state_.session) != 0) {
        const int wait =
            flickerWait(state_.run, state_.session, seams_.clock.millisecondsSinceMidnight());
        timerM_->setInterval(std::clamp(wait, 1, kFlickerTickMs));
    }
}

void StimulusRun::startFlickerClock(int tickMs) {
    timerM_->setInterval(tickMs);
    timerM_->start();
}

void StimulusRun::stopFlickerClock() {
    timerM_->stop();
}

void StimulusRun::ShowWholeScene() {
    timerM_->stop();
    const DisplayObjects& display = state_.display;
    if (FlickerPeriodMs(state_.session) != 0) {
        constexpr int kFlickerWholePicture = 3;
        const std::shared_ptr<Surface>& full = state_.session.FlickerVariant == kFlickerWholePicture
                                                   ? display.SceneSurface
                                                   : display.AuxSurface;
        Surface* screen = primary();
        // A failed copy leaves the last image; the values are still computed and stored.
        if (full && screen != nullptr) {
            screen->bltFast(0, 0, *full);
        }
    }
    state_.run.FlickerOn = true;
}

} // namespace trelon
