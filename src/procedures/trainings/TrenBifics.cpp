#include "procedures/trainings/TrenBifics.h"

#include "platform/Cursor.h"
#include "procedures/StimulusRun.h"
#include "state/SharedState.h"

namespace trelon {

void TrenBifics::start() {
    seams().cursor.hide();
    window().BuildScene();
}

void TrenBifics::homeKey() {
    window().RestartStep();
}

MoveRules TrenBifics::moveRules() const {
    MoveRules rules;
    rules.flickerDecides = true;
    return rules;
}

CapturedValues TrenBifics::captureValues(const CaptureGeometry& at, const DegreeScale& scale) {
    return {bifixationValues(at, scale, session())};
}

} // namespace trelon
