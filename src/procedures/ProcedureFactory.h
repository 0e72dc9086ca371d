#pragma once
// Makes the procedure object of a kind.
#include "state/ProcedureKind.h"

#include <memory>

namespace trelon {

class Procedure;
class StimulusRun;
struct PlatformSeams;
struct SharedState;

// The procedure of kind, running in run; ProcedureKind::None gives a procedure that draws
// nothing, stores nothing and leaves every input to the rules all procedures share.
std::unique_ptr<Procedure> makeProcedure(ProcedureKind kind, StimulusRun& run, SharedState& state,
                                         const PlatformSeams& seams);

} // namespace trelon
