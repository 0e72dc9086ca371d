#include "procedures/trainings/TrenKosogl.h"

#include "platform/Timer.h"
#include "procedures/StimulusRun.h"
#include "state/SharedState.h"

namespace trelon {

void TrenKosogl::start() {
    run().BuildScene();
    // The flicker clock starts when a figure is picked.
    run().TimerM().stop();
}

void TrenKosogl::click() {
    const bool modes = session().WorkMode >= 0;
    if (modes && runState().Touched) {
        return;
    }
    pickOrDropFigure(modes);
}

bool TrenKosogl::mouseMoveIgnored() const {
    return run().Timer2().isActive();
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
    run().ShowWholeScene();
    return true;
}

CapturedValues TrenKosogl::captureValues(const CaptureGeometry& at, const DegreeScale& scale) {
    CaptureGeometry aligned = at;
    aligned.reference = referenceOffset_;
    return {kosoglTrainingValues(aligned, scale, session())};
}

} // namespace trelon
