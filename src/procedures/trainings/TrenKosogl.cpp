#include "procedures/trainings/TrenKosogl.h"

#include "platform/Timer.h"
#include "procedures/StimulusRun.h"
#include "state/SharedState.h"

namespace trelon {

void TrenKosogl::start() {
    window().BuildScene();
    // The flicker clock starts when a figure is picked.
    window().TimerM().stop();
}

void TrenKosogl::click() {
    const bool modes = session().WorkMode >= 0;
    if (modes && runState().Touched) {
        return;
    }
    pickOrDropFigure(modes);
}

bool TrenKosogl::mouseMoveIgnored() const {
    return window().Timer2().isActive();
}

void TrenKosogl::moveByMouse(FigureMove move) {
    moveKeepingMargins(move, true);
}

MoveRules TrenKosogl::moveRules() const {
    MoveRules rules;
    rules.flickerDecides = true;
    return rules;
}

bool TrenKosogl::prepareCapture() {
    window().ShowWholeScene();
    return true;
}

CapturedValues TrenKosogl::captureValues(const CaptureGeometry& at, const DegreeScale& scale) {
    CaptureGeometry aligned = at;
    aligned.reference = referenceOffset_;
    return {kosoglTrainingValues(aligned, scale, session())};
}

} // namespace trelon
