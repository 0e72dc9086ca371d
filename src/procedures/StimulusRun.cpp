#include "procedures/StimulusRun.h"

#include "display/DisplayDevice.h"
#include "platform/Cursor.h"
#include "platform/Timer.h"
#include "procedures/NoProcedure.h"
#include "procedures/Procedure.h"
#include "procedures/StimulusHost.h"
#include "state/SharedState.h"
#include "stimulus/FeedbackSound.h"

namespace trelon {

StimulusRun::StimulusRun(SharedState& state, const PlatformSeams& seams, StimulusHost& host,
                         ProcedureMaker makeProcedure)
    : state_(state), seams_(seams), host_(host), makeProcedure_(makeProcedure),
      timer1_(seams.timers.createTimer("Timer1", state.settings.TimeShowRezult)),
      timerM_(seams.timers.createTimer("TimerM", 2000)),
      timerMove_(seams.timers.createTimer("TimerMove", 100)) {
    timer1_->setCallback([this] { Timer1Timer(); });
    timerM_->setCallback([this] { TimerMTimer(); });
    timerMove_->setCallback([this] { TimerMoveTimer(); });
    FormCreate();
}

StimulusRun::~StimulusRun() = default;

void StimulusRun::FormCreate() {
    PaletteIndices& indices = state_.indices;
    indices.PictureWhite = 255;
    indices.PictureBlack = 0;
    indices.PictureBlue = 252;
    indices.PictureRed = 249;
    indices.IndexBlue = 21;
    indices.IndexRed = 22;
    indices.IndexFon = 23;
    indices.IndexAll = 24;
    // The setting is kept in milliseconds already.
    timer1_->setInterval(state_.settings.TimeShowRezult);
    ApplySoundDevice(seams_.sound, state_.settings.MyDeviceType);
}

void StimulusRun::FormActivate() {
    // Every activation starts the procedure afresh, with none of its last run's state.
    procedure_ = makeProcedureOf(procedureKindOf(state_.session));
    RunState& run = state_.run;
    // The pause interval the set-up screen's start chose.
    timerM_->setInterval(state_.session.TimerMInterval);
    state_.SessionAborted = false;
    run.TimeBoxActive = false;
    run.ResultShown = false;
    seams_.cursor.setProgramCursor();

    host_.refresh();
    if (Surface* screen = primary()) {
        screen->fill(static_cast<std::uint8_t>(state_.indices.IndexFon));
    }

    run.VerticalPhase = false;
    run.SwingInTravel = 0;
    run.SwingOutTravel = 0;
    run.SwingIn = true;
    run.SkipFirstMove = false;
    run.FlickerOn = true;
    seams_.cursor.setProgramCursor();
    timer1_->setInterval(state_.settings.TimeShowRezult);
    timerM_->stop();

    procedure_->start();
}

Procedure& StimulusRun::procedure() {
    const ProcedureKind kind = procedureKindOf(state_.session);
    if (!procedure_ || procedure_->kind() != kind) {
        procedure_ = makeProcedureOf(kind);
    }
    return *procedure_;
}

std::unique_ptr<Procedure> StimulusRun::makeProcedureOf(ProcedureKind kind) {
    std::unique_ptr<Procedure> made =
        makeProcedure_ != nullptr ? makeProcedure_(kind, *this, state_, seams_) : nullptr;
    if (!made) {
        made = std::make_unique<NoProcedure>(kind, *this, state_, seams_);
    }
    return made;
}

void StimulusRun::BuildScene() {
    if (!beginScene()) {
        return;
    }
    procedure().composeScene();
}

bool StimulusRun::beginScene() {
    RunState& run = state_.run;
    run.ResultShown = false;
    run.FigurePicked = false;
    run.Touched = false;
    run.TargetReached = false;
    run.MouseArmed = false;
    // No figure of the previous picture may be moved before the new one says which.
    run.ActiveFigure = FigureNone;
    state_.scene.FigureScale = 1.0;
    state_.scene.FigureOffsetX = 0;
    state_.scene.FigureOffsetY = 0;
    seams_.cursor.releaseClip();

    DisplayObjects& display = state_.display;
    display.SceneSurface.reset();
    if (!display.DisplayDevice) {
        return false;
    }
    const QSize size = display.DisplayDevice->screenSize();
    if (!succeeded(display.DisplayDevice->createOffscreenSurface(size.width(), size.height(),
                                                                 display.SceneSurface))) {
        return false;
    }
    display.SceneSurface->fill(static_cast<std::uint8_t>(state_.indices.IndexFon));
    return true;
}

void StimulusRun::RestartStep() {
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

void StimulusRun::CloseWindow() {
    host_.closeWindow();
}

void StimulusRun::FormClose() {
    seams_.cursor.releaseClip();
    timerM_->stop();
    if (procedure_) {
        procedure_->clock().stop();
    }
    timer1_->stop();
    // Nothing of a closed run may tick any more.
    timerMove_->stop();
    DisplayObjects& display = state_.display;
    display.AuxSurface.reset();
    display.SceneSurface.reset();
    display.PrimarySurface.reset();
    timeBox_.reset();
    seams_.cursor.setProgramCursor();
}

void StimulusRun::ApplicationEvents1Deactivate() {
    state_.run.ActiveFigure = FigureNone;
    FormClose();
    state_.display.DisplayPalette.reset();
    state_.SessionAborted = true;
    host_.closeWindow();
}

void StimulusRun::Timer1Timer() {
    timer1_->stop();
}

Timer& StimulusRun::Timer2() {
    return procedure().clock();
}

void StimulusRun::restFigure(std::int16_t figure) {
    state_.run.SavedActiveFigure = figure;
    state_.run.ActiveFigure = FigureNone;
    timerMove_->start();
}

bool StimulusRun::figureResting() const {
    return timerMove_->isActive();
}

void StimulusRun::TimerMoveTimer() {
    timerMove_->stop();
    state_.run.ActiveFigure = state_.run.SavedActiveFigure;
}

QSize StimulusRun::screenSize() const {
    const DisplayObjects& display = state_.display;
    if (display.DisplayDevice) {
        return display.DisplayDevice->screenSize();
    }
    return display.PrimarySurface ? display.PrimarySurface->rect().size() : QSize();
}

Surface* StimulusRun::primary() {
    DisplayObjects& display = state_.display;
    if (!display.PrimarySurface && display.DisplayDevice &&
        succeeded(display.DisplayDevice->createPrimarySurface(display.PrimarySurface)) &&
        display.DisplayPalette) {
        display.PrimarySurface->attachPalette(display.DisplayPalette);
    }
    return display.PrimarySurface.get();
}

} // namespace trelon
