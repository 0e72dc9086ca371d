// The run's entry points into figure movement and flicker.
#include "platform/Clock.h"
#include "procedures/StimulusHost.h"
#include "procedures/StimulusRun.h"
#include "stimulus/FigureMovement.h"
#include "stimulus/Flicker.h"

namespace trelon {

void StimulusRun::MoveFigure(int dx, int dy) {
    trelon::MoveFigure(state_, seams_.dialogs, host_.caption(), dx, dy);
}

void StimulusRun::ToggleFlicker() {
    trelon::ToggleFlicker(state_, [this](int seconds) { ShowTimeBox(seconds); });
}

void StimulusRun::TimerMTimer() {
    FlickerClockTick(state_, seams_.clock.millisecondsSinceMidnight(), *timerM_,
                     [this] { ToggleFlicker(); });
}

} // namespace trelon
