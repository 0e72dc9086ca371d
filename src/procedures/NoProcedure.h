#pragma once
// The procedure of a session that names none (or one the maker does not know): nothing is
// drawn or stored, and every input gets only the rules all procedures share.
#include "procedures/Procedure.h"

namespace trelon {

class NoProcedure final : public Procedure {
public:
    NoProcedure(ProcedureKind kind, RunServices& frame, SharedState& state,
                const PlatformSeams& seams)
        : Procedure(kind, frame, state, seams, ProcedureTraits{}) {}

    void start() override {}
    void composeScene() override {}
    bool prepareCapture() override { return false; }
    CapturedValues captureValues(const CaptureGeometry&, const DegreeScale&) override { return {}; }
};

} // namespace trelon
