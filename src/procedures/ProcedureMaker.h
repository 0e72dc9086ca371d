#pragma once
// How the run gets the procedure object of a kind: the program hands it the procedure
// registry's maker, a test the makers of the procedures it runs.
#include "results/ProcedureKind.h"

#include <memory>

namespace trelon {

class Procedure;
class RunServices;
struct PlatformSeams;
struct SharedState;

// The procedure of kind running in run; null when the maker knows no such procedure.
using ProcedureMaker = std::unique_ptr<Procedure> (*)(ProcedureKind kind, RunServices& run,
                                                      SharedState& state,
                                                      const PlatformSeams& seams);

// The maker of one run class, for a registry's line.
template <class P>
std::unique_ptr<Procedure> makeRunOf(ProcedureKind kind, RunServices& run, SharedState& state,
                                     const PlatformSeams& seams) {
    return std::make_unique<P>(kind, run, state, seams);
}

} // namespace trelon
