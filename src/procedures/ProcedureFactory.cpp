#include "procedures/ProcedureFactory.h"

#include "procedures/diagnostics/DiagCvetotest.h"
#include "procedures/diagnostics/DiagFuzia.h"
#include "procedures/diagnostics/DiagKosogl.h"
#include "procedures/diagnostics/DiagScotoma.h"
#include "procedures/trainings/TrenBifics.h"
#include "procedures/trainings/TrenCvetotest.h"
#include "procedures/trainings/TrenKosogl.h"
#include "procedures/trainings/TrenScotoma.h"

namespace trelon {

namespace {

// The session names no procedure: nothing is drawn or stored.
class NoProcedure final : public Procedure {
public:
    using Procedure::Procedure;

protected:
    void start() override {}
    void composeScene() override {}
    bool prepareCapture() override { return false; }
    CapturedValues captureValues(const CaptureGeometry&, const DegreeScale&) override { return {}; }
};

template <class P>
std::unique_ptr<Procedure> make(ProcedureKind kind, StimulusRun& run, SharedState& state,
                                const PlatformSeams& seams) {
    return std::make_unique<P>(kind, run, state, seams);
}

} // namespace

std::unique_ptr<Procedure> makeProcedure(ProcedureKind kind, StimulusRun& run, SharedState& state,
                                         const PlatformSeams& seams) {
    switch (kind) {
    case ProcedureKind::DiagCvetotest:
        return make<DiagCvetotest>(kind, run, state, seams);
    case ProcedureKind::DiagKosogl:
        return make<DiagKosogl>(kind, run, state, seams);
    case ProcedureKind::DiagScotoma:
        return make<DiagScotoma>(kind, run, state, seams);
    case ProcedureKind::DiagFuzia:
        return make<DiagFuzia>(kind, run, state, seams);
    case ProcedureKind::TrenScotoma:
        return make<TrenScotoma>(kind, run, state, seams);
    case ProcedureKind::TrenKosogl:
        return make<TrenKosogl>(kind, run, state, seams);
    case ProcedureKind::TrenBifics:
        return make<TrenBifics>(kind, run, state, seams);
    case ProcedureKind::TrenCvetotest:
        return make<TrenCvetotest>(kind, run, state, seams);
    case ProcedureKind::None:
        break;
    }
    return make<NoProcedure>(ProcedureKind::None, run, state, seams);
}

} // namespace trelon
