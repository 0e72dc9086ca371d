#pragma once
// A stimulus run for the scene tests (StimulusRunFixture): the screen with a SceneSurface
// filled with the background, and procedures chosen with their object.
#include "support/StimulusRunFixture.h"

namespace trelon::test {

class SceneFixture : public StimulusRunFixture<> {
protected:
    // A screen of the given size, its primary, SceneSurface filled with the background, and
    // the run; pictures come from the test's own folder until useProgramPictures().
    void openScreen(QSize size) {
        openRun(size);
        makeSceneSurface();
    }

    // The procedure with its object, the first one unless named.
    void selectProcedure(int isDiagnostics, int number, int object = 1) {
        StimulusRunFixture::selectProcedure(isDiagnostics, number, object);
    }
};

} // namespace trelon::test
