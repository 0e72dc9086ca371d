#include "procedures/trainings/TrenCvetotest.h"

#include "platform/Cursor.h"
#include "procedures/StimulusRun.h"
#include "state/SharedState.h"

namespace trelon {

void TrenCvetotest::start() {
    seams().cursor.hide();
    window().BuildScene();
}

void TrenCvetotest::homeKey() {
    window().RestartStep();
}

MoveRules TrenCvetotest::moveRules() const {
    MoveRules rules;
    rules.flickerDecides = true;
    return rules;
}

CapturedValues TrenCvetotest::captureValues(const CaptureGeometry& at, const DegreeScale& scale) {
    return {fusionTrainingValues(at, scale, session())};
}

} // namespace trelon
