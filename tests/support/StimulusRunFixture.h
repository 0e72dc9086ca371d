#pragma once
// A stimulus run on the emulated screen of StimulusScreenFixture: a run of RunClass (the
// program's StimulusRun or a test's subclass of it) over the fake seams, in a fake window.
#include "procedures/StimulusRun.h"
#include "support/FakeStimulusHost.h"
#include "support/ProcedureRuns.h"
#include "support/StimulusScreenFixture.h"

#include <memory>

namespace trelon::test {

template <class RunClass = StimulusRun> class StimulusRunFixture : public StimulusScreenFixture {
protected:
    // The screen of the given size and the run on it.
    void openRun(QSize size) {
        openScreen(size);
        run = std::make_unique<RunClass>(state, seams, host, makeTestedProcedure);
    }

    FakeStimulusHost host;
    std::unique_ptr<RunClass> run;
};

} // namespace trelon::test
